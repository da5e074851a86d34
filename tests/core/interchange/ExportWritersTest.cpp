// SPDX-License-Identifier: GPL-3.0-or-later
// Every writer over the example glazes and over awkward names: the output
// parses with an independent reader of its format (yaml-cpp, pugixml, a CSV
// splitter, the key = value lines) and gives back names, amounts to six
// significant digits, addition flags, cones and category.
#include "ExportTestData.h"

#include "interchange/CsvRecipeWriter.h"
#include "interchange/RecipeExport.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>
#include <yaml-cpp/yaml.h>

#include <sstream>

namespace kelvora::test {
namespace {

struct ReadLine {
    std::string name;
    double amount = 0.0;
    bool addition = false;
};

struct ReadRecipe {
    std::string name, skva, sktt, catg;
    std::vector<ReadLine> lines;
};

double number(const std::string& text) {
    std::size_t used = 0;
    const double value = std::stod(text, &used);
    EXPECT_EQ(used, text.size()) << text;
    return value;
}

std::vector<ReadRecipe> readYaml(const std::string& text) {
    std::vector<ReadRecipe> recipes;
    const YAML::Node root = YAML::Load(text);
    std::map<int, std::string> materials;
    for (const auto& record : root)
        if (record["Type"].as<std::string>() == "Material")
            materials[record["ID"].as<int>()] = record["Name"].as<std::string>();
    for (const auto& record : root) {
        if (record["Type"].as<std::string>() != "Recipe") continue;
        ReadRecipe recipe{record["Name"].as<std::string>(),
                          record["Kelvora"]["SK From"].as<std::string>(),
                          record["Kelvora"]["SK To"].as<std::string>(),
                          record["Kelvora"]["Category"].as<std::string>(),
                          {}};
        for (const auto& ingredient : record["Ingredients"]) {
            const auto name = ingredient["Name"].as<std::string>();
            // A material the file carries is named the same by its record.
            if (ingredient["ID"]) {
                EXPECT_EQ(materials.at(ingredient["ID"].as<int>()), name);
            }
            recipe.lines.push_back({name, ingredient["Percentage"].as<double>(),
                                    ingredient["Additional"] && ingredient["Additional"].as<bool>()});
        }
        recipes.push_back(recipe);
    }
    return recipes;
}

std::vector<ReadRecipe> readInsight(const std::string& text) {
    pugi::xml_document doc;
    EXPECT_TRUE(doc.load_string(text.c_str()));
    std::vector<ReadRecipe> recipes;
    for (const auto& node : doc.child("recipes").children("recipe")) {
        const auto own = node.child("kelvora");
        ReadRecipe recipe{node.attribute("name").value(),
                          own.attribute("skva").value(),
                          own.attribute("sktt").value(),
                          own.attribute("catg").value(),
                          {}};
        for (const auto& line : node.child("recipelines").children("recipeline"))
            recipe.lines.push_back({line.attribute("material").value(),
                                    number(line.attribute("amount").value()),
                                    std::string(line.attribute("added").value()) == "1"});
        recipes.push_back(recipe);
    }
    return recipes;
}

std::vector<ReadRecipe> readGlazeChem(const std::string& text) {
    std::vector<ReadRecipe> recipes;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        EXPECT_TRUE(!line.empty() && line.back() == '\r') << "no CRLF: " << line;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto equals = line.find(" = ");
        if (equals == std::string::npos) continue;
        const std::string key = line.substr(0, equals), value = line.substr(equals + 3);
        if (key == "name") recipes.push_back({value, "", "", "", {}});
        if (recipes.empty()) continue;
        ReadRecipe& recipe = recipes.back();
        if (key == "kelvora_skva") recipe.skva = value;
        if (key == "kelvora_sktt") recipe.sktt = value;
        if (key == "kelvora_catg") recipe.catg = value;
        if (key == "component" || key == "addition") recipe.lines.push_back({value, 0.0, key == "addition"});
        if (key == "amount" || key == "addamount") recipe.lines.back().amount = number(value);
    }
    return recipes;
}

// RFC 4180: fields split at commas outside quotes, "" inside quotes is a quote.
std::vector<std::vector<std::string>> csvRows(const std::string& text) {
    std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                rows.back().back() += '"', ++i;
            else if (c == '"')
                quoted = false;
            else
                rows.back().back() += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().emplace_back();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            rows.emplace_back(1);
            ++i;
        } else {
            rows.back().back() += c;
        }
    }
    EXPECT_FALSE(quoted);
    EXPECT_EQ(rows.back(), std::vector<std::string>(1)) << "the last row ends in CRLF";
    rows.pop_back();
    return rows;
}

std::vector<ReadRecipe> readCsv(const std::string& text) {
    const auto rows = csvRows(text);
    EXPECT_EQ(rows.at(0), (std::vector<std::string>{"recept", "materiaal", "hoeveelheid", "toevoeging"}));
    std::vector<ReadRecipe> recipes;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        EXPECT_EQ(rows[r].size(), 4u);
        if (recipes.empty() || recipes.back().name != rows[r][0])
            recipes.push_back({rows[r][0], "", "", "", {}});
        recipes.back().lines.push_back({rows[r][1], number(rows[r][2]), rows[r][3] == "ja"});
    }
    return recipes;
}

// "Naam: ...", the cone line, the lines (name, blanks, amount),
// "Toevoegingen:" and its lines, the remarks with "Categorie: ..."; the next
// glaze after a rule of dashes. The cones come back as the Seger cone text.
std::vector<ReadRecipe> readText(const std::string& text) {
    std::vector<ReadRecipe> recipes;
    std::istringstream in(text);
    std::string line;
    bool additions = false, remarks = false;
    while (std::getline(in, line)) {
        if (line.rfind("Naam: ", 0) == 0) {
            recipes.push_back({line.substr(6), "", "", "", {}});
            additions = remarks = false;
        } else if (recipes.empty() || line.empty() || line == std::string(40, '-')) {
            continue;
        } else if (line == "Opmerkingen:") {
            remarks = true;
        } else if (remarks) {
            if (line.rfind("Categorie: ", 0) == 0) recipes.back().catg = line.substr(11);
        } else if (line.rfind("SK ", 0) == 0 && recipes.back().lines.empty()) {
            recipes.back().skva = line;
        } else if (line == "Toevoegingen:") {
            additions = true;
        } else {
            const auto gap = line.rfind("  ");
            EXPECT_NE(gap, std::string::npos) << line;
            std::string name = line.substr(0, gap);
            name.erase(name.find_last_not_of(' ') + 1);
            recipes.back().lines.push_back({name, number(line.substr(gap + 2)), additions});
        }
    }
    return recipes;
}

std::vector<ReadRecipe> readBack(ExportFormat format, const std::string& text) {
    switch (format) {
    case ExportFormat::GlazyYaml:
        return readYaml(text);
    case ExportFormat::InsightXml:
        return readInsight(text);
    case ExportFormat::GlazeChem:
        return readGlazeChem(text);
    case ExportFormat::Text:
        return readText(text);
    case ExportFormat::Csv:
        return readCsv(text);
    }
    return {};
}

// Formats that carry cones and category (CSV has only the lines).
bool carriesCones(ExportFormat format) {
    return format != ExportFormat::Csv;
}

void expectSameRecipes(ExportFormat format, const std::vector<Glaze>& glazes,
                       const std::vector<Material>& materials) {
    const ExportSet set = ExportSet::of(glazes, materials);
    const auto files = exportRecipes(set, format);
    ASSERT_FALSE(files.empty());
    const auto read = readBack(format, files[0].content);
    ASSERT_EQ(read.size(), glazes.size());
    for (std::size_t g = 0; g < glazes.size(); ++g) {
        SCOPED_TRACE(glazes[g].naam);
        EXPECT_EQ(read[g].name, glazes[g].naam);
        if (format == ExportFormat::Text) {
            EXPECT_EQ(read[g].skva, exportSegerCones(glazes[g]));
            EXPECT_EQ(read[g].catg, glazes[g].catg);
        } else if (carriesCones(format)) {
            EXPECT_EQ(read[g].skva, glazes[g].skva);
            EXPECT_EQ(read[g].sktt, glazes[g].sktt);
            EXPECT_EQ(read[g].catg, glazes[g].catg);
        }
        const auto lines = ExportSet::lines(glazes[g]);
        ASSERT_EQ(read[g].lines.size(), lines.size());
        ASSERT_FALSE(lines.empty());
        for (std::size_t l = 0; l < lines.size(); ++l) {
            EXPECT_EQ(read[g].lines[l].name, lines[l].name);
            EXPECT_TRUE(sameToSixDigits(read[g].lines[l].amount, lines[l].amount))
                << read[g].lines[l].amount << " for " << lines[l].amount;
            EXPECT_EQ(read[g].lines[l].addition, lines[l].addition) << lines[l].name;
        }
    }
}

TEST(ExportWritersTest, EveryWriterGivesBackTheExampleGlazes) {
    const auto glazes = exampleGlazes();
    ASSERT_GE(glazes.size(), 25u);
    bool anyAddition = false;
    for (const auto& glaze : glazes)
        for (const auto& line : ExportSet::lines(glaze))
            anyAddition = anyAddition || line.addition;
    ASSERT_TRUE(anyAddition) << "the examples must hold additions for the flags to be checked";
    for (const ExportFormat format : exportFormats()) {
        SCOPED_TRACE(std::string(exportFormatName(format)));
        expectSameRecipes(format, glazes, starterMaterials());
    }
}

TEST(ExportWritersTest, AwkwardNamesAndAmountsSurviveEveryWriter) {
    const AwkwardSet awkward = awkwardSet();
    for (const ExportFormat format : exportFormats()) {
        SCOPED_TRACE(std::string(exportFormatName(format)));
        expectSameRecipes(format, awkward.glazes, awkward.materials);
    }
}

// The materials' files: Glazy Material records and Insight material XML name
// every material used once, with its analysis and loss on ignition.
TEST(ExportWritersTest, MaterialsTravelWithTheirAnalyses) {
    const AwkwardSet awkward = awkwardSet();
    const ExportSet set = ExportSet::of(awkward.glazes, awkward.materials);
    ASSERT_EQ(set.materials.size(), awkward.materials.size());

    const std::string yamlText = exportRecipes(set, ExportFormat::GlazyYaml)[0].content;
    const YAML::Node yaml = YAML::Load(yamlText);
    const YAML::Node feldspar = yaml[0];
    EXPECT_EQ(feldspar["Type"].as<std::string>(), "Material");
    EXPECT_EQ(feldspar["Name"].as<std::string>(), "Veldspaat \"Custer\" & <co>");
    EXPECT_DOUBLE_EQ(feldspar["Percent Analysis"]["SiO2"].as<double>(), 68.5);
    EXPECT_DOUBLE_EQ(feldspar["Percent Analysis"]["LOI"].as<double>(), 1.5);
    EXPECT_EQ(yaml[3]["Name"].as<std::string>(), "123");
    EXPECT_EQ(yaml[5]["Name"].as<std::string>(), "yes");
    // Quoted, so that every YAML reader takes them for text, not a number or a truth value.
    EXPECT_NE(yamlText.find("Name: \"123\""), std::string::npos) << yamlText;
    EXPECT_NE(yamlText.find("Name: \"yes\""), std::string::npos) << yamlText;

    const auto insight = exportRecipes(set, ExportFormat::InsightXml);
    ASSERT_EQ(insight.size(), 2u);
    EXPECT_EQ(insight[1].suffix, ".materials.xml");
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(insight[1].content.c_str()));
    std::vector<std::string> names;
    for (const auto& material : doc.child("materials").children("material"))
        names.push_back(material.attribute("name").value());
    ASSERT_EQ(names.size(), awkward.materials.size());
    EXPECT_EQ(names[0], awkward.materials[0].naam);
    const auto first = doc.child("materials").child("material");
    EXPECT_DOUBLE_EQ(first.attribute("loi").as_double(), 1.5);
    EXPECT_STREQ(first.child("oxides").child("oxide").attribute("symbol").value(), "Na2O");
    EXPECT_DOUBLE_EQ(first.child("oxides").child("oxide").attribute("percent").as_double(), 3.0);
    EXPECT_DOUBLE_EQ(first.child("volatiles").child("volatile").attribute("percent").as_double(), 1.5);

    const auto glazechem = exportRecipes(set, ExportFormat::GlazeChem);
    ASSERT_EQ(glazechem.size(), 2u);
    EXPECT_EQ(glazechem[1].suffix, ".mat");
    EXPECT_NE(glazechem[1].content.find("name = Veldspaat \"Custer\" & <co>\r\n"
                                        "formula = % 3 Na2O  10 K2O  17 Al2O3  68.5 SiO2  1.5 LOI\r\n"),
              std::string::npos)
        << glazechem[1].content;
}

// Every format with room for it names Kelvora, its version and the oxides its
// Seger formulas are brought to one mol on.
TEST(ExportWritersTest, ExportsNameKelvoraItsVersionAndFluxSet) {
    const ExportSet set = ExportSet::of(exampleGlazes(), starterMaterials());
    const std::string producer = std::string("Kelvora ") + KELVORA_VERSION;
    EXPECT_EQ(exportFluxSet(), "Li2O, Na2O, K2O, BeO, MgO, CaO, SrO, BaO, FeO, CoO, CuO, NiO, MnO, ZnO, PbO");
    for (const ExportFormat format : exportFormats()) {
        if (format == ExportFormat::Csv) continue;
        SCOPED_TRACE(std::string(exportFormatName(format)));
        const auto files = exportRecipes(set, format);
        for (const auto& file : files)
            EXPECT_NE(file.content.find(producer), std::string::npos) << file.suffix;
        EXPECT_NE(files[0].content.find(exportFluxSet()), std::string::npos);
    }
}

// A multi-line description stays in one GlazeChem note: the first line after
// "note = |", each further line starting with "|".
TEST(ExportWritersTest, GlazeChemNoteContinuesWithBars) {
    const AwkwardSet awkward = awkwardSet();
    const std::string glz =
        exportRecipes(ExportSet::of(awkward.glazes, awkward.materials), ExportFormat::GlazeChem)[0].content;
    EXPECT_NE(glz.find("note = |Regel één\r\n|Regel twee | met streep\r\n"), std::string::npos) << glz;
}

TEST(ExportWritersTest, CsvFieldsAreQuotedAsRfc4180Says) {
    const struct {
        const char* text;
        const char* field;
    } cases[] = {
        {"Kwarts", "Kwarts"},
        {"Kwarts, fijn", "\"Kwarts, fijn\""},
        {"Tom's \"Shino\"", "\"Tom's \"\"Shino\"\"\""},
        {"twee\r\nregels", "\"twee\r\nregels\""},
        {"a | b é", "a | b é"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CsvRecipeWriter::field(c.text), c.field) << c.text;
}

TEST(ExportWritersTest, FormatNamesAreTheCommandLineWords) {
    std::vector<std::string> names;
    for (const ExportFormat format : exportFormats()) {
        names.emplace_back(exportFormatName(format));
        EXPECT_EQ(exportFormatByName(names.back()), format);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"glazy-yaml", "insight-xml", "glazechem", "text", "csv"}));
    EXPECT_EQ(exportFormatByName("glazy-json"), std::nullopt);
    EXPECT_EQ(exportFormatByName("CSV"), std::nullopt);
}

} // namespace
} // namespace kelvora::test
