// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/TypedDecimal.h"
#include "common/NumberFormat.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kelvora::test {
namespace {

struct TypedCase {
    const char* typed;
    char locale;
    std::optional<double> value; // what the strict parse then reads; nothing = refused
};

class TypedDecimalTest : public ::testing::TestWithParam<TypedCase> {};

// Either separator reads as the decimal one when it stands alone; a text
// with both, or with one of them twice, looks like grouping and is refused.
TEST_P(TypedDecimalTest, EitherSeparatorAloneIsTheDecimalOne) {
    const TypedCase& c = GetParam();
    const char old = numfmt::decimalSeparator();
    numfmt::setDecimalSeparator(c.locale);
    const std::optional<double> read = numfmt::parseFloat(numfmt::withLocaleDecimal(c.typed));
    numfmt::setDecimalSeparator(old);
    EXPECT_EQ(read, c.value) << "typed \"" << c.typed << "\" under '" << c.locale << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Table, TypedDecimalTest,
    ::testing::Values(TypedCase{"1.5", ',', 1.5}, TypedCase{"1,5", ',', 1.5}, TypedCase{"1.5", '.', 1.5},
                      TypedCase{"1,5", '.', 1.5}, TypedCase{" -0,25 ", '.', -0.25},
                      TypedCase{"2.5E-3", ',', 0.0025}, TypedCase{"12", ',', 12.0},
                      TypedCase{"1.000,5", ',', std::nullopt}, TypedCase{"1,000.5", '.', std::nullopt},
                      TypedCase{"1.000.000", ',', std::nullopt}, TypedCase{"1,5,0", '.', std::nullopt},
                      TypedCase{"abc", ',', std::nullopt}, TypedCase{",", ',', std::nullopt}));

TEST(TypedDecimalText, OnlyTheSeparatorChanges) {
    EXPECT_EQ(numfmt::withLocaleDecimal("3.25", ','), "3,25");
    EXPECT_EQ(numfmt::withLocaleDecimal("3,25", '.'), "3.25");
    // Refused texts reach the store as typed, so its message quotes them.
    EXPECT_EQ(numfmt::withLocaleDecimal("1.000,5", ','), "1.000,5");
}

} // namespace
} // namespace kelvora::test
