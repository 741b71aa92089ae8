#pragma once

#include <QList>

namespace lanze {

enum class SortMarker { None, Ascending, Descending };

// The title-click sort of a grid: each click moves the clicked column's marker on (none → ascending →
// descending → none) and makes the rows follow that column alone; returning to no marker brings back
// the query's own order. Markers of the other columns are left where they were, so several titles can
// show a marker while only the last clicked one orders the rows.
class TitleSortCycle {
  public:
    struct Order {
        int column = -1;  // -1: the query's own order
        bool descending = false;
        bool operator==(const Order&) const = default;
    };

    void reset(int columnCount);
    SortMarker marker(int column) const;
    // Moves the column's marker on and returns the order the rows must now follow.
    Order click(int column);
    Order order() const { return order_; }

  private:
    QList<SortMarker> markers_;
    Order order_;
};

}  // namespace lanze
