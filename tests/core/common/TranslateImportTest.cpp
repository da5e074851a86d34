// SPDX-License-Identifier: GPL-3.0-or-later
// The recipe import's messages in another language: the readers' errors,
// the reasons a line is unsettled and the plan's problems come out of the
// catalogue with their values in place, and as always without one.
#include "common/Translate.h"
#include "interchange/ImportError.h"
#include "interchange/ImportPlan.h"
#include "interchange/RecipeFormat.h"
#include "interchange/TextRecipeReader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <optional>
#include <utility>

namespace kelvora {
namespace {

// A small English catalogue of the texts these tests meet.
std::string english(const char* context, const char* source) {
    static const std::map<std::pair<std::string, std::string>, std::string> catalogue = {
        {{"Import", "regel %1 (recept '%2')"}, "line %1 (recipe '%2')"},
        {{"Import", "regel %1"}, "line %1"},
        {{"Import", "%1: %2"}, "%1: %2"},
        {{"Import", "'%1' is geen getal"}, "'%1' is not a number"},
        {{"Import", "%1 zonder %2 ervoor"}, "%1 without %2 before it"},
        {{"Import", "<%1> is geen recept- of grondstoffenbestand"}, "<%1> is not a recipe or materials file"},
        {{"Import", "geen hoeveelheid"}, "no amount"},
        {{"Import", "%1: %2 ('%3')"}, "%1: %2 ('%3')"},
        {{"Import", "onbekende grondstof '%1'"}, "unknown material '%1'"},
    };
    const auto found = catalogue.find({context, source});
    return found == catalogue.end() ? std::string() : found->second;
}

// Sets the fake catalogue for one test and takes it away again.
class WithCatalogue {
public:
    WithCatalogue() { setTranslateFunction(&english); }
    ~WithCatalogue() { setTranslateFunction(nullptr); }
    WithCatalogue(const WithCatalogue&) = delete;
    WithCatalogue& operator=(const WithCatalogue&) = delete;
};

std::string refusal(std::string_view bytes, RecipeFormat format) {
    try {
        readRecipeFile(bytes, format);
    } catch (const ImportError& e) {
        return e.what();
    }
    return "(read without an error)";
}

TEST(TranslateImport, ReaderErrorsNameTheirPlaceInEitherLanguage) {
    const struct {
        RecipeFormat format;
        const char* bytes;
        const char* dutch;
        const char* translated;
    } cases[] = {
        {RecipeFormat::GlazyYaml,
         "- Type: Recipe\n  Name: Shino\n  Ingredients:\n    - Name: Kwarts\n      Percentage: '12,5,3'\n",
         "regel 5 (recept 'Shino'): '12,5,3' is geen getal",
         "line 5 (recipe 'Shino'): '12,5,3' is not a number"},
        {RecipeFormat::GlazeChem, "filetype = GlazeChem Glazes\nname = Shino\namount = 12\n",
         "regel 3 (recept 'Shino'): amount zonder component ervoor",
         "line 3 (recipe 'Shino'): amount without component before it"},
        {RecipeFormat::InsightXml, "<DATAPACKET/>",
         "regel 1: <DATAPACKET> is geen recept- of grondstoffenbestand",
         "line 1: <DATAPACKET> is not a recipe or materials file"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(refusal(c.bytes, c.format), c.dutch);
    const WithCatalogue catalogue;
    for (const auto& c : cases)
        EXPECT_EQ(refusal(c.bytes, c.format), c.translated);
}

// A pasted recipe's first line without an amount still names the recipe
// under another language (the readers compare the untranslated mark), and
// the plan's problems are whole sentences of that language.
TEST(TranslateImport, PastedRecipeProblemsComeOutTranslatedWithTheirValues) {
    const char* pasted = "Tenmoku\nSilica 12,5,3\nRutile a pinch\n";
    std::vector<std::string> dutch, translated;
    for (const bool withCatalogue : {false, true}) {
        std::optional<WithCatalogue> catalogue;
        if (withCatalogue) catalogue.emplace();
        const ImportedFile file = TextRecipeReader::read(pasted);
        ASSERT_EQ(file.recipes.size(), 1u);
        EXPECT_EQ(file.recipes[0].name, "Tenmoku");
        const ImportPlan plan(file, {}, {}, {});
        (withCatalogue ? translated : dutch) = plan.problems();
    }
    EXPECT_EQ(dutch, (std::vector<std::string>{
                         "onbekende grondstof 'Silica'",
                         "onbekende grondstof 'Rutile a pinch'",
                         "regel 2 (recept 'Tenmoku'): '12,5,3' is geen getal ('Silica 12,5,3')",
                         "regel 3 (recept 'Tenmoku'): geen hoeveelheid ('Rutile a pinch')",
                     }));
    EXPECT_EQ(translated, (std::vector<std::string>{
                              "unknown material 'Silica'",
                              "unknown material 'Rutile a pinch'",
                              "line 2 (recipe 'Tenmoku'): '12,5,3' is not a number ('Silica 12,5,3')",
                              "line 3 (recipe 'Tenmoku'): no amount ('Rutile a pinch')",
                          }));
}

} // namespace
} // namespace kelvora
