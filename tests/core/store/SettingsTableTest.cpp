// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/SettingsTable.h"
#include "store/StoreError.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using kelvora::IniFile;
namespace settings = kelvora::settings;

using kelvora::test::readBytes;
using kelvora::test::TempDir;

namespace {

std::string fixture(const std::string& name) {
    return std::string(KELVORA_FIXTURES) + "/" + name;
}

} // namespace

TEST(SettingsTable, HoldsEveryKeyOfThePartInOrder) {
    struct Expected {
        const char* section;
        const char* key;
    };
    const std::vector<Expected> expected = {
        {"mainform", "left"},        {"mainform", "top"},    {"glazform", "left"},
        {"glazform", "top"},         {"matform", "left"},    {"matform", "top"},
        {"matlkupform", "left"},     {"matlkupform", "top"}, {"verwijdermatform", "left"},
        {"verwijdermatform", "top"}, {"helpform", "left"},   {"helpform", "top"},
        {"helpform", "width"},       {"helpform", "height"}, {"glazform", "batchgram"},
        {"algemeen", "taal"},
    };
    auto table = settings::table();
    ASSERT_EQ(table.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(table[i].section, expected[i].section) << i;
        EXPECT_EQ(table[i].key, expected[i].key) << i;
        if (table[i].section == "algemeen")
            EXPECT_EQ(table[i].defaultValue, 1) << i; // Dutch
        else if (table[i].key == "batchgram")
            EXPECT_EQ(table[i].defaultValue, 1000) << i;
        else
            EXPECT_EQ(table[i].defaultValue, 10) << i;
    }
}

TEST(SettingsTable, NoFileGivesTenForEveryPlacement) {
    TempDir dir;
    IniFile ini(dir.file("kelvora.INI"));
    for (auto section : {settings::MainForm, settings::GlazForm, settings::MatForm, settings::MatLkupForm,
                         settings::VerwijderMatForm, settings::HelpForm}) {
        settings::Placement p = settings::readPlacement(ini, section);
        EXPECT_EQ(p.left, 10) << section;
        EXPECT_EQ(p.top, 10) << section;
        EXPECT_EQ(p.width, 10) << section;
        EXPECT_EQ(p.height, 10) << section;
    }
    EXPECT_FALSE(fs::exists(dir.file("kelvora.INI")));
}

TEST(SettingsTable, OnlyTheHelpViewerKeepsASize) {
    EXPECT_TRUE(settings::keepsSize(settings::HelpForm));
    for (auto section : {settings::MainForm, settings::GlazForm, settings::MatForm, settings::MatLkupForm,
                         settings::VerwijderMatForm, settings::Algemeen})
        EXPECT_FALSE(settings::keepsSize(section)) << section;
}

TEST(SettingsTable, ReadPlacementAppliesThePartsValueRules) {
    IniFile hex(fixture("settings_hex_values.ini"));
    settings::Placement main = settings::readPlacement(hex, settings::MainForm);
    EXPECT_EQ(main.left, 32);
    EXPECT_EQ(main.top, 32);

    IniFile letters(fixture("settings_not_integers.ini"));
    settings::Placement help = settings::readPlacement(letters, settings::HelpForm);
    EXPECT_EQ(help.left, 10);
    EXPECT_EQ(help.height, 10);

    IniFile upper(fixture("settings_upper_case_names.ini"));
    help = settings::readPlacement(upper, settings::HelpForm);
    EXPECT_EQ(help.left, 5);
    EXPECT_EQ(help.top, 6);
    EXPECT_EQ(help.width, 700);
    EXPECT_EQ(help.height, 500);

    IniFile signs(fixture("settings_signed_values.ini"));
    EXPECT_EQ(settings::readPlacement(signs, settings::MainForm).left, -5); // no range check
}

TEST(SettingsTable, WritePlacementWritesTheTablesKeysInOrder) {
    TempDir dir;
    IniFile ini(dir.file("kelvora.INI"));
    settings::writePlacement(ini, settings::HelpForm, {1, 2, 3, 4});
    EXPECT_EQ(readBytes(ini.path()), "[helpform]\nleft=1\ntop=2\nwidth=3\nheight=4\n");
    settings::writePlacement(ini, settings::MainForm, {5, 6, 700, 800}); // no size kept for the main window
    EXPECT_EQ(readBytes(ini.path()),
              "[helpform]\nleft=1\ntop=2\nwidth=3\nheight=4\n\n[mainform]\nleft=5\ntop=6\n");
    settings::Placement back = settings::readPlacement(ini, settings::HelpForm);
    EXPECT_EQ(back.left, 1);
    EXPECT_EQ(back.top, 2);
    EXPECT_EQ(back.width, 3);
    EXPECT_EQ(back.height, 4);
}

TEST(SettingsTable, EndOfRunWithoutFileCreatesEverySectionInWriteOrder) {
    // The writes at the end run in reverse order of creation.
    TempDir dir;
    IniFile ini(dir.file("kelvora.INI"));
    settings::writePlacement(ini, settings::VerwijderMatForm, {10, 10});
    settings::writePlacement(ini, settings::HelpForm, {10, 10, 10, 10});
    settings::writePlacement(ini, settings::MatLkupForm, {10, 10});
    settings::writePlacement(ini, settings::GlazForm, {10, 10});
    settings::writePlacement(ini, settings::MatForm, {10, 10});
    settings::write(ini, settings::Algemeen, settings::Taal, 1);
    settings::writePlacement(ini, settings::MainForm, {10, 10});
    EXPECT_EQ(readBytes(ini.path()), "[verwijdermatform]\nleft=10\ntop=10\n\n"
                                     "[helpform]\nleft=10\ntop=10\nwidth=10\nheight=10\n\n"
                                     "[matlkupform]\nleft=10\ntop=10\n\n"
                                     "[glazform]\nleft=10\ntop=10\n\n"
                                     "[matform]\nleft=10\ntop=10\n\n"
                                     "[algemeen]\ntaal=1\n\n"
                                     "[mainform]\nleft=10\ntop=10\n");
}

TEST(SettingsTable, HandWrittenSectionsSurviveARun) {
    TempDir dir;
    fs::copy_file(fixture("settings_hand_written_sections.ini"), dir.file("kelvora.INI"));
    IniFile ini(dir.file("kelvora.INI"));
    settings::writePlacement(ini, settings::HelpForm, {1, 2, 3, 4});
    settings::writePlacement(ini, settings::MainForm, {5, 6});
    const std::string after = readBytes(ini.path());
    for (const char* line : {"; Kelvora settings, edited by hand\n",
                             "[printer]\nname = Kyocera FS-1020\ncopies=2\n", "; where the main window was\n",
                             "note=keep me\n", "[Mijn Sectie]\nkleur=blauw  \n   ingesprongen=ja\n"})
        EXPECT_NE(after.find(line), std::string::npos) << line;
    EXPECT_EQ(settings::readPlacement(ini, settings::MainForm).left, 5);
}

TEST(SettingsTable, FailedWriteStopsAtTheFirstKey) {
    TempDir dir;
    std::ofstream(dir.file("plain")) << "x";
    IniFile ini(dir.file("plain") + "/kelvora.INI");
    try {
        settings::writePlacement(ini, settings::HelpForm, {1, 2, 3, 4});
        FAIL() << "no StoreError";
    } catch (const kelvora::StoreError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + ini.path());
    }
}

TEST(SettingsTable, KeysOutsideTheTableAreProgrammingErrors) {
    TempDir dir;
    IniFile ini(dir.file("kelvora.INI"));
    EXPECT_THROW(settings::readPlacement(ini, "aboutbox"), std::invalid_argument);
    EXPECT_THROW(settings::readPlacement(ini, settings::Algemeen), std::invalid_argument);
    EXPECT_THROW(settings::writePlacement(ini, "MainForm", {}),
                 std::invalid_argument); // the table's spelling only
    // The interface language is read back, Dutch when the file has none.
    EXPECT_EQ(settings::read(ini, settings::Algemeen, settings::Taal), 1);
    EXPECT_THROW(settings::write(ini, settings::MainForm, settings::Width, 1), std::invalid_argument);
    EXPECT_EQ(settings::read(ini, settings::MatForm, settings::Top), 10);
    EXPECT_FALSE(fs::exists(ini.path()));
}
