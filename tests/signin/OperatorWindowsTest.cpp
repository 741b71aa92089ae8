#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "app/SignInState.h"
#include "app/ui/KnownWindows.h"
#include "app/ui/WindowRegistry.h"
#include "board/ui/Tmain.h"
#include "core/Messages.h"
#include "core/db/Query.h"
#include "core/types/PasswordDigest.h"
#include "signin/Operators.h"
#include "signin/SignIn.h"
#include "signin/ui/TFchushihua_mima_xiugai.h"
#include "signin/ui/Tcaozuoyuan_add.h"
#include "signin/ui/Tcaozuoyuan_list.h"
#include "signin/ui/Txiugai_mima.h"
#include "tests/support/TestStore.h"

using namespace lanze;
using lanze::test::TestStore;
using Place = Command::Place;

namespace {
QTreeWidgetItem* node(QTreeWidget* tree, const QString& user, const QString& group = QString()) {
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* top = tree->topLevelItem(i);
        if (top->text(0) != user) {
            continue;
        }
        if (group.isEmpty()) {
            return top;
        }
        for (int c = 0; c < top->childCount(); ++c) {
            if (top->child(c)->text(0) == group) {
                return top->child(c);
            }
        }
    }
    return nullptr;
}

void click(QWidget* window, const char* button) {
    auto* b = window->findChild<QPushButton*>(QString::fromUtf8(button));
    ASSERT_NE(b, nullptr) << button;
    b->click();
}

void type(QWidget* window, const char* field, const QString& text) {
    auto* e = window->findChild<QLineEdit*>(QString::fromUtf8(field));
    ASSERT_NE(e, nullptr) << field;
    e->setText(text);
}
}  // namespace

class OperatorWindows : public lanze::test::StoreTest {
  protected:
    void SetUp() override {
        StoreTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        signInState() = SignInState{};
        auto admin = SignIn::verify(db(), QStringLiteral("admin"), QStringLiteral("123456"));
        ASSERT_TRUE(admin);
        SignIn::fillOperator(*admin, signInState());
    }
    QString column(const QString& user, const QString& name) {
        Query q(db(), QStringLiteral("select * from 登陆 where 用户=:u"));
        q.bindText(QStringLiteral("u"), user);
        return q.first() ? q.text(name) : QStringLiteral("<none>");
    }

    MessageRecorder messages;
};

TEST_P(OperatorWindows, TheListSavesEveryTickAndGuardsDeletion) {
    Operators(db()).add(QStringLiteral("li"), QStringLiteral("p"), QStringLiteral("p"),
                        QStringLiteral("操作员"));
    Tcaozuoyuan_list list(db());
    list.show();
    auto* tree = list.findChild<QTreeWidget*>(QStringLiteral("tree"));
    auto* checks = list.findChild<QListWidget*>(QStringLiteral("checkList"));
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    ASSERT_EQ(node(tree, QStringLiteral("li"))->childCount(), 5);

    tree->setCurrentItem(node(tree, QStringLiteral("li"), QStringLiteral("2. 业务管理")));
    ASSERT_EQ(checks->count(), 11);
    EXPECT_EQ(checks->item(1)->text(), QStringLiteral("派工"));
    EXPECT_EQ(checks->item(1)->checkState(), Qt::Unchecked);
    checks->item(1)->setCheckState(Qt::Checked);
    EXPECT_EQ(column(QStringLiteral("li"), QStringLiteral("Right2")), QStringLiteral("01000000000"));
    EXPECT_EQ(column(QStringLiteral("li"), QStringLiteral("Right3")), QString(31, QLatin1Char('0')));

    // Choosing the group again shows what was saved.
    tree->setCurrentItem(node(tree, QStringLiteral("admin"), QStringLiteral("5. 帮助")));
    EXPECT_EQ(checks->count(), 2);
    tree->setCurrentItem(node(tree, QStringLiteral("li"), QStringLiteral("2. 业务管理")));
    EXPECT_EQ(checks->item(1)->checkState(), Qt::Checked);

    click(&list, "修改");
    EXPECT_EQ(messages.last(), Operators::kChooseOperator);

    tree->setCurrentItem(node(tree, QStringLiteral("admin")));
    click(&list, "删除");
    EXPECT_EQ(messages.last(), Operators::kNotSelf);
    EXPECT_EQ(column(QStringLiteral("admin"), QStringLiteral("权限")), QStringLiteral("管理员"));

    tree->setCurrentItem(node(tree, QStringLiteral("li")));
    messages.answerNext(false);
    click(&list, "删除");
    EXPECT_EQ(messages.last(), Operators::kConfirmDelete);
    EXPECT_EQ(column(QStringLiteral("li"), QStringLiteral("权限")), QStringLiteral("操作员"));
    click(&list, "删除");
    EXPECT_EQ(column(QStringLiteral("li"), QStringLiteral("权限")), QStringLiteral("<none>"));
    EXPECT_EQ(tree->topLevelItemCount(), 1);
}

TEST_P(OperatorWindows, TheEditorInEditModeWantsThePasswordAndKeepsTheAdminName) {
    Tcaozuoyuan_add editor(db(), Operators(db()).byName(QStringLiteral("admin"))->id);
    editor.show();
    auto* user = editor.findChild<QLineEdit*>(QStringLiteral("用户"));
    EXPECT_EQ(user->text(), QStringLiteral("admin"));
    EXPECT_TRUE(user->isReadOnly());
    click(&editor, "确定");
    EXPECT_EQ(messages.texts(), QStringList{Operators::kEnterPassword});
    EXPECT_TRUE(editor.isVisible());

    type(&editor, "密码", QStringLiteral("secret"));
    type(&editor, "重复密码", QStringLiteral("secret"));
    click(&editor, "确定");
    EXPECT_EQ(messages.last(), Operators::kEdited);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(column(QStringLiteral("admin"), QStringLiteral("密码")),
              passwordDigest(QStringLiteral("secret")));
}

TEST_P(OperatorWindows, ChangePasswordDialogs) {
    Txiugai_mima own(db());
    own.show();
    type(&own, "原始密码", QStringLiteral("123456"));
    type(&own, "新密码", QStringLiteral("abc"));
    type(&own, "密码验证", QStringLiteral("abd"));
    click(&own, "确定");
    EXPECT_EQ(messages.last(), PasswordChange::kDiffer);
    type(&own, "密码验证", QStringLiteral("abc"));
    click(&own, "确定");
    EXPECT_EQ(messages.last(), PasswordChange::kChanged);
    EXPECT_FALSE(own.isVisible());
    EXPECT_TRUE(SignIn::verify(db(), QStringLiteral("admin"), QStringLiteral("abc")));
    own.show();
    EXPECT_TRUE(own.findChild<QLineEdit*>(QStringLiteral("原始密码"))->text().isEmpty());

    TFchushihua_mima_xiugai init(db());
    init.show();
    type(&init, "原始密码", QStringLiteral("450618"));
    type(&init, "新密码", QStringLiteral("777777"));
    type(&init, "密码验证", QStringLiteral("777777"));
    click(&init, "确定");
    EXPECT_EQ(messages.last(), PasswordChange::kChanged);
    Query q(db(), QStringLiteral("select * from 初始化密码"));
    ASSERT_TRUE(q.first());
    EXPECT_EQ(q.text(QStringLiteral("初始化密码")), QStringLiteral("777777"));
}

TEST_P(OperatorWindows, ClosingTheListAppliesOnesOwnRightsAtOnce) {
    WindowRegistry windows;
    registerKnownWindows(windows, db());
    auto* main = windows.window<Tmain>(QStringLiteral("Tmain"));
    windows.setParentWindow(main);
    main->applyRights();
    auto settings = main->commands({Place::MenuItem, QStringLiteral("系统设置")});
    ASSERT_TRUE(settings.first()->property("enabled").toBool());

    // While the list is open: take 系统设置 away from oneself, then close the list.
    QTimer::singleShot(0, [&] {
        auto* list = windows.window<Tcaozuoyuan_list>(QStringLiteral("Tcaozuoyuan_list"));
        auto* tree = list->findChild<QTreeWidget*>(QStringLiteral("tree"));
        tree->setCurrentItem(node(tree, QStringLiteral("admin"), QStringLiteral("4. 系统设置")));
        list->findChild<QListWidget*>(QStringLiteral("checkList"))->item(0)->setCheckState(Qt::Unchecked);
        click(list, "退出");
    });
    main->openOperatorList();
    EXPECT_EQ(signInState().rights[3], QStringLiteral("011111"));
    EXPECT_FALSE(settings.first()->property("enabled").toBool());
    EXPECT_FALSE(main->commands({Place::Button, QStringLiteral("系统功能设置")})
                     .first()
                     ->property("enabled")
                     .toBool());

    // Without 权限管理 the command does nothing, even when triggered directly.
    signInState().rights[3] = QStringLiteral("000000");
    bool opened = false;
    QTimer::singleShot(
        0, [&] { opened = windows.window<QWidget>(QStringLiteral("Tcaozuoyuan_list"))->isVisible(); });
    main->openOperatorList();
    QApplication::processEvents();
    EXPECT_FALSE(opened);
}

INSTANTIATE_ENGINES(OperatorWindows);

TEST(TmainShell, CarriesEveryCommandThePermissionsGovern) {
    auto store = std::make_unique<TestStore>(Engine::SQLite);
    WindowRegistry windows;
    Tmain main(store->db(), windows);
    for (const Command& c : Permissions::governedCommands()) {
        EXPECT_FALSE(main.commands(c).isEmpty()) << c.caption.toStdString();
    }
}
