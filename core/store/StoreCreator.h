#pragma once

#include <QString>

namespace lanze {

class Database;
struct ConnectionTarget;

// Makes new stores: the database with every table, the rows the program needs, the first operator, and
// in a store folder also moshi.ini and the empty upgrade command table.
class StoreCreator {
  public:
    static inline const QString kAdminUser = QStringLiteral("admin");
    static inline const QString kInitialPassword = QStringLiteral("123456");
    static inline const QString kInitialisationPassword = QStringLiteral("450618");

    // Creates the tables and rows in an empty database, in one transaction. Throws DbError, also when
    // the database already holds a store.
    static void createDatabase(Database& db, const QString& adminPassword = kInitialPassword);
    // Creates a store folder (which may exist but must not hold a store yet): moshi.ini in server mode,
    // db1.db, and buding.db. Throws DbError.
    static void createFolder(const QString& dir, const QString& adminPassword = kInitialPassword);
    // An empty command table for later upgrades.
    static void createPatchDatabase(const QString& path);

    // True when the folder has neither moshi.ini nor a database: a first start may make a store there.
    static bool isUnusedFolder(const QString& dir);
    static bool holdsStore(Database& db);
};

}  // namespace lanze
