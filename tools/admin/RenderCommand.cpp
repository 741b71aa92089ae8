#include <QFileInfo>

#include "core/report/ReceiptForm.h"
#include "core/report/ReportLayout.h"
#include "core/report/ReportPainter.h"
#include "core/report/ReportTemplate.h"
#include "core/report/SampleReportData.h"
#include "core/report/TemplateParser.h"
#include "tools/admin/AdminCommand.h"

namespace lanze {

// lanze-admin render FILE --pdf OUT [--lines N] [--item-height H]: fills a template with the sample
// values and writes the pages to a PDF, so that a template can be checked without a printer. With
// --lines the data band gets N sample rows (repeated as needed) and the first page is lengthened as an
// order of N lines would lengthen it.
namespace {

// lanze-admin render --receipt LAYOUT --width 58|76 --pdf OUT [--lines N]: one of the built-in receipt
// forms with the sample order, for checking a roll printer's paper.
int renderReceipt(const QString& layoutName, QStringList& args, QTextStream& out, QTextStream& err) {
    const QString pdf = takeOption(args, QStringLiteral("--pdf"));
    const QString widthText = takeOption(args, QStringLiteral("--width"), QStringLiteral("76"));
    bool ok = true;
    const int lines = takeOption(args, QStringLiteral("--lines"), QStringLiteral("3")).toInt(&ok);
    static const QStringList layouts = {QStringLiteral("normal"), QStringLiteral("copy1"),
                                        QStringLiteral("copy2"), QStringLiteral("copy3"),
                                        QStringLiteral("kitchen")};
    const qsizetype layout = layouts.indexOf(layoutName);
    if (!args.isEmpty() || pdf.isEmpty() || layout < 0 || !ok || lines < 0 || lines > 10000 ||
        (widthText != QLatin1String("58") && widthText != QLatin1String("76"))) {
        err << "用法：lanze-admin render --receipt normal|copy1|copy2|copy3|kitchen --width 58|76 --pdf OUT "
               "[--lines N]\n";
        return 2;
    }
    const LaidOutReport laidOut = ReceiptForm::layOut(
        ReceiptForm::Layout(layout), ReceiptForm::widthFor(widthText + QStringLiteral("mm")),
        SampleReportData::receiptValues(), SampleReportData::receiptLines(lines));
    QString error;
    if (!ReportPainter::toPdf(laidOut, pdf, &error)) {
        err << error << "\n";
        return 1;
    }
    out << "已生成 " << pdf << "：" << laidOut.pages.size() << " 页\n";
    return 0;
}

}  // namespace

int renderTemplate(const QStringList& argsIn, QTextStream& out, QTextStream& err) {
    QStringList args = argsIn;
    const QString receipt = takeOption(args, QStringLiteral("--receipt"));
    if (!receipt.isEmpty()) {
        return renderReceipt(receipt, args, out, err);
    }
    const QString pdf = takeOption(args, QStringLiteral("--pdf"));
    const QString linesText = takeOption(args, QStringLiteral("--lines"));
    const QString itemHeightText = takeOption(args, QStringLiteral("--item-height"), QStringLiteral("22"));
    if (args.size() != 1 || pdf.isEmpty()) {
        err << "用法：lanze-admin render FILE --pdf OUT [--lines N] [--item-height H]\n";
        return 2;
    }
    bool ok = true;
    const int lines = linesText.isEmpty() ? -1 : linesText.toInt(&ok);
    bool ok2 = true;
    const int itemHeight = itemHeightText.toInt(&ok2);
    if (!ok || !ok2 || (!linesText.isEmpty() && lines < 0) || lines > 10000 || itemHeight < 0) {
        err << "--lines 和 --item-height 应是不小于 0 的整数\n";
        return 2;
    }
    TemplateLoad load = TemplateParser::loadFile(args.first());
    if (!load.ok()) {
        err << load.errorText() << "\n";
        return 1;
    }
    ReportTemplate& report = *load.report;
    ReportRows rows = SampleReportData::rows();
    if (lines >= 0) {
        ReportRows sized;
        sized.columns = rows.columns;
        for (int i = 0; i < lines; ++i) {
            sized.rows.append(rows.rows.at(i % rows.rows.size()));
        }
        rows = sized;
        report.lengthenFirstPage(ReportTemplate::extraLengthForLines(itemHeight, lines));
    }
    const LaidOutReport laidOut = ReportLayout::layOut(report, SampleReportData::variables(), rows);
    QString error;
    if (!ReportPainter::toPdf(laidOut, pdf, &error)) {
        err << error << "\n";
        return 1;
    }
    out << "已生成 " << pdf << "：" << laidOut.pages.size() << " 页\n";
    if (!laidOut.unanswered.isEmpty()) {
        out << "没有取到值的变量（印为空）：" << laidOut.unanswered.join(QStringLiteral("、")) << "\n";
    }
    return 0;
}

}  // namespace lanze
