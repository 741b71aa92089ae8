#include <gtest/gtest.h>

#include "app/SignInState.h"
#include "core/db/Query.h"
#include "settings/StoreSettings.h"
#include "settings/TableNumbers.h"
#include "tests/support/TestStore.h"

using namespace lanze;
using lanze::test::TestStore;

namespace {
qint64 rowCount(Database& db, const QString& table) {
    Query q(db, QStringLiteral("select count(*) as n from %1").arg(table));
    q.first();
    return q.integer(QStringLiteral("n"));
}
}  // namespace

class StoreRowTest : public lanze::test::EngineTest {};

TEST_P(StoreRowTest, EmptyOrOddValuesReadAsTheDefaultsTheStationsUse) {
    TestStore store(GetParam());
    Query::run(store.db(),
               QStringLiteral("update 店名 set 打印幅面='80mm',积分规则=null,单价修改='',退菜规则=null,"
                              "标题左边距=7,店名='小王餐馆'"));
    const StoreRow row = StoreSettings::read(store.db());
    EXPECT_TRUE(row.exists);
    EXPECT_EQ(row.printWidth, QStringLiteral("76mm"));
    EXPECT_EQ(row.pointsRule, Money::fromYuan(1));
    EXPECT_EQ(row.priceEditable, QStringLiteral("可以"));
    EXPECT_EQ(row.returnRule, QStringLiteral("任意"));

    SignInState state;
    StoreSettings::applyTo(row, state);
    EXPECT_EQ(state.storeName, QStringLiteral("小王餐馆"));
    EXPECT_EQ(state.pointsRule, QStringLiteral("1"));
    EXPECT_EQ(state.titleLeftMargin, 7);

    Query::run(store.db(),
               QStringLiteral("update 店名 set 打印幅面='58mm',单价修改='不可以',积分规则=25000"));
    const StoreRow narrow = StoreSettings::read(store.db());
    EXPECT_EQ(narrow.printWidth, QStringLiteral("58mm"));
    EXPECT_EQ(narrow.priceEditable, QStringLiteral("不可以"));
    EXPECT_EQ(narrow.pointsRule.toPlainString(), QStringLiteral("2.5"));
}

TEST_P(StoreRowTest, WriteCreatesTheOnlyRowOfAnEmptyTableThenUpdatesIt) {
    TestStore store(GetParam());
    Query::run(store.db(), QStringLiteral("delete from 店名"));
    EXPECT_FALSE(StoreSettings::read(store.db()).exists);

    StoreRow row;
    row.storeName = QStringLiteral("一号店");
    row.printLogo = true;
    row.commissionPerOrder = *Money::parse(QStringLiteral("1.5"));
    StoreSettings::write(store.db(), row);
    row.storeName = QStringLiteral("二号店");
    StoreSettings::write(store.db(), row);

    EXPECT_EQ(rowCount(store.db(), QStringLiteral("店名")), 1);
    const StoreRow back = StoreSettings::read(store.db());
    EXPECT_EQ(back.storeName, QStringLiteral("二号店"));
    EXPECT_TRUE(back.printLogo);
    EXPECT_EQ(back.commissionPerOrder.toPlainString(), QStringLiteral("1.5"));
}

TEST_P(StoreRowTest, TableNumbersAddSaveAndDelete) {
    TestStore store(GetParam());
    Database& db = store.db();
    EXPECT_EQ(TableNumbers::add(db, QStringLiteral(" A1 ")), QString());
    EXPECT_EQ(TableNumbers::add(db, QStringLiteral("A1")),
              TableNumbers::kDuplicate.arg(QStringLiteral("A1")));
    EXPECT_EQ(TableNumbers::add(db, QStringLiteral("  ")), TableNumbers::kEmpty);
    EXPECT_EQ(TableNumbers::list(db), QStringList{QStringLiteral("A1")});

    // A list with a repeated number is refused whole.
    EXPECT_EQ(TableNumbers::save(db, {QStringLiteral("B1"), QStringLiteral("B1")}),
              TableNumbers::kDuplicate.arg(QStringLiteral("B1")));
    EXPECT_EQ(TableNumbers::list(db), QStringList{QStringLiteral("A1")});

    EXPECT_EQ(TableNumbers::save(
                  db, {QStringLiteral("A1"), QString(), QStringLiteral(" 包间2 "), QStringLiteral("3")}),
              QString());
    QStringList saved = TableNumbers::list(db);
    saved.sort();
    EXPECT_EQ(saved, (QStringList{QStringLiteral("3"), QStringLiteral("A1"), QStringLiteral("包间2")}));

    TableNumbers::remove(db, QStringLiteral("包间2"));
    saved = TableNumbers::list(db);
    saved.sort();
    EXPECT_EQ(saved, (QStringList{QStringLiteral("3"), QStringLiteral("A1")}));
}

INSTANTIATE_ENGINES(StoreRowTest);
