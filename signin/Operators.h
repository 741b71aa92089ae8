#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "signin/Permissions.h"

namespace lanze {

class Database;

// The operators of 登陆: adding, editing, removing, their group rights and their passwords. Every check
// gives its fixed message and changes nothing; passwords are stored only as their digest.
class Operators {
  public:
    static inline const QString kEnterUser = QStringLiteral("请输入用户名");
    static inline const QString kEnterPassword = QStringLiteral("请输入密码");
    static inline const QString kPasswordsDiffer = QStringLiteral("两次密码输入的不一致！！");
    static inline const QString kChooseRole = QStringLiteral("请选择权限！！");
    static inline const QString kUserExists = QStringLiteral("此用户名已经存在！！");
    static inline const QString kGone = QStringLiteral("此用户已经不存在！！");
    static inline const QString kEdited = QStringLiteral("修改完毕");
    static inline const QString kNotSelf = QStringLiteral("不能删除自己");
    static inline const QString kChooseOperator = QStringLiteral("请选择低一层节点");
    static inline const QString kConfirmDelete = QStringLiteral("确实要删除吗？");

    static inline const QString kAdministrator = QStringLiteral("管理员");
    static inline const QString kOperator = QStringLiteral("操作员");

    struct Record {
        qint64 id = 0;
        QString user;
        QString role;
    };

    // The outcome of a change: empty message when done.
    struct Outcome {
        QString message;
        bool done() const { return message.isEmpty(); }
    };

    explicit Operators(Database& db) : db_(db) {}

    QStringList userNames();  // in table order
    std::optional<Record> byId(qint64 id);
    std::optional<Record> byName(const QString& user);

    // A new operator with every rights string at 31 "0".
    Outcome add(const QString& user, const QString& password, const QString& repeat, const QString& role);
    // Name, role and password together; the password must be typed again. The built-in "admin" keeps its
    // name, and a new name may not be another operator's: statements that name an operator by 用户 would
    // otherwise reach both.
    Outcome update(qint64 id, const QString& user, const QString& password, const QString& repeat,
                   const QString& role);
    // Why the operator may not be deleted by the signed-in one, or empty.
    static QString removalRefusal(const QString& user, const QString& signedIn);
    // Deletes the operator; false when it does not exist or is the signed-in one.
    bool remove(const QString& user, const QString& signedIn);

    // The rights string of a group (1 .. 5) of a user, or nothing when the user is gone.
    std::optional<QString> groupRights(const QString& user, int group);
    // Writes one group's string: one character per permission of the group.
    void saveGroupRights(const QString& user, int group, const QList<bool>& ticked);

  private:
    static Outcome checkEntry(const QString& user, const QString& password, const QString& repeat,
                              const QString& role);

    Database& db_;
};

// Changing a password: the operator's own (stored as digest) or the data-initialisation password (kept as
// typed). The new password must be given twice and the old one must match.
class PasswordChange {
  public:
    static inline const QString kEmptyNew = QStringLiteral("新密码不能为空！！");
    static inline const QString kDiffer = QStringLiteral("两次输入的密码不相同！！");
    static inline const QString kWrongOld = QStringLiteral("原密码错误！！");
    static inline const QString kChanged = QStringLiteral("密码修改成功！！");

    // Returns the message to show: kChanged on success, otherwise the refusal.
    static QString changeOperator(Database& db, const QString& user, const QString& oldPassword,
                                  const QString& newPassword, const QString& repeat);
    static QString changeInitialisation(Database& db, const QString& oldPassword, const QString& newPassword,
                                        const QString& repeat);
};

}  // namespace lanze
