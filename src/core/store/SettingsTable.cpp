#include "store/SettingsTable.h"

#include <array>
#include <stdexcept>
#include <string>

namespace kelvora::settings {

namespace {

// Every section and key of the program with its default; within a section, the order in
// which the keys are read and written.
constexpr std::array<SettingKey, 15> Table{{
    {MainForm, Left, 10},
    {MainForm, Top, 10},
    {GlazForm, Left, 10},
    {GlazForm, Top, 10},
    {MatForm, Left, 10},
    {MatForm, Top, 10},
    {MatLkupForm, Left, 10},
    {MatLkupForm, Top, 10},
    {VerwijderMatForm, Left, 10},
    {VerwijderMatForm, Top, 10},
    {HelpForm, Left, 10},
    {HelpForm, Top, 10},
    {HelpForm, Width, 10},
    {HelpForm, Height, 10},
    {Algemeen, Taal, std::nullopt}, // written at the end of a run, never read
}};

const SettingKey& entry(std::string_view section, std::string_view key) {
    const SettingKey* found = find(section, key);
    if (!found)
        throw std::invalid_argument("settings: no key \"" + std::string(key) + "\" in section \"" +
                                    std::string(section) + "\"");
    return *found;
}

void requirePlacement(std::string_view section) {
    if (!find(section, Left) || !find(section, Top))
        throw std::invalid_argument("settings: section \"" + std::string(section) + "\" keeps no placement");
}

} // namespace

std::span<const SettingKey> table() {
    return Table;
}

const SettingKey* find(std::string_view section, std::string_view key) {
    for (const SettingKey& k : Table)
        if (k.section == section && k.key == key) return &k;
    return nullptr;
}

int read(const IniFile& ini, std::string_view section, std::string_view key) {
    const SettingKey& k = entry(section, key);
    if (!k.defaultValue)
        throw std::invalid_argument("settings: \"" + std::string(section) + "\"/\"" + std::string(key) +
                                    "\" is never read");
    return ini.readInteger(k.section, k.key, *k.defaultValue);
}

void write(IniFile& ini, std::string_view section, std::string_view key, int value) {
    const SettingKey& k = entry(section, key);
    ini.writeInteger(k.section, k.key, value);
}

bool keepsSize(std::string_view section) {
    return find(section, Width) != nullptr && find(section, Height) != nullptr;
}

Placement readPlacement(const IniFile& ini, std::string_view section) {
    requirePlacement(section);
    Placement p;
    for (const SettingKey& k : Table) {
        if (k.section != section) continue;
        int value = ini.readInteger(k.section, k.key, k.defaultValue.value_or(0));
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

void writePlacement(IniFile& ini, std::string_view section, const Placement& placement) {
    requirePlacement(section);
    for (const SettingKey& k : Table) {
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
