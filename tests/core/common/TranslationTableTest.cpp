// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/TranslationTable.h"
#include "common/LanguageHolder.h"
#include "store/IniFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;
using kelvora::LanguageHolder;
using kelvora::Translate;

using kelvora::test::readBytes;
using kelvora::test::TempDir;

namespace {

const std::string Error = "** LANGUAGE TRANSLATION ERROR **";

struct Caption {
    const char* key;
    int taal;
    const char* text;
};

// Typed from the translation table by hand, not copied from the code.
const Caption Captions[] = {
    {"mnubestand", 1, "&Bestand"},
    {"mnubestand", 2, "&Data"},
    {"mnugrondstoffen", 1, "Grond&stoffen"},
    {"mnugrondstoffen", 2, "Roh&stoffe"},
    {"mnuglazuren", 1, "&Glazuren"},
    {"mnuglazuren", 2, "&Glasuren"},
    {"mainformcaption", 1, "Kelvora - Glazuur berekening en registratie"},
    {"mainformcaption", 2, "Kelvora - Glasur berechnung und datenbank"},
    {"matformcaption", 1, "Onderhoud grondstoffen"},
    {"matformcaption", 2, "Unterhalt Rohstoffe"},
    {"algemeents", 1, "Algemeen"},
    {"algemeents", 2, "Allgemein"},
    {"omschrijvingts", 1, "Omschrijving"},
    {"omschrijvingts", 2, "Umschreibung"},
    {"samenstproc", 1, "Samenst. proc."},
    {"samenstproc", 2, "Zusammenst. %"},
    {"prijs", 1, "Prijs"},
    {"prijs", 2, "Preis"},
    {"molgewicht", 1, "Molgewicht"},
    {"molgewicht", 2, "Molgewicht"},
    {"beschikbaar", 1, "Beschikbaar"},
    {"beschikbaar", 2, "Verfuegbar"},
};

class TranslateCaption : public ::testing::TestWithParam<Caption> {};

} // namespace

TEST_P(TranslateCaption, GivesTheTablesText) {
    EXPECT_EQ(Translate(GetParam().key, GetParam().taal), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, TranslateCaption, ::testing::ValuesIn(Captions));

TEST(Translate, TableHasTheElevenKeysInThePartsOrder) {
    const auto& table = kelvora::translationTable();
    ASSERT_EQ(table.size(), 11u);
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].key, Captions[2 * i].key) << i;
        EXPECT_EQ(table[i].dutch, Captions[2 * i].text) << i;
        EXPECT_EQ(table[i].german, Captions[2 * i + 1].text) << i;
    }
    EXPECT_EQ(kelvora::TranslationError, Error);
}

TEST(Translate, KeysAreExactAndCaseSensitive) {
    for (const char* key : {"Prijs", "PRIJS", "Mnubestand", "prijs ", " prijs", "prij", "prijss", "Preis",
                            "Beschikbaar", "Verfuegbar", "", "** LANGUAGE TRANSLATION ERROR **"}) {
        EXPECT_EQ(Translate(key, 1), Error) << '"' << key << '"';
        EXPECT_EQ(Translate(key, 2), Error) << '"' << key << '"';
    }
    EXPECT_EQ(Translate(std::string_view("prijs\0x", 7), 1), Error); // no stop at a NUL byte
}

TEST(Translate, LanguageOtherThanOneOrTwoGivesTheError) {
    for (int taal : {0, 3, -1, 100}) {
        for (const auto& t : kelvora::translationTable())
            EXPECT_EQ(Translate(t.key, taal), Error) << taal;
    }
}

TEST(LanguageHolder, StartsDutch) {
    LanguageHolder holder;
    EXPECT_EQ(holder.taal(), 1);
    EXPECT_EQ(holder.translate("prijs"), "Prijs");
}

TEST(LanguageHolder, SwitchingToGermanAndBackRestoresTheDutchCaptions) {
    LanguageHolder holder;
    holder.setTaal(kelvora::TaalGerman);
    EXPECT_EQ(holder.translate("mainformcaption"), "Kelvora - Glasur berechnung und datenbank");
    holder.setTaal(kelvora::TaalDutch);
    for (std::size_t i = 0; i < std::size(Captions); i += 2)
        EXPECT_EQ(holder.translate(Captions[i].key), Captions[i].text);
    holder.setTaal(kelvora::TaalNone);
    EXPECT_EQ(holder.translate("prijs"), Error);
}

TEST(LanguageHolder, SavesTaalUnderAlgemeen) {
    TempDir dir;
    kelvora::IniFile ini(dir.file("kelvora.INI"));
    LanguageHolder holder;
    holder.save(ini);
    EXPECT_EQ(readBytes(ini.path()), "[algemeen]\ntaal=1\n");
    holder.setTaal(kelvora::TaalGerman);
    holder.save(ini);
    EXPECT_EQ(readBytes(ini.path()), "[algemeen]\ntaal=2\n");
}

TEST(LanguageHolder, NextRunStartsDutchWhateverTheFileHolds) {
    TempDir dir;
    kelvora::IniFile ini(dir.file("kelvora.INI"));
    fs::copy_file(std::string(KELVORA_FIXTURES) + "/settings_upper_case_names.ini", ini.path()); // TAAL=2
    LanguageHolder nextRun; // never reads the file
    EXPECT_EQ(nextRun.taal(), 1);
    nextRun.save(ini);
    EXPECT_EQ(ini.readInteger("algemeen", "taal", 0), 1);
    EXPECT_NE(readBytes(ini.path()).find("[ALGEMEEN]\nTAAL=1\n"), std::string::npos);
}
