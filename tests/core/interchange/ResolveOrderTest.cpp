// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/MaterialResolver.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

// A store whose names are built to make each step of the order the first
// that answers: "Kwarts" exactly; "Nefelien syeniet" by key; "Flint" as an
// alias; "Kentucky OM #4" only through the file's own other names.
class ResolveOrder : public ::testing::Test {
protected:
    std::vector<std::string> store{
        "Kwarts", "kwarts (fijn)", "Nefelien syeniet", "OM-4-type ball clay", "Custer-type veldspaat",
        "Krijt"};
    std::vector<Alias> aliases{{"Flint", "Kwarts"},
                               {"OM4", "OM-4-type ball clay"},
                               {"Kwarts", "Krijt"}, // never reached: the exact name wins
                               {"Whiting", "Ontbrekend"}};
    std::vector<ImportedMaterial> fileMaterials{
        {"Kentucky OM #4", "17", {"om4", "OM-4 ball"}, AnalysisKind::None, {}, kNullNumber, "", 0},
        {"Potash spar", "", {"Custer-type veldspaat"}, AnalysisKind::None, {}, kNullNumber, "", 0},
    };
};

TEST_F(ResolveOrder, EachStepAnswersOnlyWhereTheStepsBeforeItDoNot) {
    const MaterialResolver resolver(store, aliases, fileMaterials);
    const struct {
        const char* name;
        const char* id;
        Resolved how;
        const char* material;
    } cases[] = {
        {"Kwarts", "", Resolved::Exact, "Kwarts"},
        {"KWARTS", "", Resolved::Normalised, "Kwarts"},
        {"nefelien-syeniet", "", Resolved::Normalised, "Nefelien syeniet"},
        {"Flint", "", Resolved::Alias, "Kwarts"},
        {"flint ", "", Resolved::Alias, "Kwarts"},
        {"OM-4 ball", "", Resolved::FileAlias,
         "OM-4-type ball clay"}, // another name of the file's, then its aka "om4"
        {"OM-4 Ball Clay", "17", Resolved::FileAlias, "OM-4-type ball clay"}, // by the file's key
        {"Kentucky OM #4", "", Resolved::FileAlias, "OM-4-type ball clay"},
        {"Potash Spar", "", Resolved::FileAlias, "Custer-type veldspaat"},
        {"Whiting", "", Resolved::Unknown, ""}, // an alias of a material the store lacks
        {"Mason stain 6600", "", Resolved::Unknown, ""},
    };
    for (const auto& c : cases) {
        const Resolution r = resolver.resolve(c.name, c.id);
        EXPECT_EQ(r.how, c.how) << c.name;
        EXPECT_EQ(r.material, c.material) << c.name;
        if (c.how != Resolved::Unknown) {
            EXPECT_TRUE(r.suggestions.empty()) << c.name;
        }
    }
}

TEST_F(ResolveOrder, AnUnknownNameGetsSuggestionsButNoChoice) {
    const MaterialResolver resolver(store, aliases, fileMaterials);
    const Resolution r = resolver.resolve("Custer Feldspar 200");
    EXPECT_EQ(r.how, Resolved::Unknown);
    EXPECT_TRUE(r.material.empty());
    ASSERT_FALSE(r.suggestions.empty());
    EXPECT_EQ(r.suggestions.front(), "Custer-type veldspaat");
    EXPECT_LE(r.suggestions.size(), MaterialResolver::maxSuggestions);
    // Nothing alike: no suggestion at all.
    EXPECT_TRUE(resolver.resolve("Zzyzx").suggestions.empty());
}

} // namespace
} // namespace kelvora::test
