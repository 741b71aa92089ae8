#pragma once

#include <QStringList>
#include <QVariantList>
#include <QWidget>

#include "core/grid/GridModel.h"

class QScrollBar;
class QTableView;

namespace lanze {

class GridFooterStrip;

// The data grid every list window uses: rows of one query, whole-row selection, a footer
// row of sums, counts and captions, title-click sorting, columns the user can drag into another order,
// per-cell colours, and cells of editable columns the user types into (pick lists offer values). What
// is typed waits in the model as the row's pending edit (GridModel); input a cell refuses gives its
// message. Columns that are not editable stay read-only.
//
//   grid->setColumns({GridColumn("单据编号", "单据编号").withFooter(ColumnFooter::count("###张")), ...});
//   Query q(db, "select ... where 购物日期=:rq");
//   q.bindDate("rq", day);
//   grid->setQuery(std::move(q));
class DataGrid : public QWidget {
    Q_OBJECT
  public:
    explicit DataGrid(QWidget* parent = nullptr);

    GridModel* model() const { return model_; }
    QTableView* view() const { return view_; }
    GridFooterStrip* footer() const { return footer_; }

    // Columns with their widths and visibility; the design-time order.
    void setColumns(const QList<GridColumn>& columns);
    // Throws DbError; the grid is then empty.
    void setQuery(Query statement) { model_->setQuery(std::move(statement)); }

    void setMultiSelect(bool on);
    void setFooterVisible(bool on);

    // Rows of the current selection, top to bottom.
    QList<int> selectedRows() const;
    // The stored values of one field in the selected rows, top to bottom.
    QVariantList selectedValues(const QString& field) const;
    int currentRow() const;
    GridRecord currentRecord() const { return model_->record(currentRow()); }

    // Field names of the visible columns as they stand from left to right.
    QStringList columnOrder() const;
    // Puts the named columns first, in the given order; the other visible columns follow as they were.
    // Returns false and leaves the grid as it was when a name is not a visible column, appears twice,
    // or the list is longer than the visible columns.
    bool applyColumnOrder(const QStringList& fields);

    // What a click on a column title does: the sort cycle under the wait cursor. A database error
    // goes to the error box and the grid stays empty.
    void clickTitle(int column);

  signals:
    // The user dragged a column to another place.
    void columnOrderChanged();
    void currentRowChanged(int row);
    // The user began to change a cell of the row, or a cell of it took a pending edit.
    void rowEditing(int row);

  private:
    void syncScrollBar();

    GridModel* model_;
    QTableView* view_;
    GridFooterStrip* footer_;
    QScrollBar* sideways_;  // under the footer, as the footer belongs to the rows above it
    bool applyingOrder_ = false;
};

}  // namespace lanze
