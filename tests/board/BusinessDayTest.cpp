#include <gtest/gtest.h>

#include "board/BusinessDay.h"

using namespace lanze;

namespace {
const QDate kToday(2026, 12, 11);
QDateTime at(const char* time) {
    return QDateTime(kToday, QTime::fromString(QString::fromLatin1(time), "HH:mm:ss"));
}
}  // namespace

TEST(BusinessDayTest, EarlyHoursBelongToTheDayBeforeUpToTheExtensionHour) {
    struct Case {
        const char* time;
        const char* extension;
        int dayOffset;
    };
    for (const Case& c :
         {Case{"00:30:00", "1", -1}, Case{"01:00:00", "1", -1}, Case{"01:00:01", "1", 0},
          Case{"00:00:00", "0", -1}, Case{"00:00:01", "0", 0}, Case{"02:59:59", "3", -1},
          Case{"12:00:00", "3", 0}, Case{"00:30:00", "不是数字", 0}, Case{"00:00:00", "", -1}}) {
        EXPECT_EQ(BusinessDay::of(at(c.time), QString::fromUtf8(c.extension)), kToday.addDays(c.dayOffset))
            << c.time << " extension " << c.extension;
    }
}

TEST(BusinessDayTest, DefaultDayPartFollowsTheTwoBoundaries) {
    struct Case {
        const char* time;
        const char* display;
        const char* noon;
        const char* night;
        DayPart expected;
    };
    const char* split = "上下午";
    for (const Case& c : {Case{"23:00:00", "全天", "14:00:00", "19:00:00", DayPart::AllDay},
                          Case{"14:00:00", split, "14:00:00", "19:00:00", DayPart::Noon},
                          Case{"14:00:01", split, "14:00:00", "19:00:00", DayPart::Afternoon},
                          Case{"19:00:00", split, "14:00:00", "19:00:00", DayPart::Afternoon},
                          Case{"19:00:01", split, "14:00:00", "19:00:00", DayPart::Night},
                          Case{"13:45:00", split, "13:30:00", "20:00:00", DayPart::Afternoon},
                          Case{"14:00:00", split, "乱写", "", DayPart::Noon},  // unreadable: the defaults
                          Case{"14:00:01", split, "乱写", "", DayPart::Afternoon}}) {
        EXPECT_EQ(
            BusinessDay::defaultDayPart(at(c.time), QString::fromUtf8(c.display), QString::fromUtf8(c.noon),
                                        QString::fromUtf8(c.night), QStringLiteral("0")),
            c.expected)
            << c.time << " " << c.noon;
    }
}

TEST(BusinessDayTest, AfterMidnightWithinTheExtensionIsNight) {
    // Orders saved at 00:30 go to the previous business day as 夜宵; the board opens where they are.
    EXPECT_EQ(
        BusinessDay::defaultDayPart(at("00:30:00"), QStringLiteral("上下午"), QStringLiteral("14:00:00"),
                                    QStringLiteral("19:00:00"), QStringLiteral("1")),
        DayPart::Night);
    EXPECT_EQ(BusinessDay::mealPeriodAt(at("00:30:00"), QStringLiteral("14:00:00"),
                                        QStringLiteral("19:00:00"), QStringLiteral("1")),
              QStringLiteral("夜宵"));
    EXPECT_EQ(BusinessDay::mealPeriodAt(at("01:30:00"), QStringLiteral("14:00:00"),
                                        QStringLiteral("19:00:00"), QStringLiteral("1")),
              QStringLiteral("午餐"));
}
