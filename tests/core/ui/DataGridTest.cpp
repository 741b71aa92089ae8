#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include "core/ui/DataGrid.h"
#include "core/ui/GridDelegate.h"
#include "core/ui/GridFooterStrip.h"
#include "tests/core/grid/GridFixture.h"

using namespace lanze;

namespace {

enum Col { Sent, Number, Customer, Amount, Portions, Time, Note, Paid };

class DataGridTest : public lanze::test::GridFixture {
  protected:
    void SetUp() override {
        GridFixture::SetUp();
        if (IsSkipped()) {
            return;
        }
        insertFour();
        grid = std::make_unique<DataGrid>();
        grid->resize(900, 300);
        grid->setColumns(columns());
        grid->setQuery(query());
        grid->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(grid.get()));
    }

    QHeaderView* header() { return grid->view()->horizontalHeader(); }
    QPoint titlePoint(int column) {
        return QPoint(header()->sectionViewportPosition(column) + header()->sectionSize(column) / 2,
                      header()->height() / 2);
    }
    QPoint rowPoint(int row) {
        return grid->view()->visualRect(grid->model()->index(row, Customer)).center();
    }

    std::unique_ptr<DataGrid> grid;
};

TEST_P(DataGridTest, ClickingTitlesSortsExceptOnMemoColumns) {
    QTest::mouseClick(header()->viewport(), Qt::LeftButton, {}, titlePoint(Customer));
    EXPECT_EQ(grid->model()->sortMarker(Customer), SortMarker::Ascending);
    EXPECT_EQ(lanze::test::shown(*grid->model(), Customer), QStringList({"A甲", "B乙", "C丙", "D丁"}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // the wait cursor is gone again

    QTest::mouseClick(header()->viewport(), Qt::LeftButton, {}, titlePoint(Note));
    EXPECT_EQ(grid->model()->sortMarker(Note), SortMarker::None);
    EXPECT_EQ(grid->model()->sortMarker(Customer), SortMarker::Ascending);
    EXPECT_EQ(lanze::test::shown(*grid->model(), Customer), QStringList({"A甲", "B乙", "C丙", "D丁"}));
}

TEST_P(DataGridTest, ControlClickSelectsSeveralRows) {
    grid->setMultiSelect(true);
    QTest::mouseClick(grid->view()->viewport(), Qt::LeftButton, {}, rowPoint(0));
    QTest::mouseClick(grid->view()->viewport(), Qt::LeftButton, Qt::ControlModifier, rowPoint(3));
    QTest::mouseClick(grid->view()->viewport(), Qt::LeftButton, Qt::ControlModifier, rowPoint(2));
    EXPECT_EQ(grid->selectedRows(), QList<int>({0, 2, 3}));
    EXPECT_EQ(grid->selectedValues(QStringLiteral("单据编号")),
              QVariantList({"202612110001", "202612110003", "202612110004"}));
    EXPECT_EQ(grid->currentRecord().text(QStringLiteral("客户")), QStringLiteral("A甲"));

    grid->setMultiSelect(false);
    QTest::mouseClick(grid->view()->viewport(), Qt::LeftButton, {}, rowPoint(1));
    QTest::mouseClick(grid->view()->viewport(), Qt::LeftButton, Qt::ControlModifier, rowPoint(3));
    EXPECT_EQ(grid->selectedRows(), QList<int>({3}));
}

TEST_P(DataGridTest, ColumnOrderIsSavedAndRestoredOrRefusedWhole) {
    const QStringList design = {"发货完毕", "单据编号", "客户", "金额", "份数", "时间", "备注"};
    EXPECT_EQ(grid->columnOrder(), design);

    // The user drags 金额 to the front: the grid reports it and the saved list follows.
    QSignalSpy dragged(grid.get(), &DataGrid::columnOrderChanged);
    header()->moveSection(header()->visualIndex(Amount), 0);
    EXPECT_EQ(dragged.count(), 1);
    const QStringList saved = grid->columnOrder();
    EXPECT_EQ(saved, QStringList({"金额", "发货完毕", "单据编号", "客户", "份数", "时间", "备注"}));

    // A fresh grid restores it; a shorter list puts its names first and keeps the rest in place.
    DataGrid fresh;
    fresh.setColumns(columns());
    EXPECT_TRUE(fresh.applyColumnOrder(saved));
    EXPECT_EQ(fresh.columnOrder(), saved);
    EXPECT_TRUE(fresh.applyColumnOrder({"客户", "单据编号"}));
    EXPECT_EQ(fresh.columnOrder(),
              QStringList({"客户", "单据编号", "金额", "发货完毕", "份数", "时间", "备注"}));

    const QList<QStringList> refused = {
        {"金额", "没有这列"},              // unknown field
        {"金额", "交款完毕"},              // hidden column
        {"金额", "客户", "金额"},          // named twice
        design + QStringList{"发货完毕"},  // longer than the visible columns
    };
    for (const QStringList& order : refused) {
        SCOPED_TRACE(order.join(QLatin1Char(',')).toStdString());
        EXPECT_FALSE(grid->applyColumnOrder(order));
        EXPECT_EQ(grid->columnOrder(), saved);
    }
    EXPECT_EQ(dragged.count(), 1);  // restoring is not a drag
}

TEST_P(DataGridTest, RowColoursAndFooterReachTheScreen) {
    grid->model()->setColourHook([](const GridRecord& row, const GridColumn&) -> CellColours {
        return {row.yesNo(QStringLiteral("发货完毕")) ? QColor(255, 149, 149) : QColor(166, 202, 240),
                std::nullopt};
    });
    QApplication::processEvents();
    const QImage shot = grid->view()->viewport()->grab().toImage();
    const QRect cell = grid->view()->visualRect(grid->model()->index(0, Portions));
    const QRect sentCell = grid->view()->visualRect(grid->model()->index(2, Portions));
    EXPECT_EQ(shot.pixelColor(cell.left() + 3, cell.center().y()), QColor(166, 202, 240));
    EXPECT_EQ(shot.pixelColor(sentCell.left() + 3, sentCell.center().y()), QColor(255, 149, 149));

    // The footer sits under the view and is painted with the model's texts.
    EXPECT_TRUE(grid->footer()->isVisible());
    EXPECT_GE(grid->footer()->geometry().top(), grid->view()->geometry().bottom());
    EXPECT_EQ(grid->model()->footerText(Amount), QStringLiteral("19.30"));
    EXPECT_EQ(grid->model()->footerText(Number), QStringLiteral("4张"));
}

TEST_P(DataGridTest, FooterCellsStayUnderTheirColumnsWhenScrolledAndMoved) {
    grid->resize(300, 300);
    header()->moveSection(header()->visualIndex(Amount), 1);
    grid->view()->horizontalScrollBar()->setValue(120);
    QApplication::processEvents();
    for (int column : {int(Number), int(Amount), int(Time)}) {
        SCOPED_TRACE(column);
        const QPoint titleLeft = grid->view()->mapTo(grid.get(), header()->pos()) +
                                 QPoint(header()->sectionViewportPosition(column), 0);
        const QPoint footerLeft =
            grid->footer()->mapTo(grid.get(), grid->footer()->cellRect(column).topLeft());
        EXPECT_EQ(footerLeft.x(), titleLeft.x());
        EXPECT_EQ(grid->footer()->cellRect(column).width(), header()->sectionSize(column));
    }
    EXPECT_TRUE(grid->footer()->cellRect(Paid).isEmpty());  // hidden column
}

TEST_P(DataGridTest, PickListColumnsEditThroughADropDown) {
    QList<GridColumn> cols = columns();
    cols[Customer].withPickList({"A甲", "B乙"});
    grid->setColumns(cols);
    grid->setQuery(query());
    GridDelegate delegate;
    QWidget parent;
    std::unique_ptr<QWidget> editor(
        delegate.createEditor(&parent, QStyleOptionViewItem(), grid->model()->index(1, Customer)));
    auto* box = qobject_cast<QComboBox*>(editor.get());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->count(), 2);
    EXPECT_EQ(box->itemText(1), QStringLiteral("B乙"));
    delegate.setEditorData(box, grid->model()->index(1, Customer));
    EXPECT_EQ(box->currentText(), QStringLiteral("D丁"));

    std::unique_ptr<QWidget> plain(
        delegate.createEditor(&parent, QStyleOptionViewItem(), grid->model()->index(1, Number)));
    EXPECT_EQ(qobject_cast<QComboBox*>(plain.get()), nullptr);
}

INSTANTIATE_ENGINES(DataGridTest);

}  // namespace
