// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/DataLocation.h"
#include "store/StoreError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <map>

using namespace kelvora;
using kelvora::test::readBytes;
using kelvora::test::TempDir;
using kelvora::test::writeBytes;
namespace fs = std::filesystem;

namespace {

// What lies around the executable in a case: a data folder beside it, an
// installed share folder, both or neither.
struct Layout {
    bool dataBeside;
    bool installedShare;
};

struct Case {
    const char* name;
    Layout layout;
    UserFolders user; // "@" stands for the temporary root
    DataLocation::Kind kind;
    const char* workingFolder; // relative to the temporary root
    const char* settingsFile;
    const char* manualFolder;
};

std::string expand(const std::string& text, const fs::path& root) {
    if (text.empty() || text[0] != '@') return text;
    return root.string() + text.substr(1);
}

// An installation under `root`: <root>/prefix/bin/kelvora, the share folder
// <root>/prefix/share/kelvora with its starter tables and manual.
fs::path install(const fs::path& root, const Layout& layout) {
    const fs::path bin = root / "prefix/bin";
    fs::create_directories(bin);
    writeBytes((bin / "kelvora").string(), "");
    if (layout.dataBeside) fs::create_directories(bin / "db0991");
    if (layout.installedShare) {
        fs::create_directories(root / "prefix/share/kelvora/db0991");
        fs::create_directories(root / "prefix/share/kelvora/manual");
        writeBytes((root / "prefix/share/kelvora/db0991/mat.cds").string(), "starter materials");
        writeBytes((root / "prefix/share/kelvora/db0991/glz.cds").string(), "starter glazes");
    }
    return bin / "kelvora";
}

// Every file under a folder with its contents, to see that nothing changed.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        files[fs::relative(entry.path(), folder).string()] =
            entry.is_regular_file() ? readBytes(entry.path().string()) : "<folder>";
    return files;
}

const Case kCases[] = {
    {"build tree: data beside the program",
     {true, false},
     {"@/xdg-data", "@/xdg-config", "@/home"},
     DataLocation::Kind::BesideProgram,
     "@/prefix/bin",
     "@/prefix/bin/kelvora.INI",
     "@/prefix/bin/manual"},
    {"portable copy inside an installed prefix: data beside still wins",
     {true, true},
     {"@/xdg-data", "@/xdg-config", "@/home"},
     DataLocation::Kind::BesideProgram,
     "@/prefix/bin",
     "@/prefix/bin/kelvora.INI",
     "@/prefix/bin/manual"},
    {"bare copy without data or share folder keeps its data beside it",
     {false, false},
     {"", "", "@/home"},
     DataLocation::Kind::BesideProgram,
     "@/prefix/bin",
     "@/prefix/bin/kelvora.INI",
     "@/prefix/bin/manual"},
    {"installed, XDG folders set",
     {false, true},
     {"@/xdg-data", "@/xdg-config", "@/home"},
     DataLocation::Kind::UserFolders,
     "@/xdg-data/kelvora",
     "@/xdg-config/kelvora/kelvora.INI",
     "@/prefix/share/kelvora/manual"},
    {"installed, XDG folders unset: defaults under the home folder",
     {false, true},
     {"", "", "@/home"},
     DataLocation::Kind::UserFolders,
     "@/home/.local/share/kelvora",
     "@/home/.config/kelvora/kelvora.INI",
     "@/prefix/share/kelvora/manual"},
    {"installed, relative XDG folders are ignored",
     {false, true},
     {"data", "config", "@/home"},
     DataLocation::Kind::UserFolders,
     "@/home/.local/share/kelvora",
     "@/home/.config/kelvora/kelvora.INI",
     "@/prefix/share/kelvora/manual"},
    {"installed, run as root: root's own folders, never the prefix",
     {false, true},
     {"", "", "@/root"},
     DataLocation::Kind::UserFolders,
     "@/root/.local/share/kelvora",
     "@/root/.config/kelvora/kelvora.INI",
     "@/prefix/share/kelvora/manual"},
};

class DataLocationRule : public ::testing::TestWithParam<Case> {};

TEST_P(DataLocationRule, DecidesTheFolders) {
    const Case& c = GetParam();
    TempDir root;
    const fs::path exe = install(root.path(), c.layout);
    const UserFolders user{expand(c.user.dataHome, root.path()), expand(c.user.configHome, root.path()),
                           expand(c.user.home, root.path())};

    const DataLocation where = DataLocation::find(exe, user, "../share/kelvora");
    EXPECT_EQ(where.kind, c.kind);
    EXPECT_EQ(where.workingFolder, fs::path(expand(c.workingFolder, root.path())));
    EXPECT_EQ(where.dataFolder, fs::path(expand(c.workingFolder, root.path())) / "db0991");
    EXPECT_EQ(where.settingsFile, fs::path(expand(c.settingsFile, root.path())));
    EXPECT_EQ(where.manualFolder, fs::path(expand(c.manualFolder, root.path())));
    EXPECT_EQ(where.starterFolder.empty(), c.kind == DataLocation::Kind::BesideProgram);
    // The chemistry data lie beside the manual: in the program's folder or
    // in the installed share folder, never in the user's folders.
    EXPECT_EQ(where.chemistryFolder, fs::path(expand(c.manualFolder, root.path())).parent_path() / "data");
}

INSTANTIATE_TEST_SUITE_P(Cases, DataLocationRule, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

struct Installed {
    TempDir root;
    fs::path exe = install(root.path(), {false, true});
    UserFolders user{(root / "data").string(), (root / "config").string(), (root / "home").string()};
    DataLocation where = DataLocation::find(exe, user, "../share/kelvora");
};

TEST(DataLocation, FirstStartCopiesTheStarterTablesAndMakesTheSettingsFolder) {
    Installed at;
    const auto prefixBefore = snapshot(at.root / "prefix");

    EXPECT_EQ(at.where.prepare(), (std::vector<std::string>{"glz.cds", "mat.cds"}));
    EXPECT_EQ(readBytes((at.root / "data/kelvora/db0991/mat.cds").string()), "starter materials");
    EXPECT_EQ(readBytes((at.root / "data/kelvora/db0991/glz.cds").string()), "starter glazes");
    EXPECT_TRUE(fs::is_directory(at.root / "config/kelvora"));
    EXPECT_FALSE(fs::exists(at.root / "config/kelvora/kelvora.INI")); // written by the program at its end
    EXPECT_EQ(snapshot(at.root / "prefix"), prefixBefore);
}

TEST(DataLocation, NeverReplacesATableTheUserAlreadyHas) {
    Installed at;
    fs::create_directories(at.root / "data/kelvora/db0991");
    writeBytes((at.root / "data/kelvora/db0991/mat.cds").string(), "my own materials");

    EXPECT_EQ(at.where.prepare(), std::vector<std::string>{"glz.cds"});
    EXPECT_EQ(readBytes((at.root / "data/kelvora/db0991/mat.cds").string()), "my own materials");
    EXPECT_EQ(readBytes((at.root / "data/kelvora/db0991/glz.cds").string()), "starter glazes");

    writeBytes((at.root / "data/kelvora/db0991/glz.cds").string(), "my own glazes");
    EXPECT_TRUE(at.where.prepare().empty());
    EXPECT_EQ(readBytes((at.root / "data/kelvora/db0991/glz.cds").string()), "my own glazes");
}

TEST(DataLocation, BesideTheProgramNothingIsWritten) {
    TempDir root;
    const fs::path exe = install(root.path(), {true, true});
    const auto before = snapshot(root.path());
    const DataLocation where =
        DataLocation::find(exe, {"", "", (root / "home").string()}, "../share/kelvora");
    EXPECT_TRUE(where.prepare().empty());
    EXPECT_EQ(snapshot(root.path()), before);
}

TEST(DataLocation, AnInstalledProgramWithoutAHomeFolderSaysSo) {
    TempDir root;
    const fs::path exe = install(root.path(), {false, true});
    try {
        DataLocation::find(exe, {"", "", ""}, "../share/kelvora");
        FAIL() << "no error";
    } catch (const StoreError& e) {
        EXPECT_STREQ(e.what(), "No home folder for the data of Kelvora: HOME is not set");
    }
}

TEST(DataLocation, AFolderThatCannotBeMadeIsAnError) {
    Installed at;
    writeBytes((at.root / "data").string(), "a file where the data folder should go");
    EXPECT_THROW(at.where.prepare(), FileError);
}

TEST(DataLocation, TheUserFoldersComeFromTheEnvironment) {
    const char* names[] = {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "HOME"};
    std::string saved[3];
    bool had[3];
    for (int i = 0; i < 3; ++i) {
        const char* v = std::getenv(names[i]);
        had[i] = v != nullptr;
        saved[i] = v ? v : "";
    }
    ::setenv("XDG_DATA_HOME", "/d", 1);
    ::setenv("XDG_CONFIG_HOME", "/c", 1);
    ::setenv("HOME", "/h", 1);
    const UserFolders set = UserFolders::fromEnvironment();
    ::unsetenv("HOME");
    const UserFolders noHome = UserFolders::fromEnvironment();
    for (int i = 0; i < 3; ++i) {
        if (had[i])
            ::setenv(names[i], saved[i].c_str(), 1);
        else
            ::unsetenv(names[i]);
    }
    EXPECT_EQ(set.dataHome, "/d");
    EXPECT_EQ(set.configHome, "/c");
    EXPECT_EQ(set.home, "/h");
    EXPECT_FALSE(noHome.home.empty()); // the password entry's home folder
}

} // namespace
