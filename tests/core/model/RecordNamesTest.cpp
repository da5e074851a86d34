// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/RecordNames.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

TEST(RecordNamesTest, CaseAndSurroundingBlanksDoNotMakeANewName) {
    const struct {
        const char* a;
        const char* b;
        bool same;
    } cases[] = {
        {"Seladon", "Seladon", true},    {"Seladon", "seladon", true},   {" Seladon ", "SELADON", true},
        {"Seladon", "Seladon 2", false}, {"Sela don", "Seladon", false}, {"", "  ", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RecordNames::same(c.a, c.b), c.same) << c.a << " / " << c.b;
}

TEST(RecordNamesTest, UniqueNamesFitTheFieldAndAreNumberedWhenTaken) {
    const std::vector<std::string> names{"Seladon", "seladon (2)", "Tenmoku"};
    EXPECT_EQ(RecordNames::unique("Celadon", names), "Celadon");
    EXPECT_EQ(RecordNames::unique(" Seladon ", names), "Seladon (3)");
    const std::string longName = "Kegel 6 glans basis zonder Nefelien syeniet en met wollastoniet";
    const std::string cut = RecordNames::unique(longName, names);
    EXPECT_EQ(cut, longName.substr(0, 40));
    const std::string numbered = RecordNames::unique(longName, {cut});
    EXPECT_LE(numbered.size(), 40u);
    EXPECT_EQ(numbered.substr(numbered.size() - 4), " (2)");
    EXPECT_EQ(numbered.substr(0, 30), longName.substr(0, 30));
}

} // namespace
} // namespace kelvora::test
