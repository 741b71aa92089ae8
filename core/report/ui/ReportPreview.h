#pragma once

#include <QPrinter>
#include <memory>

#include "core/report/ReportLayout.h"

class QPrintPreviewDialog;
class QWidget;

namespace lanze {

// The print preview of a laid-out report: the platform's preview window with its print button, plus
// an export to PDF. Pages keep their own sizes.
class ReportPreview {
  public:
    // Shows the preview modally; printing from it prints `copies` copies.
    static void show(const LaidOutReport& report, int copies = 1, QWidget* parent = nullptr);

    // The preview window, not yet shown. It paints from `report` and `printer`, which must outlive it.
    static std::unique_ptr<QPrintPreviewDialog> create(const LaidOutReport& report, QPrinter& printer,
                                                       int copies, QWidget* parent = nullptr);
    // Makes ReportPrinting::preview open this window; the program calls it once at start.
    static void install();
    // Asks for a file name and writes the report there as PDF.
    static void exportPdf(const LaidOutReport& report, QWidget* parent);
};

}  // namespace lanze
