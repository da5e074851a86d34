// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/GlazeSubstitution.h"
#include "core/solver/SolverTestMaterials.h"
#include "engine/GlzDMUnit.h"
#include "solver/NewGlazeWriter.h"
#include "solver/SolverError.h"
#include "support/EngineFixtures.h"
#include "support/RecordingPrompter.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

// Materials with round molecular weights so the expected recipes can be
// worked out by hand.
std::vector<Values> materials() {
    return {
        {{"naam", "Kaliveldspaat"},
         {"molg", "556.8"},
         {"prys", "1.2"},
         {"k2o", "1"},
         {"al2o3", "1"},
         {"sio2", "6"}},
        {{"naam", "Krijt"}, {"molg", "100.1"}, {"prys", "0.6"}, {"cao", "1"}},
        {{"naam", "Kwarts"}, {"molg", "60.1"}, {"prys", "0.5"}, {"sio2", "1"}},
        {{"naam", "Kaolien"}, {"molg", "258.2"}, {"prys", "0.9"}, {"al2o3", "1"}, {"sio2", "2"}},
        {{"naam", "Kaliumcarbonaat"}, {"molg", "138.2"}, {"prys", "3"}, {"k2o", "1"}},
        {{"naam", "Natronveldspaat"},
         {"molg", "524.5"},
         {"prys", "1.1"},
         {"na2o", "1"},
         {"al2o3", "1"},
         {"sio2", "6"}},
        {{"naam", "IJzeroxide"}, {"molg", "159.7"}, {"prys", "4"}, {"fe2o3", "1"}},
    };
}

// Feldspar 0.3, whiting 0.7, quartz 1.0 mol: K2O 0.3, CaO 0.7, Al2O3 0.3,
// SiO2 2.8, plus 1.5 parts iron oxide. The same glaze in mode "P" has the
// weights 0.3 x 556.8 = 167.04, 0.7 x 100.1 = 70.07 and 1.0 x 60.1 = 60.1.
Values glaze(const char* mode) {
    Values v{{"naam", "Mat wit"}, {"molp", mode},         {"mat1", "Kaliveldspaat"}, {"mat2", "Krijt"},
             {"mat3", "Kwarts"},  {"tvs1", "IJzeroxide"}, {"tvp1", "1.5"},           {"catg", "Mat"}};
    if (std::string(mode) == "M") {
        v.insert(v.end(), {{"mtm1", "0.3"}, {"mtm2", "0.7"}, {"mtm3", "1.0"}});
    } else {
        v.insert(v.end(), {{"mtp1", "167.04"}, {"mtp2", "70.07"}, {"mtp3", "60.1"}});
    }
    return v;
}

class GlazeSubstitutionTest : public ::testing::TestWithParam<const char*> {
protected:
    RecordingPrompter prompter;
    TGlzDM dm{prompter, "no-such-folder"};
    void SetUp() override {
        dm.MatCDS.openPacket(materialsPacket(materials()));
        dm.GlzCDS.openPacket(glazesPacket({glaze(GetParam())}));
        dm.GlzCDS.first();
    }
};

// Potassium carbonate and kaolin replace the feldspar exactly: K2CO3 0.3
// and kaolin 0.3 give K2O 0.3, Al2O3 0.3 and SiO2 0.6, so quartz drops to
// 2.2 mol. Weights: whiting 70.07, quartz 2.2 x 60.1 = 132.22, kaolin
// 0.3 x 258.2 = 77.46, carbonate 0.3 x 138.2 = 41.46; 321.21 in all.
TEST_P(GlazeSubstitutionTest, FeldsparReplacedByTwoOthers) {
    const auto found = GlazeSubstitution::solve(dm.materialLookup(), dm.currentGlaze(), "Kaliveldspaat",
                                                {"Kaliumcarbonaat", "Kaolien"});
    const auto& r = found.recipe;
    ASSERT_TRUE(r.solved) << r.message;
    EXPECT_EQ(r.names, (std::vector<std::string>{"Krijt", "Kwarts", "Kaliumcarbonaat", "Kaolien"}));
    EXPECT_NEAR(oxide(found.before, "k2o"), 0.3, 1e-12);
    EXPECT_NEAR(oxide(found.before, "sio2"), 2.8, 1e-12);
    EXPECT_LE(r.deviation, 1e-9);
    const std::vector<double> grams{70.07, 132.22, 41.46, 77.46};
    double cost = 0.0;
    const std::vector<double> prices{0.6, 0.5, 3, 0.9};
    for (std::size_t i = 0; i < grams.size(); ++i) {
        EXPECT_NEAR(r.percentages[i], grams[i] * 100.0 / 321.21, 1e-9) << r.names[i];
        cost += grams[i] * 100.0 / 321.21 * prices[i];
    }
    // The iron oxide goes along: 1.5 parts at 4.00 on a batch of 101.5.
    EXPECT_NEAR(r.price, (cost + 1.5 * 4) / 101.5, 1e-12);
    ASSERT_EQ(found.additions.size(), 1u);
    EXPECT_EQ(found.additions[0].first, "IJzeroxide");
    // The glaze itself is left as it was.
    EXPECT_EQ(dm.GlzCDS.asText("mat1"), "Kaliveldspaat");
    EXPECT_EQ(dm.GlzCDS.state(), ViewState::Browse);
}

TEST_P(GlazeSubstitutionTest, FeldsparThatCannotBeMatchedGivesTheClosest) {
    // Soda feldspar brings no K2O: all 0.3 of it is missed and the same amount
    // of Na2O comes in, so the deviation is at least 0.6.
    const auto found = GlazeSubstitution::solve(dm.materialLookup(), dm.currentGlaze(), "Kaliveldspaat",
                                                {"Natronveldspaat"});
    ASSERT_TRUE(found.recipe.solved);
    EXPECT_GE(found.recipe.deviation, 0.6 - 1e-9);
    for (const auto& name : found.recipe.names)
        EXPECT_NE(name, "Kaliveldspaat");
}

TEST_P(GlazeSubstitutionTest, UnknownOrAbsentNamesAreRefused) {
    EXPECT_THROW(GlazeSubstitution::solve(dm.materialLookup(), dm.currentGlaze(), "Kaolien", {"Kwarts"}),
                 SolverError);
    EXPECT_THROW(
        GlazeSubstitution::solve(dm.materialLookup(), dm.currentGlaze(), "Kaliveldspaat", {"Onbekend"}),
        SolverError);
    EXPECT_THROW(GlazeSubstitution::solve(dm.materialLookup(), dm.currentGlaze(), "Kaliveldspaat", {}),
                 SolverError);
}

// The new glaze, calculated by the glaze calculation, has the formula the
// solver promised; the original is untouched.
TEST_P(GlazeSubstitutionTest, StoredResultCalculatesToTheAchievedFormula) {
    const auto found = GlazeSubstitution::solve(dm.materialLookup(), dm.currentGlaze(), "Kaliveldspaat",
                                                {"Kaliumcarbonaat", "Kaolien"});
    NewGlaze glaze = NewGlaze::fromResult("Mat wit zonder veldspaat", found.recipe);
    glaze.additions = found.additions;
    NewGlazeWriter::store(dm, glaze);
    ASSERT_EQ(dm.GlzCDS.asText("naam"), "Mat wit zonder veldspaat");
    EXPECT_EQ(dm.GlzCDS.asText("molp"), "P");
    EXPECT_EQ(dm.GlzCDS.asText("tvs1"), "IJzeroxide");
    for (const auto& o : OxideCatalogue::all())
        EXPECT_NEAR(dm.GlzCDS.asNumber(o.stem),
                    found.recipe.formula[static_cast<std::size_t>(o.position - 1)], 1e-12)
            << o.stem;
    EXPECT_NEAR(dm.GlzCDS.asNumber("prys"), found.recipe.price, 1e-12);
    ASSERT_TRUE(dm.GlzCDS.findKey("Mat wit"));
    EXPECT_EQ(dm.GlzCDS.asText("mat1"), "Kaliveldspaat");
    EXPECT_THROW(NewGlazeWriter::store(dm, glaze), SolverError); // the name is taken now
}

INSTANTIATE_TEST_SUITE_P(Modes, GlazeSubstitutionTest, ::testing::Values("M", "P"));

} // namespace
} // namespace kelvora::test
