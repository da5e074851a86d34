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

// One settings key of the program. `defaultValue` is empty for a key that is
// written but never read ("algemeen"/"taal").
struct SettingKey {
    std::string_view section;
    std::string_view key;
    std::optional<int> defaultValue;
};

// Every section, key and default of the program, each section's keys in the
// order they are read and written (left, top, then width, height).
std::span<const SettingKey> table();

// The table's entry, or nullptr when the program keeps no such key.
const SettingKey* find(std::string_view section, std::string_view key);

// Reads one key with the table's default. Throws std::invalid_argument for a
// key that is not in the table or has no default (never read).
int read(const IniFile& ini, std::string_view section, std::string_view key);
// Writes one key. Throws std::invalid_argument for a key not in the table;
// StoreError when the file cannot be written.
void write(IniFile& ini, std::string_view section, std::string_view key, int value);

// A window's position and, for the help viewer, its size.
struct Placement {
    int left = 10;
    int top = 10;
    int width = 10;
    int height = 10;
};

// True when the table keeps a size (width, height) for the section.
bool keepsSize(std::string_view section);

// Reads the section's keys of the table, in the table's order, each with its
// default. For a section that keeps no size, width and height stay 10 and
// mean nothing. Throws std::invalid_argument for a section without placement.
Placement readPlacement(const IniFile& ini, std::string_view section);

// Writes the section's keys of the table in the table's order: left, top and,
// when the section keeps a size, width, height. Each key is one write; when a
// write fails (StoreError) the keys after it are not written.
void writePlacement(IniFile& ini, std::string_view section, const Placement& placement);

} // namespace kelvora::settings
