#pragma once

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <optional>

#include "board/MainCommands.h"
#include "core/store/OperationLog.h"
#include "signin/Permissions.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolBar;

namespace lanze {

class BoardFilterPanel;
class Database;
class DateDisplay;
class ItemChartPage;
class OrderListPage;
class StoreChangeWatcher;
class TodayPanel;
class WindowRegistry;

// The main window: the order board of the call centre. Its menu bar, tool bar, context menus and body
// buttons carry every command of the program (built from the command table); the board lists the
// business day's orders in the colours of their state; the 今日统计 box sums up the day.
class Tmain : public QMainWindow {
    Q_OBJECT
  public:
    // The pages of the board: the orders, the item chart and the dine-in bills (its tab is not shown).
    enum Page { OrdersPage = 0, ChartPage = 1, DineInPage = 2 };

    Tmain(Database& db, WindowRegistry& windows, QWidget* parent = nullptr);
    ~Tmain() override;

    // The store folder (cysz.ini, skin.skn, 操作日志.txt); the running program's by default.
    void setStoreDir(const QString& dir);
    const QString& storeDir() const { return storeDir_; }
    // The sign-in dialog, hidden when this window is shown.
    void setSignInWindow(QWidget* window) { signIn_ = window; }

    // The actions and widgets that carry a command, as the operator's rights name it.
    QList<QObject*> commands(const Command& command) const;
    // The carriers of one row of the command table.
    QList<QObject*> carriers(const MainCommand& command) const;
    // Enables and disables the governed commands from the signed-in operator's rights.
    void applyRights();
    // The whole 帮助 menu.
    void setHelpMenuVisible(bool visible);
    bool helpMenuVisible() const;
    // A station that does not dispatch hides the undispatched states and the dispatch commands.
    void setDispatchUsed(bool used);

    QMenu* boardContextMenu() const { return boardMenu_; }
    QMenu* dineInContextMenu() const { return dineInMenu_; }

    // Runs a command as its carriers do (the window that builds a command's target may replace what
    // it does with setHandler).
    void run(MainAction action);
    void setHandler(MainAction action, std::function<void()> handler);

    // Commands of the operator windows.
    void openOperatorList();
    void openChangePassword();

    // The board after an order was saved or changed: business day, day part and sort only. Leaves the
    // statistics alone; the caller puts the page it wants in front (showPage).
    void shuaxinmain();
    // 查询: the board with every condition of the filter panel.
    void search();
    void refreshStatistics();
    void showPage(Page page);
    Page currentPage() const;

    // The board's rows as the commands of the board take them.
    OrderListPage* board() const { return board_; }
    OrderListPage* dineInList() const { return dineIn_; }
    // The order the commands 单一收款, 退款, 删除订单 and 单个打印 work on: the board's on its first page,
    // the dine-in list's on the others.
    QString currentOrderForSettlement() const;

    // The operation log, loaded when the window was shown.
    OperationLog& operationLog();
    const QStringList& printerNames() const { return printers_; }
    QString printStyle() const;
    bool colourDisplay() const;
    void setColourDisplay(bool on);  // the 需要颜色显示 tick: stores the flag and runs 查询

    // The skin toggle of the bottom bar.
    void toggleSkin();
    QString skinCaption() const;

    // Runs every second while a text-message account is set up; the sender listens to it.
    QTimer& smsTimer() { return smsTimer_; }

  signals:
    // The show sequence has come to the caller-ID devices: they start as the sign-in chose.
    void devicesStartWanted();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void buildMenus();
    void buildBody();
    QAction* makeAction(int row);
    QPushButton* makeButton(MainAction action, QWidget* parent, int nth = 0);
    void connectCarrier(QObject* carrier, MainAction action);
    void installHandlers();

    void runShowSequence();
    void settleTitle();
    void applyEnglishCaptions();
    void restoreColumnOrder();
    void saveColumnOrder();
    void fillStaff();
    void fillRegions();
    void readPrintStyle();
    void openCashDrawer();
    void checkBirthdays();
    void refreshFromOtherStation();

    // Opens a command's window: modal when it is a dialog. False when the window is not there.
    bool openWindow(const QString& name);
    void openSettings(int page);

    QDate businessDay() const;
    void runBoard(bool withFilters);

    Database& db_;
    WindowRegistry& windows_;
    QString storeDir_;
    QPointer<QWidget> signIn_;

    QList<QList<QObject*>> carriers_;  // per row of the command table
    QHash<int, std::function<void()>> handlers_;
    QList<QMenu*> menus_;  // in the order of the menu bar
    QMenu* helpMenu_ = nullptr;
    QMenu* boardMenu_ = nullptr;
    QMenu* dineInMenu_ = nullptr;
    QToolBar* tools_ = nullptr;

    TodayPanel* today_ = nullptr;
    QGroupBox* quickBox_ = nullptr;
    QLabel* phoneLabel_ = nullptr;
    QLineEdit* phoneEdit_ = nullptr;
    QLineEdit* codeEdit_ = nullptr;
    QCheckBox* showFilters_ = nullptr;
    BoardFilterPanel* filters_ = nullptr;
    QComboBox* printStyle_ = nullptr;
    DateDisplay* date_ = nullptr;
    QTabWidget* pages_ = nullptr;
    OrderListPage* board_ = nullptr;
    ItemChartPage* chart_ = nullptr;
    OrderListPage* dineIn_ = nullptr;
    QList<QWidget*> legend_;  // the four state panels, undispatched ones first
    QCheckBox* colourTick_ = nullptr;
    QPushButton* skinButton_ = nullptr;

    std::optional<OperationLog> log_;
    QStringList printers_;
    QTimer birthdayTimer_;
    QTimer smsTimer_;
    StoreChangeWatcher* watcher_ = nullptr;
    bool lastRunWithFilters_ = false;
    bool titleSettled_ = false;
    bool loadingColour_ = false;
};

}  // namespace lanze
