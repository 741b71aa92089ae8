#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "core/report/ReportLayout.h"

namespace lanze {

// A printable list: what a grid shows (column titles, widths, rows of text, footer texts) under a
// title and an optional second title line, on A4 paper. The grids of the query windows feed it.
struct ListReportColumn {
    QString title;
    double width = 1;         // relative: the columns share the page width in these proportions
    bool alignRight = false;  // amounts and counts
};

struct ListReportData {
    QString title;
    QString subtitle;  // e.g. "从2026-12-01到2026-12-11"; empty leaves the line out
    QList<ListReportColumn> columns;
    QList<QStringList> rows;  // one text per column
    QStringList footer;       // one text per column (sums, counts, captions); empty for no footer
    bool landscape = false;
};

class ListReport {
  public:
    static ReportTemplate build(const ListReportData& data);
    static ReportRows rows(const ListReportData& data);
    static LaidOutReport layOut(const ListReportData& data);
};

}  // namespace lanze
