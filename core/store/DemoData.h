#pragma once

#include <QDate>
#include <QString>
#include <functional>

namespace lanze {

class Database;

// Fills a newly created store with a made-up but plausible shop: regions, customer types, workers,
// a menu of about three hundred items in categories, tastes, tables, customers with phones and
// addresses, and some days of orders ending on a chosen day, each order taken from a logged call.
// The same options and seed always give the same data, so stores of any size can be rebuilt for
// demonstrations and speed measurements.
struct DemoDataOptions {
    int days = 30;  // days of orders, the last one being lastDay
    int customers = 2000;
    quint64 seed = 1;
    QDate lastDay = QDate::currentDate();
    int ordersPerDay = 300;  // an average weekday; weekends are busier
};

struct DemoDataSummary {
    qint64 customers = 0;
    qint64 menuItems = 0;
    qint64 orders = 0;
    qint64 orderLines = 0;
    qint64 calls = 0;
};

class DemoData {
  public:
    // Throws DbError, also when the store already holds customers or orders. Each day of orders is
    // written in one transaction; progress (if given) is called after each day with the days done.
    static DemoDataSummary generate(Database& db, const DemoDataOptions& options,
                                    const std::function<void(int daysDone)>& progress = {});
};

}  // namespace lanze
