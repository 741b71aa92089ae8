#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTableView>
#include <QTest>

#include "board/ui/OrderListPage.h"
#include "core/ui/DataGrid.h"
#include "tests/support/TestStore.h"

using namespace lanze;
using namespace lanze::test;

// On a page of ordinary width the detail grid beside the list still shows all its columns, 合计 (the
// order's amount, with the amount due under it) included, without scrolling sideways.
TEST(OrderListPageTest, DetailGridShowsItsLastColumnBesideTheList) {
    TestStore store(Engine::SQLite);
    for (auto kind : {OrderListPage::Kind::Board, OrderListPage::Kind::DineIn}) {
        OrderListPage page(kind, store.db());
        page.resize(1000, 500);
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
        const QTableView* detail = page.detail()->view();
        const int last = detail->model()->columnCount() - 1;
        const int rightEdge = detail->horizontalHeader()->sectionViewportPosition(last) +
                              detail->horizontalHeader()->sectionSize(last);
        EXPECT_LE(rightEdge, detail->viewport()->width());
    }
}
