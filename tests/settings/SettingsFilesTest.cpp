#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "settings/LogoFile.h"
#include "settings/RecordingCleanup.h"

using namespace lanze;

namespace {
void makeFile(const QString& path, const QDateTime& modified, const QByteArray& bytes = "x") {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    ASSERT_TRUE(f.open(QIODevice::Append));
    ASSERT_TRUE(f.setFileTime(modified, QFileDevice::FileModificationTime));
}
QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

TEST(RecordingCleanup, DeletesFilesOlderThanTheLimitAndCountsThem) {
    QTemporaryDir dir;
    const QDir rec(QDir(dir.path()).filePath(QStringLiteral("录音文件")));
    ASSERT_TRUE(QDir().mkpath(rec.filePath(QStringLiteral("子目录"))));
    const QDateTime now = QDateTime::currentDateTime();
    makeFile(rec.filePath(QStringLiteral("a.wav")), now.addDays(-100));
    makeFile(rec.filePath(QStringLiteral("b.wav")), now.addDays(-10));
    makeFile(rec.filePath(QStringLiteral("c.wav")), now.addSecs(-5));
    makeFile(rec.filePath(QStringLiteral("d.wav")), now.addSecs(3600));  // clock of another station ahead

    const auto first = RecordingCleanup::run(dir.path(), RecordingCleanup::kDefaultDays, now);
    EXPECT_EQ(first.deleted, 1);
    EXPECT_FALSE(rec.exists(QStringLiteral("a.wav")));
    EXPECT_TRUE(rec.exists(QStringLiteral("b.wav")));

    // N = 0: everything older than this moment goes; the folder and the newer file stay.
    const auto all = RecordingCleanup::run(dir.path(), 0, now);
    EXPECT_EQ(all.deleted, 2);
    EXPECT_EQ(RecordingCleanup::report(all), QStringLiteral("共删除2条记录"));
    EXPECT_EQ(rec.entryList(QDir::Files), QStringList{QStringLiteral("d.wav")});
    EXPECT_TRUE(rec.exists(QStringLiteral("子目录")));

    QTemporaryDir empty;
    EXPECT_EQ(RecordingCleanup::run(empty.path(), 0).deleted, 0);
}

TEST(LogoFile, ReplacesTheLogoAndKeepsItWhenTheCopyFails) {
    QTemporaryDir dir;
    const QString logo = LogoFile::path(dir.path());
    makeFile(logo, QDateTime::currentDateTime(), "old");
    const QString chosen = QDir(dir.path()).filePath(QStringLiteral("新标.bmp"));
    makeFile(chosen, QDateTime::currentDateTime(), "new");

    EXPECT_TRUE(LogoFile::replace(dir.path(), chosen));
    EXPECT_EQ(bytesOf(logo), QByteArray("new"));
    EXPECT_FALSE(LogoFile::replace(dir.path(), QDir(dir.path()).filePath(QStringLiteral("没有.bmp"))));
    EXPECT_EQ(bytesOf(logo), QByteArray("new"));
}
