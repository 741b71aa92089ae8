#include "core/report/ReportLayout.h"

#include <QFontMetricsF>
#include <QImage>
#include <QSet>
#include <algorithm>

#include "core/report/ReportPainter.h"

namespace lanze {

QString ReportLayout::fill(const QString& text, const std::function<QString(const QString&)>& lookup) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('[')) {
            out += c;
            continue;
        }
        if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('[')) {
            out += c;
            ++i;
            continue;
        }
        const qsizetype close = text.indexOf(QLatin1Char(']'), i + 1);
        if (close < 0) {
            out += text.mid(i);
            break;
        }
        out += lookup(text.mid(i + 1, close - i - 1).trimmed());
        i = close;
    }
    return out;
}

QFont ReportLayout::qfont(const ReportFont& f) {
    QFont font(f.family);
    font.setPointSizeF(f.size);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    // Shaped Latin runs of CJK fonts use glyph variants with no character of their own, so PDF text
    // of "A1008" would read back as "A"; unshaped glyphs keep the text searchable and copyable.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

double ReportLayout::textHeight(const ReportItem& item, const QString& text) {
    // Measured at the resolution the painter draws at, so that layout and painting agree.
    static QImage probe = [] {
        QImage img(1, 1, QImage::Format_ARGB32);
        const int dpm = int(ReportPainter::kResolution / 0.0254);
        img.setDotsPerMeterX(dpm);
        img.setDotsPerMeterY(dpm);
        return img;
    }();
    const QFontMetricsF fm(qfont(item.font), &probe);
    const double pxPerMm = ReportPainter::kResolution / 25.4;
    const int flags = item.wrap ? int(Qt::TextWordWrap) : 0;
    const QRectF r = fm.boundingRect(QRectF(0, 0, std::max(item.w, 1.0) * pxPerMm, 1e6), flags, text);
    return r.height() / pxPerMm;
}

namespace {

class Pager {
  public:
    Pager(const ReportTemplate& t, const ReportVariables& vars, const ReportRows& rows, LaidOutReport& out)
        : t_(t), vars_(vars), rows_(rows), out_(out) {}

    void run() {
        startPage();
        if (const ReportBand* data = t_.band(ReportBand::Kind::Data)) {
            for (qsizetype r = 0; r < rows_.size(); ++r) {
                place(*data, r);
            }
        }
        if (const ReportBand* summary = t_.band(ReportBand::Kind::Summary)) {
            place(*summary, -1);
        }
        if (t_.autoHeight) {
            out_.pages.back().height =
                y_ + t_.marginBottom + t_.firstPageExtra() * ReportTemplate::kLengthUnitMm;
        }
    }

  private:
    struct Filled {
        std::vector<ReportItem> items;
        double height = 0;
    };

    QString lookup(const QString& name, qsizetype row) {
        if (row >= 0) {
            if (rows_.hasColumn(name)) {
                return rows_.cell(row, name);
            }
            if (name == QStringLiteral("序号")) {
                return QString::number(row + 1);
            }
        }
        if (const auto v = vars_.value(name)) {
            return *v;
        }
        if (!out_.unanswered.contains(name)) {
            out_.unanswered << name;
        }
        return QString();
    }

    Filled fillBand(const ReportBand& band, qsizetype row) {
        Filled f;
        f.height = band.height;
        for (const ReportItem& source : band.items) {
            ReportItem it = source;
            if (it.kind == ReportItem::Kind::Text) {
                it.text = ReportLayout::fill(source.text, [&](const QString& n) { return lookup(n, row); });
                it.text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
                if (it.wrap || it.text.contains(QLatin1Char('\n'))) {
                    // A text that needs more room than it was given stretches the band downwards.
                    const double needed = ReportLayout::textHeight(it, it.text);
                    if (needed > it.h) {
                        it.h = needed;
                    }
                    f.height = std::max(f.height, it.y + it.h);
                }
            }
            f.items.push_back(it);
        }
        return f;
    }

    void startPage() {
        LaidOutPage page;
        page.width = t_.pageWidth;
        const bool first = out_.pages.empty();
        page.height = t_.pageHeight + (first ? t_.firstPageExtra() * ReportTemplate::kLengthUnitMm : 0);
        out_.pages.push_back(page);
        y_ = t_.marginTop;
        bodyOnPage_ = false;
        if (first) {
            if (const ReportBand* title = t_.band(ReportBand::Kind::Title)) {
                put(fillBand(*title, -1));
            }
        }
        if (const ReportBand* header = t_.band(ReportBand::Kind::Header)) {
            put(fillBand(*header, -1));
        }
    }

    void place(const ReportBand& band, qsizetype row) {
        Filled f = fillBand(band, row);
        const double limit = out_.pages.back().height - t_.marginBottom;
        // A band that does not fit goes to a new page, unless the page holds nothing but its headings
        // (a band taller than a whole page would otherwise never be placed).
        if (!t_.autoHeight && bodyOnPage_ && y_ + f.height > limit + 1e-6) {
            startPage();
        }
        put(std::move(f));
        bodyOnPage_ = true;
    }

    void put(Filled f) {
        LaidOutPage& page = out_.pages.back();
        for (ReportItem& it : f.items) {
            it.x += t_.marginLeft;
            it.y += y_;
            it.x2 += t_.marginLeft;
            it.y2 += y_;
            page.items.push_back(std::move(it));
        }
        y_ += f.height;
    }

    const ReportTemplate& t_;
    const ReportVariables& vars_;
    const ReportRows& rows_;
    LaidOutReport& out_;
    double y_ = 0;
    bool bodyOnPage_ = false;
};

}  // namespace

LaidOutReport ReportLayout::layOut(const ReportTemplate& report, const ReportVariables& variables,
                                   const ReportRows& rows) {
    LaidOutReport out;
    out.name = report.name;
    out.folder = report.folder;
    Pager(report, variables, rows, out).run();
    return out;
}

}  // namespace lanze
