// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/MaterialNameMatch.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace kelvora::test {
namespace {

struct NameCase {
    const char* typed;
    std::vector<std::string> names;
    std::optional<std::string> expected;
};

class MaterialNameMatchTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(MaterialNameMatchTest, OneMaterialExceptForCaseAndBlanks) {
    const NameCase& c = GetParam();
    EXPECT_EQ(matchMaterialName(c.typed, c.names), c.expected) << "typed \"" << c.typed << "\"";
}

const std::vector<std::string> kStock{"Kaolien", "Kwarts", "Veldspaat kali", "Wollastoniet"};

INSTANTIATE_TEST_SUITE_P(
    Table, MaterialNameMatchTest,
    ::testing::Values(NameCase{"Kwarts", kStock, "Kwarts"}, NameCase{"  kwarts ", kStock, "Kwarts"},
                      NameCase{"KWARTS", kStock, "Kwarts"},
                      NameCase{"\tveldspaat KALI", kStock, "Veldspaat kali"},
                      // unknown, a mere prefix, inner blanks that differ: left as typed
                      NameCase{"Kwartz", kStock, std::nullopt}, NameCase{"Kwa", kStock, std::nullopt},
                      NameCase{"Veldspaat  kali", kStock, std::nullopt},
                      NameCase{"   ", kStock, std::nullopt}, NameCase{"", kStock, std::nullopt},
                      // two materials that differ only in case: ambiguous unless one is exact
                      NameCase{"talk", {"TALK", "Talk"}, std::nullopt},
                      NameCase{" Talk ", {"TALK", "Talk"}, "Talk"},
                      // the same name on two rows is one name
                      NameCase{"rutiel", {"Rutiel", "Rutiel"}, "Rutiel"}));

} // namespace
} // namespace kelvora::test
