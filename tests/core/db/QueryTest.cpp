#include <gtest/gtest.h>

#include <stdexcept>

#include "core/db/DbError.h"
#include "core/db/Query.h"
#include "core/db/Transaction.h"
#include "tests/support/TestStore.h"

using namespace lanze;
using lanze::test::ScratchDatabase;

class QueryTest : public lanze::test::EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        scratch = std::make_unique<ScratchDatabase>(GetParam());
        const Dialect& d = db().dialect();
        db().execute(QStringLiteral(
                         "create table 账 (id %1, 联系电话 %2, 联系 %2, 金额 %3, 数量 %4, 完毕 %5, 日期 %6)")
                         .arg(d.autoNumberType(), d.textType(), d.moneyType(), d.numberType(), d.boolType(),
                              d.dateTimeType()));
    }
    Database& db() { return scratch->db(); }
    void insert(const QString& phone, const QString& amount, bool done, const QDateTime& when) {
        Query(db(), QStringLiteral("insert into 账 (联系电话,联系,金额,数量,完毕,日期) values "
                                   "(:联系电话,:联系,:金额,:数量,:完毕,:日期)"))
            .bindText(QStringLiteral("联系电话"), phone)
            .bindText(QStringLiteral("联系"), QStringLiteral("张三"))
            .bindMoney(QStringLiteral("金额"), *Money::parse(amount))
            .bindNumber(QStringLiteral("数量"), 1.5)
            .bindYesNo(QStringLiteral("完毕"), done)
            .bindDateTime(QStringLiteral("日期"), when)
            .exec();
    }
    qint64 count(const QString& where) {
        Query q(db(), QStringLiteral("select count(*) as cc from 账 where ") + where);
        q.first();
        return q.integer(QStringLiteral("cc"));
    }
    std::unique_ptr<ScratchDatabase> scratch;
};

TEST_P(QueryTest, ChineseNamedParametersBindAndReadBack) {
    insert(QStringLiteral("13800000000"), QStringLiteral("12.5"), true,
           QDateTime(QDate(2026, 12, 1), QTime(9, 30)));
    Query q(db(),
            QStringLiteral("select * from 账 where 联系电话 like :联系电话 and 联系=:联系 and 完毕=true"));
    q.bindText(QStringLiteral("联系电话"), QStringLiteral("%0000%"))
        .bindText(QStringLiteral("联系"), QStringLiteral("张三"));
    ASSERT_TRUE(q.first());
    EXPECT_EQ(q.text(QStringLiteral("联系电话")), QStringLiteral("13800000000"));
    EXPECT_EQ(q.money(QStringLiteral("金额")).toString(), QStringLiteral("12.50"));
    EXPECT_DOUBLE_EQ(q.number(QStringLiteral("数量")), 1.5);
    EXPECT_TRUE(q.yesNo(QStringLiteral("完毕")));
    EXPECT_EQ(q.dateTime(QStringLiteral("日期")), QDateTime(QDate(2026, 12, 1), QTime(9, 30)));
    EXPECT_FALSE(q.next());
}

TEST_P(QueryTest, MoneyStaysExactThroughSumAndUpdateArithmetic) {
    insert(QStringLiteral("1"), QStringLiteral("0.1"), false, QDateTime::currentDateTime());
    insert(QStringLiteral("2"), QStringLiteral("0.2"), false, QDateTime::currentDateTime());
    Query sum(db(), QStringLiteral("select sum(金额) as cc from 账"));
    ASSERT_TRUE(sum.first());
    EXPECT_EQ(sum.money(QStringLiteral("cc")), *Money::parse(QStringLiteral("0.3")));

    Query(db(), QStringLiteral("update 账 set 金额=金额+:加 where 联系电话=:联系电话"))
        .bindMoney(QStringLiteral("加"), *Money::parse(QStringLiteral("0.2")))
        .bindText(QStringLiteral("联系电话"), QStringLiteral("1"))
        .exec();
    Query one(db(), QStringLiteral("select 金额 from 账 where 联系电话='1'"));
    ASSERT_TRUE(one.first());
    EXPECT_EQ(one.money(QStringLiteral("金额")).toPlainString(), QStringLiteral("0.3"));
}

TEST_P(QueryTest, YesNoLiteralsAndDatesCompareAsTheBusinessExpects) {
    const QDate day(2026, 12, 11);
    insert(QStringLiteral("a"), QStringLiteral("1"), true, day.startOfDay());
    insert(QStringLiteral("b"), QStringLiteral("1"), false, QDateTime(day.addDays(1), QTime(0, 0)));
    insert(QStringLiteral("c"), QStringLiteral("1"), false, QDateTime(day.addDays(5), QTime(0, 0)));
    EXPECT_EQ(count(QStringLiteral("完毕=true")), 1);
    EXPECT_EQ(count(QStringLiteral("完毕=false")), 2);

    Query eq(db(), QStringLiteral("select count(*) as cc from 账 where 日期=:d"));
    eq.bindDate(QStringLiteral("d"), day);
    ASSERT_TRUE(eq.first());
    EXPECT_EQ(eq.integer(QStringLiteral("cc")), 1);

    Query between(db(), QStringLiteral("select count(*) as cc from 账 where 日期 between :sj1 and :sj2"));
    between.bindDate(QStringLiteral("sj1"), day).bindDate(QStringLiteral("sj2"), day.addDays(1));
    ASSERT_TRUE(between.first());
    EXPECT_EQ(between.integer(QStringLiteral("cc")), 2);
}

TEST_P(QueryTest, TransactionRolledBackByAnExceptionLeavesNothing) {
    try {
        Transaction tx(db());
        insert(QStringLiteral("x"), QStringLiteral("5"), false, QDateTime::currentDateTime());
        insert(QStringLiteral("y"), QStringLiteral("5"), false, QDateTime::currentDateTime());
        throw std::runtime_error("power cut");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(count(QStringLiteral("1=1")), 0);

    {
        Transaction tx(db());
        insert(QStringLiteral("z"), QStringLiteral("5"), false, QDateTime::currentDateTime());
        tx.commit();
    }
    EXPECT_EQ(count(QStringLiteral("1=1")), 1);
}

TEST_P(QueryTest, ErrorsNameTheProblem) {
    EXPECT_THROW(Query(db(), QStringLiteral("select * from 账 where 联系=:联系")).exec(),
                 DbError);  // unbound
    EXPECT_THROW(Query(db(), QStringLiteral("select * from 没有这个表")).exec(), DbError);
    Query q(db(), QStringLiteral("select 联系 from 账"));
    q.exec();
    EXPECT_THROW(q.text(QStringLiteral("没有这列")), DbError);
}

TEST_P(QueryTest, EmptyTextIsStoredEmptyAndNullReadsAsEmpty) {
    Query(db(), QStringLiteral("insert into 账 (联系电话, 联系) values (:p, null)"))
        .bindText(QStringLiteral("p"), QString())
        .exec();
    EXPECT_EQ(count(QStringLiteral("联系电话=''")), 1);
    Query q(db(), QStringLiteral("select * from 账"));
    ASSERT_TRUE(q.first());
    EXPECT_TRUE(q.isNull(QStringLiteral("联系")));
    EXPECT_EQ(q.text(QStringLiteral("联系")), QString());
    EXPECT_EQ(q.money(QStringLiteral("金额")), Money());
}

TEST_P(QueryTest, AnExclusiveTransactionKeepsAnotherStationsExclusiveOneOut) {
    auto other = scratch->openAnother();
    auto otherCanTakeTheLock = [&]() {
        if (other->dialect().isSQLite()) {
            try {
                Transaction tx(*other, Transaction::Lock::Exclusive);
                tx.commit();
                return true;
            } catch (const DbError&) {
                return false;
            }
        }
        Query q(*other,
                QStringLiteral(
                    "select pg_try_advisory_lock(hashtext('lanze-exclusive:' || current_schema())) as ok"));
        const bool got = q.first() && q.yesNo(QStringLiteral("ok"));
        if (got) {
            Query::run(*other, QStringLiteral("select pg_advisory_unlock_all()"));
        }
        return got;
    };
    if (other->dialect().isSQLite()) {
        other->execute(QStringLiteral("pragma busy_timeout=50"));
    }
    {
        Transaction tx(db(), Transaction::Lock::Exclusive);
        EXPECT_FALSE(otherCanTakeTheLock());
        tx.commit();
    }
    EXPECT_TRUE(otherCanTakeTheLock());
}

INSTANTIATE_ENGINES(QueryTest);
