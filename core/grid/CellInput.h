#pragma once

#include <QString>
#include <QVariant>
#include <optional>

#include "core/grid/GridColumn.h"

namespace lanze {

// What a user types into a grid cell, read as a stored value of the column's kind (the input side of
// CellFormat). Empty text clears the cell (null).
class CellInput {
  public:
    // The value as the store keeps it (money as ten-thousandths, dates as QDateTime); nothing when
    // the text is not a value of the kind (letters in a number, 1.5 for an integer, a bad date).
    static std::optional<QVariant> parse(CellKind kind, const QVariant& input);
    // The message for input parse() refused: "排序编号必须是整数".
    static QString refusal(const GridColumn& column);
};

}  // namespace lanze
