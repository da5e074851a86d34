// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interchange/ReaderTestSupport.h"
#include "interchange/ImportError.h"
#include "model/NullNumber.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

TEST(GlazyYaml, ReadsRecipesAndTheDumpsOwnMaterialsPlainOrPacked) {
    for (const char* name : {"glazy_dump.yaml", "glazy_dump.yaml.gz"}) {
        const ImportedFile f = readFixture(name, RecipeFormat::GlazyYaml);
        ASSERT_EQ(f.recipes.size(), 2u) << name;
        const ImportedRecipe& r = f.recipes[0];
        EXPECT_EQ(r.name, "Proef Celadon");
        EXPECT_EQ(r.line, 24);
        EXPECT_EQ(r.cone, "9 - 10");
        EXPECT_EQ(r.description, "Een verzonnen recept.");
        EXPECT_EQ(linesOf(r), "Veldspaat Proef=40;Veldspaat Proef=25.5;Silica=34.5;+Blauwe Kleurstof=2");
        EXPECT_EQ(r.lines[1].materialId, "9001") << "an ingredient without a name takes it from its ID";
        EXPECT_EQ(r.lines[2].materialId, "15400");
        EXPECT_EQ(r.lines[3].line, 54);
        EXPECT_EQ(sourceOf(r),
                  "Atmosphere=Reduction, Wood|Surface=Glossy|Transparency=Transparent|"
                  "Kind=Glaze - Iron - Celadon|Tested=Testing|Source=Glazy|Author=A. Pottenbakker|"
                  "Date=2024-03-01|Code=7001");
        EXPECT_EQ(linesOf(f.recipes[1]), "Silica=100");

        ASSERT_EQ(f.materials.size(), 2u) << "the Analysis record is no material";
        const ImportedMaterial& spar = f.materials[0];
        EXPECT_EQ(spar.id, "9001");
        EXPECT_EQ(spar.kind, AnalysisKind::WeightPercent);
        EXPECT_EQ(analysisOf(spar), "SiO2 70;Al2O3 18;K2O 11");
        EXPECT_DOUBLE_EQ(spar.loi, 0.5);
        EXPECT_EQ(spar.aliases, (std::vector<std::string>{"Proefspaat", "Spar P"}));
        const ImportedMaterial& stain = f.materials[1];
        EXPECT_EQ(stain.kind, AnalysisKind::None);
        EXPECT_TRUE(isNullNumber(stain.loi));
    }
}

TEST(GlazyYaml, OneRecipeOnItsOwnIsARecipe) {
    const ImportedFile f =
        readRecipeFile("ID: 5\nName: Los\nIngredients:\n  - {ID: 1, Name: Kaolien, Percentage: 10}\n",
                       RecipeFormat::GlazyYaml);
    ASSERT_EQ(f.recipes.size(), 1u);
    EXPECT_EQ(linesOf(f.recipes[0]), "Kaolien=10");
    EXPECT_TRUE(readRecipeFile("", RecipeFormat::GlazyYaml).recipes.empty());
}

TEST(GlazyJson, ReadsStringNumbersEntitiesAndInlineAnalyses) {
    const ImportedFile f = readFixture("glazy_recipe.json", RecipeFormat::GlazyJson);
    ASSERT_EQ(f.recipes.size(), 1u);
    const ImportedRecipe& r = f.recipes[0];
    EXPECT_EQ(r.name, "Proef & Co Matt");
    EXPECT_EQ(r.cone, "5\xC2\xBD - 6");
    EXPECT_EQ(linesOf(r), "Kalkveldspaat X=60;Kaolien X=40;+Vlekkensteen=4");
    EXPECT_EQ(r.lines[0].materialId, "801");
    EXPECT_EQ(sourceOf(r), "Surface=Matte|Transparency=Opaque|Tested=Production|Source=Glazy|Date=2019-05-04|"
                           "Code=555");
    ASSERT_EQ(f.materials.size(), 3u);
    EXPECT_EQ(analysisOf(f.materials[0]), "SiO2 65;Al2O3 20;CaO 14.5");
    EXPECT_DOUBLE_EQ(f.materials[0].loi, 0.5);
    EXPECT_EQ(analysisOf(f.materials[1]), "SiO2 46;Al2O3 38") << "derived figures are no oxides";
    EXPECT_DOUBLE_EQ(f.materials[1].loi, 14.0);
    EXPECT_EQ(f.materials[2].kind, AnalysisKind::None);
    EXPECT_EQ(f.materials[2].id, "803");
}

TEST(GlazyJson, AListOfRecipesSharesItsMaterials) {
    const ImportedFile f = readRecipeFile(
        R"([{"name": "A", "materialComponents": [{"percentageAmount": 1, "material": {"id": 7, "name": "K"}}]},
            {"name": "B", "materialComponents": [{"percentageAmount": "2", "isAdditional": true,
                                                  "material": {"id": 7, "name": "K"}}]}])",
        RecipeFormat::GlazyJson);
    ASSERT_EQ(f.recipes.size(), 2u);
    EXPECT_EQ(linesOf(f.recipes[1]), "+K=2");
    EXPECT_EQ(f.materials.size(), 1u);
}

} // namespace
} // namespace kelvora::test
