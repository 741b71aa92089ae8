#include "signin/Operators.h"

#include "core/db/Query.h"
#include "core/db/Transaction.h"
#include "core/store/StoreCreator.h"
#include "core/types/PasswordDigest.h"

namespace lanze {

namespace {
Operators::Record readRecord(const Query& q) {
    return {q.integer(QStringLiteral("id")), q.text(QStringLiteral("用户")), q.text(QStringLiteral("权限"))};
}
}  // namespace

QStringList Operators::userNames() {
    Query q(db_, QStringLiteral("select * from 登陆 order by id"));
    q.exec();
    QStringList names;
    while (q.next()) {
        names << q.text(QStringLiteral("用户"));
    }
    return names;
}

std::optional<Operators::Record> Operators::byId(qint64 id) {
    Query q(db_, QStringLiteral("select * from 登陆 where id=:id"));
    q.bindInteger(QStringLiteral("id"), id);
    return q.first() ? std::optional<Record>(readRecord(q)) : std::nullopt;
}

std::optional<Operators::Record> Operators::byName(const QString& user) {
    Query q(db_, QStringLiteral("select * from 登陆 where 用户=:用户"));
    q.bindText(QStringLiteral("用户"), user);
    return q.first() ? std::optional<Record>(readRecord(q)) : std::nullopt;
}

// The editor's checks, in the order the operator meets them; the same for a new and an edited operator.
Operators::Outcome Operators::checkEntry(const QString& user, const QString& password, const QString& repeat,
                                         const QString& role) {
    if (user.isEmpty()) {
        return {kEnterUser};
    }
    if (password.isEmpty()) {
        return {kEnterPassword};
    }
    if (password != repeat) {
        return {kPasswordsDiffer};
    }
    if (role.isEmpty()) {
        return {kChooseRole};
    }
    return {};
}

Operators::Outcome Operators::add(const QString& user, const QString& password, const QString& repeat,
                                  const QString& role) {
    if (const Outcome refused = checkEntry(user, password, repeat, role); !refused.done()) {
        return refused;
    }
    Transaction t(db_);
    if (byName(user)) {
        return {kUserExists};
    }
    Query insert(db_, QStringLiteral(
                          "insert into 登陆 (用户,密码,权限,right1,right2,right3,right4,right5,right6,right7,"
                          "right8,right9) values (:用户,:密码,:权限,:right1,:right2,:right3,:right4,"
                          ":right5,:right6,:right7,:right8,:right9)"));
    insert.bindText(QStringLiteral("用户"), user)
        .bindText(QStringLiteral("密码"), passwordDigest(password))
        .bindText(QStringLiteral("权限"), role);
    const QString none(Permissions::kNewOperatorLength, QLatin1Char('0'));
    for (int i = 1; i <= Permissions::kStrings; ++i) {
        insert.bindText(QStringLiteral("right%1").arg(i), none);
    }
    insert.exec();
    t.commit();
    return {};
}

Operators::Outcome Operators::update(qint64 id, const QString& user, const QString& password,
                                     const QString& repeat, const QString& role) {
    if (const Outcome refused = checkEntry(user, password, repeat, role); !refused.done()) {
        return refused;
    }
    Transaction t(db_);
    const auto current = byId(id);
    if (!current) {
        return {kGone};
    }
    const QString name = current->user == StoreCreator::kAdminUser ? current->user : user;
    if (const auto other = byName(name); other && other->id != id) {
        return {kUserExists};
    }
    Query(db_, QStringLiteral("update 登陆 set 用户=:用户 ,权限=:权限,密码=:密码 where id=:id"))
        .bindText(QStringLiteral("用户"), name)
        .bindText(QStringLiteral("权限"), role)
        .bindText(QStringLiteral("密码"), passwordDigest(password))
        .bindInteger(QStringLiteral("id"), id)
        .exec();
    t.commit();
    return {};
}

QString Operators::removalRefusal(const QString& user, const QString& signedIn) {
    return user == signedIn ? kNotSelf : QString();
}

bool Operators::remove(const QString& user, const QString& signedIn) {
    if (!removalRefusal(user, signedIn).isEmpty() || !byName(user)) {
        return false;
    }
    Query(db_, QStringLiteral("delete from 登陆 where 用户=:用户"))
        .bindText(QStringLiteral("用户"), user)
        .exec();
    return true;
}

std::optional<QString> Operators::groupRights(const QString& user, int group) {
    Query q(db_, QStringLiteral("select * from 登陆 where 用户=:用户"));
    q.bindText(QStringLiteral("用户"), user);
    if (!q.first()) {
        return std::nullopt;
    }
    return q.text(QStringLiteral("Right%1").arg(group));
}

void Operators::saveGroupRights(const QString& user, int group, const QList<bool>& ticked) {
    if (group < 1 || group > Permissions::kGroups) {
        return;
    }
    const QString column = QStringLiteral("right%1").arg(group);
    Query(db_, QStringLiteral("update 登陆 set %1=:%1 where 用户=:用户").arg(column))
        .bindText(column, Permissions::groupString(ticked))
        .bindText(QStringLiteral("用户"), user)
        .exec();
}

QString PasswordChange::changeOperator(Database& db, const QString& user, const QString& oldPassword,
                                       const QString& newPassword, const QString& repeat) {
    if (newPassword.isEmpty()) {
        return kEmptyNew;
    }
    if (newPassword != repeat) {
        return kDiffer;
    }
    Query q(db, QStringLiteral("select * from 登陆 where 用户=:yh and 密码=:mm"));
    q.bindText(QStringLiteral("yh"), user).bindText(QStringLiteral("mm"), passwordDigest(oldPassword));
    if (!q.first()) {
        return kWrongOld;
    }
    Query(db, QStringLiteral("update 登陆 set 密码=:密码 where id=:id"))
        .bindText(QStringLiteral("密码"), passwordDigest(newPassword))
        .bindInteger(QStringLiteral("id"), q.integer(QStringLiteral("id")))
        .exec();
    return kChanged;
}

QString PasswordChange::changeInitialisation(Database& db, const QString& oldPassword,
                                             const QString& newPassword, const QString& repeat) {
    if (newPassword.isEmpty()) {
        return kEmptyNew;
    }
    if (newPassword != repeat) {
        return kDiffer;
    }
    Query q(db, QStringLiteral("select * from 初始化密码 where 初始化密码=:初始化密码"));
    q.bindText(QStringLiteral("初始化密码"), oldPassword);
    if (!q.first()) {
        return kWrongOld;
    }
    // The table holds one row: the matching one.
    Query(db, QStringLiteral("update 初始化密码 set 初始化密码=:新密码 where 初始化密码=:初始化密码"))
        .bindText(QStringLiteral("新密码"), newPassword)
        .bindText(QStringLiteral("初始化密码"), oldPassword)
        .exec();
    return kChanged;
}

}  // namespace lanze
