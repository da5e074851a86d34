// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the settings file: every read must give an int
// without crashing, and a write must keep every byte outside the value it
// replaces, so the file reads back the written value and the other keys.
#include "FuzzFolder.h"
#include "store/IniFile.h"
#include "store/SettingsTable.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

const std::filesystem::path& folder() {
    static kelvora::fuzz::FuzzFolder dir;
    return dir.path;
}

void check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "SettingsFuzz: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = (folder() / "kelvora.INI").string();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    kelvora::IniFile ini(path);
    namespace settings = kelvora::settings;

    // Every key of the program reads without failing.
    int before[16] = {};
    int i = 0;
    for (const auto& key : settings::table())
        before[i++] = ini.readInteger(key.section, key.key, 10);
    int otherBefore = ini.readInteger("other", "x", 10);

    // Writing one key changes that key only.
    ini.writeInteger("mainform", "left", 1234);
    check(ini.readInteger("mainform", "left", 10) == 1234, "written value does not read back");
    i = 0;
    for (const auto& key : settings::table()) {
        if (!(key.section == "mainform" && key.key == "left"))
            check(ini.readInteger(key.section, key.key, 10) == before[i], "another key changed");
        ++i;
    }
    check(ini.readInteger("other", "x", 10) == otherBefore, "a hand-written key changed");

    // A placement round trip and a new section.
    settings::writePlacement(ini, settings::HelpForm, {-1, 0x20, 640, 480});
    const settings::Placement p = settings::readPlacement(ini, settings::HelpForm);
    check(p.left == -1 && p.top == 32 && p.width == 640 && p.height == 480, "placement does not read back");
    ini.writeInteger("algemeen", "taal", 2);
    check(ini.readInteger("ALGEMEEN", "TAAL", 0) == 2, "taal does not read back");
    check(ini.readInteger("mainform", "left", 10) == 1234, "a later write lost an earlier one");
    return 0;
}
