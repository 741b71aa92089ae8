#include <gtest/gtest.h>

#include "board/TodayStatistics.h"
#include "tests/board/OrderFixture.h"
#include "tests/support/TestStore.h"

using namespace lanze;
using lanze::test::FixtureOrder;

namespace {
const QDate kDay(2026, 12, 10);
}

class TodayStatisticsTest : public lanze::test::StoreTest {
  protected:
    void add(const QString& number, const QDate& day, bool dispatched, bool paid, const QString& payKind,
             const QString& due, std::vector<std::pair<QString, double>> items,
             const QString& type = QStringLiteral("外卖"), const QString& period = QStringLiteral("午餐")) {
        FixtureOrder o;
        o.number = number;
        o.day = day;
        o.dispatched = dispatched;
        o.paid = paid;
        o.payKind = payKind;
        o.due = due;
        o.items = std::move(items);
        o.type = type;
        o.period = period;
        lanze::test::addOrder(db(), o);
    }
};

TEST_P(TodayStatisticsTest, SevenFiguresCountOrdersOnceAndLeaveCreditBillsOutOfTheMoney) {
    // Paid cash order of three lines: its amount counts once, not three times.
    add("A1", kDay, true, true, "现金", "30.50", {{"宫保鸡丁", 1}, {"米饭", 2}, {"可乐", 1}});
    // Dispatched, unpaid.
    add("A2", kDay, true, false, "现金", "12", {{"米饭", 1}});
    // Credit bill: paid as far as the flags go, but counted only under 今日签单.
    add("A3", kDay, false, true, "签单", "100", {{"套餐", 2}});
    // No payment kind recorded: in neither money row.
    add("A4", kDay, false, false, QString(), "7", {{"豆浆", 1}});
    // Dine-in at night: the panel counts every type and day part.
    add("A5", kDay, false, true, "现金", "8.25", {{"水饺", 1.5}}, "堂食", "夜宵");
    // Another day.
    add("B1", kDay.addDays(-1), true, true, "现金", "999", {{"米饭", 9}});

    const TodayFigures f = TodayStatistics::compute(db(), kDay);
    EXPECT_EQ(f.orders, 5);
    EXPECT_DOUBLE_EQ(f.portions, 9.5);
    EXPECT_EQ(f.workDone, 2);
    EXPECT_EQ(f.workOpen, 3);
    EXPECT_EQ(f.takings, *Money::parse("38.75"));
    EXPECT_EQ(f.outstanding, Money::fromYuan(12));
    EXPECT_EQ(f.creditBills, 1);
    EXPECT_EQ(f.texts(), (QStringList{"5  次", "10  份", "2  次", "3  次", "38.75  元", "12  元", "1  张"}));
}

TEST_P(TodayStatisticsTest, DayWithoutOrdersShowsZeroes) {
    add("B1", kDay.addDays(-1), true, true, "现金", "5", {{"米饭", 1}});
    EXPECT_EQ(TodayStatistics::compute(db(), kDay).texts(),
              (QStringList{"0  次", "0  份", "0  次", "0  次", "0  元", "0  元", "0  张"}));
}

TEST_P(TodayStatisticsTest, ItemChartCoversTodayAndTomorrowForTheDayPart) {
    // At 00:30 with a one-hour extension the panel reads the 10th while the chart reads the 11th and 12th.
    const QDate calendarToday = kDay.addDays(1);
    add("C0", kDay, true, true, "现金", "5", {{"米饭", 4}});
    add("C1", calendarToday, true, true, "现金", "5", {{"米饭", 1}, {"可乐", 2}});
    add("C2", calendarToday.addDays(1), true, true, "现金", "5", {{"米饭", 2}});
    add("C3", calendarToday, true, true, "现金", "5", {{"米饭", 5}}, "堂食", "晚餐");
    add("C4", calendarToday.addDays(2), true, true, "现金", "5", {{"米饭", 7}});

    EXPECT_EQ(TodayStatistics::itemChart(db(), calendarToday, DayPart::AllDay),
              (QList<ItemQuantity>{{"可乐", 2}, {"米饭", 8}}));
    EXPECT_EQ(TodayStatistics::itemChart(db(), calendarToday, DayPart::Noon),
              (QList<ItemQuantity>{{"可乐", 2}, {"米饭", 3}}));
    EXPECT_EQ(TodayStatistics::itemChart(db(), calendarToday, DayPart::Afternoon),
              (QList<ItemQuantity>{{"米饭", 5}}));
}

INSTANTIATE_ENGINES(TodayStatisticsTest);
