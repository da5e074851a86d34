// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/MaterialRename.h"
#include "model/TableLayouts.h"
#include "store/DataFiles.h"
#include "store/DataFolderLock.h"
#include "store/FileCalls.h"
#include "store/GlazeBook.h"
#include "store/PacketCodec.h"
#include "store/StoreError.h"
#include "store/StoreTransaction.h"
#include "store/View.h"
#include "support/EngineFixtures.h"
#include "support/RecordingPrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <unistd.h>

namespace kelvora::test {
namespace {

// Four glazes: two use "Kwarts" (one in two recipe slots and an addition,
// one only as an addition); one has names that merely resemble it; one does
// not use it at all.
class MaterialRenameTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string file = DataFiles::glazes(dir.path().string());
    std::string materialsFile = DataFiles::materials(dir.path().string());
    RecordingPrompter prompter;
    View materials{"MatCDS", materialsFile};

    // The materials window's view, with "Kwarts" renamed and posted, not written.
    void postRename(const std::string& newName) {
        if (!materials.active()) {
            materials.setIndexFieldNames("naam");
            materials.open();
            materials.setLogChanges(false);
        }
        ASSERT_TRUE(materials.findKey("Kwarts"));
        materials.edit();
        materials.setText("naam", newName);
        materials.post();
    }

    void SetUp() override {
        writePacketFile(materialsFile, materialsPacket({{{"naam", "Krijt"}}, {{"naam", "Kwarts"}}}));
        writePacketFile(
            file,
            glazesPacket({
                {{"naam", "Alles"},
                 {"mat1", "Kwarts"},
                 {"mtp1", "30"},
                 {"mat2", "Krijt"},
                 {"mat3", "Kwarts"},
                 {"tvs2", "Kwarts"},
                 {"tvp2", "2"}},
                {{"naam", "Alleen toevoeging"}, {"mat1", "Krijt"}, {"tvs5", "Kwarts"}},
                {{"naam", "Lijkt erop"}, {"mat1", "Kwarts fijn"}, {"mat2", " Kwarts "}, {"mat3", "kwarts"}},
                {{"naam", "Zonder"}, {"mat12", "Kaolien"}},
            }));
    }
    void TearDown() override { FileCalls::setFaultForTesting(nullptr); }

    // The slot names of every glaze, in file order.
    std::vector<std::vector<std::string>> names() const {
        View view("GlzCDS", file);
        view.open();
        std::vector<std::vector<std::string>> out;
        for (view.first(); !view.eof(); view.next()) {
            std::vector<std::string> row{view.asText("naam")};
            for (int n = 1; n <= 12; ++n)
                row.push_back(view.asText("mat" + std::to_string(n)));
            for (int n = 1; n <= 5; ++n)
                row.push_back(view.asText("tvs" + std::to_string(n)));
            out.push_back(row);
        }
        view.close();
        return out;
    }
};

TEST_F(MaterialRenameTest, YesReplacesEverySlotOfEveryGlazeUsingTheName) {
    auto expected = names();
    for (auto& row : expected)
        for (std::size_t i = 1; i < row.size(); ++i)
            if (row[i] == "Kwarts") row[i] = "Kwarts 200 mesh";
    const std::string before = readBytes(file);
    prompter.answerNext(true);
    postRename("Kwarts 200 mesh");

    EXPECT_EQ(MaterialRename::followRename(prompter, materials, file, "Kwarts", "Kwarts 200 mesh"), 2);
    EXPECT_FALSE(materials.hasUnsavedChanges());
    EXPECT_EQ(MaterialRename::countGlazes(file, "Kwarts 200 mesh"), 2);
    EXPECT_TRUE(readPacketFile(materialsFile).has_value());
    EXPECT_NE(readBytes(materialsFile).find("Kwarts 200 mesh"), std::string::npos);

    EXPECT_EQ(prompter.texts(), std::vector<std::string>{
                                    "Ook de glazuren die deze grondstof gebruiken aanpassen? (2 glazuren)"});
    EXPECT_EQ(prompter.entries[0].kind, RecordingPrompter::Kind::Confirm);
    EXPECT_NE(readBytes(file), before);
    const auto after = names();
    EXPECT_EQ(after, expected);
    EXPECT_EQ(after[0][1], "Kwarts 200 mesh"); // the fixture did hold the old name there
    EXPECT_EQ(after[2][1], "Kwarts fijn");     // a different name is left alone
    // Amounts stay as they were.
    View view("GlzCDS", file);
    view.setIndexFieldNames("naam");
    view.open();
    ASSERT_TRUE(view.findKey("Alles"));
    EXPECT_EQ(view.asNumber("mtp1"), 30.0);
    EXPECT_EQ(view.asNumber("tvp2"), 2.0);
    EXPECT_EQ(MaterialRename::countGlazes(file, "Kwarts"), 0);
    EXPECT_EQ(MaterialRename::countGlazes(file, "Kwarts 200 mesh"), 2);
}

TEST_F(MaterialRenameTest, NoLeavesTheGlazesFileByteForByteAndWritesTheMaterial) {
    const std::string before = readBytes(file);
    prompter.answerNext(false);
    postRename("Silica");
    EXPECT_EQ(MaterialRename::followRename(prompter, materials, file, "Kwarts", "Silica"), 0);
    EXPECT_FALSE(materials.hasUnsavedChanges());
    EXPECT_NE(readBytes(materialsFile).find("Silica"), std::string::npos);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{
                                    "Ook de glazuren die deze grondstof gebruiken aanpassen? (2 glazuren)"});
    EXPECT_EQ(readBytes(file), before);
}

TEST_F(MaterialRenameTest, NothingIsAskedWhenNoGlazeUsesTheName) {
    const std::string before = readBytes(file);
    struct Case {
        const char* what;
        std::string oldName, newName, path;
    };
    const std::vector<Case> cases{
        {"unused name", "Talk", "Talk fijn", file},
        {"name unchanged", "Kwarts", "Kwarts", file},
        {"new material, no old name", "", "Kwarts", file},
        {"blank old name", "  ", "Kwarts", file},
        {"no glazes file yet", "Kwarts", "Silica", dir.file("ontbreekt.cds")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        postRename("Kwarts"); // something posted: it is written all the same
        EXPECT_EQ(MaterialRename::followRename(prompter, materials, c.path, c.oldName, c.newName), 0);
        EXPECT_FALSE(materials.hasUnsavedChanges());
    }
    EXPECT_TRUE(prompter.entries.empty());
    EXPECT_EQ(readBytes(file), before);
    EXPECT_FALSE(std::filesystem::exists(dir.file("ontbreekt.cds")));
}

// Every write, flush, rename and removal of the two-table change fails in
// turn: afterwards, once the folder is opened again, the material and the
// recipes carry the same name, old or new, and a failure was reported.
TEST_F(MaterialRenameTest, AFailureAtAnyStepLeavesBothTablesOldOrBothNew) {
    const std::string glazesBefore = readBytes(file);
    const std::string materialsBefore = readBytes(materialsFile);
    int tried = 0;
    for (int failAt = 1;; ++failAt) {
        SCOPED_TRACE(failAt);
        int calls = 0;
        FileCalls::setFaultForTesting([&](FileCalls::Kind) { return ++calls == failAt ? EIO : 0; });
        prompter.answerNext(true);
        postRename("Silica");
        bool failed = false;
        try {
            MaterialRename::followRename(prompter, materials, file, "Kwarts", "Silica");
        } catch (const StoreError& e) {
            failed = true;
            EXPECT_NE(std::string(e.what()).find("Input/output error"), std::string::npos) << e.what();
        }
        FileCalls::setFaultForTesting(nullptr);
        if (calls < failAt) {
            EXPECT_FALSE(failed);
            break; // every call of a whole change has failed once
        }
        ++tried;
        StoreTransaction::recover(dir.path().string()); // the next open
        const int renamed = MaterialRename::countGlazes(file, "Silica");
        const bool materialRenamed = readBytes(materialsFile).find("Silica") != std::string::npos;
        if (materialRenamed) {
            EXPECT_EQ(renamed, 2);
        } else {
            EXPECT_TRUE(failed);
            EXPECT_EQ(readBytes(file), glazesBefore);
            EXPECT_EQ(readBytes(materialsFile), materialsBefore);
        }
        for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
            const std::string name = e.path().filename().string();
            EXPECT_TRUE(name == "mat.cds" || name == "glz.cds" || name == DataFolderLock::fileName)
                << "left behind: " << name;
        }
        // Back to the start for the next step.
        materials.setFileName({}); // drop what the failed step kept in memory
        materials.close();
        materials.setFileName(materialsFile);
        writePacketFile(materialsFile, materialsPacket({{{"naam", "Krijt"}}, {{"naam", "Kwarts"}}}));
        std::filesystem::remove(file);
        {
            std::ofstream out(file, std::ios::binary);
            out << glazesBefore;
        }
    }
    EXPECT_GT(tried, 8); // the steps of a two-table change were all reached
    std::cout << "[          ] failure points tried: " << tried << "\n";
}

TEST_F(MaterialRenameTest, TheGlazeBookRenamesInItsRecipesAndWritesOnSave) {
    GlazeBook book(dir.path().string());
    std::filesystem::rename(file, DataFiles::glazes(dir.path().string()));
    writePacketFile(DataFiles::materials(dir.path().string()), materialsPacket({{{"naam", "Kwarts"}}}));
    book.load();
    EXPECT_EQ(book.glazesUsing("Kwarts"), (std::vector<std::string>{"Alleen toevoeging", "Alles"}));
    EXPECT_EQ(book.renameInRecipes("Kwarts", "Silica"), 2);
    EXPECT_TRUE(book.glazesUsing("Kwarts").empty());
    EXPECT_EQ(book.glazeView().state(), ViewState::Browse);
    book.close();
    EXPECT_EQ(MaterialRename::countGlazes(DataFiles::glazes(dir.path().string()), "Silica"), 2);
}

} // namespace
} // namespace kelvora::test
