#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "core/report/ReportLayout.h"

class QPrinter;

namespace lanze {

// Sending laid-out reports to printers: printer choice by name, printing without a dialog, copies, and
// the preview window (installed by the program, which owns the widgets).
class ReportPrinting {
  public:
    static inline const QString kNoPrinter = QStringLiteral("该计算机未安装打印机驱动，无法进行打印");

    // The printer for a wanted name: that one when installed, else the default printer, else the first
    // installed one; empty when none is installed.
    static QString choosePrinter(const QString& wanted, const QStringList& installed,
                                 const QString& defaultName);
    static QStringList installedPrinters();
    static QString defaultPrinter();

    // Prints without a dialog on the printer chosen for printerName. False with *error set when no
    // printer is installed or printing fails.
    static bool print(const LaidOutReport& report, const QString& printerName, int copies, QString* error);
    // Prints on a printer already set up (also a printer writing a PDF file). Copies go to the printer
    // when it makes them itself, otherwise the pages are sent that many times.
    static bool printOn(QPrinter& printer, const LaidOutReport& report, int copies);

    // The preview window. The program installs one at start; without one, preview falls back to
    // nothing and returns false.
    using Previewer = std::function<void(const LaidOutReport& report, int copies)>;
    static void installPreviewer(Previewer previewer);
    static bool preview(const LaidOutReport& report, int copies = 1);
};

}  // namespace lanze
