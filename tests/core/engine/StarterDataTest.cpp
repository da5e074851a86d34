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
