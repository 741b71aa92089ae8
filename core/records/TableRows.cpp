#include "core/records/TableRows.h"

#include <QStringList>

#include "core/db/Database.h"
#include "core/db/Query.h"
#include "core/db/Schema.h"
#include "core/grid/GridRecord.h"

namespace lanze {

TableRows::TableRows(Database& db, QString table, QString identityColumn)
    : db_(&db), table_(std::move(table)), identityColumn_(std::move(identityColumn)) {}

TableRows TableRows::byRowId(Database& db, const QString& table) {
    return TableRows(db, table, db.dialect().rowIdColumn());
}

TableRows TableRows::byKey(Database& db, const QString& table, const QString& keyColumn) {
    return TableRows(db, table, keyColumn);
}

QString TableRows::listSql(const QString& tail) const {
    return QStringLiteral("select %1 as %2, * from %3%4").arg(identityColumn_, kIdentityField, table_, tail);
}

RowIdentity TableRows::identityOf(const GridRecord& listRow) {
    return RowIdentity(listRow.value(kIdentityField));
}

void TableRows::bindIdentity(Query& q, const RowIdentity& row) const {
    const QVariant& v = row.value();
    switch (v.typeId()) {
        case QMetaType::LongLong:
        case QMetaType::Int:
        case QMetaType::ULongLong:
        case QMetaType::UInt:
            q.bindInteger(kIdentityField, v.toLongLong());
            break;
        default:
            // The server's ctid comes back as text such as "(0,3)" and is compared as such.
            q.bindText(kIdentityField, v.toString());
    }
}

void TableRows::insert(const RowValues& values) {
    const QStringList columns = values.columns();
    QStringList params;
    for (const QString& c : columns) {
        params << QLatin1Char(':') + c;
    }
    Query q(*db_, QStringLiteral("insert into %1 (%2) values (%3)")
                      .arg(table_, columns.join(QLatin1Char(',')), params.join(QLatin1Char(','))));
    values.bindTo(q);
    q.exec();
}

void TableRows::update(const RowIdentity& row, const RowValues& values) {
    if (!row.isValid()) {
        throw RowChangedElsewhere();
    }
    QStringList sets;
    for (const QString& c : values.columns()) {
        sets << QStringLiteral("%1=:%1").arg(c);
    }
    if (sets.isEmpty()) {
        return;
    }
    Query q(*db_, QStringLiteral("update %1 set %2 where %3=:%4")
                      .arg(table_, sets.join(QLatin1Char(',')), identityColumn_, kIdentityField));
    values.bindTo(q);
    bindIdentity(q, row);
    q.exec();
    if (q.rowsAffected() == 0) {
        throw RowChangedElsewhere();
    }
}

void TableRows::remove(const RowIdentity& row) {
    if (!row.isValid()) {
        throw RowChangedElsewhere();
    }
    Query q(*db_, QStringLiteral("delete from %1 where %2=:%3").arg(table_, identityColumn_, kIdentityField));
    bindIdentity(q, row);
    q.exec();
    if (q.rowsAffected() == 0) {
        throw RowChangedElsewhere();
    }
}

std::optional<RowValues> TableRows::read(const RowIdentity& row) const {
    if (!row.isValid()) {
        return std::nullopt;
    }
    Query q(*db_,
            QStringLiteral("select * from %1 where %2=:%3").arg(table_, identityColumn_, kIdentityField));
    bindIdentity(q, row);
    if (!q.first()) {
        return std::nullopt;
    }
    const TableDef* def = Schema::table(table_);
    if (!def) {
        throw DbError(QStringLiteral("未知的表 %1").arg(table_));
    }
    RowValues values;
    for (const ColumnDef& c : def->columns) {
        if (q.isNull(c.name)) {
            values.setNull(c.name);
            continue;
        }
        switch (c.kind) {
            case ColumnKind::Text:
            case ColumnKind::Memo:
                values.setText(c.name, q.text(c.name));
                break;
            case ColumnKind::Integer:
            case ColumnKind::AutoNumber:
                values.setInteger(c.name, q.integer(c.name));
                break;
            case ColumnKind::Number:
                values.setNumber(c.name, q.number(c.name));
                break;
            case ColumnKind::Money:
                values.setMoney(c.name, q.money(c.name));
                break;
            case ColumnKind::YesNo:
                values.setYesNo(c.name, q.yesNo(c.name));
                break;
            case ColumnKind::DateTime:
                values.setDateTime(c.name, q.dateTime(c.name));
                break;
        }
    }
    return values;
}

}  // namespace lanze
