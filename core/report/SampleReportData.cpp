#include "core/report/SampleReportData.h"

namespace lanze {

VariableMap SampleReportData::variables() {
    return {
        // Order receipts and the B and C tickets.
        {QStringLiteral("公司名称"), QStringLiteral("岚泽家政服务中心")},
        {QStringLiteral("订单号码"), QStringLiteral("202612110007")},
        {QStringLiteral("订餐日期"), QStringLiteral("2026-12-11")},
        {QStringLiteral("订餐时间"), QStringLiteral("11:32:05")},
        {QStringLiteral("制单员"), QStringLiteral("admin")},
        {QStringLiteral("送餐员"), QStringLiteral("王师傅")},
        {QStringLiteral("送餐时间"), QStringLiteral("12:05:00")},
        {QStringLiteral("姓名"), QStringLiteral("张先生")},
        {QStringLiteral("电话"), QStringLiteral("13912345678")},
        {QStringLiteral("单位"), QStringLiteral("岚泽科技有限公司")},
        {QStringLiteral("地址"), QStringLiteral("海淀区中关村大街27号院3号楼2单元502室")},
        {QStringLiteral("合计"), QStringLiteral("86.40")},
        {QStringLiteral("合计份数"), QStringLiteral("4")},
        {QStringLiteral("原价合计"), QStringLiteral("96.00")},
        {QStringLiteral("折扣率"), QStringLiteral("9")},
        {QStringLiteral("支付方式"), QStringLiteral("现金")},
        {QStringLiteral("客户备注"), QStringLiteral("家里有老人，敲门轻一点")},
        {QStringLiteral("发货备注"), QStringLiteral("请提前十分钟电话联系")},
        {QStringLiteral("区域"), QStringLiteral("海淀区")},
        {QStringLiteral("餐台号"), QStringLiteral("")},
        {QStringLiteral("优惠金额"), QStringLiteral("9.60")},
        {QStringLiteral("抹零金额"), QStringLiteral("0.00")},
        {QStringLiteral("前次积分"), QStringLiteral("120")},
        {QStringLiteral("客户类型"), QStringLiteral("VIP客户")},
        {QStringLiteral("手工编码"), QStringLiteral("A1008")},
        {QStringLiteral("账户余额"), QStringLiteral("350.00")},
        // One-per-line kitchen ticket.
        {QStringLiteral("订单号"), QStringLiteral("202612110007")},
        {QStringLiteral("份数"), QStringLiteral("2")},
        {QStringLiteral("菜品"), QStringLiteral("宫保鸡丁盖饭")},
        {QStringLiteral("口味"), QStringLiteral("微辣，不要花生")},
        {QStringLiteral("类型"), QStringLiteral("点菜")},
        {QStringLiteral("该账单所有菜品总数"), QStringLiteral("4")},
        {QStringLiteral("该账单该菜品总数"), QStringLiteral("2")},
        // Membership card receipt.
        {QStringLiteral("会员卡类型"), QStringLiteral("VIP客户")},
        {QStringLiteral("会员卡号"), QStringLiteral("A1008")},
        {QStringLiteral("支付金额"), QStringLiteral("500.00")},
        {QStringLiteral("入卡金额"), QStringLiteral("500.00")},
        {QStringLiteral("客户姓名"), QStringLiteral("张先生")},
        {QStringLiteral("联系电话"), QStringLiteral("13912345678")},
        {QStringLiteral("联系地址"), QStringLiteral("海淀区中关村大街27号院3号楼2单元502室")},
        {QStringLiteral("办理时间"), QStringLiteral("2026-12-11 11:32:05")},
        // Purchase receipts.
        {QStringLiteral("货单编号"), QStringLiteral("JH2026121101")},
        {QStringLiteral("填表日期"), QStringLiteral("2026-12-11")},
        {QStringLiteral("经手员工"), QStringLiteral("admin")},
        {QStringLiteral("采购备注"), QStringLiteral("周末备货")},
    };
}

ReportRows SampleReportData::rows() {
    ReportRows r;
    r.columns = {QStringLiteral("产品名称"), QStringLiteral("数量"),     QStringLiteral("单价"),
                 QStringLiteral("原价"),     QStringLiteral("应付货款"), QStringLiteral("提成"),
                 QStringLiteral("口味"),     QStringLiteral("货单编号"), QStringLiteral("项目名称"),
                 QStringLiteral("单位成本"), QStringLiteral("金额"),     QStringLiteral("填表日期")};
    r.rows = {
        {QStringLiteral("宫保鸡丁盖饭"), QStringLiteral("2"), QStringLiteral("18.00"),
         QStringLiteral("18.00"), QStringLiteral("36.00"), QStringLiteral("1.00"), QStringLiteral("微辣"),
         QStringLiteral("JH2026121101"), QStringLiteral("大米"), QStringLiteral("85.00"),
         QStringLiteral("170.00"), QStringLiteral("2026-12-11")},
        {QStringLiteral("鱼香肉丝"), QStringLiteral("1"), QStringLiteral("28.00"), QStringLiteral("28.00"),
         QStringLiteral("28.00"), QStringLiteral("1.00"), QStringLiteral(""), QStringLiteral("JH2026121101"),
         QStringLiteral("食用油"), QStringLiteral("120.00"), QStringLiteral("120.00"),
         QStringLiteral("2026-12-11")},
        {QStringLiteral("水煮牛肉"), QStringLiteral("1"), QStringLiteral("32.00"), QStringLiteral("32.00"),
         QStringLiteral("32.00"), QStringLiteral("1.50"), QStringLiteral("少油"),
         QStringLiteral("JH2026121101"), QStringLiteral("鸡蛋"), QStringLiteral("45.00"),
         QStringLiteral("45.00"), QStringLiteral("2026-12-11")},
    };
    return r;
}

ReceiptValues SampleReportData::receiptValues() {
    const VariableMap v = variables();
    auto get = [&](const char* name) { return v.value(QString::fromUtf8(name)).value_or(QString()); };
    ReceiptValues r;
    r.storeName = get("公司名称");
    r.titleLeft = 20;
    r.deliveryTime = get("送餐时间");
    r.orderNumber = get("订单号码");
    r.staff = get("送餐员");
    r.customerName = get("姓名");
    r.points = get("前次积分");
    r.phone = get("电话");
    r.address = get("地址");
    r.company = get("单位");
    r.total = get("合计");
    r.printTime = get("订餐日期") + QLatin1Char(' ') + get("订餐时间");
    r.operatorName = get("制单员");
    r.dispatchRemark = get("发货备注");
    r.slogan = QStringLiteral("用心服务每一位客户");
    r.storePhone = QStringLiteral("电话：010-62345678");
    r.webAddress = QStringLiteral("www.lanze.example");
    return r;
}

QList<ReceiptLine> SampleReportData::receiptLines(int lines) {
    const ReportRows source = rows();
    QList<ReceiptLine> out;
    for (int i = 0; i < lines; ++i) {
        const qsizetype r = i % source.size();
        out.append({source.cell(r, QStringLiteral("产品名称")), source.cell(r, QStringLiteral("口味")),
                    source.cell(r, QStringLiteral("单价")), source.cell(r, QStringLiteral("数量")),
                    source.cell(r, QStringLiteral("应付货款"))});
    }
    return out;
}

}  // namespace lanze
