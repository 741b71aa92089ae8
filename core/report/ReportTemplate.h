#pragma once

#include <QColor>
#include <QString>
#include <optional>
#include <vector>

namespace lanze {

// A report template: page, default font and bands of items, all positions in millimetres. Read from
// the text format described in docs/report-templates.md (TemplateParser) or built in code (receipt
// forms, list reports).
struct ReportFont {
    QString family = QStringLiteral("Noto Sans CJK SC");
    double size = 9;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

struct ReportItem {
    enum class Kind { Text, Line, Box, Picture };
    enum class Align { Left, Center, Right };
    enum class VAlign { Top, Middle, Bottom };

    Kind kind = Kind::Text;
    int sourceLine = 0;  // line of the template text, 0 when built in code
    // Text, box and picture: the rectangle. Line: from (x, y) to (x2, y2).
    double x = 0, y = 0, w = 0, h = 0;
    double x2 = 0, y2 = 0;
    QString text;  // text with [name] placeholders; picture: the file name
    ReportFont font;
    Align align = Align::Left;
    VAlign valign = VAlign::Top;
    bool wrap = false;      // break long text inside w; the band grows to fit
    bool frame = false;     // thin rectangle around a text
    double penWidth = 0.2;  // mm, lines and boxes
    bool dashed = false;
    QColor color = Qt::black;
    std::optional<QColor> fill;  // boxes
};

struct ReportBand {
    enum class Kind { Title, Header, Data, Summary };
    Kind kind = Kind::Title;
    double height = 0;  // mm
    int sourceLine = 0;
    std::vector<ReportItem> items;
};

class ReportTemplate {
  public:
    // 0.1 mm: the unit in which first pages are lengthened (see lengthenFirstPage).
    static constexpr double kLengthUnitMm = 0.1;

    QString name;             // file name or a built-in layout's name
    QString folder;           // where pictures named by the template are looked up
    double pageWidth = 210;   // mm
    double pageHeight = 297;  // mm; ignored while autoHeight is set
    bool autoHeight = false;  // a roll page exactly as long as its content
    double marginLeft = 2, marginTop = 2, marginRight = 2, marginBottom = 2;
    ReportFont font;
    std::vector<ReportBand> bands;

    const ReportBand* band(ReportBand::Kind kind) const;
    ReportBand& addBand(ReportBand::Kind kind, double height);

    // Extra length of the first page in 0.1 mm; later pages keep the template's page height.
    int firstPageExtra() const { return firstPageExtra_; }
    void lengthenFirstPage(int units) { firstPageExtra_ += units; }
    // The first page's length in 0.1 mm as the template sets it plus what it was lengthened by. A second
    // report printed on the same roll takes this as its own first-page length (see setFirstPageLength).
    // Meaningless for auto-height pages, which grow to their content anyway.
    int firstPageLength() const;
    void setFirstPageLength(int units);

    // Trunc(itemBandHeight × 2.8 × (lines − 1)) in 0.1 mm, computed in integers: one line (or none)
    // adds nothing; 22 and three lines give 123.
    static int extraLengthForLines(int itemBandHeight, int lines);

  private:
    int firstPageExtra_ = 0;
};

}  // namespace lanze
