#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "board/BusinessDay.h"
#include "core/types/Money.h"

namespace lanze {

class Database;

// The seven figures of the 今日统计 box for one business day. They count every order type and day part.
struct TodayFigures {
    qint64 orders = 0;    // 今日订单 (orders)
    double portions = 0;  // 今日订单 (portions, the summed quantities)
    qint64 workDone = 0;  // 今日工作 (dispatched orders)
    qint64 workOpen = 0;  // 未完成工作 (orders not yet dispatched)
    Money takings;  // 今日收款: paid orders, each counted once, credit bills and unknown kinds left out
    Money outstanding;       // 今日未收: unpaid orders, the same way
    qint64 creditBills = 0;  // 今日签单 (orders settled by credit bill)

    // The seven texts as the box shows them, top to bottom ("12  次", "30  份", ... "2  张").
    QStringList texts() const;
    bool operator==(const TodayFigures&) const = default;
};

// One bar of the item chart: an item and the quantity sold.
struct ItemQuantity {
    QString item;
    double quantity = 0;
    bool operator==(const ItemQuantity&) const = default;
};

class TodayStatistics {
  public:
    static inline const QString kCreditBill = QStringLiteral("签单");

    static TodayFigures compute(Database& db, const QDate& businessDay);

    // The bars of 菜品销售情况: quantities per item on the calendar dates today and tomorrow (no
    // business-day shift), for the board's day part, by item name.
    static QList<ItemQuantity> itemChart(Database& db, const QDate& calendarToday, DayPart part);
};

}  // namespace lanze
