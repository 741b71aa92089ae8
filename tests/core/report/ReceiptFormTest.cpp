#include <gtest/gtest.h>
#include <QRegularExpression>

#include "PdfProbe.h"
#include "core/report/ReceiptForm.h"
#include "core/report/SampleReportData.h"

using namespace lanze;
using lanze::test::PdfProbe;
using lanze::test::RenderedPdf;
using Layout = ReceiptForm::Layout;
using Width = ReceiptForm::Width;

TEST(ReceiptForm, PageWidthAndLengthFollowTheFormAndTheLineCount) {
    struct Case {
        Layout layout;
        Width width;
        int lines;
        int pixels;  // expected page length, 96 to the inch, with 下边距 10
    };
    for (const Case& c : {
             Case{Layout::Normal, Width::Mm76, 3, 24 * 3 + 10 + 426},
             Case{Layout::Normal, Width::Mm76, 1, 24 + 10 + 426},
             Case{Layout::Normal, Width::Mm58, 3, 32 * 3 + 418},  // no bottom margin on the 58 mm receipt
             Case{Layout::Kitchen, Width::Mm76, 2, 24 * 2 + 10 + 126},
             Case{Layout::Kitchen, Width::Mm58, 2, 32 * 2 + 118},
             Case{Layout::Copy1, Width::Mm76, 3, 24 * 3 + 10 + 475},
             Case{Layout::Copy2, Width::Mm58, 1, 24 + 10 + 475},
             Case{Layout::Copy3, Width::Mm76, 4, 24 * 4 + 10 + 475},
         }) {
        SCOPED_TRACE(testing::Message()
                     << int(c.layout) << (c.width == Width::Mm76 ? " 76mm " : " 58mm ") << c.lines);
        ReceiptValues values = SampleReportData::receiptValues();
        values.bottomMargin = 10;
        const auto sizes = RenderedPdf(ReceiptForm::layOut(c.layout, c.width, values,
                                                           SampleReportData::receiptLines(c.lines)))
                               .pageSizes();
        ASSERT_EQ(sizes.size(), 1u);
        // The PDF writer keeps page sizes in whole points.
        EXPECT_NEAR(sizes[0].width(), PdfProbe::mmToPt(c.width == Width::Mm76 ? 75.0 : 56.9), 0.51);
        EXPECT_NEAR(sizes[0].height(), c.pixels * 0.75, 0.51);
    }
}

TEST(ReceiptForm, WidthSettingSelectsTheForm) {
    EXPECT_EQ(ReceiptForm::widthFor(QStringLiteral("58mm")), Width::Mm58);
    EXPECT_EQ(ReceiptForm::widthFor(QStringLiteral("76mm")), Width::Mm76);
    EXPECT_EQ(ReceiptForm::widthFor(QStringLiteral("80mm")), Width::Mm76);
}

namespace {
QString render(Layout layout, Width width, const ReceiptValues& values, int lines = 2) {
    return RenderedPdf(ReceiptForm::layOut(layout, width, values, SampleReportData::receiptLines(lines)))
        .text()
        .remove(QRegularExpression(QStringLiteral("[ \\t]")));
}
}  // namespace

TEST(ReceiptForm, LayoutsCarryTheirCaptionsAndColumns) {
    const ReceiptValues v = SampleReportData::receiptValues();
    struct Case {
        Layout layout;
        Width width;
        QStringList present;
        QStringList absent;
    };
    for (const Case& c : {
             Case{Layout::Normal,
                  Width::Mm76,
                  {"上门时间：12:05:00", "订单号码：202612110007", "员工姓名：王师傅", "积分：120",
                   "服务明细", "服务项目", "要求", "单价", "数量", "合计", "微辣", "来电时间：",
                   "制单人：admin", "用心服务每一位客户", "www.lanze.example"},
                  {"小计", "请您评价"}},
             Case{Layout::Normal,
                  Width::Mm58,
                  {"小计", "订单号码：", "微辣", "用心服务每一位客户"},
                  {"上门时间", "要求"}},
             Case{Layout::Copy1,
                  Width::Mm76,
                  {"服务明细", "请您评价我们的服务，非常感谢", "非常满意", "基本满意", "不满意", "客户签名",
                   "制单人："},
                  {"单价", "用心服务每一位客户"}},
             Case{Layout::Copy2,
                  Width::Mm76,
                  {"发货备注：请提前十分钟电话联系", "用心服务每一位客户"},
                  {"客户签名"}},
             Case{Layout::Copy3,
                  Width::Mm58,
                  {"来电时间：", "上门时间："},
                  {"制单人", "客户签名", "用心服务每一位客户"}},
             Case{Layout::Kitchen,
                  Width::Mm76,
                  {"来电时间：", "订单号码：", "订餐明细", "服务项目", "要求", "份数"},
                  {"员工姓名"}},
             Case{Layout::Kitchen, Width::Mm58, {"服务项目", "口味", "份"}, {"要求", "份数"}},
         }) {
        SCOPED_TRACE(testing::Message() << int(c.layout) << (c.width == Width::Mm76 ? " 76mm" : " 58mm"));
        const QString text = render(c.layout, c.width, v);
        for (const QString& p : c.present) {
            EXPECT_TRUE(text.contains(p)) << p.toStdString() << "\n" << text.toStdString();
        }
        for (const QString& a : c.absent) {
            EXPECT_FALSE(text.contains(a)) << a.toStdString();
        }
        EXPECT_EQ(text.count(QStringLiteral("鱼香肉丝")), 1);
    }
}

TEST(ReceiptForm, TasteColumnCanBeLeftOffTheWideReceipt) {
    ReceiptValues v = SampleReportData::receiptValues();
    v.printTaste = false;
    const QString text = render(Layout::Normal, Width::Mm76, v);
    EXPECT_FALSE(text.contains(QStringLiteral("要求")));
    EXPECT_FALSE(text.contains(QStringLiteral("微辣")));
}

TEST(ReceiptForm, LogoTakesTheTitlePlace) {
    ReceiptValues v = SampleReportData::receiptValues();
    v.printLogo = true;
    EXPECT_FALSE(render(Layout::Normal, Width::Mm76, v).contains(v.storeName));
}

TEST(ReceiptForm, WrappedAddressIsPrintedWhole) {
    ReceiptValues v = SampleReportData::receiptValues();
    v.address = QStringLiteral("海淀区中关村大街二十七号院三号楼二单元五零二室靠北边的那个门");
    const QString text = render(Layout::Normal, Width::Mm58, v).remove(QLatin1Char('\n'));
    EXPECT_TRUE(text.contains(QStringLiteral("海淀区中关村大街二十七号院三号楼二单元五零二室靠北边的那个门")))
        << text.toStdString();
}
