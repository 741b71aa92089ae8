#include <gtest/gtest.h>

#include "board/MainWindowData.h"
#include "core/db/Query.h"
#include "tests/support/TestStore.h"

using namespace lanze;
using namespace lanze::test;

class MainWindowDataTest : public StoreTest {};

TEST_P(MainWindowDataTest, RegionsStartWithHeadOfficeThenInOrder) {
    for (const char* r : {"西城", "东城", "北苑"}) {
        Query(db(), QStringLiteral("insert into 区域 (区域) values (:区域)"))
            .bindText(QStringLiteral("区域"), QString::fromUtf8(r))
            .exec();
    }
    const QStringList regions = MainWindowData::regions(db());
    ASSERT_EQ(regions.size(), 4);
    EXPECT_EQ(regions.first(), QStringLiteral("总部"));
    QStringList rest = regions.mid(1);
    QStringList sorted = rest;
    sorted.sort();
    EXPECT_EQ(rest, sorted);
}

TEST_P(MainWindowDataTest, ColourFlagRoundTrips) {
    MainWindowData::setColourDisplay(db(), false);
    EXPECT_FALSE(MainWindowData::colourDisplay(db()));
    MainWindowData::setColourDisplay(db(), true);
    EXPECT_TRUE(MainWindowData::colourDisplay(db()));
}

TEST_P(MainWindowDataTest, BirthdayCheckMatchesMonthAndDayOnly) {
    EXPECT_FALSE(MainWindowData::birthdaysOn(db(), QDate(2026, 3, 8)));
    Query(db(), QStringLiteral("insert into 客户资料 (客户姓名,生日月,生日日) values (:n,:m,:d)"))
        .bindText(QStringLiteral("n"), QStringLiteral("王芳"))
        .bindInteger(QStringLiteral("m"), 3)
        .bindInteger(QStringLiteral("d"), 8)
        .exec();
    EXPECT_TRUE(MainWindowData::birthdaysOn(db(), QDate(2026, 3, 8)));
    EXPECT_TRUE(MainWindowData::birthdaysOn(db(), QDate(1990, 3, 8)));
    EXPECT_FALSE(MainWindowData::birthdaysOn(db(), QDate(2026, 8, 3)));
}

INSTANTIATE_ENGINES(MainWindowDataTest);
