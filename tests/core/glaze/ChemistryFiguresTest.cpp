// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/ChemistryFigures.h"
#include "engine/OxideMolarMass.h"
#include "glaze/ChemistryDataFiles.h"
#include "model/TableLayouts.h"
#include "store/RecordMapper.h"
#include "support/EngineFixtures.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

std::string dataFolder() {
    return KELVORA_DATA_SOURCE;
}

const ExpansionFactorSet& factorSet(const std::string& name) {
    static const auto sets =
        ExpansionFactorSet::loadFolder(ChemistryDataFiles::expansionFolder(dataFolder()));
    for (const auto& set : sets)
        if (set.name() == name) return set;
    throw std::runtime_error("no factor set " + name);
}

double at(const ChemistryFigures::Oxides& values, const char* stem) {
    return values[static_cast<std::size_t>(OxideCatalogue::byStem(stem)->position - 1)];
}

class ChemistryFiguresTest : public ::testing::Test {
protected:
    View glazes{"GlzCDS"};
    View materials{"MatCDS"};
    const MolarMassTable masses = MolarMassTable::load(ChemistryDataFiles::molarMasses(dataFolder()));

    void SetUp() override {
        glazes.declareFields(TableLayouts::glazes());
        materials.declareFields(TableLayouts::materials());
        materials.setIndexFieldNames("naam");
        // Theoretical formulas with molecular weights from the IUPAC atomic
        // weights, as the starter materials carry them.
        materials.openPacket(materialsPacket({
            {{"naam", "Krijt"}, {"molg", "100.09"}, {"cao", "1"}},
            {{"naam", "Kwarts"}, {"molg", "60.08"}, {"sio2", "1"}},
            {{"naam", "Kaolien"}, {"molg", "258.16"}, {"al2o3", "1"}, {"sio2", "2"}},
            {{"naam", "Kaliveldspaat"}, {"molg", "556.65"}, {"k2o", "1"}, {"al2o3", "1"}, {"sio2", "6"}},
        }));
    }
    ChemistryFigures figures(const Values& glaze, const char* set = "appen") {
        if (glazes.active()) glazes.close();
        glazes.openPacket(glazesPacket({glaze}));
        glazes.first();
        return ChemistryFigures::compute(GlazeMapper::current(glazes),
                                         MaterialLookup(MaterialMapper::all(materials)), masses,
                                         set ? &factorSet(set) : nullptr);
    }
};

TEST_F(ChemistryFiguresTest, CarbonateGlazeWhitingAndQuartz) {
    // 1 mol whiting (CaCO3) and 2 mol quartz give CaO 1, SiO2 2.
    const auto f = figures(
        {{"mat1", "Krijt"}, {"mtm1", "1"}, {"mat2", "Kwarts"}, {"mtm2", "2"}, {"cao", "1"}, {"sio2", "2"}});
    // Fired: 56.1 g CaO + 2 x 60.1 g SiO2 = 176.3 g.
    EXPECT_NEAR(at(f.weightPercent, "cao"), 100 * 56.1 / 176.3, 1e-9);
    EXPECT_NEAR(at(f.weightPercent, "sio2"), 100 * 120.2 / 176.3, 1e-9);
    EXPECT_NEAR(at(f.molPercent, "cao"), 100.0 / 3, 1e-9);
    EXPECT_NEAR(at(f.molPercent, "sio2"), 200.0 / 3, 1e-9);
    EXPECT_FALSE(f.sio2Al2o3); // no alumina
    ASSERT_TRUE(f.r2oRo);
    EXPECT_EQ(*f.r2oRo, 0);
    // Raw: 100.09 + 2 x 60.08 = 220.25 g; the carbonate's CO2 burns off.
    ASSERT_TRUE(f.loi);
    EXPECT_NEAR(*f.loi, 100 * (1 - 176.3 / 220.25), 1e-9);
    EXPECT_NEAR(*f.loi, 19.9546, 1e-4);
    // Appen, mol %: 33.3 x 130 + 66.7 x 38 (silica below 67 mol %), over 100.
    ASSERT_TRUE(f.expansionLinear);
    EXPECT_NEAR(*f.expansionLinear, 130.0 / 3 + 38.0 * 2 / 3, 1e-9);
    // English & Turner, weight %: 31.82 x 1.63 + 68.18 x 0.05.
    const auto et = figures({{"cao", "1"}, {"sio2", "2"}}, "english-turner");
    EXPECT_NEAR(*et.expansionLinear, (56.1 * 1.63 + 120.2 * 0.05) / 1.763, 1e-9);
}

TEST_F(ChemistryFiguresTest, ClayGlazeFeldsparAndKaolin) {
    // 1 mol potash feldspar and 0.5 mol kaolin: K2O 1, Al2O3 1.5, SiO2 7.
    const auto f = figures({{"mat1", "Kaliveldspaat"},
                            {"mtm1", "1"},
                            {"mat2", "Kaolien"},
                            {"mtm2", "0.5"},
                            {"k2o", "1"},
                            {"al2o3", "1.5"},
                            {"sio2", "7"}});
    // Fired: 94.2 + 1.5 x 102.0 + 7 x 60.1 = 667.9 g.
    EXPECT_NEAR(at(f.weightPercent, "k2o"), 100 * 94.2 / 667.9, 1e-9);
    EXPECT_NEAR(at(f.weightPercent, "al2o3"), 100 * 153.0 / 667.9, 1e-9);
    EXPECT_NEAR(at(f.weightPercent, "sio2"), 100 * 420.7 / 667.9, 1e-9);
    EXPECT_NEAR(at(f.molPercent, "sio2"), 700 / 9.5, 1e-9);
    ASSERT_TRUE(f.sio2Al2o3);
    EXPECT_NEAR(*f.sio2Al2o3, 7 / 1.5, 1e-12);
    EXPECT_FALSE(f.r2oRo); // no RO oxide to divide by
    // Raw: 556.65 + 0.5 x 258.16 = 685.73 g; the kaolin's water goes.
    ASSERT_TRUE(f.loi);
    EXPECT_NEAR(*f.loi, 100 * (1 - 667.9 / 685.73), 1e-9);
    EXPECT_NEAR(*f.loi, 2.6001, 1e-4);
    // Appen's silica factor falls by 1 per mol % above 67 mol %.
    const double s = 700 / 9.5;
    EXPECT_NEAR(*f.expansionLinear, (100 / 9.5 * 465 + 150 / 9.5 * -30 + s * (38 - (s - 67))) / 100, 1e-9);
    EXPECT_TRUE(f.expansionUnset.empty());
}

TEST_F(ChemistryFiguresTest, RatiosOfFluxes) {
    struct Case {
        Values formula;
        double r2oRo;
    };
    const std::vector<Case> cases{
        {{{"na2o", "0.3"}, {"k2o", "0.2"}, {"cao", "0.5"}}, 1.0},
        {{{"li2o", "0.1"}, {"k2o", "0.1"}, {"mgo", "0.4"}, {"zno", "0.2"}, {"pbo", "0.2"}}, 0.25},
        {{{"k2o", "0.25"}, {"bao", "0.25"}, {"feo", "0.5"}}, 1.0 / 3},
    };
    for (const auto& c : cases) {
        const auto f = figures(c.formula);
        ASSERT_TRUE(f.r2oRo);
        EXPECT_NEAR(*f.r2oRo, c.r2oRo, 1e-12);
    }
}

TEST_F(ChemistryFiguresTest, OxidesWithoutFactorAreNamedNotGuessed) {
    const auto f = figures({{"li2o", "0.2"}, {"cao", "0.8"}, {"sio2", "3"}}, "english-turner");
    EXPECT_EQ(f.expansionUnset, std::vector<std::string>{"Li2O"});
    const auto none = figures({{"cao", "1"}}, nullptr);
    EXPECT_FALSE(none.expansionLinear);
}

TEST_F(ChemistryFiguresTest, NoLossOnIgnitionWithoutMolecularWeights) {
    const auto f = figures({{"mat1", "Onbekend"}, {"mtm1", "1"}, {"cao", "1"}});
    EXPECT_FALSE(f.loi);
}

TEST(ChemistryDataTest, MolarMassFileAgreesWithTheConversionTable) {
    const auto table = MolarMassTable::load(ChemistryDataFiles::molarMasses(dataFolder()));
    for (const Oxide& oxide : OxideCatalogue::all())
        EXPECT_EQ(table.at(oxide.position), OxideMolarMass::at(oxide.position)) << oxide.stem;
    EXPECT_FALSE(table.source().author.empty());
    EXPECT_FALSE(table.source().year.empty());
}

TEST(ChemistryDataTest, EveryFactorSetNamesItsSource) {
    const auto sets = ExpansionFactorSet::loadFolder(ChemistryDataFiles::expansionFolder(dataFolder()));
    ASSERT_GE(sets.size(), 2u);
    for (const auto& set : sets) {
        SCOPED_TRACE(set.name());
        EXPECT_FALSE(set.source().author.empty());
        EXPECT_FALSE(set.source().title.empty());
        EXPECT_EQ(set.source().year.size(), 4u);
    }
}

} // namespace
} // namespace kelvora::test
