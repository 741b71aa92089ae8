#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/SignInState.h"
#include "core/db/Query.h"
#include "core/ini/IniFile.h"
#include "settings/SettingsSave.h"
#include "settings/StationSettings.h"
#include "tests/support/TestStore.h"

using namespace lanze;
using lanze::test::TestStore;

namespace {
QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

class SettingsSaveTest : public lanze::test::StoreTest {
  protected:
    void SetUp() override {
        StoreTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        state.station = settings().readAll();
        StoreSettings::applyTo(StoreSettings::read(store->db()), state);
    }
    StationSettings settings() const { return StationSettings(dir.path()); }
    SettingsForm form() const { return SettingsForm::load(state, StoreSettings::read(store->db())); }
    SettingsSave::Result save(const SettingsForm& f) {
        return SettingsSave::save(store->db(), dir.path(), f, state);
    }
    QString stored(const QString& section) const {
        return IniFile::load(settings().filePath()).value(section, StationSettings::kKey);
    }

    QTemporaryDir dir;
    SignInState state;
};

TEST_P(SettingsSaveTest, SaveWritesRowFileAndMemoryTogether) {
    SettingsForm f = form();
    f.row.storeName = QStringLiteral("小王餐馆");
    f.row.printWidth = QStringLiteral("58mm");
    f.row.returnRule = QStringLiteral("不任意");
    f.pointsText = QStringLiteral("2.5");
    f.titleOffsetText = QStringLiteral(" 12 ");
    f.station[QStringLiteral("主界面显示")] = QStringLiteral("上下午");
    f.station[QStringLiteral("开启钱箱")] = QStringLiteral("是");
    f.noonBoundary = QTime(13, 30);
    f.eveningBoundary = QTime(18, 45, 5);
    f.extendBusinessDay = true;
    f.extensionHour = 3;
    f.itemBandHeight = QStringLiteral("30");
    f.kitchenPrinter = {true, QStringLiteral("后厨")};
    f.ticketBPrinter = {false, QStringLiteral("前台")};  // unticked: stored empty whatever the list shows
    f.ticketCPrinter = {true, QString()};                // ticked but none chosen
    f.serialPrinterPort = QStringLiteral("com3");        // not written with an ordinary printer

    const auto r = save(f);
    ASSERT_TRUE(r.saved()) << r.message.toStdString();
    EXPECT_EQ(r.message, QStringLiteral("修改完毕！！"));

    const StoreRow row = StoreSettings::read(store->db());
    EXPECT_EQ(row.storeName, QStringLiteral("小王餐馆"));
    EXPECT_EQ(row.printWidth, QStringLiteral("58mm"));
    EXPECT_EQ(row.titleLeftMargin, 12);
    EXPECT_EQ(row.pointsRule.toPlainString(), QStringLiteral("2.5"));
    EXPECT_EQ(row.returnRule, QStringLiteral("不任意"));

    const QList<std::pair<QString, QString>> expected = {
        {QStringLiteral("主界面显示"), QStringLiteral("上下午")},
        {QStringLiteral("早中午分界线"), QStringLiteral("13:30:00")},
        {QStringLiteral("上下午分界线"), QStringLiteral("18:45:05")},
        {QStringLiteral("营业延长时间"), QStringLiteral("3")},
        {QStringLiteral("开启钱箱"), QStringLiteral("是")},
        {QStringLiteral("主项数据高度"), QStringLiteral("30")},
        {QStringLiteral("后厨打印机"), QStringLiteral("后厨")},
        {QStringLiteral("B小票打印机"), QString()},
        {QStringLiteral("C小票打印机"), QString()},
    };
    for (const auto& [section, value] : expected) {
        EXPECT_EQ(stored(section), value) << section.toStdString();
        EXPECT_EQ(state.setting(section), value) << section.toStdString();
    }
    EXPECT_TRUE(
        IniFile::load(settings().filePath()).contains(QStringLiteral("B小票打印机"), StationSettings::kKey));
    EXPECT_FALSE(
        IniFile::load(settings().filePath()).contains(QStringLiteral("打印机串口号"), StationSettings::kKey));

    EXPECT_EQ(state.storeName, QStringLiteral("小王餐馆"));
    EXPECT_EQ(state.printWidth, QStringLiteral("58mm"));
    EXPECT_EQ(state.titleLeftMargin, 12);
    EXPECT_EQ(state.pointsRule, QStringLiteral("2.5"));
    EXPECT_EQ(state.returnRule, QStringLiteral("不任意"));
}

TEST_P(SettingsSaveTest, UntickedExtensionWritesZeroAndWholeDayLeavesTheBoundaries) {
    ASSERT_TRUE(settings().write({{QStringLiteral("早中午分界线"), QStringLiteral("11:00:00")},
                                  {QStringLiteral("上下午分界线"), QStringLiteral("17:00:00")}}));
    state.station = settings().readAll();
    SettingsForm f = form();
    f.station[QStringLiteral("主界面显示")] = QStringLiteral("全天");
    f.noonBoundary = QTime(9, 0);
    f.eveningBoundary = QTime(10, 0);
    f.extendBusinessDay = false;
    f.extensionHour = 5;

    ASSERT_TRUE(save(f).saved());
    EXPECT_EQ(stored(QStringLiteral("营业延长时间")), QStringLiteral("0"));
    EXPECT_EQ(stored(QStringLiteral("早中午分界线")), QStringLiteral("11:00:00"));
    EXPECT_EQ(stored(QStringLiteral("上下午分界线")), QStringLiteral("17:00:00"));
    EXPECT_EQ(state.setting(QStringLiteral("早中午分界线")), QStringLiteral("11:00:00"));
    EXPECT_EQ(state.setting(QStringLiteral("营业延长时间")), QStringLiteral("0"));

    // What the dialog shows next time comes from those values.
    const SettingsForm again = form();
    EXPECT_FALSE(again.extendBusinessDay);
    EXPECT_EQ(again.noonBoundary, QTime(11, 0));
}

TEST_P(SettingsSaveTest, SaveCreatesTheStoreRowOfAnEmptyTable) {
    Query::run(store->db(), QStringLiteral("delete from 店名"));
    SettingsForm f = form();
    EXPECT_FALSE(f.row.exists);
    f.row.storeName = QStringLiteral("新店");
    f.commissionText = QStringLiteral("2");
    ASSERT_TRUE(save(f).saved());

    Query q(store->db(), QStringLiteral("select count(*) as n from 店名"));
    q.first();
    EXPECT_EQ(q.integer(QStringLiteral("n")), 1);
    const StoreRow row = StoreSettings::read(store->db());
    EXPECT_EQ(row.storeName, QStringLiteral("新店"));
    EXPECT_EQ(row.commissionPerOrder, Money::fromYuan(2));
    EXPECT_EQ(row.pointsRule, Money::fromYuan(1));
}

TEST_P(SettingsSaveTest, RefusedSaveWritesNothing) {
    struct Case {
        const char* what;
        void (*change)(SettingsForm&);
        QString message;
    };
    const QList<Case> cases = {
        {"points empty", [](SettingsForm& f) { f.pointsText = QStringLiteral(" "); },
         SettingsSave::kPointsWrong},
        {"points zero", [](SettingsForm& f) { f.pointsText = QStringLiteral("0"); },
         SettingsSave::kPointsWrong},
        {"points 0.00", [](SettingsForm& f) { f.pointsText = QStringLiteral("0.00"); },
         SettingsSave::kPointsWrong},
        {"points negative", [](SettingsForm& f) { f.pointsText = QStringLiteral("-2"); },
         SettingsSave::kPointsWrong},
        {"points text", [](SettingsForm& f) { f.pointsText = QStringLiteral("十"); },
         SettingsSave::kPointsNotANumber},
        {"height text", [](SettingsForm& f) { f.itemBandHeight = QStringLiteral("abc"); },
         SettingsSave::kItemHeightWrong},
        {"height negative", [](SettingsForm& f) { f.itemBandHeight = QStringLiteral("-1"); },
         SettingsSave::kItemHeightWrong},
        {"height nan", [](SettingsForm& f) { f.itemBandHeight = QStringLiteral("nan"); },
         SettingsSave::kItemHeightWrong},
        {"height inf", [](SettingsForm& f) { f.itemBandHeight = QStringLiteral("inf"); },
         SettingsSave::kItemHeightWrong},
        {"title fraction", [](SettingsForm& f) { f.titleOffsetText = QStringLiteral("1.5"); },
         SettingsSave::kTitleOffsetWrong},
        {"title empty", [](SettingsForm& f) { f.titleOffsetText.clear(); }, SettingsSave::kTitleOffsetWrong},
        {"commission text", [](SettingsForm& f) { f.commissionText = QStringLiteral("x"); },
         SettingsSave::kCommissionWrong},
    };
    ASSERT_TRUE(settings().write(QStringLiteral("程序名称"), QStringLiteral("旧标题")));
    const QByteArray fileBefore = fileBytes(settings().filePath());
    const StoreRow rowBefore = StoreSettings::read(store->db());
    const SignInState stateBefore = state;

    for (const Case& c : cases) {
        SettingsForm f = form();
        // Every other value changed, so a partial write would show.
        f.row.storeName = QStringLiteral("不该保存");
        f.station[QStringLiteral("程序名称")] = QStringLiteral("不该保存");
        f.extendBusinessDay = true;
        f.extensionHour = 4;
        c.change(f);
        const auto r = save(f);
        EXPECT_EQ(r.outcome, SettingsSave::Outcome::Refused) << c.what;
        EXPECT_EQ(r.message, c.message) << c.what;
        EXPECT_EQ(fileBytes(settings().filePath()), fileBefore) << c.what;
        EXPECT_EQ(StoreSettings::read(store->db()).storeName, rowBefore.storeName) << c.what;
        EXPECT_EQ(state.storeName, stateBefore.storeName) << c.what;
        EXPECT_EQ(state.station, stateBefore.station) << c.what;
    }
}

TEST_P(SettingsSaveTest, UnwritableSettingsFileRollsTheRowBack) {
    // A folder in the file's place: the file cannot be replaced.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("cysz.ini")));
    SettingsForm f = form();
    f.row.storeName = QStringLiteral("不该保存");
    const auto r = save(f);
    EXPECT_EQ(r.outcome, SettingsSave::Outcome::Failed);
    EXPECT_TRUE(r.message.startsWith(QStringLiteral("系统设置文件保存失败："))) << r.message.toStdString();
    EXPECT_NE(StoreSettings::read(store->db()).storeName, QStringLiteral("不该保存"));
    EXPECT_NE(state.storeName, QStringLiteral("不该保存"));
}

TEST_P(SettingsSaveTest, FailedCommitPutsTheSettingsFileBack) {
    if (GetParam() != Engine::PostgreSQL) {
        GTEST_SKIP() << "needs a check that fails only at commit (a deferred constraint trigger)";
    }
    Query::run(db(), QStringLiteral("create function refuse_store() returns trigger language plpgsql as "
                                    "$$ begin raise exception 'refused at commit'; end $$"));
    Query::run(db(),
               QStringLiteral("create constraint trigger refuse_store after insert or update on 店名 "
                              "deferrable initially deferred for each row execute function refuse_store()"));
    ASSERT_TRUE(settings().write(QStringLiteral("程序名称"), QStringLiteral("旧标题")));
    const QByteArray fileBefore = fileBytes(settings().filePath());

    SettingsForm f = form();
    f.row.storeName = QStringLiteral("不该保存");
    f.station[QStringLiteral("程序名称")] = QStringLiteral("不该保存");
    const auto r = save(f);
    EXPECT_EQ(r.outcome, SettingsSave::Outcome::Failed);
    EXPECT_TRUE(r.message.contains(QStringLiteral("refused at commit"))) << r.message.toStdString();
    EXPECT_EQ(fileBytes(settings().filePath()), fileBefore);
    EXPECT_NE(StoreSettings::read(store->db()).storeName, QStringLiteral("不该保存"));
    EXPECT_NE(state.setting(QStringLiteral("程序名称")), QStringLiteral("不该保存"));
}

INSTANTIATE_ENGINES(SettingsSaveTest);
