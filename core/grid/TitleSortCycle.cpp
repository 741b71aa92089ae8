#include "core/grid/TitleSortCycle.h"

namespace lanze {

void TitleSortCycle::reset(int columnCount) {
    markers_ = QList<SortMarker>(columnCount, SortMarker::None);
    order_ = Order();
}

SortMarker TitleSortCycle::marker(int column) const {
    return column >= 0 && column < markers_.size() ? markers_[column] : SortMarker::None;
}

TitleSortCycle::Order TitleSortCycle::click(int column) {
    if (column < 0 || column >= markers_.size()) {
        return order_;
    }
    switch (markers_[column]) {
        case SortMarker::None:
            markers_[column] = SortMarker::Ascending;
            order_ = Order{column, false};
            break;
        case SortMarker::Ascending:
            markers_[column] = SortMarker::Descending;
            order_ = Order{column, true};
            break;
        case SortMarker::Descending:
            markers_[column] = SortMarker::None;
            order_ = Order();
            break;
    }
    return order_;
}

}  // namespace lanze
