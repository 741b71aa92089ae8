#include <gtest/gtest.h>

#include "core/db/Query.h"
#include "core/records/RowEdit.h"
#include "core/records/SortOrder.h"
#include "core/types/NumberInput.h"
#include "tests/support/TestStore.h"

using namespace lanze;

namespace {

class Records : public lanze::test::StoreTest {
  protected:
    // The identity of the row whose column holds the value, with the row as read, as a list reads it.
    RowIdentity identityOf(const TableRows& rows, const QString& column, const QString& value) {
        Query q(db(), rows.listSql(QStringLiteral(" where %1=:v").arg(column)));
        q.bindText(QStringLiteral("v"), value);
        if (!q.first()) {
            return RowIdentity();
        }
        return rows.reread(RowIdentity(q.value(TableRows::kIdentityField))).value_or(RowIdentity());
    }
    QStringList categoriesInOrder() {
        Query q(db(), QStringLiteral("select * from 种类 order by 排序编号"));
        q.exec();
        QStringList names;
        while (q.next()) {
            names << q.text(QStringLiteral("种类")) + QString::number(q.integer(QStringLiteral("排序编号")));
        }
        return names;
    }
    void addCategories(const QStringList& names) {
        qint64 n = 0;
        for (const QString& name : names) {
            Query(db(), QStringLiteral("insert into 种类 (种类,排序编号) values (:种类,:排序编号)"))
                .bindText(QStringLiteral("种类"), name)
                .bindInteger(QStringLiteral("排序编号"), ++n * 10)
                .exec();
        }
    }
    qint64 keyOf(const QString& category) {
        Query q(db(), QStringLiteral("select 编号 from 种类 where 种类=:c"));
        q.bindText(QStringLiteral("c"), category);
        return q.first() ? q.integer(QStringLiteral("编号")) : -1;
    }
};

TEST_P(Records, KeylessRowsAreWrittenReadAndRemovedByTheEngineRowId) {
    TableRows workers = TableRows::byRowId(db(), QStringLiteral("员工列表"));
    RowEdit::inserting(RowValues()
                           .setText(QStringLiteral("姓名"), QStringLiteral("张三"))
                           .setText(QStringLiteral("电话"), QStringLiteral("13900000000"))
                           .setMoney(QStringLiteral("送餐次数提成"), *Money::parse(QStringLiteral("1.5"))))
        .write(workers);
    workers.insert(RowValues().setText(QStringLiteral("姓名"), QStringLiteral("李四")));

    const RowIdentity zhang = identityOf(workers, QStringLiteral("姓名"), QStringLiteral("张三"));
    ASSERT_TRUE(zhang.isValid());
    std::optional<RowValues> row = workers.read(zhang);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->money(QStringLiteral("送餐次数提成")), *Money::parse(QStringLiteral("1.5")));
    EXPECT_TRUE(row->isNull(QStringLiteral("所用车辆")));

    RowEdit edit = RowEdit::editing(zhang, *row);
    edit.values()
        .setText(QStringLiteral("姓名"), QStringLiteral("张三丰"))
        .setNull(QStringLiteral("送餐次数提成"));
    edit.write(workers);
    EXPECT_EQ(countRows(QStringLiteral("员工列表 where 姓名='张三丰' and 送餐次数提成 is null and "
                                       "电话='13900000000'")),
              1);
    EXPECT_EQ(countRows(QStringLiteral("员工列表 where 姓名='李四'")), 1);

    const RowIdentity li = identityOf(workers, QStringLiteral("姓名"), QStringLiteral("李四"));
    workers.remove(li);
    EXPECT_EQ(countRows(QStringLiteral("员工列表")), 1);
    // The row is gone: a second delete or an update through the old identity changes nothing.
    EXPECT_THROW(workers.remove(li), RowChangedElsewhere);
    EXPECT_THROW(workers.update(li, RowValues().setText(QStringLiteral("姓名"), QStringLiteral("王五"))),
                 RowChangedElsewhere);
    EXPECT_FALSE(workers.read(li));
    EXPECT_EQ(countRows(QStringLiteral("员工列表")), 1);
}

TEST_P(Records, ARowAnotherStationChangedIsNotOverwritten) {
    TableRows types = TableRows::byRowId(db(), QStringLiteral("客户类型"));
    types.insert(RowValues()
                     .setText(QStringLiteral("客户类型"), QStringLiteral("金卡"))
                     .setNumber(QStringLiteral("折扣率"), 9));
    const RowIdentity read = identityOf(types, QStringLiteral("客户类型"), QStringLiteral("金卡"));

    auto other = store->openAnother();
    Query(*other, QStringLiteral("update 客户类型 set 折扣率=8 where 客户类型='金卡'")).exec();

    EXPECT_THROW(types.update(read, RowValues().setNumber(QStringLiteral("折扣率"), 7)), RowChangedElsewhere);
    EXPECT_THROW(types.remove(read), RowChangedElsewhere);
    EXPECT_EQ(countRows(QStringLiteral("客户类型 where 折扣率=8")), 1);
}

TEST_P(Records, ARowIdHandedToANewRowDoesNotNameTheRowTheListShowed) {
    TableRows workers = TableRows::byRowId(db(), QStringLiteral("员工列表"));
    workers.insert(RowValues().setText(QStringLiteral("姓名"), QStringLiteral("张三")));
    workers.insert(RowValues().setText(QStringLiteral("姓名"), QStringLiteral("李四")));
    const RowIdentity li = identityOf(workers, QStringLiteral("姓名"), QStringLiteral("李四"));
    ASSERT_TRUE(li.isValid());

    // Another station deletes the last worker and adds one: the embedded engine gives the new row the
    // freed rowid, the server a freed ctid once the table was vacuumed.
    auto other = store->openAnother();
    Query::run(*other, QStringLiteral("delete from 员工列表 where 姓名='李四'"));
    if (GetParam() == Engine::PostgreSQL) {
        Query::run(*other, QStringLiteral("vacuum 员工列表"));
    }
    Query::run(*other, QStringLiteral("insert into 员工列表 (姓名) values ('王五')"));
    const std::optional<RowValues> atOldId = workers.read(li);
    if (!atOldId && GetParam() == Engine::PostgreSQL) {
        // The server frees the slot only when no transaction anywhere on it may still see the old row;
        // tests running beside this one can hold that back, and then there is no reused id to test.
        GTEST_SKIP() << "the server kept the freed slot while other transactions were open";
    }
    ASSERT_TRUE(atOldId) << "the id was not handed on";
    ASSERT_EQ(atOldId->text(QStringLiteral("姓名")), QStringLiteral("王五"));

    EXPECT_FALSE(workers.reread(li));
    EXPECT_THROW(workers.update(li, RowValues().setText(QStringLiteral("电话"), QStringLiteral("1"))),
                 RowChangedElsewhere);
    EXPECT_THROW(workers.remove(li), RowChangedElsewhere);
    EXPECT_EQ(countRows(QStringLiteral("员工列表 where 姓名='王五' and 电话 is null")), 1);
}

TEST_P(Records, MovingSwapsSortNumbersWithTheNeighbourAndStopsAtTheEnds) {
    addCategories({QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙")});
    SortOrder order(db(), QStringLiteral("种类"), QStringLiteral("编号"));

    EXPECT_EQ(order.moveUp(keyOf(QStringLiteral("甲"))), SortOrder::Move::AtTop);
    EXPECT_EQ(order.moveDown(keyOf(QStringLiteral("丙"))), SortOrder::Move::AtBottom);
    EXPECT_EQ(categoriesInOrder(), (QStringList{"甲10", "乙20", "丙30"}));

    EXPECT_EQ(order.moveUp(keyOf(QStringLiteral("丙"))), SortOrder::Move::Moved);
    EXPECT_EQ(categoriesInOrder(), (QStringList{"甲10", "丙20", "乙30"}));
    EXPECT_EQ(order.moveDown(keyOf(QStringLiteral("甲"))), SortOrder::Move::Moved);
    EXPECT_EQ(categoriesInOrder(), (QStringList{"丙10", "甲20", "乙30"}));

    // In a filtered list the neighbour is the next row shown, not the next in the table.
    EXPECT_EQ(order.moveWithin({keyOf(QStringLiteral("丙")), keyOf(QStringLiteral("乙"))},
                               keyOf(QStringLiteral("丙")), false),
              SortOrder::Move::Moved);
    EXPECT_EQ(categoriesInOrder(), (QStringList{"乙10", "甲20", "丙30"}));

    // A neighbour another station deleted since the list was read: nothing moves.
    const QList<qint64> shown{keyOf(QStringLiteral("乙")), keyOf(QStringLiteral("甲"))};
    Query::run(db(), QStringLiteral("delete from 种类 where 种类='乙'"));
    EXPECT_THROW(order.moveWithin(shown, keyOf(QStringLiteral("甲")), true), RowChangedElsewhere);
    EXPECT_EQ(categoriesInOrder(), (QStringList{"甲20", "丙30"}));

    EXPECT_EQ(SortOrder::message(SortOrder::Move::AtTop), QStringLiteral("已经是最上层了"));
    EXPECT_EQ(SortOrder::message(SortOrder::Move::AtBottom), QStringLiteral("已经是最底层了"));
    EXPECT_EQ(order.nextSortNumber(), 31);
    Query::run(db(), QStringLiteral("delete from 种类"));
    EXPECT_EQ(order.nextSortNumber(), 1);
}

TEST_P(Records, RowsSharingASortNumberAreNumberedAfreshSoThatTheMoveShows) {
    addCategories({QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙")});
    Query::run(db(), QStringLiteral("update 种类 set 排序编号=5 where 种类<>'丙'"));  // 甲 and 乙 share 5
    SortOrder order(db(), QStringLiteral("种类"), QStringLiteral("编号"));
    EXPECT_EQ(order.moveDown(keyOf(QStringLiteral("甲"))), SortOrder::Move::Moved);
    EXPECT_EQ(categoriesInOrder(), (QStringList{"乙1", "甲2", "丙3"}));
}

INSTANTIATE_ENGINES(Records);

TEST(NumberInput, RatesAndMoneyBoxes) {
    struct Case {
        const char* text;
        bool ok;
        std::optional<double> value;
    };
    for (const Case& c : {Case{"", true, std::nullopt}, Case{" 9 ", true, 9.0}, Case{"8.5", true, 8.5},
                          Case{"0", true, 0.0}, Case{"10", true, 10.0}, Case{"10.5", false, std::nullopt},
                          Case{"-1", false, std::nullopt}, Case{"九", false, std::nullopt},
                          Case{"9折", false, std::nullopt}, Case{"nan", false, std::nullopt}}) {
        const NumberReading<double> r = NumberInput::discountRate(QString::fromUtf8(c.text));
        EXPECT_EQ(r.ok(), c.ok) << c.text;
        EXPECT_EQ(r.value, c.value) << c.text;
        if (!c.ok) {
            EXPECT_EQ(r.refusal, QStringLiteral("折扣率必须是0到10之间的数字"));
        }
    }
    EXPECT_EQ(NumberInput::money(QStringLiteral("2.5"), QStringLiteral("加价")).value,
              Money::fromUnits(25000));
    EXPECT_FALSE(NumberInput::money(QStringLiteral(""), QStringLiteral("加价")).value);
    EXPECT_EQ(NumberInput::money(QStringLiteral("两元"), QStringLiteral("加价")).refusal,
              QStringLiteral("加价必须是数字"));
}

}  // namespace
