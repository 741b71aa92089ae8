#include "board/ui/Tmain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMetaObject>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/SignInState.h"
#include "app/TDM.h"
#include "app/ui/Skin.h"
#include "app/ui/WindowRegistry.h"
#include "board/BoardColumnOrder.h"
#include "board/BoardQuery.h"
#include "board/BusinessDay.h"
#include "board/MainWindowData.h"
#include "board/OrderStateColours.h"
#include "board/ProgramTitle.h"
#include "board/StoreChangeWatcher.h"
#include "board/TodayStatistics.h"
#include "board/ui/BoardFilterPanel.h"
#include "board/ui/ItemChartPage.h"
#include "board/ui/OrderListPage.h"
#include "board/ui/TodayPanel.h"
#include "core/Messages.h"
#include "core/db/DbError.h"
#include "core/devices/CashDrawer.h"
#include "core/devices/DeviceError.h"
#include "core/store/SkinFile.h"
#include "core/store/StoreFiles.h"
#include "core/ui/DataGrid.h"
#include "core/ui/DateDisplay.h"
#include "settings/StationSettings.h"
#include "settings/ui/TFdianming_shezhi.h"
#include "signin/SignIn.h"

namespace lanze {

namespace {
using A = MainAction;
using P = CommandPlace;

const QString kYes = QStringLiteral("是");
const QString kNo = QStringLiteral("否");
const QString kSkinOff = QStringLiteral("取消换肤");  // caption while the skin is on
const QString kSkinOn = QStringLiteral("恢复换肤");
const QString kExitQuestion = QStringLiteral("确实要退出吗？");
const QString kBackupWindowFailed = QStringLiteral("备份恢复窗体创建错误");

// Runs one step; a database error goes to the error box and ends only that step.
template <typename F>
void guarded(F&& step) {
    try {
        step();
    } catch (const DbError& e) {
        Messages::current().error(e.message());
    }
}

// Calls a preparation the target window offers (its issue defines it); nothing when it has none.
void invokeIfPresent(QObject* target, const char* method) {
    if (target && target->metaObject()->indexOfMethod(QMetaObject::normalizedSignature(method)) >= 0) {
        const QByteArray name = QByteArray(method).left(QByteArray(method).indexOf('('));
        QMetaObject::invokeMethod(target, name.constData());
    }
}

// F1, F2 and F3 reach the window's commands whatever control has the focus, even one that would take
// the key for itself.
class KeyboardPreview : public QObject {
  public:
    explicit KeyboardPreview(QWidget* window) : QObject(window), window_(window) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            auto* w = qobject_cast<QWidget*>(watched);
            if ((key == Qt::Key_F1 || key == Qt::Key_F2 || key == Qt::Key_F3) && w &&
                w->window() == window_ && w != window_) {
                return true;  // not offered to the control: the window's shortcut takes it
            }
        }
        return false;
    }

  private:
    QWidget* window_;
};
}  // namespace

Tmain::Tmain(Database& db, WindowRegistry& windows, QWidget* parent)
    : QMainWindow(parent), db_(db), windows_(windows) {
    setObjectName(QStringLiteral("Tmain"));
    setWindowTitle(signInState().programTitle);
    setWindowState(Qt::WindowMaximized);
    resize(1280, 800);
    if (TDM* dm = TDM::instance()) {
        storeDir_ = dm->storeDir();
    }
    carriers_.resize(MainCommands::all().size());
    buildMenus();
    buildBody();
    installHandlers();
    qApp->installEventFilter(new KeyboardPreview(this));

    birthdayTimer_.setInterval(1000);
    birthdayTimer_.setSingleShot(true);
    connect(&birthdayTimer_, &QTimer::timeout, this, &Tmain::checkBirthdays);
    smsTimer_.setInterval(1000);
}

Tmain::~Tmain() = default;

void Tmain::setStoreDir(const QString& dir) {
    storeDir_ = dir;
    log_.reset();
}

OperationLog& Tmain::operationLog() {
    if (!log_) {
        log_.emplace(storeDir_);
    }
    return *log_;
}

QAction* Tmain::makeAction(int row) {
    const MainCommand& c = MainCommands::all()[row];
    auto* a = new QAction(c.caption, this);
    a->setObjectName(c.caption);
    if (!c.shortcut.isEmpty()) {
        a->setShortcut(QKeySequence(c.shortcut));
        a->setShortcutContext(Qt::WindowShortcut);
    }
    carriers_[row] << a;
    connect(a, &QAction::triggered, this, [this, row] {
        const MainCommand& cmd = MainCommands::all()[row];
        const auto h = handlers_.constFind(static_cast<int>(cmd.action));
        try {
            if (h != handlers_.constEnd()) {
                (*h)();
            } else if (cmd.action == A::OpenWindow) {
                openWindow(cmd.window);
            }
        } catch (const std::exception& e) {
            Messages::current().error(QString::fromStdString(e.what()));
        }
    });
    return a;
}

QPushButton* Tmain::makeButton(MainAction action, QWidget* parent, int) {
    const QList<MainCommand>& all = MainCommands::all();
    for (int i = 0; i < all.size(); ++i) {
        if (all[i].place == P::Button && all[i].action == action) {
            auto* b = new QPushButton(all[i].caption, parent);
            b->setObjectName(all[i].caption);
            QAction* a = makeAction(i);
            carriers_[i].removeAll(a);
            carriers_[i] << b;
            connect(b, &QPushButton::clicked, a, &QAction::trigger);
            return b;
        }
    }
    return nullptr;
}

void Tmain::buildMenus() {
    const QList<MainCommand>& all = MainCommands::all();
    for (const MainMenu& m : MainCommands::menus()) {
        QMenu* menu = menuBar()->addMenu(m.title);
        menu->setObjectName(m.title);
        menus_ << menu;
        if (m.title == MainCommands::kHelpMenu) {
            helpMenu_ = menu;
        }
        for (int i = 0; i < all.size(); ++i) {
            if (all[i].place == P::MenuItem && all[i].menu == m.title) {
                menu->addAction(makeAction(i));
            }
        }
    }

    tools_ = addToolBar(QStringLiteral("工具栏"));
    tools_->setObjectName(QStringLiteral("toolBar"));
    tools_->setMovable(false);
    tools_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    boardMenu_ = new QMenu(this);
    boardMenu_->setObjectName(QStringLiteral("boardContextMenu"));
    dineInMenu_ = new QMenu(this);
    dineInMenu_->setObjectName(QStringLiteral("dineInContextMenu"));
    for (int i = 0; i < all.size(); ++i) {
        switch (all[i].place) {
            case P::ToolButton: {
                QAction* a = makeAction(i);
                // The keys are the only way to the commands the tool bar does not show; the window holds
                // their actions so that the keys work.
                if (all[i].shown) {
                    tools_->addAction(a);
                } else {
                    addAction(a);
                }
                break;
            }
            case P::BoardContext:
                boardMenu_->addAction(makeAction(i));
                break;
            case P::DineInContext:
                dineInMenu_->addAction(makeAction(i));
                break;
            default:
                break;
        }
    }
}

void Tmain::buildBody() {
    auto* body = new QWidget(this);
    auto* columns = new QHBoxLayout(body);
    columns->setContentsMargins(4, 4, 4, 4);

    // Left: the day's figures, the quick order box and the drawer.
    auto* left = new QVBoxLayout;
    today_ = new TodayPanel(body);
    QPushButton* refresh = today_->refreshButton();
    refresh->setObjectName(refresh->text());
    {
        const QList<MainCommand>& all = MainCommands::all();
        for (int i = 0; i < all.size(); ++i) {
            if (all[i].place == P::Button && all[i].action == A::RefreshStatistics) {
                QAction* a = makeAction(i);
                carriers_[i].removeAll(a);
                carriers_[i] << refresh;
                connect(refresh, &QPushButton::clicked, a, &QAction::trigger);
            }
        }
    }
    left->addWidget(today_);

    quickBox_ = new QGroupBox(QStringLiteral("快速手工开单"), body);
    quickBox_->setObjectName(QStringLiteral("快速手工开单"));
    auto* quick = new QGridLayout(quickBox_);
    phoneLabel_ = new QLabel(QStringLiteral("电话号码："), quickBox_);
    phoneEdit_ = new QLineEdit(quickBox_);
    phoneEdit_->setObjectName(QStringLiteral("phoneNumber"));
    QPushButton* byPhone = makeButton(A::QuickOrderByPhone, quickBox_);
    codeEdit_ = new QLineEdit(quickBox_);
    codeEdit_->setObjectName(QStringLiteral("manualCode"));
    QPushButton* byCode = makeButton(A::QuickOrderByCode, quickBox_);
    byCode->setObjectName(QStringLiteral("开单2"));
    quick->addWidget(phoneLabel_, 0, 0);
    quick->addWidget(phoneEdit_, 0, 1);
    quick->addWidget(byPhone, 0, 2);
    quick->addWidget(new QLabel(QStringLiteral("手工编码："), quickBox_), 1, 0);
    quick->addWidget(codeEdit_, 1, 1);
    quick->addWidget(byCode, 1, 2);
    // Enter in a field presses its button.
    connect(phoneEdit_, &QLineEdit::returnPressed, byPhone, &QPushButton::click);
    connect(codeEdit_, &QLineEdit::returnPressed, byCode, &QPushButton::click);
    left->addWidget(quickBox_);
    left->addWidget(makeButton(A::OpenCashDrawer, body));
    left->addWidget(makeButton(A::SystemSettingsThird, body));
    left->addStretch();
    auto* leftBox = new QWidget(body);
    leftBox->setLayout(left);
    leftBox->setFixedWidth(250);
    columns->addWidget(leftBox);

    // Right: the button bar, the filter panel, the board's pages and the bottom bar.
    auto* right = new QVBoxLayout;
    auto* bar = new QHBoxLayout;
    showFilters_ = new QCheckBox(QStringLiteral("显示查询条件"), body);
    showFilters_->setObjectName(showFilters_->text());
    bar->addWidget(showFilters_);
    bar->addWidget(makeButton(A::Search, body));
    bar->addWidget(makeButton(A::PrintOne, body));
    printStyle_ = new QComboBox(body);
    printStyle_->setObjectName(QStringLiteral("printStyle"));
    printStyle_->addItems(
        {QStringLiteral("普通样式"), QStringLiteral("反馈三联单"), QStringLiteral("自定义报表")});
    bar->addWidget(printStyle_);
    bar->addWidget(makeButton(A::CallHistory, body));
    bar->addWidget(makeButton(A::PlayRecording, body));
    bar->addWidget(makeButton(A::StopPlayback, body));
    bar->addStretch();
    date_ = new DateDisplay(body);
    bar->addWidget(date_);
    right->addLayout(bar);

    filters_ = new BoardFilterPanel(body);
    filters_->hide();
    connect(showFilters_, &QCheckBox::toggled, filters_, &QWidget::setVisible);
    connect(filters_->hideTick(), &QCheckBox::toggled, this, [this](bool on) {
        if (on) {
            filters_->hide();
            const QSignalBlocker a(showFilters_);
            const QSignalBlocker b(filters_->hideTick());
            showFilters_->setChecked(false);
            filters_->hideTick()->setChecked(false);
        }
    });
    right->addWidget(filters_);

    pages_ = new QTabWidget(body);
    pages_->setObjectName(QStringLiteral("boardPages"));
    board_ = new OrderListPage(OrderListPage::Kind::Board, db_, pages_);
    chart_ = new ItemChartPage(pages_);
    dineIn_ = new OrderListPage(OrderListPage::Kind::DineIn, db_, pages_);
    pages_->addTab(board_, QStringLiteral("订单显示"));
    pages_->addTab(chart_, QStringLiteral("今日服务类别柱状图"));
    pages_->addTab(dineIn_, QStringLiteral("堂食账单显示"));
    // The dine-in bills come up only when a dine-in or counter order window puts them in front.
    pages_->setTabVisible(DineInPage, false);
    connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == ChartPage) {
            guarded([this] {
                chart_->show(TodayStatistics::itemChart(db_, QDate::currentDate(), filters_->dayPart()));
            });
        }
    });
    connect(board_, &OrderListPage::contextMenuWanted, boardMenu_,
            [this](const QPoint& p) { boardMenu_->popup(p); });
    connect(dineIn_, &OrderListPage::contextMenuWanted, dineInMenu_,
            [this](const QPoint& p) { dineInMenu_->popup(p); });
    connect(board_->list(), &DataGrid::columnOrderChanged, this, &Tmain::saveColumnOrder);
    right->addWidget(pages_, 1);

    auto* bottom = new QHBoxLayout;
    for (const auto& [dispatched, paid] :
         {std::pair{false, false}, {false, true}, {true, false}, {true, true}}) {
        const OrderStateLook look = OrderStateColours::look(dispatched, paid);
        auto* panel = new QFrame(body);
        panel->setObjectName(look.legendCaption);
        panel->setFrameShape(QFrame::StyledPanel);
        auto* row = new QHBoxLayout(panel);
        row->setContentsMargins(6, 2, 6, 2);
        row->addWidget(new QLabel(look.legendCaption, panel));
        auto* swatch = new QLabel(panel);
        swatch->setFixedSize(36, 14);
        swatch->setStyleSheet(
            QStringLiteral("background: %1; border: 1px solid #777;").arg(look.rowColour.name()));
        row->addWidget(swatch);
        bottom->addWidget(panel);
        legend_ << panel;
    }
    bottom->addStretch();
    colourTick_ = new QCheckBox(QStringLiteral("需要颜色显示"), body);
    colourTick_->setObjectName(colourTick_->text());
    connect(colourTick_, &QCheckBox::toggled, this, [this](bool on) {
        if (!loadingColour_) {
            setColourDisplay(on);
        }
    });
    bottom->addWidget(colourTick_);
    skinButton_ = makeButton(A::SkinToggle, body);
    bottom->addWidget(skinButton_);
    right->addLayout(bottom);

    columns->addLayout(right, 1);
    setCentralWidget(body);
}

void Tmain::installHandlers() {
    auto set = [this](A action, std::function<void()> f) {
        handlers_.insert(static_cast<int>(action), std::move(f));
    };
    auto opens = [this](const char* window) {
        return [this, window] { openWindow(QString::fromUtf8(window)); };
    };

    set(A::ServiceItems, opens("Tcaidan_guanli"));
    set(A::Staff, [this] {
        openWindow(QStringLiteral("Tpeisongyuan_list"));
        guarded([this] { fillStaff(); });
    });
    set(A::CustomerList, [this] {
        // Not modal: the operator keeps the board while looking customers up.
        if (QWidget* w = windows_.window(QStringLiteral("Tkehu_list"))) {
            invokeIfPresent(w, "clearPresetSearch()");
            w->show();
            w->raise();
            w->activateWindow();
        }
    });
    set(A::CustomerRegions, [this] {
        openWindow(QStringLiteral("Tqvyu_shezhi"));
        guarded([this] { fillRegions(); });
    });
    // The order windows prepare themselves for a new order (print off, delete on, panels on).
    for (const auto& [action, window] : {std::pair{A::NewDeliveryOrder, "Txiaoshou"},
                                         {A::NewDineInOrder, "Txiaoshou_tangshi"},
                                         {A::NewCounterOrder, "Txiaoshou_tiaoma"}}) {
        set(action, [this, window] {
            if (QWidget* w = windows_.window(QString::fromUtf8(window))) {
                invokeIfPresent(w, "prepareNewOrder()");
                openWindow(QString::fromUtf8(window));
            }
        });
    }
    set(A::DispatchSingle, opens("Tfahuo"));
    set(A::DispatchBatch, opens("TFfahuo_chengpi"));
    set(A::PaySingle, opens("Tshoukuan"));
    set(A::PayBatch, opens("TFshoukuan_chengpi"));
    set(A::CancelDispatch, opens("Ttuihuo"));
    set(A::Refund, opens("Ttuikuan"));
    set(A::DeleteOrder, opens("Ttuidan"));
    set(A::CallHistory, opens("Tlaidian_jilu"));
    set(A::SystemSettings, [this] { openSettings(0); });
    set(A::SystemSettingsThird, [this] { openSettings(2); });
    set(A::RightsManagement, [this] { openOperatorList(); });
    set(A::ChangePassword, [this] { openChangePassword(); });
    for (const auto& [action, mode] : {std::pair{A::Backup, "backupMode()"}, {A::Restore, "restoreMode()"}}) {
        set(action, [this, mode] {
            QWidget* w = nullptr;
            try {
                w = windows_.window(QStringLiteral("Tshujv_guanli"));
            } catch (const std::exception&) {
                Messages::current().error(kBackupWindowFailed);
                return;
            }
            if (w) {
                invokeIfPresent(w, mode);
                openWindow(QStringLiteral("Tshujv_guanli"));
            }
        });
    }
    set(A::Help, [] {});
    set(A::About, opens("Tabout"));
    set(A::Exit, [this] { close(); });
    set(A::RefreshStatistics, [this] { refreshStatistics(); });
    set(A::Search, [this] { search(); });
    set(A::OpenCashDrawer, [this] { openCashDrawer(); });
    set(A::SkinToggle, [this] { toggleSkin(); });
    // Not set here, wired by the windows and devices they belong to: 数据库压缩修复工具 (Compact),
    // 单个打印 (PrintOne), 开始录音重放 / 停止播放录音 and the two 开单 of the quick order box.
}

void Tmain::run(MainAction action) {
    const auto h = handlers_.constFind(static_cast<int>(action));
    if (h != handlers_.constEnd()) {
        (*h)();
    }
}

void Tmain::setHandler(MainAction action, std::function<void()> handler) {
    handlers_.insert(static_cast<int>(action), std::move(handler));
}

bool Tmain::openWindow(const QString& name) {
    QWidget* w = windows_.window(name);
    if (!w) {
        return false;
    }
    if (auto* dialog = qobject_cast<QDialog*>(w)) {
        dialog->exec();
    } else {
        w->setWindowModality(Qt::ApplicationModal);
        w->show();
        w->raise();
    }
    return true;
}

void Tmain::openSettings(int page) {
    QWidget* w = windows_.window(QStringLiteral("TFdianming_shezhi"));
    if (!w) {
        return;
    }
    auto* settings = qobject_cast<TFdianming_shezhi*>(w);
    if (settings) {
        settings->openOn(static_cast<TFdianming_shezhi::Page>(page));
    }
    openWindow(QStringLiteral("TFdianming_shezhi"));
    // The style box takes the style the dialog ends with.
    if (settings && !settings->printStyle().isEmpty()) {
        printStyle_->setCurrentText(settings->printStyle());
    } else {
        guarded([this] { readPrintStyle(); });
    }
    setDispatchUsed(signInState().setting(QStringLiteral("是否需要发货功能")) == QStringLiteral("需要"));
}

QList<QObject*> Tmain::carriers(const MainCommand& command) const {
    const QList<MainCommand>& all = MainCommands::all();
    for (int i = 0; i < all.size(); ++i) {
        if (&all[i] == &command) {
            return carriers_[i];
        }
    }
    return {};
}

QList<QObject*> Tmain::commands(const Command& command) const {
    QList<QObject*> out;
    const QList<MainCommand>& all = MainCommands::all();
    for (int i = 0; i < all.size(); ++i) {
        if (MainCommands::governingCommand(all[i]) == command) {
            out << carriers_[i];
        }
    }
    return out;
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
    filters_->setDispatchUsed(used);
    // Hidden panels give up their place on the bottom bar.
    legend_[0]->setVisible(used);
    legend_[1]->setVisible(used);
    const QList<MainCommand>& all = MainCommands::all();
    for (int i = 0; i < all.size(); ++i) {
        const MainCommand& c = all[i];
        const bool dispatchCarrier =
            (c.place == P::ToolButton && (c.action == A::DispatchSingle || c.action == A::DispatchBatch)) ||
            (c.place == P::BoardContext && c.action == A::DispatchSingle);
        if (dispatchCarrier) {
            for (QObject* o : carriers_[i]) {
                o->setProperty("visible", used);
            }
        }
    }
}

void Tmain::openOperatorList() {
    if (!Permissions::granted(signInState().rights, Permission::RightsManagement)) {
        return;
    }
    if (!openWindow(QStringLiteral("Tcaozuoyuan_list"))) {
        return;
    }
    // Changes to one's own rights take effect at once.
    guarded([this] {
        if (SignIn::reloadRights(db_, signInState())) {
            applyRights();
        }
    });
}

void Tmain::openChangePassword() {
    if (Permissions::granted(signInState().rights, Permission::ChangePassword)) {
        openWindow(QStringLiteral("Txiugai_mima"));
    }
}

// ---- the show sequence ----

void Tmain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) {
        runShowSequence();
    }
}

void Tmain::runShowSequence() {
    SignInState& state = signInState();
    const QDateTime now = QDateTime::currentDateTime();
    // 1. the dates
    filters_->setDates(now.date());
    date_->setDateTime(now);
    // 2. the skin button
    skinButton_->setText(state.skinEnabled == kYes ? kSkinOff : kSkinOn);
    // 3. the program title; 4. the English captions
    settleTitle();
    if (state.setting(QStringLiteral("版本语言")) == QStringLiteral("英语")) {
        applyEnglishCaptions();
    }
    // 5. the operation log
    operationLog().load();
    // 6. the sign-in dialog stays alive, out of sight
    if (signIn_) {
        signIn_->hide();
    }
    // 7. the printers; the first page
    printers_ = QPrinterInfo::availablePrinterNames();
    showPage(OrdersPage);
    // 8. the day part
    filters_->setDayPart(BusinessDay::defaultDayPart(
        now, state.setting(QStringLiteral("主界面显示")), state.setting(QStringLiteral("早中午分界线")),
        state.setting(QStringLiteral("上下午分界线")), state.setting(QStringLiteral("营业延长时间"))));
    // 9. the caller-ID devices start as the sign-in chose
    emit devicesStartWanted();
    // 10. the text-message timer runs while an account is set up
    guarded([this] {
        if (!MainWindowData::smsAccountUser(db_).isEmpty()) {
            smsTimer_.start();
        }
    });
    // 11. the colours
    guarded([this] {
        const bool on = MainWindowData::colourDisplay(db_);
        loadingColour_ = true;
        colourTick_->setChecked(on);
        loadingColour_ = false;
        signInState().colourDisplay = on;
        board_->setColourDisplay(on);
        dineIn_->setColourDisplay(on);
    });
    // 12. the workers; 13. the board; 14. the regions; 15. the figures
    guarded([this] { fillStaff(); });
    shuaxinmain();
    guarded([this] { fillRegions(); });
    refreshStatistics();
    // 16. the birthday check, once, a second from now
    birthdayTimer_.start();
    // 17. the column order the operator dragged
    restoreColumnOrder();

    if (!watcher_) {
        try {
            watcher_ = new StoreChangeWatcher(db_, this);
            connect(watcher_, &StoreChangeWatcher::ordersChanged, this, &Tmain::refreshFromOtherStation);
        } catch (const DbError& e) {
            qWarning().noquote() << "board live refresh off:" << e.message();
        }
    }
}

void Tmain::settleTitle() {
    SignInState& state = signInState();
    // The settled title stays in force until the program ends.
    if (!titleSettled_) {
        const ProgramTitle t = ProgramTitle::settle(state.setting(QStringLiteral("程序名称")),
                                                    state.setting(QStringLiteral("公司简称")),
                                                    state.setting(QStringLiteral("版本语言")));
        state.programTitle = t.title;
        setWindowTitle(t.windowCaption);
        titleSettled_ = true;
    }
}

void Tmain::applyEnglishCaptions() {
    for (int i = 0; i < menus_.size(); ++i) {
        menus_[i]->setTitle(MainCommands::menus()[i].english);
    }
    const QList<MainCommand>& all = MainCommands::all();
    for (int i = 0; i < all.size(); ++i) {
        if (all[i].english.isEmpty()) {
            continue;
        }
        for (QObject* o : carriers_[i]) {
            o->setProperty("text", all[i].english);
        }
    }
    quickBox_->setTitle(QStringLiteral("Pick Up"));
    phoneLabel_->setText(QStringLiteral("Phone"));
}

void Tmain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        guarded([this] { readPrintStyle(); });
    }
}

void Tmain::readPrintStyle() {
    const QString style = MainWindowData::printStyle(db_);
    if (!style.isEmpty()) {
        printStyle_->setCurrentText(style);
    }
}

QString Tmain::printStyle() const {
    return printStyle_->currentText();
}

void Tmain::fillStaff() {
    filters_->setStaff(MainWindowData::staffNames(db_));
}

void Tmain::fillRegions() {
    filters_->setRegions(MainWindowData::regions(db_));
}

// ---- the board ----

QDate Tmain::businessDay() const {
    return BusinessDay::of(QDateTime::currentDateTime(),
                           signInState().setting(QStringLiteral("营业延长时间")));
}

void Tmain::runBoard(bool withFilters) {
    lastRunWithFilters_ = withFilters;
    const QDate day = businessDay();
    const DayPart part = filters_->dayPart();
    const BoardSort sort = filters_->sort();
    const BoardSearch s = filters_->search();
    guarded([&] {
        board_->load(withFilters ? BoardQuery::search(s, day, part, sort)
                                 : BoardQuery::refresh(day, part, sort));
    });
    guarded([&] {
        dineIn_->load(withFilters ? BoardQuery::dineInSearch(s, day, part, sort)
                                  : BoardQuery::dineInRefresh(day, part, sort));
    });
}

void Tmain::shuaxinmain() {
    runBoard(false);
}

void Tmain::search() {
    runBoard(true);
}

void Tmain::refreshFromOtherStation() {
    // Another station saved or changed orders: the same lists again, where the operator left them.
    guarded([this] { board_->reload(); });
    guarded([this] { dineIn_->reload(); });
}

void Tmain::refreshStatistics() {
    guarded([this] { today_->refresh(db_, businessDay()); });
}

void Tmain::showPage(Page page) {
    pages_->setCurrentIndex(page);
}

Tmain::Page Tmain::currentPage() const {
    return static_cast<Page>(pages_->currentIndex());
}

QString Tmain::currentOrderForSettlement() const {
    return currentPage() == OrdersPage ? board_->currentOrder() : dineIn_->currentOrder();
}

void Tmain::restoreColumnOrder() {
    BoardColumnOrder::Restored r;
    try {
        r = BoardColumnOrder::restore(db_, OrderListPage::designFields().size(), Messages::current());
    } catch (const DbError& e) {
        Messages::current().error(e.message());
        return;
    }
    if (r.fields.isEmpty()) {
        return;
    }
    const QSignalBlocker quiet(board_->list());
    board_->list()->setColumns(OrderListPage::boardColumns(r.fields));
    guarded([this] {
        const QDate day = businessDay();
        board_->load(lastRunWithFilters_
                         ? BoardQuery::search(filters_->search(), day, filters_->dayPart(), filters_->sort())
                         : BoardQuery::refresh(day, filters_->dayPart(), filters_->sort()));
    });
}

void Tmain::saveColumnOrder() {
    guarded([this] { BoardColumnOrder::save(db_, board_->list()->columnOrder()); });
}

bool Tmain::colourDisplay() const {
    return colourTick_->isChecked();
}

void Tmain::setColourDisplay(bool on) {
    guarded([this, on] {
        MainWindowData::setColourDisplay(db_, on);
        signInState().colourDisplay = on;
        board_->setColourDisplay(on);
        dineIn_->setColourDisplay(on);
        loadingColour_ = true;
        colourTick_->setChecked(on);
        loadingColour_ = false;
        search();
    });
}

// ---- skin, drawer, birthdays, closing ----

QString Tmain::skinCaption() const {
    return skinButton_->text();
}

void Tmain::toggleSkin() {
    SignInState& state = signInState();
    const bool switchingOff = skinButton_->text() == kSkinOff;
    const QString value = switchingOff ? kNo : kYes;
    QString error;
    if (!StationSettings(storeDir_).write(QStringLiteral("换肤"), value, &error)) {
        Messages::current().error(error);
        return;
    }
    state.skinEnabled = value;
    state.station.insert(QStringLiteral("换肤"), value);
    if (switchingOff) {
        Skin::switchOff();
        skinButton_->setText(kSkinOn);
    } else {
        SkinFile::ensure(storeDir_);
        Skin::switchOn(SkinFile::path(storeDir_));
        skinButton_->setText(kSkinOff);
    }
}

void Tmain::openCashDrawer() {
    // Opens the drawer at once on the 钱箱端口 port, whatever 开启钱箱 says (that one is for payments).
    try {
        CashDrawer::open(signInState().setting(QStringLiteral("钱箱端口")));
    } catch (const DeviceError& e) {
        Messages::current().error(e.message());
    }
}

void Tmain::checkBirthdays() {
    birthdayTimer_.stop();
    guarded([this] {
        if (MainWindowData::birthdaysOn(db_, QDate::currentDate())) {
            openWindow(QStringLiteral("TFjingri_shengri"));
        }
    });
}

void Tmain::closeEvent(QCloseEvent* event) {
    Skin::switchOff();
    if (!Messages::current().confirm(kExitQuestion)) {
        if (signInState().skinEnabled == kYes) {
            Skin::switchOn(SkinFile::path(storeDir_));
        }
        event->ignore();
        return;
    }
    birthdayTimer_.stop();
    smsTimer_.stop();
    event->accept();
    QCoreApplication::quit();
}

}  // namespace lanze
