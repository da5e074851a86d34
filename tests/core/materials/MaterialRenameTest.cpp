// SPDX-License-Identifier: GPL-3.0-or-later
#include "materials/MaterialRename.h"
#include "model/TableLayouts.h"
#include "store/AtomicFile.h"
#include "store/DataFiles.h"
#include "store/GlazeBook.h"
#include "store/PacketCodec.h"
#include "store/View.h"
#include "support/EngineFixtures.h"
#include "support/RecordingPrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <unistd.h>

namespace kelvora::test {
namespace {

// Four glazes: two use "Kwarts" (one in two recipe slots and an addition,
// one only as an addition); one has names that merely resemble it; one does
// not use it at all.
class MaterialRenameTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string file = dir.file("glz.cds");
    RecordingPrompter prompter;

    void SetUp() override {
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
    void TearDown() override { AtomicFile::setWriteFunctionForTesting(nullptr); }

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

    EXPECT_EQ(MaterialRename::followRename(prompter, file, "Kwarts", "Kwarts 200 mesh"), 2);

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

TEST_F(MaterialRenameTest, NoLeavesTheGlazesFileByteForByte) {
    const std::string before = readBytes(file);
    prompter.answerNext(false);
    EXPECT_EQ(MaterialRename::followRename(prompter, file, "Kwarts", "Silica"), 0);
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
        EXPECT_EQ(MaterialRename::followRename(prompter, c.path, c.oldName, c.newName), 0);
    }
    EXPECT_TRUE(prompter.entries.empty());
    EXPECT_EQ(readBytes(file), before);
    EXPECT_FALSE(std::filesystem::exists(dir.file("ontbreekt.cds")));
}

TEST_F(MaterialRenameTest, FailingWriteLeavesTheFileWhole) {
    const std::string before = readBytes(file);
    for (const std::size_t limit : {std::size_t(0), std::size_t(64), before.size() - 1}) {
        SCOPED_TRACE(limit);
        std::size_t written = 0;
        AtomicFile::setWriteFunctionForTesting([&](int fd, const void* data, std::size_t size) -> ssize_t {
            if (written >= limit) {
                errno = ENOSPC;
                return -1;
            }
            const std::size_t n = std::min(size, limit - written);
            written += n;
            return ::write(fd, data, n);
        });
        prompter.answerNext(true);
        try {
            MaterialRename::followRename(prompter, file, "Kwarts", "Silica");
            ADD_FAILURE() << "the failed write was not reported";
        } catch (const StoreError& e) {
            EXPECT_NE(std::string(e.what()).find("No space left on device"), std::string::npos) << e.what();
        }
        AtomicFile::setWriteFunctionForTesting(nullptr);
        EXPECT_EQ(readBytes(file), before);
    }
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        files += e.is_regular_file();
    EXPECT_EQ(files, 1); // no temporary file left behind
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
