// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/SettingsFile.h"
#include "common/Translate.h"

#include "store/AtomicFile.h"
#include "store/IniFile.h"
#include "store/StoreError.h"

#include <filesystem>
#include <utility>

namespace kelvora {

SettingsFile::SettingsFile(std::string path) : path_(std::move(path)) {
    std::error_code ec;
    const auto status = std::filesystem::status(path_, ec);
    if (!std::filesystem::exists(status)) return; // a first run: defaults, and the end creates the file
    if (std::filesystem::is_regular_file(status) && std::filesystem::file_size(path_, ec) > MaxBytes && !ec) {
        problem_ =
            fillIn(translate("Settings", "Het instellingenbestand %1 is groter dan 1 MiB en wordt niet "
                                         "gebruikt; Kelvora werkt met de standaardinstellingen en laat het "
                                         "bestand ongemoeid."),
                   {path_});
        return;
    }
    try {
        readWholeFile(path_, content_, MaxBytes);
    } catch (const StoreError&) {
        content_.clear(); // reads as a missing file
        unreadable_ = true;
    }
}

int SettingsFile::readInteger(std::string_view section, std::string_view key, int defaultValue) const {
    return readSettingsInteger(content_, section, key, defaultValue);
}

void SettingsFile::writeInteger(std::string_view section, std::string_view key, int value) {
    std::string next = settingsWithValue(content_, section, key, value);
    if (next == content_) return;
    content_ = std::move(next);
    changed_ = true;
}

void SettingsFile::save() {
    if (!changed_ || !usable()) return;
    // Writing would lose the lines that could not be read.
    if (unreadable_) throw StoreError(fillIn(translate("StoreError", "Unable to write to %1"), {path_}));
    // A file past the limit would not be read at the next start: the one on
    // disk stays as it is.
    if (content_.size() > MaxBytes)
        throw StoreError(
            fillIn(translate("StoreError", "Unable to write to %1: the settings would make it larger "
                                           "than 1 MiB, which Kelvora does not read."),
                   {path_}));

    writeSettingsFile(path_, content_);
    changed_ = false;
}

} // namespace kelvora
