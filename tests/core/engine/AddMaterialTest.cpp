// SPDX-License-Identifier: GPL-3.0-or-later
#include "EngineTestBase.h"

#include "model/TableLayouts.h"
#include "store/RecordMapper.h"
#include "store/StoreError.h"

namespace kelvora::test {
namespace {

class AddMaterialTest : public EngineTest {
protected:
    std::vector<std::string> names(SlotKind kind) const {
        const bool recipe = kind == SlotKind::Recipe;
        std::vector<std::string> out;
        for (int n = 1; n <= (recipe ? 12 : 5); ++n)
            out.push_back(dm.GlzCDS.asText(recipe ? SlotFields::name(SlotKind::Recipe, n)
                                                  : SlotFields::name(SlotKind::Addition, n)));
        return out;
    }
};

TEST_F(AddMaterialTest, FillsFirstBlankSlotAndLeavesRecordInEdit) {
    open({{{"naam", "G"},
           {"mat1", "Krijt"},
           {"mat2", "  "},
           {"mtp2", "7"},
           {"mat3", "Kwarts"},
           {"tvs1", "Krijt"}}});
    dm.AddMaterialToRecipe(SlotKind::Recipe, "Talk");
    dm.AddMaterialToRecipe(SlotKind::Recipe, "Talk");
    dm.AddMaterialToRecipe(SlotKind::Addition, "Rutiel");
    EXPECT_EQ(dm.GlzCDS.state(), ViewState::Edit);
    std::vector<std::string> recipe{"Krijt", "Talk", "Kwarts", "Talk", "", "", "", "", "", "", "", ""};
    EXPECT_EQ(names(SlotKind::Recipe), recipe);
    EXPECT_EQ(names(SlotKind::Addition), (std::vector<std::string>{"Krijt", "Rutiel", "", "", ""}));
    EXPECT_EQ(num("mtp2"), 7.0); // only the name is written
    EXPECT_TRUE(prompter.entries.empty());
}

TEST_F(AddMaterialTest, FullRecipeAndUnknownKindChangeNothing) {
    Values glaze{{"naam", "G"}};
    for (int n = 1; n <= 12; ++n)
        glaze.emplace_back(SlotFields::name(SlotKind::Recipe, n), "M" + std::to_string(n));
    open({glaze});
    const auto before = names(SlotKind::Recipe);
    dm.AddMaterialToRecipe(SlotKind::Recipe, "Talk");
    dm.AddMaterialToRecipe(std::nullopt, "Talk");
    EXPECT_EQ(names(SlotKind::Recipe), before);
    EXPECT_EQ(names(SlotKind::Addition), std::vector<std::string>(5));
    EXPECT_EQ(dm.GlzCDS.state(), ViewState::Edit);
    EXPECT_FALSE(dm.GlzCDS.modified());
}

TEST(SlotKind, TheNumbersOneAndTwoNameTheKinds) {
    EXPECT_EQ(slotKindFromNumber(1), SlotKind::Recipe);
    EXPECT_EQ(slotKindFromNumber(2), SlotKind::Addition);
    for (int other : {0, 3, -1})
        EXPECT_EQ(slotKindFromNumber(other), std::nullopt) << other;
}

TEST_F(AddMaterialTest, ClosedTableIsAStoreError) {
    EXPECT_THROW(dm.AddMaterialToRecipe(SlotKind::Recipe, "Talk"), StoreError);
}

} // namespace
} // namespace kelvora::test
