#pragma once

#include <QString>
#include <QVariant>

#include "core/grid/GridColumn.h"

namespace lanze {

// How a raw value of the store is shown in a grid cell of each column kind.
class CellFormat {
  public:
    static QString display(CellKind kind, const QVariant& raw);
    static QString number(double value);
    // Numbers and amounts line up on the right.
    static bool alignsRight(CellKind kind);
};

}  // namespace lanze
