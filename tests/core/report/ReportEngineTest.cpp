#include <gtest/gtest.h>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "PdfProbe.h"
#include "core/report/ReportPrinting.h"
#include "core/report/TemplateParser.h"

using namespace lanze;
using lanze::test::PdfProbe;
using lanze::test::RenderedPdf;

namespace {

const QString kTicket = QStringLiteral(R"(# a small ticket
page width=75 height=60 margin=2
font size=9
band title height=12
text x=0 y=0 w=71 h=5 "店名<[公司名称]>空<[没人回答]>字面[[括号"
text x=0 y=6 w=71 h=5 "卡号[卡号]"
band header height=6
text x=0 y=0 w=71 h=5 "品名表头"
band data height=6
text x=0 y=0 w=10 h=5 "[序号]."
text x=10 y=0 w=40 h=5 "行:[产品名称]"
text x=50 y=0 w=21 h=5 align=right "[数量]份"
band summary height=8
text x=0 y=0 w=71 h=5 "合计<[合计]>"
)");

ReportTemplate parse(const QString& text) {
    TemplateLoad load = TemplateParser::parse(text, QStringLiteral("测试.frf"));
    EXPECT_TRUE(load.ok()) << load.errorText().toStdString();
    return load.report.value_or(ReportTemplate());
}

ReportRows cart(int lines) {
    ReportRows rows;
    rows.columns = {QStringLiteral("产品名称"), QStringLiteral("数量")};
    for (int i = 1; i <= lines; ++i) {
        rows.rows.append({QStringLiteral("菜%1").arg(i), QString::number(i)});
    }
    return rows;
}

const VariableMap kVariables = {{QStringLiteral("公司名称"), QStringLiteral("岚泽小馆")},
                                {QStringLiteral("合计"), QStringLiteral("86.40")},
                                {QStringLiteral("卡号"), QStringLiteral("A1008")}};

}  // namespace

TEST(ReportEngine, FillsVariablesLeavesUnknownEmptyAndRepeatsTheDataBand) {
    const LaidOutReport laidOut = ReportLayout::layOut(parse(kTicket), kVariables, cart(3));
    RenderedPdf pdf(laidOut);
    const QString text = pdf.text();
    EXPECT_TRUE(text.contains(QStringLiteral("店名<岚泽小馆>空<>字面[括号"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("合计<86.40>")));
    EXPECT_TRUE(text.contains(QStringLiteral("卡号A1008")));  // Latin and digits read back whole
    EXPECT_EQ(text.count(QStringLiteral("行:")), 3);
    EXPECT_EQ(text.count(QStringLiteral("品名表头")), 1);
    const qsizetype first = text.indexOf(QStringLiteral("行:菜1"));
    const qsizetype third = text.indexOf(QStringLiteral("行:菜3"));
    EXPECT_GE(first, 0);
    EXPECT_GT(third, text.indexOf(QStringLiteral("行:菜2")));
    EXPECT_GT(text.indexOf(QStringLiteral("合计<")), third);  // the summary follows the last row
    EXPECT_TRUE(text.contains(QStringLiteral("3.")) && text.contains(QStringLiteral("3份")));
    EXPECT_EQ(laidOut.unanswered, QStringList{QStringLiteral("没人回答")});
}

TEST(ReportEngine, WithoutRowsTheDataBandIsLeftOut) {
    RenderedPdf pdf(ReportLayout::layOut(parse(kTicket), kVariables, ReportRows()));
    const QString text = pdf.text();
    EXPECT_EQ(text.count(QStringLiteral("行:")), 0);
    EXPECT_TRUE(text.contains(QStringLiteral("合计<86.40>")));
}

TEST(ReportEngine, FirstPageIsLengthenedByTheItemHeightRule) {
    struct Case {
        int itemHeight;
        int lines;
        int extraUnits;
    };
    // Trunc(height × 2.8 × (lines − 1)), in tenths of a millimetre.
    for (const Case c : {Case{22, 3, 123}, Case{22, 1, 0}, Case{22, 0, 0}, Case{22, 2, 61}, Case{0, 5, 0},
                         Case{30, 11, 840}}) {
        SCOPED_TRACE(testing::Message() << c.itemHeight << " × " << c.lines);
        EXPECT_EQ(ReportTemplate::extraLengthForLines(c.itemHeight, c.lines), c.extraUnits);
    }
    for (const int lines : {1, 3}) {
        SCOPED_TRACE(lines);
        ReportTemplate t = parse(kTicket);
        t.lengthenFirstPage(ReportTemplate::extraLengthForLines(22, lines));
        const auto sizes = RenderedPdf(ReportLayout::layOut(t, kVariables, cart(lines))).pageSizes();
        ASSERT_EQ(sizes.size(), 1u);
        EXPECT_NEAR(sizes[0].width(), PdfProbe::mmToPt(75.0), 0.51);
        EXPECT_NEAR(sizes[0].height(), PdfProbe::mmToPt(lines == 3 ? 72.3 : 60.0), 0.51);
    }
}

TEST(ReportEngine, SecondTicketTakesTheLengthenedFirstPagePlusTheSameExtra) {
    ReportTemplate custom = parse(kTicket);
    const int extra = ReportTemplate::extraLengthForLines(22, 3);
    custom.lengthenFirstPage(extra);
    ReportTemplate second =
        parse(QString(kTicket).replace(QStringLiteral("height=60"), QStringLiteral("height=40")));
    second.setFirstPageLength(custom.firstPageLength() + extra);
    EXPECT_EQ(second.firstPageLength(), 600 + 123 + 123);
    const auto sizes = RenderedPdf(ReportLayout::layOut(second, kVariables, cart(3))).pageSizes();
    ASSERT_FALSE(sizes.empty());
    EXPECT_NEAR(sizes[0].height(), PdfProbe::mmToPt(84.6), 0.51);
}

TEST(ReportEngine, RowsThatDoNotFitGoOnFurtherPagesWithTheColumnHeaderAgain) {
    // 60 mm page: title 12 + header 6 leaves room for six 6 mm rows and the margins on the first page.
    const LaidOutReport laidOut = ReportLayout::layOut(parse(kTicket), kVariables, cart(20));
    ASSERT_GE(laidOut.pages.size(), 3u);
    RenderedPdf pdf(laidOut);
    const auto sizes = pdf.pageSizes();
    ASSERT_EQ(sizes.size(), laidOut.pages.size());
    int rows = 0;
    for (std::size_t p = 0; p < sizes.size(); ++p) {
        SCOPED_TRACE(p + 1);
        EXPECT_NEAR(sizes[p].height(), PdfProbe::mmToPt(60), 0.51);
        const QString page = pdf.text(int(p) + 1);
        EXPECT_EQ(page.count(QStringLiteral("品名表头")), 1);
        EXPECT_EQ(page.count(QStringLiteral("店名<")), p == 0 ? 1 : 0);
        rows += int(page.count(QStringLiteral("行:")));
    }
    EXPECT_EQ(rows, 20);
    EXPECT_TRUE(pdf.text(int(sizes.size())).contains(QStringLiteral("合计<86.40>")));
}

TEST(ReportEngine, AutoHeightPageIsExactlyAsLongAsItsContent) {
    ReportTemplate t =
        parse(QString(kTicket).replace(QStringLiteral("height=60"), QStringLiteral("height=auto")));
    const auto sizes = RenderedPdf(ReportLayout::layOut(t, kVariables, cart(20))).pageSizes();
    ASSERT_EQ(sizes.size(), 1u);
    // margins 2 + 2, title 12, header 6, 20 rows of 6, summary 8
    EXPECT_NEAR(sizes[0].height(), PdfProbe::mmToPt(4 + 12 + 6 + 120 + 8), 0.51);
}

TEST(ReportEngine, WrappedTextStretchesItsBand) {
    const QString text = QStringLiteral(R"(page width=56.9 height=auto margin=2
band title height=6
text x=0 y=0 w=30 h=5 wrap "[地址]"
band summary height=6
text x=0 y=0 w=30 h=5 "底部"
)");
    const VariableMap address = {
        {QStringLiteral("地址"), QStringLiteral("海淀区中关村大街二十七号院三号楼二单元五零二室")}};
    const LaidOutReport laidOut = ReportLayout::layOut(parse(text), address);
    ASSERT_EQ(laidOut.pages.size(), 1u);
    const auto& items = laidOut.pages[0].items;
    ASSERT_EQ(items.size(), 2u);
    EXPECT_GT(items[0].h, 8.0);                             // several lines
    EXPECT_GE(items[1].y, items[0].y + items[0].h - 1e-6);  // the summary moved below the address
    const QString printed = RenderedPdf(laidOut).text().remove(QRegularExpression(QStringLiteral("\\s")));
    EXPECT_TRUE(printed.contains(QStringLiteral("海淀区中关村大街二十七号院三号楼二单元五零二室")));
}

TEST(ReportPrinting, PrinterNotInstalledFallsBackToTheDefault) {
    const QStringList installed = {QStringLiteral("前台"), QStringLiteral("后厨")};
    struct Case {
        QString wanted, defaultName, chosen;
    };
    for (const Case& c : {Case{QStringLiteral("后厨"), QStringLiteral("前台"), QStringLiteral("后厨")},
                          Case{QStringLiteral("吧台"), QStringLiteral("前台"), QStringLiteral("前台")},
                          Case{QString(), QStringLiteral("后厨"), QStringLiteral("后厨")},
                          Case{QStringLiteral("吧台"), QString(), QStringLiteral("前台")}}) {
        EXPECT_EQ(ReportPrinting::choosePrinter(c.wanted, installed, c.defaultName), c.chosen)
            << c.wanted.toStdString();
    }
    EXPECT_EQ(ReportPrinting::choosePrinter(QStringLiteral("后厨"), {}, QString()), QString());
}

TEST(ReportPrinting, CopiesRepeatThePagesOnAPrinterThatCannotCopy) {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("copies.pdf")));
    const LaidOutReport laidOut = ReportLayout::layOut(parse(kTicket), kVariables, cart(2));
    ASSERT_TRUE(ReportPrinting::printOn(printer, laidOut, 3));
    const QString text = PdfProbe::text(dir.filePath(QStringLiteral("copies.pdf")));
    EXPECT_EQ(text.count(QStringLiteral("店名<岚泽小馆>")), 3);
    const auto sizes = PdfProbe::pageSizes(dir.filePath(QStringLiteral("copies.pdf")));
    ASSERT_EQ(sizes.size(), 3u);
    EXPECT_NEAR(sizes[2].width(), PdfProbe::mmToPt(75), 0.51);
}

TEST(ReportPrinting, WithoutAnyPrinterPrintingIsRefusedWithTheMessage) {
    if (!ReportPrinting::installedPrinters().isEmpty()) {
        GTEST_SKIP() << "this machine has printers installed";
    }
    QString error;
    EXPECT_FALSE(ReportPrinting::print(ReportLayout::layOut(parse(kTicket), kVariables),
                                       QStringLiteral("后厨"), 1, &error));
    EXPECT_EQ(error, ReportPrinting::kNoPrinter);
}
