// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/GlazeCategories.h"
#include "model/TableLayouts.h"
#include "store/RecordMapper.h"
#include "support/EngineFixtures.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

using Names = std::vector<std::string>;

class RecipeChoiceTest : public ::testing::Test {
protected:
    Recipe recipe;
    void open(const Values& record) {
        View glazes{"GlzCDS"};
        glazes.declareFields(TableLayouts::glazes());
        glazes.openPacket(glazesPacket({record}));
        recipe = GlazeMapper::current(glazes).recipe;
    }
    Names offered(int kind) const {
        const auto slotKind = slotKindFromNumber(kind);
        return slotKind ? recipe.trimmedNames(*slotKind) : Names{};
    }
};

TEST_F(RecipeChoiceTest, RecipeNamesAreTrimmedKeptInSlotOrderAndRepeated) {
    open({{"mat1", "Kaolien"},
          {"mat2", "   "},
          {"mat3", " Kwarts "},
          {"mat4", "Kaolien"},
          {"mat12", "Talk"},
          {"tvs1", "Rutiel"}});
    EXPECT_EQ(offered(1), (Names{"Kaolien", "Kwarts", "Kaolien", "Talk"}));
    EXPECT_EQ(offered(2), (Names{"Rutiel"}));
    EXPECT_TRUE(offered(0).empty());
    EXPECT_TRUE(offered(3).empty());
}

TEST_F(RecipeChoiceTest, BlankAdditionsOfferNothing) {
    open({{"mat1", "Kaolien"}});
    EXPECT_TRUE(offered(2).empty());
}

TEST_F(RecipeChoiceTest, ChoiceMapsToTheStoredNameOfItsSlot) {
    open({{"mat1", "Kaolien"},
          {"mat2", " Kwarts "},
          {"mat3", "Kwarts"},
          {"mat5", "  Talk"},
          {"tvs2", "Rutiel "}});
    struct Case {
        int kind;
        std::string choice;
        std::string stored;
    };
    const Case cases[] = {
        {1, "Kaolien", "Kaolien"}, // exact
        {1, "Kwarts", "Kwarts"},   // an exact match later on wins over a padded one earlier
        {1, "Talk", "  Talk"},     // only stored with blanks
        {2, "Rutiel", "Rutiel "},  // additions alike
        {1, "Rutiel", "Rutiel"},   // not in the recipe: the choice itself
        {1, "", ""},               // no choice
    };
    for (const auto& c : cases)
        EXPECT_EQ(recipe.storedName(*slotKindFromNumber(c.kind), c.choice), c.stored) << c.choice;
}

TEST(GlazeCategoriesTest, ThirtyThreeCategoriesThatFitTheField) {
    const auto& all = GlazeCategories::all();
    ASSERT_EQ(all.size(), 33u);
    EXPECT_EQ(all.front(), "1.1 Loodglazuren SK 012a-08a");
    EXPECT_EQ(all[9], "4.0 Opaak witte glazuren zonder SnO2 (ZnO-B2O3 rijk) SK 05a-9");
    EXPECT_EQ(all.back(), "17.0 Transparante porseleinglazuren SK 8-16");
    int catgWidth = 0;
    for (const auto& f : TableLayouts::glazes())
        if (f.name == "catg") catgWidth = f.width;
    for (const auto& c : all)
        EXPECT_LE(static_cast<int>(c.size()), catgWidth) << c;
}

} // namespace
} // namespace kelvora::test
