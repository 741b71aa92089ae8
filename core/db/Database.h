#pragma once

#include <QSqlDatabase>
#include <QString>
#include <memory>

#include "core/db/ConnectionTarget.h"
#include "core/db/Dialect.h"

namespace lanze {

// The one connection of a running program to its store database. Closing happens in the destructor.
class Database {
  public:
    enum class OpenMode {
        MustExist,  // a missing SQLite file is an error, never a silent new empty database
        Create      // a new store is being made: the SQLite file may be created
    };

    // Throws DbError with the engine's reason when the database cannot be opened.
    static std::unique_ptr<Database> open(const ConnectionTarget& target,
                                          OpenMode mode = OpenMode::MustExist);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const Dialect& dialect() const { return dialect_; }
    const ConnectionTarget& target() const { return target_; }
    QSqlDatabase handle() const;

    // Runs one statement without parameters (DDL, pragmas). Throws DbError.
    void execute(const QString& sql);

    // Transaction bookkeeping used by Transaction; nested guards join the outermost one. An exclusive
    // transaction also keeps every other station's exclusive transaction waiting until it ends (used
    // where two stations must not do the same work at once, such as the upgrade at start).
    void beginTransaction(bool exclusive = false);
    void commitTransaction();
    void rollbackTransaction();
    int transactionDepth() const { return transactionDepth_; }

  private:
    Database(const ConnectionTarget& target, QString connectionName);
    void configureSqlite();

    ConnectionTarget target_;
    Dialect dialect_;
    QString connectionName_;
    int transactionDepth_ = 0;
    bool rollbackOnly_ = false;
};

}  // namespace lanze
