#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "app/TDM.h"
#include "core/db/Query.h"
#include "core/store/StoreCreator.h"
#include "tests/support/TestStore.h"

using namespace lanze;

namespace {
void writeModeFile(const QString& dir, const QString& text) {
    QDir().mkpath(dir);
    QFile f(QDir(dir).filePath(QStringLiteral("moshi.ini")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.toUtf8());
}
}  // namespace

TEST(TDMStart, AFolderWithoutAStoreGetsANewOneOnFirstStart) {
    QTemporaryDir tmp;
    const QString home = QDir(tmp.path()).filePath(QStringLiteral("lanze"));
    TDM dm(home);
    const auto r = dm.start();
    ASSERT_TRUE(r.connected) << r.connectionError.toStdString();
    EXPECT_TRUE(r.createdStore);
    EXPECT_TRUE(r.upgradeError.isEmpty()) << r.upgradeError.toStdString();
    Query q(dm.db(), QStringLiteral("select count(*) as cc from 登陆"));
    ASSERT_TRUE(q.first());
    EXPECT_EQ(q.integer(QStringLiteral("cc")), 1);

    TDM again(home);  // the second start opens the same store
    const auto second = again.start();
    EXPECT_TRUE(second.connected);
    EXPECT_FALSE(second.createdStore);
}

TEST(TDMStart, MissingModeFileMeansServerModeOnTheLocalDatabase) {
    QTemporaryDir tmp;
    StoreCreator::createFolder(tmp.path());
    QFile::remove(QDir(tmp.path()).filePath(QStringLiteral("moshi.ini")));
    TDM dm(tmp.path());
    EXPECT_TRUE(dm.start().connected);
}

TEST(TDMStart, ModeFileWhoseDatabaseIsMissingFailsWithoutMakingAnEmptyOne) {
    QTemporaryDir tmp;
    writeModeFile(tmp.path(), QStringLiteral("[工作模式]\n值=服务器\n"));
    TDM dm(tmp.path());
    const auto r = dm.start();
    EXPECT_FALSE(r.connected);
    EXPECT_FALSE(dm.isOpen());
    EXPECT_FALSE(QFileInfo::exists(QDir(tmp.path()).filePath(QStringLiteral("db1.db"))));
}

TEST(TDMStart, WorkstationModeOpensTheServerFolderAndFailsWithoutOne) {
    QTemporaryDir server;
    StoreCreator::createFolder(server.path());
    struct Case {
        QString mode;
        QString folder;  // empty: no 目录 section at all
        bool connects;
    } cases[] = {
        {QStringLiteral("工作站"), server.path(), true},
        {QStringLiteral("工作站"), server.path() + QStringLiteral("/"),
         true},                                           // trailing separator as written
        {QStringLiteral("工作站"), QString(), false},     // "default" names no folder
        {QStringLiteral("工做站"), server.path(), true},  // any text but 服务器 is workstation mode
        {QStringLiteral("工作站"), QStringLiteral("/nonexistent/share"), false},
    };
    for (const auto& c : cases) {
        QTemporaryDir station;
        QString ini = QStringLiteral("[工作模式]\n值=%1\n").arg(c.mode);
        if (!c.folder.isEmpty()) {
            ini += QStringLiteral("[目录]\n值=%1\n").arg(c.folder);
        }
        writeModeFile(station.path(), ini);
        TDM dm(station.path());
        const auto r = dm.start();
        EXPECT_EQ(r.connected, c.connects) << c.mode.toStdString() << " " << c.folder.toStdString();
        EXPECT_FALSE(r.createdStore);
    }
}

TEST(TDMStart, MissingPatchDatabaseIsReportedAndStartGoesOn) {
    QTemporaryDir tmp;
    StoreCreator::createFolder(tmp.path());
    QFile::remove(QDir(tmp.path()).filePath(QStringLiteral("buding.db")));
    TDM dm(tmp.path());
    const auto r = dm.start();
    EXPECT_TRUE(r.connected);
    EXPECT_FALSE(r.upgradeError.isEmpty());
}

TEST(TDMStart, WorkstationModeAcceptsAServerUri) {
    if (lanze::test::serverUri().isEmpty()) {
        GTEST_SKIP() << "LANZE_TEST_PG is not set: no PostgreSQL server for this run";
    }
    lanze::test::TestStore store(Engine::PostgreSQL);
    QTemporaryDir station;
    writeModeFile(station.path(), QStringLiteral("[工作模式]\n值=工作站\n[目录]\n值=%1?schema=%2\n")
                                      .arg(lanze::test::serverUri(), store.target().schema));
    TDM dm(station.path());
    const auto r = dm.start();
    ASSERT_TRUE(r.connected) << r.connectionError.toStdString();
    Query q(dm.db(), QStringLiteral("select count(*) as cc from 登陆"));
    ASSERT_TRUE(q.first());
    EXPECT_EQ(q.integer(QStringLiteral("cc")), 1);
}
