#include "core/db/Dialect.h"

#include <QRegularExpression>

namespace lanze {

QString Dialect::adaptLegacyStatement(const QString& sql) const {
    static const QRegularExpression alterColumn(
        QStringLiteral(R"(^\s*alter\s+table\s+\S+\s+alter\s+column\s)"),
        QRegularExpression::CaseInsensitiveOption);
    if (alterColumn.match(sql).hasMatch()) {
        return {};
    }
    return sql;
}

}  // namespace lanze
