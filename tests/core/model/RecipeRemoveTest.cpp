// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/TableLayouts.h"
#include "store/RecordMapper.h"
#include "support/EngineFixtures.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

struct Slot {
    std::string name;
    double percent;
    double mols;
    bool operator==(const Slot&) const = default;
};

class RecipeRemoveTest : public ::testing::Test {
protected:
    View glazes{"GlzCDS"};

    void open(const Values& record) {
        glazes.declareFields(TableLayouts::glazes());
        glazes.openPacket(glazesPacket({record}));
    }
    std::vector<Slot> recipe() const {
        std::vector<Slot> out;
        for (int n = 1; n <= 12; ++n)
            out.push_back({glazes.asText(SlotFields::name(SlotKind::Recipe, n)),
                           glazes.asNumber(SlotFields::amount(SlotKind::Recipe, n)),
                           glazes.asNumber(SlotFields::mols(n))});
        return out;
    }
    std::vector<Slot> additions() const {
        std::vector<Slot> out;
        for (int n = 1; n <= 5; ++n)
            out.push_back({glazes.asText(SlotFields::name(SlotKind::Addition, n)),
                           glazes.asNumber(SlotFields::amount(SlotKind::Addition, n)), 0});
        return out;
    }
    // As the editor removes: the record in edit, the value changed, the
    // fields that differ written back.
    bool remove(SlotKind kind, const std::string& name) {
        if (glazes.state() == ViewState::Browse) glazes.edit();
        Glaze glaze = GlazeMapper::current(glazes);
        const bool removed = glaze.recipe.removeName(kind, name);
        GlazeMapper::apply(glazes, glaze);
        return removed;
    }
    static std::vector<Slot> padded(std::vector<Slot> slots, std::size_t count) {
        slots.resize(count, Slot{"", 0, 0});
        return slots;
    }
};

TEST_F(RecipeRemoveTest, RemovesFirstMatchAndMovesLaterSlotsUp) {
    // A gap in slot 2, "Krijt" twice, an empty amount in slot 4 and a full last slot.
    open({{"mat1", "Krijt"},
          {"mtp1", "10"},
          {"mtm1", "0.1"},
          {"mat3", "Kwarts"},
          {"mtp3", "30"},
          {"mtm3", "0.3"},
          {"mat4", "Krijt"},
          {"mtm4", "0.4"},
          {"mat12", "Talk"},
          {"mtp12", "12"},
          {"mtm12", "1.2"}});
    EXPECT_TRUE(remove(SlotKind::Recipe, "Krijt"));
    EXPECT_EQ(glazes.state(), ViewState::Edit);
    std::vector<Slot> expected = padded({{"", 0, 0}, {"Kwarts", 30, 0.3}, {"Krijt", 0, 0.4}}, 12);
    expected[10] = {"Talk", 12, 1.2};
    EXPECT_EQ(recipe(), expected);
    EXPECT_FALSE(glazes.isNull("mtp12"));
    EXPECT_FALSE(glazes.isNull("mtp3")); // an empty amount arrives as 0
}

TEST_F(RecipeRemoveTest, NameMustMatchExactly) {
    open({{"mat1", "Krijt "}, {"mtp1", "10"}, {"mat2", "krijt"}, {"mtp2", "20"}});
    const auto before = recipe();
    EXPECT_FALSE(remove(SlotKind::Recipe, "Krijt"));
    EXPECT_EQ(recipe(), before);
    EXPECT_EQ(glazes.state(), ViewState::Edit);
}

TEST_F(RecipeRemoveTest, EmptyNameRemovesFirstEmptySlot) {
    open({{"mat1", "Krijt"}, {"mtp1", "10"}, {"mtp2", "5"}, {"mat3", "Kwarts"}, {"mtp3", "30"}});
    EXPECT_TRUE(remove(SlotKind::Recipe, ""));
    EXPECT_EQ(recipe(), padded({{"Krijt", 10, 0}, {"Kwarts", 30, 0}}, 12));
}

TEST_F(RecipeRemoveTest, AdditionsMoveUpTheSameWay) {
    open({{"tvs1", "Rutiel"},
          {"tvp1", "4"},
          {"tvs2", "Kobalt"},
          {"tvp2", "1"},
          {"tvs3", "Rutiel"},
          {"tvs5", "Tin"},
          {"tvp5", "5"}});
    EXPECT_TRUE(remove(SlotKind::Addition, "Rutiel"));
    EXPECT_EQ(additions(),
              (std::vector<Slot>{{"Kobalt", 1, 0}, {"Rutiel", 0, 0}, {"", 0, 0}, {"Tin", 5, 0}, {"", 0, 0}}));
    EXPECT_FALSE(glazes.isNull("tvp5"));
}

} // namespace
} // namespace kelvora::test
