// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/TextRecipeReader.h"
#include "interchange/RecipeFormat.h"
#include "model/NullNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace kelvora::test {
namespace {

// A recipe in one string: "name|line;line;..." where a line is
// "material=amount", "+material=amount" for an addition, or "material=?" for
// a line left for the potter to settle.
std::string summary(const ImportedRecipe& r) {
    std::ostringstream out;
    out << r.name << '|';
    for (std::size_t i = 0; i < r.lines.size(); ++i) {
        const ImportedLine& l = r.lines[i];
        out << (i ? ";" : "") << (l.addition ? "+" : "") << l.name << '=';
        if (!l.unsettled.empty())
            out << '?';
        else
            out << l.amount;
    }
    return out.str();
}

std::string summary(const ImportedFile& f) {
    std::string out;
    for (const ImportedRecipe& r : f.recipes)
        out += (out.empty() ? "" : " // ") + summary(r);
    return out;
}

struct Case {
    const char* what;
    const char* text;
    const char* expected;
};

class PastedText : public ::testing::TestWithParam<Case> {};

TEST_P(PastedText, ReadsAsThePotterMeantIt) {
    EXPECT_EQ(summary(TextRecipeReader::read(GetParam().text)), GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PastedText,
    ::testing::Values(
        Case{"name then amount, lower case, an add line",
             "custer spar 50.00\nball clay 4.5\nflint 22.2\nadd\nzinc oxide 6.7",
             "|custer spar=50;ball clay=4.5;flint=22.2;+zinc oxide=6.7"},
        Case{"amount first, percent signs, a first line that names the recipe",
             "Shiny Blue\n32% Custer Feldspar\n20 G-200 Feldspar\n18 % Whiting",
             "Shiny Blue|Custer Feldspar=32;G-200 Feldspar=20;Whiting=18"},
        Case{"decimal commas, a leading plus, a range and a line without a number",
             "Celadon\nKalkspaat 20,5\nKaolien ,5\n+ IJzeroxide 1,5\nRutiel 1-4\nCMC naar behoefte",
             "Celadon|Kalkspaat=20.5;Kaolien=0.5;+IJzeroxide=1.5;Rutiel=?;CMC naar behoefte=?"},
        Case{"every addition switch, in any case",
             "A\nSilica 10\nADDED\nRed Iron Oxide 1\n\nB\nSilica 10\nAlso add:\nTin 2\n\nC\nSilica 10\n"
             "toevoegen\nRutiel 3\n\nD\nSilica 10\nToevoegingen:\nZirkoon 4\n\nE\nSilica 10\nAdd:\nBentonite "
             "2",
             "A|Silica=10;+Red Iron Oxide=1 // B|Silica=10;+Tin=2 // C|Silica=10;+Rutiel=3 // "
             "D|Silica=10;+Zirkoon=4 // E|Silica=10;+Bentonite=2"},
        Case{"two tables with headers, a footnote mark and its footnote",
             "John's Tenmoku\nIngredient Amount\nCuster Feldspar 45.00\nSilica 30.00\nTotal 75.00\n"
             "Add Amount\nRed Iron Oxide 10.00\nBentonite* 3.00\n*Weigh the Bentonite separately",
             "John's Tenmoku|Custer Feldspar=45;Silica=30;+Red Iron Oxide=10;+Bentonite=3"},
        Case{"tab columns take the first number; a totals line and a rule are skipped",
             "Recipe:\tPercent\tBatch\nGertsley Borate\t50.00\t500.00\nEPK\t50.00\t500.00\n"
             "----------\nTotals:\t100.00 %\t1000.00 gm\nAlso add:\nCopper Carbonate\t4.00\t40.00",
             "|Gertsley Borate=50;EPK=50;+Copper Carbonate=4"},
        Case{"dotted leaders, with and without blanks",
             "Wollastonite ........ 15\nTalc.....4.5\nEPK \xE2\x80\xA6 20",
             "|Wollastonite=15;Talc=4.5;EPK=20"},
        Case{"a number at both ends follows the order of the other lines",
             "20 Ferro Frit 3134\n40 Nepheline Syenite\n30 Silica \n",
             "|Ferro Frit 3134=20;Nepheline Syenite=40;Silica=30"},
        Case{"a number at both ends with no order to follow is not guessed", "20 Ferro Frit 3134",
             "|20 Ferro Frit 3134=?"},
        Case{"a malformed number is kept for the potter", "Glaze\nSilica 12,5,3\nEPK 20",
             "Glaze|Silica=?;EPK=20"},
        Case{"colorants after a blank line without a label stay in the recipe",
             "Clear\n40 Custer Feldspar\n60 Silica\n\n4 Tin Oxide",
             "Clear|Custer Feldspar=40;Silica=60;Tin Oxide=4"},
        Case{"a blank line and a name line start the next recipe",
             "Leach 4321 Celadon\n40 Potash Feldspar\n30 Silica\nAdded\n1 Red Iron Oxide\n\nWhite Matte\n"
             "Dolomite 20\nEPK 25",
             "Leach 4321 Celadon|Potash Feldspar=40;Silica=30;+Red Iron Oxide=1 // White "
             "Matte|Dolomite=20;EPK=25"},
        Case{"a no-break space and a bullet around a name", "- Magnesium carbonate\xC2\xA0\xC2\xA0 35,7",
             "|Magnesium carbonate=35.7"}));

TEST(PastedTextDetails, KeepsTheLineTextNumberFootnoteConeAndComments) {
    const ImportedFile f =
        TextRecipeReader::read("Tenmoku\nCone 10\nFeldspar* 45\nSilica 30\n"
                               "*Use soda feldspar\nComments:\nFire slowly.\nGood on stoneware");
    ASSERT_EQ(f.recipes.size(), 1u);
    const ImportedRecipe& r = f.recipes[0];
    EXPECT_EQ(r.cone, "10");
    EXPECT_EQ(r.description, "Use soda feldspar\nFire slowly.\nGood on stoneware");
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(r.lines[0].name, "Feldspar");
    EXPECT_EQ(r.lines[0].line, 3);
    EXPECT_EQ(r.lines[0].text, "Feldspar* 45");
    EXPECT_EQ(r.lines[1].line, 4);
    EXPECT_EQ(r.line, 1);
}

TEST(PastedTextDetails, UnsettledLinesSayWhy) {
    const ImportedFile f = TextRecipeReader::read("X\nSilica 12,5,3\nRutile 1 - 4\nCMC a pinch");
    ASSERT_EQ(f.recipes.size(), 1u);
    const auto& l = f.recipes[0].lines;
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[0].unsettled, "'12,5,3' is geen getal");
    EXPECT_EQ(l[1].unsettled, "bereik '1 - 4' in plaats van één hoeveelheid");
    EXPECT_EQ(l[1].name, "Rutile");
    EXPECT_EQ(l[2].unsettled, "geen hoeveelheid");
    for (const ImportedLine& line : l)
        EXPECT_TRUE(isNullNumber(line.amount)) << line.name;
}

TEST(PastedTextDetails, EmptyAndBlankTextHoldNoRecipe) {
    EXPECT_TRUE(TextRecipeReader::read("").recipes.empty());
    EXPECT_TRUE(TextRecipeReader::read("\n  \n\t\n").recipes.empty());
}

} // namespace
} // namespace kelvora::test
