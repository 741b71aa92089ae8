#include <gtest/gtest.h>

#include "core/types/Money.h"

using namespace lanze;

TEST(Money, ParsesDecimalTextExactly) {
    struct Case {
        const char* text;
        std::int64_t units;
    } cases[] = {{"12.5", 125000}, {"-0.30", -3000}, {"1,234.56", 12345600}, {" 7 ", 70000},
                 {"0.00005", 1},   {"0.00004", 0},   {"+3", 30000},          {".5", 5000}};
    for (const auto& c : cases) {
        const auto m = Money::parse(QString::fromUtf8(c.text));
        ASSERT_TRUE(m.has_value()) << c.text;
        EXPECT_EQ(m->units(), c.units) << c.text;
    }
    for (const char* bad : {"", "abc", "1.2.3", "12元", "1e5", "-", "."}) {
        EXPECT_FALSE(Money::parse(QString::fromUtf8(bad)).has_value()) << bad;
    }
}

TEST(Money, AddsWithoutBinaryRoundingError) {
    const Money sum = *Money::parse(QStringLiteral("0.1")) + *Money::parse(QStringLiteral("0.2"));
    EXPECT_EQ(sum, *Money::parse(QStringLiteral("0.3")));
    EXPECT_EQ(sum.toString(), QStringLiteral("0.30"));
    EXPECT_EQ(sum.toPlainString(), QStringLiteral("0.3"));
}

TEST(Money, FormatsAndRoundsHalfAwayFromZero) {
    EXPECT_EQ(Money::fromUnits(12345).toString(2), QStringLiteral("1.23"));
    EXPECT_EQ(Money::fromUnits(12350).toString(2), QStringLiteral("1.24"));
    EXPECT_EQ(Money::fromUnits(-12350).toString(2), QStringLiteral("-1.24"));
    EXPECT_EQ(Money::fromUnits(25000).toString(0), QStringLiteral("3"));
    EXPECT_EQ(Money::fromUnits(25000).rounded(0), Money::fromYuan(3));
    EXPECT_EQ(Money::fromUnits(-1).toPlainString(), QStringLiteral("-0.0001"));
    EXPECT_EQ(Money::fromYuan(12).toPlainString(), QStringLiteral("12"));
    EXPECT_EQ((*Money::parse(QStringLiteral("3.33")) * 3.0).toString(), QStringLiteral("9.99"));
    EXPECT_EQ((Money::fromYuan(10) * 0.85).toString(), QStringLiteral("8.50"));
}
