// SPDX-License-Identifier: GPL-3.0-or-later
// The pieces under the writers: numbers as files hold them, the recipe's
// percentage analysis as Glazy computes it, and writing the files of an export.
#include "ExportTestData.h"

#include "common/NumberFormat.h"
#include "interchange/ExportNumber.h"
#include "interchange/PercentAnalysis.h"
#include "interchange/RecipeExport.h"
#include "store/StoreError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace kelvora::test {
namespace {

TEST(ExportNumberTest, AmountsWithTwelveSignificantDigits) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {40.0, "40"},
        {17.999999999999996, "18"},
        {35.00000000000001, "35"},
        {33.333333333333336, "33.3333333333"},
        {0.1, "0.1"},
        {1.5, "1.5"},
        {0.0012345678, "0.0012345678"},
        {1e-20, "0.00000000000000000001"},
        {-2.5, "-2.5"},
        {0.0, "0"},
        {-0.0, "0"},
        {std::nan(""), "0"},
        {HUGE_VAL, "0"},
    };
    const char before = numfmt::decimalSeparator();
    numfmt::setDecimalSeparator(',');
    for (const auto& c : cases)
        EXPECT_EQ(ExportNumber::amount(c.value), c.text) << c.value;
    numfmt::setDecimalSeparator(before);
}

TEST(ExportNumberTest, NineSignificantDigitsWithAPointAndNoExponent) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {40.0, "40"},
        {33.333333333333336, "33.3333333"},
        {0.1, "0.1"},
        {1234.5678, "1234.5678"},
        {0.0012345678, "0.0012345678"},
        {0.00001234, "0.00001234"},
        {123456789012.0, "123456789012"},
        {-2.5, "-2.5"},
        {0.0, "0"},
        {-0.0, "0"},
        {std::nan(""), "0"},
        {99.99999999999, "100"},
    };
    const char before = numfmt::decimalSeparator();
    numfmt::setDecimalSeparator(','); // a Dutch locale must not reach a file
    for (const auto& c : cases)
        EXPECT_EQ(ExportNumber::text(c.value), c.text) << c.value;
    numfmt::setDecimalSeparator(before);
}

Material material(const char* name, const char* molproc, double molg,
                  std::initializer_list<std::pair<const char*, double>> values) {
    Material m;
    m.naam = name;
    m.molproc = molproc;
    m.molg = molg;
    for (const auto& [stem, value] : values) {
        auto& field = std::string(molproc) == "P" ? m.percents : m.oxides;
        field[static_cast<std::size_t>(OxideCatalogue::byStem(stem)->position - 1)] = value;
    }
    return m;
}

// Whiting entered in mols (1 CaO in 100.09 g; CaO weighs 56.1 g/mol in the
// oxide table), silica entered as 100 % SiO2, a stain without chemistry as an
// addition. By hand: whiting is 56.1 / 100.09 = 56.0495554 % CaO and
// 43.9504446 % loss; 50 + 50 + 10 = 110 parts in all, so the mix holds
// 50 x 56.0495554 / 110 = 25.4770706 % CaO, 50 x 100 / 110 = 45.4545455 %
// SiO2 and 50 x 43.9504446 / 110 = 19.9774748 % LOI.
TEST(PercentAnalysisTest, RecipeAnalysisCountsAdditionsAndWeighsMaterialsWithoutChemistry) {
    ExportSet set;
    set.materials = {material("Krijt", "M", 100.09, {{"cao", 1.0}}),
                     material("Kwarts", "P", kNullNumber, {{"sio2", 100}}),
                     material("Vlekkenkleur", "M", kNullNumber, {})};
    const auto whiting = PercentAnalysis::of(set.materials[0]);
    EXPECT_NEAR(whiting.percent[5], 56.0495554, 1e-7);
    EXPECT_NEAR(whiting.loi, 43.9504446, 1e-7);
    EXPECT_FALSE(PercentAnalysis::of(set.materials[2]).known);

    const auto mix =
        PercentAnalysis::mix({{"Krijt", 50, false}, {"Kwarts", 50, false}, {"Vlekkenkleur", 10, true}}, set);
    ASSERT_TRUE(mix.known);
    EXPECT_NEAR(mix.percent[5], 25.4770706, 1e-7);
    EXPECT_NEAR(mix.percent[24], 45.4545455, 1e-7);
    EXPECT_NEAR(mix.loi, 19.9774748, 1e-7);
    EXPECT_FALSE(PercentAnalysis::mix({}, set).known);
}

TEST(RecipeExportTest, GlazeChemWritesTheGlazesAndTheMaterialsBesideThem) {
    TempDir dir;
    const AwkwardSet awkward = awkwardSet();
    const ExportSet set = ExportSet::of(awkward.glazes, awkward.materials);
    const auto paths = writeExport(dir.file("recepten.glz"), set, ExportFormat::GlazeChem);
    ASSERT_EQ(paths, (std::vector<std::string>{dir.file("recepten.glz"), dir.file("recepten.mat")}));
    const auto files = exportRecipes(set, ExportFormat::GlazeChem);
    EXPECT_EQ(readBytes(paths[0]), files[0].content);
    EXPECT_EQ(readBytes(paths[1]), files[1].content);
}

// A main file named like its companion would be overwritten by it: refused
// before anything is written.
TEST(RecipeExportTest, ANameTheMaterialsWouldOverwriteIsRefused) {
    TempDir dir;
    const AwkwardSet awkward = awkwardSet();
    const ExportSet set = ExportSet::of(awkward.glazes, awkward.materials);
    EXPECT_THROW(writeExport(dir.file("recepten.mat"), set, ExportFormat::GlazeChem), StoreError);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

// Lines are the recipe places then the additions, blank places left out, in
// place order; a material the catalogue lacks is left out of the materials.
TEST(RecipeExportTest, LinesAndMaterialsOfAnExport) {
    Glaze glaze;
    glaze.recipe.recipeSlots[0] = {"Kwarts", 60.0, kNullNumber};
    glaze.recipe.recipeSlots[1] = {"   ", 5.0, kNullNumber};
    glaze.recipe.recipeSlots[3] = {"Onbekend", kNullNumber, kNullNumber};
    glaze.recipe.additions[2] = {"Krijt", 4.0};
    const auto lines = ExportSet::lines(glaze);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].name, "Kwarts");
    EXPECT_EQ(lines[1].name, "Onbekend");
    EXPECT_EQ(lines[1].amount, 0.0);
    EXPECT_EQ(lines[2].name, "Krijt");
    EXPECT_TRUE(lines[2].addition);
    const ExportSet set = ExportSet::of({glaze}, {material("Krijt", "M", 100.09, {{"cao", 1.0}}),
                                                  material("Kwarts", "P", kNullNumber, {{"sio2", 100}}),
                                                  material("Los", "P", kNullNumber, {{"sio2", 100}})});
    ASSERT_EQ(set.materials.size(), 2u);
    EXPECT_EQ(set.materials[0].naam, "Kwarts");
    EXPECT_EQ(set.materials[1].naam, "Krijt");
}

} // namespace
} // namespace kelvora::test
