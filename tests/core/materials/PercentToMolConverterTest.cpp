#include "materials/PercentToMolConverter.h"
#include "model/OxideCatalogue.h"
#include "model/TableLayouts.h"
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
// 56.1 and 104.6 (GeO2), independently of the program.
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
        {"90 % of the same analysis", // S and the percentage sum scale alike: same molg
         {{"na2oproc", "6.3"}, {"k2oproc", "6.3"}, {"al2o3proc", "16.2"}, {"sio2proc", "61.2"}},
         {{"na2o", 0.6030729833546735},
          {"k2o", 0.3969270166453265},
          {"al2o3", 0.9426182765039436},
          {"sio2", 6.04363132356383}},
         534.150356685568},
        {"lime alone", {{"caoproc", "56"}}, {{"cao", 1.0}}, 56.1},
        {"germanium takes part",
         {{"caoproc", "56.1"}, {"geo2proc", "10.46"}},
         {{"cao", 1.0}, {"geo2", 0.1}},
         66.56},
        {"negative basic sum is used",
         {{"caoproc", "-5.61"}, {"sio2proc", "6.01"}},
         {{"cao", 1.0}, {"sio2", -1.0}},
         -4.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        materials.close();
        Values record{{"naam", "X"}, {"molproc", "P"}, {"molg", "1"}, {"mgo", "3"}};
        record.insert(record.end(), c.percentages.begin(), c.percentages.end());
        open(record);
        ASSERT_TRUE(PercentToMolConverter::convert(materials, prompter));
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

TEST_F(ConverterTest, RunningTwiceGivesTheSameResult) {
    open({{"naam", "X"}, {"molproc", "P"}, {"k2oproc", "16.9"}, {"al2o3proc", "18.4"}, {"sio2proc", "64.7"}});
    ASSERT_TRUE(PercentToMolConverter::convert(materials, prompter));
    const double first = materials.asNumber("molg");
    ASSERT_TRUE(PercentToMolConverter::convert(materials, prompter));
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
        {"no basic oxide", {{"molproc", "P"}, {"al2o3proc", "39.5"}, {"sio2proc", "46.5"}}, kNoBasic},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingPrompter p;
        materials.close();
        open(c.record);
        EXPECT_FALSE(PercentToMolConverter::convert(materials, p));
        EXPECT_EQ(p.texts(), std::vector<std::string>{c.message});
        EXPECT_FALSE(materials.changedSinceOpen());
        EXPECT_EQ(materials.state(), ViewState::Browse);
        EXPECT_TRUE(materials.isNull("molg"));
    }
}

TEST_F(ConverterTest, EmptyTableIsNotInPercentages) {
    materials.declareFields(TableLayouts::materials());
    materials.openPacket(materialsPacket({}));
    EXPECT_FALSE(PercentToMolConverter::convert(materials, prompter));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{kNotPercent});
}

TEST_F(ConverterTest, RecordBeingInsertedIsPosted) {
    materials.declareFields(TableLayouts::materials());
    materials.openPacket(materialsPacket({}));
    materials.insert();
    materials.setText("naam", "Nieuw");
    materials.setText("molproc", "P");
    materials.setNumber("caoproc", 50);
    ASSERT_TRUE(PercentToMolConverter::convert(materials, prompter));
    EXPECT_EQ(materials.state(), ViewState::Browse);
    EXPECT_EQ(materials.recordCount(), 1);
    EXPECT_DOUBLE_EQ(materials.asNumber("molg"), 56.1);
}

} // namespace
} // namespace kelvora::test
