#include "core/report/ReportPrinting.h"

#include <QPrinter>
#include <QPrinterInfo>

#include "core/report/ReportPainter.h"

namespace lanze {

namespace {
ReportPrinting::Previewer& installedPreviewer() {
    static ReportPrinting::Previewer previewer;
    return previewer;
}
}  // namespace

QString ReportPrinting::choosePrinter(const QString& wanted, const QStringList& installed,
                                      const QString& defaultName) {
    if (!wanted.isEmpty() && installed.contains(wanted)) {
        return wanted;
    }
    if (!defaultName.isEmpty() && installed.contains(defaultName)) {
        return defaultName;
    }
    return installed.isEmpty() ? QString() : installed.first();
}

QStringList ReportPrinting::installedPrinters() {
    return QPrinterInfo::availablePrinterNames();
}

QString ReportPrinting::defaultPrinter() {
    return QPrinterInfo::defaultPrinterName();
}

bool ReportPrinting::printOn(QPrinter& printer, const LaidOutReport& report, int copies) {
    printer.setFullPage(true);
    copies = std::max(copies, 1);
    if (printer.outputFormat() == QPrinter::NativeFormat && printer.supportsMultipleCopies()) {
        printer.setCopyCount(copies);
        return ReportPainter::paint(report, printer, 1);
    }
    printer.setCopyCount(1);
    return ReportPainter::paint(report, printer, copies);
}

bool ReportPrinting::print(const LaidOutReport& report, const QString& printerName, int copies,
                           QString* error) {
    const QString chosen = choosePrinter(printerName, installedPrinters(), defaultPrinter());
    if (chosen.isEmpty()) {
        if (error) {
            *error = kNoPrinter;
        }
        return false;
    }
    QPrinter printer(QPrinterInfo::printerInfo(chosen), QPrinter::HighResolution);
    printer.setDocName(report.name);
    if (!printOn(printer, report, copies)) {
        if (error) {
            *error = QStringLiteral("打印机“%1”无法打印").arg(chosen);
        }
        return false;
    }
    return true;
}

void ReportPrinting::installPreviewer(Previewer previewer) {
    installedPreviewer() = std::move(previewer);
}

bool ReportPrinting::preview(const LaidOutReport& report, int copies) {
    if (!installedPreviewer()) {
        return false;
    }
    installedPreviewer()(report, copies);
    return true;
}

}  // namespace lanze
