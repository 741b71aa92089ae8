#pragma once

#include <QSizeF>
#include <QString>
#include <QTemporaryDir>
#include <vector>

#include "core/report/ReportLayout.h"

namespace lanze::test {

// Reads rendered PDFs back with poppler's command-line tools.
struct PdfProbe {
    // Text of the whole document (or of one page, counted from 1), in reading order.
    static QString text(const QString& pdf, int page = 0);
    // Page sizes in points.
    static std::vector<QSizeF> pageSizes(const QString& pdf);
    static double mmToPt(double mm) { return mm * 72.0 / 25.4; }
};

// A PDF of a laid-out report in a temporary folder.
class RenderedPdf {
  public:
    explicit RenderedPdf(const LaidOutReport& report);
    QString path() const { return path_; }
    QString text(int page = 0) const { return PdfProbe::text(path_, page); }
    std::vector<QSizeF> pageSizes() const { return PdfProbe::pageSizes(path_); }

  private:
    QTemporaryDir dir_;
    QString path_;
};

}  // namespace lanze::test
