// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/DatabaseUpgrade.h"
#include "common/Translate.h"

#include "store/AtomicFile.h"
#include "store/DataFolderLock.h"
#include "store/StoreError.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>

namespace kelvora {

namespace {

namespace fs = std::filesystem;

// Messages name the file by its full path, as the user would look for it.
std::string fullPath(const std::string& path) {
    std::error_code ec;
    fs::path absolute = fs::absolute(path, ec);
    if (ec) return path;
    return absolute.lexically_normal().string();
}

std::string folderOf(const std::string& path) {
    const std::string folder = fs::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

bool exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

// The whole file, or the open error when it is missing or cannot be read.
std::string readSource(const std::string& path) {
    const std::string full = fullPath(path);
    std::string bytes;
    if (!readWholeFile(full, bytes))
        throw FileError(
            fillIn(translate("StoreError", "Cannot open file \"%1\". %2"), {full, std::strerror(ENOENT)}));
    return bytes;
}

// The file's bytes when it exists; nothing when it does not.
std::optional<std::string> readIfPresent(const std::string& path) {
    std::string bytes;
    if (!readWholeFile(fullPath(path), bytes)) return std::nullopt;
    return bytes;
}

// Replaces the destination atomically; a failure names it as one that could
// not be created, with the system's reason.
void writeDestination(const std::string& path, const std::string& bytes) {
    const std::string full = fullPath(path);
    try {
        AtomicFile::write(full, bytes);
    } catch (const FileError& e) {
        const std::string message = e.what();
        // The write error's own text, in the language it was made in, less its head.
        const std::string prefix =
            fillIn(translate("StoreError", "Cannot write file \"%1\". %2"), {full, ""});
        const std::string reason =
            message.compare(0, prefix.size(), prefix) == 0 ? message.substr(prefix.size()) : message;
        throw FileError(fillIn(translate("StoreError", "Cannot create file \"%1\". %2"), {full, reason}));
    }
}

} // namespace

void DatabaseUpgrade::copyDataFile(const std::string& source, const std::string& destination) {
    writeDestination(destination, readSource(source));
}

bool DatabaseUpgrade::run(Prompter& prompter) {
    return run(prompter, Paths{});
}

bool DatabaseUpgrade::run(Prompter& prompter, const Paths& paths) {
    // Only the glazes file tells whether a previous version is there; a
    // missing materials file is found below, before anything is written.
    if (!exists(paths.previousGlazes)) {
        prompter.message(translate("DatabaseUpgrade", NoPreviousVersion));
        return false;
    }
    if (!prompter.confirm(translate("DatabaseUpgrade", Question))) return false;

    // The upgrade writes the data folder: it holds the folder's lock (shared
    // with the program that already holds it) and is refused at once while
    // another program holds it.
    DataFolderLock glazesLock = DataFolderLock::acquire(folderOf(paths.glazes), std::chrono::milliseconds(0));
    DataFolderLock materialsLock =
        DataFolderLock::acquire(folderOf(paths.materials), std::chrono::milliseconds(0));

    // Everything that will be copied is read first: a file that cannot be
    // read stops the upgrade while every data file is still as it was.
    const std::string previousGlazes = readSource(paths.previousGlazes);
    const std::string previousMaterials = readSource(paths.previousMaterials);
    const bool backUpGlazes = !exists(paths.glazesBackup);
    const bool backUpMaterials = !exists(paths.materialsBackup);
    std::optional<std::string> glazes =
        backUpGlazes ? std::optional<std::string>(readSource(paths.glazes)) : readIfPresent(paths.glazes);
    const std::optional<std::string> materials =
        backUpMaterials ? std::optional<std::string>(readSource(paths.materials)) : std::nullopt;

    // The backups are made once: later upgrades keep the data as they were
    // before the first one.
    if (backUpGlazes) writeDestination(paths.glazesBackup, *glazes);
    if (backUpMaterials) writeDestination(paths.materialsBackup, *materials);

    writeDestination(paths.glazes, previousGlazes);
    try {
        writeDestination(paths.materials, previousMaterials);
    } catch (...) {
        // Glazes of the previous version next to this version's materials
        // would name materials that are not there: put the glazes back.
        if (glazes) {
            writeDestination(paths.glazes, *glazes);
        } else {
            std::error_code ec;
            fs::remove(paths.glazes, ec);
        }
        throw;
    }
    prompter.message(translate("DatabaseUpgrade", Done));
    return true;
}

} // namespace kelvora
