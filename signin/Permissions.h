#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

namespace lanze {

// Every permission an operator can be given. Each one is one character of one of the strings
// Right1 .. Right5 of 登陆; "0" refuses, anything else grants.
enum class Permission {
    // Right1: 基础数据
    ServiceItems,
    Customers,
    Staff,
    CustomerTypes,
    CustomerRegions,
    ServiceCategories,
    Requirements,
    // Right2: 业务管理
    Order,
    Dispatch,
    Payment,
    CreditBill,
    DeleteOrder,
    CancelDispatch,
    Refund,
    ModifyOrder,
    Discount,
    RoundOff,
    FreeItem,
    // Right3: 查询统计
    OrderQuery,
    ServiceSummary,
    CreditBillQuery,
    Commission,
    CustomerConsumption,
    OrderTimeStatistics,
    ServiceTimeStatistics,
    DeletedOrders,
    // Right4: 系统设置
    SystemSettings,
    RightsManagement,
    ChangePassword,
    Backup,
    Restore,
    DataInitialisation,
    // Right5: 帮助
    Help,
    About,
};

// One command of the main window, named by where it sits and its caption. Captions repeat across
// places ("单一派工" is a menu item, a tool button and a context item), so the place is part of the name.
struct Command {
    enum class Place { MenuItem, ToolButton, ContextItem, Button };
    Place place;
    QString caption;
    bool operator==(const Command&) const = default;
};

// Which character of which rights string governs which commands: the one table of the program.
class Permissions {
  public:
    static constexpr int kGroups = 5;
    static constexpr int kStrings = 9;
    // Length of every rights string of a new operator.
    static constexpr int kNewOperatorLength = 31;

    struct Entry {
        Permission permission;
        int string;               // 1 .. 5: Right1 .. Right5
        int position;             // 1-based character in that string
        QString name;             // the check-list text
        QList<Command> commands;  // main-window commands it governs; empty when a window reads it itself
    };

    static const QList<Entry>& table();
    static const Entry& entry(Permission p);
    // The tree text of a group ("1. 基础数据") and the entries of a group in check-list order.
    static QString groupText(int string);
    static QList<Entry> group(int string);
    // The group a tree text names, 0 when none.
    static int groupOf(const QString& treeText);

    // Whether the rights grant the permission. A string shorter than its group (a hand-edited store)
    // counts the missing characters as "0".
    static bool granted(const QString (&rights)[kStrings], Permission p);
    static bool flag(const QString& rightString, int position);

    // The string a group's check list writes: one character per permission, "1" ticked, "0" not.
    static QString groupString(const QList<bool>& ticked);

    // Finds the objects (QAction or QWidget) that carry a command; none when the window lacks it.
    using Lookup = std::function<QList<QObject*>(const Command&)>;
    // Enables every governed command whose character grants it and disables the others.
    static void apply(const QString (&rights)[kStrings], const Lookup& lookup);
    // Every command of the table, in table order (for windows that carry them).
    static QList<Command> governedCommands();
};

}  // namespace lanze
