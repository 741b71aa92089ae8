#pragma once

#include <QDate>
#include <QString>
#include <optional>

#include "board/BusinessDay.h"
#include "board/Statement.h"

namespace lanze {

// The state radios of the filter panel: all orders, or one combination of the dispatched and paid flags.
enum class StateFilter { All, NotDispatchedUnpaid, NotDispatchedPaid, DispatchedUnpaid, DispatchedPaid };

// The sort box of the board: by order number (the default) or by region.
enum class BoardSort { OrderNumber, Region };

// The conditions of the filter panel as the 查询 button reads them.
struct BoardSearch {
    // 任意时间段业务从: a range of plain calendar dates; otherwise 今日业务, the business day.
    bool dateRange = false;
    QDate from;
    QDate to;
    std::optional<QString> region;  // 指定区域 with the region box's text ("总部" is a value like any other)
    std::optional<QString> worker;  // 工作人员 ticked, with the worker box's text
    StateFilter state = StateFilter::All;
};

// The statements behind the order board: one row per order of the business day (or of the searched
// dates), grouped by the database; the dine-in list beside it; and one order's lines for the detail grid.
class BoardQuery {
  public:
    // The board after an order was saved or changed: the business day, the day part and the sort only.
    static Statement refresh(const QDate& businessDay, DayPart part, BoardSort sort);
    // The board with every condition of the filter panel.
    static Statement search(const BoardSearch& search, const QDate& businessDay, DayPart part,
                            BoardSort sort);

    // The dine-in and counter orders (订单类型 "堂食"), for the refresh and for 查询.
    static Statement dineInRefresh(const QDate& businessDay, DayPart part, BoardSort sort);
    static Statement dineInSearch(const BoardSearch& search, const QDate& businessDay, DayPart part,
                                  BoardSort sort);

    // All lines of one order, for the detail grid.
    static Statement detail(const QString& orderNumber);

    // The sort box's texts; anything else is refused rather than put into the statement.
    static QString sortText(BoardSort sort);
    static std::optional<BoardSort> sortFromText(const QString& text);

    // " and 上下午='午餐'" and the like; nothing for the whole day. Shared with the item chart.
    static QString dayPartClause(DayPart part);

  private:
    static void appendSearchConditions(Statement& s, const BoardSearch& search, const QDate& businessDay);
    static Statement onDay(const QString& head, const QDate& businessDay);
    static Statement matching(const QString& head, const BoardSearch& search, const QDate& businessDay);
    static Statement finish(Statement s, DayPart part, const QString& kindAndGroup, BoardSort sort);
};

}  // namespace lanze
