// SPDX-License-Identifier: GPL-3.0-or-later
// Export, then read back with Kelvora's own readers: the same recipes (names,
// lines in order, amounts, addition flags, cones) and, calculated with the
// same materials, the same Seger formula.
#include "ExportTestData.h"

#include "engine/Calculate.h"
#include "interchange/PercentAnalysis.h"
#include "interchange/RecipeExport.h"
#include "interchange/RecipeFormat.h"
#include "model/MaterialLookup.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kelvora::test {
namespace {

struct Pair {
    ExportFormat written;
    RecipeFormat read;
    bool cones;     // whether the format has a cone field the reader takes
    bool ownFields; // whether the export keeps Kelvora's cone fields and category
};
constexpr Pair kPairs[] = {
    {ExportFormat::GlazyYaml, RecipeFormat::GlazyYaml, true, true},
    {ExportFormat::InsightXml, RecipeFormat::InsightXml, false, true},
    {ExportFormat::GlazeChem, RecipeFormat::GlazeChem, true, true},
    {ExportFormat::Text, RecipeFormat::Text, true, false},
};

// The imported lines as a recipe in percentages: base lines then additions,
// each in the order read.
Recipe recipeOf(const ImportedRecipe& imported) {
    Recipe recipe;
    recipe.molp = "P";
    for (const auto& line : imported.lines) {
        const SlotKind kind = line.addition ? SlotKind::Addition : SlotKind::Recipe;
        EXPECT_TRUE(recipe.addName(kind, line.name)) << line.name;
        if (line.addition) {
            for (auto& slot : recipe.additions)
                if (slot.name == line.name && std::isnan(slot.tvp)) slot.tvp = line.amount;
        } else {
            for (auto& slot : recipe.recipeSlots)
                if (slot.name == line.name && std::isnan(slot.mtp)) slot.mtp = line.amount;
        }
    }
    return recipe;
}

void expectRoundTrip(const Pair& pair, const std::vector<Glaze>& glazes,
                     const std::vector<Material>& materials) {
    const ExportSet set = ExportSet::of(glazes, materials);
    const auto files = exportRecipes(set, pair.written);
    const ImportedFile file = readRecipeFile(files[0].content, pair.read);
    ASSERT_EQ(file.recipes.size(), glazes.size());
    const MaterialLookup lookup(materials);
    for (std::size_t g = 0; g < glazes.size(); ++g) {
        const ImportedRecipe& imported = file.recipes[g];
        SCOPED_TRACE(glazes[g].naam);
        EXPECT_EQ(imported.name, glazes[g].naam);
        // The pasted-text reader keeps what follows the "SK" label of a cone line.
        const std::string cones = exportSegerCones(glazes[g]);
        if (pair.written == ExportFormat::Text) {
            EXPECT_EQ(imported.cone, cones.empty() ? cones : cones.substr(3));
        } else if (pair.cones) {
            EXPECT_EQ(imported.cone, cones);
        }
        if (pair.ownFields) {
            EXPECT_EQ(imported.skva.value_or("?"), glazes[g].skva);
            EXPECT_EQ(imported.sktt.value_or("?"), glazes[g].sktt);
            EXPECT_EQ(imported.catg.value_or("?"), glazes[g].catg);
        }
        const auto lines = ExportSet::lines(glazes[g]);
        ASSERT_EQ(imported.lines.size(), lines.size());
        for (std::size_t l = 0; l < lines.size(); ++l) {
            EXPECT_EQ(imported.lines[l].name, lines[l].name);
            EXPECT_EQ(imported.lines[l].unsettled, "") << lines[l].name;
            EXPECT_TRUE(sameToSixDigits(imported.lines[l].amount, lines[l].amount))
                << imported.lines[l].amount << " for " << lines[l].amount;
            EXPECT_EQ(imported.lines[l].addition, lines[l].addition) << lines[l].name;
        }
        const CalcResult before = calculate(glazes[g].recipe, lookup, {});
        const CalcResult after = calculate(recipeOf(imported), lookup, {});
        ASSERT_FALSE(before.stopped) << (before.messages.empty() ? "" : before.messages[0]);
        ASSERT_FALSE(after.stopped);
        for (std::size_t o = 0; o < before.oxides.size(); ++o)
            EXPECT_LE(std::fabs(after.oxides[o] - before.oxides[o]), 1e-9) << OxideCatalogue::all()[o].label;
    }
}

TEST(RoundTripTest, ExampleGlazesComeBackFromEveryReadableFormat) {
    for (const Pair& pair : kPairs) {
        SCOPED_TRACE(std::string(exportFormatName(pair.written)));
        expectRoundTrip(pair, exampleGlazes(), starterMaterials());
    }
}

TEST(RoundTripTest, AwkwardNamesComeBackFromEveryReadableFormat) {
    const AwkwardSet awkward = awkwardSet();
    for (const Pair& pair : kPairs) {
        SCOPED_TRACE(std::string(exportFormatName(pair.written)));
        expectRoundTrip(pair, awkward.glazes, awkward.materials);
    }
}

// The materials of an export read back with their names and analyses: each
// oxide to nine significant digits, the loss on ignition as written.
TEST(RoundTripTest, MaterialsComeBackWithTheirAnalyses) {
    const AwkwardSet awkward = awkwardSet();
    const ExportSet set = ExportSet::of(awkward.glazes, awkward.materials);
    const struct {
        ExportFormat written;
        RecipeFormat read;
        std::size_t file;
    } cases[] = {
        {ExportFormat::GlazyYaml, RecipeFormat::GlazyYaml, 0},
        {ExportFormat::InsightXml, RecipeFormat::InsightXml, 1},
        {ExportFormat::GlazeChem, RecipeFormat::GlazeChem, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(exportFormatName(c.written)));
        const ImportedFile file = readRecipeFile(exportRecipes(set, c.written).at(c.file).content, c.read);
        ASSERT_EQ(file.materials.size(), set.materials.size());
        for (std::size_t m = 0; m < set.materials.size(); ++m) {
            const ImportedMaterial& read = file.materials[m];
            const PercentAnalysis written = PercentAnalysis::of(set.materials[m]);
            EXPECT_EQ(read.name, set.materials[m].naam);
            EXPECT_EQ(read.kind, AnalysisKind::WeightPercent);
            for (const auto& entry : read.analysis) {
                const Oxide* oxide = nullptr;
                for (const auto& candidate : OxideCatalogue::all())
                    if (candidate.label == entry.symbol) oxide = &candidate;
                ASSERT_NE(oxide, nullptr) << entry.symbol;
                EXPECT_NEAR(entry.value, written.percent[static_cast<std::size_t>(oxide->position - 1)],
                            1e-8 * entry.value)
                    << entry.symbol;
            }
            EXPECT_NEAR(read.loi, written.loi, 1e-9) << read.name;
        }
    }
}

} // namespace
} // namespace kelvora::test
