#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "core/db/DbError.h"
#include "core/db/Query.h"
#include "core/db/Schema.h"
#include "core/store/StoreCreator.h"
#include "core/store/WorkMode.h"
#include "core/types/PasswordDigest.h"
#include "tests/support/TestStore.h"

using namespace lanze;

class StoreCreatorTest : public lanze::test::EngineTest {};

TEST_P(StoreCreatorTest, NewStoreHasEveryTableTheRowsItNeedsAndTheAdministrator) {
    lanze::test::TestStore store(GetParam());
    Database& db = store.db();
    EXPECT_TRUE(Schema::missing(db).isEmpty()) << Schema::missing(db).join(QLatin1Char('\n')).toStdString();

    Query admin(db, QStringLiteral("select * from 登陆 where 用户=:nm and 密码=:ps"));
    admin.bindText(QStringLiteral("nm"), QStringLiteral("admin"))
        .bindText(QStringLiteral("ps"), passwordDigest(QStringLiteral("123456")));
    ASSERT_TRUE(admin.first());
    EXPECT_EQ(admin.text(QStringLiteral("权限")), QStringLiteral("管理员"));
    for (int i = 1; i <= 9; ++i) {
        EXPECT_EQ(admin.text(QStringLiteral("Right%1").arg(i)), QString(31, QLatin1Char('1')));
    }

    for (const char* table :
         {"串口编号", "来电路数", "录音设备", "颜色显示", "店名", "初始化密码", "版本号"}) {
        Query q(db, QStringLiteral("select count(*) as cc from %1").arg(QString::fromUtf8(table)));
        ASSERT_TRUE(q.first());
        EXPECT_EQ(q.integer(QStringLiteral("cc")), 1) << table;
    }
    Query port(db, QStringLiteral("select 编号 from 串口编号"));
    ASSERT_TRUE(port.first());
    EXPECT_EQ(port.integer(QStringLiteral("编号")), 0);
    Query shop(db, QStringLiteral("select * from 店名"));
    ASSERT_TRUE(shop.first());
    EXPECT_EQ(shop.money(QStringLiteral("积分规则")), Money::fromYuan(1));
    EXPECT_EQ(shop.text(QStringLiteral("退菜规则")), QStringLiteral("任意"));
    Query bands(db, QStringLiteral("select count(*) as cc from 点餐时间统计临时表"));
    ASSERT_TRUE(bands.first());
    EXPECT_EQ(bands.integer(QStringLiteral("cc")), 24);

    EXPECT_THROW(StoreCreator::createDatabase(db), DbError);  // never twice into one database
}

TEST_P(StoreCreatorTest, SchemaCheckNamesWhatIsMissing) {
    lanze::test::TestStore store(GetParam());
    Query::run(store.db(), QStringLiteral("drop table 风味"));
    const QStringList missing = Schema::missing(store.db());
    EXPECT_EQ(missing, QStringList{QStringLiteral("表 风味")});
}

INSTANTIATE_ENGINES(StoreCreatorTest);

TEST(StoreFolder, CreateLaysDownModeFileDatabaseAndPatchTable) {
    QTemporaryDir tmp;
    const QString dir = QDir(tmp.path()).filePath(QStringLiteral("新店"));
    ASSERT_TRUE(StoreCreator::isUnusedFolder(dir));
    StoreCreator::createFolder(dir, QStringLiteral("secret"));
    const QDir d(dir);
    EXPECT_TRUE(QFileInfo(d.filePath(QStringLiteral("db1.db"))).isFile());
    EXPECT_TRUE(QFileInfo(d.filePath(QStringLiteral("buding.db"))).isFile());
    EXPECT_FALSE(QFileInfo::exists(d.filePath(QStringLiteral("cysz.ini"))));
    EXPECT_TRUE(WorkMode::read(dir).isServer());
    EXPECT_FALSE(StoreCreator::isUnusedFolder(dir));
    EXPECT_THROW(StoreCreator::createFolder(dir), DbError);

    auto db = Database::open(WorkMode::read(dir).databaseTarget(dir));
    Query q(*db, QStringLiteral("select 密码 from 登陆 where 用户='admin'"));
    ASSERT_TRUE(q.first());
    EXPECT_EQ(q.text(QStringLiteral("密码")), passwordDigest(QStringLiteral("secret")));
}
