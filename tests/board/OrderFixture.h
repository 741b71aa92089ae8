#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "core/db/Query.h"

namespace lanze::test {

// Writes one order as the order windows do: one line per item, the order-level columns repeated.
struct FixtureOrder {
    QString number;
    QDate day;
    QString period = QStringLiteral("午餐");
    QString type = QStringLiteral("外卖");  // a null text leaves 订单类型 null
    bool dispatched = false;
    bool paid = false;
    QString payKind = QStringLiteral("现金");  // a null text leaves 收款方式 null
    QString region = QStringLiteral("东城区");
    QString worker;
    QString due = QStringLiteral("20");
    std::vector<std::pair<QString, double>> items = {{QStringLiteral("宫保鸡丁"), 1}};
    QString time = QStringLiteral("11:00:00");
};

inline void addOrder(Database& db, const FixtureOrder& o) {
    Query q(db,
            QStringLiteral(
                "insert into 产品销售开票 "
                "(单据编号,购物日期,时间,产品名称,数量,应付货款,折后金额,打折,抹零金额,收款方式,"
                "发货完毕,交款完毕,订单状态,订单类型,上下午,区域,配送工,客户编号,客户姓名,地址,电话) values "
                "(:单据编号,:购物日期,:时间,:产品名称,:数量,:应付货款,:折后金额,10,0,:收款方式,:发货完毕,:"
                "交款完毕,"
                ":订单状态,:订单类型,:上下午,:区域,:配送工,'1','张三','人民路1号','13800000000')"));
    for (const auto& [item, quantity] : o.items) {
        q.bindText(QStringLiteral("单据编号"), o.number)
            .bindDate(QStringLiteral("购物日期"), o.day)
            .bindText(QStringLiteral("时间"), o.time)
            .bindText(QStringLiteral("产品名称"), item)
            .bindNumber(QStringLiteral("数量"), quantity)
            .bindMoney(QStringLiteral("应付货款"), Money::fromYuan(5))
            .bindMoney(QStringLiteral("折后金额"), *Money::parse(o.due))
            .bindYesNo(QStringLiteral("发货完毕"), o.dispatched)
            .bindYesNo(QStringLiteral("交款完毕"), o.paid)
            .bindText(QStringLiteral("订单状态"),
                      QString(o.dispatched ? "已发货" : "未发货") + QString(o.paid ? "已收款" : "未收款"))
            .bindText(QStringLiteral("上下午"), o.period)
            .bindText(QStringLiteral("区域"), o.region)
            .bindText(QStringLiteral("配送工"), o.worker);
        o.type.isNull() ? q.bindNull(QStringLiteral("订单类型"))
                        : q.bindText(QStringLiteral("订单类型"), o.type);
        o.payKind.isNull() ? q.bindNull(QStringLiteral("收款方式"))
                           : q.bindText(QStringLiteral("收款方式"), o.payKind);
        q.exec();
    }
}

}  // namespace lanze::test
