#include <gtest/gtest.h>

#include <QStringList>

#include "core/text/Gbk.h"
#include "core/text/ReceiptWrap.h"

using namespace lanze;

TEST(ReceiptWrap, BreaksByGbkBytes) {
    const struct {
        int width;
        QString text;
        QString expected;
    } cases[] = {
        {10, QStringLiteral("宫保鸡丁盖饭加一份米饭"), QStringLiteral("宫保鸡丁盖\r饭加一份米\r饭")},
        {20, QString(25, QLatin1Char('x')),
         QString(20, QLatin1Char('x')) + QChar(13) + QString(5, QLatin1Char('x'))},
        {20, QString(20, QLatin1Char('x')), QString(20, QLatin1Char('x'))},  // exactly full: no break
        // A Chinese character may end a line one byte past the width.
        {5, QStringLiteral("ab宫保c"), QStringLiteral("ab宫保\rc")},
        {4, QStringLiteral("abc宫"), QStringLiteral("abc宫")},
        {28, QString(), QString()},
        // A width below one still puts one character on each line, with no empty lines.
        {0, QStringLiteral("ab"), QStringLiteral("a\rb")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReceiptWrap::wrap(c.width, c.text), c.expected) << c.width << " " << c.text.toStdString();
    }
}

TEST(ReceiptWrap, LineWidthsOfAReceiptLine) {
    const QStringList lines =
        ReceiptWrap::wrap(10, QStringLiteral("宫保鸡丁盖饭加一份米饭")).split(QChar(13));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(Gbk::byteWidth(lines[0]), 10);
    EXPECT_EQ(Gbk::byteWidth(lines[1]), 10);
    EXPECT_EQ(Gbk::byteWidth(lines[2]), 2);
}
