#include "EngineTestBase.h"

#include "model/TableLayouts.h"
#include "store/StoreError.h"

namespace kelvora::test {
namespace {

class AddMaterialTest : public EngineTest {
protected:
    std::vector<std::string> names(int kind) const {
        std::vector<std::string> out;
        for (int n = 1; n <= (kind == 1 ? 12 : 5); ++n)
            out.push_back(
                dm.GlzCDS.asText(kind == 1 ? TableLayouts::matField(n) : TableLayouts::tvsField(n)));
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
    dm.AddMaterialToRecipe(1, "Talk");
    dm.AddMaterialToRecipe(1, "Talk");
    dm.AddMaterialToRecipe(2, "Rutiel");
    EXPECT_EQ(dm.GlzCDS.state(), ViewState::Edit);
    std::vector<std::string> recipe{"Krijt", "Talk", "Kwarts", "Talk", "", "", "", "", "", "", "", ""};
    EXPECT_EQ(names(1), recipe);
    EXPECT_EQ(names(2), (std::vector<std::string>{"Krijt", "Rutiel", "", "", ""}));
    EXPECT_EQ(num("mtp2"), 7.0); // only the name is written
    EXPECT_TRUE(prompter.entries.empty());
}

TEST_F(AddMaterialTest, FullRecipeAndUnknownKindChangeNothing) {
    Values glaze{{"naam", "G"}};
    for (int n = 1; n <= 12; ++n)
        glaze.emplace_back(TableLayouts::matField(n), "M" + std::to_string(n));
    open({glaze});
    const auto before = names(1);
    dm.AddMaterialToRecipe(1, "Talk");
    dm.AddMaterialToRecipe(3, "Talk");
    EXPECT_EQ(names(1), before);
    EXPECT_EQ(names(2), std::vector<std::string>(5));
    EXPECT_EQ(dm.GlzCDS.state(), ViewState::Edit);
    EXPECT_FALSE(dm.GlzCDS.modified());
}

TEST_F(AddMaterialTest, ClosedTableIsAStoreError) {
    EXPECT_THROW(dm.AddMaterialToRecipe(1, "Talk"), StoreError);
}

} // namespace
} // namespace kelvora::test
