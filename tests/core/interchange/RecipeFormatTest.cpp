// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/RecipeFormat.h"
#include "interchange/ImportBounds.h"
#include "interchange/ImportError.h"
#include "interchange/TextDecoder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

using namespace std::string_literals;

TEST(RecipeFormatNames, EveryFormatHasTheNameTheCommandLineTakes) {
    const std::pair<RecipeFormat, const char*> expected[] = {
        {RecipeFormat::GlazyYaml, "glazy-yaml"},   {RecipeFormat::GlazyJson, "glazy-json"},
        {RecipeFormat::InsightXml, "insight-xml"}, {RecipeFormat::GlazeChem, "glazechem"},
        {RecipeFormat::HyperGlaze, "hyperglaze"},  {RecipeFormat::Sankey, "sankey"},
        {RecipeFormat::Lipgloss, "lipgloss"},      {RecipeFormat::Text, "text"}};
    for (const auto& [format, name] : expected) {
        EXPECT_EQ(recipeFormatName(format), name);
        EXPECT_EQ(recipeFormatByName(name), format) << name;
    }
    EXPECT_FALSE(recipeFormatByName("Text"));
    EXPECT_FALSE(recipeFormatByName("csv"));
    EXPECT_FALSE(recipeFormatByName(""));
}

TEST(RecipeFormatRecognition, EachFixtureIsRecognisedFromItsContent) {
    const std::pair<const char*, RecipeFormat> files[] = {{"glazy_dump.yaml", RecipeFormat::GlazyYaml},
                                                          {"glazy_dump.yaml.gz", RecipeFormat::GlazyYaml},
                                                          {"glazy_recipe.json", RecipeFormat::GlazyJson},
                                                          {"insight_recipes.xml", RecipeFormat::InsightXml},
                                                          {"insight_materials.xml", RecipeFormat::InsightXml},
                                                          {"proef.glz", RecipeFormat::GlazeChem},
                                                          {"proef.mat", RecipeFormat::GlazeChem},
                                                          {"hyperglaze.txt", RecipeFormat::HyperGlaze},
                                                          {"sankey.html", RecipeFormat::Sankey},
                                                          {"lipgloss.json", RecipeFormat::Lipgloss}};
    for (const auto& [name, format] : files)
        EXPECT_EQ(recogniseRecipeFormat(readBytes(fixture("interchange/"s + name))), format) << name;
    EXPECT_EQ(recogniseRecipeFormat("Celadon\nSilica 30\nKaolien 20\n"), RecipeFormat::Text);
    EXPECT_EQ(recogniseRecipeFormat(""), RecipeFormat::Text);
    EXPECT_EQ(recogniseRecipeFormat("\x1F\x8B broken"), RecipeFormat::Text);
}

TEST(RecipeFormatRecognition, RecognisedFormatReadsTheFixture) {
    for (const char* name : {"glazy_dump.yaml.gz", "proef.glz", "hyperglaze.txt", "sankey.html"}) {
        const std::string bytes = readBytes(fixture("interchange/"s + name));
        const ImportedFile file = readRecipeFile(bytes, recogniseRecipeFormat(bytes));
        EXPECT_EQ(file.recipes.size(), 2u) << name;
    }
}

struct Decoding {
    const char* what;
    std::string bytes;
    ByteEncoding fallback;
    std::string text;
};

TEST(TextDecoding, EveryEncodingBecomesUtf8WithNewlines) {
    const Decoding cases[] = {
        {"plain UTF-8", "Kalkspaat 20\n", ByteEncoding::Cp1252, "Kalkspaat 20\n"},
        {"UTF-8 with a byte order mark", "\xEF\xBB\xBFKalk\xC3\xA9", ByteEncoding::Cp1252, "Kalk\xC3\xA9"},
        {"UTF-16 little endian", "\xFF\xFEK\0\xE9\0\r\0\n\0"s, ByteEncoding::Cp1252, "K\xC3\xA9\n"},
        {"UTF-16 big endian, a pair of surrogates", "\xFE\xFF\0K\xD8\x3D\xDE\x00"s, ByteEncoding::Cp1252,
         "K\xF0\x9F\x98\x80"},
        {"cp1252 quote and no-break space", "Wirt\x92s\xA0", ByteEncoding::Cp1252,
         "Wirt\xE2\x80\x99s\xC2\xA0"},
        {"Mac Roman quote", "Wirt\xD5s", ByteEncoding::MacRoman, "Wirt\xE2\x80\x99s"},
        {"CRLF and a lone CR", "a\r\nb\rc\n", ByteEncoding::Cp1252, "a\nb\nc\n"},
        {"UTF-8 is never read as a code page", "\xC3\xA9", ByteEncoding::MacRoman, "\xC3\xA9"},
    };
    for (const Decoding& c : cases)
        EXPECT_EQ(TextDecoder::decode(c.bytes, c.fallback), c.text) << c.what;
}

TEST(TextDecoding, BrokenUnicodeIsRefused) {
    const std::pair<const char*, std::string> cases[] = {
        {"UTF-16 cut in the middle of a character", "\xFF\xFEK\0\xE9"s},
        {"UTF-16 high surrogate without its pair", "\xFF\xFE\x3D\xD8K\0"s},
        {"UTF-16 without its byte order mark", "K\0a\0"s},
    };
    for (const auto& [what, bytes] : cases)
        EXPECT_THROW(TextDecoder::decode(bytes), ImportError) << what;
}

TEST(ReadBounds, OversizedFilesAndRecipesAreRefusedWithAMessage) {
    const std::string huge(ImportBounds::kMaxBytes + 1, ' ');
    try {
        readRecipeFile(huge, RecipeFormat::Text);
        FAIL() << "a file over the bound was read";
    } catch (const ImportError& e) {
        EXPECT_EQ(std::string(e.what()), "het bestand is groter dan 64 MiB en wordt niet gelezen");
    }
    std::string long_ = "Te lang\n";
    for (std::size_t i = 0; i <= ImportBounds::kMaxLines; ++i)
        long_ += "Kwarts " + std::to_string(i + 1) + "\n";
    try {
        readRecipeFile(long_, RecipeFormat::Text);
        FAIL() << "a recipe over the bound was read";
    } catch (const ImportError& e) {
        EXPECT_EQ(std::string(e.what()), "regel 1 (recept 'Te lang'): meer dan 1000 receptregels");
    }
}

TEST(ReadBounds, GzipThatUnpacksPastTheBoundOrBreaksOffIsRefused) {
    const std::string packed = readBytes(fixture("interchange/glazy_dump.yaml.gz"));
    EXPECT_THROW(readRecipeFile(packed.substr(0, packed.size() - 12), RecipeFormat::GlazyYaml), ImportError);
    const std::string bomb = readBytes(fixture("interchange/zeros_65MiB.gz"));
    try {
        readRecipeFile(bomb, RecipeFormat::Text);
        FAIL() << "a gzip bomb was unpacked";
    } catch (const ImportError& e) {
        EXPECT_EQ(std::string(e.what()), "het bestand is groter dan 64 MiB en wordt niet gelezen");
    }
}

// Every reader refuses a damaged file of its format with the place it broke.
TEST(MalformedFiles, AreRefusedWithTheirPlace) {
    const std::tuple<const char*, RecipeFormat, std::string, std::string> cases[] = {
        {"YAML cut off inside a list", RecipeFormat::GlazyYaml,
         "- Type: Recipe\n  Atmospheres: [Reduction,\n", "regel 3: geen leesbare YAML"},
        {"YAML amount that is no number", RecipeFormat::GlazyYaml,
         "- Type: Recipe\n  Name: Shino\n  Ingredients:\n    - Name: Kwarts\n      Percentage: '12,5,3'\n",
         "regel 5 (recept 'Shino'): '12,5,3' is geen getal"},
        {"JSON cut off", RecipeFormat::GlazyJson, "{\"data\": {\n \"name\": \"X\",\n",
         "regel 3: geen leesbare JSON"},
        {"JSON amount that is no number", RecipeFormat::GlazyJson,
         R"({"data": {"name": "Shino", "materialComponents": [{"percentageAmount": "12,5,3",
            "material": {"name": "Kwarts"}}]}})",
         "(recept 'Shino'): Kwarts: '12,5,3' is geen getal"},
        {"XML cut off", RecipeFormat::InsightXml, "<recipes>\n<recipe name=\"A\">\n<recipelines>\n",
         "regel 3: geen leesbare XML"},
        {"XML amount that is no number", RecipeFormat::InsightXml,
         "<recipes>\n<recipe name=\"Shino\"><recipelines>\n<recipeline material=\"K\" amount=\"12,5,3\"/>"
         "</recipelines></recipe></recipes>",
         "regel 3 (recept 'Shino'): amount '12,5,3' is geen getal"},
        {"XML of something else", RecipeFormat::InsightXml, "<DATAPACKET/>",
         "regel 1: <DATAPACKET> is geen recept- of grondstoffenbestand"},
        {"GlazeChem amount that is no number", RecipeFormat::GlazeChem,
         "filetype = GlazeChem Glazes\nname = Shino 6075\ncomponent = Kwarts\namount = 12,5,3\n",
         "regel 4 (recept 'Shino 6075'): '12,5,3' is geen getal"},
        {"GlazeChem amount without its component", RecipeFormat::GlazeChem,
         "filetype = GlazeChem Glazes\nname = Shino\namount = 12\n",
         "regel 3 (recept 'Shino'): amount zonder component ervoor"},
        {"GlazeChem line without a key", RecipeFormat::GlazeChem,
         "filetype = GlazeChem Glazes\nname = S\nrommel\n",
         "regel 3 (recept 'S'): regel zonder '=': 'rommel'"},
        {"GlazeChem formula ending in a number", RecipeFormat::GlazeChem,
         "filetype = GlazeChem Materials\nname = Klei\nformula = Al2O3 2 SiO2 2\n",
         "regel 3: formule van 'Klei' eindigt met een getal zonder oxide"},
        {"LIPGLOSS list instead of object", RecipeFormat::Lipgloss, "[1, 2]",
         "de ingrediënten staan niet in een JSON-object"},
    };
    for (const auto& [what, format, text, message] : cases) {
        try {
            readRecipeFile(text, format);
            ADD_FAILURE() << what << ": read without complaint";
        } catch (const ImportError& e) {
            EXPECT_EQ(std::string(e.what()).substr(0, message.size()), message) << what << ": " << e.what();
        }
    }
}

} // namespace
} // namespace kelvora::test
