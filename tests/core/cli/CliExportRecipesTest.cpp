// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interchange/ExportTestData.h"
#include "interchange/RecipeExport.h"
#include "store/PacketCodec.h"
#include "support/EngineFixtures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace kelvora::test {
namespace {

class CliExportRecipesTest : public ::testing::Test {
protected:
    TempDir dir;

    void SetUp() override { ASSERT_TRUE(writeStarterTables(dir.path().string())); }
    CliRun run(const std::string& arguments) { return runCli(dir.path().string(), arguments); }

    static std::vector<Glaze> examples(std::initializer_list<const char*> names) {
        const auto all = exampleGlazes();
        std::vector<Glaze> chosen;
        for (const char* name : names)
            chosen.push_back(
                *std::find_if(all.begin(), all.end(), [&](const Glaze& g) { return g.naam == name; }));
        return chosen;
    }
};

// The glazes named, in the order named, written as the core writes them; the
// starter Seladon is 35 parts potash feldspar, 35 quartz, 18 whiting, 12
// kaolin and 1.5 red iron oxide on top.
TEST_F(CliExportRecipesTest, WritesTheNamedGlazesToAFile) {
    const CliRun r = run("export-recipes '" + dir.file("out.csv") + "' --format csv Tenmoku Seladon");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
    const std::string csv = readBytes(dir.file("out.csv"));
    EXPECT_EQ(csv, exportRecipes(ExportSet::of(examples({"Tenmoku", "Seladon"}), starterMaterials()),
                                 ExportFormat::Csv)[0]
                       .content);
    EXPECT_EQ(csv.rfind("recept,materiaal,hoeveelheid,toevoeging\r\nTenmoku,", 0), 0u);
    EXPECT_NE(csv.find("\r\nSeladon,Kaliveldspaat,35,nee\r\nSeladon,Kwarts,35,nee\r\nSeladon,Krijt,18,nee\r\n"
                       "Seladon,Kaolien,12,nee\r\nSeladon,Rood ijzeroxide,1.5,ja\r\n"),
              std::string::npos)
        << csv;
}

TEST_F(CliExportRecipesTest, AllGlazesToStandardOutput) {
    const CliRun r = run("export-recipes - --format text --all");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const auto all = exampleGlazes();
    EXPECT_EQ(r.out, exportRecipes(ExportSet::of(all, starterMaterials()), ExportFormat::Text)[0].content);
    for (const auto& glaze : all)
        EXPECT_NE(r.out.find(glaze.naam + "\n"), std::string::npos) << glaze.naam;
    EXPECT_FALSE(std::filesystem::exists(dir.file("-")));
}

// GlazeChem's materials go into the .mat beside the .glz; standard output
// holds the glazes only and says so.
TEST_F(CliExportRecipesTest, GlazeChemWritesTheMaterialsBeside) {
    ASSERT_EQ(run("export-recipes '" + dir.file("r.glz") + "' --format glazechem Seladon").status, 0);
    const std::string mat = readBytes(dir.file("r.mat"));
    EXPECT_EQ(mat.rfind("filetype = GlazeChem Materials\r\n", 0), 0u);
    for (const char* name : {"Kaliveldspaat", "Kwarts", "Krijt", "Kaolien", "Rood ijzeroxide"})
        EXPECT_NE(mat.find(std::string("\r\nname = ") + name + "\r\n"), std::string::npos) << name;

    const CliRun piped = run("export-recipes - --format glazechem Seladon");
    EXPECT_EQ(piped.status, 0);
    EXPECT_EQ(piped.out, readBytes(dir.file("r.glz")));
    EXPECT_EQ(piped.err, "Materials file (.mat) not written: give a FILE to get it\n");
}

TEST_F(CliExportRecipesTest, WrongUsageAndUnknownGlazesWriteNothing) {
    const std::string file = "'" + dir.file("x.yaml") + "'";
    const struct {
        std::string arguments;
        int status;
    } cases[] = {
        {"export-recipes", 2},
        {"export-recipes " + file, 2},
        {"export-recipes " + file + " --all", 2},
        {"export-recipes " + file + " --format", 2},
        {"export-recipes " + file + " --format glazy-json --all", 2},
        {"export-recipes " + file + " --format csv", 2},
        {"export-recipes " + file + " --format csv --all Seladon", 2},
        {"export-recipes " + file + " --format csv --format text --all", 2},
        {"export-recipes " + file + " --format csv --alles", 2},
        {"export-recipes --format csv --all", 2},
        {"export-recipes " + file + " --format csv Seladon 'Bestaat niet'", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CliRun r = run(c.arguments);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_FALSE(std::filesystem::exists(dir.file("x.yaml")));
    }
    const CliRun unknown = run("export-recipes " + file + " --format csv Seladon 'Bestaat niet'");
    EXPECT_EQ(unknown.err, "No glaze named \"Bestaat niet\" in " + dir.path().string() + "\n");
    EXPECT_NE(run("export-recipes " + file + " --format glazy-json --all")
                  .err.find("Unknown format \"glazy-json\""),
              std::string::npos);
}

} // namespace
} // namespace kelvora::test
