// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "store/IniFile.h"

#include <optional>
#include <span>
#include <string_view>

namespace kelvora::settings {

// Section names: each window's name in lower case.
inline constexpr std::string_view MainForm = "mainform";
inline constexpr std::string_view GlazForm = "glazform";
inline constexpr std::string_view MatForm = "matform";
inline constexpr std::string_view MatLkupForm = "matlkupform";
inline constexpr std::string_view VerwijderMatForm = "verwijdermatform";
inline constexpr std::string_view HelpForm = "helpform";
inline constexpr std::string_view Algemeen = "algemeen";

inline constexpr std::string_view Left = "left";
inline constexpr std::string_view Top = "top";
inline constexpr std::string_view Width = "width";
inline constexpr std::string_view Height = "height";
inline constexpr std::string_view Taal = "taal";
inline constexpr std::string_view BatchGram = "batchgram";

// One settings key of the program. `defaultValue` is empty for a key that is
// written but never read.
struct SettingKey {
    std::string_view section;
    std::string_view key;
    std::optional<int> defaultValue;
};

// Every section, key and default of the program, each section's keys in the
// order they are read and written (left, top, then width, height). The table
// is a list built from the windows that keep a placement: a new window adds
// one line there; a window's other values follow as keys of their own.
std::span<const SettingKey> table();

// The table's entry, or nullptr when the program keeps no such key.
const SettingKey* find(std::string_view section, std::string_view key);

// The entry, or std::invalid_argument for a key that is not in the table.
const SettingKey& entry(std::string_view section, std::string_view key);
// The entry of a key that is read, or std::invalid_argument when it is not
// in the table or has no default (never read).
const SettingKey& readableEntry(std::string_view section, std::string_view key);
// std::invalid_argument for a section without placement.
void requirePlacement(std::string_view section);

// A window's position and, for the help viewer, its size.
struct Placement {
    int left = 10;
    int top = 10;
    int width = 10;
    int height = 10;
};

// True when the table keeps a size (width, height) for the section.
bool keepsSize(std::string_view section);

// The functions below work on any settings store with readInteger and
// writeInteger: the file itself (IniFile) or a run's settings in memory
// (SettingsFile).

// Reads one key with the table's default. Throws std::invalid_argument for a
// key that is not in the table or has no default (never read).
template <class Store> int read(const Store& ini, std::string_view section, std::string_view key) {
    const SettingKey& k = readableEntry(section, key);
    return ini.readInteger(k.section, k.key, *k.defaultValue);
}

// Writes one key. Throws std::invalid_argument for a key not in the table;
// StoreError when the store cannot be written.
template <class Store> void write(Store& ini, std::string_view section, std::string_view key, int value) {
    const SettingKey& k = entry(section, key);
    ini.writeInteger(k.section, k.key, value);
}

// Reads the section's keys of the table, in the table's order, each with its
// default. For a section that keeps no size, width and height stay 10 and
// mean nothing. Throws std::invalid_argument for a section without placement.
template <class Store> Placement readPlacement(const Store& ini, std::string_view section) {
    requirePlacement(section);
    Placement p;
    for (const SettingKey& k : table()) {
        if (k.section != section) continue;
        const int value = ini.readInteger(k.section, k.key, k.defaultValue.value_or(0));
        if (k.key == Left)
            p.left = value;
        else if (k.key == Top)
            p.top = value;
        else if (k.key == Width)
            p.width = value;
        else if (k.key == Height)
            p.height = value;
    }
    return p;
}

// Writes the section's keys of the table in the table's order: left, top and,
// when the section keeps a size, width, height. Each key is one write; when a
// write fails (StoreError) the keys after it are not written.
template <class Store> void writePlacement(Store& ini, std::string_view section, const Placement& placement) {
    requirePlacement(section);
    for (const SettingKey& k : table()) {
        if (k.section != section) continue;
        if (k.key == Left)
            ini.writeInteger(k.section, k.key, placement.left);
        else if (k.key == Top)
            ini.writeInteger(k.section, k.key, placement.top);
        else if (k.key == Width)
            ini.writeInteger(k.section, k.key, placement.width);
        else if (k.key == Height)
            ini.writeInteger(k.section, k.key, placement.height);
    }
}

} // namespace kelvora::settings
