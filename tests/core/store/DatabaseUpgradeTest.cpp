// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/DatabaseUpgrade.h"
#include "store/AtomicFile.h"
#include "store/DataFolderLock.h"
#include "store/StoreError.h"
#include "support/LockHolder.h"
#include "support/RecordingPrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <unistd.h>

namespace kelvora::test {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// Two installations side by side, as a potter has them: the previous version
// in "kelvora" and this version in "kelvora0991", each with its data folder.
class UpgradeTest : public ::testing::Test {
protected:
    TempDir dir;
    fs::path previous = dir.path() / "kelvora" / "db";
    fs::path current = dir.path() / "kelvora0991" / "db0991";
    DatabaseUpgrade::Paths paths;
    RecordingPrompter prompter;

    void SetUp() override {
        fs::create_directories(previous);
        fs::create_directories(current);
        paths.previousGlazes = (previous / "glz.cds").string();
        paths.previousMaterials = (previous / "mat.cds").string();
        paths.glazes = (current / "glz.cds").string();
        paths.materials = (current / "mat.cds").string();
        paths.glazesBackup = (current / "glz.bak").string();
        paths.materialsBackup = (current / "mat.bak").string();
    }
    void TearDown() override { AtomicFile::setWriteFunctionForTesting(nullptr); }

    void givePrevious(bool glazes = true, bool materials = true) {
        if (glazes) writeBytes(paths.previousGlazes, "previous glazes\0\x01\xff"s);
        if (materials) writeBytes(paths.previousMaterials, "previous materials\r\n"s);
    }
    void giveCurrent() {
        writeBytes(paths.glazes, "current glazes"s);
        writeBytes(paths.materials, "current materials"s);
    }
    // Every file of both data folders with its content; the lock file that
    // the upgrade takes holds no data.
    std::map<std::string, std::string> snapshot() const {
        std::map<std::string, std::string> files;
        for (const auto& folder : {previous, current})
            for (const auto& entry : fs::directory_iterator(folder))
                if (entry.path().filename() != DataFolderLock::fileName)
                    files[entry.path().string()] = readBytes(entry.path().string());
        return files;
    }
    std::string upgradeError() {
        try {
            DatabaseUpgrade::run(prompter, paths);
        } catch (const FileError& e) {
            return e.what();
        }
        return "no error";
    }
};

TEST_F(UpgradeTest, WithoutPreviousGlazesNothingIsAskedOrTouched) {
    giveCurrent();
    givePrevious(false, true); // only the glazes file counts as "a previous version"
    const auto before = snapshot();
    EXPECT_FALSE(DatabaseUpgrade::run(prompter, paths));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{DatabaseUpgrade::NoPreviousVersion});
    EXPECT_EQ(prompter.entries[0].kind, RecordingPrompter::Kind::Message);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(UpgradeTest, AnsweringNoChangesNothingNotEvenABackup) {
    giveCurrent();
    givePrevious();
    const auto before = snapshot();
    prompter.answerNext(false);
    EXPECT_FALSE(DatabaseUpgrade::run(prompter, paths));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{DatabaseUpgrade::Question});
    EXPECT_EQ(prompter.entries[0].kind, RecordingPrompter::Kind::Confirm);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(UpgradeTest, FirstUpgradeBacksUpOnceAndCopiesBothFilesByteForByte) {
    giveCurrent();
    givePrevious();
    prompter.answerNext(true);
    EXPECT_TRUE(DatabaseUpgrade::run(prompter, paths));
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{DatabaseUpgrade::Question, DatabaseUpgrade::Done}));
    EXPECT_EQ(readBytes(paths.glazesBackup), "current glazes");
    EXPECT_EQ(readBytes(paths.materialsBackup), "current materials");
    EXPECT_EQ(readBytes(paths.glazes), readBytes(paths.previousGlazes));
    EXPECT_EQ(readBytes(paths.materials), readBytes(paths.previousMaterials));
    EXPECT_EQ(readBytes(paths.glazes).size(), 18u); // the NUL and the high byte came along

    // The user works on, then upgrades again: the backups keep the data from
    // before the first upgrade, the data files are the previous version's again.
    writeBytes(paths.glazes, "edited since"s);
    writeBytes(paths.previousMaterials, "previous materials, later"s);
    prompter.clear();
    prompter.answerNext(true);
    EXPECT_TRUE(DatabaseUpgrade::run(prompter, paths));
    EXPECT_EQ(readBytes(paths.glazesBackup), "current glazes");
    EXPECT_EQ(readBytes(paths.materialsBackup), "current materials");
    EXPECT_EQ(readBytes(paths.glazes), readBytes(paths.previousGlazes));
    EXPECT_EQ(readBytes(paths.materials), "previous materials, later");
    // No temporary file stays behind.
    EXPECT_EQ(snapshot().size(), 6u);
}

// A file that cannot be read stops the upgrade before anything is written:
// no backup, no data file replaced, the open error with the full path.
TEST_F(UpgradeTest, UnreadableFileStopsBeforeAnythingIsWritten) {
    struct Case {
        const char* what;
        bool previousMaterials;
        bool currentGlazes;
        bool glazesBackup;
        std::string missing;
    };
    const std::vector<Case> cases = {
        {"previous materials file missing", false, true, false, "kelvora/db/mat.cds"},
        {"this version's glazes missing, no backup yet", true, false, false, "kelvora0991/db0991/glz.cds"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(previous);
        fs::remove_all(current);
        fs::create_directories(previous);
        fs::create_directories(current);
        giveCurrent();
        givePrevious(true, c.previousMaterials);
        if (!c.currentGlazes) fs::remove(paths.glazes);
        const auto before = snapshot();
        prompter.clear();
        prompter.answerNext(true);
        const std::string full = (dir.path() / c.missing).string();
        EXPECT_EQ(upgradeError(), "Cannot open file \"" + full + "\". " + std::strerror(ENOENT));
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(prompter.texts(), std::vector<std::string>{DatabaseUpgrade::Question});
    }
}

TEST_F(UpgradeTest, MissingDataFileIsFineWhenItsBackupExists) {
    givePrevious();
    writeBytes(paths.glazesBackup, "old backup"s);
    writeBytes(paths.materials, "current materials"s);
    prompter.answerNext(true);
    EXPECT_TRUE(DatabaseUpgrade::run(prompter, paths));
    EXPECT_EQ(readBytes(paths.glazesBackup), "old backup");
    EXPECT_EQ(readBytes(paths.glazes), readBytes(paths.previousGlazes));
}

// The materials file cannot be written (disk full): the glazes file, already
// replaced, is put back, so the two tables never come from different versions.
TEST_F(UpgradeTest, FailingMaterialsWriteLeavesBothTablesAsTheyWere) {
    giveCurrent();
    givePrevious();
    int writes = 0;
    AtomicFile::setWriteFunctionForTesting([&](int fd, const void* data, std::size_t size) -> ssize_t {
        // glz.bak, mat.bak, glz.cds succeed; mat.cds fails; putting glz.cds back succeeds.
        if (++writes == 4) {
            errno = ENOSPC;
            return -1;
        }
        return ::write(fd, data, size);
    });
    prompter.answerNext(true);
    const std::string full = (current / "mat.cds").string();
    EXPECT_EQ(upgradeError(), "Cannot create file \"" + full + "\". " + std::strerror(ENOSPC));
    EXPECT_EQ(readBytes(paths.glazes), "current glazes");
    EXPECT_EQ(readBytes(paths.materials), "current materials");
    EXPECT_EQ(readBytes(paths.glazesBackup), "current glazes");
    EXPECT_EQ(readBytes(paths.materialsBackup), "current materials");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{DatabaseUpgrade::Question}); // no "geconverteerd"
    EXPECT_EQ(snapshot().size(), 6u);
}

// The upgrade writes the data folder: while another program holds it, the
// upgrade is refused at once with the message that names that program, and
// nothing is written.
TEST_F(UpgradeTest, AnotherProgramHoldingTheDataFolderRefusesTheUpgrade) {
    giveCurrent();
    givePrevious();
    const auto before = snapshot();
    kelvora::test::LockHolder other(current.string());
    ASSERT_TRUE(other.held());
    prompter.answerNext(true);
    try {
        DatabaseUpgrade::run(prompter, paths);
        FAIL() << "no error";
    } catch (const DataFolderBusy& e) {
        EXPECT_EQ(std::string(e.what()), DataFolderLock::inUseMessage(other.pid()));
    }
    EXPECT_EQ(snapshot(), before);
    other.kill();
    prompter.clear();
    prompter.answerNext(true);
    EXPECT_TRUE(DatabaseUpgrade::run(prompter, paths));
    EXPECT_EQ(readBytes(paths.materials), "previous materials\r\n");
}

// The standard paths are relative to the program's folder, the previous
// version's folder beside it.
TEST_F(UpgradeTest, StandardPathsResolveFromTheProgramsFolder) {
    giveCurrent();
    givePrevious();
    const fs::path before = fs::current_path();
    fs::current_path(dir.path() / "kelvora0991");
    prompter.answerNext(true);
    bool done = false;
    try {
        done = DatabaseUpgrade::run(prompter);
    } catch (...) {
    }
    fs::current_path(before);
    EXPECT_TRUE(done);
    EXPECT_EQ(readBytes(paths.glazes), readBytes(paths.previousGlazes));
    EXPECT_EQ(readBytes(paths.materialsBackup), "current materials");
}

TEST(CopyDataFile, MissingSourceLeavesTheDestinationAlone) {
    TempDir dir;
    writeBytes(dir.file("to"), "kept");
    EXPECT_THROW(DatabaseUpgrade::copyDataFile(dir.file("absent"), dir.file("to")), FileError);
    EXPECT_EQ(readBytes(dir.file("to")), "kept");
    writeBytes(dir.file("from"), "new");
    DatabaseUpgrade::copyDataFile(dir.file("from"), dir.file("to"));
    EXPECT_EQ(readBytes(dir.file("to")), "new");
}

} // namespace
} // namespace kelvora::test
