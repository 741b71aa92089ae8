#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

#include "core/grid/GridColumn.h"
#include "core/grid/GridRecord.h"

namespace lanze {

class Query;

// The footer figures of a grid: the row count and the column sums over every row of the grid's
// query, whether or not the grid has fetched them yet. One statement computes them all at once, on
// the database side; money sums stay exact counts of ten-thousandths.
class GridTotals {
  public:
    // Columns whose footer is a sum or a count and whose field the query returns get a figure; the
    // others show their fixed caption or nothing. Throws DbError.
    static GridTotals compute(const Query& statement, const QList<GridColumn>& columns,
                              const FieldIndex& fields);

    qint64 rowCount() const { return rowCount_; }
    // The footer text under a column: its sum, its count format, its caption, or "".
    QString footerText(const GridColumn& column, int columnIndex) const;
    // The same figures from rows already read, when the grid holds the whole result: no second
    // statement for the usual day of a few hundred orders.
    static GridTotals fromRows(const QList<QVariantList>& rows, const QList<GridColumn>& columns,
                               const FieldIndex& fields);

    // Sum of a money column, exact. Zero when the column has no sum.
    Money moneySum(int columnIndex) const;

  private:
    bool counted_ = false;
    qint64 rowCount_ = 0;
    QHash<int, QVariant> sums_;  // raw sum by column index
};

}  // namespace lanze
