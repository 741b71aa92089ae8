#include "board/BoardQuery.h"

namespace lanze {

namespace {
const QString kBoardColumns = QStringLiteral(
    "select 单据编号,配送工,客户编号,客户姓名,区域,地址,交款完毕,发货完毕,时间,电话,折后金额 as "
    "应付货款,送餐日期,"
    "送餐时间,购物日期,发货备注,录音文件,订单状态,积分,客户单位,餐台号,sum(数量) as "
    "份数,账户余额,打折,抹零金额,"
    "客户类型,收款方式");
const QString kBoardGroup = QStringLiteral(
    " group by "
    "单据编号,配送工,客户编号,客户姓名,区域,地址,交款完毕,发货完毕,时间,电话,送餐日期,送餐时间,购物日期,"
    "发货备注,录音文件,折后金额,订单状态,积分,客户单位,餐台号,账户余额,打折,抹零金额,客户类型,收款方式 order "
    "by ");
// An order without a type is a delivery order, whether the type was left null or written as empty
// text (both engines keep the two apart); otherwise it would show on neither list.
const QString kDelivery = QStringLiteral(" and ((订单类型='外卖') or (订单类型 is null) or (订单类型=''))");

const QString kDineInRefreshColumns = QStringLiteral(
    "select "
    "单据编号,客户编号,客户姓名,区域,地址,交款完毕,发货完毕,时间,电话,折后金额,购物日期,订单状态,积分,"
    "客户单位,"
    "餐台号,账户余额,打折,抹零金额,客户类型,sum(数量) as 份数,折后金额 as 应付货款,收款方式,发货备注 from "
    "产品销售开票");
const QString kDineInSearchColumns = QStringLiteral(
    "select 单据编号,客户编号,客户姓名,区域,地址,交款完毕,发货完毕,时间,电话,折后金额 as "
    "应付货款,购物日期,订单状态,积分,"
    "客户单位,餐台号,sum(数量) as 份数,账户余额,打折,抹零金额,客户类型,收款方式,发货备注");
const QString kDineIn = QStringLiteral(" and 订单类型='堂食'");
const QString kDineInGroup = QStringLiteral(
    " group by "
    "单据编号,客户编号,客户姓名,区域,地址,交款完毕,发货完毕,时间,电话,折后金额,购物日期,订单状态,积分,"
    "客户单位,"
    "餐台号,账户余额,打折,抹零金额,客户类型,收款方式,发货备注 order by ");
}  // namespace

QString BoardQuery::sortText(BoardSort sort) {
    return sort == BoardSort::Region ? QStringLiteral("区域") : QStringLiteral("单据编号");
}

std::optional<BoardSort> BoardQuery::sortFromText(const QString& text) {
    if (text == sortText(BoardSort::OrderNumber)) {
        return BoardSort::OrderNumber;
    }
    if (text == sortText(BoardSort::Region)) {
        return BoardSort::Region;
    }
    return std::nullopt;
}

QString BoardQuery::dayPartClause(DayPart part) {
    if (part == DayPart::AllDay) {
        return {};
    }
    return QStringLiteral(" and 上下午='") + mealPeriodOf(part) + QLatin1Char('\'');
}

void BoardQuery::appendSearchConditions(Statement& s, const BoardSearch& search, const QDate& businessDay) {
    if (search.dateRange) {
        s.sql += QStringLiteral(" and 购物日期 between :rq1 and :rq2");
        s.addDate(QStringLiteral("rq1"), search.from);
        s.addDate(QStringLiteral("rq2"), search.to);
    } else {
        s.sql += QStringLiteral(" and 购物日期=:rq");
        s.addDate(QStringLiteral("rq"), businessDay);
    }
    if (search.region) {
        s.sql += QStringLiteral(" and 区域=:区域");
        s.addText(QStringLiteral("区域"), *search.region);
    }
    if (search.worker) {
        s.sql += QStringLiteral(" and 配送工=:配送工");
        s.addText(QStringLiteral("配送工"), *search.worker);
    }
    if (search.state != StateFilter::All) {
        // wb1 is the paid flag, wb2 the dispatched flag.
        const bool paid =
            search.state == StateFilter::NotDispatchedPaid || search.state == StateFilter::DispatchedPaid;
        const bool dispatched =
            search.state == StateFilter::DispatchedUnpaid || search.state == StateFilter::DispatchedPaid;
        s.sql += QStringLiteral(" and 交款完毕=:wb1 and 发货完毕=:wb2");
        s.addYesNo(QStringLiteral("wb1"), paid);
        s.addYesNo(QStringLiteral("wb2"), dispatched);
    }
}

Statement BoardQuery::onDay(const QString& head, const QDate& businessDay) {
    Statement s;
    s.sql = head + QStringLiteral(" where 购物日期=:rq");
    s.addDate(QStringLiteral("rq"), businessDay);
    return s;
}

Statement BoardQuery::matching(const QString& head, const BoardSearch& search, const QDate& businessDay) {
    Statement s;
    s.sql = head + QStringLiteral(" where 1=1");
    appendSearchConditions(s, search, businessDay);
    return s;
}

// Every board statement ends alike: the day part, which kind of order, the grouping and the sort box.
Statement BoardQuery::finish(Statement s, DayPart part, const QString& kindAndGroup, BoardSort sort) {
    s.sql += dayPartClause(part);
    s.sql += kindAndGroup + sortText(sort);
    return s;
}

Statement BoardQuery::refresh(const QDate& businessDay, DayPart part, BoardSort sort) {
    return finish(onDay(kBoardColumns + QStringLiteral(" from 产品销售开票"), businessDay), part,
                  kDelivery + kBoardGroup, sort);
}

Statement BoardQuery::search(const BoardSearch& search, const QDate& businessDay, DayPart part,
                             BoardSort sort) {
    return finish(matching(kBoardColumns + QStringLiteral(" from 产品销售开票"), search, businessDay), part,
                  kDelivery + kBoardGroup, sort);
}

Statement BoardQuery::dineInRefresh(const QDate& businessDay, DayPart part, BoardSort sort) {
    return finish(onDay(kDineInRefreshColumns, businessDay), part, kDineIn + kDineInGroup, sort);
}

Statement BoardQuery::dineInSearch(const BoardSearch& search, const QDate& businessDay, DayPart part,
                                   BoardSort sort) {
    return finish(matching(kDineInSearchColumns + QStringLiteral(" from 产品销售开票"), search, businessDay),
                  part, kDineIn + kDineInGroup, sort);
}

Statement BoardQuery::detail(const QString& orderNumber) {
    Statement s;
    // The lines keep the order in which they were saved; the server does not promise it otherwise.
    s.sql = QStringLiteral("select * from 产品销售开票 where 单据编号=:单据编号 order by id");
    s.addText(QStringLiteral("单据编号"), orderNumber);
    return s;
}

}  // namespace lanze
