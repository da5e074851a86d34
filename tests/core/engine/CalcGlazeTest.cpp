// SPDX-License-Identifier: GPL-3.0-or-later
#include "EngineTestBase.h"

#include "model/OxideCatalogue.h"
#include "model/TableLayouts.h"
#include "store/RecordMapper.h"

namespace kelvora::test {
namespace {

const std::string kNotFoundGetMG = "Proc. GetMG: kan materiaal niet vinden: ";
const std::string kZeroPrice =
    "Er zijn materialen bij waarvan de prijs 0 is\r\nDe prijsberekening klopt waarschijnlijk niet";
const std::string kZeroBasic = "Totale hoeveelheid basische elementen is 0\r\nControleer grondstoffen!";
const std::string kMode = "Optie Mol gew./Perc moet M of p zijn!";

class CalcGlazeTest : public EngineTest {};

// Potash feldspar and whiting in equal mols: K2O 0.5, CaO 0.5, Al2O3 0.5,
// SiO2 3; percentages 278.4 : 50.05 brought to 100.
struct MolCase {
    const char* mols;
    double mtm1, mtm2;
    bool scaled;
};

TEST_F(CalcGlazeTest, MolModeWorkedExampleGivesSegerFormulaAndPercentages) {
    for (const MolCase c :
         {MolCase{"one mol of basic oxides", 0.5, 0.5, false}, MolCase{"two mols", 1, 1, true}}) {
        SCOPED_TRACE(c.mols);
        RecordingPrompter p;
        TGlzDM module(p, "unused");
        module.MatCDS.openPacket(materialsPacket(standardMaterials()));
        module.GlzCDS.openPacket(glazesPacket({{{"naam", "G"},
                                                {"molp", "M"},
                                                {"mat1", "Kalium veldspaat"},
                                                {"mtm1", std::to_string(c.mtm1)},
                                                {"mat2", "Krijt"},
                                                {"mtm2", std::to_string(c.mtm2)}}}));
        module.CalcGlaze(false, false);
        const View& g = module.GlzCDS;
        EXPECT_TRUE(p.entries.empty());
        EXPECT_EQ(g.state(), ViewState::Browse);
        for (const auto& oxide : OxideCatalogue::all()) {
            const std::string stem(oxide.stem);
            double expected = stem == "k2o" || stem == "cao" || stem == "al2o3" ? 0.5
                              : stem == "sio2"                                  ? 3.0
                                                                                : 0.0;
            EXPECT_NEAR(g.asNumber(stem), expected, 1e-12) << stem;
            EXPECT_FALSE(g.isNull(stem)) << stem;
        }
        EXPECT_DOUBLE_EQ(g.asNumber("mtm1"), 0.5);
        EXPECT_DOUBLE_EQ(g.asNumber("mtm2"), 0.5);
        EXPECT_NEAR(g.asNumber("mtp1"), 84.76175978078854, 1e-9);
        EXPECT_NEAR(g.asNumber("mtp2"), 15.238240219211448, 1e-9);
        for (int n = 3; n <= 12; ++n) {
            EXPECT_FALSE(g.isNull(SlotFields::amount(SlotKind::Recipe, n)));
            EXPECT_EQ(g.asNumber(SlotFields::amount(SlotKind::Recipe, n)), 0.0);
            // Blank slots get a mol amount of 0 only when the amounts were scaled.
            EXPECT_EQ(g.isNull(SlotFields::mols(n)), !c.scaled);
        }
        // (84.76.. x 2 + 15.24.. x 1) / 100
        EXPECT_NEAR(g.asNumber("prys"), 1.8476175978078854, 1e-12);
    }
}

TEST_F(CalcGlazeTest, BasicNotToOneKeepsRawTotalsAndAmounts) {
    open({{{"naam", "G"},
           {"molp", "M"},
           {"mat1", "Kalium veldspaat"},
           {"mtm1", "1"},
           {"mat2", "Krijt"},
           {"mtm2", "1"}}});
    dm.CalcGlaze(true, false);
    EXPECT_DOUBLE_EQ(num("k2o"), 1.0);
    EXPECT_DOUBLE_EQ(num("cao"), 1.0);
    EXPECT_DOUBLE_EQ(num("sio2"), 6.0);
    EXPECT_DOUBLE_EQ(num("mtm1"), 1.0);
    EXPECT_DOUBLE_EQ(num("mtm2"), 1.0);
    EXPECT_NEAR(num("mtp1"), 84.76175978078854, 1e-9);
}

TEST_F(CalcGlazeTest, PercentModeNormalisesAndDerivesMols) {
    // 1 : 1 : 2 becomes 25 : 25 : 50 of feldspar, whiting and silica.
    open({{{"naam", "G"},
           {"molp", "P"},
           {"mat1", "Kalium veldspaat"},
           {"mtp1", "1"},
           {"mat2", "Krijt"},
           {"mtp2", "1"},
           {"mat3", "Kwarts"},
           {"mtp3", "2"}}});
    dm.CalcGlaze(false, false);
    EXPECT_TRUE(prompter.entries.empty());
    EXPECT_NEAR(num("mtp1"), 25.0, 1e-9);
    EXPECT_NEAR(num("mtp2"), 25.0, 1e-9);
    EXPECT_NEAR(num("mtp3"), 50.0, 1e-9);
    EXPECT_NEAR(num("k2o"), 0.1523824021921145, 1e-12);
    EXPECT_NEAR(num("cao"), 0.8476175978078855, 1e-12);
    EXPECT_NEAR(num("al2o3"), 0.1523824021921145, 1e-12);
    EXPECT_NEAR(num("sio2"), 3.7378059452847774, 1e-12);
    EXPECT_NEAR(num("mtm1"), 0.1523824021921145, 1e-12);
    EXPECT_NEAR(num("mtm2"), 0.8476175978078855, 1e-12);
    EXPECT_NEAR(num("mtm3"), 2.8235115321320907, 1e-12);
    EXPECT_NEAR(num("prys"), 1.0, 1e-12); // (25 x 2 + 25 x 1 + 50 x 0.5) / 100
    // T = 1225.50, H = 21.52: 1230 +- 20.
    EXPECT_EQ(num("tmpv"), 1210);
    EXPECT_EQ(num("tmpt"), 1250);
}

TEST_F(CalcGlazeTest, PercentModeSlotWithoutMolWeightKeepsItsOldMolAmount) {
    // A slot without a mol weight and with percentage 0 does not stop the run:
    // it keeps its old mol amount, which still counts in the totals.
    open({{{"naam", "G"},
           {"molp", "P"},
           {"mat1", "Krijt"},
           {"mtp1", "80"},
           {"mat2", "Krijt zonder molg"},
           {"mtp2", "0"},
           {"mtm2", "0.2"}}});
    EXPECT_TRUE(dm.CalcGlaze(false, false));
    const double basic = 100 / 100.1 + 0.2;
    EXPECT_NEAR(num("cao"), 1.0, 1e-12);
    EXPECT_NEAR(num("mtm1"), 100 / 100.1 / basic, 1e-12);
    EXPECT_NEAR(num("mtm2"), 0.2 / basic, 1e-12);
    EXPECT_EQ(num("mtp2"), 0.0);
    EXPECT_NEAR(num("mtp1"), 100.0, 1e-9);
    EXPECT_TRUE(prompter.entries.empty());
}

TEST_F(CalcGlazeTest, MolModeSlotWithZeroAmountContributesNothing) {
    open({{{"naam", "G"},
           {"molp", "M"},
           {"mat1", "Krijt"},
           {"mtm1", "1"},
           {"mat2", "Kwarts"},
           {"mtm2", "0"}}});
    dm.CalcGlaze(false, false);
    EXPECT_EQ(num("sio2"), 0.0);
    EXPECT_EQ(num("mtp2"), 0.0);
    EXPECT_DOUBLE_EQ(num("mtp1"), 100.0);
}

struct MessageCase {
    const char* what;
    Values glaze;
    std::vector<std::string> messages;
};

TEST_F(CalcGlazeTest, MessagesAndTheirCounts) {
    // Each message comes once per slot: the lookup runs once per calculation.
    const std::vector<MessageCase> cases{
        {"not found with an amount stops after the lookup",
         {{"molp", "M"}, {"mat1", "Krijt"}, {"mtm1", "2"}, {"mat2", "Onbekend"}, {"mtm2", "1"}},
         {kNotFoundGetMG + "Onbekend"}},
        {"not found without an amount goes on",
         {{"molp", "M"}, {"mat1", "Krijt"}, {"mtm1", "2"}, {"mat2", "Onbekend"}, {"mtm2", "0"}},
         {kNotFoundGetMG + "Onbekend"}},
        {"lookup is case-sensitive and untrimmed",
         {{"molp", "M"}, {"mat1", "Krijt"}, {"mtm1", "1"}, {"mat2", "krijt "}, {"mtm2", "0"}},
         {kNotFoundGetMG + "krijt "}},
        {"percent mode looks up once",
         {{"molp", "P"}, {"mat1", "Krijt"}, {"mtp1", "50"}, {"mat2", "Onbekend"}, {"mtp2", "50"}},
         {kNotFoundGetMG + "Onbekend"}},
        {"zero price once per slot, additions included",
         {{"molp", "M"},
          {"mat1", "Gratis krijt"},
          {"mtm1", "0.5"},
          {"mat2", "Gratis krijt"},
          {"mtm2", "0.25"},
          {"mat5", "Gratis krijt"},
          {"mtm5", "0.25"},
          {"tvs1", "Gratis krijt"},
          {"tvp1", "1"}},
         {kZeroPrice, kZeroPrice, kZeroPrice, kZeroPrice}},
        {"zero price once in percent mode",
         {{"molp", "P"}, {"mat1", "Gratis krijt"}, {"mtp1", "100"}},
         {kZeroPrice}},
        {"no basic oxide", {{"molp", "M"}, {"mat1", "Kwarts"}, {"mtm1", "1"}}, {kZeroBasic}},
        {"blank slots say nothing",
         {{"molp", "M"}, {"mat1", "   "}, {"mtm1", "1"}, {"mat2", "Krijt"}, {"mtm2", "1"}},
         {}},
        {"percentages summing to 0",
         {{"molp", "P"}, {"mat1", "Krijt"}, {"mtp1", "0"}},
         {"Totaalpercentage is 0, kan berekening niet uitvoeren"}},
        {"lower-case mode", {{"molp", "m"}, {"mat1", "Krijt"}, {"mtm1", "1"}}, {kMode}},
        {"empty mode", {{"mat1", "Krijt"}, {"mtm1", "1"}}, {kMode}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingPrompter p;
        TGlzDM module(p, "unused");
        module.MatCDS.openPacket(materialsPacket(standardMaterials()));
        module.GlzCDS.openPacket(glazesPacket({c.glaze}));
        module.CalcGlaze(false, false);
        EXPECT_EQ(p.texts(), c.messages);
    }
}

TEST_F(CalcGlazeTest, ModeErrorWritesNothing) {
    open({{{"naam", "G"}, {"molp", "p"}, {"mat1", "Krijt"}, {"mtp1", "50"}}});
    dm.CalcGlaze(false, false);
    EXPECT_FALSE(dm.GlzCDS.changedSinceOpen());
    EXPECT_TRUE(null("prys"));
    EXPECT_TRUE(null("tmpv"));
    EXPECT_DOUBLE_EQ(num("mtp1"), 50.0);
}

TEST_F(CalcGlazeTest, NoBasicOxideKeepsFormulaAndWritesNothing) {
    open({{{"naam", "G"}, {"molp", "M"}, {"mat1", "Kwarts"}, {"mtm1", "1"}, {"mtp1", "100"}, {"sio2", "7"}}});
    EXPECT_FALSE(dm.CalcGlaze(false, false));
    EXPECT_EQ(num("sio2"), 7.0);
    EXPECT_EQ(num("mtp1"), 100.0);
    // No price or firing range from a formula that was not calculated.
    EXPECT_TRUE(null("prys"));
    EXPECT_TRUE(null("tmpv"));
    EXPECT_TRUE(null("tmpt"));
    EXPECT_FALSE(dm.GlzCDS.changedSinceOpen());
}

TEST_F(CalcGlazeTest, PendingEditIsPostedAndRecordEndsInBrowse) {
    open({{{"naam", "G"}, {"molp", "M"}, {"mat1", "Krijt"}, {"mtm1", "1"}}});
    dm.GlzCDS.edit();
    dm.GlzCDS.setText("omsc", "getest");
    dm.CalcGlaze(false, false);
    EXPECT_EQ(dm.GlzCDS.state(), ViewState::Browse);
    EXPECT_EQ(dm.GlzCDS.asText("omsc"), "getest");
    EXPECT_DOUBLE_EQ(num("cao"), 1.0);
}

} // namespace
} // namespace kelvora::test

namespace kelvora::test {
namespace {

TEST_F(EngineTest, DuplicateMaterialNameUsesTheFirstInNameOrder) {
    open({{{"naam", "G"}, {"molp", "M"}, {"mat1", "Krijt"}, {"mtm1", "1"}}},
         {{{"naam", "Krijt"}, {"molg", "100"}, {"prys", "3"}, {"cao", "1"}},
          {{"naam", "Krijt"}, {"molg", "50"}, {"prys", "9"}, {"mgo", "1"}}});
    dm.CalcGlaze(false, false);
    EXPECT_EQ(num("cao"), 1.0);
    EXPECT_EQ(num("mgo"), 0.0);
    EXPECT_DOUBLE_EQ(num("prys"), 3.0);
    EXPECT_EQ(dm.MatCDS.recNo(), 0); // left on the material found
}

TEST_F(EngineTest, MaterialsOpenedAgainAreLookedUpAfresh) {
    open({{{"naam", "G"}, {"molp", "M"}, {"mat1", "Krijt"}, {"mtm1", "1"}}},
         {{{"naam", "Krijt"}, {"molg", "100"}, {"prys", "3"}, {"cao", "1"}}});
    ASSERT_TRUE(dm.CalcGlaze(false, false));
    EXPECT_DOUBLE_EQ(num("prys"), 3.0);
    dm.MatCDS.close();
    dm.MatCDS.openPacket(
        materialsPacket({{{"naam", "Krijt"}, {"molg", "100"}, {"prys", "5"}, {"cao", "1"}}}));
    ASSERT_TRUE(dm.CalcGlaze(false, false));
    EXPECT_DOUBLE_EQ(num("prys"), 5.0);
}

} // namespace
} // namespace kelvora::test
