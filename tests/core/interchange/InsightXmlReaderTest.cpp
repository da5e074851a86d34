// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interchange/ReaderTestSupport.h"
#include "interchange/ImportError.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

TEST(InsightXml, ReadsRecipesWithEitherAdditionFlagAndMixedUnits) {
    const ImportedFile f = readFixture("insight_recipes.xml", RecipeFormat::InsightXml);
    ASSERT_EQ(f.recipes.size(), 2u);
    const ImportedRecipe& r = f.recipes[0];
    EXPECT_EQ(r.name, "Proef Helder K6");
    EXPECT_EQ(r.line, 3);
    // 2000 g and 100 g are 2 kg and 0.1 kg beside the first line's 8 kg.
    EXPECT_EQ(linesOf(r), "Veldspaat A=8;Fritte B=2;+Kleurstof C=0.1");
    EXPECT_EQ(r.lines[2].line, 7);
    EXPECT_EQ(r.description, "Verzonnen voor de test.");
    EXPECT_EQ(sourceOf(r),
              "Keywords=helder, porselein|Date=2020-01-02|Code=P-6|Url=https://example.org/proef-helder");
    EXPECT_EQ(linesOf(f.recipes[1]), "+Kwarts=30;Kaolien=70") << "one unit: amounts as written";
    EXPECT_TRUE(f.materials.empty());
}

TEST(InsightXml, ReadsMaterialsWithTheirOxidesAndLoss) {
    const ImportedFile f = readFixture("insight_materials.xml", RecipeFormat::InsightXml);
    ASSERT_EQ(f.materials.size(), 2u);
    const ImportedMaterial& clay = f.materials[0];
    EXPECT_EQ(clay.name, "Proefklei");
    EXPECT_EQ(clay.description, "Verzonnen klei");
    EXPECT_EQ(clay.kind, AnalysisKind::WeightPercent);
    EXPECT_EQ(analysisOf(clay), "SiO2 47;Al2O3 38.5;Fe2O3 0.5");
    EXPECT_DOUBLE_EQ(clay.loi, 14.0) << "the volatile LOI is the stated loss";
    EXPECT_EQ(f.materials[1].kind, AnalysisKind::None);
}

TEST(InsightXml, RefusesAConversionThatIsNotPositive) {
    EXPECT_THROW(readRecipeFile("<recipe name=\"R\"><recipelines><recipeline material=\"K\" amount=\"1\" "
                                "conversion=\"0\"/></recipelines></recipe>",
                                RecipeFormat::InsightXml),
                 ImportError);
}

} // namespace
} // namespace kelvora::test
