// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/ChemistryDataFiles.h"
#include "glaze/ChemistryFigures.h"
#include "glaze/LimitSets.h"
#include "glaze/MolarMassTable.h"
#include "glaze/RatioGuide.h"
#include "glaze/StullChart.h"
#include "model/MaterialLookup.h"
#include "store/PacketCodec.h"
#include "store/RecordMapper.h"
#include "store/View.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace kelvora::test {
namespace {

const std::string data = KELVORA_DATA_SOURCE;

// The surface a limit table is for, by the word in its name; the earthenware
// tables (alkaline, lead) are for clear glossy glazes.
std::string surfaceOf(const std::string& setName) {
    if (setName.find(" mat (") != std::string::npos) return "matte";
    if (setName.find(" satijn (") != std::string::npos) return "satin";
    return "gloss";
}

// What a label may meet. Stull charted lime-potash glazes without magnesia,
// so a magnesia satin stands in his bright field; a satin or matte glaze must
// not stand where he found glazes underfired or unfused.
const std::set<std::string>& stullAgrees(const std::string& surface) {
    static const std::set<std::string> gloss{"bright"}, satin{"bright", "semi-matte"},
        matte{"matte", "semi-matte"};
    return surface == "matte" ? matte : surface == "satin" ? satin : gloss;
}

std::string ratioClass(double ratio) {
    static const RatioGuide guide = RatioGuide::load(ChemistryDataFiles::ratioGuide(data));
    if (const auto* band = guide.bandOf(ratio)) return band->key;
    // Past the last band a glaze is no less glossy than in it.
    if (!guide.bands().empty() && ratio >= guide.bands().back().below) return guide.bands().back().key;
    return "";
}

std::vector<std::string> disagreements(const std::string& setName, double sio2, double al2o3) {
    std::vector<std::string> found;
    const std::string surface = surfaceOf(setName);
    const std::string band = ratioClass(sio2 / al2o3);
    if (band != surface) found.push_back("ratio " + band);
    const std::string keys = stullRegion(sio2, al2o3, data);
    const std::string region = keys.substr(0, keys.find(','));
    if (!stullAgrees(surface).count(region)) found.push_back("stull " + region);
    return found;
}

// Formulas the examples had before they were rebalanced are refused; those
// they have now pass. SiO2, Al2O3 in mol per mol of basic oxides.
TEST(ExampleGlazeSurfaceTest, LabelMustAgreeWithRatioAndStull) {
    const struct {
        const char* set;
        double sio2, al2o3;
        std::vector<std::string> expected;
    } cases[] = {
        {"SK 5a-7 satijn (Cushing)", 3.35, 0.390, {"ratio gloss"}}, // strontium "satin", ratio 8.6
        {"SK 5a-7 satijn (Cushing)", 2.60, 0.330, {"ratio gloss"}}, // magnesia "satin", ratio 7.9
        {"SK 5a-7 mat (Cushing)", 2.97, 0.413, {"ratio gloss", "stull bright"}}, // zinc "matte", ratio 7.2
        {"SK 8-10 mat (Cushing)", 2.62, 0.501, {"ratio satin", "stull bright"}},
        {"SK 5a-7 satijn (Cushing)", 2.29, 0.383, {}},
        {"SK 5a-7 mat (Cushing)", 2.07, 0.441, {}},
        {"SK 8-10 glans (Cushing)", 3.82, 0.408, {}},
        {"SK 8-10 glans (Cushing)", 6.0, 0.3, {"stull underfired"}}, // Stull's underfired corner
        {"SK 5a-7 satijn (Cushing)", 1.0, 0.9, {"ratio matte", "stull unfused"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.set << " " << c.sio2 << " " << c.al2o3);
        EXPECT_EQ(disagreements(c.set, c.sio2, c.al2o3), c.expected);
    }
}

// Every shipped example: its label (the table the Chemie page checks it
// against) agrees with its SiO2:Al2O3 class and Stull's region, its B2O3 is
// inside that table, and its description names the table and the region.
TEST(ExampleGlazeSurfaceTest, EveryExampleFiresAsLabelled) {
    const LimitSets sets = LimitSets::loadFolder(ChemistryDataFiles::limitsFolder(data));
    const StullChart chart = StullChart::load(ChemistryDataFiles::stullChart(data));
    const MolarMassTable masses = MolarMassTable::load(ChemistryDataFiles::molarMasses(data));
    View glazes("GlzCDS");
    glazes.openPacket(*readPacketFile(data + "/glz.xml"));
    View materials("MatCDS");
    materials.openPacket(*readPacketFile(data + "/mat.xml"));
    const MaterialLookup lookup(MaterialMapper::all(materials));
    int checked = 0;
    for (glazes.first(); !glazes.eof(); glazes.next()) {
        const Glaze glaze = GlazeMapper::current(glazes);
        SCOPED_TRACE(glaze.naam);
        const auto figures = ChemistryFigures::compute(glaze, lookup, masses, nullptr);
        const auto fit = sets.bestFit(glaze.skva, glaze.sktt, figures);
        ASSERT_NE(fit.set, nullptr);
        const double sio2 = glaze.oxide("sio2"), al2o3 = glaze.oxide("al2o3");
        ASSERT_GT(al2o3, 0);
        EXPECT_EQ(disagreements(fit.set->name, sio2, al2o3), std::vector<std::string>{});
        for (const auto& limit : fit.set->limits)
            if (limit.key == "b2o3") {
                EXPECT_GE(glaze.oxide("b2o3"), limit.min);
                EXPECT_LE(glaze.oxide("b2o3"), limit.max);
            }
        const auto place = chart.place(sio2, al2o3);
        ASSERT_NE(place.surface, nullptr);
        std::string region = place.surface->label;
        for (auto& ch : region)
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        EXPECT_NE(glaze.omsc.find("grenswaarden " + fit.set->name + "."), std::string::npos) << glaze.omsc;
        EXPECT_NE(glaze.omsc.find("Op Stulls kaart: " + region + ";"), std::string::npos) << glaze.omsc;
        ++checked;
    }
    EXPECT_GE(checked, 25);
}

} // namespace
} // namespace kelvora::test
