#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QMap>
#include <QSharedPointer>
#include <QSqlQuery>
#include <functional>
#include <memory>
#include <optional>

#include "core/db/Query.h"
#include "core/grid/GridColumn.h"
#include "core/grid/GridRecord.h"
#include "core/grid/GridTotals.h"
#include "core/grid/TitleSortCycle.h"
#include "core/records/RowValues.h"

namespace lanze {

// Colours a cell asks for; an empty member leaves the grid's own colour.
struct CellColours {
    std::optional<QColor> background;
    std::optional<QColor> foreground;
};

// The rows of one query for a data grid. The window builds and binds the statement with
// Query and hands it over; the model reads the result in batches as the view scrolls, so a query of a
// hundred thousand rows shows at once. Footer figures come from one statement over the whole query,
// and a title sort runs the query again ordered by the column, so neither needs every row in memory.
//
// Cells of editable columns take what the user types: the value is checked against the column's kind
// and held for its row as a pending edit, shown in place of the value read, until the window writes the
// row and reads the list again, or drops the edits. The rows as read (record()) never change.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // The stored value of a cell, before formatting.
    static constexpr int RawValueRole = Qt::UserRole + 1;
    // The column's pick list (QStringList), for an editor; any model that answers it gets drop-downs.
    static constexpr int PickListRole = Qt::UserRole + 2;
    static constexpr int BatchSize = 512;

    using ColourHook = std::function<CellColours(const GridRecord& row, const GridColumn& column)>;

    explicit GridModel(QObject* parent = nullptr);
    ~GridModel() override;

    // A new column list drops the rows; set the query again afterwards.
    void setColumns(const QList<GridColumn>& columns);
    const QList<GridColumn>& columns() const { return columns_; }
    const GridColumn& column(int c) const { return columns_[c]; }
    // The column showing a field (without regard to letter case), or -1.
    int columnOf(const QString& field) const;

    // Shows the rows of a statement, executing it first when the caller has not. Sort markers are
    // cleared: the rows come in the query's own order. Throws DbError; the grid is then empty.
    void setQuery(Query statement);
    // Runs the same statement again (after the data changed), keeping the title sort.
    void refresh();
    void clear();
    bool hasQuery() const { return bool(statement_); }

    GridRecord record(int row) const;
    QVariant rawValue(int row, int column) const;
    // Whether the query returned the column's field.
    bool hasField(int column) const;
    // Reads the rest of the result.
    void fetchAll();
    // Rows of the query, fetched or not (as the footer counts them); -1 while no footer needs it.
    qint64 totalRows() const;

    QString footerText(int column) const;
    // Replaces a column's footer by a caption (a figure the window works out itself).
    void setFooterText(int column, const QString& text);
    const GridTotals& totals() const { return totals_; }

    SortMarker sortMarker(int column) const { return sort_.marker(column); }
    TitleSortCycle::Order sortOrder() const { return sort_.order(); }
    // A title click: moves the column's marker on and orders the rows by it, or brings back the query
    // order. Returns false and changes nothing for a column that cannot be sorted. Throws DbError.
    bool clickTitle(int column);

    // Pending edits: the values typed into a row's editable cells, typed by their column kinds, for
    // the window to write. Empty when the row has none.
    RowValues pendingValues(int row) const;
    bool hasPendingEdit(int row) const { return pending_.contains(row); }
    // Drops every pending edit; the cells show the values read again.
    void dropPendingEdits();

    void setColourHook(ColourHook hook);
    CellColours colours(int row, int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Edit role on an editable cell: holds the value as the row's pending edit. Input that is not a
    // value of the column's kind is refused (false, editRefused) and the cell keeps what it showed.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    bool canFetchMore(const QModelIndex& parent = QModelIndex()) const override;
    void fetchMore(const QModelIndex& parent = QModelIndex()) override;

  signals:
    void footerChanged();
    // A row's cell took a pending edit: the window puts the row into its edit state.
    void rowEdited(int row);
    // Input refused by a cell, with the message that says why ("排序编号必须是整数").
    void editRefused(int row, int column, const QString& message);

  private:
    void rereadRows();  // a whole model reset; an empty grid when the statement fails
    void runRows();     // inside a model reset
    void updateTotals();
    static bool mustHoldWholeResult(const Query& statement);
    static void prepareForBatches(Query& statement);
    QList<QVariantList> readBatch(int limit);
    void dropRows();
    void forgetQuery();
    // The value a cell shows: its pending edit, else the value read.
    QVariant shownValue(int row, int column) const;

    QList<GridColumn> columns_;
    std::unique_ptr<Query> statement_;  // the statement as given, never executed itself
    QSqlQuery result_;
    bool atEnd_ = true;
    QSharedPointer<const FieldIndex> fields_;
    QList<int> sourceOf_;  // result position of each column's field, -1 when not returned
    QList<QVariantList> rows_;
    GridTotals totals_;
    QHash<int, QString> footerOverrides_;
    TitleSortCycle sort_;
    ColourHook colourHook_;
    QHash<int, QMap<int, QVariant>> pending_;  // row -> column -> value as the store keeps it
};

}  // namespace lanze
