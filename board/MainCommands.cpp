#include "board/MainCommands.h"

namespace lanze {

namespace {
using A = MainAction;
using P = CommandPlace;

QString u(const char* s) {
    return QString::fromUtf8(s);
}

MainCommand item(const char* menu, const char* caption, A action, const char* window = "") {
    return {P::MenuItem, u(caption), u(menu), action, u(window)};
}

MainCommand open(const char* menu, const char* caption, const char* window) {
    return item(menu, caption, A::OpenWindow, window);
}

MainCommand carrier(P place, const char* caption, A action, const char* window = "") {
    return {place, u(caption), QString(), action, u(window)};
}

QList<MainCommand> buildTable() {
    QList<MainCommand> t = {
        item("基础数据", "服务项目", A::ServiceItems, "Tcaidan_guanli"),
        item("基础数据", "工作人员管理", A::Staff, "Tpeisongyuan_list"),
        open("基础数据", "业务类别设置", "TFzhonglei_shezhi"),
        open("基础数据", "服务要求设置", "Tfkouwei_shezhi"),
        open("基础数据", "优惠时段设置", "TFyouhui_shiduan"),
        open("基础数据", "工具类别设置", "Tfcaigou_leibie"),
        open("基础数据", "工具管理", "Tfcaigou_guanli"),

        item("客户管理", "客户管理", A::CustomerList, "Tkehu_list"),
        open("客户管理", "客户类型设置", "TFkehu_leixing"),
        item("客户管理", "客户区域管理", A::CustomerRegions, "Tqvyu_shezhi"),

        open("业务管理", "工具采购", "TFcaigou_jinhuo"),
        item("业务管理", "销售开单", A::NewDeliveryOrder, "Txiaoshou"),
        item("业务管理", "单一派工", A::DispatchSingle, "Tfahuo"),
        item("业务管理", "收款", A::PaySingle, "Tshoukuan"),
        item("业务管理", "取消派工", A::CancelDispatch, "Ttuihuo"),
        item("业务管理", "退款", A::Refund, "Ttuikuan"),

        open("数据查询", "订单查询", "Tdangri_yeji"),
        open("数据查询", "业务汇总查询", "TFxiaoshou_huizong"),
        open("数据查询", "日销售汇总查询", "TFrixiaoshou_huizong"),
        open("数据查询", "签单查询", "Tqiandan_chaxun"),
        open("数据查询", "工作人员汇总及提成查询", "Tchaxun"),
        open("数据查询", "客户消费帐单详细查询", "TFkehu_xiaofei_chaxun"),
        open("数据查询", "订单删除查询", "TFshanchu_chaxun"),
        item("数据查询", "历史来电记录", A::CallHistory, "Tlaidian_jilu"),

        open("汇总统计", "订单时间统计", "TFdiandan_shijian_tongji"),
        open("汇总统计", "工作效率统计", "TFsongcan_shijian_tongji"),
        open("汇总统计", "客户消费汇总查询", "TFkehu_xiaofei_huizong"),

        open("积分管理", "积分兑换", "TFjifen_duihuan"),
        open("积分管理", "积分兑换记录", "TFjifen_duihuan_chaxun"),
        open("积分管理", "积分兑换商品设置", "TFjifen_duihuan_shangpin"),

        open("客户回访", "回访录入", "TFkehu_huifang"),
        open("客户回访", "回访查询", "TFhuifang_chaxun"),

        open("手机短信", "发送短信", "TFduanxin_fasong"),
        open("手机短信", "短信设置", "TFduanxin_zhanghu"),
        open("手机短信", "短信发送情况", "TFduanxin_fasong_xiangxi"),

        item("系统设置", "系统设置", A::SystemSettings, "TFdianming_shezhi"),
        item("系统设置", "权限管理", A::RightsManagement, "Tcaozuoyuan_list"),
        item("系统设置", "修改密码", A::ChangePassword, "Txiugai_mima"),
        item("系统设置", "数据备份", A::Backup, "Tshujv_guanli"),
        item("系统设置", "数据恢复", A::Restore, "Tshujv_guanli"),
        open("系统设置", "数据初始化", "TFshujv_chushihua"),
        open("系统设置", "工作模式", "TFgongzuo_moshi"),
        item("系统设置", "数据库压缩修复工具", A::Compact),

        item("帮助", "帮助", A::Help),
        item("帮助", "关于", A::About, "Tabout"),

        carrier(P::ToolButton, "订单开单F1", A::NewDeliveryOrder, "Txiaoshou"),
        carrier(P::ToolButton, "堂食开单F2", A::NewDineInOrder, "Txiaoshou_tangshi"),
        carrier(P::ToolButton, "快餐开单F3", A::NewCounterOrder, "Txiaoshou_tiaoma"),
        carrier(P::ToolButton, "客户资料", A::CustomerList, "Tkehu_list"),
        carrier(P::ToolButton, "单一派工", A::DispatchSingle, "Tfahuo"),
        carrier(P::ToolButton, "成批派工", A::DispatchBatch, "TFfahuo_chengpi"),
        carrier(P::ToolButton, "单一收款", A::PaySingle, "Tshoukuan"),
        carrier(P::ToolButton, "成批收款", A::PayBatch, "TFshoukuan_chengpi"),
        carrier(P::ToolButton, "系统设置", A::SystemSettingsThird, "TFdianming_shezhi"),
        carrier(P::ToolButton, "退货", A::CancelDispatch, "Ttuihuo"),
        carrier(P::ToolButton, "退款", A::Refund, "Ttuikuan"),
        carrier(P::ToolButton, "退出", A::Exit),

        carrier(P::BoardContext, "单一派工", A::DispatchSingle, "Tfahuo"),
        carrier(P::BoardContext, "单一收款", A::PaySingle, "Tshoukuan"),
        carrier(P::BoardContext, "取消派工", A::CancelDispatch, "Ttuihuo"),
        carrier(P::BoardContext, "退款", A::Refund, "Ttuikuan"),
        carrier(P::BoardContext, "删除订单", A::DeleteOrder, "Ttuidan"),

        carrier(P::DineInContext, "单一收款", A::PaySingle, "Tshoukuan"),
        carrier(P::DineInContext, "退款", A::Refund, "Ttuikuan"),
        carrier(P::DineInContext, "删除订货单", A::DeleteOrder, "Ttuidan"),

        carrier(P::Button, "刷新", A::RefreshStatistics),
        carrier(P::Button, "系统功能设置", A::SystemSettingsThird, "TFdianming_shezhi"),
        carrier(P::Button, "查询", A::Search),
        carrier(P::Button, "单个打印", A::PrintOne),
        carrier(P::Button, "历史来电记录", A::CallHistory, "Tlaidian_jilu"),
        carrier(P::Button, "开始录音重放", A::PlayRecording),
        carrier(P::Button, "停止播放录音", A::StopPlayback),
        carrier(P::Button, "开单", A::QuickOrderByPhone),
        carrier(P::Button, "开单", A::QuickOrderByCode),
        carrier(P::Button, "打开钱箱", A::OpenCashDrawer),
        carrier(P::Button, "取消换肤", A::SkinToggle),
    };
    for (MainCommand& c : t) {
        if (c.place == P::MenuItem && c.action == A::NewDeliveryOrder) {
            c.shortcut = QStringLiteral("F1");
        }
        if (c.place == P::ToolButton) {
            if (c.action == A::NewDeliveryOrder) {
                c.english = QStringLiteral("T/W");
            } else if (c.action == A::NewDineInOrder) {
                c.shortcut = QStringLiteral("F2");
                c.shown = false;
                c.english = QStringLiteral("Table");
            } else if (c.action == A::NewCounterOrder) {
                c.shortcut = QStringLiteral("F3");
                c.shown = false;
            } else if (c.action == A::CustomerList) {
                c.english = QStringLiteral("Customer/D");
            }
        }
        if (c.action == A::SystemSettingsThird) {
            c.page = 2;
        }
        if (c.place == P::Button && c.action == A::QuickOrderByCode) {
            c.english = QStringLiteral("Open");
        }
        // The dine-in list's entry deletes an order like the board's and answers to the same right.
        if (c.place == P::DineInContext && c.action == A::DeleteOrder) {
            c.governedAs = QStringLiteral("删除订单");
        }
    }
    return t;
}
}  // namespace

const QList<MainMenu>& MainCommands::menus() {
    static const QList<MainMenu> m = {
        {u("基础数据"), u("Basic data")},          {u("客户管理"), u("Customer management")},
        {u("业务管理"), u("Business Management")}, {u("数据查询"), u("Data Query")},
        {u("汇总统计"), u("Summary Statistics")},  {u("积分管理"), u("Integral management")},
        {u("客户回访"), u("Visiting clients")},    {u("手机短信"), u("SMS")},
        {u("系统设置"), u("System Settings")},     {u("帮助"), u("Help")},
    };
    return m;
}

const QList<MainCommand>& MainCommands::all() {
    static const QList<MainCommand> t = buildTable();
    return t;
}

QList<MainCommand> MainCommands::at(CommandPlace place) {
    QList<MainCommand> out;
    for (const MainCommand& c : all()) {
        if (c.place == place) {
            out.append(c);
        }
    }
    return out;
}

QList<MainCommand> MainCommands::inMenu(const QString& menu) {
    QList<MainCommand> out;
    for (const MainCommand& c : all()) {
        if (c.place == CommandPlace::MenuItem && c.menu == menu) {
            out.append(c);
        }
    }
    return out;
}

const MainCommand* MainCommands::find(CommandPlace place, MainAction action) {
    for (const MainCommand& c : all()) {
        if (c.place == place && c.action == action) {
            return &c;
        }
    }
    return nullptr;
}

Command MainCommands::governingCommand(const MainCommand& c) {
    Command::Place place = Command::Place::Button;
    switch (c.place) {
        case CommandPlace::MenuItem:
            place = Command::Place::MenuItem;
            break;
        case CommandPlace::ToolButton:
            place = Command::Place::ToolButton;
            break;
        case CommandPlace::BoardContext:
        case CommandPlace::DineInContext:
            place = Command::Place::ContextItem;
            break;
        case CommandPlace::Button:
            place = Command::Place::Button;
            break;
    }
    return {place, c.governedAs.isEmpty() ? c.caption : c.governedAs};
}

std::optional<Permission> MainCommands::governingPermission(const MainCommand& c) {
    const Command named = governingCommand(c);
    for (const Permissions::Entry& e : Permissions::table()) {
        if (e.commands.contains(named)) {
            return e.permission;
        }
    }
    return std::nullopt;
}

}  // namespace lanze
