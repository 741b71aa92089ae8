#include "board/TodayStatistics.h"

#include "board/BoardQuery.h"
#include "core/db/Query.h"

namespace lanze {

namespace {
// The panel shows how many orders a grouped statement lists; the server counts them instead of
// sending every order number across.
qint64 countGroups(Query& q) {
    q.exec();
    return q.next() ? q.integer(QStringLiteral("cc")) : 0;
}

QString wrapCount(const QString& grouped) {
    return QStringLiteral("select count(*) as cc from (") + grouped + QStringLiteral(") a");
}
}  // namespace

QStringList TodayFigures::texts() const {
    return {
        QStringLiteral("%1  次").arg(orders),
        QStringLiteral("%1  份").arg(qRound64(portions)),
        QStringLiteral("%1  次").arg(workDone),
        QStringLiteral("%1  次").arg(workOpen),
        // Amounts as plain currency text: "12", "38.75", never "12.00".
        takings.toPlainString() + QStringLiteral("  元"),
        outstanding.toPlainString() + QStringLiteral("  元"),
        QStringLiteral("%1  张").arg(creditBills),
    };
}

TodayFigures TodayStatistics::compute(Database& db, const QDate& businessDay) {
    const QString rq = QStringLiteral("rq");
    TodayFigures f;
    {
        Query q(db, wrapCount(QStringLiteral(
                        "select 单据编号 from 产品销售开票 where 购物日期=:rq group by 单据编号")));
        q.bindDate(rq, businessDay);
        f.orders = countGroups(q);
    }
    {
        Query q(db, QStringLiteral("select sum(数量) as cc from 产品销售开票 where 购物日期=:rq"));
        q.bindDate(rq, businessDay);
        f.portions = q.first() ? q.number(QStringLiteral("cc")) : 0;
    }
    const QString byDispatch = wrapCount(QStringLiteral(
        "select 单据编号 from 产品销售开票 where 购物日期=:rq and 发货完毕=:发货完毕 group by 单据编号"));
    for (bool dispatched : {true, false}) {
        Query q(db, byDispatch);
        q.bindDate(rq, businessDay).bindYesNo(QStringLiteral("发货完毕"), dispatched);
        (dispatched ? f.workDone : f.workOpen) = countGroups(q);
    }
    // Each order once (its amount repeats on every line); credit bills are settled later and a null
    // payment kind fails the inequality, so neither counts as money taken or owed today.
    const QString money = QStringLiteral(
        "select sum(折后金额) as cc from (select 单据编号,折后金额 from 产品销售开票 where 购物日期=:rq and "
        "交款完毕=:交款完毕 and 收款方式<>:收款方式 group by 单据编号,折后金额) a");
    for (bool paid : {true, false}) {
        Query q(db, money);
        q.bindDate(rq, businessDay)
            .bindYesNo(QStringLiteral("交款完毕"), paid)
            .bindText(QStringLiteral("收款方式"), kCreditBill);
        (paid ? f.takings : f.outstanding) = q.first() ? q.money(QStringLiteral("cc")) : Money();
    }
    {
        Query q(db, wrapCount(QStringLiteral("select 单据编号 from 产品销售开票 where 购物日期=:rq and "
                                             "收款方式=:收款方式 group by 单据编号")));
        q.bindDate(rq, businessDay).bindText(QStringLiteral("收款方式"), kCreditBill);
        f.creditBills = countGroups(q);
    }
    return f;
}

QList<ItemQuantity> TodayStatistics::itemChart(Database& db, const QDate& calendarToday, DayPart part) {
    QString sql = QStringLiteral(
        "select 产品名称,sum(数量) as 数量 from 产品销售开票 where 购物日期 between :sj1 and :sj2");
    sql += BoardQuery::dayPartClause(part) + QStringLiteral(" group by 产品名称 order by 产品名称");
    Query q(db, sql);
    q.bindDate(QStringLiteral("sj1"), calendarToday)
        .bindDate(QStringLiteral("sj2"), calendarToday.addDays(1));
    q.exec();
    QList<ItemQuantity> bars;
    while (q.next()) {
        bars.append({q.text(QStringLiteral("产品名称")), q.number(QStringLiteral("数量"))});
    }
    return bars;
}

}  // namespace lanze
