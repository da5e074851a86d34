// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/DataLocation.h"
#include "common/Translate.h"

#include "store/AtomicFile.h"
#include "store/DataFiles.h"
#include "store/IniFile.h"
#include "store/StoreError.h"

#include <algorithm>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

#ifndef KELVORA_SHARE_FROM_BIN
#define KELVORA_SHARE_FROM_BIN "../share/kelvora"
#endif

namespace fs = std::filesystem;

namespace kelvora {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The base-directory rules ignore a relative path: it is as if it were unset.
fs::path userBase(const std::string& given, const std::string& home, const char* fallback) {
    if (!given.empty() && fs::path(given).is_absolute()) return given;
    if (home.empty())
        throw StoreError(translate("StoreError", "No home folder for the data of Kelvora: HOME is not set"));
    return fs::path(home) / fallback;
}

bool isFolder(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

[[noreturn]] void cannot(const std::string& what, const fs::path& path, const std::error_code& ec) {
    throw FileError(fillIn(what, {path.string(), ec.message()}));
}

} // namespace

UserFolders UserFolders::fromEnvironment() {
    UserFolders user{environment("XDG_DATA_HOME"), environment("XDG_CONFIG_HOME"), environment("HOME")};
    if (user.home.empty()) {
        std::vector<char> buffer(16384);
        passwd entry{};
        passwd* found = nullptr;
        if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
            found->pw_dir)
            user.home = found->pw_dir;
    }
    return user;
}

std::string DataLocation::installedShareFromBin() {
    return KELVORA_SHARE_FROM_BIN;
}

DataLocation DataLocation::find(const fs::path& executable, const UserFolders& user,
                                const std::string& shareFromBin) {
    const fs::path programFolder = executable.parent_path();
    const fs::path share = (programFolder / shareFromBin).lexically_normal();
    DataLocation where;
    // A data folder beside the program wins; so does a bare copy of the program
    // without an installed share folder, which keeps its (missing) data beside it.
    if (isFolder(programFolder / DataFiles::folder) || !isFolder(share)) {
        where.kind = Kind::BesideProgram;
        where.workingFolder = programFolder;
        where.settingsFile = settingsPathForExecutable(executable.string());
        where.manualFolder = programFolder / "manual";
        where.chemistryFolder = programFolder / "data";
    } else {
        where.kind = Kind::UserFolders;
        where.workingFolder = userBase(user.dataHome, user.home, ".local/share") / "kelvora";
        where.settingsFile = userBase(user.configHome, user.home, ".config") / "kelvora" / "kelvora.INI";
        where.manualFolder = share / "manual";
        where.starterFolder = share / DataFiles::folder;
        where.chemistryFolder = share / "data";
    }
    where.dataFolder = where.workingFolder / DataFiles::folder;
    return where;
}

std::vector<std::string> DataLocation::prepare() const {
    std::vector<std::string> copied;
    if (kind == Kind::BesideProgram) return copied;
    std::error_code ec;
    fs::create_directories(dataFolder, ec);
    if (ec) cannot(translate("StoreError", "Cannot create folder \"%1\". %2"), dataFolder, ec);
    fs::create_directories(settingsFile.parent_path(), ec);
    if (ec)
        cannot(translate("StoreError", "Cannot create folder \"%1\". %2"), settingsFile.parent_path(), ec);
    if (!isFolder(starterFolder)) return copied;

    std::vector<fs::path> starters;
    for (const auto& entry : fs::directory_iterator(starterFolder, ec))
        if (entry.is_regular_file()) starters.push_back(entry.path());
    if (ec) cannot(translate("StoreError", "Cannot read folder \"%1\". %2"), starterFolder, ec);

    std::sort(starters.begin(), starters.end());
    for (const fs::path& starter : starters) {
        const fs::path target = dataFolder / starter.filename();
        if (fs::exists(target, ec) || ec) continue;
        std::string bytes;
        readWholeFile(starter.string(), bytes);
        // Written whole or not at all, so an interrupted first start copies again.
        AtomicFile::write(target.string(), bytes);
        copied.push_back(starter.filename().string());
    }
    return copied;
}

} // namespace kelvora
