// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Calculate.h"
#include "glaze/AnalysisReport.h"
#include "glaze/BatchWeights.h"
#include "model/Material.h"
#include "model/MaterialLookup.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kelvora::test {
namespace {

std::size_t at(const char* stem) {
    return static_cast<std::size_t>(OxideCatalogue::byStem(stem)->position - 1);
}

Material material(const char* name, double prys, double molg, const char* stem, const char* molproc = "M") {
    Material m;
    m.naam = name;
    m.prys = prys;
    m.molg = molg;
    m.molproc = molproc;
    if (stem) m.oxides[at(stem)] = 1.0;
    return m;
}

Recipe recipe(std::vector<std::pair<const char*, double>> lines) {
    Recipe r;
    r.molp = "P";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        r.recipeSlots[i].name = lines[i].first;
        r.recipeSlots[i].mtp = lines[i].second;
    }
    return r;
}

class WithoutAnalysis : public ::testing::Test {
protected:
    Material stain = material("Stain", 50.0, kNullNumber, nullptr, Material::withoutAnalysisMark);
    std::vector<Material> list{material("Krijt", 1.0, 100.0, "cao"), material("Kwarts", 2.0, 60.1, "sio2"),
                               stain};
    MaterialLookup lookup{list};
};

// Whiting 20, silica 70 and a stain 10: by hand, 0.2 mol CaO and 70 / 60.1
// mol SiO2, brought to one mol of CaO: SiO2 = 350 / 60.1. The stain keeps
// its 10 % and its price: (20 x 1 + 70 x 2 + 10 x 50) / 100 = 6.6.
TEST_F(WithoutAnalysis, ABaseLineWeighsAndCostsButStaysOutOfTheFormula) {
    const CalcResult with = calculate(recipe({{"Krijt", 20}, {"Kwarts", 70}, {"Stain", 10}}), lookup, {});
    ASSERT_FALSE(with.stopped);
    EXPECT_NEAR(with.oxides[at("cao")], 1.0, 1e-12);
    EXPECT_NEAR(with.oxides[at("sio2")], 350.0 / 60.1, 1e-12);
    EXPECT_NEAR(with.mtp[0], 20.0, 1e-9);
    EXPECT_NEAR(with.mtp[1], 70.0, 1e-9);
    EXPECT_NEAR(with.mtp[2], 10.0, 1e-9);
    EXPECT_TRUE(isNullNumber(with.mtm[2]));
    EXPECT_NEAR(with.prys, 6.6, 1e-12);
    EXPECT_NE(std::find(with.messages.begin(), with.messages.end(), "zonder analyse: Stain"),
              with.messages.end());

    // The formula is that of the recipe without the stain.
    const CalcResult without = calculate(recipe({{"Krijt", 20}, {"Kwarts", 70}}), lookup, {});
    for (std::size_t k = 0; k < with.oxides.size(); ++k)
        EXPECT_NEAR(with.oxides[k], without.oxides[k], 1e-12) << k;

    // The batch weighs it; the report names it under the formula.
    Glaze glaze;
    glaze.naam = "Proef";
    glaze.recipe = recipe({{"Krijt", 20}, {"Kwarts", 70}, {"Stain", 10}});
    applyResult(with, glaze);
    const BatchWeights batch = BatchWeights::compute(glaze, 1000.0);
    ASSERT_EQ(batch.rows.size(), 3u);
    EXPECT_NEAR(batch.rows[2].grams, 100.0, 1e-9);
    EXPECT_NEAR(batch.total, 1000.0, 1e-9);
    const auto names = AnalysisReport::linesWithoutAnalysis(glaze, lookup);
    EXPECT_EQ(names, std::vector<std::string>{"Stain"});
    const auto report = AnalysisReport::build(glaze, 0.0, names);
    EXPECT_NE(std::find(report.begin(), report.end(), "zonder analyse: Stain"), report.end());
    // Without the list the report is as it always was.
    const auto plain = AnalysisReport::build(glaze, 0.0);
    EXPECT_EQ(plain.size() + 1, report.size());
}

// Its weight is said by the percentage also in mol mode, and a Z material
// that still holds an old analysis adds none of it.
TEST_F(WithoutAnalysis, InMolModeTheLineKeepsItsPercentageAndAnOldAnalysisIsIgnored) {
    Material marked = material("Oud", 50.0, 80.0, "cuo", Material::withoutAnalysisMark);
    std::vector<Material> withOld = list;
    withOld.push_back(marked);
    const MaterialLookup old(withOld);
    Recipe r;
    r.molp = "M";
    r.recipeSlots[0] = {"Krijt", 20.0, 0.2};
    r.recipeSlots[1] = {"Oud", 10.0, 5.0};
    const CalcResult result = calculate(r, old, {});
    ASSERT_FALSE(result.stopped);
    EXPECT_EQ(result.oxides[at("cuo")], 0.0);
    EXPECT_NEAR(result.oxides[at("cao")], 1.0, 1e-12);
    // 0.2 mol whiting is 20 g beside 10 g of the marked material.
    EXPECT_NEAR(result.mtp[0], 200.0 / 3.0, 1e-9);
    EXPECT_NEAR(result.mtp[1], 100.0 / 3.0, 1e-9);
}

TEST_F(WithoutAnalysis, AnUnmarkedMaterialWithoutMolWeightStillStopsTheRun) {
    std::vector<Material> unmarked = list;
    unmarked[2].molproc = "M";
    const MaterialLookup plain(unmarked);
    const CalcResult result = calculate(recipe({{"Krijt", 20}, {"Kwarts", 70}, {"Stain", 10}}), plain, {});
    EXPECT_TRUE(result.stopped);
    EXPECT_NE(std::find(result.messages.begin(), result.messages.end(),
                        "Proc. GetMG: materiaal heeft geen molgewicht: Stain"),
              result.messages.end());
}

} // namespace
} // namespace kelvora::test
