// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/ImportWriter.h"

#include "interchange/ImportError.h"
#include "store/DataFiles.h"
#include "store/DataFolderLock.h"
#include "store/FileCalls.h"
#include "store/PacketCodec.h"
#include "store/StoreError.h"
#include "store/StoreTransaction.h"
#include "support/EngineFixtures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace kelvora::test {
namespace {

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// A folder with whiting and silica and one glaze; a file with one recipe
// that uses both (one through an alias), a stain the store lacks, and a
// name the potter maps and asks to remember.
class ImportWriterTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string folder = dir.path().string();
    std::string shipped = dir.file("aliases.xml");
    ImportedFile file;

    void writeTables() const {
        writePacketFile(
            DataFiles::materials(folder),
            materialsPacket({{{"naam", "Krijt"}, {"prys", "1"}, {"molg", "100"}, {"cao", "1"}},
                             {{"naam", "Kwarts"}, {"prys", "2"}, {"molg", "60.1"}, {"sio2", "1"}}}));
        writePacketFile(DataFiles::glazes(folder),
                        glazesPacket({{{"naam", "Bestaand"}, {"mat1", "Kwarts"}}}));
    }

    void SetUp() override {
        writeTables();
        std::ofstream(shipped) << "<aliases><alias name=\"Whiting\" material=\"Krijt\"/></aliases>\n";
        ImportedRecipe r;
        r.name = "Proef";
        auto add = [&](const char* name, double amount, bool addition) {
            ImportedLine l;
            l.name = name;
            l.amount = amount;
            l.addition = addition;
            r.lines.push_back(l);
        };
        add("Whiting", 20, false);
        add("Silica", 70, false);
        add("Mason Stain", 10, false);
        add("Kwarts", 2, true);
        file.recipes.push_back(r);
    }

    ImportPlan plan(GlazeBook& book, AliasBook& aliases) {
        book.load();
        aliases.load();
        return ImportPlan(file, book.materials(), book.glazeNames(), aliases.all());
    }

    static void settle(ImportPlan& p) {
        p.material("Mason Stain")->choice = MaterialChoice::WithoutAnalysis;
        p.material("Silica")->choice = MaterialChoice::MapTo;
        p.material("Silica")->mapTo = "Kwarts";
        p.material("Silica")->remember = true;
        p.update();
    }

    std::vector<std::string> tables() const {
        return {readBytes(DataFiles::materials(folder)), readBytes(DataFiles::glazes(folder)),
                readBytes(DataFiles::aliases(folder))};
    }
};

TEST_F(ImportWriterTest, AnImportRefusedForOneUnknownMaterialWritesNothing) {
    const auto before = tables();
    {
        GlazeBook book(folder);
        AliasBook aliases(folder, shipped);
        ImportPlan p = plan(book, aliases);
        p.material("Mason Stain")->choice = MaterialChoice::WithoutAnalysis;
        p.update(); // "Silica" is still unknown
        ASSERT_FALSE(p.settled());
        EXPECT_THROW(ImportWriter::write(p, book, aliases), ImportError);
    }
    EXPECT_EQ(tables(), before);
    EXPECT_FALSE(std::filesystem::exists(DataFiles::aliases(folder)));
}

TEST_F(ImportWriterTest, YesWritesRecipesMaterialsAndAliasesAndTheRecipeCalculates) {
    {
        GlazeBook book(folder);
        AliasBook aliases(folder, shipped);
        ImportPlan p = plan(book, aliases);
        settle(p);
        const auto written = ImportWriter::write(p, book, aliases);
        EXPECT_EQ(written.materials, 1);
        EXPECT_EQ(written.glazes, 1);
        EXPECT_EQ(written.aliases, 1);
    }
    GlazeBook book(folder);
    book.load();
    const auto stain = book.findMaterial("Mason Stain");
    ASSERT_TRUE(stain);
    EXPECT_TRUE(stain->withoutAnalysis());
    const auto glaze = book.findGlaze("Proef");
    ASSERT_TRUE(glaze);
    EXPECT_EQ(glaze->recipe.recipeSlots[2].name, "Mason Stain");
    EXPECT_EQ(glaze->recipe.additions[0].name, "Kwarts");
    // Calculated: whiting 20 and silica 70 by hand give CaO 1, SiO2 350 / 60.1.
    EXPECT_NEAR(glaze->oxide("cao"), 1.0, 1e-12);
    EXPECT_NEAR(glaze->oxide("sio2"), 350.0 / 60.1, 1e-12);
    EXPECT_NEAR(glaze->recipe.recipeSlots[2].mtp, 10.0, 1e-9);
    AliasBook again(folder, shipped);
    again.load();
    EXPECT_EQ(again.find("silica"), "Kwarts");
    EXPECT_EQ(again.find("Whiting"), "Krijt"); // the shipped list came along
}

// Every write, flush, rename and removal of the change fails in turn: once
// the folder is opened again, the three tables are all old or all new.
TEST_F(ImportWriterTest, AFailureAtAnyStepLeavesEveryTableOldOrEveryTableNew) {
    const auto before = tables();
    int tried = 0;
    for (int failAt = 1;; ++failAt) {
        SCOPED_TRACE(failAt);
        int calls = 0;
        bool failed = false;
        {
            GlazeBook book(folder);
            AliasBook aliases(folder, shipped);
            ImportPlan p = plan(book, aliases);
            settle(p);
            FileCalls::setFaultForTesting([&](FileCalls::Kind) { return ++calls == failAt ? EIO : 0; });
            try {
                ImportWriter::write(p, book, aliases);
            } catch (const StoreError&) {
                failed = true;
            }
            FileCalls::setFaultForTesting(nullptr);
        } // the book goes; it must write nothing on its own now
        if (calls < failAt) {
            EXPECT_FALSE(failed);
            break;
        }
        ++tried;
        StoreTransaction::recover(folder); // the next open
        const auto after = tables();
        const bool materialsNew = after[0] != before[0];
        const bool glazesNew = after[1] != before[1];
        const bool aliasesNew = after[2] != before[2];
        EXPECT_EQ(materialsNew, glazesNew);
        EXPECT_EQ(materialsNew, aliasesNew);
        if (!materialsNew) {
            EXPECT_TRUE(failed);
        }
        for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
            const std::string name = e.path().filename().string();
            EXPECT_TRUE(name == "mat.cds" || name == "glz.cds" || name == "als.cds" ||
                        name == "aliases.xml" || name == DataFolderLock::fileName)
                << "left behind: " << name;
        }
        // Back to the start for the next step.
        writeTables();
        std::filesystem::remove(DataFiles::aliases(folder));
        ASSERT_EQ(tables(), before);
    }
    EXPECT_GT(tried, 8);
}

} // namespace
} // namespace kelvora::test
