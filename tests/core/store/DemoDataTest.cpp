#include <gtest/gtest.h>

#include <QMap>
#include <QSqlQuery>
#include <QSqlRecord>

#include "core/db/DbError.h"
#include "core/db/Query.h"
#include "core/store/DemoData.h"
#include "tests/support/TestStore.h"

using namespace lanze;

namespace {
DemoDataOptions small(quint64 seed) {
    DemoDataOptions o;
    o.days = 3;
    o.customers = 25;
    o.ordersPerDay = 12;
    o.seed = seed;
    o.lastDay = QDate(2026, 12, 11);
    return o;
}

// Every row of a table as text, in key order.
QStringList dump(Database& db, const QString& table, const QString& key) {
    QSqlQuery q(db.handle());
    EXPECT_TRUE(q.exec(QStringLiteral("select * from %1 order by %2").arg(table, key)));
    QStringList rows;
    while (q.next()) {
        QStringList values;
        for (int i = 0; i < q.record().count(); ++i) {
            values << q.value(i).toString();
        }
        rows << values.join(QLatin1Char('|'));
    }
    return rows;
}
}  // namespace

class DemoDataTest : public lanze::test::EngineTest {};

TEST_P(DemoDataTest, SameSeedGivesTheSameStoreAndAnotherSeedAnotherOne) {
    lanze::test::TestStore a(GetParam());
    lanze::test::TestStore b(GetParam());
    lanze::test::TestStore c(GetParam());
    const auto sa = DemoData::generate(a.db(), small(42));
    DemoData::generate(b.db(), small(42));
    DemoData::generate(c.db(), small(43));
    EXPECT_GT(sa.orders, 0);
    EXPECT_EQ(sa.customers, 25);
    for (const auto& [table, key] : {std::pair{"产品销售开票", "id"}, std::pair{"客户资料", "id"},
                                     std::pair{"菜单表", "id"}, std::pair{"来电历史记录表", "编号"}}) {
        EXPECT_EQ(dump(a.db(), table, key), dump(b.db(), table, key)) << table;
    }
    EXPECT_NE(dump(a.db(), "产品销售开票", "id"), dump(c.db(), "产品销售开票", "id"));
}

TEST_P(DemoDataTest, OrdersAreNumberedPerDayAndRepeatTheirOrderColumnsOnEveryLine) {
    lanze::test::TestStore store(GetParam());
    DemoDataOptions o = small(7);
    o.ordersPerDay = 60;
    const auto s = DemoData::generate(store.db(), o);

    Query q(store.db(), QStringLiteral("select * from 产品销售开票 order by id"));
    q.exec();
    QMap<QString, QString> orderColumns;  // order number -> its order-level values
    QMap<QDate, int> lastOfDay;
    QSet<QString> states, periods;
    qint64 lines = 0;
    while (q.next()) {
        ++lines;
        const QString number = q.text("单据编号");
        const QDate day = q.date("购物日期");
        const bool dispatched = q.yesNo("发货完毕");
        const bool paid = q.yesNo("交款完毕");
        EXPECT_EQ(q.text("订单状态"),
                  QString(dispatched ? "已发货" : "未发货") + (paid ? "已收款" : "未收款"))
            << number.toStdString();
        states << q.text("订单状态");
        periods << q.text("上下午");
        const QString values =
            QStringList{q.text("购物日期"), q.text("时间"),     q.text("客户编号"), q.text("折后金额"),
                        q.text("收款方式"), q.text("订单状态"), q.text("订单类型"), q.text("上下午"),
                        q.text("配送工"),   q.text("地址")}
                .join('|');
        if (!orderColumns.contains(number)) {
            // A new order: the next number of its business day.
            ASSERT_EQ(number.left(8), day.toString("yyyyMMdd"));
            EXPECT_EQ(number.mid(8).toInt(), lastOfDay.value(day) + 1) << number.toStdString();
            EXPECT_EQ(number.size(), 12);
            lastOfDay[day] = number.mid(8).toInt();
            orderColumns[number] = values;
        } else {
            EXPECT_EQ(orderColumns[number], values) << number.toStdString();
        }
        if (q.text("订单类型") == "堂食") {
            EXPECT_FALSE(q.text("餐台号").isEmpty()) << number.toStdString();
        }
    }
    EXPECT_EQ(lines, s.orderLines);
    EXPECT_EQ(qint64(orderColumns.size()), s.orders);
    EXPECT_EQ(lastOfDay.size(), 3);
    EXPECT_EQ(lastOfDay.lastKey(), QDate(2026, 12, 11));
    EXPECT_EQ(states.size(), 4);
    EXPECT_EQ(periods, (QSet<QString>{"午餐", "晚餐", "夜宵"}));
}

TEST_P(DemoDataTest, RefusesAStoreThatAlreadyHoldsData) {
    lanze::test::TestStore store(GetParam());
    DemoData::generate(store.db(), small(1));
    EXPECT_THROW(DemoData::generate(store.db(), small(1)), DbError);
}

INSTANTIATE_ENGINES(DemoDataTest);
