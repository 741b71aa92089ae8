#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/store/OperationLog.h"
#include "core/text/Gbk.h"

using namespace lanze;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(OperationLog, AddingRewritesTheWholeFileAndReloads) {
    QTemporaryDir dir;
    OperationLog log(dir.path());
    log.load();
    EXPECT_TRUE(log.lines().isEmpty());
    EXPECT_TRUE(log.path().endsWith(QStringLiteral("/操作日志.txt")));

    ASSERT_TRUE(log.add(QStringLiteral("第一条")));
    ASSERT_TRUE(log.add(QStringLiteral("second")));
    EXPECT_EQ(readAll(log.path()), QStringLiteral("第一条\nsecond\n").toUtf8());

    OperationLog again(dir.path());
    again.load();
    EXPECT_EQ(again.lines(), QStringList({QStringLiteral("第一条"), QStringLiteral("second")}));
}

TEST(OperationLog, ReadsAnOlderGbkFileAndWritesItBackAsUtf8) {
    QTemporaryDir dir;
    OperationLog log(dir.path());
    {
        QFile f(log.path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(Gbk::encode(QStringLiteral("数据备份到文件：a.mdb\r\n旧的一条\r\n")));
    }
    log.load();
    EXPECT_EQ(log.lines(),
              QStringList({QStringLiteral("数据备份到文件：a.mdb"), QStringLiteral("旧的一条")}));
    ASSERT_TRUE(log.add(QStringLiteral("新的")));
    EXPECT_EQ(readAll(log.path()), QStringLiteral("数据备份到文件：a.mdb\n旧的一条\n新的\n").toUtf8());
}

TEST(OperationLog, ReportsAFolderItCannotWrite) {
    OperationLog log(QStringLiteral("/nonexistent/store"));
    log.load();
    QString error;
    EXPECT_FALSE(log.add(QStringLiteral("x"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("操作日志.txt"))) << error.toStdString();
    EXPECT_EQ(log.lines(), QStringList{QStringLiteral("x")});
}

TEST(OperationLog, BackupAndRestoreEntries) {
    const QDateTime at(QDate(2026, 3, 5), QTime(9, 7, 3));
    EXPECT_EQ(
        OperationLog::backupEntry(QStringLiteral("/home/shop/备份1.db"), 1234, at),
        QStringLiteral("数据备份到文件：/home/shop/备份1.db  开票总条数：1234  时间为：2026-03-05 09:07:03"));
    EXPECT_EQ(
        OperationLog::restoreEntry(QStringLiteral("/home/shop/备份%1.db"), 0, at),
        QStringLiteral("数据还原从文件：/home/shop/备份%1.db  开票总条数：0时间为：2026-03-05 09:07:03"));
}
