// SPDX-License-Identifier: GPL-3.0-or-later
#include "materials/PercentToMolConverter.h"
#include "model/OxideCatalogue.h"
#include "model/TableLayouts.h"
#include "store/RecordMapper.h"
#include "support/EngineFixtures.h"
#include "support/RecordingPrompter.h"

#include <gtest/gtest.h>

#include <map>

namespace kelvora::test {
namespace {

const std::string kNotPercent =
    "Samenstelling is niet in procenten ingevoerd\r\nVoer percentages in en zet Mol/proc op P";
const std::string kNoBasic =
    "De som van de basische oxides is 0.\r\nKan daarom Seger formule niet afleiden uit "
    "procentuele samenstelling.";

struct ConversionCase {
    const char* what;
    Values percentages;
    std::map<std::string, double> mols; // every other molar field must be 0
    double molWeight;
};

class ConverterTest : public ::testing::Test {
protected:
    RecordingPrompter prompter;
    View materials{"MatCDS"};

    void open(const Values& record) {
        materials.declareFields(TableLayouts::materials());
        materials.openPacket(materialsPacket({record}));
    }
};

// Expected values worked out with the molar masses 94.2, 102.0, 60.1, 62.0,
// 56.1 and 104.6 (GeO2), independently of the program. Percentages that add
// up to 100 or more give W = (their sum) / S; less than 100 leaves the rest
// as loss on ignition and W = 100 / S.
TEST_F(ConverterTest, WorkedExamples) {
    const std::vector<ConversionCase> cases{
        {"potash feldspar",
         {{"k2oproc", "16.9"}, {"al2o3proc", "18.4"}, {"sio2proc", "64.7"}},
         {{"k2o", 1.0}, {"al2o3", 1.005499477897668}, {"sio2", 6.000590731423958}},
         557.396449704142},
        {"mixed alkali feldspar",
         {{"na2oproc", "7"}, {"k2oproc", "7"}, {"al2o3proc", "18"}, {"sio2proc", "68"}},
         {{"na2o", 0.6030729833546735},
          {"k2o", 0.3969270166453265},
          {"al2o3", 0.9426182765039436},
          {"sio2", 6.04363132356383}},
         534.150356685568},
        // The same oxides as 90 % of the material, 10 % loss on ignition: the
        // formula stays, one mol now weighs 100 / S with
        // S = 6.3 / 62.0 + 6.3 / 94.2 = 0.101613 + 0.066879 = 0.168492,
        // W = 593.5004 (= 534.1504 / 0.9).
        {"90 % oxides, 10 % loss on ignition",
         {{"na2oproc", "6.3"}, {"k2oproc", "6.3"}, {"al2o3proc", "16.2"}, {"sio2proc", "61.2"}},
         {{"na2o", 0.6030729833546735},
          {"k2o", 0.3969270166453265},
          {"al2o3", 0.9426182765039436},
          {"sio2", 6.04363132356383}},
         593.5003963172977},
        // Whiting analysed as CaO 56.0 % with 44 % carbon dioxide burnt off:
        // S = 56 / 56.1, W = 100 x 56.1 / 56 = 100.17857.
        {"whiting with its loss on ignition", {{"caoproc", "56"}}, {{"cao", 1.0}}, 100.17857142857143},
        // 102.62 % in all: W = 56.1 + 10.46 + 36.06 = 102.62 (S = 1), GeO2
        // 10.46 / 104.6 = 0.1, SiO2 36.06 / 60.1 = 0.6.
        {"germanium takes part",
         {{"caoproc", "56.1"}, {"geo2proc", "10.46"}, {"sio2proc", "36.06"}},
         {{"cao", 1.0}, {"geo2", 0.1}, {"sio2", 0.6}},
         102.62},
        // S = -5.61 / 56.1 = -0.1; the percentages sum to 0.4: W = 100 / -0.1.
        {"negative basic sum is used",
         {{"caoproc", "-5.61"}, {"sio2proc", "6.01"}},
         {{"cao", 1.0}, {"sio2", -1.0}},
         -1000.0},
        // Kaolin, Al2O3 39.5 %, SiO2 46.5 %, loss 14 %: no flux, so the neutral
        // oxides are the one mol. S = 39.5 / 102.0 = 0.387255; SiO2 =
        // (46.5 / 60.1) / S = 46.5 x 102 / (60.1 x 39.5) = 1.997936;
        // W = 100 x 102 / 39.5 = 258.2278.
        {"kaolin on its alumina",
         {{"al2o3proc", "39.5"}, {"sio2proc", "46.5"}},
         {{"al2o3", 1.0}, {"sio2", 1.997935929568862}},
         258.2278481012658},
        // Silica 99.6 %, 0.4 % loss: only acid oxides; W = 100 x 60.1 / 99.6.
        {"silica on its silica", {{"sio2proc", "99.6"}}, {{"sio2", 1.0}}, 60.341365461847396},
        {"pure silica", {{"sio2proc", "100"}}, {{"sio2", 1.0}}, 60.1},
        // Zircon, ZrO2 66 % and SiO2 33 %: both acid, together one mol.
        // ZrO2 66 / 123.2 = 0.535714, SiO2 33 / 60.1 = 0.549085, S = 1.084799;
        // ZrO2 0.493837, SiO2 0.506163, W = 100 / S = 92.1830.
        {"zircon on its acid oxides",
         {{"zro2proc", "66"}, {"sio2proc", "33"}},
         {{"zro2", 0.49383730484798694}, {"sio2", 0.5061626951520132}},
         92.18296357162423},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        materials.close();
        Values record{{"naam", "X"}, {"molproc", "P"}, {"molg", "1"}, {"mgo", "3"}};
        record.insert(record.end(), c.percentages.begin(), c.percentages.end());
        open(record);
        ASSERT_TRUE(convertCurrentMaterial(materials, prompter));
        EXPECT_EQ(materials.state(), ViewState::Browse);
        for (const auto& oxide : OxideCatalogue::all()) {
            const std::string stem(oxide.stem);
            const auto it = c.mols.find(stem);
            EXPECT_NEAR(materials.asNumber(stem), it == c.mols.end() ? 0.0 : it->second, 1e-12) << stem;
        }
        EXPECT_NEAR(materials.asNumber("molg"), c.molWeight, 1e-9);
        EXPECT_EQ(materials.asText("molproc"), "P");
    }
    EXPECT_TRUE(prompter.entries.empty());
}

// The label of the percentage page: what is missing up to 100 %.
TEST_F(ConverterTest, ImpliedLossOnIgnition) {
    struct LossCase {
        const char* what;
        Values percentages;
        double loss;
        std::string text;
    };
    const std::vector<LossCase> cases{
        {"ball clay, 88.2 % oxides",
         {{"sio2proc", "52"}, {"al2o3proc", "30.5"}, {"k2oproc", "5.7"}},
         11.8,
         "Gloeiverlies: 11.8 %"},
        {"kaolin", {{"al2o3proc", "39.5"}, {"sio2proc", "46.5"}}, 14.0, "Gloeiverlies: 14 %"},
        {"exactly 100", {{"sio2proc", "100"}}, 0.0, "Gloeiverlies: 0 %"},
        {"over 100", {{"sio2proc", "99"}, {"al2o3proc", "1.5"}}, 0.0, "Gloeiverlies: 0 %"},
        {"nothing entered", {}, 100.0, "Gloeiverlies: 100 %"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        materials.close();
        Values record{{"naam", "X"}, {"molproc", "P"}};
        record.insert(record.end(), c.percentages.begin(), c.percentages.end());
        open(record);
        EXPECT_NEAR(PercentToMolConverter::impliedLoss(MaterialMapper::current(materials)), c.loss, 1e-12);
        EXPECT_EQ(PercentToMolConverter::impliedLossText(MaterialMapper::current(materials)), c.text);
    }
    // A material entered as a molar formula has no percentages to lose
    // anything from: no label, not "100 %".
    for (const char* mode : {"M", ""}) {
        SCOPED_TRACE(mode);
        materials.close();
        open({{"naam", "Krijt"}, {"molproc", mode}, {"cao", "1"}});
        EXPECT_EQ(PercentToMolConverter::impliedLossText(MaterialMapper::current(materials)), "");
    }
}

// Kaolin in a glaze gives the same Seger formula whichever group its own
// formula was brought to one mol on: the grams per mol follow the formula.
TEST_F(ConverterTest, ComputeReportsTheBasisAndTheLoss) {
    std::array<double, OxideCatalogue::count> percent{};
    percent[16] = 39.5; // Al2O3
    percent[24] = 46.5; // SiO2
    const auto kaolin = PercentToMolConverter::compute(percent);
    ASSERT_TRUE(kaolin);
    EXPECT_EQ(kaolin->basis, ConversionBasis::Neutral);
    EXPECT_NEAR(kaolin->oxideSum, 86.0, 1e-12);
    EXPECT_NEAR(kaolin->lossOnIgnition, 14.0, 1e-12);
    percent[2] = 2.0; // K2O 2 %: now there is a flux to normalise on
    const auto clay = PercentToMolConverter::compute(percent);
    ASSERT_TRUE(clay);
    EXPECT_EQ(clay->basis, ConversionBasis::Basic);
    // Per gram both describe 39.5 / 102.0 mol Al2O3.
    EXPECT_NEAR(clay->mols[16] / clay->molWeight, 39.5 / 102.0 / 100.0, 1e-15);
    EXPECT_NEAR(kaolin->mols[16] / kaolin->molWeight, 39.5 / 102.0 / 100.0, 1e-15);
    EXPECT_FALSE(PercentToMolConverter::compute({}));
}

TEST_F(ConverterTest, RunningTwiceGivesTheSameResult) {
    open({{"naam", "X"}, {"molproc", "P"}, {"k2oproc", "16.9"}, {"al2o3proc", "18.4"}, {"sio2proc", "64.7"}});
    ASSERT_TRUE(convertCurrentMaterial(materials, prompter));
    const double first = materials.asNumber("molg");
    ASSERT_TRUE(convertCurrentMaterial(materials, prompter));
    EXPECT_EQ(materials.asNumber("molg"), first);
    EXPECT_DOUBLE_EQ(materials.asNumber("k2oproc"), 16.9);
}

TEST_F(ConverterTest, RefusalsChangeNothing) {
    struct Refusal {
        const char* what;
        Values record;
        std::string message;
    };
    const std::vector<Refusal> cases{
        {"lower-case p", {{"molproc", "p"}, {"caoproc", "56"}}, kNotPercent},
        {"mols", {{"molproc", "M"}, {"caoproc", "56"}}, kNotPercent},
        {"empty mode", {{"caoproc", "56"}}, kNotPercent},
        {"no oxide at all", {{"molproc", "P"}}, kNoBasic},
        {"only zeros", {{"molproc", "P"}, {"caoproc", "0"}, {"sio2proc", "0"}}, kNoBasic},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingPrompter p;
        materials.close();
        open(c.record);
        EXPECT_FALSE(convertCurrentMaterial(materials, p));
        EXPECT_EQ(p.texts(), std::vector<std::string>{c.message});
        EXPECT_FALSE(materials.changedSinceOpen());
        EXPECT_EQ(materials.state(), ViewState::Browse);
        EXPECT_TRUE(materials.isNull("molg"));
    }
}

TEST_F(ConverterTest, EmptyTableIsNotInPercentages) {
    materials.declareFields(TableLayouts::materials());
    materials.openPacket(materialsPacket({}));
    EXPECT_FALSE(convertCurrentMaterial(materials, prompter));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{kNotPercent});
}

TEST_F(ConverterTest, RecordBeingInsertedIsPosted) {
    materials.declareFields(TableLayouts::materials());
    materials.openPacket(materialsPacket({}));
    materials.insert();
    materials.setText("naam", "Nieuw");
    materials.setText("molproc", "P");
    materials.setNumber("caoproc", 50);
    materials.setNumber("sio2proc", 50);
    ASSERT_TRUE(convertCurrentMaterial(materials, prompter));
    EXPECT_EQ(materials.state(), ViewState::Browse);
    EXPECT_EQ(materials.recordCount(), 1);
    // 100 % in all: W = 100 / (50 / 56.1) = 112.2.
    EXPECT_DOUBLE_EQ(materials.asNumber("molg"), 112.2);
}

} // namespace
} // namespace kelvora::test
