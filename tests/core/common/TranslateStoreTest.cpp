// SPDX-License-Identifier: GPL-3.0-or-later
// The store's, the model's and the materials' messages go through the
// translate function: with a catalogue they come out in its language with
// their values in place; without one they are exactly the texts as always.
#include "common/Translate.h"
#include "model/FieldDef.h"
#include "model/OxideCatalogue.h"
#include "store/AliasBook.h"
#include "store/DataFolderLock.h"
#include "store/MaterialRename.h"
#include "store/Packet.h"
#include "store/StoreError.h"
#include "store/TableRules.h"
#include "store/View.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <utility>

namespace kelvora {
namespace {

// A small catalogue, as the desktop program's would be for English.
std::string fakeEnglish(const char* context, const char* source) {
    static const std::map<std::pair<std::string, std::string>, std::string> catalogue{
        {{"Alias", "de naam '%1' is langer dan %2 tekens"}, "the name '%1' is longer than %2 characters"},
        {{"MaterialRename", "Ook de glazuren die deze grondstof gebruiken aanpassen? (%1 glazuren)"},
         "Also change the %1 glazes that use this material?"},
        {{"DataFolder", "De gegevens zijn in gebruik door een ander Kelvora-programma (proces %1)."},
         "The data are in use by another Kelvora program (process %1)."},
        {{"PacketFormat", "field '%1' of row %2"}, "row %2, field '%1'"},
        {{"StoreError", "Field '%1' not found"}, "Veld '%1' niet gevonden"},
    };
    const auto it = catalogue.find({context, source});
    return it == catalogue.end() ? std::string() : it->second;
}

// Sets the fake catalogue for one test and takes it away again.
class WithCatalogue {
public:
    WithCatalogue() { setTranslateFunction(&fakeEnglish); }
    ~WithCatalogue() { setTranslateFunction(nullptr); }
    WithCatalogue(const WithCatalogue&) = delete;
    WithCatalogue& operator=(const WithCatalogue&) = delete;
};

std::string missingFieldMessage() {
    View view("Test");
    view.openPacket(Packet(FieldDefs{FieldDef{"naam", FieldType::Text, 10}}));
    try {
        view.fieldIndex("prijs");
    } catch (const StoreError& e) {
        return e.what();
    }
    return "no error";
}

struct Case {
    const char* what;
    std::string (*message)();
    const char* today;      // without a catalogue, byte for byte
    const char* translated; // with the fake catalogue
};

const Case kCases[] = {
    {"alias refusal",
     [] {
         return AliasBook::refusal({std::string(AliasBook::nameWidth + 1, 'x'), "Kaolien"});
     },
     nullptr, nullptr},
    {"rename question", [] { return MaterialRename::questionText(3); },
     "Ook de glazuren die deze grondstof gebruiken aanpassen? (3 glazuren)",
     "Also change the 3 glazes that use this material?"},
    {"data folder in use", [] { return DataFolderLock::inUseMessage(4711); },
     "De gegevens zijn in gebruik door een ander Kelvora-programma (proces 4711).",
     "The data are in use by another Kelvora program (process 4711)."},
    {"place in a table",
     [] {
         return TableRules::place(FieldDef{"prys", FieldType::Float, 0}, 6);
     },
     "field 'prys' of row 7", "row 7, field 'prys'"},
    {"missing field", &missingFieldMessage, "Test: Field 'prijs' not found",
     "Test: Veld 'prijs' niet gevonden"},
};

TEST(TranslateStore, WithoutACatalogueTheMessagesAreTodaysTexts) {
    for (const Case& c : kCases) {
        if (c.today) {
            EXPECT_EQ(c.message(), c.today) << c.what;
        }
    }
    const std::string width = std::to_string(AliasBook::nameWidth);
    EXPECT_EQ(AliasBook::refusal({std::string(AliasBook::nameWidth + 1, 'x'), "Kaolien"}),
              "de naam '" + std::string(AliasBook::nameWidth + 1, 'x') + "' is langer dan " + width +
                  " tekens");
    // A message the catalogue lacks stays as it is under one as well.
    WithCatalogue catalogue;
    EXPECT_EQ(DataFolderLock::inUseMessage(0),
              "De gegevens zijn in gebruik door een ander Kelvora-programma.");
}

TEST(TranslateStore, WithACatalogueTheTemplatesAreTranslatedWithTheirValuesInPlace) {
    WithCatalogue catalogue;
    for (const Case& c : kCases) {
        if (c.translated) {
            EXPECT_EQ(c.message(), c.translated) << c.what;
        }
    }
    const std::string name(AliasBook::nameWidth + 1, 'x');
    EXPECT_EQ(AliasBook::refusal({name, "Kaolien"}), "the name '" + name + "' is longer than " +
                                                         std::to_string(AliasBook::nameWidth) +
                                                         " characters");
}

TEST(TranslateStore, OxideGroupHeadingsAreTheCatalogueSources) {
    // The windows translate the headings in the "Oxides" context; the
    // returned text must stay the source the catalogue knows.
    EXPECT_STREQ(OxideCatalogue::groupHeading(OxideGroup::Basic), "Basen");
    EXPECT_STREQ(OxideCatalogue::groupHeading(OxideGroup::Neutral), "Neutraal");
    EXPECT_STREQ(OxideCatalogue::groupHeading(OxideGroup::Acid), "Zuren");
}

} // namespace
} // namespace kelvora
