#pragma once

#include <QDate>
#include <QString>

namespace lanze {

// A day of the Chinese lunisolar calendar, as the main window shows it beside the Gregorian date.
struct LunarDate {
    int cycleYear = 0;  // 1 .. 60 within the sixty-year cycle (甲子 = 1)
    int month = 0;      // 1 .. 12
    bool leapMonth = false;
    int day = 0;  // 1 .. 30

    bool isValid() const { return day > 0; }

    // The lunar day of a Gregorian date; invalid when the calendar cannot tell.
    static LunarDate of(const QDate& date);

    QString yearName() const;   // "丙午"
    QString zodiac() const;     // "马"
    QString monthName() const;  // "正月", "闰四月", "腊月"
    QString dayName() const;    // "初一", "十五", "廿三", "三十"
    // "丙午年正月初一"
    QString text() const;

    bool operator==(const LunarDate&) const = default;
};

}  // namespace lanze
