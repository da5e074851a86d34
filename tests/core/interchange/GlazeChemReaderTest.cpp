// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/GlazeChemReader.h"
#include "core/interchange/ReaderTestSupport.h"
#include "interchange/ImportError.h"
#include "model/NullNumber.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

TEST(GlazeChemGlazes, ReadsPairsTextLinesAndMetadataFromCp1252WithCrlf) {
    const ImportedFile f = readFixture("proef.glz", RecipeFormat::GlazeChem);
    ASSERT_EQ(f.recipes.size(), 2u);
    const ImportedRecipe& r = f.recipes[0];
    EXPECT_EQ(r.name, "Proef Basis");
    EXPECT_EQ(r.line, 6);
    EXPECT_EQ(r.cone, "04-03");
    // The no-break spaces after a name are gone, 0x92 is a right quote, an
    // empty amount is left for the potter.
    EXPECT_EQ(linesOf(r), "Magnesium carbonate=35.7;Wirt\xE2\x80\x99s Spar=48;Kwarts=?;+Koperoxide=2.5");
    EXPECT_EQ(r.lines[3].line, 28);
    // In the file's order; the "Bron:" block puts them in its own.
    EXPECT_EQ(sourceOf(r), "Code=17|Date=06/25/2013|Source=Eigen werk|Kind=Glossy|Atmosphere=Ox. or Red.|"
                           "Colour=Clear|Surface=Glossy|Transparency=Transparent|Tested=UnTested");
    EXPECT_EQ(r.description, "flaws: crawls when thick\nVariant: Wintergroen: + koper 0.5%\n"
                             "Eerste regel van de notitie\ntweede regel = met een isgelijkteken");
    EXPECT_EQ(linesOf(f.recipes[1]), "Kaolien=0.5");
    EXPECT_TRUE(f.materials.empty());
}

TEST(GlazeChemMaterials, ReadsAliasesAndMolarAndPercentFormulas) {
    const ImportedFile f = readFixture("proef.mat", RecipeFormat::GlazeChem);
    ASSERT_EQ(f.materials.size(), 4u);
    const ImportedMaterial& spar = f.materials[0];
    EXPECT_EQ(spar.name, "Proefspaat");
    EXPECT_EQ(spar.aliases, (std::vector<std::string>{"psp", "Spaat P", "sp-p", "Veldspaat"}));
    EXPECT_EQ(spar.kind, AnalysisKind::Molar);
    EXPECT_EQ(analysisOf(spar), "Na2O 0.006;K2O 0.7;CaO 0.294;Al2O3 1;SiO2 6");
    EXPECT_EQ(spar.description, "prijs per lb: 0.50\nMolaire formule");
    const ImportedMaterial& clay = f.materials[1];
    EXPECT_EQ(clay.kind, AnalysisKind::WeightPercent);
    EXPECT_EQ(analysisOf(clay), "SiO2 47;Al2O3 38;KNaO 1")
        << "KNaO is kept as written, for the importer to refuse";
    EXPECT_DOUBLE_EQ(clay.loi, 14.0);
    EXPECT_EQ(analysisOf(f.materials[2]), "CaO 1;CO2 1;H2O 2") << "volatiles of a molar formula stay entries";
    EXPECT_TRUE(isNullNumber(f.materials[2].loi));
    EXPECT_EQ(f.materials[3].kind, AnalysisKind::None);
}

TEST(GlazeChemMaterials, FormulaTokensAsWritten) {
    const std::tuple<const char*, AnalysisKind, const char*> cases[] = {
        {"13 CaO  4 P2O5  CO2", AnalysisKind::Molar, "CaO 13;P2O5 4;CO2 1"},
        {"%1.0 K2O  99 SiO2", AnalysisKind::WeightPercent, "K2O 1;SiO2 99"},
        {"1 KMnO4  .5 Na3AlF6", AnalysisKind::Molar, "KMnO4 1;Na3AlF6 0.5"},
        {"0,25 CaO", AnalysisKind::Molar, "CaO 0.25"},
        {"", AnalysisKind::None, ""},
    };
    for (const auto& [formula, kind, entries] : cases) {
        ImportedMaterial m;
        GlazeChemReader::readFormula(formula, 1, m);
        EXPECT_EQ(m.kind, kind) << formula;
        EXPECT_EQ(analysisOf(m), entries) << formula;
    }
    ImportedMaterial m;
    m.name = "X";
    EXPECT_THROW(GlazeChemReader::readFormula("1 2 SiO2", 4, m), ImportError);
}

} // namespace
} // namespace kelvora::test
