#include <gtest/gtest.h>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "core/db/Query.h"
#include "tests/support/TestStore.h"

using namespace lanze;

namespace {
struct CliRun {
    int status;
    QString out;
    QString err;
};

CliRun admin(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(LANZE_ADMIN), args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}
}  // namespace

TEST(AdminCli, CreateThenCheckAFolderReportsNothingMissing) {
    QTemporaryDir tmp;
    const QString dir = QDir(tmp.path()).filePath(QStringLiteral("shop"));
    CliRun created =
        admin({QStringLiteral("create"), dir, QStringLiteral("--admin-password"), QStringLiteral("pw")});
    ASSERT_EQ(created.status, 0) << created.err.toStdString();
    CliRun checked = admin({QStringLiteral("check"), dir});
    EXPECT_EQ(checked.status, 0) << checked.out.toStdString();
    EXPECT_FALSE(checked.out.contains(QStringLiteral("缺少")));

    CliRun twice = admin({QStringLiteral("create"), dir});
    EXPECT_NE(twice.status, 0);
    EXPECT_FALSE(twice.err.isEmpty());

    CliRun upgraded = admin({QStringLiteral("upgrade"), dir});
    EXPECT_EQ(upgraded.status, 0) << upgraded.err.toStdString();
}

TEST(AdminCli, CheckListsMissingTablesAndBadArgumentsFailClearly) {
    QTemporaryDir tmp;
    ASSERT_EQ(admin({QStringLiteral("create"), tmp.path()}).status, 0);
    {
        auto db = Database::open(
            ConnectionTarget::fromSqliteFile(QDir(tmp.path()).filePath(QStringLiteral("db1.db"))));
        db->execute(QStringLiteral("drop table 区域"));
    }
    CliRun checked = admin({QStringLiteral("check"), tmp.path()});
    EXPECT_EQ(checked.status, 1);
    EXPECT_TRUE(checked.out.contains(QStringLiteral("缺少表 区域")));

    EXPECT_EQ(admin({}).status, 2);
    EXPECT_EQ(admin({QStringLiteral("frobnicate")}).status, 2);
    EXPECT_EQ(admin({QStringLiteral("create"), tmp.path(), QStringLiteral("--admin-password")}).status, 2);
    EXPECT_NE(admin({QStringLiteral("check"), QStringLiteral("/nonexistent/shop")}).status, 0);
    EXPECT_NE(admin({QStringLiteral("check"), QStringLiteral("postgresql://nobody@127.0.0.1:1/none")}).status,
              0);
}

TEST(AdminCli, CreateAndCheckOnAServerDatabase) {
    if (lanze::test::serverUri().isEmpty()) {
        GTEST_SKIP() << "LANZE_TEST_PG is not set: no PostgreSQL server for this run";
    }
    lanze::test::ScratchDatabase empty(Engine::PostgreSQL);
    const QString uri = lanze::test::serverUri() + QStringLiteral("?schema=") + empty.target().schema;
    CliRun created = admin({QStringLiteral("create"), QStringLiteral("--database"), uri});
    ASSERT_EQ(created.status, 0) << created.err.toStdString();
    CliRun checked = admin({QStringLiteral("check"), uri});
    EXPECT_EQ(checked.status, 0) << checked.out.toStdString();
    EXPECT_NE(admin({QStringLiteral("create"), QStringLiteral("--database"), uri}).status, 0);
}
