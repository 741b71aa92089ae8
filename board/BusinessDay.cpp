#include "board/BusinessDay.h"

namespace lanze {

namespace {
QTime boundary(const QString& text, const QString& fallback) {
    QTime t = QTime::fromString(text.trimmed(), QStringLiteral("HH:mm:ss"));
    if (!t.isValid()) {
        t = QTime::fromString(text.trimmed(), QStringLiteral("H:mm:ss"));
    }
    return t.isValid() ? t : QTime::fromString(fallback, QStringLiteral("HH:mm:ss"));
}
}  // namespace

QString mealPeriodOf(DayPart part) {
    switch (part) {
        case DayPart::Noon:
            return QStringLiteral("午餐");
        case DayPart::Afternoon:
            return QStringLiteral("晚餐");
        case DayPart::Night:
            return QStringLiteral("夜宵");
        case DayPart::AllDay:
            break;
    }
    return {};
}

bool BusinessDay::inExtension(const QTime& time, const QString& extensionHours) {
    bool ok = false;
    int hours = extensionHours.trimmed().toInt(&ok);
    if (!ok || hours < 0) {
        hours = 0;
    }
    // Compared as "hh:mm:ss" texts, so an hour of 24 or more keeps the whole day on the day before.
    const QString limit = QStringLiteral("%1:00:00").arg(hours, 2, 10, QLatin1Char('0'));
    return time.toString(QStringLiteral("HH:mm:ss")) <= limit;
}

QDate BusinessDay::of(const QDateTime& now, const QString& extensionHours) {
    const QDate today = now.date();
    return inExtension(now.time(), extensionHours) ? today.addDays(-1) : today;
}

QString BusinessDay::mealPeriodAt(const QDateTime& now, const QString& noonBoundary,
                                  const QString& nightBoundary, const QString& extensionHours) {
    if (inExtension(now.time(), extensionHours)) {
        return mealPeriodOf(DayPart::Night);
    }
    const QTime t = now.time();
    if (t <= boundary(noonBoundary, kDefaultNoonBoundary)) {
        return mealPeriodOf(DayPart::Noon);
    }
    if (t <= boundary(nightBoundary, kDefaultNightBoundary)) {
        return mealPeriodOf(DayPart::Afternoon);
    }
    return mealPeriodOf(DayPart::Night);
}

DayPart BusinessDay::defaultDayPart(const QDateTime& now, const QString& display, const QString& noonBoundary,
                                    const QString& nightBoundary, const QString& extensionHours) {
    if (display.trimmed() == kWholeDayDisplay) {
        return DayPart::AllDay;
    }
    const QString period = mealPeriodAt(now, noonBoundary, nightBoundary, extensionHours);
    if (period == mealPeriodOf(DayPart::Noon)) {
        return DayPart::Noon;
    }
    return period == mealPeriodOf(DayPart::Afternoon) ? DayPart::Afternoon : DayPart::Night;
}

}  // namespace lanze
