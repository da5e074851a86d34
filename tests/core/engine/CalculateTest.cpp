// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation as a pure function: a recipe value and the materials'
// lookup in, every figure of the glaze out, no table involved.
#include "engine/Calculate.h"
#include "model/TableLayouts.h"
#include "store/RecordMapper.h"
#include "store/View.h"
#include "support/EngineFixtures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kelvora::test {
namespace {

std::size_t at(const char* stem) {
    return static_cast<std::size_t>(OxideCatalogue::byStem(stem)->position - 1);
}

class CalculateTest : public ::testing::Test {
protected:
    CalculateTest() {
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
            // A second material of the same name, later in name order than the first.
            {{"naam", "Krijt"}, {"molg", "50"}, {"prys", "9"}, {"mgo", "1"}},
        }));
        lookup = MaterialLookup(MaterialMapper::all(view));
    }
    static Recipe molRecipe(double mtm1, double mtm2) {
        Recipe r;
        r.molp = "M";
        r.recipeSlots[0] = {"Kalium veldspaat", kNullNumber, mtm1};
        r.recipeSlots[1] = {"Krijt", kNullNumber, mtm2};
        return r;
    }
    View view{"MatCDS"};
    MaterialLookup lookup;
};

// Potash feldspar and whiting in equal mols: K2O, CaO and Al2O3 0.5, SiO2 3;
// percentages 278.4 : 50.05 brought to 100. Leadless: T = 1180 + 25 + 51 - 3
// - 67.5 = 1185.5, H = 25; rounded 1190 and 20 (a half goes to the even ten).
TEST_F(CalculateTest, MolModeWorkedExample) {
    for (double amount : {0.5, 1.0, 3.0}) {
        SCOPED_TRACE(amount);
        const CalcResult r = calculate(molRecipe(amount, amount), lookup, {});
        EXPECT_FALSE(r.stopped);
        EXPECT_TRUE(r.messages.empty());
        for (const auto& oxide : OxideCatalogue::all()) {
            const std::string stem(oxide.stem);
            const double expected = stem == "k2o" || stem == "cao" || stem == "al2o3" ? 0.5
                                    : stem == "sio2"                                  ? 3.0
                                                                                      : 0.0;
            EXPECT_NEAR(r.oxides[static_cast<std::size_t>(oxide.position - 1)], expected, 1e-12) << stem;
        }
        EXPECT_NEAR(r.mtm[0], 0.5, 1e-12);
        EXPECT_NEAR(r.mtm[1], 0.5, 1e-12);
        EXPECT_NEAR(r.mtp[0], 27840.0 / 328.45, 1e-12);
        EXPECT_NEAR(r.mtp[1], 5005.0 / 328.45, 1e-12);
        for (std::size_t i = 2; i < 12; ++i) {
            EXPECT_EQ(r.mtp[i], 0.0);
            // Blank slots' mol amounts become 0 only when they were scaled.
            EXPECT_EQ(std::isnan(r.mtm[i]), amount == 0.5);
        }
        EXPECT_NEAR(r.prys, (27840.0 / 328.45 * 2 + 5005.0 / 328.45) / 100, 1e-12);
        EXPECT_EQ(r.tmpv, 1170.0);
        EXPECT_EQ(r.tmpt, 1210.0);
    }
}

TEST_F(CalculateTest, FirstOfSeveralMaterialsOfOneNameCounts) {
    const CalcResult r = calculate(molRecipe(0, 1), lookup, {});
    EXPECT_DOUBLE_EQ(r.oxides[at("cao")], 1.0);
    EXPECT_EQ(r.oxides[at("mgo")], 0.0);
    EXPECT_DOUBLE_EQ(r.prys, 1.0);
    EXPECT_EQ(r.lastMaterialRow, 1);
    ASSERT_NE(lookup.find("Krijt"), nullptr);
    EXPECT_EQ(lookup.find("Krijt")->molg, 100.1);
    EXPECT_EQ(lookup.find("krijt"), nullptr);
    EXPECT_EQ(lookup.find("Krijt "), nullptr);
}

TEST_F(CalculateTest, StoppedRunCarriesOnlyItsMessages) {
    Recipe r = molRecipe(1, 1);
    r.recipeSlots[2] = {"Veldspaat", kNullNumber, 1.0};
    r.additions[0] = {"Rutiel", 2.0};
    const CalcResult result = calculate(r, lookup, {});
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.messages, (std::vector<std::string>{"Proc. GetMG: kan materiaal niet vinden: Veldspaat",
                                                         "Proc. GetMG: kan materiaal niet vinden: Rutiel"}));
}

TEST_F(CalculateTest, LookupFollowsTheMaterialsViewOpenedAgain) {
    view.close();
    view.openPacket(materialsPacket({{{"naam", "Krijt"}, {"molg", "50"}, {"prys", "4"}, {"cao", "2"}}}));
    const MaterialLookup again(MaterialMapper::all(view));
    EXPECT_EQ(again.size(), 1);
    EXPECT_EQ(again.find("Kalium veldspaat"), nullptr);
    EXPECT_DOUBLE_EQ(calculate(molRecipe(0, 1), again, {}).prys, 4.0);
}

} // namespace
} // namespace kelvora::test
