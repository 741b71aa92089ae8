#include "core/grid/GridColumn.h"

namespace lanze {

QString ColumnFooter::formatCount(const QString& format, qint64 count) {
    const QString number = QString::number(count);
    const qsizetype start = format.indexOf(QLatin1Char('#'));
    if (start < 0) {
        return number + format;
    }
    qsizetype end = start;
    while (end < format.size() && format[end] == QLatin1Char('#')) {
        ++end;
    }
    return format.left(start) + number + format.mid(end);
}

}  // namespace lanze
