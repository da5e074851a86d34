// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation's, solver's, blend's, report's and notebook's messages go
// through the translate function: with a catalogue they come out in its
// language with their values in place; without one they are the texts the
// program has always shown.
#include "blend/BlendGrid.h"
#include "common/Translate.h"
#include "engine/Calculate.h"
#include "engine/GlazeRecalculation.h"
#include "glaze/AnalysisReport.h"
#include "model/Glaze.h"
#include "model/Material.h"
#include "model/MaterialLookup.h"
#include "notebook/Choices.h"
#include "notebook/FiringSchedule.h"
#include "notebook/NotebookError.h"
#include "notebook/NotebookRules.h"
#include "notebook/Proef.h"
#include "notebook/TestSheet.h"
#include "solver/SolverError.h"
#include "solver/SolverInput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <stdexcept>
#include <utility>

namespace kelvora {
namespace {

// A small English catalogue; its templates put the values in another order
// where the English sentence wants it, as a translator may.
std::string english(const char* context, const char* source) {
    static const std::map<std::pair<std::string, std::string>, std::string> catalogue{
        {{"Calculate", "Proc. GetMG: kan materiaal niet vinden: %1"}, "Material not found: %1"},
        {{"GlazeRecalculation", "Ook de %1 glazuren die deze grondstof gebruiken herberekenen?"},
         "Recalculate the %1 glazes that use this material too?"},
        {{"Solver", "Bereik %1"}, "Range %1"},
        {{"Solver", "%1, ondergrens"}, "%1, lower limit"},
        {{"Solver", "%1: %2 ligt niet tussen %3 en %4."}, "%1: %2 is not between %3 and %4."},
        {{"Solver", "Geen getal: %1"}, "Not a number: %1"},
        {{"Blend", "Een lijn heeft 2 tot %1 cellen."}, "A line has 2 to %1 cells."},
        {{"Report", "Glazuur: %1"}, "Glaze: %1"},
        {{"Report", "Ingevoerd van SK: %1 tot SK: %2"}, "Entered: cone %1 to cone %2"},
        {{"Report", "Recept:"}, "Recipe:"},
        {{"Report", "Kostprijs: %1"}, "Cost price: %1"},
        {{"Notebook", "De proefcode"}, "The test code"},
        {{"Notebook", "%1 '%2' is geen geldige code: 1 tot 20 letters, cijfers of -_./"},
         "'%2' is not a valid code for %1: 1 to 20 letters, digits or -_./"},
        {{"Choices", "reductie"}, "reduction"},
        {{"Choices", "zout/soda"}, "salt/soda"},
        {{"Choices", "dompelen"}, "dipping"},
        {{"Notebook", "Stap %1 van het stookschema: %2"}, "Step %1 of the firing schedule: %2"},
        {{"Notebook", "'%1' is geen temperatuur."}, "'%1' is not a temperature."},
        {{"Notebook", "Proef %1"}, "Test %1"},
        {{"Notebook", "Glazuur: %1"}, "Glaze: %1"},
        {{"Notebook", "Tegel: %1"}, "Tile: %1"},
        {{"Notebook", "scherf %1"}, "clay body %1"},
        {{"Notebook", "biscuit kegel %1"}, "bisque cone %1"},
        {{"Notebook", "Opbrengen: %1"}, "Application: %1"},
        {{"Notebook", "%1 laag"}, "%1 coat"},
        {{"Notebook", "Recept zoals gemengd (%1 g):"}, "Recipe as mixed (%1 g):"},
        {{"Notebook", "Totaal"}, "Total"},
        {{"Material", "zonder analyse: %1"}, "no analysis: %1"},
    };
    const auto found = catalogue.find({context, source});
    return found == catalogue.end() ? std::string() : found->second;
}

class TranslateCorecalcTest : public ::testing::Test {
protected:
    void TearDown() override { setTranslateFunction(nullptr); }
};

template <typename Error> std::string messageOf(const std::function<void()>& run) {
    try {
        run();
    } catch (const Error& e) {
        return e.what();
    }
    ADD_FAILURE() << "nothing thrown";
    return {};
}

// Each message once without a catalogue (today's text, byte for byte) and
// once with the English one.
TEST_F(TranslateCorecalcTest, MessagesComeOutTranslatedWithTheirValuesInPlace) {
    struct Case {
        const char* what;
        std::function<std::string()> message;
        const char* dutch;
        const char* english;
    };
    const Case cases[] = {
        {"calculation",
         [] {
             Recipe recipe;
             recipe.molp = "M";
             recipe.recipeSlots[0] = {"Veldspaat 100%", kNullNumber, 1.0};
             const CalcResult result = calculate(recipe, MaterialLookup{}, {});
             return result.messages.empty() ? std::string() : result.messages.front();
         },
         "Proc. GetMG: kan materiaal niet vinden: Veldspaat 100%", "Material not found: Veldspaat 100%"},
        {"recalculation question", [] { return GlazeRecalculation::questionText(7); },
         "Ook de 7 glazuren die deze grondstof gebruiken herberekenen?",
         "Recalculate the 7 glazes that use this material too?"},
        // A template whose first value is itself a filled-in template.
        {"solver range",
         [] {
             return messageOf<SolverError>(
                 [] { SolverInput::checkRanges(SolverInput::ranges("sio2=-1..4")); });
         },
         "Bereik SiO2 -1..4, ondergrens: -1 ligt niet tussen 0 en 1000.",
         "Range SiO2 -1..4, lower limit: -1 is not between 0 and 1000."},
        {"solver syntax", [] { return messageOf<SolverError>([] { SolverInput::target("k2o=%2"); }); },
         "Geen getal: %2", "Not a number: %2"},
        {"blend", [] { return messageOf<std::invalid_argument>([] { BlendGrid::line(1); }); },
         "Een lijn heeft 2 tot 41 cellen.", "A line has 2 to 41 cells."},
        {"notebook",
         [] {
             Proef test;
             test.code = "proef 1";
             test.glaze = "Seladon";
             return messageOf<NotebookError>([&] { NotebookRules::check(test); });
         },
         "De proefcode 'proef 1' is geen geldige code: 1 tot 20 letters, cijfers of -_./",
         "'proef 1' is not a valid code for The test code: 1 to 20 letters, digits or -_./"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.message(), c.dutch);
        setTranslateFunction(&english);
        EXPECT_EQ(c.message(), c.english);
        setTranslateFunction(nullptr);
    }
}

TEST_F(TranslateCorecalcTest, ReportHeadingsAreTranslatedAndThePrintCopyStillFindsThem) {
    Glaze glaze;
    glaze.naam = "Seladon";
    glaze.skva = "6a";
    glaze.sktt = "8";
    glaze.recipe.recipeSlots[0] = {"Veldspaat", 60.0, kNullNumber};
    glaze.recipe.recipeSlots[1] = {"Krijt", 40.0, kNullNumber};
    const auto dutch = AnalysisReport::build(glaze, 6.5, {});
    setTranslateFunction(&english);
    const auto translated = AnalysisReport::build(glaze, 6.5, {});
    ASSERT_EQ(translated.size(), dutch.size());
    EXPECT_EQ(dutch.front(), "Glazuur: Seladon");
    EXPECT_EQ(translated.front(), "Glaze: Seladon");
    EXPECT_NE(std::find(dutch.begin(), dutch.end(), "Ingevoerd van SK: 6a tot SK: 8"), dutch.end());
    EXPECT_NE(std::find(translated.begin(), translated.end(), "Entered: cone 6a to cone 8"),
              translated.end());
    // The printed copy double-spaces from the recipe heading to the cost
    // line: in English exactly as many lines as in Dutch.
    const auto print = AnalysisReport::printCopy(translated);
    setTranslateFunction(nullptr);
    const auto dutchPrint = AnalysisReport::printCopy(dutch);
    EXPECT_GT(dutchPrint.size(), dutch.size() + 1);
    EXPECT_EQ(print.size(), dutchPrint.size());
}

// The shown word follows the language; the stored code does not, and a word
// typed in either language is understood.
TEST_F(TranslateCorecalcTest, ChoicesShowTranslatedWordsAndKeepTheirCodes) {
    setTranslateFunction(&english);
    EXPECT_STREQ(Choices<Atmosphere>::text(Atmosphere::SaltSoda), "salt/soda");
    EXPECT_STREQ(Choices<Atmosphere>::code(Atmosphere::SaltSoda), "zout");
    EXPECT_EQ(Choices<Atmosphere>::parse("Reduction"), Atmosphere::Reduction);
    EXPECT_EQ(Choices<Atmosphere>::parse("reductie"), Atmosphere::Reduction);
    EXPECT_EQ(Choices<Atmosphere>::listText().find("oxidatie, neutraal, reduction, salt/soda"), 0u);
    setTranslateFunction(nullptr);
    EXPECT_STREQ(Choices<Atmosphere>::text(Atmosphere::SaltSoda), "zout/soda");
    EXPECT_EQ(Choices<Atmosphere>::parse("reduction"), std::nullopt);
}

// The printed sheet of a test: every line a template of its own, so the
// English sheet has the same lines with the values where English puts them.
TEST_F(TranslateCorecalcTest, TestSheetLinesComeOutTranslated) {
    Proef t;
    t.code = "K-7";
    t.glaze = "Seladon";
    t.clayBody = "Steengoed";
    t.bisqueCone = "010";
    t.application = Application::Dip;
    t.coats = 1;
    t.batchGrams = 200;
    t.recipe.recipeSlots[0] = {"Kwarts", 100, kNullNumber};
    const NotebookData notebook;
    const std::vector<std::string> dutchSheet{"Proef K-7",
                                              "Glazuur: Seladon",
                                              "Tegel: scherf Steengoed, biscuit kegel 010",
                                              "Opbrengen: dompelen, 1 laag",
                                              "Recept zoals gemengd (200 g):",
                                              "    Kwarts\t100.00 %\t200.0 g",
                                              "    Totaal\t\t200.0 g"};
    const std::vector<std::string> englishSheet{"Test K-7",
                                                "Glaze: Seladon",
                                                "Tile: clay body Steengoed, bisque cone 010",
                                                "Application: dipping, 1 coat",
                                                "Recipe as mixed (200 g):",
                                                "    Kwarts\t100.00 %\t200.0 g",
                                                "    Total\t\t200.0 g"};
    EXPECT_EQ(TestSheet::lines(notebook, t), dutchSheet);
    setTranslateFunction(&english);
    EXPECT_EQ(TestSheet::lines(notebook, t), englishSheet);
}

// A refused step names its number around the reason, itself a template; a
// typed value that looks like a placeholder stays as typed.
TEST_F(TranslateCorecalcTest, ScheduleErrorsAndTheNoteOfAMaterialWithoutAnalysis) {
    const auto refusal = [](const char* schedule) {
        return messageOf<NotebookError>([&] { FiringSchedule::parse(schedule); });
    };
    EXPECT_EQ(refusal("150:1000:10,100:%2:0"), "Stap 2 van het stookschema: '%2' is geen temperatuur.");
    EXPECT_EQ(Material::withoutAnalysisNote("Rode pigment"), "zonder analyse: Rode pigment");
    setTranslateFunction(&english);
    EXPECT_EQ(refusal("150:1000:10,100:%2:0"), "Step 2 of the firing schedule: '%2' is not a temperature.");
    EXPECT_EQ(Material::withoutAnalysisNote("Rode pigment"), "no analysis: Rode pigment");
}

} // namespace
} // namespace kelvora
