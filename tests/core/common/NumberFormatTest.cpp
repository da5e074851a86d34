// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/NumberFormat.h"

#include <gtest/gtest.h>

using namespace kelvora;

namespace {
struct SeparatorGuard {
    explicit SeparatorGuard(char c) : old(numfmt::decimalSeparator()) { numfmt::setDecimalSeparator(c); }
    ~SeparatorGuard() { numfmt::setDecimalSeparator(old); }
    char old;
};
} // namespace

TEST(NumberFormat, FloatTextHasFifteenSignificantDigits) {
    SeparatorGuard comma(',');
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"},
        {1, "1"},
        {-2.5, "-2,5"},
        {0.1, "0,1"},
        {84.76182067285736, "84,7618206728574"},
        {1.0 / 3, "0,333333333333333"},
        {556.8, "556,8"},
        {1e-5, "0,00001"},
        {1.5e-6, "1,5E-6"},
        {123456789012345678.0, "1,23456789012346E17"},
        {1200, "1200"},
        {100000000000000.0, "100000000000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numfmt::floatText(c.value), c.text) << c.value;
}

TEST(NumberFormat, ParseIsStrictInTheLocale) {
    SeparatorGuard comma(',');
    EXPECT_EQ(numfmt::parseFloat("1,5"), 1.5);
    EXPECT_EQ(numfmt::parseFloat(" -0,25 "), -0.25);
    EXPECT_EQ(numfmt::parseFloat("+3"), 3.0);
    EXPECT_EQ(numfmt::parseFloat("2,5E-3"), 0.0025);
    EXPECT_EQ(numfmt::parseFloat(",5"), 0.5);
    for (const char* bad : {"abc", "1,5x", "nan", "inf", "-inf", "1e999", "", " ", "1.5", "1,5,0", "0x10",
                            "e5", "1e", "--1", ",", "1 000"})
        EXPECT_FALSE(numfmt::parseFloat(bad).has_value()) << '"' << bad << '"';

    SeparatorGuard dot('.');
    EXPECT_EQ(numfmt::parseFloat("1.5"), 1.5);
    EXPECT_FALSE(numfmt::parseFloat("1,5").has_value());
}

TEST(NumberFormat, ParseIntegerRefusesFractionsAndOverflow) {
    EXPECT_EQ(numfmt::parseInteger("1190"), 1190);
    EXPECT_EQ(numfmt::parseInteger("-5"), -5);
    for (const char* bad : {"1.5", "12a", "", "99999999999", "0x20"})
        EXPECT_FALSE(numfmt::parseInteger(bad).has_value()) << bad;
}

TEST(NumberFormat, DisplayPatterns) {
    SeparatorGuard comma(',');
    struct Case {
        double value;
        const char* pattern;
        const char* text;
    } cases[] = {
        {2.476190476, "##0.00", "2,48"},
        {0, "##0.00", "0,00"},
        {2.675, "##0.00", "2,68"},
        {0.5, "#0.###", "0,5"},
        {3, "#0.###", "3"},
        {0.0004, "#0.###", "0"},
        {1.23456, "#0.###", "1,235"},
        {556.8, "###0.##", "556,8"},
        {1, "#0.0###", "1,0"},
        {1.00004, "#0.0###", "1,0"},
        {0.99996, "#0.0###", "1,0"},
        {-0.5, "#0.###", "-0,5"},
        {-0.0001, "#0.###", "0"},
        {84.76182, "##0.0000", "84,7618"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numfmt::formatPattern(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
}

TEST(NumberFormat, FixedWidth) {
    SeparatorGuard comma(',');
    EXPECT_EQ(numfmt::formatFixed(0.5, 3, 6), " 0,500");
    EXPECT_EQ(numfmt::formatFixed(1214.8, 1, 5), "1214,8");
    EXPECT_EQ(numfmt::formatFixed(5.47, 2, 4), "5,47");
    EXPECT_EQ(numfmt::formatFixed(-1.005, 2), "-1,01");
}
