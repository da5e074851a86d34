// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/DataFiles.h"
#include "store/PacketCodec.h"
#include "support/EngineFixtures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kelvora::test {
namespace {

// The starter tables, and a pasted recipe whose names are all common
// English ones but for a stain the library does not have.
class CliImportRecipesTest : public ::testing::Test {
protected:
    TempDir dir;
    const std::string recipe = std::string(KELVORA_FIXTURES) + "/import_recipe_unknown_stain.txt";

    void SetUp() override { ASSERT_TRUE(writeStarterTables(dir.path().string())); }
    CliRun run(const std::string& arguments) { return runCli(dir.path().string(), arguments); }
    std::vector<std::string> tables() const {
        return {readBytes(dir.file("mat.cds")), readBytes(dir.file("glz.cds"))};
    }
};

TEST_F(CliImportRecipesTest, AnUnknownMaterialRefusesTheImportAndWritesNothing) {
    const auto before = tables();
    const CliRun r = run("import-recipes '" + recipe + "'");
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.out, "material\tCuster Feldspar\talias\tCuster-type veldspaat\n"
                     "material\tFlint\talias\tKwarts\n"
                     "material\tWhiting\talias\tKrijt\n"
                     "material\tMason Stain 6600\tonbekend\t\n"
                     "material\tRed Iron Oxide\talias\tRood ijzeroxide\n"
                     "recipe\tProefglazuur\tnieuw\t4\t1\n"
                     "summary\t1 recepten\t0 nieuwe grondstoffen\t0 overgeslagen\t1 open\n");
    EXPECT_NE(r.err.find("onbekende grondstof 'Mason Stain 6600'"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Niets geschreven."), std::string::npos);
    EXPECT_EQ(tables(), before);
    EXPECT_FALSE(std::filesystem::exists(DataFiles::aliases(dir.path().string())));
}

TEST_F(CliImportRecipesTest, ADryRunThatIsSettledSucceedsAndWritesNothing) {
    const auto before = tables();
    const CliRun r = run("import-recipes '" + recipe + "' --create-materials --dry-run");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("material\tMason Stain 6600\tzonder analyse\tMason Stain 6600\n"), std::string::npos)
        << r.out;
    EXPECT_EQ(tables(), before);
}

// Written, the recipe calculates with the stain as a base line.
TEST_F(CliImportRecipesTest, CreatedWithoutAnalysisTheRecipeIsStoredAndCalculates) {
    const CliRun r = run("import-recipes '" + recipe + "' --create-materials");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(run("list glazes").out.find("Proefglazuur\n"), std::string::npos);
    EXPECT_NE(run("list materials").out.find("Mason Stain 6600\n"), std::string::npos);
    const CliRun calc = run("calc 'Proefglazuur'");
    EXPECT_EQ(calc.status, 0) << calc.err;
    EXPECT_NE(calc.err.find("zonder analyse: Mason Stain 6600"), std::string::npos) << calc.err;
    const CliRun report = run("report 'Proefglazuur'");
    EXPECT_NE(report.out.find("zonder analyse: Mason Stain 6600"), std::string::npos) << report.out;
}

TEST_F(CliImportRecipesTest, MapFromStandardInputAndTheUsageErrors) {
    const CliRun mapped =
        run("import-recipes - --format text --map 'Mason Stain 6600=Zirkoonsilicaat' < '" + recipe + "'");
    EXPECT_EQ(mapped.status, 0) << mapped.err;
    EXPECT_NE(mapped.out.find("material\tMason Stain 6600\talias\tZirkoonsilicaat\n"), std::string::npos)
        << mapped.out;

    const auto before = tables();
    const struct {
        const char* arguments;
        int status;
    } cases[] = {
        {"import-recipes", 2},
        {"import-recipes FILE --format word", 2},
        {"import-recipes FILE --map 'Flint'", 2},
        {"import-recipes FILE --map '=Kwarts'", 2},
        {"import-recipes FILE --dry-run --bogus", 2},
        {"import-recipes FILE --map 'Cobalt=Kwarts'", 1},
        {"import-recipes FILE --map 'Mason Stain 6600=Bestaat niet'", 1},
        {"import-recipes /nonexistent/recept.txt", 1},
    };
    for (const auto& c : cases) {
        std::string arguments = c.arguments;
        if (const auto at = arguments.find("FILE"); at != std::string::npos)
            arguments.replace(at, 4, "'" + recipe + "'");
        EXPECT_EQ(run(arguments).status, c.status) << c.arguments;
    }
    EXPECT_EQ(tables(), before);
}

} // namespace
} // namespace kelvora::test
