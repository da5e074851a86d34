// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/GlzDMUnit.h"
#include "materials/PercentToMolConverter.h"
#include "model/OxideCatalogue.h"
#include "model/TableLayouts.h"
#include "store/PacketCodec.h"
#include "store/RecordMapper.h"
#include "support/EngineFixtures.h"
#include "support/RecordingPrompter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace kelvora::test {
namespace {

Packet starter(const char* file) {
    auto packet = readPacketFile(std::string(KELVORA_DATA_SOURCE) + "/" + file);
    if (!packet) throw std::runtime_error(std::string("missing ") + file);
    return *packet;
}

TEST(StarterData, TablesCarryTheFullLayoutsAndEnoughRecords) {
    const Packet materials = starter("mat.xml");
    const Packet glazes = starter("glz.xml");
    EXPECT_EQ(materials.fields(), TableLayouts::materials());
    EXPECT_EQ(glazes.fields(), TableLayouts::glazes());
    EXPECT_GE(materials.rows.size(), 120u);
    EXPECT_GE(glazes.rows.size(), 25u);
}

// Molecular weights from the formulas with the IUPAC atomic weights, by hand:
// K2O 94.195 + Al2O3 101.961 + 6 SiO2 360.498; Al2O3 + 2 SiO2 + 2 H2O; CaCO3.
TEST(StarterData, TheoreticalMaterialsHaveStoichiometricWeights) {
    View view("MatCDS");
    view.setIndexFieldNames("naam");
    view.openPacket(starter("mat.xml"));
    for (const auto& [name, molg] : std::vector<std::pair<std::string, double>>{
             {"Orthoklaas", 556.65}, {"Kaolien", 258.16}, {"Krijt", 100.09}}) {
        ASSERT_TRUE(view.findKey(name)) << name;
        EXPECT_DOUBLE_EQ(view.asNumber("molg"), molg) << name;
    }
}

TEST(StarterData, PercentageMaterialsConvertToTheirStoredFormula) {
    View view("MatCDS");
    view.declareFields(TableLayouts::materials());
    view.openPacket(starter("mat.xml"));
    RecordingPrompter prompter;
    int converted = 0;
    for (view.first(); !view.eof(); view.next()) {
        if (view.asText("molproc") != "P") continue;
        SCOPED_TRACE(view.asText("naam"));
        std::vector<double> stored;
        for (const auto& oxide : OxideCatalogue::all())
            stored.push_back(view.asNumber(oxide.stem));
        const double molg = view.asNumber("molg");
        ASSERT_TRUE(convertCurrentMaterial(view, prompter));
        for (const auto& oxide : OxideCatalogue::all())
            EXPECT_NEAR(view.asNumber(oxide.stem), stored[static_cast<std::size_t>(oxide.position - 1)],
                        1e-12)
                << oxide.stem;
        EXPECT_NEAR(view.asNumber("molg"), molg, 1e-9);
        ++converted;
    }
    EXPECT_GE(converted, 5);
    EXPECT_TRUE(prompter.entries.empty());
}

// Materials corrected to published analyses (the source is named in each
// description). The stored formula must be the analysis brought to one mol of
// basic oxides: mols = (weight % / molar mass) / basis, molg = max(100, sum) /
// basis. Molar masses here are IUPAC 2021 atomic-weight sums, not the
// program's rounded table, so the check does not repeat the conversion.
struct PublishedAnalysis {
    const char* name;
    std::vector<std::pair<const char*, double>> percent; // basic oxides first
    double tolerance;                                    // relative
};

double iupacMolarMass(const std::string& stem) {
    static const std::map<std::string, double> masses{
        {"na2o", 61.979},   {"k2o", 94.195},  {"mgo", 40.304},    {"cao", 56.077},
        {"feo", 71.844},    {"b2o3", 69.619}, {"al2o3", 101.960}, {"fe2o3", 159.687},
        {"cr2o3", 151.989}, {"sio2", 60.083}, {"tio2", 79.865}};
    return masses.at(stem);
}

TEST(StarterData, CorrectedMaterialsMatchTheirPublishedAnalyses) {
    const std::set<std::string> basic{"na2o", "k2o", "mgo", "cao", "feo"};
    const std::vector<PublishedAnalysis> table{
        // Digitalfire, OM #4 Ball Clay (data sheet of January 2013).
        {"OM-4-type ball clay",
         {{"cao", 0.20},
          {"k2o", 1.10},
          {"mgo", 0.50},
          {"na2o", 0.20},
          {"tio2", 2.00},
          {"al2o3", 26.30},
          {"sio2", 59.70},
          {"fe2o3", 1.30}},
         0.003},
        // Digitalfire, Ferro Frit 3249.
        {"Fritte 3249-type",
         {{"cao", 3.50}, {"mgo", 12.20}, {"b2o3", 28.90}, {"al2o3", 13.30}, {"sio2", 42.10}},
         0.003},
        // Digitalfire, Ferro Frit 3110.
        {"Fritte 3110-type",
         {{"cao", 6.29}, {"k2o", 2.36}, {"na2o", 15.24}, {"b2o3", 2.64}, {"al2o3", 3.70}, {"sio2", 69.77}},
         0.003},
        // Digitalfire, Iron Chromate: FeO.Cr2O3 as published (Cr2O3 67.85, FeO 32.40, summing to 100.25);
        // the material is stored from the formula, which that analysis rounds.
        {"IJzerchromiet", {{"feo", 32.40}, {"cr2o3", 67.85}}, 0.012},
    };
    View view("MatCDS");
    view.setIndexFieldNames("naam");
    view.declareFields(TableLayouts::materials());
    view.openPacket(starter("mat.xml"));
    for (const auto& material : table) {
        SCOPED_TRACE(material.name);
        ASSERT_TRUE(view.findKey(material.name));
        double basis = 0, sum = 0;
        for (const auto& [stem, percent] : material.percent) {
            sum += percent;
            if (basic.count(stem)) basis += percent / iupacMolarMass(stem);
        }
        ASSERT_GT(basis, 0);
        for (const auto& oxide : OxideCatalogue::all()) {
            double expected = 0;
            for (const auto& [stem, percent] : material.percent)
                if (oxide.stem == stem) expected = percent / iupacMolarMass(stem) / basis;
            EXPECT_NEAR(view.asNumber(oxide.stem), expected,
                        material.tolerance * std::max(expected, 1e-9) + 1e-12)
                << oxide.stem;
        }
        const double molg = std::max(100.0, sum) / basis;
        EXPECT_NEAR(view.asNumber("molg"), molg, material.tolerance * molg);
    }
}

// The standard borax frit is published as a Seger formula with its molecular
// weight (Potclays P2263: 0.330 Na2O 0.033 K2O 0.634 CaO 0.003 MgO, 0.173
// Al2O3 0.630 B2O3, 1.88 SiO2, 233.8); the stored material must give it back.
TEST(StarterData, StandardBoraxFritIsItsPublishedFormula) {
    View view("MatCDS");
    view.setIndexFieldNames("naam");
    view.declareFields(TableLayouts::materials());
    view.openPacket(starter("mat.xml"));
    ASSERT_TRUE(view.findKey("Standaard borax fritte"));
    const std::map<std::string, double> formula{{"na2o", 0.330}, {"k2o", 0.033},   {"cao", 0.634},
                                                {"mgo", 0.003},  {"al2o3", 0.173}, {"b2o3", 0.630},
                                                {"sio2", 1.88}};
    for (const auto& oxide : OxideCatalogue::all()) {
        const auto it = formula.find(std::string(oxide.stem));
        EXPECT_NEAR(view.asNumber(oxide.stem), it == formula.end() ? 0.0 : it->second, 0.0015) << oxide.stem;
    }
    EXPECT_NEAR(view.asNumber("molg"), 233.8, 0.5);
}

TEST(StarterData, StoredGlazeResultsAreThoseOfACalculation) {
    RecordingPrompter prompter;
    TGlzDM dm(prompter, "unused");
    dm.MatCDS.openPacket(starter("mat.xml"));
    dm.GlzCDS.openPacket(starter("glz.xml"));
    View& g = dm.GlzCDS;
    std::vector<int> numeric;
    for (int f = 0; f < static_cast<int>(g.fields().size()); ++f)
        if (g.fields()[static_cast<std::size_t>(f)].type == FieldType::Float ||
            g.fields()[static_cast<std::size_t>(f)].type == FieldType::Integer)
            numeric.push_back(f);
    for (int row = 0; row < g.recordCount(); ++row) {
        g.moveTo(row);
        SCOPED_TRACE(g.asText("naam"));
        std::vector<double> stored;
        for (int f : numeric)
            stored.push_back(g.asNumber(f));
        dm.CalcGlaze(false, false);
        for (std::size_t i = 0; i < numeric.size(); ++i)
            EXPECT_NEAR(g.asNumber(numeric[i]), stored[i], 1e-9)
                << g.fields()[static_cast<std::size_t>(numeric[i])].name;
        EXPECT_FALSE(g.asText("skva").empty());
        EXPECT_FALSE(g.asText("catg").empty());
    }
    EXPECT_TRUE(prompter.entries.empty());
}

} // namespace
} // namespace kelvora::test
