#include "settings/StoreSettings.h"

#include "app/SignInState.h"
#include "core/db/Query.h"
#include "core/db/Transaction.h"

namespace lanze {

namespace {
QString orDefault(const QString& value, const QString& fallback) {
    return value.isEmpty() ? fallback : value;
}
}  // namespace

StoreRow StoreSettings::read(Database& db) {
    StoreRow row;
    Query q(db, QStringLiteral("select * from 店名 limit 1"));
    if (!q.first()) {
        return row;
    }
    row.exists = true;
    row.storeName = q.text(QStringLiteral("店名"));
    row.servicePhrase = q.text(QStringLiteral("服务用语"));
    row.phone = q.text(QStringLiteral("电话"));
    row.webAddress = q.text(QStringLiteral("网址"));
    row.leftMargin = int(q.integer(QStringLiteral("左边距")));
    row.rightMargin = int(q.integer(QStringLiteral("右边距")));
    row.topMargin = int(q.integer(QStringLiteral("上边距")));
    row.bottomMargin = int(q.integer(QStringLiteral("下边距")));
    row.printWidth = q.text(QStringLiteral("打印幅面")) == kWidth58 ? kWidth58 : kWidth76;
    row.titleLeftMargin = int(q.integer(QStringLiteral("标题左边距")));
    row.printStyle = q.text(QStringLiteral("打印样式"));
    row.printLogo = q.yesNo(QStringLiteral("打印图片"));
    row.commissionMode = q.text(QStringLiteral("提成设置"));
    row.commissionPerOrder = q.money(QStringLiteral("次提成金额"));
    row.priceEditable = orDefault(q.text(QStringLiteral("单价修改")), QStringLiteral("可以"));
    row.pointsRule =
        q.isNull(QStringLiteral("积分规则")) ? Money::fromYuan(1) : q.money(QStringLiteral("积分规则"));
    row.returnRule = orDefault(q.text(QStringLiteral("退菜规则")), QStringLiteral("任意"));
    return row;
}

void StoreSettings::write(Database& db, const StoreRow& row) {
    Transaction tx(db);
    Query count(db, QStringLiteral("select count(*) as n from 店名"));
    count.first();
    const bool empty = count.integer(QStringLiteral("n")) == 0;
    const QString sql =
        empty
            ? QStringLiteral(
                  "insert into 店名 (店名,服务用语,电话,网址,左边距,右边距,上边距,下边距,打印幅面,标题左边距,"
                  "打印样式,打印图片,提成设置,次提成金额,单价修改,积分规则,退菜规则) values (:店名,:服务用语,"
                  ":电话,:网址,:左边距,:右边距,:上边距,:下边距,:打印幅面,:标题左边距,:打印样式,:打印图片,"
                  ":提成设置,:次提成金额,:单价修改,:积分规则,:退菜规则)")
            : QStringLiteral(
                  "update 店名 set 店名=:店名,服务用语=:服务用语,电话=:电话,网址=:网址,左边距=:左边距,"
                  "右边距=:右边距,上边距=:上边距,下边距=:下边距,打印幅面=:打印幅面,标题左边距=:标题左边距,"
                  "打印样式=:打印样式,打印图片=:打印图片,提成设置=:提成设置,次提成金额=:次提成金额,"
                  "单价修改=:单价修改,积分规则=:积分规则,退菜规则=:退菜规则");
    Query(db, sql)
        .bindText(QStringLiteral("店名"), row.storeName)
        .bindText(QStringLiteral("服务用语"), row.servicePhrase)
        .bindText(QStringLiteral("电话"), row.phone)
        .bindText(QStringLiteral("网址"), row.webAddress)
        .bindInteger(QStringLiteral("左边距"), row.leftMargin)
        .bindInteger(QStringLiteral("右边距"), row.rightMargin)
        .bindInteger(QStringLiteral("上边距"), row.topMargin)
        .bindInteger(QStringLiteral("下边距"), row.bottomMargin)
        .bindText(QStringLiteral("打印幅面"), row.printWidth)
        .bindInteger(QStringLiteral("标题左边距"), row.titleLeftMargin)
        .bindText(QStringLiteral("打印样式"), row.printStyle)
        .bindYesNo(QStringLiteral("打印图片"), row.printLogo)
        .bindText(QStringLiteral("提成设置"), row.commissionMode)
        .bindMoney(QStringLiteral("次提成金额"), row.commissionPerOrder)
        .bindText(QStringLiteral("单价修改"), row.priceEditable)
        .bindMoney(QStringLiteral("积分规则"), row.pointsRule)
        .bindText(QStringLiteral("退菜规则"), row.returnRule)
        .exec();
    tx.commit();
}

void StoreSettings::applyTo(const StoreRow& row, SignInState& state) {
    state.storeName = row.storeName;
    state.printWidth = row.printWidth == kWidth58 ? kWidth58 : kWidth76;
    state.titleLeftMargin = row.titleLeftMargin;
    state.priceEditable = orDefault(row.priceEditable, QStringLiteral("可以"));
    state.pointsRule = row.pointsRule.toPlainString();
    state.returnRule = orDefault(row.returnRule, QStringLiteral("任意"));
}

}  // namespace lanze
