#include <gtest/gtest.h>
#include <QRegularExpression>

#include "PdfProbe.h"
#include "core/report/ListReport.h"

using namespace lanze;
using lanze::test::PdfProbe;
using lanze::test::RenderedPdf;

namespace {
ListReportData salesByDay(int days) {
    ListReportData d;
    d.title = QStringLiteral("日销售汇总[测试]");
    d.subtitle = QStringLiteral("从2026-12-01到2026-12-11");
    d.columns = {{QStringLiteral("日    期"), 2, false}, {QStringLiteral("金额"), 1, true}};
    for (int i = 1; i <= days; ++i) {
        d.rows.append(
            {QStringLiteral("第%1天").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("%1.00").arg(i)});
    }
    d.footer = {QStringLiteral("合计金额"), QStringLiteral("%1.00").arg(days * (days + 1) / 2)};
    return d;
}
}  // namespace

TEST(ListReport, PrintsTitleHeadersEveryRowAndTheFooterOnce) {
    const LaidOutReport laidOut = ListReport::layOut(salesByDay(90));
    ASSERT_GE(laidOut.pages.size(), 2u);  // 90 rows of 6 mm do not fit on one A4 page
    RenderedPdf pdf(laidOut);
    const auto sizes = pdf.pageSizes();
    ASSERT_EQ(sizes.size(), laidOut.pages.size());
    int rows = 0;
    for (std::size_t p = 0; p < sizes.size(); ++p) {
        SCOPED_TRACE(p + 1);
        EXPECT_NEAR(sizes[p].width(), PdfProbe::mmToPt(210), 0.51);
        EXPECT_NEAR(sizes[p].height(), PdfProbe::mmToPt(297), 0.51);
        const QString page = pdf.text(int(p) + 1);
        EXPECT_EQ(page.count(QStringLiteral("金额")),
                  p + 1 == sizes.size() ? 2 : 1);  // header, and 合计金额 at the end
        EXPECT_EQ(page.count(QStringLiteral("日销售汇总[测试]")), p == 0 ? 1 : 0);
        rows += int(page.count(QRegularExpression(QStringLiteral("第\\d{3}天"))));
    }
    EXPECT_EQ(rows, 90);
    const QString last = pdf.text(int(sizes.size()));
    EXPECT_TRUE(last.contains(QStringLiteral("合计金额")));
    EXPECT_TRUE(last.contains(QStringLiteral("4095.00")));
    EXPECT_TRUE(pdf.text(1).contains(QStringLiteral("从2026-12-01到2026-12-11")));
}

TEST(ListReport, ColumnsShareThePageWidthInProportion) {
    const ReportTemplate t = ListReport::build(salesByDay(1));
    const ReportBand* data = t.band(ReportBand::Kind::Data);
    ASSERT_NE(data, nullptr);
    ASSERT_EQ(data->items.size(), 2u);
    EXPECT_NEAR(data->items[0].w + 2, 120, 1e-6);  // 180 mm shared 2 : 1
    EXPECT_NEAR(data->items[1].x - 1, 120, 1e-6);
    EXPECT_EQ(data->items[1].align, ReportItem::Align::Right);
}

TEST(ListReport, WithoutSubtitleOrFooterThoseLinesAreLeftOut) {
    ListReportData d = salesByDay(2);
    d.subtitle.clear();
    d.footer.clear();
    const ReportTemplate t = ListReport::build(d);
    EXPECT_EQ(t.band(ReportBand::Kind::Summary), nullptr);
    EXPECT_EQ(t.band(ReportBand::Kind::Title)->items.size(), 1u);
}
