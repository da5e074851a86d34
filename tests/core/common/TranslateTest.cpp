// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Translate.h"

#include <gtest/gtest.h>

#include <cstring>

namespace kelvora {
namespace {

TEST(FillIn, ReplacesEachPlaceholderOnceAndKeepsTheRest) {
    struct Case {
        const char* templ;
        std::initializer_list<std::string_view> args;
        const char* expected;
    };
    const Case cases[] = {
        {"Glazuur '%1' bestaat niet", {"Seladon"}, "Glazuur 'Seladon' bestaat niet"},
        {"%2 van %1", {"3", "blad 1"}, "blad 1 van 3"},
        {"%1 en %1", {"x"}, "x en x"},
        // A value holding a placeholder is not filled in again.
        {"%1 / %2", {"%2", "b"}, "%2 / b"},
        // Without a value, and a lone percent sign, stay as written.
        {"%1 %2 100%", {"a"}, "a %2 100%"},
        {"50 %", {}, "50 %"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fillIn(c.templ, c.args), c.expected) << c.templ;
}

std::string shout(const char* context, const char* source) {
    if (std::strcmp(context, "Test") != 0) return {};
    return std::string(source) + "!";
}

TEST(Translate, UsesTheFunctionSetAndFallsBackToTheSource) {
    EXPECT_EQ(translate("Test", "Basen"), "Basen");
    setTranslateFunction(&shout);
    EXPECT_EQ(translate("Test", "Basen"), "Basen!");
    // A text the catalogue lacks comes back as its source.
    EXPECT_EQ(translate("Other", "Zuren"), "Zuren");
    setTranslateFunction(nullptr);
    EXPECT_EQ(translate("Test", "Basen"), "Basen");
}

} // namespace
} // namespace kelvora
