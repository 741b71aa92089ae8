#pragma once

#include <QString>
#include <QVariant>

#include "core/grid/GridColumn.h"

namespace lanze {

// How a raw value of the store is shown in a grid cell of each column kind.
class CellFormat {
  public:
    static QString display(ColumnKind kind, const QVariant& raw);
    // Numbers and amounts line up on the right.
    static bool alignsRight(ColumnKind kind);
};

}  // namespace lanze
