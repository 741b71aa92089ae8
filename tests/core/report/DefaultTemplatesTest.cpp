#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "PdfProbe.h"
#include "core/report/ReportTemplates.h"
#include "core/report/SampleReportData.h"
#include "core/store/StoreCreator.h"

using namespace lanze;
using lanze::test::PdfProbe;
using lanze::test::RenderedPdf;

// Every shipped template reads without fault, asks only for variables the program answers, and prints
// one page with the sample order of three lines.
TEST(DefaultTemplates, EachParsesUsesKnownVariablesAndRenders) {
    const QStringList names = ReportTemplates::defaultNames();
    ASSERT_EQ(names.size(), 13);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QString text = ReportTemplates::builtInText(name);
        ASSERT_FALSE(text.isEmpty());
        const TemplateLoad load = TemplateParser::parse(text, name);
        ASSERT_TRUE(load.ok()) << load.errorText().toStdString();
        ReportTemplate t = *load.report;
        t.lengthenFirstPage(ReportTemplate::extraLengthForLines(22, 3));
        const LaidOutReport laidOut =
            ReportLayout::layOut(t, SampleReportData::variables(), SampleReportData::rows());
        EXPECT_TRUE(laidOut.unanswered.isEmpty()) << laidOut.unanswered.join(QLatin1Char(',')).toStdString();
        EXPECT_EQ(laidOut.pages.size(), 1u);
        const bool perLine =
            name == ReportTemplates::kKitchenPerLine || name == ReportTemplates::kMemberCardReceipt;
        EXPECT_EQ(t.band(ReportBand::Kind::Data) != nullptr, !perLine);
        const QString printed = RenderedPdf(laidOut).text();
        if (!perLine) {
            const QString rowName = name.startsWith(QStringLiteral("采购")) ? QStringLiteral("食用油")
                                                                            : QStringLiteral("鱼香肉丝");
            EXPECT_EQ(printed.count(rowName), 1) << printed.toStdString();
        }
    }
}

TEST(DefaultTemplates, CustomReceiptsCarryTheOrderVariables) {
    // A shop choosing any style still gets the order number, the customer, the total and the lines.
    for (const QString& name : ReportTemplates::defaultNames().mid(0, 7)) {
        SCOPED_TRACE(name.toStdString());
        const QString text = ReportTemplates::builtInText(name);
        for (const char* variable :
             {"[订单号码]", "[电话]", "[地址]", "[合计]", "[产品名称]", "[数量]", "[应付货款]"}) {
            EXPECT_TRUE(text.contains(QString::fromUtf8(variable))) << variable;
        }
    }
    EXPECT_TRUE(ReportTemplates::builtInText(ReportTemplates::kKitchenPerLine)
                    .contains(QStringLiteral("[该账单该菜品总数]")));
    EXPECT_TRUE(ReportTemplates::builtInText(ReportTemplates::kMemberCardReceipt)
                    .contains(QStringLiteral("[入卡金额]")));
}

TEST(DefaultTemplates, InstallWritesWhatIsMissingAndKeepsWhatTheShopEdited) {
    QTemporaryDir dir;
    const QString edited = QDir(dir.path()).filePath(ReportTemplates::kTicketB);
    QFile f(edited);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("page width=75 height=50\n");
    f.close();
    const QStringList written = ReportTemplates::installMissing(dir.path());
    EXPECT_EQ(written.size(), 12);
    EXPECT_FALSE(written.contains(ReportTemplates::kTicketB));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("page width=75 height=50\n"));
    f.close();
    EXPECT_TRUE(ReportTemplates::installMissing(dir.path()).isEmpty());
}

TEST(DefaultTemplates, LoadRestoresAShippedTemplateButReportsAnUnknownMissingOne) {
    QTemporaryDir dir;
    const TemplateLoad shipped = ReportTemplates::load(dir.path(), QStringLiteral("自定义报表4.frf"));
    EXPECT_TRUE(shipped.ok()) << shipped.errorText().toStdString();
    EXPECT_TRUE(QFile::exists(QDir(dir.path()).filePath(QStringLiteral("自定义报表4.frf"))));
    const TemplateLoad unknown = ReportTemplates::load(dir.path(), QStringLiteral("自定义报表9.frf"));
    EXPECT_FALSE(unknown.ok());
    EXPECT_TRUE(unknown.errorText().contains(QStringLiteral("自定义报表9.frf")));
}

TEST(DefaultTemplates, CustomTemplateFollowsLanguageThenStyle) {
    struct Case {
        QString language, style, file;
    };
    for (const Case& c :
         {Case{QStringLiteral("简体中文"), QStringLiteral("样式一"), QStringLiteral("自定义报表.frf")},
          Case{QStringLiteral("简体中文"), QStringLiteral("样式六"), QStringLiteral("自定义报表6.frf")},
          Case{QStringLiteral("英语"), QStringLiteral("样式三"), QStringLiteral("自定义报表英文版.frf")},
          Case{QStringLiteral("简体中文"), QStringLiteral("样式七"), QString()}}) {
        EXPECT_EQ(ReportTemplates::customTemplateFor(c.language, c.style), c.file) << c.style.toStdString();
    }
}

TEST(DefaultTemplates, NewStoreFolderGetsThem) {
    QTemporaryDir dir;
    const QString store = QDir(dir.path()).filePath(QStringLiteral("店"));
    StoreCreator::createFolder(store);
    for (const QString& name : ReportTemplates::defaultNames()) {
        EXPECT_TRUE(QFile::exists(QDir(store).filePath(name))) << name.toStdString();
    }
}

TEST(DefaultTemplates, TicketsFitLongOrdersOnTheLengthenedFirstPage) {
    // A roll ticket that spills onto a second page is cut in two; the shipped ones are drawn so that the
    // first-page lengthening (主项数据高度 22) keeps orders of up to a dozen lines on one page.
    const ReportRows sample = SampleReportData::rows();
    for (const QString& name : ReportTemplates::defaultNames().mid(0, 9)) {
        const ReportTemplate shipped =
            *TemplateParser::parse(ReportTemplates::builtInText(name), name).report;
        for (const int lines : {1, 12}) {
            SCOPED_TRACE(testing::Message() << name.toStdString() << " " << lines);
            ReportTemplate t = shipped;
            t.lengthenFirstPage(ReportTemplate::extraLengthForLines(22, lines));
            ReportRows rows;
            rows.columns = sample.columns;
            for (int i = 0; i < lines; ++i) {
                rows.rows.append(sample.rows.at(i % sample.rows.size()));
            }
            EXPECT_EQ(ReportLayout::layOut(t, SampleReportData::variables(), rows).pages.size(), 1u);
        }
    }
}
