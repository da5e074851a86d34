// SPDX-License-Identifier: GPL-3.0-or-later
// The recipe on screen calculated afresh, and whether the stored results
// still belong to it.
#include "glaze/GlazePreview.h"
#include "model/TableLayouts.h"
#include "store/RecordMapper.h"
#include "store/View.h"
#include "support/EngineFixtures.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

class GlazePreviewTest : public ::testing::Test {
protected:
    GlazePreviewTest() {
        view.declareFields(TableLayouts::materials());
        view.setIndexFieldNames("naam");
        view.openPacket(materialsPacket({
            {{"naam", "Kalium veldspaat"},
             {"molg", "556.8"},
             {"prys", "2"},
             {"k2o", "1"},
             {"al2o3", "1"},
             {"sio2", "6"}},
            {{"naam", "Krijt"}, {"molg", "100.1"}, {"prys", "1"}, {"cao", "1"}},
        }));
        lookup = MaterialLookup(MaterialMapper::all(view));
    }
    // 70 parts feldspar and 40 whiting, as typed: 110 % in all.
    static Glaze typed() {
        Glaze g;
        g.naam = "Proef";
        g.recipe.molp = "P";
        g.recipe.recipeSlots[0] = {"Kalium veldspaat", 70, kNullNumber};
        g.recipe.recipeSlots[1] = {"Krijt", 40, kNullNumber};
        return g;
    }
    static std::size_t at(const char* stem) {
        return static_cast<std::size_t>(OxideCatalogue::byStem(stem)->position - 1);
    }
    View view{"MatCDS"};
    MaterialLookup lookup;
};

TEST_F(GlazePreviewTest, CalculatesTheRecipeAsShownBroughtToHundred) {
    const Glaze shown = typed();
    const GlazePreview preview = GlazePreview::of(shown, lookup);
    ASSERT_TRUE(preview.calculated);
    EXPECT_FALSE(preview.storedCurrent); // nothing was ever calculated
    // 70 : 40 of 110, as percentages of 100.
    EXPECT_NEAR(preview.glaze.recipe.recipeSlots[0].mtp, 7000.0 / 110.0, 1e-9);
    EXPECT_NEAR(preview.glaze.recipe.recipeSlots[1].mtp, 4000.0 / 110.0, 1e-9);
    // One mol of basic oxides, K2O : CaO as the mols of feldspar and whiting.
    const double k2o = 70 / 556.8, cao = 40 / 100.1;
    EXPECT_NEAR(preview.glaze.oxides[at("k2o")], k2o / (k2o + cao), 1e-9);
    EXPECT_NEAR(preview.glaze.oxides[at("cao")], cao / (k2o + cao), 1e-9);
    EXPECT_NEAR(preview.glaze.oxides[at("sio2")], 6 * k2o / (k2o + cao), 1e-9);
    // (70 x 2 + 40 x 1) / 110 per kilogram.
    EXPECT_NEAR(preview.glaze.prys, 180.0 / 110.0, 1e-9);
    // The value shown is left alone.
    EXPECT_EQ(shown, typed());
    EXPECT_EQ(preview.glaze.naam, "Proef");
}

TEST_F(GlazePreviewTest, StoredResultsBelongToTheRecipeUntilItChanges) {
    // What Bereken stores: the preview's glaze.
    const Glaze stored = GlazePreview::of(typed(), lookup).glaze;
    EXPECT_TRUE(GlazePreview::of(stored, lookup).storedCurrent);

    struct Edit {
        const char* what;
        void (*apply)(Glaze&);
    };
    const Edit edits[] = {
        {"a percentage", [](Glaze& g) { g.recipe.recipeSlots[1].mtp = 30; }},
        {"a material", [](Glaze& g) { g.recipe.recipeSlots[1].name = "Kalium veldspaat"; }},
        {"a new line",
         [](Glaze& g) {
             g.recipe.recipeSlots[2] = {"Krijt", 5, kNullNumber};
         }},
        {"an addition",
         [](Glaze& g) {
             g.recipe.additions[0] = {"Krijt", 10};
         }},
        {"a stored oxide", [](Glaze& g) { g.oxides[at("cao")] += 0.01; }},
        {"the stored price", [](Glaze& g) { g.prys += 0.01; }},
    };
    for (const Edit& e : edits) {
        SCOPED_TRACE(e.what);
        Glaze edited = stored;
        e.apply(edited);
        EXPECT_FALSE(GlazePreview::of(edited, lookup).storedCurrent);
    }
    // Texts are no results: a new name or description leaves them current.
    Glaze renamed = stored;
    renamed.naam = "Anders";
    renamed.omsc = "Mat wit";
    EXPECT_TRUE(GlazePreview::of(renamed, lookup).storedCurrent);
    // Calculated without scaling the basic oxides to one, the stored formula differs.
    EXPECT_FALSE(GlazePreview::of(stored, lookup, {true, false}).storedCurrent);
}

TEST_F(GlazePreviewTest, ARecipeThatCannotBeCalculatedSaysWhyAndIsNotCurrent) {
    Glaze shown = GlazePreview::of(typed(), lookup).glaze;
    shown.recipe.recipeSlots[1].name = "Kriet";
    const GlazePreview preview = GlazePreview::of(shown, lookup);
    EXPECT_FALSE(preview.calculated);
    EXPECT_NE(preview.fault.find("Kriet"), std::string::npos) << preview.fault;
    EXPECT_FALSE(preview.storedCurrent);
    EXPECT_EQ(preview.glaze, shown);

    // A new, empty glaze has nothing to calculate and nothing out of date.
    Glaze empty;
    empty.recipe.molp = "P";
    const GlazePreview none = GlazePreview::of(empty, lookup);
    EXPECT_FALSE(none.calculated);
    EXPECT_TRUE(none.storedCurrent);
}

} // namespace
} // namespace kelvora::test
