#include "signin/Permissions.h"

#include <QVariant>

namespace lanze {

namespace {
using P = Permission;
using Place = Command::Place;

Command menu(const char* caption) {
    return {Place::MenuItem, QString::fromUtf8(caption)};
}
Command tool(const char* caption) {
    return {Place::ToolButton, QString::fromUtf8(caption)};
}
Command context(const char* caption) {
    return {Place::ContextItem, QString::fromUtf8(caption)};
}
Command button(const char* caption) {
    return {Place::Button, QString::fromUtf8(caption)};
}

QList<Permissions::Entry> buildTable() {
    auto e = [](P p, int s, int pos, const char* name, QList<Command> commands) {
        return Permissions::Entry{p, s, pos, QString::fromUtf8(name), std::move(commands)};
    };
    return {
        e(P::ServiceItems, 1, 1, "服务项目管理", {menu("服务项目")}),
        e(P::Customers, 1, 2, "客户管理", {menu("客户管理"), tool("客户资料")}),
        e(P::Staff, 1, 3, "员工管理", {menu("工作人员管理")}),
        e(P::CustomerTypes, 1, 4, "客户类型设置", {menu("客户类型设置")}),
        e(P::CustomerRegions, 1, 5, "客户区域设置", {menu("客户区域管理")}),
        e(P::ServiceCategories, 1, 6, "服务种类设置", {menu("业务类别设置")}),
        e(P::Requirements, 1, 7, "要求设置", {menu("服务要求设置")}),

        e(P::Order, 2, 1, "销售开单", {menu("销售开单"), tool("订单开单F1")}),
        e(P::Dispatch, 2, 2, "派工", {menu("单一派工"), tool("单一派工"), context("单一派工")}),
        e(P::Payment, 2, 3, "收款", {menu("收款"), tool("单一收款"), context("单一收款")}),
        // Read by the payment window itself: its "签单F2" page shows only when granted.
        e(P::CreditBill, 2, 4, "签单", {}),
        e(P::DeleteOrder, 2, 5, "删除订货单", {context("删除订单")}),
        e(P::CancelDispatch, 2, 6, "取消派工", {menu("取消派工"), tool("退货"), context("取消派工")}),
        e(P::Refund, 2, 7, "退款", {menu("退款"), tool("退款"), context("退款")}),
        // The order windows, the modification window and the payment window read these themselves.
        e(P::ModifyOrder, 2, 8, "修改订单", {}),
        e(P::Discount, 2, 9, "订单打折", {}),
        e(P::RoundOff, 2, 10, "订单抹零", {}),
        e(P::FreeItem, 2, 11, "服务项目免费权限", {}),

        e(P::OrderQuery, 3, 1, "营业查询", {menu("订单查询")}),
        e(P::ServiceSummary, 3, 2, "服务汇总查询", {menu("业务汇总查询")}),
        e(P::CreditBillQuery, 3, 3, "签单查询", {menu("签单查询")}),
        e(P::Commission, 3, 4, "提成查询", {menu("工作人员汇总及提成查询")}),
        e(P::CustomerConsumption, 3, 5, "客户消费查询", {menu("客户消费帐单详细查询")}),
        e(P::OrderTimeStatistics, 3, 6, "点单时间统计", {menu("订单时间统计")}),
        e(P::ServiceTimeStatistics, 3, 7, "服务时间统计", {menu("工作效率统计")}),
        e(P::DeletedOrders, 3, 8, "订单删除查询", {menu("订单删除查询")}),

        e(P::SystemSettings, 4, 1, "系统设置", {menu("系统设置"), tool("系统设置"), button("系统功能设置")}),
        e(P::RightsManagement, 4, 2, "权限管理", {menu("权限管理")}),
        e(P::ChangePassword, 4, 3, "修改密码", {menu("修改密码")}),
        e(P::Backup, 4, 4, "数据备份", {menu("数据备份")}),
        e(P::Restore, 4, 5, "数据还原", {menu("数据恢复")}),
        e(P::DataInitialisation, 4, 6, "数据初始化", {menu("数据初始化")}),

        e(P::Help, 5, 1, "帮助", {menu("帮助")}),
        e(P::About, 5, 2, "关于", {menu("关于")}),
    };
}

const QStringList& groupTexts() {
    static const QStringList texts = {QStringLiteral("1. 基础数据"), QStringLiteral("2. 业务管理"),
                                      QStringLiteral("3. 查询统计"), QStringLiteral("4. 系统设置"),
                                      QStringLiteral("5. 帮助")};
    return texts;
}
}  // namespace

const QList<Permissions::Entry>& Permissions::table() {
    static const QList<Entry> t = buildTable();
    return t;
}

const Permissions::Entry& Permissions::entry(Permission p) {
    // The table lists the permissions in the order of the enumeration.
    return table().at(static_cast<int>(p));
}

QString Permissions::groupText(int string) {
    return string >= 1 && string <= kGroups ? groupTexts().at(string - 1) : QString();
}

QList<Permissions::Entry> Permissions::group(int string) {
    QList<Entry> out;
    for (const Entry& e : table()) {
        if (e.string == string) {
            out.append(e);
        }
    }
    return out;
}

int Permissions::groupOf(const QString& treeText) {
    return static_cast<int>(groupTexts().indexOf(treeText)) + 1;
}

bool Permissions::flag(const QString& rightString, int position) {
    return position >= 1 && position <= rightString.size() &&
           rightString.at(position - 1) != QLatin1Char('0');
}

bool Permissions::granted(const QString (&rights)[kStrings], Permission p) {
    const Entry& e = entry(p);
    return flag(rights[e.string - 1], e.position);
}

QString Permissions::groupString(const QList<bool>& ticked) {
    QString s;
    for (bool t : ticked) {
        s.append(t ? QLatin1Char('1') : QLatin1Char('0'));
    }
    return s;
}

void Permissions::apply(const QString (&rights)[kStrings], const Lookup& lookup) {
    for (const Entry& e : table()) {
        const bool on = flag(rights[e.string - 1], e.position);
        for (const Command& c : e.commands) {
            // QAction and QWidget both carry the "enabled" property.
            for (QObject* o : lookup(c)) {
                o->setProperty("enabled", on);
            }
        }
    }
}

QList<Command> Permissions::governedCommands() {
    QList<Command> out;
    for (const Entry& e : table()) {
        out.append(e.commands);
    }
    return out;
}

}  // namespace lanze
