#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/ini/IniFile.h"
#include "core/text/Gbk.h"
#include "settings/StationSettings.h"

using namespace lanze;

namespace {
void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
}  // namespace

TEST(StationSettings, DefaultTextAndMissingSectionsGiveTheBuiltInDefault) {
    QTemporaryDir dir;
    StationSettings s(dir.path());
    writeFile(s.filePath(), QStringLiteral("[钱箱端口]\n类型=default\n[开启钱箱]\n类型=是\n").toUtf8());
    EXPECT_EQ(s.read(QStringLiteral("钱箱端口")), QStringLiteral("LPT1"));
    EXPECT_EQ(s.read(QStringLiteral("开启钱箱")), QStringLiteral("是"));
    EXPECT_EQ(s.read(QStringLiteral("营业延长时间")), QStringLiteral("0"));
    const auto all = s.readAll();
    EXPECT_EQ(all.value(QStringLiteral("早中午分界线")), QStringLiteral("14:00:00"));
    EXPECT_EQ(all.value(QStringLiteral("程序名称")), QString());
}

TEST(StationSettings, HandWrittenGbkFileWithABrokenLineIsRead) {
    QTemporaryDir dir;
    StationSettings s(dir.path());
    writeFile(s.filePath(), Gbk::encode(QStringLiteral(
                                "[公司简称]\r\n类型=小王餐馆\r\n这一行坏了\r\n[程序名称\r\n类型=x\r\n"
                                "[主界面显示]\r\n类型=上下午\r\n")));
    EXPECT_EQ(s.read(QStringLiteral("公司简称")), QStringLiteral("小王餐馆"));
    EXPECT_EQ(s.read(QStringLiteral("主界面显示")), QStringLiteral("上下午"));
    // The key under the broken section header belongs to no section.
    EXPECT_EQ(s.read(QStringLiteral("程序名称")), QString());
    EXPECT_EQ(IniFile::load(s.filePath()).skippedLines(), 3);
}

TEST(StationSettings, WritingKeepsOtherSectionsAndAnEmptyValueStaysPresent) {
    QTemporaryDir dir;
    StationSettings s(dir.path());
    ASSERT_TRUE(s.write(QStringLiteral("开启钱箱"), QStringLiteral("是")));
    ASSERT_TRUE(s.write(QStringLiteral("B小票打印机"), QString()));
    const IniFile ini = IniFile::load(s.filePath());
    EXPECT_EQ(ini.value(QStringLiteral("开启钱箱"), StationSettings::kKey), QStringLiteral("是"));
    EXPECT_TRUE(ini.contains(QStringLiteral("B小票打印机"), StationSettings::kKey));
    EXPECT_EQ(s.read(QStringLiteral("B小票打印机")), QString());
    // Written as UTF-8 with the Chinese names as they stand.
    QFile f(s.filePath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(f.readAll()).contains(QStringLiteral("[开启钱箱]\n类型=是")));
}

TEST(StationSettings, ALineBreakInAValueCannotStartAnotherSetting) {
    QTemporaryDir dir;
    StationSettings s(dir.path());
    // A title pasted with line breaks into the one-line title box.
    ASSERT_TRUE(
        s.write(QStringLiteral("程序名称"), QStringLiteral("小王外卖\r\n[开单后打印]\n类型=直接打印")));
    EXPECT_EQ(s.read(QStringLiteral("开单后打印")), QStringLiteral("打印预览"));
    EXPECT_EQ(s.read(QStringLiteral("程序名称")), QStringLiteral("小王外卖  [开单后打印] 类型=直接打印"));
    EXPECT_EQ(IniFile::load(s.filePath()).sections(), QStringList{QStringLiteral("程序名称")});
}
