#include "core/grid/CellFormat.h"

#include <QLocale>

#include "core/db/DbError.h"
#include "core/db/Query.h"

namespace lanze {

QString CellFormat::display(CellKind kind, const QVariant& raw) {
    if (raw.isNull()) {
        return QString();
    }
    switch (kind) {
        case CellKind::Text:
            return Query::toText(raw);
        case CellKind::Memo: {
            // A memo shows its first stretch of text on one line; the editor shows it whole.
            QString s = Query::toText(raw);
            s.replace(QLatin1String("\r\n"), QLatin1String(" "));
            s.replace(QLatin1Char('\n'), QLatin1Char(' '));
            s.replace(QLatin1Char('\r'), QLatin1Char(' '));
            return s;
        }
        case CellKind::Integer: {
            bool ok = false;
            const qint64 i = raw.toLongLong(&ok);
            return ok ? QString::number(i) : Query::toText(raw);
        }
        case CellKind::Number: {
            bool ok = false;
            const double d = raw.toString().trimmed().toDouble(&ok);
            return ok ? number(d) : Query::toText(raw);
        }
        case CellKind::Money:
            try {
                return Query::toMoney(raw).toString(2);
            } catch (const DbError&) {
                return Query::toText(raw);
            }
        case CellKind::YesNo:
            return QString();  // shown as a check mark
        case CellKind::Date: {
            const QDateTime dt = Query::toDateTime(raw);
            return dt.isValid() ? dt.date().toString(QStringLiteral("yyyy-MM-dd")) : Query::toText(raw);
        }
        case CellKind::DateTime: {
            const QDateTime dt = Query::toDateTime(raw);
            return dt.isValid() ? dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : Query::toText(raw);
        }
    }
    return Query::toText(raw);
}

QString CellFormat::number(double value) {
    // Plain decimals, never an exponent: 200000, 0.75.
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

bool CellFormat::alignsRight(CellKind kind) {
    return kind == CellKind::Integer || kind == CellKind::Number || kind == CellKind::Money;
}

}  // namespace lanze
