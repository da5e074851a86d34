// SPDX-License-Identifier: GPL-3.0-or-later
// The old recipe and formula beside the new ones, as the substitution dialog lists them.
#include "solver/SubstitutionComparison.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

using Line = SubstitutionComparison::RecipeLine;

Glaze feldsparGlaze() {
    Glaze glaze;
    glaze.recipe.molp = "P";
    glaze.recipe.recipeSlots[0] = {"Kaliveldspaat", 40, kNullNumber};
    glaze.recipe.recipeSlots[1] = {"  ", 5, kNullNumber}; // a blank place takes no line
    glaze.recipe.recipeSlots[2] = {"Krijt", 20, kNullNumber};
    glaze.recipe.recipeSlots[3] = {"Kwarts", 30, kNullNumber};
    glaze.recipe.recipeSlots[4] = {"Krijt", 10, kNullNumber}; // named twice: the two add up
    return glaze;
}

bool sameLines(const std::vector<Line>& got, const std::vector<Line>& expected) {
    if (got.size() != expected.size()) return false;
    for (std::size_t i = 0; i < got.size(); ++i)
        if (got[i].name != expected[i].name || got[i].before != expected[i].before ||
            got[i].after != expected[i].after)
            return false;
    return true;
}

TEST(SubstitutionComparisonTest, OldMaterialsFirstThenTheNewOnesAndWhatWasLeftOut) {
    RecipeResult solved;
    solved.solved = true;
    solved.names = {"Krijt", "Kwarts", "Kaliumcarbonaat", "Kaolien"};
    solved.percentages = {21.8, 41.2, 12.9, 24.1};
    const std::vector<Line> expected{
        {"Kaliveldspaat", 40.0, 0.0}, // replaced: old share, none in the new recipe
        {"Krijt", 30.0, 21.8},
        {"Kwarts", 30.0, 41.2},
        {"Kaliumcarbonaat", std::nullopt, 12.9}, // new: no old share
        {"Kaolien", std::nullopt, 24.1},
    };
    EXPECT_TRUE(sameLines(SubstitutionComparison::recipe(feldsparGlaze(), &solved), expected));
}

TEST(SubstitutionComparisonTest, UnsolvedShowsOnlyTheOldColumn) {
    const std::vector<Line> expected{
        {"Kaliveldspaat", 40.0, std::nullopt}, {"Krijt", 30.0, std::nullopt}, {"Kwarts", 30.0, std::nullopt}};
    EXPECT_TRUE(sameLines(SubstitutionComparison::recipe(feldsparGlaze(), nullptr), expected));
}

TEST(SubstitutionComparisonTest, FormulaListsEveryOxideEitherSideHolds) {
    OxideValues before{}, after{};
    auto at = [](const char* stem) {
        return static_cast<std::size_t>(OxideCatalogue::byStem(stem)->position - 1);
    };
    before[at("k2o")] = 0.3;
    before[at("sio2")] = 2.8;
    after[at("sio2")] = 2.75;
    after[at("na2o")] = 0.3;
    const auto lines = SubstitutionComparison::formula(before, after);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].oxide->stem, "na2o"); // catalogue order
    EXPECT_EQ(lines[0].before, 0.0);
    EXPECT_EQ(lines[1].oxide->stem, "k2o");
    EXPECT_EQ(lines[1].after, 0.0);
    EXPECT_EQ(lines[2].oxide->stem, "sio2");
    EXPECT_EQ(lines[2].before, 2.8);
    EXPECT_EQ(lines[2].after, 2.75);
}

} // namespace
} // namespace kelvora::test
