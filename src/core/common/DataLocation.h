// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace kelvora {

// The user's own folders as the environment names them (XDG base directories).
struct UserFolders {
    std::string dataHome;   // XDG_DATA_HOME
    std::string configHome; // XDG_CONFIG_HOME
    std::string home;       // HOME, or the password entry's home folder when HOME is unset

    static UserFolders fromEnvironment();
};

// Where the program keeps its tables and its settings, and where it finds its
// manual. A program with a data folder beside it (the build tree, a portable
// copy) keeps everything there. An installed program never writes into its
// installation: its tables live in the user's data folder, seeded from the
// installed starter tables, and its settings in the user's settings folder.
struct DataLocation {
    enum class Kind { BesideProgram, UserFolders };

    Kind kind = Kind::BesideProgram;
    std::filesystem::path workingFolder; // the folder that holds the data folder
    std::filesystem::path dataFolder;    // workingFolder / "db0991"
    std::filesystem::path settingsFile;
    std::filesystem::path manualFolder;
    std::filesystem::path starterFolder; // the installed starter tables; empty beside the program
    // The chemistry data (molar masses, expansion factors, limit sets): ours,
    // never the user's, so an installed program reads them where installed.
    std::filesystem::path chemistryFolder;

    // Decides from the executable's full path and the user's folders.
    // `shareFromBin` leads from the executable's folder to the installed share
    // folder ("../share/kelvora" for a program in <prefix>/bin).
    // Throws StoreError when an installed program finds no home folder.
    static DataLocation find(const std::filesystem::path& executable, const UserFolders& user,
                             const std::string& shareFromBin = installedShareFromBin());

    // The path from <prefix>/bin to <prefix>/share/kelvora of this build.
    static std::string installedShareFromBin();

    // Makes the user's data and settings folders and copies each starter table
    // that is not there yet; an existing table is never replaced. Beside the
    // program it does nothing. Returns the names of the tables copied.
    // Throws FileError when a folder cannot be made or a table not copied.
    std::vector<std::string> prepare() const;
};

} // namespace kelvora
