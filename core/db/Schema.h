#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "core/db/Dialect.h"

namespace lanze {

class Database;

enum class ColumnKind { Text, Memo, Integer, Number, Money, YesNo, DateTime, AutoNumber };

struct ColumnDef {
    QString name;
    ColumnKind kind;
};

struct TableDef {
    QString name;
    std::vector<ColumnDef> columns;
    const ColumnDef* column(const QString& name) const;
};

struct IndexDef {
    QString name;
    QString table;
    QStringList columns;
};

// The store database as the program expects it: every table and column with its kind, and the indexes
// that keep the hot lookups fast. One definition serves creation and checking on both engines.
class Schema {
  public:
    static const std::vector<TableDef>& tables();
    static const std::vector<IndexDef>& indexes();
    static const TableDef* table(const QString& name);

    static QString sqlType(ColumnKind kind, const Dialect& dialect);
    static QStringList createStatements(const Dialect& dialect, bool withIndexes = true);

    // Creates every table and index; the caller holds the transaction.
    static void create(Database& db, bool withIndexes = true);
    static void dropIndexes(Database& db);
    // Creates any index of indexes() that the database lacks.
    static void createIndexes(Database& db);

    // "表 X" or "表 X 的列 Y" for everything the program needs and the database lacks.
    static QStringList missing(Database& db);
};

}  // namespace lanze
