#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "signin/Permissions.h"

namespace lanze {

// What a command of the main window does. Several carriers share one action: the menu entry, the tool
// button and the board's context entry 单一派工 all dispatch the selected order.
enum class MainAction {
    OpenWindow,  // shows the row's window modally; nothing else
    ServiceItems,
    Staff,            // afterwards the worker filter list is filled again
    CustomerList,     // shown without blocking, its preset search cleared
    CustomerRegions,  // afterwards the region filter list is rebuilt
    NewDeliveryOrder,
    NewDineInOrder,
    NewCounterOrder,
    DispatchSingle,
    DispatchBatch,
    PaySingle,
    PayBatch,
    CancelDispatch,
    Refund,
    DeleteOrder,
    CallHistory,
    SystemSettings,       // first page; afterwards the store row is read again
    SystemSettingsThird,  // third page; afterwards the store row is read again
    RightsManagement,     // afterwards the operator's rights are read and applied again
    ChangePassword,
    Backup,
    Restore,
    Compact,  // on success the board query runs again with the current filters
    Help,     // does nothing
    About,
    Exit,
    RefreshStatistics,
    Search,
    PrintOne,
    PlayRecording,
    StopPlayback,
    QuickOrderByPhone,
    QuickOrderByCode,
    OpenCashDrawer,
    SkinToggle,
};

// Where a command sits on the main window.
enum class CommandPlace { MenuItem, ToolButton, BoardContext, DineInContext, Button };

// One carrier of a command: a menu entry, a tool button, a context-menu entry or a button of the body.
struct MainCommand {
    CommandPlace place;
    QString caption;
    QString menu;  // the menu-bar menu of a menu entry; empty elsewhere
    MainAction action;
    QString window;      // the window it opens (registry name); empty when the main window acts itself
    QString shortcut;    // "F1": works whatever control of the window has the focus
    bool shown = true;   // false: the key is the only way in (堂食开单F2, 快餐开单F3)
    QString english;     // caption with the English interface; empty keeps the Chinese one
    QString governedAs;  // the caption the operator's rights know this carrier by, when it differs
    int page = 0;        // the page a settings window opens on
};

// One menu of the menu bar.
struct MainMenu {
    QString title;
    QString english;
};

// The command table of the main window: every menu entry, tool button, context entry and body button,
// in the order they appear. The menus, tool bar and context menus are built from it.
class MainCommands {
  public:
    static const QList<MainMenu>& menus();
    static const QList<MainCommand>& all();
    static QList<MainCommand> at(CommandPlace place);
    static QList<MainCommand> inMenu(const QString& menu);
    // The first carrier of an action at a place; nullptr when none.
    static const MainCommand* find(CommandPlace place, MainAction action);

    // The name the operator's rights know a carrier by: the dine-in list's entries answer to the board
    // context entries that do the same.
    static Command governingCommand(const MainCommand& command);
    // The permission that enables the carrier; none for the commands every operator has.
    static std::optional<Permission> governingPermission(const MainCommand& command);

    static inline const QString kHelpMenu = QStringLiteral("帮助");
    static inline const QString kEnglishCaption = QStringLiteral("Lan Ze Vovorada Vevadode 2010");
};

}  // namespace lanze
