#include "core/types/LunarDate.h"

#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <memory>

namespace lanze {

namespace {
const QString kStems = QStringLiteral("甲乙丙丁戊己庚辛壬癸");
const QString kBranches = QStringLiteral("子丑寅卯辰巳午未申酉戌亥");
const QString kAnimals = QStringLiteral("鼠牛虎兔龙蛇马羊猴鸡狗猪");
const QString kDigits = QStringLiteral("一二三四五六七八九十");
}  // namespace

LunarDate LunarDate::of(const QDate& date) {
    if (!date.isValid()) {
        return {};
    }
    UErrorCode status = U_ZERO_ERROR;
    // Both calendars count in GMT: the date is a whole day, not a moment, so no zone may shift it.
    std::unique_ptr<icu::TimeZone> gmt(icu::TimeZone::createTimeZone("GMT"));
    icu::GregorianCalendar gregorian(*gmt, status);
    if (U_FAILURE(status)) {
        return {};
    }
    gregorian.clear();
    gregorian.set(date.year(), date.month() - 1, date.day(), 12, 0, 0);
    const UDate instant = gregorian.getTime(status);
    std::unique_ptr<icu::Calendar> chinese(
        icu::Calendar::createInstance(gmt->clone(), icu::Locale("zh_CN@calendar=chinese"), status));
    if (U_FAILURE(status) || !chinese) {
        return {};
    }
    chinese->setTime(instant, status);
    LunarDate d;
    d.cycleYear = chinese->get(UCAL_YEAR, status);
    d.month = chinese->get(UCAL_MONTH, status) + 1;
    d.leapMonth = chinese->get(UCAL_IS_LEAP_MONTH, status) != 0;
    d.day = chinese->get(UCAL_DATE, status);
    if (U_FAILURE(status) || d.cycleYear < 1 || d.cycleYear > 60) {
        return {};
    }
    return d;
}

QString LunarDate::yearName() const {
    if (!isValid()) {
        return {};
    }
    return QString(kStems.at((cycleYear - 1) % 10)) + kBranches.at((cycleYear - 1) % 12);
}

QString LunarDate::zodiac() const {
    return isValid() ? QString(kAnimals.at((cycleYear - 1) % 12)) : QString();
}

QString LunarDate::monthName() const {
    if (!isValid()) {
        return {};
    }
    QString name;
    switch (month) {
        case 1:
            name = QStringLiteral("正");
            break;
        case 11:
            name = QStringLiteral("冬");
            break;
        case 12:
            name = QStringLiteral("腊");
            break;
        default:
            name = kDigits.at(month - 1);
    }
    return (leapMonth ? QStringLiteral("闰") : QString()) + name + QStringLiteral("月");
}

QString LunarDate::dayName() const {
    if (!isValid()) {
        return {};
    }
    if (day <= 10) {
        return QStringLiteral("初") + kDigits.at(day - 1);
    }
    if (day < 20) {
        return QStringLiteral("十") + kDigits.at(day - 11);
    }
    if (day == 20) {
        return QStringLiteral("二十");
    }
    if (day < 30) {
        return QStringLiteral("廿") + kDigits.at(day - 21);
    }
    return QStringLiteral("三十");
}

QString LunarDate::text() const {
    return isValid() ? yearName() + QStringLiteral("年") + monthName() + dayName() : QString();
}

}  // namespace lanze
