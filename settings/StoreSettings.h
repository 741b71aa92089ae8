#pragma once

#include <QString>

#include "core/db/Database.h"
#include "core/types/Money.h"

namespace lanze {

struct SignInState;

// The one row of the table 店名: the store's name and ticket layout, shared by every station.
struct StoreRow {
    bool exists = false;  // false: the table is empty and the values are the defaults

    QString storeName;      // 店名: ticket title
    QString servicePhrase;  // 服务用语: footer 1
    QString phone;          // 电话: footer 2
    QString webAddress;     // 网址: footer 3
    int leftMargin = 0;
    int rightMargin = 0;
    int topMargin = 0;
    int bottomMargin = 0;
    QString printWidth = QStringLiteral("76mm");  // "58mm" or "76mm"
    int titleLeftMargin = 0;
    QString printStyle = QStringLiteral("普通样式");  // 普通样式, 反馈三联单, 自定义报表
    bool printLogo = false;
    QString commissionMode = QStringLiteral("次数");  // 次数, 菜品, 送餐员次数, 送餐员菜品
    Money commissionPerOrder;
    QString priceEditable = QStringLiteral("可以");  // 可以, 不可以
    Money pointsRule = Money::fromYuan(1);           // yuan of spending per point
    QString returnRule = QStringLiteral("任意");     // 任意, 不任意
};

// Reads and writes the 店名 row, and hands its values to the process-wide state.
class StoreSettings {
  public:
    static inline const QString kWidth58 = QStringLiteral("58mm");
    static inline const QString kWidth76 = QStringLiteral("76mm");

    // The row with the defaults the stations rely on: any width other than "58mm" is "76mm", and an
    // empty points rule, price-change choice or return rule takes its default.
    static StoreRow read(Database& db);
    // Inserts the row when the table is empty, else updates it, in one transaction. Throws DbError.
    static void write(Database& db, const StoreRow& row);
    // The values the other windows consult: store name, width, title offset, price change, points
    // rule and return rule.
    static void applyTo(const StoreRow& row, SignInState& state);
};

}  // namespace lanze
