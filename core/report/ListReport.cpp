#include "core/report/ListReport.h"

namespace lanze {

namespace {
QString literal(QString text) {
    return text.replace(QLatin1Char('['), QStringLiteral("[["));
}
QString cellName(qsizetype column) {
    return QStringLiteral("列%1").arg(column + 1);
}
}  // namespace

ReportRows ListReport::rows(const ListReportData& data) {
    ReportRows r;
    for (qsizetype c = 0; c < data.columns.size(); ++c) {
        r.columns << cellName(c);
    }
    r.rows = data.rows;
    return r;
}

ReportTemplate ListReport::build(const ListReportData& data) {
    ReportTemplate t;
    t.name = data.title;
    t.pageWidth = data.landscape ? 297 : 210;
    t.pageHeight = data.landscape ? 210 : 297;
    t.marginLeft = t.marginRight = 15;
    t.marginTop = t.marginBottom = 15;
    t.font.size = 9;
    const double usable = t.pageWidth - t.marginLeft - t.marginRight;

    double total = 0;
    for (const ListReportColumn& c : data.columns) {
        total += std::max(c.width, 0.0);
    }
    QList<double> xs, ws;
    double x = 0;
    for (const ListReportColumn& c : data.columns) {
        const double w = total > 0 ? usable * std::max(c.width, 0.0) / total : usable / data.columns.size();
        xs << x;
        ws << w;
        x += w;
    }
    auto text = [&](ReportBand& band, double tx, double ty, double tw, double th,
                    const QString& content) -> ReportItem& {
        ReportItem it;
        it.kind = ReportItem::Kind::Text;
        it.x = tx;
        it.y = ty;
        it.w = tw;
        it.h = th;
        it.text = content;
        it.font = t.font;
        band.items.push_back(it);
        return band.items.back();
    };
    auto rule = [&](ReportBand& band, double y, double width) {
        ReportItem it;
        it.kind = ReportItem::Kind::Line;
        it.x = 0;
        it.x2 = usable;
        it.y = it.y2 = y;
        it.penWidth = width;
        band.items.push_back(it);
    };

    ReportBand& title = t.addBand(ReportBand::Kind::Title, data.subtitle.isEmpty() ? 14 : 21);
    ReportItem& caption = text(title, 0, 0, usable, 10, literal(data.title));
    caption.font.size = 16;
    caption.font.bold = true;
    caption.align = ReportItem::Align::Center;
    if (!data.subtitle.isEmpty()) {
        ReportItem& sub = text(title, 0, 11, usable, 6, literal(data.subtitle));
        sub.font.size = 10;
        sub.align = ReportItem::Align::Center;
    }

    ReportBand& header = t.addBand(ReportBand::Kind::Header, 8);
    rule(header, 0.5, 0.4);
    for (qsizetype c = 0; c < data.columns.size(); ++c) {
        ReportItem& it = text(header, xs[c] + 1, 1.5, ws[c] - 2, 5, literal(data.columns[c].title));
        it.font.bold = true;
        it.align = data.columns[c].alignRight ? ReportItem::Align::Right : ReportItem::Align::Left;
    }
    rule(header, 7.5, 0.4);

    ReportBand& row = t.addBand(ReportBand::Kind::Data, 6);
    for (qsizetype c = 0; c < data.columns.size(); ++c) {
        ReportItem& it =
            text(row, xs[c] + 1, 0.7, ws[c] - 2, 5, QLatin1Char('[') + cellName(c) + QLatin1Char(']'));
        it.wrap = true;
        it.align = data.columns[c].alignRight ? ReportItem::Align::Right : ReportItem::Align::Left;
    }

    bool hasFooter = false;
    for (const QString& f : data.footer) {
        hasFooter = hasFooter || !f.isEmpty();
    }
    if (hasFooter) {
        ReportBand& summary = t.addBand(ReportBand::Kind::Summary, 9);
        rule(summary, 0.5, 0.4);
        for (qsizetype c = 0; c < data.columns.size() && c < data.footer.size(); ++c) {
            ReportItem& it = text(summary, xs[c] + 1, 2, ws[c] - 2, 5, literal(data.footer[c]));
            it.font.bold = true;
            it.wrap = true;
            it.align = data.columns[c].alignRight ? ReportItem::Align::Right : ReportItem::Align::Left;
        }
    }
    return t;
}

LaidOutReport ListReport::layOut(const ListReportData& data) {
    return ReportLayout::layOut(build(data), VariableMap(), rows(data));
}

}  // namespace lanze
