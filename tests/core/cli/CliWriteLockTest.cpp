// SPDX-License-Identifier: GPL-3.0-or-later
// Every command that may write takes the data folder's lock before it runs,
// as its registration declares; reading commands never wait for it.
#include "store/DataFolderLock.h"
#include "store/PacketCodec.h"
#include "support/EngineFixtures.h"
#include "support/LockHolder.h"
#include "support/TempDir.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

class CliWriteLockTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string db = dir.path().string();

    void SetUp() override {
        ASSERT_TRUE(writeStarterTables(dir.path().string()));
        writeBytes(dir.file("bron.xml"), readBytes(fixture("mat_import_three.xml")));
    }
};

constexpr int kHeldMs = 1000;

// A writing command started while another program holds the folder waits
// for it (and then does its work); without the lock it would have written
// beside the other program at once.
TEST_F(CliWriteLockTest, WritingCommandsWaitForTheProgramThatHoldsTheFolder) {
    struct Case {
        std::string command;
        int status;
    } writers[] = {
        {"calc Seladon", 0},
        {"calc-all", 0},
        // The starter materials are all entered in mols: convert refuses, after the wait.
        {"convert Kwarts", 1},
        {"import " + dir.file("bron.xml"), 0},
        {"solve --materials 'Kaliveldspaat,Krijt,Kwarts,Kaolien' "
         "--target 'k2o=0.3,cao=0.7,al2o3=0.4,sio2=3.5' --store Nieuw",
         0},
        {"substitute Seladon Kaliveldspaat --with 'Natronveldspaat,Nefelien syeniet' --store Vervangen", 0},
        {"export glazes " + dir.file("kopie.cds"), 0},
        {"new-table glazes " + dir.file("leeg.cds"), 0},
    };
    for (const auto& c : writers) {
        SCOPED_TRACE(c.command);
        LockHolder other(db, kHeldMs);
        ASSERT_TRUE(other.held());
        const auto start = std::chrono::steady_clock::now();
        const CliRun r = runCli(db, c.command);
        const auto waited = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_GE(waited, std::chrono::milliseconds(kHeldMs - 300));
    }
    EXPECT_TRUE(std::filesystem::exists(dir.file("kopie.cds")));
    EXPECT_NE(runCli(db, "list glazes").out.find("Nieuw\n"), std::string::npos);
}

// Commands that only read run while another program holds the folder (a
// wait would show as the other program's message after ten seconds).
TEST_F(CliWriteLockTest, ReadingCommandsRunWhileTheFolderIsHeld) {
    const std::string readers[] = {
        "list glazes",
        "show glaze Seladon",
        "report Seladon",
        "batch Seladon 1000",
        "solve --materials 'Kaliveldspaat,Krijt,Kwarts,Kaolien' --target "
        "'k2o=0.3,cao=0.7,al2o3=0.4,sio2=3.5'",
    };
    LockHolder other(db);
    ASSERT_TRUE(other.held());
    for (const auto& command : readers) {
        SCOPED_TRACE(command);
        const auto start = std::chrono::steady_clock::now();
        const CliRun r = runCli(db, command);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(9));
    }
}

// A lock file that is a link locks nothing: a writing command refuses to
// run, and names the file.
TEST_F(CliWriteLockTest, ALockFileThatIsALinkStopsEveryWritingCommand) {
    std::filesystem::create_symlink(dir.file("elders"), dir.file(DataFolderLock::fileName));
    const std::string glazes = readBytes(dir.file("glz.cds"));
    const CliRun r = runCli(db, "calc Seladon");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("is geen gewoon bestand"), std::string::npos) << r.err;
    EXPECT_EQ(readBytes(dir.file("glz.cds")), glazes);
    EXPECT_EQ(runCli(db, "list glazes").status, 0);
}

} // namespace
} // namespace kelvora::test
