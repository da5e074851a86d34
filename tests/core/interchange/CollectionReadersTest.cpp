// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interchange/ReaderTestSupport.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

TEST(HyperGlaze, ReadsLabelsTableAdditionsAndCommentsFromMacRoman) {
    const ImportedFile f = readFixture("hyperglaze.txt", RecipeFormat::HyperGlaze);
    ASSERT_EQ(f.recipes.size(), 2u);
    const ImportedRecipe& r = f.recipes[0];
    EXPECT_EQ(r.name, "Proef Halfmat");
    EXPECT_EQ(r.cone, "04");
    EXPECT_EQ(linesOf(r), "Gerstley Borate=50;Wirt\xE2\x80\x99s Klei=30;Kwarts=20;+Koperoxide=4");
    EXPECT_EQ(r.lines[0].line, 9);
    EXPECT_EQ(sourceOf(r),
              "Colour=Translucent Green|Tested=Tested|Surface=Semi-Gloss|Atmosphere=Ox. or Red.");
    EXPECT_EQ(r.description, "Verzonnen voor de test.\nTweede regel.");
    const ImportedRecipe& second = f.recipes[1];
    EXPECT_EQ(linesOf(second), "Kaolien=?;Veldspaat=60") << "a range is left for the potter";
    EXPECT_EQ(sourceOf(second), "Kind=Liner");
}

TEST(Sankey, ReadsLetteredRecordsFromTheHtmlPage) {
    const ImportedFile f = readFixture("sankey.html", RecipeFormat::Sankey);
    ASSERT_EQ(f.recipes.size(), 2u) << "the key to the letters is no glaze";
    const ImportedRecipe& r = f.recipes[0];
    EXPECT_EQ(r.name, "Proef Helder Cone 016");
    EXPECT_EQ(r.cone, "016");
    EXPECT_EQ(linesOf(r), "frit,Pemco 25=43.6;kaolin,EPK=20;tin=?");
    EXPECT_EQ(r.lines[2].unsettled, "bereik '3-6' in plaats van één hoeveelheid");
    EXPECT_EQ(sourceOf(r), "Source=Iemand & Anderen|Surface=gloss|Tested=Tester, good");
    EXPECT_EQ(r.description, "Fout: crazes");
    EXPECT_EQ(f.recipes[1].description, "Stoken: slow cool\nextra tekst zonder letter");
}

TEST(Lipgloss, ReadsIngredientsAsMaterialsOnly) {
    const ImportedFile f = readFixture("lipgloss.json", RecipeFormat::Lipgloss);
    EXPECT_TRUE(f.recipes.empty());
    ASSERT_EQ(f.materials.size(), 2u);
    EXPECT_EQ(f.materials[0].id, "0");
    EXPECT_EQ(f.materials[0].name, "Proefspaat");
    EXPECT_EQ(analysisOf(f.materials[0]), "SiO2 68;Al2O3 19;Na2O 12");
    EXPECT_DOUBLE_EQ(f.materials[0].loi, 0.3);
    EXPECT_EQ(f.materials[0].description, "verzonnen\nPrijs: 1.25");
    EXPECT_DOUBLE_EQ(f.materials[1].loi, 44.0);
    EXPECT_EQ(f.materials[1].kind, AnalysisKind::WeightPercent);
}

} // namespace
} // namespace kelvora::test
