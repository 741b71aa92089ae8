#include <gtest/gtest.h>

#include <QSignalSpy>

#include "board/StoreChangeWatcher.h"
#include "core/db/Transaction.h"
#include "tests/board/OrderFixture.h"
#include "tests/support/TestStore.h"

using namespace lanze;

class StoreChangeWatcherTest : public lanze::test::EngineTest {};

TEST_P(StoreChangeWatcherTest, AnotherStationsCommittedOrderIsReported) {
    lanze::test::TestStore store(GetParam());
    auto otherStation = store.openAnother();
    StoreChangeWatcher watcher(store.db());
    QSignalSpy spy(&watcher, &StoreChangeWatcher::ordersChanged);

    lanze::test::FixtureOrder o;
    o.day = QDate(2026, 12, 11);
    // This station's own save is not reported back to it: its windows refresh the board themselves.
    o.number = QStringLiteral("202612110001");
    {
        Transaction tx(store.db());
        lanze::test::addOrder(store.db(), o);
        notifyOrdersChanged(store.db());
        tx.commit();
    }
    EXPECT_FALSE(spy.wait(1200));

    o.number = QStringLiteral("202612110002");
    {
        Transaction tx(*otherStation);
        lanze::test::addOrder(*otherStation, o);
        notifyOrdersChanged(*otherStation);
        tx.commit();
    }
    EXPECT_TRUE(spy.wait(5000));  // polled every half second; the margin is for a busy machine
    EXPECT_EQ(spy.count(), 1);

    // A change that is rolled back tells nobody.
    {
        Transaction tx(*otherStation);
        o.number = QStringLiteral("202612110003");
        lanze::test::addOrder(*otherStation, o);
        notifyOrdersChanged(*otherStation);
    }
    EXPECT_FALSE(spy.wait(1200));
    EXPECT_EQ(spy.count(), 1);
}

INSTANTIATE_ENGINES(StoreChangeWatcherTest);
