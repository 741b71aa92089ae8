#include "core/db/Database.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

#include "core/db/DbError.h"

namespace lanze {

namespace {
QString nextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("lanze-%1").arg(++counter);
}

QString errorText(const QSqlError& e) {
    QString text = e.text().trimmed();
    return text.isEmpty() ? QStringLiteral("未知的数据库错误") : text;
}
}  // namespace

Database::Database(const ConnectionTarget& target, QString connectionName)
    : target_(target), dialect_(target.engine), connectionName_(std::move(connectionName)) {}

std::unique_ptr<Database> Database::open(const ConnectionTarget& target, OpenMode mode) {
    if (target.engine == Engine::SQLite && mode == OpenMode::MustExist &&
        !QFileInfo(target.sqliteFile).isFile()) {
        throw DbError(QStringLiteral("数据库文件不存在：%1").arg(target.describe()));
    }
    std::unique_ptr<Database> db(new Database(target, nextConnectionName()));
    {
        QSqlDatabase h = QSqlDatabase::addDatabase(
            target.engine == Engine::SQLite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL"),
            db->connectionName_);
        if (!h.isValid()) {
            throw DbError(QStringLiteral("缺少数据库驱动：%1").arg(db->dialect_.name()));
        }
        if (target.engine == Engine::SQLite) {
            h.setDatabaseName(target.sqliteFile);
            // Other stations may hold the file briefly; wait for them instead of failing at once.
            h.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        } else {
            h.setHostName(target.host);
            h.setPort(target.port);
            h.setUserName(target.user);
            h.setPassword(target.password);
            h.setDatabaseName(target.databaseName);
            h.setConnectOptions(QStringLiteral("connect_timeout=5"));
        }
        if (!h.open()) {
            throw DbError(errorText(h.lastError()));
        }
    }
    if (target.engine == Engine::SQLite) {
        db->configureSqlite();
    } else {
        db->execute(QStringLiteral("set client_min_messages to warning"));
        if (!target.schema.isEmpty()) {
            db->execute(QStringLiteral("set search_path to \"%1\"")
                            .arg(QString(target.schema).remove(QLatin1Char('"'))));
        }
    }
    return db;
}

void Database::configureSqlite() {
    // Write-ahead log with full sync: an order that was committed survives a power cut, and readers on
    // other stations are not blocked by a writer.
    execute(QStringLiteral("pragma journal_mode=wal"));
    execute(QStringLiteral("pragma synchronous=full"));
}

Database::~Database() {
    {
        QSqlDatabase h = QSqlDatabase::database(connectionName_, false);
        if (h.isOpen()) {
            if (transactionDepth_ > 0) {
                h.rollback();
            }
            h.close();
        }
    }
    QSqlDatabase::removeDatabase(connectionName_);
}

QSqlDatabase Database::handle() const {
    return QSqlDatabase::database(connectionName_, false);
}

void Database::execute(const QString& sql) {
    QSqlQuery q(handle());
    if (!q.exec(sql)) {
        throw DbError(errorText(q.lastError()));
    }
}

void Database::beginTransaction(bool exclusive) {
    if (transactionDepth_ == 0) {
        if (exclusive && dialect_.isSQLite()) {
            // Takes the write lock at once (waiting up to the busy timeout), not at the first write.
            execute(QStringLiteral("begin immediate"));
        } else if (!handle().transaction()) {
            throw DbError(errorText(handle().lastError()));
        }
        rollbackOnly_ = false;
        if (exclusive && dialect_.isPostgres()) {
            try {
                execute(QStringLiteral(
                    "select pg_advisory_xact_lock(hashtext('lanze-exclusive:' || current_schema()))"));
            } catch (const DbError&) {
                handle().rollback();
                throw;
            }
        }
    } else if (exclusive) {
        throw DbError(QStringLiteral("独占事务不能在另一个事务之中开始"));
    }
    ++transactionDepth_;
}

void Database::commitTransaction() {
    if (transactionDepth_ == 0) {
        throw DbError(QStringLiteral("没有进行中的事务"));
    }
    if (--transactionDepth_ > 0) {
        return;
    }
    if (rollbackOnly_) {
        handle().rollback();
        throw DbError(QStringLiteral("事务中的一步已失败，全部更改已撤销"));
    }
    if (!handle().commit()) {
        const QString reason = errorText(handle().lastError());
        handle().rollback();
        throw DbError(reason);
    }
}

void Database::rollbackTransaction() {
    if (transactionDepth_ == 0) {
        return;
    }
    if (--transactionDepth_ > 0) {
        rollbackOnly_ = true;
        return;
    }
    handle().rollback();
    rollbackOnly_ = false;
}

}  // namespace lanze
