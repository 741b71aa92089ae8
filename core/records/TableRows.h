#pragma once

#include <QString>
#include <QVariant>
#include <optional>

#include "core/db/DbError.h"
#include "core/records/RowValues.h"

namespace lanze {

class Database;
class GridRecord;

// The row a statement meant to change was changed or removed by another station since it was read.
class RowChangedElsewhere : public DbError {
  public:
    static inline const QString kText = QStringLiteral("这条记录已被其他站点修改，请重新打开");
    RowChangedElsewhere() : DbError(kText) {}
};

// How a list addresses one of its rows: the key column's value, or the engine's own row id for tables
// without a key. Read from a list row's hidden field 行号, together with the row's values as the list
// showed them: an engine row id is handed to a new row once its old row is gone (a deleted last row's
// rowid, a vacuumed ctid), so the values tell whether the id still names the row the user picked.
class RowIdentity {
  public:
    RowIdentity() = default;
    explicit RowIdentity(QVariant value) : value_(std::move(value)) {}
    RowIdentity(QVariant value, RowValues asRead) : value_(std::move(value)), asRead_(std::move(asRead)) {}
    bool isValid() const { return !value_.isNull() && value_.isValid(); }
    const QVariant& value() const { return value_; }
    // The row's values when it was read; nothing when only the id is known.
    const std::optional<RowValues>& asRead() const { return asRead_; }
    bool operator==(const RowIdentity& other) const { return value_ == other.value_; }

  private:
    QVariant value_;
    std::optional<RowValues> asRead_;
};

// The rows of one table, each addressed by its identity: insert, update, remove and read one row.
// Tables with a key use it; the keyless lookup tables use the engine's row id. A change addressed by an
// identity that holds the row as read first locks and compares the row, in one transaction; a change
// that finds its row gone or changed by another station throws RowChangedElsewhere and changes nothing.
class TableRows {
  public:
    // The hidden field of a list query that holds each row's identity.
    static inline const QString kIdentityField = QStringLiteral("行号");

    static TableRows byRowId(Database& db, const QString& table);
    static TableRows byKey(Database& db, const QString& table, const QString& keyColumn);

    Database& database() const { return *db_; }
    const QString& table() const { return table_; }
    // The column the statements address rows by: the key, or rowid / ctid.
    const QString& identityColumn() const { return identityColumn_; }

    // "select <identity> as 行号, * from <table>" followed by the tail (" order by 区域").
    QString listSql(const QString& tail = QString()) const;
    // The identity of a row of the list, with the table's columns the list shows as the row as read.
    RowIdentity identityOf(const GridRecord& listRow) const;
    // The identity with the row's present values, when the row is still as the identity read it;
    // nothing when the row is gone or was changed.
    std::optional<RowIdentity> reread(const RowIdentity& row) const;

    void insert(const RowValues& values);
    void update(const RowIdentity& row, const RowValues& values);
    void remove(const RowIdentity& row);
    // The row's values, typed by the table's columns; nothing when the row is gone.
    std::optional<RowValues> read(const RowIdentity& row) const;

  private:
    TableRows(Database& db, QString table, QString identityColumn);
    void bindIdentity(class Query& q, const RowIdentity& row) const;
    std::optional<RowValues> readRow(const RowIdentity& row, bool lock) const;
    // Inside the caller's transaction: throws RowChangedElsewhere unless the row is as it was read.
    void checkAsRead(const RowIdentity& row) const;

    Database* db_;
    QString table_;
    QString identityColumn_;
};

}  // namespace lanze
