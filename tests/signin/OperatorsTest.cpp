#include <gtest/gtest.h>

#include "core/db/Query.h"
#include "core/types/PasswordDigest.h"
#include "signin/Operators.h"
#include "signin/SignIn.h"
#include "tests/support/TestStore.h"

using namespace lanze;
using lanze::test::TestStore;

class OperatorsData : public lanze::test::StoreTest {
  protected:
    Operators ops() { return Operators(db()); }
    qint64 count() {
        Query q(db(), QStringLiteral("select count(*) as cc from 登陆"));
        q.first();
        return q.integer(QStringLiteral("cc"));
    }
    QString column(const QString& user, const QString& name) {
        Query q(db(), QStringLiteral("select * from 登陆 where 用户=:u"));
        q.bindText(QStringLiteral("u"), user);
        return q.first() ? q.text(name) : QStringLiteral("<none>");
    }
};

TEST_P(OperatorsData, NewOperatorChecksComeInOrderAndWriteNothing) {
    struct Case {
        const char* user;
        const char* password;
        const char* repeat;
        const char* role;
        QString message;
    } cases[] = {
        {"", "", "x", "", Operators::kEnterUser},
        {"li", "", "x", "", Operators::kEnterPassword},
        {"li", "a", "b", "", Operators::kPasswordsDiffer},
        {"li", "a", "a", "", Operators::kChooseRole},
        {"admin", "a", "a", "操作员", Operators::kUserExists},
    };
    for (const auto& c : cases) {
        const auto outcome = ops().add(QString::fromUtf8(c.user), QString::fromUtf8(c.password),
                                       QString::fromUtf8(c.repeat), QString::fromUtf8(c.role));
        EXPECT_EQ(outcome.message, c.message) << c.user << "/" << c.password;
    }
    EXPECT_EQ(count(), 1);
}

TEST_P(OperatorsData, ANewOperatorSignsInWithEveryPermissionRefused) {
    ASSERT_TRUE(ops()
                    .add(QStringLiteral("小李"), QStringLiteral("密码1"), QStringLiteral("密码1"),
                         QStringLiteral("操作员"))
                    .done());
    EXPECT_EQ(column(QStringLiteral("小李"), QStringLiteral("密码")),
              passwordDigest(QStringLiteral("密码1")));
    const auto op = SignIn::verify(db(), QStringLiteral("小李"), QStringLiteral("密码1"));
    ASSERT_TRUE(op);
    for (const QString& rights : op->rights) {
        EXPECT_EQ(rights, QString(31, QLatin1Char('0')));
    }
    for (const auto& e : Permissions::table()) {
        EXPECT_FALSE(Permissions::granted(op->rights, e.permission)) << e.name.toStdString();
    }
}

TEST_P(OperatorsData, SavingAGroupWritesExactlyItsCharacters) {
    ops().add(QStringLiteral("li"), QStringLiteral("p"), QStringLiteral("p"), QStringLiteral("操作员"));
    QList<bool> ticked(11, false);
    ticked[1] = true;  // 派工
    ops().saveGroupRights(QStringLiteral("li"), 2, ticked);
    EXPECT_EQ(column(QStringLiteral("li"), QStringLiteral("Right2")), QStringLiteral("01000000000"));
    EXPECT_EQ(column(QStringLiteral("li"), QStringLiteral("Right1")), QString(31, QLatin1Char('0')));
    EXPECT_EQ(ops().groupRights(QStringLiteral("li"), 2), QStringLiteral("01000000000"));
    EXPECT_FALSE(ops().groupRights(QStringLiteral("gone"), 2));
}

TEST_P(OperatorsData, EditingNeedsThePasswordAgainAndKeepsNamesUnique) {
    ops().add(QStringLiteral("li"), QStringLiteral("old"), QStringLiteral("old"), QStringLiteral("操作员"));
    ops().add(QStringLiteral("wang"), QStringLiteral("w"), QStringLiteral("w"), QStringLiteral("操作员"));
    const qint64 li = ops().byName(QStringLiteral("li"))->id;

    // Only the role changes, but the password box is empty.
    EXPECT_EQ(ops().update(li, QStringLiteral("li"), {}, {}, QStringLiteral("管理员")).message,
              Operators::kEnterPassword);
    EXPECT_EQ(ops()
                  .update(li, QStringLiteral("li"), QStringLiteral("a"), QStringLiteral("b"),
                          QStringLiteral("管理员"))
                  .message,
              Operators::kPasswordsDiffer);
    EXPECT_EQ(ops().update(li, QStringLiteral("li"), QStringLiteral("a"), QStringLiteral("a"), {}).message,
              Operators::kChooseRole);
    // Two rows under one name would both be reached by every statement that names an operator.
    EXPECT_EQ(ops()
                  .update(li, QStringLiteral("wang"), QStringLiteral("a"), QStringLiteral("a"),
                          QStringLiteral("操作员"))
                  .message,
              Operators::kUserExists);
    EXPECT_EQ(column(QStringLiteral("li"), QStringLiteral("权限")), QStringLiteral("操作员"));

    EXPECT_TRUE(ops()
                    .update(li, QStringLiteral("小李"), QStringLiteral("new"), QStringLiteral("new"),
                            QStringLiteral("管理员"))
                    .done());
    EXPECT_EQ(column(QStringLiteral("小李"), QStringLiteral("权限")), QStringLiteral("管理员"));
    EXPECT_TRUE(SignIn::verify(db(), QStringLiteral("小李"), QStringLiteral("new")));
    EXPECT_FALSE(SignIn::verify(db(), QStringLiteral("小李"), QStringLiteral("old")));

    // The built-in account keeps its name whatever is typed.
    const qint64 admin = ops().byName(QStringLiteral("admin"))->id;
    EXPECT_TRUE(ops()
                    .update(admin, QStringLiteral("boss"), QStringLiteral("x"), QStringLiteral("x"),
                            QStringLiteral("管理员"))
                    .done());
    EXPECT_TRUE(SignIn::verify(db(), QStringLiteral("admin"), QStringLiteral("x")));
}

TEST_P(OperatorsData, NobodyDeletesThemselvesButAnotherAdministratorGoes) {
    ops().add(QStringLiteral("boss"), QStringLiteral("p"), QStringLiteral("p"), QStringLiteral("管理员"));
    EXPECT_EQ(Operators::removalRefusal(QStringLiteral("admin"), QStringLiteral("admin")),
              Operators::kNotSelf);
    EXPECT_FALSE(ops().remove(QStringLiteral("admin"), QStringLiteral("admin")));
    EXPECT_TRUE(ops().remove(QStringLiteral("boss"), QStringLiteral("admin")));
    EXPECT_FALSE(ops().remove(QStringLiteral("boss"), QStringLiteral("admin")));
    EXPECT_EQ(ops().userNames(), QStringList{QStringLiteral("admin")});
}

TEST_P(OperatorsData, ChangingTheOwnPasswordChecksTheOldOneAndStoresADigest) {
    using PC = PasswordChange;
    struct Case {
        const char* old;
        const char* fresh;
        const char* repeat;
        QString message;
    } refused[] = {
        {"123456", "", "", PC::kEmptyNew},
        {"123456", "abc", "abd", PC::kDiffer},
        {"12345", "abc", "abc", PC::kWrongOld},
    };
    for (const auto& c : refused) {
        EXPECT_EQ(PC::changeOperator(db(), QStringLiteral("admin"), QString::fromUtf8(c.old),
                                     QString::fromUtf8(c.fresh), QString::fromUtf8(c.repeat)),
                  c.message);
    }
    EXPECT_EQ(column(QStringLiteral("admin"), QStringLiteral("密码")),
              passwordDigest(QStringLiteral("123456")));
    EXPECT_EQ(PC::changeOperator(db(), QStringLiteral("admin"), QStringLiteral("123456"),
                                 QStringLiteral("abc"), QStringLiteral("abc")),
              PC::kChanged);
    EXPECT_EQ(column(QStringLiteral("admin"), QStringLiteral("密码")), passwordDigest(QStringLiteral("abc")));
}

TEST_P(OperatorsData, TheInitialisationPasswordIsKeptAsTyped) {
    using PC = PasswordChange;
    EXPECT_EQ(
        PC::changeInitialisation(db(), QStringLiteral("000000"), QStringLiteral("9"), QStringLiteral("9")),
        PC::kWrongOld);
    EXPECT_EQ(
        PC::changeInitialisation(db(), QStringLiteral("450618"), QStringLiteral("9"), QStringLiteral("8")),
        PC::kDiffer);
    EXPECT_EQ(PC::changeInitialisation(db(), QStringLiteral("450618"), QStringLiteral("新密码9"),
                                       QStringLiteral("新密码9")),
              PC::kChanged);
    Query q(db(), QStringLiteral("select * from 初始化密码"));
    ASSERT_TRUE(q.first());
    EXPECT_EQ(q.text(QStringLiteral("初始化密码")), QStringLiteral("新密码9"));
    EXPECT_FALSE(q.next());
}

INSTANTIATE_ENGINES(OperatorsData);
