// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/StullChart.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace kelvora::test {
namespace {

const StullChart& chart() {
    static const StullChart loaded = StullChart::load(ChemistryDataFiles::stullChart(KELVORA_DATA_SOURCE));
    return loaded;
}

struct Case {
    double sio2;
    double al2o3;
    const char* keys;
};

// Points read off Stull's 1912 chart: the underfired corner lies bottom right
// under the line (1.75, 0)-(7.2, 0.65) and crazes; the best-gloss line is
// bright; matte and semi-matte lie at SiO2:Al2O3 below about 4-5.
TEST(StullChartTest, PlacesGlazesWhereStullDid) {
    const Case cases[] = {
        {5.0, 0.2, "underfired,crazing"},
        {6.0, 0.3, "underfired,crazing"},
        {6.0, 0.8, "bright"},
        {2.4, 0.45, "bright"},
        {4.2, 0.6, "bright"},     // on the best-gloss line
        {3.0, 0.8, "matte"},      // ratio 3.75
        {3.6, 0.8, "semi-matte"}, // ratio 4.5
        {1.0, 0.8, "unfused"},
        {3.0, 0.2, "bright,crazing"}, // crazing line 0.24 at SiO2 3.0
        {7.0, 0.7, "bright"},
        {0.3, 0.5, ""}, // left of the chart
        {8.0, 0.5, ""}, // right of the chart
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.sio2 << ", " << c.al2o3);
        EXPECT_EQ(chart().place(c.sio2, c.al2o3).keys(), c.keys);
    }
}

TEST(StullChartTest, ReadsThroughTheDataFolderAndNamesItsSource) {
    EXPECT_EQ(stullRegion(5.0, 0.2, KELVORA_DATA_SOURCE), "underfired,crazing");
    EXPECT_EQ(chart().place(5.0, 0.2).labels(), "Onderstookt, craquelé");
    EXPECT_EQ(chart().source().author, "R. T. Stull");
    EXPECT_EQ(chart().source().year, "1912");
    ASSERT_EQ(chart().lines().size(), 1U);
    EXPECT_EQ(chart().lines()[0].points.size(), 4U);
}

// The surface regions leave no hole: every point of the chart has a surface.
TEST(StullChartTest, SurfaceRegionsCoverTheChart) {
    for (double x = 0.55; x < 7.2; x += 0.13)
        for (double y = 0.013; y < 1.0; y += 0.037)
            EXPECT_NE(chart().place(x, y).surface, nullptr) << x << ", " << y;
}

std::string writeChart(const std::string& name, const std::string& body) {
    const auto path = std::filesystem::temp_directory_path() / ("kelvora_stull_" + name + ".xml");
    std::ofstream(path)
        << "<stull-chart author=\"A\" title=\"T\" year=\"1912\" sio2-min=\"0.5\" sio2-max=\"7.2\" "
           "al2o3-min=\"0\" al2o3-max=\"1\">"
        << body << "</stull-chart>";
    return path.string();
}

TEST(StullChartTest, RefusesDamagedFilesNamingFileAndRegion) {
    const struct {
        const char* name;
        const char* body;
        const char* says;
    } cases[] = {
        {"text", "<region key=\"matte\" label=\"Mat\" colour=\"#112233\">0.5 0; 1 x; 2 1</region>", "matte"},
        {"nan", "<region key=\"matte\" label=\"Mat\" colour=\"#112233\">0.5 0; nan 1; 2 1</region>", "matte"},
        {"two", "<region key=\"matte\" label=\"Mat\" colour=\"#112233\">0.5 0; 2 1</region>", "drie punten"},
        {"outside", "<region key=\"matte\" label=\"Mat\" colour=\"#112233\">0.5 0; 9 1; 2 1</region>",
         "buiten"},
        {"colour", "<region key=\"matte\" label=\"Mat\" colour=\"red\">0.5 0; 1 1; 2 1</region>", "kleur"},
        {"twice",
         "<region key=\"matte\" label=\"Mat\" colour=\"#112233\">0.5 0; 1 1; 2 1</region>"
         "<region key=\"matte\" label=\"Mat\" colour=\"#112233\">0.5 0; 1 1; 2 1</region>",
         "twee keer"},
        {"empty", "", "geen gebieden"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = writeChart(c.name, c.body);
        try {
            StullChart::load(path);
            ADD_FAILURE() << "accepted";
        } catch (const std::runtime_error& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find(path), std::string::npos) << what;
            EXPECT_NE(what.find(c.says), std::string::npos) << what;
        }
        std::filesystem::remove(path);
    }
}

} // namespace
} // namespace kelvora::test
