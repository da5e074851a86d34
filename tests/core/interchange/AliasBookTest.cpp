// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/AliasBook.h"

#include "interchange/NameKey.h"
#include "store/DataFiles.h"
#include "store/PacketCodec.h"
#include "store/StoreError.h"
#include "support/EngineFixtures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

namespace kelvora::test {
namespace {

const std::string kShipped = AliasBook::shippedFile(KELVORA_DATA_SOURCE);

TEST(AliasNameKey, ReducesNamesToWhatTellsMaterialsApart) {
    const struct {
        const char* name;
        const char* key;
    } cases[] = {
        {"OM-4 Ball Clay", "om 4 ball clay"},
        {"  om 4   BALL clay ", "om 4 ball clay"},
        {"Kentucky OM #4", "kentucky om 4"},
        {"Silica (325m)", "silica"},
        {"Kona F-4  Spar", "kona f 4 spar"},
        {"Magnesium carbonate\xC2\xA0\xC2\xA0", "magnesium carbonate"},
        {"Wirt\xE2\x80\x99s Red", "wirts red"},
        {"Wirt's Red", "wirts red"},
        {"(325m)", "325m"},
        {"IJzeroxide \xC3\xA9\xC3\xA9n", "ijzeroxide \xC3\xA9\xC3\xA9n"},
        {" -#- ", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NameKey::of(c.name), c.key) << c.name;
}

// Every shipped alias names a material of the library as it ships, and the
// list holds at least a hundred names, none twice.
TEST(AliasBookShipped, EveryTargetIsALibraryMaterialAndNoNameComesTwice) {
    const auto library = readPacketFile(std::string(KELVORA_DATA_SOURCE) + "/mat.xml");
    ASSERT_TRUE(library);
    std::set<std::string> names;
    const int naam = library->fieldIndex("naam");
    for (const Row& row : library->rows)
        names.insert(library->text(row, naam));

    TempDir dir;
    AliasBook book(dir.path().string(), kShipped);
    book.load();
    EXPECT_GE(book.all().size(), 100u);
    std::set<std::string> keys;
    for (const Alias& alias : book.all()) {
        EXPECT_TRUE(names.count(alias.material)) << alias.name << " -> " << alias.material;
        EXPECT_TRUE(keys.insert(NameKey::of(alias.name)).second) << "twice: " << alias.name;
    }
    for (const char* name : {"Custer Feldspar", "EPK", "Flint", "Silica", "Whiting", "Gerstley Borate",
                             "Ferro Frit 3134", "OM-4 Ball Clay", "Nepheline Syenite"})
        EXPECT_TRUE(book.find(name)) << name;
    EXPECT_EQ(book.find("kentucky om #4"), "OM-4-type ball clay");
    EXPECT_FALSE(book.find("Mason Stain 6600"));
}

// A folder without the table reads the shipped list and stays untouched;
// the first alias stored makes the table of the shipped names and the new
// one, and a name already known is replaced, not added twice.
TEST(AliasBookStore, TheFirstAliasStoredMakesTheTableFromTheShippedList) {
    TempDir dir;
    AliasBook book(dir.path().string(), kShipped);
    book.load();
    const std::size_t shipped = book.all().size();
    EXPECT_FALSE(std::filesystem::exists(DataFiles::aliases(dir.path().string())));

    book.add({{"Kona F-4 Spar", "Natronveldspaat"}, {"custer  feldspar", "Kaliveldspaat"}});
    AliasBook again(dir.path().string(), kShipped);
    again.load();
    EXPECT_EQ(again.all().size(), shipped + 1);
    EXPECT_EQ(again.find("KONA F-4 SPAR"), "Natronveldspaat");
    EXPECT_EQ(again.find("Custer Feldspar"), "Kaliveldspaat");

    // Once the table exists, the shipped list is no longer read.
    AliasBook withoutShipped(dir.path().string(), dir.file("missing.xml"));
    withoutShipped.load();
    EXPECT_EQ(withoutShipped.all().size(), shipped + 1);
}

TEST(AliasBookStore, RefusesWhatTheTableCannotHoldAndWritesNothing) {
    TempDir dir;
    AliasBook book(dir.path().string(), kShipped);
    book.load();
    const std::vector<Alias> refused[] = {
        {{" - ", "Kwarts"}},
        {{"Silica 200", " "}},
        {{std::string(81, 'x'), "Kwarts"}},
        {{"Silica 200", std::string(41, 'k')}},
    };
    for (const auto& aliases : refused) {
        EXPECT_THROW(book.add(aliases), StoreError) << aliases.front().name;
        EXPECT_FALSE(std::filesystem::exists(DataFiles::aliases(dir.path().string())));
    }
}

TEST(AliasBookStore, ABrokenShippedListIsReportedWithItsLine) {
    TempDir dir;
    const std::string shipped = dir.file("aliases.xml");
    std::ofstream(shipped) << "<aliases>\n<alias name=\"Flint\" material=\"Kwarts\"/>\n"
                              "<alias name=\"Whiting\"/>\n</aliases>\n";
    AliasBook book(dir.path().string(), shipped);
    try {
        book.load();
        FAIL() << "no error";
    } catch (const StoreError& e) {
        EXPECT_NE(std::string(e.what()).find("regel 3"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("Whiting"), std::string::npos) << e.what();
    }
}

} // namespace
} // namespace kelvora::test
