#include <gtest/gtest.h>
#include <QSignalSpy>

#include "core/db/DbError.h"
#include "tests/core/grid/GridFixture.h"

using namespace lanze;
using lanze::test::shown;

namespace {

enum Col { Sent, Number, Customer, Amount, Portions, Time, Note, Paid };

class GridModelTest : public lanze::test::GridFixture {};

TEST_P(GridModelTest, TitleClicksCycleMarkersAndReturnToQueryOrder) {
    insertFour();
    GridModel model;
    model.setColumns(columns());
    Query q = query();
    q.exec();  // as a window does before handing the result over
    model.setQuery(std::move(q));
    ASSERT_EQ(shown(model, Customer), QStringList({"B乙", "D丁", "A甲", "C丙"}));

    struct Step {
        int clicked;
        SortMarker customerMarker;
        SortMarker amountMarker;
        QStringList customers;  // rows top to bottom
    };
    const std::vector<Step> steps = {
        {Customer, SortMarker::Ascending, SortMarker::None, {"A甲", "B乙", "C丙", "D丁"}},
        {Customer, SortMarker::Descending, SortMarker::None, {"D丁", "C丙", "B乙", "A甲"}},
        // Another column's click orders by that column alone; the first marker stays as it was.
        {Amount, SortMarker::Descending, SortMarker::Ascending, {"B乙", "A甲", "C丙", "D丁"}},
        {Amount, SortMarker::Descending, SortMarker::Descending, {"D丁", "C丙", "A甲", "B乙"}},
        // Back to no marker: query order, although 金额 still shows its marker.
        {Customer, SortMarker::None, SortMarker::Descending, {"B乙", "D丁", "A甲", "C丙"}},
    };
    for (size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(model.clickTitle(steps[i].clicked));
        EXPECT_EQ(model.sortMarker(Customer), steps[i].customerMarker);
        EXPECT_EQ(model.sortMarker(Amount), steps[i].amountMarker);
        EXPECT_EQ(shown(model, Customer), steps[i].customers);
    }
    // Amounts sort as numbers (10 after 9), and the title shows the marker.
    EXPECT_EQ(shown(model, Amount), QStringList({"0.10", "10.00", "0.20", "9.00"}));
    EXPECT_EQ(model.headerData(Amount, Qt::Horizontal).toString(), QStringLiteral("应付货款 ▼"));
    EXPECT_EQ(model.headerData(Customer, Qt::Horizontal).toString(), QStringLiteral("客户姓名"));
}

TEST_P(GridModelTest, MemoAndUnsortableColumnsIgnoreTitleClicks) {
    insertFour();
    QList<GridColumn> cols = columns();
    cols[Customer].unsortable();
    cols << GridColumn(QStringLiteral("不存在"), QStringLiteral("空列"));
    GridModel model;
    model.setColumns(cols);
    model.setQuery(query());
    EXPECT_TRUE(model.clickTitle(Amount));
    const QStringList before = shown(model, Customer);
    for (int column : {int(Note), int(Customer), int(cols.size()) - 1}) {
        SCOPED_TRACE(column);
        EXPECT_FALSE(model.clickTitle(column));
        EXPECT_EQ(model.sortMarker(column), SortMarker::None);
    }
    EXPECT_EQ(shown(model, Customer), before);
    EXPECT_EQ(model.sortMarker(Amount), SortMarker::Ascending);
    // A field the query does not return leaves its column empty.
    EXPECT_EQ(model.index(0, int(cols.size()) - 1).data().toString(), QString());
}

TEST_P(GridModelTest, FooterShowsExactMoneySumCountAndCaptions) {
    insert(1, QStringLiteral("A"), QStringLiteral("0.1"), 0.5, false, false);
    insert(2, QStringLiteral("B"), QStringLiteral("0.2"), 0.25, false, false);
    GridModel model;
    model.setColumns(columns());
    model.setQuery(query());
    EXPECT_EQ(model.footerText(Sent), QStringLiteral("当前订单："));
    EXPECT_EQ(model.footerText(Number), QStringLiteral("2张"));
    EXPECT_EQ(model.footerText(Amount), QStringLiteral("0.30"));
    EXPECT_EQ(model.totals().moneySum(Amount), *Money::parse(QStringLiteral("0.3")));
    EXPECT_EQ(model.footerText(Portions), QStringLiteral("0.75"));
    EXPECT_EQ(model.footerText(Customer), QString());
    // An empty result still counts and sums.
    Query none(db(), QStringLiteral("select * from 单 where 序号<0"));
    model.setQuery(std::move(none));
    EXPECT_EQ(model.footerText(Number), QStringLiteral("0张"));
    EXPECT_EQ(model.footerText(Amount), QStringLiteral("0.00"));

    // A figure the window works out itself replaces the sum.
    model.setFooterText(Amount, QStringLiteral("12.00"));
    EXPECT_EQ(model.footerText(Amount), QStringLiteral("12.00"));
}

TEST_P(GridModelTest, CountFormatReplacesTheRunOfHashes) {
    EXPECT_EQ(ColumnFooter::formatCount(QStringLiteral("###张"), 1234), QStringLiteral("1234张"));
    EXPECT_EQ(ColumnFooter::formatCount(QStringLiteral("#张"), 7), QStringLiteral("7张"));
    EXPECT_EQ(ColumnFooter::formatCount(QStringLiteral("共###单"), 0), QStringLiteral("共0单"));
    EXPECT_EQ(ColumnFooter::formatCount(QStringLiteral("张"), 3), QStringLiteral("3张"));
}

TEST_P(GridModelTest, RowsComeInBatchesWhileTotalsAndSortsCoverTheWholeQuery) {
    // 1200 orders of 0.10 and 0.20 alternately, one of them 99.99.
    db().execute(
        QStringLiteral("with recursive n(i) as (select 1 union all select i+1 from n where i<1200) "
                       "insert into 单 (序号,单据编号,客户,金额,份数,发货完毕,交款完毕) "
                       "select i, 'N'||i, 'C', case when i=777 then 999900 else 1000+(i%2)*1000 end, 250, "
                       "false, false from n"));
    GridModel model;
    model.setColumns(columns());
    model.setQuery(query());
    EXPECT_EQ(model.rowCount(), GridModel::BatchSize);
    EXPECT_TRUE(model.canFetchMore());
    EXPECT_EQ(model.totalRows(), 1200);
    EXPECT_EQ(model.footerText(Number), QStringLiteral("1200张"));
    EXPECT_EQ(model.footerText(Amount), QStringLiteral("279.79"));
    EXPECT_EQ(model.footerText(Portions), QStringLiteral("300000"));  // never "3e+05"

    ASSERT_TRUE(model.clickTitle(Amount));
    ASSERT_TRUE(model.clickTitle(Amount));
    EXPECT_EQ(model.index(0, Number).data().toString(), QStringLiteral("N777"));
    EXPECT_EQ(model.rowCount(), GridModel::BatchSize);
    model.fetchAll();
    EXPECT_EQ(model.rowCount(), 1200);
    EXPECT_FALSE(model.canFetchMore());
    EXPECT_EQ(model.footerText(Amount), QStringLiteral("279.79"));
}

TEST_P(GridModelTest, UnreadRowsSurviveWritesCommittedAndRolledBackMeanwhile) {
    db().execute(
        QStringLiteral("with recursive n(i) as (select 1 union all select i+1 from n where i<1000) "
                       "insert into 单 (序号,单据编号,金额) select i, 'N'||i, 1000 from n"));
    GridModel model;
    model.setColumns(columns());
    model.setQuery(query());
    ASSERT_TRUE(model.canFetchMore());
    {
        Transaction saved(db());
        insert(2000, QStringLiteral("X"), QStringLiteral("1"), 1, false, false);
        saved.commit();
    }
    {
        Transaction failed(db());
        insert(2001, QStringLiteral("Y"), QStringLiteral("1"), 1, false, false);
    }  // rolled back
    model.fetchAll();
    EXPECT_GE(model.rowCount(), 1000);
    EXPECT_EQ(model.index(999, Number).data().toString(), QStringLiteral("N1000"));
    model.refresh();
    model.fetchAll();
    EXPECT_EQ(model.rowCount(), 1001);
    EXPECT_EQ(model.footerText(Number), QStringLiteral("1001张"));
}

TEST_P(GridModelTest, CellsShowTheStoredValueInTheirCellKind) {
    insertFour();
    GridModel model;
    model.setColumns(columns());
    model.setQuery(query());
    const struct {
        int column;
        QString display;
    } cells[] = {
        {Number, "202612110001"},      {Amount, "0.10"},        {Portions, "1"},
        {Time, "2026-12-11 11:01:00"}, {Note, "多放辣 少放盐"}, {Sent, ""},
    };
    for (const auto& c : cells) {
        SCOPED_TRACE(c.column);
        EXPECT_EQ(model.index(0, c.column).data().toString(), c.display);
    }
    EXPECT_EQ(model.index(0, Sent).data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_EQ(model.index(3, Sent).data(Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_EQ(model.index(0, Note).data(Qt::ToolTipRole).toString(), QStringLiteral("多放辣\n少放盐"));
    EXPECT_EQ(model.index(1, Amount).data(GridModel::RawValueRole).toLongLong(), 100000);
    EXPECT_EQ(model.record(1).money(QStringLiteral("金额")), Money::fromYuan(10));
    EXPECT_TRUE(model.record(3).yesNo(QStringLiteral("交款完毕")));
    EXPECT_FALSE(model.flags(model.index(0, Customer)).testFlag(Qt::ItemIsEditable));
}

TEST_P(GridModelTest, EditableCellsHoldCheckedInputAsThePendingEditOfTheirRow) {
    insertFour();
    QList<GridColumn> cols = columns();
    for (int c : {int(Customer), int(Amount), int(Portions), int(Note)}) {
        cols[c].editableInGrid();
    }
    const int order = int(cols.size());
    cols << GridColumn(QStringLiteral("序号"), QStringLiteral("排序"), CellKind::Integer).editableInGrid();
    GridModel model;
    model.setColumns(cols);
    model.setQuery(query());
    for (int c = 0; c < model.columnCount(); ++c) {
        SCOPED_TRACE(c);
        const bool editable = c == Customer || c == Amount || c == Portions || c == order;  // never a memo
        EXPECT_EQ(model.flags(model.index(1, c)).testFlag(Qt::ItemIsEditable), editable);
    }
    QSignalSpy edited(&model, &GridModel::rowEdited);
    QSignalSpy refused(&model, &GridModel::editRefused);

    const struct {
        int column;
        QString typed;
        QString refusal;  // empty when the cell takes the input
        QString shown;
    } cases[] = {
        {order, "a", "排序必须是整数", "2"},
        {order, "1.5", "排序必须是整数", "2"},
        {Portions, "二", "项目数必须是数字", "2"},
        {Portions, "nan", "项目数必须是数字", "2"},
        {Amount, "12元", "应付货款必须是数字", "10.00"},
        {order, " ７ ", "", "7"},  // full-width digits from a Chinese input method
        {Portions, "2.5", "", "2.5"},
        {Amount, "12.345", "", "12.35"},
        {Customer, "新客户", "", "新客户"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        const QModelIndex cell = model.index(1, c.column);
        refused.clear();
        EXPECT_EQ(model.setData(cell, c.typed), c.refusal.isEmpty());
        if (c.refusal.isEmpty()) {
            EXPECT_TRUE(refused.isEmpty());
        } else {
            ASSERT_EQ(refused.size(), 1);
            EXPECT_EQ(refused[0][2].toString(), c.refusal);
        }
        EXPECT_EQ(cell.data().toString(), c.shown);
        EXPECT_EQ(cell.data(Qt::EditRole).toString(), c.shown);  // what an editor starts from
    }
    EXPECT_EQ(edited.size(), 4);
    EXPECT_EQ(edited[0][0].toInt(), 1);
    // Handing the shown text back (an editor closed unchanged) is no edit; a cell not editable takes nothing.
    EXPECT_TRUE(model.setData(model.index(1, order), "7"));
    EXPECT_FALSE(model.setData(model.index(1, Number), "X"));
    EXPECT_FALSE(model.setData(model.index(1, Note), "X"));
    EXPECT_EQ(edited.size(), 4);

    // The window writes the typed values by kind; the row as read stays what the query returned.
    EXPECT_TRUE(model.hasPendingEdit(1));
    EXPECT_FALSE(model.hasPendingEdit(0));
    const RowValues pending = model.pendingValues(1);
    EXPECT_EQ(pending.columns(), (QStringList{"客户", "金额", "份数", "序号"}));
    EXPECT_EQ(pending.integer("序号"), 7);
    EXPECT_EQ(pending.number("份数"), 2.5);
    EXPECT_EQ(pending.money("金额"), Money::fromUnits(123450));
    EXPECT_EQ(pending.text("客户"), "新客户");
    EXPECT_TRUE(model.pendingValues(0).isEmpty());
    EXPECT_EQ(model.record(1).text("客户"), "D丁");
    EXPECT_EQ(model.record(1).integer("序号"), 2);

    // An emptied number cell is written as null.
    EXPECT_TRUE(model.setData(model.index(1, order), ""));
    EXPECT_TRUE(model.pendingValues(1).isNull("序号"));

    model.dropPendingEdits();
    EXPECT_FALSE(model.hasPendingEdit(1));
    EXPECT_EQ(shown(model, Customer), QStringList({"B乙", "D丁", "A甲", "C丙"}));
    EXPECT_EQ(model.index(1, order).data().toString(), "2");

    // Reading the rows again drops what was typed as well.
    model.setData(model.index(2, Customer), "改");
    model.refresh();
    EXPECT_FALSE(model.hasPendingEdit(2));
    EXPECT_EQ(model.index(2, Customer).data().toString(), "A甲");
}

TEST_P(GridModelTest, ColourHookColoursCellsByTheRowsFlags) {
    insertFour();
    GridModel model;
    model.setColumns(columns());
    model.setQuery(query());
    model.setColourHook([](const GridRecord& row, const GridColumn& column) -> CellColours {
        if (column.field == QStringLiteral("客户")) {
            return {std::nullopt, QColor(Qt::blue)};
        }
        const bool sent = row.yesNo(QStringLiteral("发货完毕"));
        const bool paid = row.yesNo(QStringLiteral("交款完毕"));
        return {QColor(sent ? (paid ? 0xffffaa : 0xff9595) : (paid ? 0xc0dcc0 : 0xa6caf0)), std::nullopt};
    });
    const QRgb expected[] = {0xa6caf0, 0xc0dcc0, 0xff9595, 0xffffaa};
    for (int r = 0; r < 4; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(model.index(r, Amount).data(Qt::BackgroundRole).value<QColor>().rgb() & 0xffffff,
                  expected[r]);
        EXPECT_FALSE(model.index(r, Customer).data(Qt::BackgroundRole).isValid());
        EXPECT_EQ(model.index(r, Customer).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::blue));
    }
}

TEST_P(GridModelTest, FailingStatementLeavesTheGridEmpty) {
    insertFour();
    GridModel model;
    model.setColumns(columns());
    model.setQuery(query());
    ASSERT_EQ(model.rowCount(), 4);
    EXPECT_THROW(model.setQuery(Query(db(), QStringLiteral("select * from 没有这张表"))), DbError);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_FALSE(model.hasQuery());
    EXPECT_EQ(model.footerText(Number), QString());
    EXPECT_FALSE(model.clickTitle(Customer));
}

INSTANTIATE_ENGINES(GridModelTest);

}  // namespace
