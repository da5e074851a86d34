// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/SettingsTable.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace kelvora::settings {

namespace {

// A window that keeps its position, and for some its size, in its own section.
struct PlacedWindow {
    std::string_view section;
    bool keepsSize;
};

// The windows whose placement the program keeps, in the order their sections
// are read; add a window here and its keys follow.
constexpr PlacedWindow PlacedWindows[] = {
    {MainForm, false},    {GlazForm, false},         {MatForm, false},
    {MatLkupForm, false}, {VerwijderMatForm, false}, {HelpForm, true},
};

// Values a window keeps besides its placement, each with its default.
constexpr SettingKey OtherKeys[] = {
    {GlazForm, BatchGram, 1000}, // the batch size of the glaze editor's "Batch" page, in grams
};

std::vector<SettingKey> buildTable() {
    std::vector<SettingKey> keys;
    for (const PlacedWindow& window : PlacedWindows) {
        keys.push_back({window.section, Left, 10});
        keys.push_back({window.section, Top, 10});
        if (window.keepsSize) {
            keys.push_back({window.section, Width, 10});
            keys.push_back({window.section, Height, 10});
        }
    }
    for (const SettingKey& key : OtherKeys)
        keys.push_back(key);
    keys.push_back({Algemeen, Taal, 1}); // the interface language, Dutch when not set
    return keys;
}

const std::vector<SettingKey>& keys() {
    static const std::vector<SettingKey> all = buildTable();
    return all;
}

} // namespace

std::span<const SettingKey> table() {
    return keys();
}

const SettingKey* find(std::string_view section, std::string_view key) {
    for (const SettingKey& k : keys())
        if (k.section == section && k.key == key) return &k;
    return nullptr;
}

const SettingKey& entry(std::string_view section, std::string_view key) {
    const SettingKey* found = find(section, key);
    if (!found)
        throw std::invalid_argument("settings: no key \"" + std::string(key) + "\" in section \"" +
                                    std::string(section) + "\"");
    return *found;
}

const SettingKey& readableEntry(std::string_view section, std::string_view key) {
    const SettingKey& k = entry(section, key);
    if (!k.defaultValue)
        throw std::invalid_argument("settings: \"" + std::string(section) + "\"/\"" + std::string(key) +
                                    "\" is never read");
    return k;
}

void requirePlacement(std::string_view section) {
    if (!find(section, Left) || !find(section, Top))
        throw std::invalid_argument("settings: section \"" + std::string(section) + "\" keeps no placement");
}

bool keepsSize(std::string_view section) {
    return find(section, Width) != nullptr && find(section, Height) != nullptr;
}

} // namespace kelvora::settings
