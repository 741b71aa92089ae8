#include <gtest/gtest.h>
#include <QDir>

#include "core/db/DbError.h"
#include "core/db/Query.h"
#include "core/store/CommandTableUpgrade.h"
#include "core/store/StoreCreator.h"
#include "tests/support/TestStore.h"

using namespace lanze;
using lanze::test::TestStore;

class CommandTableUpgradeTest : public lanze::test::StoreTest {
  protected:
    void SetUp() override {
        StoreTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        patchFile = QDir(store->folder()).filePath(QStringLiteral("buding.db"));
        StoreCreator::createPatchDatabase(patchFile);
        patch = Database::open(ConnectionTarget::fromSqliteFile(patchFile));
    }
    // Versions go in as the text they were written with, dots and all.
    void addCommand(const QString& version, const QString& sql) {
        Query(*patch, QStringLiteral("insert into 命令表 (版本号, sql语句) values (:v, :s)"))
            .bindText(QStringLiteral("v"), version)
            .bindText(QStringLiteral("s"), sql)
            .exec();
    }
    void setVersion(qint64 v) {
        Query(db(), QStringLiteral("update 版本号 set 版本号=:v")).bindInteger(QStringLiteral("v"), v).exec();
    }
    qint64 version() {
        Query q(db(), QStringLiteral("select * from 版本号"));
        EXPECT_TRUE(q.first());
        return q.integer(QStringLiteral("版本号"));
    }
    QStringList regions() {
        QStringList out;
        Query q(db(), QStringLiteral("select 区域 from 区域"));
        q.exec();
        while (q.next()) {
            out << q.text(QStringLiteral("区域"));
        }
        return out;
    }
    QString insertRegion(const QString& name) {
        return QStringLiteral("insert into 区域 (区域) values ('%1')").arg(name);
    }

    QString patchFile;
    std::unique_ptr<Database> patch;
};

TEST_P(CommandTableUpgradeTest, RunsRowsAboveTheRecordedVersionInStoredOrderAndRaisesIt) {
    setVersion(20101201);
    addCommand(QStringLiteral("2010.12.01"), insertRegion(QStringLiteral("已执行过")));  // not above
    addCommand(QStringLiteral("20101202"), insertRegion(QStringLiteral("东区")));
    addCommand(QStringLiteral("2010.12.03"), insertRegion(QStringLiteral("西区")));
    addCommand(QStringLiteral("20101203"),
               insertRegion(QStringLiteral("南区")));  // same version, stored later
    const auto r = CommandTableUpgrade::run(db(), patchFile);
    EXPECT_EQ(r.executed, 3);
    EXPECT_EQ(r.failed, 0);
    EXPECT_EQ(regions(),
              (QStringList{QStringLiteral("东区"), QStringLiteral("西区"), QStringLiteral("南区")}));
    EXPECT_EQ(version(), 20101203);
}

TEST_P(CommandTableUpgradeTest, AFailingStatementIsSkippedForGoodAndLaterRowsStillRun) {
    addCommand(QStringLiteral("1"),
               QStringLiteral("alter table 区域 add column 区域 text"));  // exists already
    addCommand(QStringLiteral("2"), insertRegion(QStringLiteral("北区")));
    const auto r = CommandTableUpgrade::run(db(), patchFile);
    EXPECT_EQ(r.failed, 1);
    EXPECT_EQ(r.executed, 1);
    EXPECT_EQ(version(), 2);
    // The next start finds nothing above version 2: the failed row is not retried.
    const auto again = CommandTableUpgrade::run(db(), patchFile);
    EXPECT_EQ(again.executed + again.failed, 0);
    EXPECT_EQ(regions(), QStringList{QStringLiteral("北区")});
}

TEST_P(CommandTableUpgradeTest, EqualVersionRunsNothingAndKeepsTheVersion) {
    setVersion(5);
    addCommand(QStringLiteral("5"), insertRegion(QStringLiteral("不该执行")));
    const auto r = CommandTableUpgrade::run(db(), patchFile);
    EXPECT_EQ(r.executed + r.failed, 0);
    EXPECT_EQ(version(), 5);
    EXPECT_TRUE(regions().isEmpty());
}

TEST_P(CommandTableUpgradeTest, EmptyCommandTableKeepsTheRecordedVersion) {
    setVersion(7);
    const auto r = CommandTableUpgrade::run(db(), patchFile);
    EXPECT_TRUE(r.commandTableEmpty);
    EXPECT_EQ(version(), 7);
}

TEST_P(CommandTableUpgradeTest, AnOlderCommandTableNeverLowersTheRecordedVersion) {
    // Another station already brought the shared store to version 9; this one still has an older table.
    setVersion(9);
    addCommand(QStringLiteral("5"), insertRegion(QStringLiteral("旧补丁")));
    const auto r = CommandTableUpgrade::run(db(), patchFile);
    EXPECT_EQ(r.executed + r.failed, 0);
    EXPECT_EQ(version(), 9);

    // When the newer table arrives, only what lies above 9 runs.
    addCommand(QStringLiteral("7"), insertRegion(QStringLiteral("已执行过")));
    addCommand(QStringLiteral("10"), insertRegion(QStringLiteral("东区")));
    CommandTableUpgrade::run(db(), patchFile);
    EXPECT_EQ(regions(), QStringList{QStringLiteral("东区")});
    EXPECT_EQ(version(), 10);
}

TEST_P(CommandTableUpgradeTest, MissingPatchDatabaseIsReportedAndChangesNothing) {
    setVersion(3);
    EXPECT_THROW(CommandTableUpgrade::run(db(), patchFile + QStringLiteral(".missing")), DbError);
    EXPECT_EQ(version(), 3);
}

TEST_P(CommandTableUpgradeTest, SignInFixupsFillOldColumnsOnceAndThenChangeNothing) {
    Query::run(db(), QStringLiteral("insert into 种类 (种类) values ('主食')"));
    Query::run(db(), QStringLiteral("insert into 菜单表 (名称) values ('米饭')"));
    Query::run(db(), QStringLiteral("insert into 订单删除日志 (id, 单据编号) values (1, '201012010001')"));
    SignInFixups::run(db());
    Query item(db(), QStringLiteral("select * from 菜单表"));
    ASSERT_TRUE(item.first());
    EXPECT_EQ(item.integer(QStringLiteral("排序编号")), item.integer(QStringLiteral("id")));
    EXPECT_FALSE(item.isNull(QStringLiteral("当前库存")));
    Query category(db(), QStringLiteral("select * from 种类"));
    ASSERT_TRUE(category.first());
    EXPECT_EQ(category.integer(QStringLiteral("排序编号")), category.integer(QStringLiteral("编号")));
    Query deleted(db(), QStringLiteral("select 删除人 from 订单删除日志"));
    ASSERT_TRUE(deleted.first());
    EXPECT_EQ(deleted.text(QStringLiteral("删除人")), QStringLiteral("老记录"));

    Query::run(db(), QStringLiteral("update 订单删除日志 set 删除人='张三'"));
    SignInFixups::run(db());
    Query again(db(), QStringLiteral("select 删除人 from 订单删除日志"));
    ASSERT_TRUE(again.first());
    EXPECT_EQ(again.text(QStringLiteral("删除人")), QStringLiteral("张三"));
}

INSTANTIATE_ENGINES(CommandTableUpgradeTest);

TEST(CommandTableVersion, DotsAreRemovedBeforeComparing) {
    EXPECT_EQ(CommandTableUpgrade::versionNumber(QStringLiteral("2010.12.01")), 20101201);
    EXPECT_EQ(CommandTableUpgrade::versionNumber(QStringLiteral("20101202")), 20101202);
    EXPECT_EQ(CommandTableUpgrade::versionNumber(QStringLiteral("")), 0);
    EXPECT_EQ(CommandTableUpgrade::versionNumber(QStringLiteral("7.0")), 70);
}
