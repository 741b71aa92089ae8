#include "core/records/TableRows.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "core/db/Database.h"
#include "core/db/Query.h"
#include "core/db/Schema.h"
#include "core/db/Transaction.h"
#include "core/grid/GridRecord.h"

namespace lanze {

namespace {

const TableDef& tableDef(const QString& table) {
    const TableDef* def = Schema::table(table);
    if (!def) {
        throw DbError(QStringLiteral("未知的表 %1").arg(table));
    }
    return *def;
}

// The table's columns that the source holds, each read as its column kind: a query's row or a list's.
template <typename Source, typename Has>
RowValues typedValues(const TableDef& def, const Source& source, Has has) {
    RowValues values;
    for (const ColumnDef& c : def.columns) {
        if (!has(c.name)) {
            continue;
        }
        if (source.isNull(c.name)) {
            values.setNull(c.name);
            continue;
        }
        switch (c.kind) {
            case ColumnKind::Text:
            case ColumnKind::Memo:
                values.setText(c.name, source.text(c.name));
                break;
            case ColumnKind::Integer:
            case ColumnKind::AutoNumber:
                values.setInteger(c.name, source.integer(c.name));
                break;
            case ColumnKind::Number:
                values.setNumber(c.name, source.number(c.name));
                break;
            case ColumnKind::Money:
                values.setMoney(c.name, source.money(c.name));
                break;
            case ColumnKind::YesNo:
                values.setYesNo(c.name, source.yesNo(c.name));
                break;
            case ColumnKind::DateTime:
                values.setDateTime(c.name, source.dateTime(c.name));
                break;
        }
    }
    return values;
}

// Whether every column of the row as read holds the same value now.
bool sameValues(const TableDef& def, const RowValues& asRead, const RowValues& now) {
    for (const ColumnDef& c : def.columns) {
        if (!asRead.contains(c.name)) {
            continue;
        }
        if (asRead.isNull(c.name) || now.isNull(c.name)) {
            if (asRead.isNull(c.name) != now.isNull(c.name)) {
                return false;
            }
            continue;
        }
        bool same = true;
        switch (c.kind) {
            case ColumnKind::Text:
            case ColumnKind::Memo:
                same = asRead.text(c.name) == now.text(c.name);
                break;
            case ColumnKind::Integer:
            case ColumnKind::AutoNumber:
                same = asRead.integer(c.name) == now.integer(c.name);
                break;
            case ColumnKind::Number: {
                // Both sides come from the same stored value; the tolerance only absorbs its text form.
                const double a = asRead.number(c.name);
                const double b = now.number(c.name);
                same = std::abs(a - b) <= 1e-12 * std::max({1.0, std::abs(a), std::abs(b)});
                break;
            }
            case ColumnKind::Money:
                same = asRead.money(c.name) == now.money(c.name);
                break;
            case ColumnKind::YesNo:
                same = asRead.yesNo(c.name) == now.yesNo(c.name);
                break;
            case ColumnKind::DateTime:
                same = asRead.dateTime(c.name) == now.dateTime(c.name);
                break;
        }
        if (!same) {
            return false;
        }
    }
    return true;
}

}  // namespace

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
    Transaction t(*db_);
    checkAsRead(row);
    Query q(*db_, QStringLiteral("update %1 set %2 where %3=:%4")
                      .arg(table_, sets.join(QLatin1Char(',')), identityColumn_, kIdentityField));
    values.bindTo(q);
    bindIdentity(q, row);
    q.exec();
    if (q.rowsAffected() == 0) {
        throw RowChangedElsewhere();
    }
    t.commit();
}

void TableRows::remove(const RowIdentity& row) {
    if (!row.isValid()) {
        throw RowChangedElsewhere();
    }
    Transaction t(*db_);
    checkAsRead(row);
    Query q(*db_, QStringLiteral("delete from %1 where %2=:%3").arg(table_, identityColumn_, kIdentityField));
    bindIdentity(q, row);
    q.exec();
    if (q.rowsAffected() == 0) {
        throw RowChangedElsewhere();
    }
    t.commit();
}

std::optional<RowValues> TableRows::read(const RowIdentity& row) const {
    return readRow(row, false);
}

std::optional<RowValues> TableRows::readRow(const RowIdentity& row, bool lock) const {
    if (!row.isValid()) {
        return std::nullopt;
    }
    Query q(*db_, QStringLiteral("select * from %1 where %2=:%3%4")
                      .arg(table_, identityColumn_, kIdentityField,
                           lock ? db_->dialect().lockRowSuffix() : QString()));
    bindIdentity(q, row);
    if (!q.first()) {
        return std::nullopt;
    }
    return typedValues(tableDef(table_), q, [](const QString&) { return true; });
}

RowIdentity TableRows::identityOf(const GridRecord& listRow) const {
    return RowIdentity(listRow.value(kIdentityField),
                       typedValues(tableDef(table_), listRow,
                                   [&listRow](const QString& column) { return listRow.hasField(column); }));
}

std::optional<RowIdentity> TableRows::reread(const RowIdentity& row) const {
    const std::optional<RowValues> now = read(row);
    if (!now || (row.asRead() && !sameValues(tableDef(table_), *row.asRead(), *now))) {
        return std::nullopt;
    }
    return RowIdentity(row.value(), *now);
}

void TableRows::checkAsRead(const RowIdentity& row) const {
    if (!row.asRead()) {
        return;
    }
    const std::optional<RowValues> now = readRow(row, true);
    if (!now || !sameValues(tableDef(table_), *row.asRead(), *now)) {
        throw RowChangedElsewhere();
    }
}

}  // namespace lanze
