#include <gtest/gtest.h>

#include "board/BoardColumnOrder.h"
#include "core/Messages.h"
#include "core/db/Query.h"
#include "tests/support/TestStore.h"

using namespace lanze;

class BoardColumnOrderTest : public lanze::test::StoreTest {
  protected:
    qint64 storedRows() {
        Query q(db(), QStringLiteral("select count(*) as cc from 主窗口订单显示顺序"));
        q.first();
        return q.integer(QStringLiteral("cc"));
    }
};

TEST_P(BoardColumnOrderTest, DraggedOrderComesBackAtTheNextStart) {
    MessageRecorder messages;
    BoardColumnOrder::save(db(), {"订单状态", "单据编号", "时间"});
    const QStringList dragged{"单据编号", "订单状态", "客户姓名", "时间"};
    BoardColumnOrder::save(db(), dragged);  // replaces, never appends
    const auto r = BoardColumnOrder::restore(db(), 13, messages);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.fields, dragged);
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_P(BoardColumnOrderTest, MoreStoredRowsThanColumnsEmptiesTheTableAndSaysSo) {
    MessageRecorder messages;
    BoardColumnOrder::save(db(), {"a", "b", "c", "d"});
    const auto r = BoardColumnOrder::restore(db(), 3, messages);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.fields, (QStringList{"a", "b", "c"}));
    EXPECT_EQ(messages.texts(), QStringList{BoardColumnOrder::kDisplayError});
    EXPECT_EQ(storedRows(), 0);

    // The next start finds nothing stored and keeps the design-time layout, without a message.
    messages.clear();
    const auto next = BoardColumnOrder::restore(db(), 3, messages);
    EXPECT_TRUE(next.ok);
    EXPECT_TRUE(next.fields.isEmpty());
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_P(BoardColumnOrderTest, UnreadableTableCountsAsAFailure) {
    MessageRecorder messages;
    db().execute(QStringLiteral("drop table 主窗口订单显示顺序"));
    const auto r = BoardColumnOrder::restore(db(), 13, messages);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(messages.last(), BoardColumnOrder::kDisplayError);
}

INSTANTIATE_ENGINES(BoardColumnOrderTest);
