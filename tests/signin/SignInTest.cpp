#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/SignInState.h"
#include "core/db/Query.h"
#include "settings/StationSettings.h"
#include "signin/SignIn.h"
#include "tests/support/TestStore.h"

using namespace lanze;
using lanze::test::TestStore;

TEST(SignInDevices, TypeAndPortChecks) {
    struct Case {
        const char* label;
        DeviceChoice choice;
        QString deviceRefusal;
        QString portRefusal;
    } cases[] = {
        {"modem on port 8", {true, "8", "MODEM"}, {}, {}},
        {"four-line box on port 4", {true, "4", "四路"}, {}, {}},
        {"one-line box on port 5", {true, "5", "一路"}, SignIn::kBoxPortRange, {}},
        {"box port checked even unticked", {false, "7", "二路"}, SignIn::kBoxPortRange, {}},
        {"unknown type", {true, "1", "六路"}, SignIn::kBadDeviceType, {}},
        {"unknown type unticked", {false, "1", "六路"}, SignIn::kBadDeviceType, {}},
        {"empty type ticked", {true, "1", ""}, SignIn::kBadDeviceType, {}},
        {"empty type unticked", {false, "", ""}, {}, {}},
        {"no port", {true, "", "MODEM"}, {}, SignIn::kChoosePort},
        {"port not a number", {true, "COM3", "MODEM"}, {}, SignIn::kChoosePort},
        {"port zero", {true, "0", "MODEM"}, {}, SignIn::kChoosePort},
        {"no port unticked", {false, "", "MODEM"}, {}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SignIn::deviceRefusal(c.choice), c.deviceRefusal) << c.label;
        EXPECT_EQ(SignIn::portRefusal(c.choice), c.portRefusal) << c.label;
    }
}

class SignInData : public lanze::test::StoreTest {
  protected:
    QString one(const QString& sql, const QString& column) {
        Query q(db(), sql);
        EXPECT_TRUE(q.first());
        return q.text(column);
    }
};

TEST_P(SignInData, OnlyTheRightPasswordSignsIn) {
    const auto admin = SignIn::verify(db(), QStringLiteral("admin"), QStringLiteral("123456"));
    ASSERT_TRUE(admin);
    EXPECT_EQ(admin->role, QStringLiteral("管理员"));
    EXPECT_EQ(admin->rights[0], QString(31, QLatin1Char('1')));
    EXPECT_FALSE(SignIn::verify(db(), QStringLiteral("admin"), QStringLiteral("1234567")));
    EXPECT_FALSE(SignIn::verify(db(), QStringLiteral("admin"), QString()));
    // Typed text is a value, never part of the statement.
    const QString injection = QStringLiteral("' or '1'='1");
    EXPECT_FALSE(SignIn::verify(db(), injection, injection));
    EXPECT_FALSE(SignIn::verify(db(), QStringLiteral("admin' --"), QStringLiteral("x")));
}

TEST_P(SignInData, DeviceRowsRoundTripAndUntickingStoresPortZero) {
    StationDevices::write(db(), {true, QStringLiteral("8"), QStringLiteral("MODEM"), false, {}, {}});
    DeviceChoice shown = StationDevices::read(db());
    EXPECT_TRUE(shown.serial);
    EXPECT_EQ(shown.port, QStringLiteral("8"));
    EXPECT_EQ(shown.deviceType, QStringLiteral("MODEM"));
    EXPECT_FALSE(shown.recording);

    StationDevices::write(db(), {false, QStringLiteral("8"), QStringLiteral("四路"), false, {}, {}});
    EXPECT_EQ(one(QStringLiteral("select * from 串口编号"), QStringLiteral("编号")), QStringLiteral("0"));
    // The device type keeps its value when the serial option is off.
    EXPECT_EQ(one(QStringLiteral("select * from 来电路数"), QStringLiteral("路数")), QStringLiteral("MODEM"));
    EXPECT_FALSE(StationDevices::read(db()).serial);
}

TEST_P(SignInData, AStoredRecordingBoxWinsOverAStoredPort) {
    StationDevices::write(db(), {false, {}, {}, true, QStringLiteral("H型"), QStringLiteral("4")});
    // That write zeroed the port; store both as an older station may have left them.
    Query::run(db(), QStringLiteral("update 串口编号 set 编号=3"));
    const DeviceChoice shown = StationDevices::read(db());
    EXPECT_TRUE(shown.recording);
    EXPECT_FALSE(shown.serial);
    EXPECT_EQ(shown.port, QStringLiteral("3"));
    EXPECT_EQ(shown.model, QStringLiteral("H型"));
    EXPECT_EQ(shown.lines, QStringLiteral("4"));

    StationDevices::write(db(), {false, {}, {}, false, QStringLiteral("H型"), QStringLiteral("4")});
    EXPECT_EQ(one(QStringLiteral("select * from 录音设备"), QStringLiteral("录音设备")), QString());
}

TEST_P(SignInData, StoreRowFillsTheStateWithItsDefaultsForEmptyValues) {
    SignInState state;
    SignIn::readStore(db(), state);
    EXPECT_EQ(state.storeName, QStringLiteral("岚泽家政"));
    EXPECT_EQ(state.printWidth, QStringLiteral("76mm"));
    EXPECT_EQ(state.pointsRule, QStringLiteral("1"));

    Query::run(db(),
               QStringLiteral(
                   "update 店名 set 打印幅面='58mm',积分规则=null,单价修改='',退菜规则=null,标题左边距=12"));
    SignIn::readStore(db(), state);
    EXPECT_EQ(state.printWidth, QStringLiteral("58mm"));
    EXPECT_EQ(state.pointsRule, QStringLiteral("1"));
    EXPECT_EQ(state.priceEditable, QStringLiteral("可以"));
    EXPECT_EQ(state.returnRule, QStringLiteral("任意"));
    EXPECT_EQ(state.titleLeftMargin, 12);

    Query::run(db(), QStringLiteral(
                         "update 店名 set 打印幅面='A4',积分规则=25000,单价修改='不可以',退菜规则='当天'"));
    SignIn::readStore(db(), state);
    EXPECT_EQ(state.printWidth, QStringLiteral("76mm"));
    EXPECT_EQ(state.pointsRule, QStringLiteral("2.5"));
    EXPECT_EQ(state.priceEditable, QStringLiteral("不可以"));
    EXPECT_EQ(state.returnRule, QStringLiteral("当天"));
}

INSTANTIATE_ENGINES(SignInData);

TEST(SignInState, DevicesGiveTheCallerIdMode) {
    SignInState state;
    SignIn::fillDevices({true, QStringLiteral("2"), QStringLiteral("二路"), false, {}, {}}, state);
    EXPECT_EQ(state.callerIdMode, QStringLiteral("来电登陆"));
    EXPECT_EQ(state.callerIdDevice, QStringLiteral("二路"));
    EXPECT_EQ(state.serialPort, 2);
    SignIn::fillDevices({false, {}, {}, true, QStringLiteral("H型无录音"), QStringLiteral("16")}, state);
    EXPECT_EQ(state.callerIdMode, QStringLiteral("录音登陆H型无录音"));
    EXPECT_EQ(state.recordingLines, 16);
    SignIn::fillDevices({}, state);
    EXPECT_EQ(state.callerIdMode, QStringLiteral("无来电登陆"));
}
