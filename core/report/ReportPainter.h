#pragma once

#include <QString>

#include "core/report/ReportLayout.h"

class QPagedPaintDevice;
class QPainter;

namespace lanze {

// Paints laid-out pages onto a printer, a PDF writer or a preview, each page at its own size.
class ReportPainter {
  public:
    static constexpr int kResolution = 1200;  // dots per inch of PDF output and of text measuring

    // Paints every page `copies` times in a row. The device must not be painting yet. False when the
    // device cannot be painted on.
    static bool paint(const LaidOutReport& report, QPagedPaintDevice& device, int copies = 1);
    // Writes the pages to a PDF file; on failure returns false and sets *error.
    static bool toPdf(const LaidOutReport& report, const QString& file, QString* error = nullptr,
                      int copies = 1);

    // Sets the device's page to this page's size with no margins (the pages carry their own).
    static void applyPageSize(QPagedPaintDevice& device, const LaidOutPage& page);
    static void paintPage(QPainter& painter, const LaidOutReport& report, const LaidOutPage& page);
};

}  // namespace lanze
