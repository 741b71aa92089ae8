#include "core/grid/GridTotals.h"

#include "core/db/Query.h"
#include "core/grid/CellFormat.h"

namespace lanze {

GridTotals GridTotals::compute(const Query& statement, const QList<GridColumn>& columns,
                               const FieldIndex& fields) {
    GridTotals totals;
    QStringList parts{QStringLiteral("count(*) as lanze_rows")};
    QList<int> summed;
    bool wanted = false;
    for (int c = 0; c < columns.size(); ++c) {
        const GridColumn& col = columns[c];
        wanted = wanted || col.footer.needsTotals();
        if (col.footer.kind() == ColumnFooter::Kind::Sum && fields.indexOf(col.field) >= 0) {
            parts << QStringLiteral("sum(%1) as lanze_sum%2").arg(col.field).arg(summed.size());
            summed << c;
        }
    }
    if (!wanted) {
        return totals;
    }
    Query q = statement.wrapped(
        QStringLiteral("select ") + parts.join(QLatin1Char(',')) + QStringLiteral(" from ("),
        QStringLiteral(") lanze_grid"));
    if (q.first()) {
        totals.counted_ = true;
        totals.rowCount_ = q.integer(QStringLiteral("lanze_rows"));
        for (int i = 0; i < summed.size(); ++i) {
            totals.sums_.insert(summed[i], q.value(QStringLiteral("lanze_sum%1").arg(i)));
        }
    }
    return totals;
}

GridTotals GridTotals::fromRows(const QList<QVariantList>& rows, const QList<GridColumn>& columns,
                                const FieldIndex& fields) {
    GridTotals totals;
    totals.counted_ = true;
    totals.rowCount_ = rows.size();
    for (int c = 0; c < columns.size(); ++c) {
        const GridColumn& col = columns[c];
        const int at = fields.indexOf(col.field);
        if (col.footer.kind() != ColumnFooter::Kind::Sum || at < 0) {
            continue;
        }
        if (col.kind == CellKind::Money) {
            Money sum;
            for (const QVariantList& row : rows) {
                sum += Query::toMoney(row.value(at));
            }
            totals.sums_.insert(c, QVariant::fromValue<qlonglong>(sum.units()));
        } else if (col.kind == CellKind::Integer) {
            qint64 sum = 0;
            for (const QVariantList& row : rows) {
                sum += row.value(at).toLongLong();
            }
            totals.sums_.insert(c, QVariant::fromValue<qlonglong>(sum));
        } else {
            double sum = 0;
            for (const QVariantList& row : rows) {
                sum += row.value(at).toString().toDouble();
            }
            totals.sums_.insert(c, sum);
        }
    }
    return totals;
}

Money GridTotals::moneySum(int columnIndex) const {
    return Query::toMoney(sums_.value(columnIndex));
}

QString GridTotals::footerText(const GridColumn& column, int columnIndex) const {
    switch (column.footer.kind()) {
        case ColumnFooter::Kind::None:
            return QString();
        case ColumnFooter::Kind::Text:
            return column.footer.text();
        case ColumnFooter::Kind::Count:
            return counted_ ? ColumnFooter::formatCount(column.footer.text(), rowCount_) : QString();
        case ColumnFooter::Kind::Sum:
            break;
    }
    if (!sums_.contains(columnIndex)) {
        return QString();
    }
    const QVariant raw = sums_.value(columnIndex);
    switch (column.kind) {
        case CellKind::Money:
        case CellKind::Integer:
            return CellFormat::display(column.kind, raw.isNull() ? QVariant(0) : raw);
        default:
            return CellFormat::number(raw.toString().toDouble());
    }
}

}  // namespace lanze
