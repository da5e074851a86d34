// SPDX-License-Identifier: GPL-3.0-or-later
// The names offered beside a material name that matches no material.
#include "glaze/NameSuggestions.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

const std::vector<std::string> kNames{"Kaliveldspaat", "Kaolien", "Kaolien zonder flux",   "Krijt",
                                      "Kryoliet",      "Kwarts",  "Custer-type veldspaat", "Zinkoxide",
                                      "Talk"};

TEST(NameSuggestionsTest, OffersTheNamesATypoMostLikelyMeant) {
    struct Case {
        const char* typed;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases{
        {"Kriet", {"Krijt"}},                           // one letter changed
        {"kwrats", {"Kwarts"}},                         // two letters swapped, lower case
        {"  KRIJT ", {"Krijt"}},                        // case and blanks
        {"custr", {"Custer-type veldspaat"}},           // a beginning with a letter left out
        {"kalivel", {"Kaliveldspaat"}},                 // a beginning
        {"Kaolin", {"Kaolien", "Kaolien zonder flux"}}, // the shorter of two as close
        {"Talc", {"Talk"}},
        {"Bariumcarbonaat", {}}, // nothing near
        {"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(closestNames(c.typed, kNames), c.expected);
    }
}

TEST(NameSuggestionsTest, OffersAtMostTheNumberAskedForEachOnce) {
    const std::vector<std::string> names{"Krijt", "Krijt", "Kriet", "Krijt2", "Kreit"};
    const auto two = closestNames("Krijt", names, 2);
    EXPECT_EQ(two, (std::vector<std::string>{"Krijt", "Kriet"}));
    EXPECT_TRUE(closestNames("Krijt", names, 0).empty());
}

} // namespace
} // namespace kelvora::test
