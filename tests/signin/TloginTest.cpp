#include <gtest/gtest.h>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "app/SignInState.h"
#include "app/ui/KnownWindows.h"
#include "app/ui/WindowRegistry.h"
#include "board/ui/Tmain.h"
#include "core/Messages.h"
#include "core/db/Query.h"
#include "settings/StationSettings.h"
#include "signin/Operators.h"
#include "signin/ui/Tlogin.h"
#include "tests/support/TestStore.h"

using namespace lanze;
using lanze::test::TestStore;
using Place = Command::Place;

class TloginFlow : public lanze::test::StoreTest {
  protected:
    void SetUp() override {
        StoreTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        signInState() = SignInState{};
        windows = std::make_unique<WindowRegistry>();
        registerKnownWindows(*windows, db());
    }
    void TearDown() override {
        login.reset();
        windows.reset();
    }
    void setting(const QString& section, const QString& value) {
        ASSERT_TRUE(StationSettings(store->folder()).write(section, value));
    }
    // Makes and shows the dialog as the program does.
    Tlogin& open() {
        login = std::make_unique<Tlogin>(db(), *windows, store->folder());
        login->show();
        return *login;
    }
    template <typename T>
    T* control(const char* name) {
        T* w = login->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void signIn(const QString& user, const QString& password) {
        control<QComboBox>("userBox")->setCurrentText(user);
        control<QLineEdit>("passwordEdit")->setText(password);
        control<QPushButton>("signInButton")->click();
    }
    Tmain* mainWindow() {
        return windows->isCreated(QStringLiteral("Tmain")) ? windows->window<Tmain>(QStringLiteral("Tmain"))
                                                           : nullptr;
    }
    bool enabled(Place place, const QString& caption) {
        const auto carriers = mainWindow()->commands({place, caption});
        EXPECT_FALSE(carriers.isEmpty()) << caption.toStdString();
        return !carriers.isEmpty() && carriers.first()->property("enabled").toBool();
    }
    QString one(const QString& sql, const QString& column) {
        Query q(db(), sql);
        EXPECT_TRUE(q.first());
        return q.text(column);
    }

    MessageRecorder messages;
    std::unique_ptr<WindowRegistry> windows;
    std::unique_ptr<Tlogin> login;
};

TEST_P(TloginFlow, AdminWithTheInitialPasswordReachesTheMainWindow) {
    Query::run(db(), QStringLiteral("insert into 订单删除日志 (单据编号) values ('202612110001')"));
    Tlogin& dialog = open();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("用户登陆"));
    EXPECT_EQ(control<QComboBox>("userBox")->currentText(), QStringLiteral("admin"));
    EXPECT_TRUE(control<QLabel>("initialPasswordLabel")->text().contains(QStringLiteral("123456")));
    EXPECT_FALSE(control<QCheckBox>("serialCheck")->isChecked());
    EXPECT_FALSE(control<QComboBox>("portBox")->isVisible());

    control<QLineEdit>("passwordEdit")->setText(QStringLiteral("123456"));
    // Enter in the password box signs in.
    emit control<QLineEdit>("passwordEdit")->returnPressed();

    EXPECT_TRUE(messages.texts().isEmpty()) << messages.last().toStdString();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_NE(mainWindow(), nullptr);
    EXPECT_TRUE(mainWindow()->isVisible());
    EXPECT_TRUE(control<QPushButton>("signInButton")->isEnabled());

    const SignInState& state = signInState();
    EXPECT_EQ(state.operatorName, QStringLiteral("admin"));
    EXPECT_EQ(state.operatorRole, QStringLiteral("管理员"));
    EXPECT_EQ(state.rights[8], QString(31, QLatin1Char('1')));
    EXPECT_EQ(state.callerIdMode, QStringLiteral("无来电登陆"));
    EXPECT_EQ(state.storeName, QStringLiteral("岚泽家政"));
    EXPECT_EQ(state.setting(QStringLiteral("默认送餐分钟")), QStringLiteral("30"));
    EXPECT_EQ(state.setting(QStringLiteral("钱箱端口")), QStringLiteral("LPT1"));
    EXPECT_EQ(state.skinEnabled, QStringLiteral("是"));
    EXPECT_EQ(one(QStringLiteral("select * from 串口编号"), QStringLiteral("编号")), QStringLiteral("0"));
    // The sign-in fix-ups ran.
    EXPECT_EQ(one(QStringLiteral("select * from 订单删除日志"), QStringLiteral("删除人")),
              QStringLiteral("老记录"));
    EXPECT_TRUE(mainWindow()->helpMenuVisible());
    EXPECT_TRUE(enabled(Place::MenuItem, QStringLiteral("系统设置")));
}

TEST_P(TloginFlow, AWrongPasswordKeepsTheDialogAndMakesNoMainWindow) {
    Tlogin& dialog = open();
    signIn(QStringLiteral("admin"), QStringLiteral("654321"));
    EXPECT_EQ(messages.texts(), QStringList{SignIn::kNoAccess});
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(control<QPushButton>("signInButton")->isEnabled());
    EXPECT_EQ(control<QLineEdit>("passwordEdit")->text(), QStringLiteral("654321"));
    EXPECT_EQ(mainWindow(), nullptr);
    EXPECT_TRUE(signInState().operatorName.isEmpty());

    messages.clear();
    signIn(QStringLiteral("' or '1'='1"), QStringLiteral("' or '1'='1"));
    EXPECT_EQ(messages.texts(), QStringList{SignIn::kNoAccess});
}

TEST_P(TloginFlow, DeviceChecksRefuseBeforeAnythingIsWritten) {
    open();
    control<QCheckBox>("serialCheck")->setChecked(true);
    struct Case {
        const char* type;
        const char* port;
        QString message;
    } cases[] = {
        {"一路", "5", SignIn::kBoxPortRange},
        {"八路", "1", SignIn::kBadDeviceType},
        {"", "1", SignIn::kBadDeviceType},
        {"MODEM", "", SignIn::kChoosePort},
    };
    for (const auto& c : cases) {
        messages.clear();
        control<QComboBox>("deviceTypeBox")->setCurrentText(QString::fromUtf8(c.type));
        control<QComboBox>("portBox")->setCurrentText(QString::fromUtf8(c.port));
        signIn(QStringLiteral("admin"), QStringLiteral("123456"));
        EXPECT_EQ(messages.texts(), QStringList{c.message}) << c.type << c.port;
        EXPECT_TRUE(control<QPushButton>("signInButton")->isEnabled());
    }
    EXPECT_EQ(mainWindow(), nullptr);
    EXPECT_EQ(one(QStringLiteral("select * from 串口编号"), QStringLiteral("编号")), QStringLiteral("0"));
}

TEST_P(TloginFlow, AModemOnPortEightIsStoredAndShownAtTheNextStart) {
    open();
    control<QCheckBox>("serialCheck")->setChecked(true);
    EXPECT_TRUE(control<QComboBox>("portBox")->isVisible());
    control<QComboBox>("deviceTypeBox")->setCurrentText(QStringLiteral("MODEM"));
    control<QComboBox>("portBox")->setCurrentText(QStringLiteral("8"));
    signIn(QStringLiteral("admin"), QStringLiteral("123456"));
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.last().toStdString();
    EXPECT_EQ(signInState().callerIdMode, QStringLiteral("来电登陆"));
    EXPECT_EQ(signInState().callerIdDevice, QStringLiteral("MODEM"));
    EXPECT_EQ(signInState().serialPort, 8);
    EXPECT_EQ(one(QStringLiteral("select * from 串口编号"), QStringLiteral("编号")), QStringLiteral("8"));

    // The next start shows the stored port ticked; unticking it there stores 0.
    windows = std::make_unique<WindowRegistry>();
    registerKnownWindows(*windows, db());
    open();
    EXPECT_TRUE(control<QCheckBox>("serialCheck")->isChecked());
    EXPECT_EQ(control<QComboBox>("portBox")->currentText(), QStringLiteral("8"));
    control<QCheckBox>("serialCheck")->setChecked(false);
    EXPECT_FALSE(control<QComboBox>("portBox")->isVisible());
    signIn(QStringLiteral("admin"), QStringLiteral("123456"));
    EXPECT_EQ(one(QStringLiteral("select * from 串口编号"), QStringLiteral("编号")), QStringLiteral("0"));
    EXPECT_EQ(signInState().callerIdMode, QStringLiteral("无来电登陆"));
}

TEST_P(TloginFlow, TheTwoDeviceOptionsExcludeEachOther) {
    open();
    auto* serial = control<QCheckBox>("serialCheck");
    auto* recording = control<QCheckBox>("recordingCheck");
    serial->setChecked(true);
    recording->setChecked(true);
    EXPECT_FALSE(serial->isChecked());
    EXPECT_FALSE(control<QComboBox>("portBox")->isVisible());
    EXPECT_TRUE(control<QComboBox>("modelBox")->isVisible());
    serial->setChecked(true);
    EXPECT_FALSE(recording->isChecked());
    EXPECT_FALSE(control<QComboBox>("linesBox")->isVisible());
}

TEST_P(TloginFlow, StationSettingsShapeTheDialogAndTheMainWindow) {
    setting(QStringLiteral("版本语言"), QStringLiteral("英语"));
    setting(QStringLiteral("公司简称"), QString());
    setting(QStringLiteral("是否需要发货功能"), QStringLiteral("不需要"));
    setting(QStringLiteral("默认送餐分钟"), QStringLiteral("45"));
    Tlogin& dialog = open();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Vovorada Vevadode 2010"));
    EXPECT_EQ(control<QLabel>("userLabel")->text(), QStringLiteral("Login"));
    EXPECT_EQ(control<QLabel>("passwordLabel")->text(), QStringLiteral("Password"));
    EXPECT_EQ(control<QLabel>("initialPasswordLabel")->text(), QStringLiteral("Initial Password:123456"));
    EXPECT_EQ(control<QCheckBox>("serialCheck")->text(), QStringLiteral("Serial device"));
    EXPECT_EQ(control<QCheckBox>("recordingCheck")->text(), QStringLiteral("Usb device"));
    EXPECT_EQ(control<QPushButton>("signInButton")->text(), QStringLiteral("Sign In"));
    EXPECT_EQ(control<QPushButton>("quitButton")->text(), QStringLiteral("Cancel"));

    signIn(QStringLiteral("admin"), QStringLiteral("123456"));
    ASSERT_NE(mainWindow(), nullptr);
    EXPECT_EQ(signInState().setting(QStringLiteral("默认送餐分钟")), QStringLiteral("45"));
    EXPECT_FALSE(mainWindow()->helpMenuVisible());
    for (const Command& c : {Command{Place::ToolButton, QStringLiteral("单一派工")},
                             Command{Place::ToolButton, QStringLiteral("成批派工")},
                             Command{Place::ContextItem, QStringLiteral("单一派工")}}) {
        EXPECT_FALSE(mainWindow()->commands(c).first()->property("visible").toBool())
            << c.caption.toStdString();
    }
    EXPECT_TRUE(mainWindow()->findChild<QRadioButton*>(QStringLiteral("未派工未交款"))->isHidden());
    EXPECT_FALSE(mainWindow()->findChild<QRadioButton*>(QStringLiteral("已派工未收款"))->isHidden());
}

TEST_P(TloginFlow, TheFlagsNotTheRoleDecideOverTheCommands) {
    // An operator whose Right1 grants 服务项目 only.
    ASSERT_TRUE(
        Operators(db())
            .add(QStringLiteral("li"), QStringLiteral("p"), QStringLiteral("p"), QStringLiteral("操作员"))
            .done());
    Query::run(db(), QStringLiteral("update 登陆 set right1='1000000' where 用户='li'"));
    // An administrator without the first flag of Right4.
    Query::run(db(), QStringLiteral("update 登陆 set right4='011111' where 用户='admin'"));

    open();
    signIn(QStringLiteral("li"), QStringLiteral("p"));
    ASSERT_NE(mainWindow(), nullptr);
    EXPECT_TRUE(enabled(Place::MenuItem, QStringLiteral("服务项目")));
    EXPECT_FALSE(enabled(Place::MenuItem, QStringLiteral("客户管理")));
    EXPECT_FALSE(enabled(Place::ToolButton, QStringLiteral("订单开单F1")));
    EXPECT_FALSE(enabled(Place::MenuItem, QStringLiteral("权限管理")));

    signInState() = SignInState{};
    windows = std::make_unique<WindowRegistry>();
    registerKnownWindows(*windows, db());
    open();
    signIn(QStringLiteral("admin"), QStringLiteral("123456"));
    ASSERT_NE(mainWindow(), nullptr);
    EXPECT_FALSE(enabled(Place::MenuItem, QStringLiteral("系统设置")));
    EXPECT_FALSE(enabled(Place::ToolButton, QStringLiteral("系统设置")));
    EXPECT_FALSE(enabled(Place::Button, QStringLiteral("系统功能设置")));
    EXPECT_TRUE(enabled(Place::MenuItem, QStringLiteral("权限管理")));
}

TEST_P(TloginFlow, AMainWindowThatCannotBeMadeLeavesOnlyQuitting) {
    windows = std::make_unique<WindowRegistry>();
    windows->add(QStringLiteral("Tmain"), [](QWidget*) -> QWidget* { throw std::runtime_error("打印驱动"); });
    Tlogin& dialog = open();
    signIn(QStringLiteral("admin"), QStringLiteral("123456"));
    EXPECT_EQ(messages.texts(), QStringList{SignIn::kWindowsFailed + QStringLiteral("打印驱动")});
    EXPECT_FALSE(control<QPushButton>("signInButton")->isEnabled());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(signInState().operatorName.isEmpty());
}

INSTANTIATE_ENGINES(TloginFlow);
