#include <gtest/gtest.h>

#include <QSet>

#include "board/BoardQuery.h"
#include "board/OrderStateColours.h"
#include "tests/board/OrderFixture.h"
#include "tests/support/TestStore.h"

using namespace lanze;
using lanze::test::FixtureOrder;
using P = Statement::Parameter;

namespace {
const QDate kDay(2026, 12, 11);

const QString kColumns = QStringLiteral(
    "select 单据编号,配送工,客户编号,客户姓名,区域,地址,交款完毕,发货完毕,时间,电话,折后金额 as "
    "应付货款,送餐日期,送餐时间,"
    "购物日期,发货备注,录音文件,订单状态,积分,客户单位,餐台号,sum(数量) as "
    "份数,账户余额,打折,抹零金额,客户类型,收款方式");
const QString kGroup = QStringLiteral(
    " group by "
    "单据编号,配送工,客户编号,客户姓名,区域,地址,交款完毕,发货完毕,时间,电话,送餐日期,送餐时间,购物日期,"
    "发货备注,"
    "录音文件,折后金额,订单状态,积分,客户单位,餐台号,账户余额,打折,抹零金额,客户类型,收款方式 order by ");
}  // namespace

TEST(BoardStatementTest, RefreshTakesBusinessDayDayPartAndSortOnly) {
    const Statement s = BoardQuery::refresh(kDay, DayPart::Night, BoardSort::OrderNumber);
    EXPECT_EQ(s.sql, kColumns +
                         QStringLiteral(
                             " from 产品销售开票 where 购物日期=:rq and 上下午='夜宵' and ((订单类型='外卖') "
                             "or (订单类型 is null) or (订单类型=''))") +
                         kGroup + QStringLiteral("单据编号"));
    EXPECT_EQ(s.parameters, (QList<P>{{QStringLiteral("rq"), P::Kind::Date, kDay}}));

    const Statement all = BoardQuery::refresh(kDay, DayPart::AllDay, BoardSort::Region);
    EXPECT_FALSE(all.sql.contains(QStringLiteral("上下午")));
    EXPECT_TRUE(all.sql.endsWith(QStringLiteral("order by 区域")));
}

TEST(BoardStatementTest, SearchAppendsOneClausePerChosenCondition) {
    BoardSearch f;
    f.dateRange = true;
    f.from = QDate(2026, 12, 1);
    f.to = QDate(2026, 12, 31);
    f.region = QStringLiteral("总部");
    f.worker = QStringLiteral("李四");
    f.state = StateFilter::DispatchedUnpaid;
    const Statement s = BoardQuery::search(f, kDay, DayPart::Noon, BoardSort::Region);
    EXPECT_EQ(s.sql, kColumns +
                         QStringLiteral(
                             " from 产品销售开票 where 1=1 and 购物日期 between :rq1 and :rq2 and 区域=:区域 "
                             "and 配送工=:配送工 and 交款完毕=:wb1 and 发货完毕=:wb2 and 上下午='午餐' and "
                             "((订单类型='外卖') or (订单类型 is null) or (订单类型=''))") +
                         kGroup + QStringLiteral("区域"));
    EXPECT_EQ(s.parameters, (QList<P>{{QStringLiteral("rq1"), P::Kind::Date, f.from},
                                      {QStringLiteral("rq2"), P::Kind::Date, f.to},
                                      {QStringLiteral("区域"), P::Kind::Text, QStringLiteral("总部")},
                                      {QStringLiteral("配送工"), P::Kind::Text, QStringLiteral("李四")},
                                      {QStringLiteral("wb1"), P::Kind::YesNo, false},
                                      {QStringLiteral("wb2"), P::Kind::YesNo, true}}));

    // Today's business with nothing else chosen: the business day and no state clause.
    const Statement plain = BoardQuery::search(BoardSearch{}, kDay, DayPart::AllDay, BoardSort::OrderNumber);
    EXPECT_EQ(plain.sql,
              kColumns +
                  QStringLiteral(" from 产品销售开票 where 1=1 and 购物日期=:rq and ((订单类型='外卖') or "
                                 "(订单类型 is null) or (订单类型=''))") +
                  kGroup + QStringLiteral("单据编号"));
    EXPECT_EQ(plain.parameters, (QList<P>{{QStringLiteral("rq"), P::Kind::Date, kDay}}));
}

TEST(BoardStatementTest, DineInListTakesOnlyDineInOrders) {
    const Statement r = BoardQuery::dineInRefresh(kDay, DayPart::Afternoon, BoardSort::OrderNumber);
    EXPECT_TRUE(r.sql.contains(QStringLiteral(
        " from 产品销售开票 where 购物日期=:rq and 上下午='晚餐' and 订单类型='堂食' group by")));
    EXPECT_FALSE(r.sql.contains(QStringLiteral("is null")));
    BoardSearch f;
    f.state = StateFilter::NotDispatchedPaid;
    const Statement s = BoardQuery::dineInSearch(f, kDay, DayPart::AllDay, BoardSort::OrderNumber);
    EXPECT_TRUE(s.sql.contains(
        QStringLiteral(" from 产品销售开票 where 1=1 and 购物日期=:rq and 交款完毕=:wb1 and 发货完毕=:wb2 "
                       "and 订单类型='堂食' group by")));
    EXPECT_EQ(s.parameters.at(1), (P{QStringLiteral("wb1"), P::Kind::YesNo, true}));
    EXPECT_EQ(s.parameters.at(2), (P{QStringLiteral("wb2"), P::Kind::YesNo, false}));
}

TEST(BoardStatementTest, SortBoxAcceptsOnlyItsTwoEntries) {
    EXPECT_EQ(BoardQuery::sortFromText(QStringLiteral("区域")), BoardSort::Region);
    EXPECT_EQ(BoardQuery::sortFromText(QStringLiteral("单据编号")), BoardSort::OrderNumber);
    EXPECT_FALSE(BoardQuery::sortFromText(QStringLiteral("单据编号; delete from 登陆")).has_value());
}

TEST(OrderStateColoursTest, FourStatesGiveTheLegendColours) {
    struct Case {
        bool dispatched, paid;
        int r, g, b;
        const char* caption;
    };
    for (const Case& c : {Case{false, false, 166, 202, 240, "未派工，未交款："},
                          Case{false, true, 192, 220, 192, "未派工，已收款："},
                          Case{true, false, 255, 149, 149, "已派工，未交款："},
                          Case{true, true, 255, 255, 170, "已交款，已派工："}}) {
        const OrderStateLook look = OrderStateColours::look(c.dispatched, c.paid);
        EXPECT_EQ(look.rowColour, QColor(c.r, c.g, c.b)) << c.caption;
        EXPECT_EQ(look.legendCaption, QString::fromUtf8(c.caption));
    }
}

// The statements run on both engines against a small day of orders.
class BoardQueryRunTest : public lanze::test::StoreTest {
  protected:
    void SetUp() override {
        StoreTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        auto add = [&](FixtureOrder o) { lanze::test::addOrder(db(), o); };
        FixtureOrder o;
        o.day = kDay;
        o.number = QStringLiteral("202612110001");  // noon, not dispatched, unpaid, two lines
        o.items = {{QStringLiteral("宫保鸡丁"), 2}, {QStringLiteral("米饭"), 3}};
        add(o);
        o.items = {{QStringLiteral("米饭"), 1}};
        o.number = QStringLiteral("202612110002");  // afternoon, dispatched by 李四, unpaid, 西城区
        o.period = QStringLiteral("晚餐");
        o.dispatched = true;
        o.worker = QStringLiteral("李四");
        o.region = QStringLiteral("西城区");
        add(o);
        o.number = QStringLiteral("202612110003");  // night, dispatched and paid, no order type written
        o.period = QStringLiteral("夜宵");
        o.paid = true;
        o.type = QString();
        o.worker = QStringLiteral("王五");
        add(o);
        o.number = QStringLiteral("202612110004");  // noon, paid but not dispatched
        o.period = QStringLiteral("午餐");
        o.dispatched = false;
        o.worker.clear();
        o.type = QStringLiteral("外卖");
        o.region = QStringLiteral("东城区");
        add(o);
        o.number = QStringLiteral("202612110005");  // dine-in
        o.type = QStringLiteral("堂食");
        add(o);
        o.number = QStringLiteral("202612100001");  // the day before
        o.day = kDay.addDays(-1);
        o.type = QStringLiteral("外卖");
        add(o);
    }
    QStringList numbers(const Statement& s) {
        Query q = s.run(db());
        QStringList out;
        while (q.next()) {
            out << q.text(QStringLiteral("单据编号"));
        }
        return out;
    }
};

TEST_P(BoardQueryRunTest, RefreshShowsOneRowPerDeliveryOrderOfTheDayAndPart) {
    EXPECT_EQ(numbers(BoardQuery::refresh(kDay, DayPart::AllDay, BoardSort::OrderNumber)),
              (QStringList{"202612110001", "202612110002", "202612110003", "202612110004"}));
    EXPECT_EQ(numbers(BoardQuery::refresh(kDay, DayPart::Noon, BoardSort::OrderNumber)),
              (QStringList{"202612110001", "202612110004"}));
    EXPECT_EQ(numbers(BoardQuery::refresh(kDay, DayPart::Night, BoardSort::OrderNumber)),
              QStringList{"202612110003"});

    Query q = BoardQuery::refresh(kDay, DayPart::Noon, BoardSort::OrderNumber).run(db());
    ASSERT_TRUE(q.next());
    EXPECT_DOUBLE_EQ(q.number(QStringLiteral("份数")), 5);
    EXPECT_EQ(q.money(QStringLiteral("应付货款")), Money::fromYuan(20));
    EXPECT_FALSE(q.yesNo(QStringLiteral("发货完毕")));
}

TEST_P(BoardQueryRunTest, SearchFiltersByStateRegionWorkerAndDates) {
    struct Case {
        StateFilter state;
        QStringList expected;
    };
    for (const Case& c :
         {Case{StateFilter::All, {"202612110001", "202612110002", "202612110003", "202612110004"}},
          Case{StateFilter::NotDispatchedUnpaid, {"202612110001"}},
          Case{StateFilter::NotDispatchedPaid, {"202612110004"}},
          Case{StateFilter::DispatchedUnpaid, {"202612110002"}},
          Case{StateFilter::DispatchedPaid, {"202612110003"}}}) {
        BoardSearch f;
        f.state = c.state;
        EXPECT_EQ(numbers(BoardQuery::search(f, kDay, DayPart::AllDay, BoardSort::OrderNumber)), c.expected)
            << int(c.state);
    }
    BoardSearch f;
    f.region = QStringLiteral("西城区");
    f.worker = QStringLiteral("李四");
    EXPECT_EQ(numbers(BoardQuery::search(f, kDay, DayPart::AllDay, BoardSort::OrderNumber)),
              QStringList{"202612110002"});

    BoardSearch range;
    range.dateRange = true;
    range.from = kDay.addDays(-1);
    range.to = kDay;
    range.region = QStringLiteral("东城区");
    EXPECT_EQ(numbers(BoardQuery::search(range, kDay, DayPart::Noon, BoardSort::OrderNumber)),
              (QStringList{"202612100001", "202612110001", "202612110004"}));
}

TEST_P(BoardQueryRunTest, DineInOrdersShowOnlyInTheDineInList) {
    EXPECT_EQ(numbers(BoardQuery::dineInRefresh(kDay, DayPart::AllDay, BoardSort::OrderNumber)),
              QStringList{"202612110005"});
    EXPECT_EQ(numbers(BoardQuery::dineInSearch(BoardSearch{}, kDay, DayPart::Noon, BoardSort::Region)),
              QStringList{"202612110005"});
    EXPECT_FALSE(numbers(BoardQuery::refresh(kDay, DayPart::AllDay, BoardSort::OrderNumber))
                     .contains(QStringLiteral("202612110005")));
}

TEST_P(BoardQueryRunTest, OrderWithAnEmptyTypeShowsOnTheBoardLikeOneWithoutAType) {
    FixtureOrder o;
    o.day = kDay;
    o.number = QStringLiteral("202612110006");
    o.type = QStringLiteral("");  // empty text, not null
    lanze::test::addOrder(db(), o);
    EXPECT_TRUE(
        numbers(BoardQuery::refresh(kDay, DayPart::AllDay, BoardSort::OrderNumber)).contains(o.number));
    EXPECT_TRUE(numbers(BoardQuery::search(BoardSearch{}, kDay, DayPart::Noon, BoardSort::OrderNumber))
                    .contains(o.number));
    EXPECT_FALSE(
        numbers(BoardQuery::dineInRefresh(kDay, DayPart::AllDay, BoardSort::OrderNumber)).contains(o.number));
}

TEST_P(BoardQueryRunTest, DetailListsTheOrdersLinesInSavedOrder) {
    Query q = BoardQuery::detail(QStringLiteral("202612110001")).run(db());
    QStringList items;
    while (q.next()) {
        items << q.text(QStringLiteral("产品名称"));
    }
    EXPECT_EQ(items, (QStringList{"宫保鸡丁", "米饭"}));
}

INSTANTIATE_ENGINES(BoardQueryRunTest);
