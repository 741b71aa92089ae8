#include "core/db/Schema.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include "core/db/Database.h"
#include "core/db/Query.h"

namespace lanze {

namespace {
using K = ColumnKind;

std::vector<ColumnDef> orderLineColumns() {
    return {
        {"id", K::AutoNumber},
        {"单据编号", K::Text},
        {"购物日期", K::DateTime},
        {"时间", K::Text},
        {"开单日期时间", K::DateTime},
        {"产品名称", K::Text},
        {"数量", K::Number},
        {"已发数量", K::Number},
        {"单价", K::Money},
        {"原价", K::Money},
        {"应付货款", K::Money},
        {"口味", K::Text},
        {"提成", K::Money},
        {"打折", K::Number},
        {"折后金额", K::Money},
        {"抹零金额", K::Money},
        {"实付货款", K::Money},
        {"实付票数", K::Number},
        {"欠款", K::Money},
        {"收款方式", K::Text},
        {"签单人姓名", K::Text},
        {"账户支付", K::Money},
        {"现金收入", K::Money},
        {"代金卷", K::Money},
        {"信用卡收取", K::Money},
        {"账户余额", K::Money},
        {"积分", K::Number},
        {"历史购物总额", K::Money},
        {"发货完毕", K::YesNo},
        {"交款完毕", K::YesNo},
        {"订单状态", K::Text},
        {"订单类型", K::Text},
        {"上下午", K::Text},
        {"餐台号", K::Text},
        {"配送工", K::Text},
        {"发货时间", K::Text},
        {"收款时间", K::Text},
        {"送货时间", K::Text},
        {"送餐日期", K::DateTime},
        {"送餐时间", K::DateTime},
        {"发货备注", K::Text},
        {"用户反馈", K::Text},
        {"客户编号", K::Text},
        {"客户姓名", K::Text},
        {"客户单位", K::Text},
        {"客户类型", K::Text},
        {"区域", K::Text},
        {"地址", K::Text},
        {"电话", K::Text},
        {"QQ", K::Text},
        {"录音文件", K::Text},
    };
}

std::vector<ColumnDef> deletedOrderLineColumns() {
    // Same layout as the order lines, so that lines are copied across whole; the key is a copied value
    // here, not a new number.
    std::vector<ColumnDef> cols = orderLineColumns();
    cols[0].kind = K::Integer;
    cols.push_back({"删除人", K::Text});
    cols.push_back({"删除时间", K::Text});
    return cols;
}

std::vector<TableDef> buildTables() {
    std::vector<TableDef> t;
    t.push_back({"产品销售开票", orderLineColumns()});
    t.push_back({"订单删除日志", deletedOrderLineColumns()});
    t.push_back({"销售临时表",
                 {{"ID", K::AutoNumber},
                  {"时间", K::Text},
                  {"产品名称", K::Text},
                  {"产品编号", K::Text},
                  {"数量", K::Integer},
                  {"单价", K::Money},
                  {"原价", K::Money},
                  {"应付货款", K::Money},
                  {"口味", K::Text},
                  {"提成", K::Number},
                  {"新老", K::Text}}});
    t.push_back({"订单修改临时表",
                 {{"单据编号", K::Text},
                  {"产品名称", K::Text},
                  {"数量", K::Integer},
                  {"单价", K::Money},
                  {"原价", K::Money},
                  {"应付货款", K::Money},
                  {"提成", K::Money},
                  {"口味", K::Text},
                  {"新老", K::Text}}});
    t.push_back(
        {"客户资料",
         {{"id", K::AutoNumber}, {"客户姓名", K::Text},   {"联系电话", K::Text},  {"联系地址", K::Text},
          {"客户单位", K::Text}, {"客户类型", K::Text},   {"客户地区", K::Text},  {"客户备注", K::Text},
          {"手工编码", K::Text}, {"购物次数", K::Number}, {"购物金额", K::Money}, {"帐户余额", K::Money},
          {"积分", K::Number},   {"黑名单", K::Text},     {"信用等级", K::Text},  {"QQ", K::Text},
          {"身份证号", K::Text}, {"生日", K::DateTime},   {"生日月", K::Integer}, {"生日日", K::Integer}}});
    t.push_back({"多个地址", {{"客户编号", K::Integer}, {"客户地址", K::Text}}});
    t.push_back({"客户类型", {{"客户类型", K::Text}, {"折扣率", K::Number}}});
    t.push_back({"区域", {{"区域", K::Text}}});
    t.push_back({"回访记录",
                 {{"客户编号", K::Text},
                  {"客户姓名", K::Text},
                  {"回访人员", K::Text},
                  {"成功失败", K::Text},
                  {"客户满意度", K::Text},
                  {"失败原因", K::Text},
                  {"回访备注", K::Text},
                  {"回访日期", K::DateTime},
                  {"回访时间", K::Text}}});
    t.push_back({"充值记录",
                 {{"客户编号", K::Text},
                  {"客户姓名", K::Text},
                  {"客户类型", K::Text},
                  {"客户地区", K::Text},
                  {"联系电话", K::Text},
                  {"会员卡号", K::Text},
                  {"充值前余额", K::Money},
                  {"充值金额", K::Money},
                  {"充值后余额", K::Money},
                  {"充值时间", K::DateTime}}});
    t.push_back({"积分兑换商品", {{"商品名称", K::Text}, {"兑换积分", K::Number}}});
    t.push_back({"积分兑换记录",
                 {{"客户编号", K::Text},
                  {"客户姓名", K::Text},
                  {"兑换礼品", K::Text},
                  {"备注", K::Text},
                  {"兑换积分", K::Number},
                  {"兑换日期", K::DateTime}}});
    t.push_back({"菜单表",
                 {{"id", K::AutoNumber},
                  {"食物总类", K::Text},
                  {"编号", K::Text},
                  {"名称", K::Text},
                  {"单价", K::Money},
                  {"备注", K::Memo},
                  {"拼音", K::Text},
                  {"当前库存", K::Money},
                  {"单位成本", K::Money},
                  {"库存总额", K::Money},
                  {"排序编号", K::Integer},
                  {"业务员提成", K::Money},
                  {"风味", K::Text}}});
    t.push_back({"种类", {{"编号", K::AutoNumber}, {"种类", K::Text}, {"排序编号", K::Integer}}});
    t.push_back({"菜品配料表",
                 {{"菜品名称", K::Text}, {"配料名称", K::Text}, {"使用量", K::Number}, {"单位", K::Text}}});
    t.push_back({"口味", {{"口味", K::Text}, {"加价", K::Money}}});
    t.push_back({"风味", {{"风味", K::Text}}});
    t.push_back({"优惠时段", {{"开始时间", K::Text}, {"结束时间", K::Text}, {"折扣率", K::Number}}});
    t.push_back({"服务项目", {{"名称", K::Text}, {"单位", K::Text}}});
    t.push_back({"员工列表",
                 {{"姓名", K::Text}, {"电话", K::Text}, {"所用车辆", K::Text}, {"送餐次数提成", K::Money}}});
    t.push_back({"登陆",
                 {{"id", K::AutoNumber},
                  {"用户", K::Text},
                  {"密码", K::Text},
                  {"权限", K::Text},
                  {"Right1", K::Text},
                  {"Right2", K::Text},
                  {"Right3", K::Text},
                  {"Right4", K::Text},
                  {"Right5", K::Text},
                  {"Right6", K::Text},
                  {"Right7", K::Text},
                  {"Right8", K::Text},
                  {"Right9", K::Text}}});
    t.push_back({"来电历史记录表",
                 {{"编号", K::AutoNumber},
                  {"电话号码", K::Text},
                  {"来电时间", K::DateTime},
                  {"方向", K::Text},
                  {"客户名称", K::Text},
                  {"客户编号", K::Text},
                  {"联系地址", K::Text},
                  {"处理结果", K::Text},
                  {"订单编号", K::Text},
                  {"录音文件", K::Text},
                  {"线路", K::Integer}}});
    t.push_back({"采购进货主表",
                 {{"货单编号", K::Text},
                  {"货单辅助编号", K::Integer},
                  {"单据类型", K::Text},
                  {"填表日期", K::DateTime},
                  {"经手员工", K::Text},
                  {"供货商", K::Text},
                  {"采购备注", K::Text},
                  {"应付货款", K::Money},
                  {"实付货款", K::Money},
                  {"应收帐款", K::Money},
                  {"实收帐款", K::Money}}});
    for (const char* name : {"采购进货明细表", "采购退货明细表"}) {
        t.push_back({name,
                     {{"货单编号", K::Text},
                      {"项目名称", K::Text},
                      {"单位成本", K::Money},
                      {"数量", K::Number},
                      {"金额", K::Money},
                      {"填表日期", K::DateTime}}});
    }
    for (const char* name : {"采购进货临时表", "采购退货临时表"}) {
        t.push_back({name,
                     {{"编号", K::AutoNumber},
                      {"货单编号", K::Text},
                      {"项目编码", K::Text},
                      {"项目名称", K::Text},
                      {"单位成本", K::Money},
                      {"数量", K::Number},
                      {"金额", K::Money}}});
    }
    t.push_back({"采购商品管理",
                 {{"名称", K::Text},
                  {"类别", K::Text},
                  {"单位", K::Text},
                  {"当前库存", K::Number},
                  {"单位成本", K::Money},
                  {"库存总额", K::Money}}});
    t.push_back({"采购商品类别", {{"类别", K::Text}}});
    t.push_back({"fasongneirong",
                 {{"zdid", K::AutoNumber},
                  {"xingming", K::Text},
                  {"shouji", K::Text},
                  {"neirong", K::Memo},
                  {"fssj", K::Text},
                  {"fasongwanbi", K::YesNo},
                  {"zt", K::Text}}});
    t.push_back({"短信帐户", {{"用户名", K::Text}, {"密码", K::Text}}});
    t.push_back({"店名",
                 {{"店名", K::Text},
                  {"电话", K::Text},
                  {"网址", K::Text},
                  {"服务用语", K::Text},
                  {"打印幅面", K::Text},
                  {"打印样式", K::Text},
                  {"标题左边距", K::Integer},
                  {"左边距", K::Integer},
                  {"右边距", K::Integer},
                  {"上边距", K::Integer},
                  {"下边距", K::Integer},
                  {"打印图片", K::YesNo},
                  {"积分规则", K::Money},
                  {"单价修改", K::Text},
                  {"退菜规则", K::Text},
                  {"提成设置", K::Text},
                  {"次提成金额", K::Money}}});
    t.push_back({"餐台号", {{"餐台号", K::Text}}});
    t.push_back({"串口编号", {{"编号", K::Integer}}});
    t.push_back({"来电路数", {{"路数", K::Text}}});
    t.push_back({"录音设备", {{"录音设备", K::Text}, {"路数", K::Text}}});
    t.push_back({"颜色显示", {{"需要颜色", K::YesNo}}});
    t.push_back({"主窗口订单显示顺序", {{"字段名称", K::Text}, {"排序编号", K::Integer}}});
    t.push_back({"初始化密码", {{"初始化密码", K::Text}}});
    for (const char* name : {"送餐时间统计临时表", "点餐时间统计临时表"}) {
        t.push_back({name, {{"时间段1", K::Text}, {"时间段2", K::Text}, {"数量", K::Number}}});
    }
    // Versions are digit strings without dots, compared by their numeric value.
    t.push_back({"版本号", {{"版本号", K::Integer}}});
    return t;
}

std::vector<IndexDef> buildIndexes() {
    return {
        {"ix_订单_单据编号", "产品销售开票", {"单据编号"}},
        {"ix_订单_购物日期", "产品销售开票", {"购物日期", "上下午"}},
        {"ix_订单_客户编号", "产品销售开票", {"客户编号"}},
        {"ix_订单_配送工", "产品销售开票", {"配送工", "购物日期"}},
        {"ix_删除_单据编号", "订单删除日志", {"单据编号"}},
        {"ix_购物车_时间", "销售临时表", {"时间"}},
        {"ix_修改_单据编号", "订单修改临时表", {"单据编号"}},
        {"ix_客户_手工编码", "客户资料", {"手工编码"}},
        {"ix_客户_联系电话", "客户资料", {"联系电话"}},
        {"ix_客户_生日", "客户资料", {"生日月", "生日日"}},
        {"ix_地址_客户编号", "多个地址", {"客户编号"}},
        {"ix_菜单_名称", "菜单表", {"名称"}},
        {"ix_配料_菜品名称", "菜品配料表", {"菜品名称"}},
        {"ix_登陆_用户", "登陆", {"用户"}},
        {"ix_来电_来电时间", "来电历史记录表", {"来电时间"}},
        {"ix_来电_电话号码", "来电历史记录表", {"电话号码"}},
        {"ix_充值_客户编号", "充值记录", {"客户编号"}},
        {"ix_充值_充值时间", "充值记录", {"充值时间"}},
        {"ix_回访_回访日期", "回访记录", {"回访日期"}},
        {"ix_进货明细_货单编号", "采购进货明细表", {"货单编号"}},
        {"ix_退货明细_货单编号", "采购退货明细表", {"货单编号"}},
        {"ix_短信_发送完毕", "fasongneirong", {"fasongwanbi"}},
    };
}
}  // namespace

const ColumnDef* TableDef::column(const QString& n) const {
    for (const auto& c : columns) {
        if (c.name.compare(n, Qt::CaseInsensitive) == 0) {
            return &c;
        }
    }
    return nullptr;
}

const std::vector<TableDef>& Schema::tables() {
    static const std::vector<TableDef> all = buildTables();
    return all;
}

const std::vector<IndexDef>& Schema::indexes() {
    static const std::vector<IndexDef> all = buildIndexes();
    return all;
}

const TableDef* Schema::table(const QString& name) {
    for (const auto& t : tables()) {
        if (t.name == name) {
            return &t;
        }
    }
    return nullptr;
}

QString Schema::sqlType(ColumnKind kind, const Dialect& d) {
    switch (kind) {
        case K::Text:
        case K::Memo:
            return d.textType();
        case K::Integer:
            return d.integerType();
        case K::Number:
            return d.numberType();
        case K::Money:
            return d.moneyType();
        case K::YesNo:
            return d.boolType();
        case K::DateTime:
            return d.dateTimeType();
        case K::AutoNumber:
            return d.autoNumberType();
    }
    return d.textType();
}

QStringList Schema::createStatements(const Dialect& dialect, bool withIndexes) {
    QStringList out;
    for (const auto& t : tables()) {
        QStringList cols;
        for (const auto& c : t.columns) {
            QString def = c.name + QLatin1Char(' ') + sqlType(c.kind, dialect);
            // A flag that nobody has set yet reads as "no", not as unknown.
            if (c.kind == K::YesNo) {
                def += QStringLiteral(" DEFAULT ") +
                       (dialect.isSQLite() ? QStringLiteral("0") : QStringLiteral("false"));
            }
            cols << def;
        }
        out << QStringLiteral("CREATE TABLE %1 (%2)").arg(t.name, cols.join(QStringLiteral(", ")));
    }
    if (withIndexes) {
        for (const auto& i : indexes()) {
            out << QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
                       .arg(i.name, i.table, i.columns.join(QStringLiteral(", ")));
        }
    }
    return out;
}

void Schema::create(Database& db, bool withIndexes) {
    for (const QString& sql : createStatements(db.dialect(), withIndexes)) {
        db.execute(sql);
    }
}

void Schema::dropIndexes(Database& db) {
    for (const auto& i : indexes()) {
        db.execute(QStringLiteral("DROP INDEX IF EXISTS %1").arg(i.name));
    }
}

void Schema::createIndexes(Database& db) {
    for (const auto& i : indexes()) {
        db.execute(QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)")
                       .arg(i.name, i.table, i.columns.join(QStringLiteral(", "))));
    }
}

QStringList Schema::missing(Database& db) {
    // Asking each table for an empty result works alike on both engines and in any server schema.
    QStringList out;
    for (const auto& t : tables()) {
        QSqlQuery q(db.handle());
        if (!q.exec(QStringLiteral("select * from %1 where 1=0").arg(t.name))) {
            out << QStringLiteral("表 %1").arg(t.name);
            continue;
        }
        const QSqlRecord rec = q.record();
        for (const auto& c : t.columns) {
            if (rec.indexOf(c.name) < 0) {
                out << QStringLiteral("表 %1 的列 %2").arg(t.name, c.name);
            }
        }
    }
    return out;
}

}  // namespace lanze
