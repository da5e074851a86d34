// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/FiringFit.h"
#include "glaze/ChemistryDataFiles.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

const LimitSets& dataSets() {
    static const LimitSets sets =
        LimitSets::loadFolder(ChemistryDataFiles::limitsFolder(KELVORA_DATA_SOURCE));
    return sets;
}

// The cone table gives SK 4a 1160 °C, 5a 1180, 6a 1200, 7 1230: an estimate
// counts as far off only past the cone next to the entered range.
TEST(FiringFitTest, NotesOnlyAnEstimateMoreThanOneConeAway) {
    const struct {
        double low, high;
        const char* from;
        const char* to;
        const char* note; // the start of the note; "" for none
    } cases[] = {
        {1050, 1110, "5a", "6a",
         "De schatting (1050\u20131110 \u00b0C) ligt ver onder de ingevoerde kegels SK 5a\u20136a"},
        {1150, 1170, "5a", "6a", ""}, // reaches SK 4a: one cone off
        {1180, 1200, "5a - 1180", "6a - 1200", ""},
        {1210, 1230, "5a", "6a", ""}, // up to SK 7, next to 6a
        {1260, 1300, "5a", "6a",
         "De schatting (1260\u20131300 \u00b0C) ligt ver boven de ingevoerde kegels SK 5a\u20136a"},
        {1050, 1110, "", "6a",
         "De schatting (1050\u20131110 \u00b0C) ligt ver onder de ingevoerde kegels SK 6a"},
        {1050, 1110, "", "", ""}, // no cones entered
        {0, 0, "5a", "6a", ""},   // never calculated
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.low << "-" << c.high << " " << c.from << ".." << c.to);
        const FiringFit fit = FiringFit::assess(dataSets(), ChemistryFigures{}, c.low, c.high, c.from, c.to);
        if (std::string(c.note).empty()) {
            EXPECT_TRUE(fit.note.empty()) << fit.note;
        } else {
            EXPECT_EQ(fit.note.rfind(c.note, 0), 0U) << fit.note;
        }
    }
}

TEST(FiringFitTest, NamesTheConeRangesOfTheBestFittingTables) {
    const FiringFit fit = FiringFit::assess(dataSets(), ChemistryFigures{}, 0, 0, "5a", "6a");
    ASSERT_FALSE(fit.sets.empty());
    for (const auto* set : fit.sets)
        EXPECT_EQ(LimitSets::check(*set, ChemistryFigures{}).size(), fit.outside);
    for (const auto& set : dataSets().sets())
        EXPECT_GE(LimitSets::check(set, ChemistryFigures{}).size(), fit.outside);
    EXPECT_EQ(FiringFit::coneRange(27, 29), "SK 5a\u20137");
    EXPECT_EQ(FiringFit::coneRange(28, 28), "SK 6a");
}

} // namespace
} // namespace kelvora::test
