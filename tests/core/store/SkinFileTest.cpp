#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/store/SkinFile.h"

using namespace lanze;

namespace {
QByteArray readAll(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

TEST(SkinFile, WritesTheDefaultOnlyWhenMissing) {
    QTemporaryDir dir;
    const QString file = SkinFile::path(dir.path());
    ASSERT_FALSE(SkinFile::defaultStyleSheet().isEmpty());
    ASSERT_TRUE(SkinFile::ensure(dir.path()));
    EXPECT_EQ(QString::fromUtf8(readAll(file)), SkinFile::defaultStyleSheet());

    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("QWidget { color: red; }");
    }
    ASSERT_TRUE(SkinFile::ensure(dir.path()));
    EXPECT_EQ(readAll(file), QByteArray("QWidget { color: red; }"));
}
