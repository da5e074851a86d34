// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/AnalysisConversion.h"

#include "model/OxideCatalogue.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

ImportedMaterial material(AnalysisKind kind, std::vector<AnalysisEntry> analysis, double loi = kNullNumber) {
    ImportedMaterial m;
    m.name = "Proef";
    m.kind = kind;
    m.analysis = std::move(analysis);
    m.loi = loi;
    return m;
}

double oxide(const Material& m, const char* stem) {
    const double value = m.oxides[static_cast<std::size_t>(OxideCatalogue::byStem(stem)->position - 1)];
    return isNullNumber(value) ? 0.0 : value;
}

// Worked by hand with the oxides' molar masses (CaO 56.1, SiO2 60.1,
// Al2O3 102.0, K2O 94.2 g/mol) and those of the volatiles (CO2 44.0,
// H2O 18.0, IUPAC 2021 conventional atomic weights).
TEST(ImportAnalysis, PercentagesGoThroughTheConversionWithTheLossCounted) {
    // Whiting as a supplier writes it: CaO 56.1 %, LOI 43.9 %. One mol of
    // CaO is 100 g of the raw material, the loss included.
    const auto whiting =
        AnalysisConversion::of(material(AnalysisKind::WeightPercent, {{"CaO", 56.1}, {"LOI", 43.9}}));
    ASSERT_TRUE(whiting.material) << whiting.refusal;
    EXPECT_EQ(whiting.material->molproc, "P");
    EXPECT_NEAR(oxide(*whiting.material, "cao"), 1.0, 1e-12);
    EXPECT_NEAR(whiting.material->molg, 100.0, 1e-9);
    EXPECT_NE(whiting.material->omsc.find("Gloeiverlies volgens het bestand: 43.9 %"), std::string::npos)
        << whiting.material->omsc;
    EXPECT_TRUE(whiting.notes.empty());

    // A stated loss that does not fit the analysis is reported, not used.
    const auto off = AnalysisConversion::of(material(AnalysisKind::WeightPercent, {{"CaO", 56.1}}, 45.0));
    ASSERT_TRUE(off.material);
    EXPECT_NEAR(off.material->molg, 100.0, 1e-9);
    ASSERT_EQ(off.notes.size(), 1u);
    EXPECT_NE(off.notes[0].find("43.9"), std::string::npos) << off.notes[0];
    // Within half a percent it is not.
    EXPECT_TRUE(
        AnalysisConversion::of(material(AnalysisKind::WeightPercent, {{"CaO", 56.1}}, 44.3)).notes.empty());
}

TEST(ImportAnalysis, MolarFormulasAreMolsWithTheVolatilesWeighedAsLoss) {
    const struct {
        std::vector<AnalysisEntry> formula;
        double molg;
        double sio2;
    } cases[] = {
        {{{"CaO", 1}, {"CO2", 1}}, 100.1, 0},                               // calcium carbonate
        {{{"Al2O3", 1}, {"SiO2", 2}, {"H2O", 2}}, 102.0 + 120.2 + 36.0, 2}, // kaolinite
        {{{"Al2O3", 1}, {"SiO2", 2}, {"LOI", 2}}, 102.0 + 120.2 + 36.0, 2}, // "LOI" as water
        {{{"k2o", 0.5}, {"AL2O3", 0.5}, {"SiO2", 3}}, 47.1 + 51.0 + 180.3, 3},
    };
    for (const auto& c : cases) {
        const auto result = AnalysisConversion::of(material(AnalysisKind::Molar, c.formula));
        ASSERT_TRUE(result.material) << result.refusal;
        EXPECT_EQ(result.material->molproc, "M");
        EXPECT_NEAR(result.material->molg, c.molg, 1e-9);
        EXPECT_NEAR(oxide(*result.material, "sio2"), c.sio2, 1e-12);
        EXPECT_TRUE(result.outside.empty());
        EXPECT_TRUE(result.notes.empty());
    }
}

TEST(ImportAnalysis, WhatCannotBeTakenOverIsRefusedOrListed) {
    const auto knao = AnalysisConversion::of(material(AnalysisKind::Molar, {{"KNaO", 1}, {"SiO2", 3}}));
    EXPECT_FALSE(knao.material);
    EXPECT_EQ(knao.refusal, "KNaO: splits in K2O en Na2O");

    const auto outside =
        AnalysisConversion::of(material(AnalysisKind::Molar, {{"CaO", 1}, {"F", 2}, {"CaF2", 0.1}}));
    ASSERT_TRUE(outside.material);
    EXPECT_EQ(outside.outside, (std::vector<std::string>{"F", "CaF2"}));
    EXPECT_NE(outside.material->omsc.find("F, CaF2"), std::string::npos);

    // A "molar" formula adding up to 95..105 is probably a percentage analysis.
    const auto percent =
        AnalysisConversion::of(material(AnalysisKind::Molar, {{"SiO2", 66}, {"Al2O3", 18}, {"K2O", 14}}));
    ASSERT_TRUE(percent.material);
    ASSERT_EQ(percent.notes.size(), 1u);
    EXPECT_NE(percent.notes[0].find("gewichtsprocenten"), std::string::npos);

    EXPECT_FALSE(AnalysisConversion::of(material(AnalysisKind::Molar, {{"H2O", 1}})).material);
    EXPECT_FALSE(AnalysisConversion::of(material(AnalysisKind::WeightPercent, {{"LOI", 100}})).material);
    EXPECT_FALSE(AnalysisConversion::of(material(AnalysisKind::Molar, {{"CaO", -1}})).material);
}

TEST(ImportAnalysis, AMaterialWithoutAnalysisIsMarkedSo) {
    const auto stain = AnalysisConversion::of(material(AnalysisKind::None, {}));
    ASSERT_TRUE(stain.material);
    EXPECT_TRUE(stain.material->withoutAnalysis());
    EXPECT_TRUE(isNullNumber(stain.material->molg));
}

} // namespace
} // namespace kelvora::test
