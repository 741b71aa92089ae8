#include <gtest/gtest.h>

#include "core/types/LunarDate.h"

using namespace lanze;

// Dates checked against the published almanac: new years, a leap month, the last day of a year and
// the longest day names.
TEST(LunarDate, MatchesTheAlmanac) {
    struct Case {
        QDate date;
        const char* text;
        const char* zodiac;
    } cases[] = {
        {QDate(2026, 2, 17), "丙午年正月初一", "马"},
        {QDate(2026, 2, 16), "乙巳年腊月廿九", "蛇"},  // eve of the new year: 乙巳's last month has 29 days
        {QDate(2024, 2, 10), "甲辰年正月初一", "龙"},
        {QDate(2023, 3, 22), "癸卯年闰二月初一", "兔"},
        {QDate(2000, 1, 1), "己卯年冬月廿五", "兔"},
        {QDate(2025, 10, 6), "乙巳年八月十五", "蛇"},  // mid-autumn
        {QDate(2024, 6, 10), "甲辰年五月初五", "龙"},  // dragon-boat festival
        {QDate(2024, 3, 9), "甲辰年正月廿九", "龙"},
        {QDate(2024, 5, 7), "甲辰年三月廿九", "龙"},
        {QDate(2025, 1, 28), "甲辰年腊月廿九", "龙"},
        {QDate(2024, 4, 8), "甲辰年二月三十", "龙"},
    };
    for (const Case& c : cases) {
        const LunarDate d = LunarDate::of(c.date);
        ASSERT_TRUE(d.isValid()) << c.date.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(d.text(), QString::fromUtf8(c.text)) << c.date.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(d.zodiac(), QString::fromUtf8(c.zodiac)) << c.date.toString(Qt::ISODate).toStdString();
    }
}

TEST(LunarDate, InvalidDateGivesNothing) {
    const LunarDate d = LunarDate::of(QDate());
    EXPECT_FALSE(d.isValid());
    EXPECT_TRUE(d.text().isEmpty());
}
