#pragma once

#include <QFont>
#include <QStringList>
#include <functional>
#include <vector>

#include "core/report/ReportData.h"
#include "core/report/ReportTemplate.h"

namespace lanze {

// One page ready to paint: its size and its items at page coordinates (mm) with their texts filled in.
struct LaidOutPage {
    double width = 0;   // mm
    double height = 0;  // mm
    std::vector<ReportItem> items;
};

struct LaidOutReport {
    QString name;
    QString folder;  // pictures are looked up here
    std::vector<LaidOutPage> pages;
    QStringList unanswered;  // placeholder names nobody answered (printed empty)
};

// Fills a template with variables and rows and cuts it into pages: the title band on the first page,
// the column header on every page, the data band once per row, the summary after the last row. The
// first page is as long as the template says plus what it was lengthened by; a band that no longer
// fits starts a new page.
class ReportLayout {
  public:
    static LaidOutReport layOut(const ReportTemplate& report, const ReportVariables& variables,
                                const ReportRows& rows = ReportRows());

    // Replaces every [名称] with lookup(名称); "[[" gives "[".
    static QString fill(const QString& text, const std::function<QString(const QString&)>& lookup);
    static QFont qfont(const ReportFont& font);
    // Height in mm that a text needs when drawn into width w (mm) with the item's font.
    static double textHeight(const ReportItem& item, const QString& text);
};

}  // namespace lanze
