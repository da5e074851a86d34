// SPDX-License-Identifier: GPL-3.0-or-later
// The names the recipe dialogs propose: never cut silently, never another
// glaze's name.
#include "common/Utf8.h"
#include "model/RecordNames.h"
#include "solver/NewGlazeWriter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvora::test {
namespace {

struct Case {
    const char* what;
    std::string wanted;
    std::vector<std::string> taken;
    std::string name;
    bool shortened;
};

TEST(ProposedNameTest, FitsIsFreeAndShowsWhereItWasShortened) {
    const std::string fortyOne = "Seladon van de oude meester zonder Nefeli"; // 41 characters
    ASSERT_EQ(utf8::length(fortyOne), 41u);
    const Case cases[] = {
        {"short and free stays", "Seladon zonder Krijt", {"Seladon"}, "Seladon zonder Krijt", false},
        {"blanks around go", "  Tenmoku  ", {}, "Tenmoku", false},
        {"exactly the width stays", std::string(40, 'a'), {}, std::string(40, 'a'), false},
        {"one past the width ends in an ellipsis",
         fortyOne,
         {},
         "Seladon van de oude meester zonder Nefe\u2026",
         true},
        {"a blank before the cut goes",
         "Seladon met een hele lange naam zonder Nefelien syeniet",
         {},
         "Seladon met een hele lange naam zonder\u2026",
         true},
        {"a taken name is numbered, case ignored",
         "Seladon zonder Krijt",
         {"seladon ZONDER krijt"},
         "Seladon zonder Krijt (2)",
         false},
        {"numbers go on until free", "Kaki", {"Kaki", "Kaki (2)", "kaki (3)"}, "Kaki (4)", false},
        {"a number that does not fit shortens the name",
         std::string(39, 'b'),
         {std::string(39, 'b')},
         std::string(35, 'b') + "\u2026 (2)",
         true},
        {"a shortened name taken is numbered",
         fortyOne,
         {"Seladon van de oude meester zonder Nefe\u2026"},
         "Seladon van de oude meester zonder\u2026 (2)",
         true},
        {"letters beyond ASCII count as one",
         std::string(38, 'c') + "\u00e9\u00e9\u00e9",
         {},
         std::string(38, 'c') + "\u00e9\u2026",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ProposedName proposed = ProposedName::make(c.wanted, c.taken);
        EXPECT_EQ(proposed.name, c.name);
        EXPECT_EQ(proposed.shortened, c.shortened);
        EXPECT_EQ(proposed.whole, std::string(utf8::trim(c.wanted)));
        EXPECT_LE(utf8::length(proposed.name), RecordNames::width);
        EXPECT_FALSE(RecordNames::taken(proposed.name, c.taken));
    }
}

TEST(ProposedNameTest, TheWholeTextGoesIntoTheDescription) {
    const std::string whole = "Seladon met een hele lange naam zonder Nefelien syeniet";
    const ProposedName shortened = ProposedName::make(whole, {});
    ASSERT_TRUE(shortened.shortened);
    NewGlaze kept;
    kept.name = shortened.name;
    kept.describeShortenedName(shortened);
    EXPECT_EQ(kept.toGlaze().naam, shortened.name);
    EXPECT_EQ(kept.toGlaze().omsc, whole);

    // A name the potter typed instead, or a proposal that was not shortened,
    // leaves the description alone.
    NewGlaze typed;
    typed.name = "Mijn eigen naam";
    typed.describeShortenedName(shortened);
    EXPECT_EQ(typed.toGlaze().omsc, "");
    const ProposedName whole40 = ProposedName::make("Seladon zonder Krijt", {});
    NewGlaze plain;
    plain.name = whole40.name;
    plain.describeShortenedName(whole40);
    EXPECT_EQ(plain.toGlaze().omsc, "");
}

TEST(ProposedNameTest, ACopyKeepsTheRecipeAsPercentagesAndIsBasedOnTheOriginal) {
    Glaze source;
    source.naam = "Seladon";
    source.omsc = "Klassiek";
    source.catg = "14.2 Steengoed glazuren SK 8-12";
    source.recipe.molp = "M";
    source.recipe.recipeSlots[0] = {"Kaliveldspaat", 35.0, 0.25};
    source.recipe.recipeSlots[2] = {"Kwarts", 65.0, 2.4}; // a gap before it
    source.recipe.additions[0].name = "Rood ijzeroxide";
    source.recipe.additions[0].tvp = 1.5;
    const Glaze copy = NewGlaze::copyOf(source, "Seladon (kopie)").toGlaze();
    EXPECT_EQ(copy.naam, "Seladon (kopie)");
    EXPECT_EQ(copy.recipe.molp, "P");
    EXPECT_EQ(copy.recipe.recipeSlots[0].name, "Kaliveldspaat");
    EXPECT_DOUBLE_EQ(copy.recipe.recipeSlots[0].mtp, 35.0);
    EXPECT_EQ(copy.recipe.recipeSlots[1].name, "Kwarts");
    EXPECT_DOUBLE_EQ(copy.recipe.recipeSlots[1].mtp, 65.0);
    EXPECT_EQ(copy.recipe.additions[0].name, "Rood ijzeroxide");
    EXPECT_DOUBLE_EQ(copy.recipe.additions[0].tvp, 1.5);
    EXPECT_EQ(copy.omsc, "Klassiek");
    EXPECT_EQ(copy.catg, source.catg);
    EXPECT_EQ(copy.gbop, "Seladon");
    EXPECT_EQ(copy.stat, "T");
}

TEST(ProposedNameTest, AGlazeMadeFromAnotherIsBasedOnItAndToBeTested) {
    Glaze source;
    source.naam = "Seladon";
    source.skva = "8";
    source.stat = "P";
    NewGlaze made;
    made.name = "Seladon zonder Krijt";
    made.inheritFrom(source);
    const Glaze stored = made.toGlaze();
    EXPECT_EQ(stored.gbop, "Seladon");
    EXPECT_EQ(stored.stat, "T");
    EXPECT_EQ(stored.skva, "8");
    // Made from nothing (a recipe found without a glaze shown): no parent,
    // no status.
    NewGlaze fresh;
    fresh.name = "Nieuw";
    EXPECT_EQ(fresh.toGlaze().gbop, "");
    EXPECT_EQ(fresh.toGlaze().stat, "");
}

} // namespace
} // namespace kelvora::test
