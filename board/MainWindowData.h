#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include "customers/Regions.h"

namespace lanze {

class Database;

// The small reads and writes the main window makes around the board: its filter lists, the colour flag,
// the print style, the text-message account and the birthday check. Each throws DbError.
class MainWindowData {
  public:
    static inline const QString kHeadOffice = Regions::kHeadOffice;

    // The worker box: every 姓名 of 员工列表 in table order.
    static QStringList staffNames(Database& db);
    // The region box: "总部" first, then every 区域 in order.
    static QStringList regions(Database& db);

    // 颜色显示.需要颜色; no row counts as off.
    static bool colourDisplay(Database& db);
    static void setColourDisplay(Database& db, bool on);

    // 店名.打印样式, for the board's print style box.
    static QString printStyle(Database& db);

    // 短信帐户.用户名: the sending timer runs only while an account is set up.
    static QString smsAccountUser(Database& db);

    // Whether any customer's birthday (month and day) is on the date.
    static bool birthdaysOn(Database& db, const QDate& date);
};

}  // namespace lanze
