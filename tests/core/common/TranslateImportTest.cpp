// SPDX-License-Identifier: GPL-3.0-or-later
// The recipe import's messages in another language: the readers' errors,
// the reasons a line is unsettled and the plan's problems come out of the
// catalogue with their values in place, and as always without one.
#include "common/Translate.h"
#include "interchange/ImportError.h"
#include "interchange/ImportPlan.h"
#include "interchange/RecipeFormat.h"
#include "interchange/TextRecipeReader.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <utility>

#include <sys/wait.h>

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

// The notebook commands' errors from the real program with the real
// catalogues beside it: Dutch as always without --lang, else the language
// asked for, with the typed value in place.
TEST(TranslateImport, NotebookCommandErrorsSpeakTheLanguageAskedFor) {
    const test::TempDir folder;
    std::filesystem::copy_file(std::string(KELVORA_DATA_SOURCE) + "/glz.xml", folder.path() / "glz.cds");
    std::filesystem::copy_file(std::string(KELVORA_DATA_SOURCE) + "/mat.xml", folder.path() / "mat.cds");
    const std::string db = " --db " + folder.path().string() + " ";
    const auto stderrOf = [&](const std::string& args, int& exit) {
        const std::string cmd = "env -i PATH=\"$PATH\" LC_ALL=C HOME=" + folder.path().string() + " " +
                                KELVORA_CLI + " " + args + " 2>&1 >/dev/null";
        FILE* p = ::popen(cmd.c_str(), "r");
        std::string out;
        std::array<char, 4096> buf{};
        while (std::size_t n = std::fread(buf.data(), 1, buf.size(), p))
            out.append(buf.data(), n);
        exit = WEXITSTATUS(::pclose(p));
        return out;
    };
    const std::string badSchedule =
        "firing new --date 11-12-2026 --cone 6 --atmosphere oxidatie --schedule 150:abc";
    const struct {
        std::string args;
        const char* message;
    } cases[] = {
        {db + "test show NOPE", "Er is geen proef met de code 'NOPE'.\n"},
        {"--lang en" + db + "test show NOPE", "There is no test with the code 'NOPE'.\n"},
        {db + badSchedule, "Stap 1 van het stookschema: 'abc' is geen temperatuur.\n"},
        {"--lang en" + db + badSchedule, "Step 1 of the firing schedule: 'abc' is not a temperature.\n"},
        {"--lang de" + db + "test new Nergens", "Es gibt keine Glasur 'Nergens'.\n"},
        {"--lang en" + db + "firing add-test S-1 K-1 --rating 9", "The rating is 1 to 5, not '9'.\n"},
    };
    for (const auto& c : cases) {
        int exit = -1;
        EXPECT_EQ(stderrOf(c.args, exit), c.message) << c.args;
        EXPECT_EQ(exit, 1) << c.args;
    }
}

} // namespace
} // namespace kelvora
