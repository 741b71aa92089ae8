#pragma once

#include <QString>
#include <QStringList>

namespace lanze {

// How a grid column shows its field (the display side of the stored column kinds).
enum class CellKind {
    Text,
    Integer,
    Number,    // double precision: quantities, points, discount rates
    Money,     // BIGINT ten-thousandths, shown with two decimals
    YesNo,     // shown as a check mark
    Date,      // shown as yyyy-MM-dd
    DateTime,  // shown as yyyy-MM-dd HH:mm:ss
    Memo       // long text: shown on one line, never sorted
};

// What the footer row shows under one column.
class ColumnFooter {
  public:
    enum class Kind { None, Sum, Count, Text };

    ColumnFooter() = default;
    // The total of the column over every row of the query (exact for money).
    static ColumnFooter sum() { return ColumnFooter(Kind::Sum, QString()); }
    // The number of rows of the query; the first run of '#' in the format is replaced by it: "###张".
    static ColumnFooter count(const QString& format) { return ColumnFooter(Kind::Count, format); }
    // A fixed caption such as "当前订单：".
    static ColumnFooter text(const QString& caption) { return ColumnFooter(Kind::Text, caption); }

    Kind kind() const { return kind_; }
    const QString& text() const { return text_; }
    bool needsTotals() const { return kind_ == Kind::Sum || kind_ == Kind::Count; }

    // "###张" with 12 rows gives "12张". A format without '#' gets the number in front.
    static QString formatCount(const QString& format, qint64 count);

  private:
    ColumnFooter(Kind kind, QString text) : kind_(kind), text_(std::move(text)) {}
    Kind kind_ = Kind::None;
    QString text_;
};

// One column of a data grid: the field of the query it shows and how.
struct GridColumn {
    QString field;  // column name in the query result (matched without regard to letter case)
    QString title;  // caption; the field name when empty
    CellKind kind = CellKind::Text;
    int width = 80;  // pixels
    bool visible = true;
    bool sortable = true;  // title click sorts (memo columns never do)
    ColumnFooter footer;
    // Values offered by a drop-down when the grid lets the user edit this column.
    QStringList pickList;
    // The user may type into the column's cells; what is typed waits in the grid until the window
    // writes the row (memo columns are never edited in the grid).
    bool editable = false;

    GridColumn() = default;
    GridColumn(QString field_, QString title_, CellKind kind_ = CellKind::Text, int width_ = 80)
        : field(std::move(field_)), title(std::move(title_)), kind(kind_), width(width_) {}

    QString caption() const { return title.isEmpty() ? field : title; }
    bool canSort() const { return sortable && kind != CellKind::Memo; }
    bool canEdit() const { return editable && kind != CellKind::Memo; }

    // Chainable setters for building a column list in one expression.
    GridColumn& withFooter(ColumnFooter f) {
        footer = std::move(f);
        return *this;
    }
    GridColumn& hidden() {
        visible = false;
        return *this;
    }
    GridColumn& unsortable() {
        sortable = false;
        return *this;
    }
    GridColumn& editableInGrid() {
        editable = true;
        return *this;
    }
    GridColumn& withPickList(QStringList values) {
        pickList = std::move(values);
        return *this;
    }
};

}  // namespace lanze
