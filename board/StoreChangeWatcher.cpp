#include "board/StoreChangeWatcher.h"

#include <QRegularExpression>
#include <QSqlError>

#include "core/db/Database.h"
#include "core/db/DbError.h"
#include "core/db/Query.h"

namespace lanze {

QString StoreChangeWatcher::channelName(const Database& db) {
    QString channel = QStringLiteral("lanze_orders");
    const QString schema = db.target().schema.toLower();
    if (!schema.isEmpty()) {
        static const QRegularExpression unsafe(QStringLiteral("[^a-z0-9_]"));
        channel += QLatin1Char('_') + QString(schema).replace(unsafe, QStringLiteral("_"));
    }
    return channel;
}

StoreChangeWatcher::StoreChangeWatcher(Database& db, QObject* parent) : QObject(parent), db_(db) {
    settleTimer_.setSingleShot(true);
    settleTimer_.setInterval(50);
    connect(&settleTimer_, &QTimer::timeout, this, &StoreChangeWatcher::ordersChanged);
    if (db_.dialect().isPostgres()) {
        channel_ = channelName(db_);
        QSqlDriver* driver = db_.handle().driver();
        if (!driver->subscribeToNotification(channel_)) {
            throw DbError(QStringLiteral("无法接收其他工作站的订单通知：%1").arg(driver->lastError().text()));
        }
        connect(driver, &QSqlDriver::notification, this, &StoreChangeWatcher::onNotification);
    } else {
        lastVersion_ = dataVersion();
        pollTimer_.setInterval(kPollMilliseconds);
        connect(&pollTimer_, &QTimer::timeout, this, &StoreChangeWatcher::poll);
        pollTimer_.start();
    }
}

StoreChangeWatcher::~StoreChangeWatcher() {
    if (!channel_.isEmpty()) {
        QSqlDriver* driver = db_.handle().driver();
        if (driver) {
            driver->unsubscribeFromNotification(channel_);
        }
    }
}

qint64 StoreChangeWatcher::dataVersion() {
    Query q(db_, QStringLiteral("pragma data_version"));
    q.exec();
    return q.next() ? q.integer(QStringLiteral("data_version")) : -1;
}

void StoreChangeWatcher::poll() {
    qint64 version = -1;
    try {
        version = dataVersion();
    } catch (const DbError&) {
        return;  // the file is busy for a moment; the next poll asks again
    }
    if (version != lastVersion_) {
        lastVersion_ = version;
        announce();
    }
}

void StoreChangeWatcher::onNotification(const QString& name, QSqlDriver::NotificationSource source,
                                        const QVariant&) {
    if (name == channel_ && source != QSqlDriver::SelfSource) {
        announce();
    }
}

void StoreChangeWatcher::announce() {
    if (!settleTimer_.isActive()) {
        settleTimer_.start();
    }
}

void notifyOrdersChanged(Database& db) {
    if (db.dialect().isPostgres()) {
        db.execute(QStringLiteral("notify \"%1\"").arg(StoreChangeWatcher::channelName(db)));
    }
}

}  // namespace lanze
