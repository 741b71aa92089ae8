#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include "core/report/RawTicket.h"
#include "core/text/Gbk.h"

using namespace lanze;

TEST(RawTicket, FixtureOrderGivesTheExactGbkBytes) {
    RawTicketValues v;
    v.storeName = QStringLiteral("岚泽");
    v.lines = {{QStringLiteral("宫保鸡丁"), QStringLiteral("2"), QStringLiteral("36")},
               {QStringLiteral("可乐"), QStringLiteral("10"), QStringLiteral("5.5")},
               {QStringLiteral("宫保鸡丁盖饭加"), QStringLiteral("1000"), QStringLiteral("123.45")}};
    v.total = QStringLiteral("41.5");
    v.address = QStringLiteral("中关村1号");
    v.phone = QStringLiteral("13912345678");
    v.slogan = QStringLiteral("谢谢");
    // Item 10 bytes, quantity 3, amount 5, padded with blanks on the right; longer values stay whole.
    // The total line is padded on the left to 26 bytes: "合计:41.5元" is 11 bytes, so 15 blanks.
    QByteArray expected;
    expected += Gbk::encode(QStringLiteral("[岚泽送餐小票!]")) + "\r\n";
    expected += Gbk::encode(QStringLiteral("餐品名:宫保鸡丁  。2  份。36   元")) + "\r\n";
    expected += Gbk::encode(QStringLiteral("餐品名:可乐      。10 份。5.5  元")) + "\r\n";
    expected += Gbk::encode(QStringLiteral("餐品名:宫保鸡丁盖饭加。1000份。123.45元")) + "\r\n";
    expected += QByteArray(15, ' ') + Gbk::encode(QStringLiteral("合计:41.5元")) + "\r\n";
    expected += Gbk::encode(QStringLiteral("配送地址:中关村1号")) + "\r\n";
    expected += Gbk::encode(QStringLiteral("客户电话:13912345678")) + "\r\n";
    expected += Gbk::encode(QStringLiteral("谢谢")) + "\r\n";
    expected += "\x0c\r\n";
    const QByteArray bytes = RawTicket::compose(v);
    EXPECT_EQ(bytes, expected) << bytes.toHex(' ').toStdString();
    EXPECT_EQ(bytes.mid(bytes.indexOf("\r\n") + 2, 7),
              QByteArray("\xb2\xcd\xc6\xb7\xc3\xfb:"));  // 餐品名: in GBK
}

TEST(RawTicket, WritesToAPortAndReportsOneThatIsNotThere) {
    QTemporaryDir dir;
    const QString port = dir.filePath(QStringLiteral("lp"));
    QString error;
    ASSERT_TRUE(RawTicket::write(port, QByteArray("one\r\n"), &error)) << error.toStdString();
    ASSERT_TRUE(RawTicket::write(port, QByteArray("two\r\n"), &error));
    QFile f(port);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("one\r\ntwo\r\n"));

    EXPECT_FALSE(RawTicket::write(QStringLiteral("/dev/lp-not-there-7"), QByteArray("x"), &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("输入/输出错误：/dev/lp-not-there-7")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("/dev/lp-not-there-7")));
}
