#pragma once

#include <QString>

#include "core/records/RowValues.h"

namespace lanze {

// How an editor's box shows a stored number: empty for null, the shortest exact text otherwise
// ("9", "8.5", "2.5" for money).
struct NumberText {
    static QString number(const RowValues& row, const QString& column) {
        return row.isNull(column) ? QString() : QString::number(row.number(column), 'g', 15);
    }
    static QString money(const RowValues& row, const QString& column) {
        return row.isNull(column) ? QString() : row.money(column).toPlainString();
    }
};

}  // namespace lanze
