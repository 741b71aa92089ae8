#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace lanze {

// Which meal period the board shows: all of the day, or the orders of one 上下午 value.
enum class DayPart { AllDay, Noon, Afternoon, Night };

// The 上下午 value stored on the order lines of a day part ("午餐", "晚餐", "夜宵"); empty for the whole day.
QString mealPeriodOf(DayPart part);

// The shop's working day and the meal period that belong to a moment, from the station settings
// 营业延长时间, 主界面显示, 早中午分界线 and 上下午分界线 (passed as their stored texts).
class BusinessDay {
  public:
    static inline const QString kWholeDayDisplay = QStringLiteral("全天");
    static inline const QString kDefaultNoonBoundary = QStringLiteral("14:00:00");
    static inline const QString kDefaultNightBoundary = QStringLiteral("19:00:00");

    // Today, or yesterday while the time of day is not later than the extension hour: with "0" only
    // midnight itself belongs to the day before, with "3" everything up to 03:00:00 does. A text that is
    // not an hour counts as "0".
    static QDate of(const QDateTime& now, const QString& extensionHours);

    // True while the time of day still belongs to the previous business day.
    static bool inExtension(const QTime& time, const QString& extensionHours);

    // The day part the board opens on. "全天" shows the whole day; otherwise the time of day against the
    // two boundaries: up to and including the first is noon, up to and including the second afternoon,
    // later night. While the time still belongs to the previous business day (after midnight within
    // the extension) it is night, the period that the order windows store such orders under.
    static DayPart defaultDayPart(const QDateTime& now, const QString& display, const QString& noonBoundary,
                                  const QString& nightBoundary, const QString& extensionHours = QString());

    // The 上下午 value an order saved at this moment gets (same boundaries and extension rule).
    static QString mealPeriodAt(const QDateTime& now, const QString& noonBoundary,
                                const QString& nightBoundary, const QString& extensionHours);
};

}  // namespace lanze
