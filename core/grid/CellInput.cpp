#include "core/grid/CellInput.h"

#include <QDateTime>
#include <cmath>

#include "core/types/Money.h"

namespace lanze {

std::optional<QVariant> CellInput::parse(CellKind kind, const QVariant& input) {
    if (input.isNull()) {
        return QVariant();
    }
    if (kind == CellKind::YesNo && input.typeId() == QMetaType::Bool) {
        return input;
    }
    // Full-width digits and points from a Chinese input method count as the plain ones.
    const QString text = input.toString().normalized(QString::NormalizationForm_KC).trimmed();
    if (text.isEmpty()) {
        return kind == CellKind::Text ? QVariant(QString()) : QVariant();
    }
    switch (kind) {
        case CellKind::Text:
        case CellKind::Memo:
            return QVariant(input.toString());
        case CellKind::Integer: {
            bool ok = false;
            const qint64 i = text.toLongLong(&ok);
            return ok ? std::optional<QVariant>(QVariant(i)) : std::nullopt;
        }
        case CellKind::Number: {
            bool ok = false;
            const double d = text.toDouble(&ok);
            return ok && std::isfinite(d) ? std::optional<QVariant>(QVariant(d)) : std::nullopt;
        }
        case CellKind::Money: {
            const std::optional<Money> m = Money::parse(text);
            return m ? std::optional<QVariant>(QVariant(qint64(m->units()))) : std::nullopt;
        }
        case CellKind::YesNo: {
            const QString t = text.toLower();
            if (t == QLatin1String("1") || t == QLatin1String("true") || t == QStringLiteral("是")) {
                return QVariant(true);
            }
            if (t == QLatin1String("0") || t == QLatin1String("false") || t == QStringLiteral("否")) {
                return QVariant(false);
            }
            return std::nullopt;
        }
        case CellKind::Date: {
            const QDate d = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
            return d.isValid() ? std::optional<QVariant>(QVariant(QDateTime(d, QTime(0, 0)))) : std::nullopt;
        }
        case CellKind::DateTime: {
            const QDateTime dt = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            return dt.isValid() ? std::optional<QVariant>(QVariant(dt)) : std::nullopt;
        }
    }
    return std::nullopt;
}

QString CellInput::refusal(const GridColumn& column) {
    switch (column.kind) {
        case CellKind::Integer:
            return column.caption() + QStringLiteral("必须是整数");
        case CellKind::Number:
        case CellKind::Money:
            return column.caption() + QStringLiteral("必须是数字");
        case CellKind::YesNo:
            return column.caption() + QStringLiteral("必须是“是”或“否”");
        case CellKind::Date:
            return column.caption() + QStringLiteral("必须是日期，如 2026-12-11");
        case CellKind::DateTime:
            return column.caption() + QStringLiteral("必须是时间，如 2026-12-11 08:30:00");
        case CellKind::Text:
        case CellKind::Memo:
            break;
    }
    return column.caption() + QStringLiteral("的内容无效");
}

}  // namespace lanze
