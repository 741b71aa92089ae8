#include "core/grid/CellFormat.h"

#include <QLocale>

#include "core/db/DbError.h"
#include "core/db/Query.h"

namespace lanze {

QString CellFormat::display(ColumnKind kind, const QVariant& raw) {
    if (raw.isNull()) {
        return QString();
    }
    switch (kind) {
        case ColumnKind::Text:
            return Query::toText(raw);
        case ColumnKind::Memo: {
            // A memo shows its first stretch of text on one line; the editor shows it whole.
            QString s = Query::toText(raw);
            s.replace(QLatin1String("\r\n"), QLatin1String(" "));
            s.replace(QLatin1Char('\n'), QLatin1Char(' '));
            s.replace(QLatin1Char('\r'), QLatin1Char(' '));
            return s;
        }
        case ColumnKind::Integer: {
            bool ok = false;
            const qint64 i = raw.toLongLong(&ok);
            return ok ? QString::number(i) : Query::toText(raw);
        }
        case ColumnKind::Number: {
            bool ok = false;
            const double d = raw.toString().trimmed().toDouble(&ok);
            return ok ? QString::number(d, 'g', QLocale::FloatingPointShortest) : Query::toText(raw);
        }
        case ColumnKind::Money:
            try {
                return Query::toMoney(raw).toString(2);
            } catch (const DbError&) {
                return Query::toText(raw);
            }
        case ColumnKind::YesNo:
            return QString();  // shown as a check mark
        case ColumnKind::Date: {
            const QDateTime dt = Query::toDateTime(raw);
            return dt.isValid() ? dt.date().toString(QStringLiteral("yyyy-MM-dd")) : Query::toText(raw);
        }
        case ColumnKind::DateTime: {
            const QDateTime dt = Query::toDateTime(raw);
            return dt.isValid() ? dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : Query::toText(raw);
        }
    }
    return Query::toText(raw);
}

bool CellFormat::alignsRight(ColumnKind kind) {
    return kind == ColumnKind::Integer || kind == ColumnKind::Number || kind == ColumnKind::Money;
}

}  // namespace lanze
