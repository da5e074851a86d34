// SPDX-License-Identifier: GPL-3.0-or-later
// A calculation that meets a fault in the recipe stops before it writes
// anything: the record, a user's pending edits and the data file stay as
// they were, and every message comes once.
#include "EngineTestBase.h"

#include "store/PacketCodec.h"
#include "support/TempDir.h"

namespace kelvora::test {
namespace {

const std::string kMode = "Optie Mol gew./Perc moet M of p zijn!";
const std::string kNotFound = "Proc. GetMG: kan materiaal niet vinden: ";
const std::string kNoMolWeight = "Proc. GetMG: materiaal heeft geen molgewicht: ";
const std::string kZeroPrice =
    "Er zijn materialen bij waarvan de prijs 0 is\r\nDe prijsberekening klopt waarschijnlijk niet";
const std::string kZeroPercentage = "Totaalpercentage is 0, kan berekening niet uitvoeren";
const std::string kZeroBasic = "Totale hoeveelheid basische elementen is 0\r\nControleer grondstoffen!";

// Results of an earlier calculation, so that a stop visibly keeps them.
Values withOldResults(Values recipe) {
    Values glaze{{"naam", "G"},    {"omsc", "oud"}, {"prys", "3.5"}, {"tmpv", "1000"},
                 {"tmpt", "1040"}, {"cao", "0.9"},  {"sio2", "7"}};
    glaze.insert(glaze.end(), recipe.begin(), recipe.end());
    return glaze;
}

struct StopCase {
    const char* what;
    Values recipe;
    std::vector<std::string> messages;
};

const std::vector<StopCase>& stopCases() {
    static const std::vector<StopCase> cases{
        {"mode neither M nor P", {{"molp", "p"}, {"mat1", "Krijt"}, {"mtp1", "50"}}, {kMode}},
        {"unknown material with a mol amount",
         {{"molp", "M"}, {"mat1", "Krijt"}, {"mtm1", "1"}, {"mat2", "Krjt"}, {"mtm2", "1"}},
         {kNotFound + "Krjt"}},
        {"unknown material with a percentage",
         {{"molp", "P"},
          {"mat1", "Krijt"},
          {"mtp1", "60"},
          {"mtm1", "0.6"},
          {"mat2", "Krjt"},
          {"mtp2", "40"},
          {"mtm2", "0.4"}},
         {kNotFound + "Krjt"}},
        {"empty mol weight with a percentage",
         {{"molp", "P"}, {"mat1", "Krijt"}, {"mtp1", "80"}, {"mat2", "Krijt zonder molg"}, {"mtp2", "20"}},
         {kNoMolWeight + "Krijt zonder molg"}},
        {"mol weight 0 with a mol amount",
         {{"molp", "M"}, {"mat1", "Krijt molg 0"}, {"mtm1", "1"}},
         {kNoMolWeight + "Krijt molg 0"}},
        {"percentages all empty", {{"molp", "P"}, {"mat1", "Krijt"}, {"mat2", "Kwarts"}}, {kZeroPercentage}},
        {"percentages cancelling out",
         {{"molp", "P"}, {"mat1", "Krijt"}, {"mtp1", "50"}, {"mat2", "Kwarts"}, {"mtp2", "-50"}},
         {kZeroPercentage}},
        {"no basic oxide", {{"molp", "M"}, {"mat1", "Kwarts"}, {"mtm1", "1"}}, {kZeroBasic}},
        {"every fault of the lookup, each once, in slot order",
         {{"molp", "P"},
          {"mat1", "Onbekend"},
          {"mtp1", "10"},
          {"mat2", "Gratis krijt"},
          {"mtp2", "10"},
          {"mat3", "Krijt zonder molg"},
          {"mtp3", "10"},
          {"tvs1", "Weg"},
          {"tvp1", "1"}},
         {kNotFound + "Onbekend", kZeroPrice, kNoMolWeight + "Krijt zonder molg", kNotFound + "Weg"}},
    };
    return cases;
}

// Every field of the current record as text; empty fields read "".
std::vector<std::string> record(const View& view) {
    std::vector<std::string> texts;
    for (int f = 0; f < static_cast<int>(view.fields().size()); ++f)
        texts.push_back(view.asText(f));
    return texts;
}

class CalcStopTest : public EngineTest {
protected:
    static std::vector<Values> materials() {
        auto all = standardMaterials();
        all.push_back({{"naam", "Krijt molg 0"}, {"molg", "0"}, {"prys", "1"}, {"cao", "1"}});
        return all;
    }
};

TEST_F(CalcStopTest, StopLeavesTheStoredRecordAsItWas) {
    for (const auto& c : stopCases()) {
        SCOPED_TRACE(c.what);
        prompter.clear();
        open({withOldResults(c.recipe)}, materials());
        const auto before = record(dm.GlzCDS);
        EXPECT_FALSE(dm.CalcGlaze(false, false));
        EXPECT_EQ(prompter.texts(), c.messages);
        EXPECT_EQ(record(dm.GlzCDS), before);
        EXPECT_EQ(dm.GlzCDS.state(), ViewState::Browse);
        EXPECT_FALSE(dm.GlzCDS.changedSinceOpen());
        dm.CloseTables();
    }
}

TEST_F(CalcStopTest, StopKeepsTypedEditsUnpostedInEditState) {
    for (const auto& c : stopCases()) {
        SCOPED_TRACE(c.what);
        prompter.clear();
        // A glaze that calculates; the user then types the faulty recipe.
        open({{{"naam", "G"}, {"molp", "M"}, {"mat1", "Krijt"}, {"mtm1", "1"}}}, materials());
        const auto stored = record(dm.GlzCDS);
        dm.GlzCDS.edit();
        dm.GlzCDS.setText("omsc", "getypt");
        for (const auto& [field, text] : c.recipe)
            dm.GlzCDS.setText(field, text);
        const auto typed = record(dm.GlzCDS);
        EXPECT_FALSE(dm.CalcGlaze(false, false));
        EXPECT_EQ(prompter.texts(), c.messages);
        EXPECT_EQ(dm.GlzCDS.state(), ViewState::Edit);
        EXPECT_TRUE(dm.GlzCDS.modified());
        EXPECT_EQ(record(dm.GlzCDS), typed);
        EXPECT_FALSE(dm.GlzCDS.changedSinceOpen());
        // Nothing was posted: cancelling brings back the stored record.
        dm.GlzCDS.cancel();
        EXPECT_EQ(record(dm.GlzCDS), stored);
        dm.CloseTables();
    }
}

TEST_F(CalcStopTest, StopKeepsANewRecordInInsertState) {
    open({{{"naam", "A"}, {"molp", "M"}, {"mat1", "Krijt"}, {"mtm1", "1"}}}, materials());
    dm.GlzCDS.insert();
    for (const auto& [field, text] : Values{{"naam", "B"}, {"molp", "M"}, {"mat1", "Krjt"}, {"mtm1", "1"}})
        dm.GlzCDS.setText(field, text);
    EXPECT_FALSE(dm.CalcGlaze(false, false));
    EXPECT_EQ(dm.GlzCDS.state(), ViewState::Insert);
    EXPECT_EQ(dm.GlzCDS.asText("mat1"), "Krjt");
    EXPECT_EQ(dm.GlzCDS.recordCount(), 2);
    EXPECT_FALSE(dm.GlzCDS.changedSinceOpen());
}

TEST_F(CalcStopTest, CliStopExitsOneAndLeavesTheFileByteForByte) {
    for (const auto& c : stopCases()) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        writePacketFile(dir.file("mat.cds"), materialsPacket(materials()));
        writePacketFile(dir.file("glz.cds"), glazesPacket({withOldResults(c.recipe)}));
        const std::string before = readBytes(dir.file("glz.cds"));
        const CliRun r = runCli(dir.path().string(), "calc G");
        EXPECT_EQ(r.status, 1);
        std::string expected;
        for (std::string text : c.messages) {
            for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n"))
                text.erase(at, 1);
            expected += text + "\n";
        }
        EXPECT_EQ(r.err, expected);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(readBytes(dir.file("glz.cds")), before);
    }
}

// Lookup faults that leave the recipe whole do not stop the run.
struct GoOnCase {
    const char* what;
    Values recipe;
    std::vector<std::string> messages;
    double prys;
};

TEST_F(CalcStopTest, FaultsThatHarmNothingOnlySayCalculationGoesOn) {
    const std::vector<GoOnCase> cases{
        // 100 % whiting at 1 plus 10 parts of an unknown addition: 100 / 110.
        {"unknown addition costs nothing but weighs",
         {{"molp", "P"}, {"mat1", "Krijt"}, {"mtp1", "100"}, {"tvs1", "Onbekend"}, {"tvp1", "10"}},
         {kNotFound + "Onbekend"},
         100.0 / 110.0},
        {"unknown material without an amount",
         {{"molp", "M"}, {"mat1", "Krijt"}, {"mtm1", "1"}, {"mat2", "Onbekend"}, {"mtm2", "0"}},
         {kNotFound + "Onbekend"},
         1.0},
        {"no mol weight without a percentage",
         {{"molp", "P"}, {"mat1", "Krijt"}, {"mtp1", "100"}, {"mat2", "Krijt zonder molg"}, {"mtp2", "0"}},
         {},
         1.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        prompter.clear();
        open({withOldResults(c.recipe)}, materials());
        EXPECT_TRUE(dm.CalcGlaze(false, false));
        EXPECT_EQ(prompter.texts(), c.messages);
        EXPECT_NEAR(num("prys"), c.prys, 1e-12);
        EXPECT_DOUBLE_EQ(num("cao"), 1.0);
        EXPECT_EQ(num("sio2"), 0.0);
        EXPECT_EQ(dm.GlzCDS.state(), ViewState::Browse);
        dm.CloseTables();
    }
}

// Counts the view's state changes and posts.
class PostCounter : public ViewObserver {
public:
    void viewChanged(View&, ViewEvent event, int) override {
        if (event == ViewEvent::StateChanged) ++stateChanges;
        if (event == ViewEvent::DataChanged) ++posts;
    }
    int stateChanges = 0;
    int posts = 0;
};

TEST_F(CalcStopTest, CompletedRunWritesWithOneEditAndOnePost) {
    for (const char* mode : {"M", "P"}) {
        SCOPED_TRACE(mode);
        open({{{"naam", "G"},
               {"molp", mode},
               {"mat1", "Kalium veldspaat"},
               {"mtp1", "30"},
               {"mtm1", "2"},
               {"mat2", "Krijt"},
               {"mtp2", "50"},
               {"mtm2", "1"},
               {"tvs1", "Kwarts"},
               {"tvp1", "3"}}});
        PostCounter counter;
        dm.GlzCDS.addObserver(&counter);
        EXPECT_TRUE(dm.CalcGlaze(false, false));
        dm.GlzCDS.removeObserver(&counter);
        EXPECT_EQ(counter.stateChanges, 2); // browse -> edit -> browse
        EXPECT_EQ(counter.posts, 1);
        EXPECT_TRUE(dm.GlzCDS.changedSinceOpen());
        dm.CloseTables();
    }
}

TEST_F(CalcStopTest, CompletedRunPostsPendingEditsWithTheResult) {
    open({{{"naam", "G"}, {"molp", "M"}, {"mat1", "Krijt"}, {"mtm1", "2"}}});
    dm.GlzCDS.edit();
    dm.GlzCDS.setText("omsc", "getypt");
    PostCounter counter;
    dm.GlzCDS.addObserver(&counter);
    EXPECT_TRUE(dm.CalcGlaze(false, false));
    dm.GlzCDS.removeObserver(&counter);
    EXPECT_EQ(counter.stateChanges, 1); // edit -> browse
    EXPECT_EQ(counter.posts, 1);
    EXPECT_EQ(dm.GlzCDS.asText("omsc"), "getypt");
    EXPECT_DOUBLE_EQ(num("mtm1"), 1.0);
}

} // namespace
} // namespace kelvora::test
