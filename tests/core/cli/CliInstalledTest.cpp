// SPDX-License-Identifier: GPL-3.0-or-later
// kelvora-cli as an installed program: a copy in <prefix>/bin beside the
// installed share folder, run for a user with fresh folders.
#include "support/TempDir.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>

using kelvora::test::readBytes;
using kelvora::test::TempDir;
namespace fs = std::filesystem;

namespace {

struct Result {
    int exit;
    std::string out;
};

class InstalledCli : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(root / "prefix/bin");
        fs::create_directories(root / "prefix/share/kelvora/db0991");
        fs::create_directories(root / "home");
        fs::copy_file(KELVORA_CLI, root / "prefix/bin/kelvora-cli");
        // The store reads XML packets wherever it opens a table.
        fs::copy_file(std::string(KELVORA_DATA_SOURCE) + "/mat.xml",
                      root / "prefix/share/kelvora/db0991/mat.cds");
        fs::copy_file(std::string(KELVORA_DATA_SOURCE) + "/glz.xml",
                      root / "prefix/share/kelvora/db0991/glz.cds");
    }

    // Runs the installed copy with nothing of the caller's environment but PATH.
    Result run(const std::string& args) const {
        const std::string cmd = "env -i PATH=\"$PATH\" LC_ALL=C HOME=" + (root / "home").string() +
                                " XDG_DATA_HOME=" + (root / "data").string() +
                                " XDG_CONFIG_HOME=" + (root / "config").string() + " " +
                                (root / "prefix/bin/kelvora-cli").string() + " " + args + " 2>&1";
        FILE* p = ::popen(cmd.c_str(), "r");
        std::string out;
        std::array<char, 4096> buf{};
        while (std::size_t n = std::fread(buf.data(), 1, buf.size(), p))
            out.append(buf.data(), n);
        const int status = ::pclose(p);
        return {WEXITSTATUS(status), out};
    }

    TempDir root;
};

TEST_F(InstalledCli, FirstUseCopiesTheStarterTablesIntoTheUsersDataFolder) {
    const Result listed = run("list glazes");
    ASSERT_EQ(listed.exit, 0) << listed.out;
    EXPECT_NE(listed.out.find("Kegel 6 glans basis\n"), std::string::npos) << listed.out;
    for (const char* table : {"mat.cds", "glz.cds"})
        EXPECT_EQ(readBytes((root / "data/kelvora/db0991" / table).string()),
                  readBytes((root / "prefix/share/kelvora/db0991" / table).string()))
            << table;
    EXPECT_TRUE(fs::is_directory(root / "config/kelvora"));
    EXPECT_FALSE(fs::exists(root / "prefix/bin/db0991"));
}

TEST_F(InstalledCli, VersionNamesTheFoldersInUse) {
    const Result version = run("--version");
    ASSERT_EQ(version.exit, 0) << version.out;
    EXPECT_EQ(version.out.rfind("kelvora-cli 0.9.9.1\n", 0), 0u) << version.out;
    EXPECT_NE(version.out.find("GPL-3.0-or-later"), std::string::npos);
    EXPECT_NE(version.out.find("\ndata:     " + (root / "data/kelvora/db0991").string() + "\n"),
              std::string::npos)
        << version.out;
    EXPECT_NE(version.out.find("\nsettings: " + (root / "config/kelvora/kelvora.INI").string() + "\n"),
              std::string::npos)
        << version.out;
    EXPECT_FALSE(fs::exists(root / "data")); // asking is not using
}

TEST_F(InstalledCli, AGivenDataFolderOverridesTheRuleAndSeedsNothing) {
    fs::create_directories(root / "own");
    fs::copy_file(std::string(KELVORA_DATA_SOURCE) + "/glz.xml", root / "own/glz.cds");
    const Result listed = run("--db " + (root / "own").string() + " list glazes");
    ASSERT_EQ(listed.exit, 0) << listed.out;
    EXPECT_NE(listed.out.find("Kegel 6 glans basis\n"), std::string::npos);
    EXPECT_FALSE(fs::exists(root / "data"));
    const Result version = run("--db " + (root / "own").string() + " --version");
    EXPECT_NE(version.out.find("\ndata:     " + (root / "own").string() + "\n"), std::string::npos)
        << version.out;
}

TEST_F(InstalledCli, HelpAndUsageErrors) {
    const Result help = run("--help");
    EXPECT_EQ(help.exit, 0);
    EXPECT_EQ(help.out.rfind("usage: kelvora-cli", 0), 0u) << help.out;
    EXPECT_NE(help.out.find("  list materials|glazes"), std::string::npos);
    EXPECT_EQ(run("").exit, 2);
    EXPECT_EQ(run("--frobnicate").exit, 2);
    EXPECT_EQ(run("list").exit, 2);
    EXPECT_FALSE(fs::exists(root / "prefix/bin/kelvora-cli.INI"));
}

} // namespace
