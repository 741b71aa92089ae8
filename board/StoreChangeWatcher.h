#pragma once

#include <QObject>
#include <QSqlDriver>
#include <QTimer>

namespace lanze {

class Database;

// Tells this station when another station has saved or changed orders in the shared store, so that
// the board can refresh itself instead of waiting for the operator.
//
// On the server every order writer announces its commit (notifyOrdersChanged); the watcher listens on
// the store's channel. On the embedded engine the watcher polls the database file's change counter,
// which moves whenever another connection commits anything (so a call logged elsewhere also counts).
// Changes made through this station's own connection are not reported: its windows refresh the board
// themselves.
class StoreChangeWatcher : public QObject {
    Q_OBJECT
  public:
    static constexpr int kPollMilliseconds = 500;

    // Starts watching at once; db must outlive the watcher. Throws DbError when the store cannot be
    // watched.
    explicit StoreChangeWatcher(Database& db, QObject* parent = nullptr);
    ~StoreChangeWatcher() override;

    // The notification channel of a store; stores in different schemas of one server database do not
    // hear each other.
    static QString channelName(const Database& db);

  signals:
    // Another station changed the store; several changes close together give one signal.
    void ordersChanged();

  private:
    void poll();
    void onNotification(const QString& name, QSqlDriver::NotificationSource source, const QVariant& payload);
    void announce();
    qint64 dataVersion();

    Database& db_;
    QString channel_;
    QTimer pollTimer_;
    QTimer settleTimer_;
    qint64 lastVersion_ = -1;
};

// Called by every order writer after its change (inside or after its transaction): on the server it
// sends the store's notification, delivered to the other stations when the transaction commits; on the
// embedded engine it does nothing, the file's change counter already tells. Throws DbError.
void notifyOrdersChanged(Database& db);

}  // namespace lanze
