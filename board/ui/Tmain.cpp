#include "board/ui/Tmain.h"

#include <QAction>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/SignInState.h"
#include "app/ui/WindowRegistry.h"
#include "core/Messages.h"
#include "core/db/DbError.h"
#include "signin/SignIn.h"

namespace lanze {

namespace {
using Place = Command::Place;

struct MenuDef {
    const char* title;
    QList<const char*> entries;
};

const QList<MenuDef>& menuBarDefs() {
    static const QList<MenuDef> defs = {
        {"基础数据",
         {"服务项目", "工作人员管理", "业务类别设置", "服务要求设置", "优惠时段设置", "工具类别设置",
          "工具管理"}},
        {"客户管理", {"客户管理", "客户类型设置", "客户区域管理"}},
        {"业务管理", {"工具采购", "销售开单", "单一派工", "收款", "取消派工", "退款"}},
        {"数据查询",
         {"订单查询", "业务汇总查询", "日销售汇总查询", "签单查询", "工作人员汇总及提成查询",
          "客户消费帐单详细查询", "订单删除查询", "历史来电记录"}},
        {"汇总统计", {"订单时间统计", "工作效率统计", "客户消费汇总查询"}},
        {"积分管理", {"积分兑换", "积分兑换记录", "积分兑换商品设置"}},
        {"客户回访", {"回访录入", "回访查询"}},
        {"手机短信", {"发送短信", "短信设置", "短信发送情况"}},
        {"系统设置",
         {"系统设置", "权限管理", "修改密码", "数据备份", "数据恢复", "数据初始化", "工作模式",
          "数据库压缩修复工具"}},
        {"帮助", {"帮助", "关于"}},
    };
    return defs;
}

const QList<const char*>& toolBarDefs() {
    static const QList<const char*> defs = {"订单开单F1", "客户资料", "单一派工", "成批派工", "单一收款",
                                            "成批收款",   "系统设置", "退货",     "退款",     "退出"};
    return defs;
}

const QList<const char*>& contextDefs() {
    static const QList<const char*> defs = {"单一派工", "单一收款", "取消派工", "退款", "删除订单"};
    return defs;
}
}  // namespace

Tmain::Tmain(Database& db, WindowRegistry& windows, QWidget* parent)
    : QMainWindow(parent), db_(db), windows_(windows) {
    setObjectName(QStringLiteral("Tmain"));
    setWindowTitle(signInState().programTitle);
    resize(1200, 760);

    for (const MenuDef& def : menuBarDefs()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(def.title));
        menu->setObjectName(QString::fromUtf8(def.title));
        for (const char* entry : def.entries) {
            addMenuItem(menu, QString::fromUtf8(entry));
        }
        if (QString::fromUtf8(def.title) == QStringLiteral("帮助")) {
            helpMenu_ = menu;
        }
    }

    QToolBar* tools = addToolBar(QStringLiteral("工具栏"));
    tools->setObjectName(QStringLiteral("toolBar"));
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const char* caption : toolBarDefs()) {
        QAction* a = tools->addAction(QString::fromUtf8(caption));
        addCommand(Place::ToolButton, a->text(), a);
        if (a->text() == QStringLiteral("退出")) {
            connect(a, &QAction::triggered, this, &QWidget::close);
        }
    }

    boardMenu_ = new QMenu(this);
    boardMenu_->setObjectName(QStringLiteral("boardContextMenu"));
    for (const char* caption : contextDefs()) {
        QAction* a = boardMenu_->addAction(QString::fromUtf8(caption));
        addCommand(Place::ContextItem, a->text(), a);
    }

    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    auto* filters = new QHBoxLayout;
    for (const QString& state :
         {QStringLiteral("全部"), QStringLiteral("未派工未交款"), QStringLiteral("未派工已收款"),
          QStringLiteral("已派工未收款"), QStringLiteral("已派工已收款")}) {
        auto* radio = new QRadioButton(state, body);
        radio->setObjectName(state);
        radio->setChecked(state == QStringLiteral("全部"));
        filters->addWidget(radio);
        if (state.startsWith(QStringLiteral("未派工"))) {
            undispatchedStates_ << radio;
        }
    }
    filters->addStretch();
    auto* settings = new QPushButton(QStringLiteral("系统功能设置"), body);
    addCommand(Place::Button, settings->text(), settings);
    filters->addWidget(settings);
    layout->addLayout(filters);
    layout->addStretch();
    auto* legend = new QHBoxLayout;
    for (const QString& caption : {QStringLiteral("未派工，未交款："), QStringLiteral("未派工，已收款："),
                                   QStringLiteral("已派工，未交款："), QStringLiteral("已交款，已派工：")}) {
        auto* label = new QLabel(caption, body);
        label->setObjectName(caption);
        legend->addWidget(label);
        if (caption.startsWith(QStringLiteral("未派工"))) {
            undispatchedStates_ << label;
        }
    }
    legend->addStretch();
    layout->addLayout(legend);
    setCentralWidget(body);

    for (QObject* o : commands({Place::MenuItem, QStringLiteral("权限管理")})) {
        connect(qobject_cast<QAction*>(o), &QAction::triggered, this, &Tmain::openOperatorList);
    }
    for (QObject* o : commands({Place::MenuItem, QStringLiteral("修改密码")})) {
        connect(qobject_cast<QAction*>(o), &QAction::triggered, this, &Tmain::openChangePassword);
    }
}

void Tmain::addCommand(Command::Place place, const QString& caption, QObject* carrier) {
    carrier->setObjectName(caption);
    commands_[{static_cast<int>(place), caption}].append(carrier);
}

QAction* Tmain::addMenuItem(QMenu* menu, const QString& caption) {
    QAction* a = menu->addAction(caption);
    addCommand(Place::MenuItem, caption, a);
    return a;
}

QList<QObject*> Tmain::commands(const Command& command) const {
    return commands_.value({static_cast<int>(command.place), command.caption});
}

void Tmain::applyRights() {
    Permissions::apply(signInState().rights, [this](const Command& c) { return commands(c); });
}

void Tmain::setHelpMenuVisible(bool visible) {
    helpMenu_->menuAction()->setVisible(visible);
}

bool Tmain::helpMenuVisible() const {
    return helpMenu_->menuAction()->isVisible();
}

void Tmain::setDispatchUsed(bool used) {
    // Hidden widgets give up their place in the row, so "已派工未收款" moves left into it.
    for (QWidget* w : undispatchedStates_) {
        w->setVisible(used);
    }
    for (const Command& c : {Command{Place::ToolButton, QStringLiteral("单一派工")},
                             Command{Place::ToolButton, QStringLiteral("成批派工")},
                             Command{Place::ContextItem, QStringLiteral("单一派工")}}) {
        for (QObject* o : commands(c)) {
            o->setProperty("visible", used);
        }
    }
}

bool Tmain::allowed(Permission p) const {
    return Permissions::granted(signInState().rights, p);
}

void Tmain::openOperatorList() {
    if (!allowed(Permission::RightsManagement)) {
        return;
    }
    auto* list = windows_.window<QDialog>(QStringLiteral("Tcaozuoyuan_list"));
    if (!list) {
        return;
    }
    list->exec();
    // Changes to one's own rights take effect at once.
    try {
        if (SignIn::reloadRights(db_, signInState())) {
            applyRights();
        }
    } catch (const DbError& e) {
        Messages::current().error(e.message());
    }
}

void Tmain::openChangePassword() {
    if (!allowed(Permission::ChangePassword)) {
        return;
    }
    if (auto* dialog = windows_.window<QDialog>(QStringLiteral("Txiugai_mima"))) {
        dialog->exec();
    }
}

}  // namespace lanze
