// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/GlazyYamlReader.h"

#include "common/Translate.h"

#include "interchange/AmountText.h"
#include "interchange/ImportBounds.h"
#include "interchange/ImportError.h"
#include "interchange/ImportText.h"
#include "interchange/RecipeLineText.h"

#include <map>
#include <yaml-cpp/yaml.h>

namespace kelvora {

namespace {
int lineOf(const YAML::Node& node) {
    return node.Mark().is_null() ? 0 : node.Mark().line + 1;
}

std::string scalar(const YAML::Node& node) {
    if (!node || !node.IsScalar()) return {};
    return ImportText::trim(node.Scalar());
}

std::string text(const YAML::Node& record, const char* key) {
    return scalar(record[key]);
}

// A number of the file; an empty value is none, anything else that is no
// number refuses the file.
std::optional<double> number(const YAML::Node& node, const std::string& recipe) {
    const std::string value = scalar(node);
    if (value.empty()) return std::nullopt;
    if (const auto amount = AmountText::parse(value)) return amount;
    throw ImportError::at(lineOf(node), recipe, fillIn(translate("Import", "'%1' is geen getal"), {value}));
}

bool yes(const YAML::Node& node) {
    const std::string v = ImportText::lowerAscii(scalar(node));
    return v == "true" || v == "yes" || v == "1";
}

std::vector<std::string> list(const YAML::Node& node) {
    std::vector<std::string> out;
    auto add = [&](const std::string& text) {
        std::string part;
        for (const char c : text + ",") {
            if (c == ',' || c == ';') {
                if (std::string t = ImportText::trim(part); !t.empty()) out.push_back(t);
                part.clear();
            } else {
                part += c;
            }
        }
    };
    if (node && node.IsSequence()) {
        for (const YAML::Node& item : node)
            add(scalar(item));
    } else {
        add(scalar(node));
    }
    return out;
}

ImportedMaterial material(const YAML::Node& record) {
    ImportedMaterial m;
    m.name = text(record, "Name");
    m.id = text(record, "ID");
    m.line = lineOf(record);
    m.aliases = list(record["Other Names"]);
    m.description = text(record, "Description");
    const YAML::Node analysis = record["Percent Analysis"];
    if (analysis && analysis.IsMap()) {
        for (const auto& entry : analysis) {
            const std::string symbol = scalar(entry.first);
            const auto value = number(entry.second, "");
            if (!value) continue;
            if (ImportText::lowerAscii(symbol) == "loi")
                m.loi = *value;
            else
                m.analysis.push_back({symbol, *value});
        }
    }
    if (!m.analysis.empty()) m.kind = AnalysisKind::WeightPercent;
    return m;
}

ImportedRecipe recipe(const YAML::Node& record, const std::map<std::string, std::string>& namesById) {
    ImportedRecipe r;
    r.name = text(record, "Name");
    r.line = lineOf(record);
    r.description = text(record, "Description");
    r.cone = text(record, "Cone");
    r.addSource(SourceField::Atmosphere, [&] {
        std::string out;
        for (const std::string& a : list(record["Atmospheres"]))
            out += (out.empty() ? "" : ", ") + a;
        return out;
    }());
    r.addSource(SourceField::Surface, text(record, "Surface"));
    r.addSource(SourceField::Transparency, text(record, "Transparency"));
    r.addSource(SourceField::Kind, text(record, "Subtype"));
    r.addSource(SourceField::Tested, text(record, "State"));
    r.addSource(SourceField::Source, "Glazy");
    if (const YAML::Node by = record["Created By"]; by && by.IsMap())
        r.addSource(SourceField::Author, text(by, "Name"));
    r.addSource(SourceField::Date, text(record, "Date Created"));
    r.addSource(SourceField::Code, text(record, "ID"));
    // The fields a Kelvora export adds, taken over as they stand.
    if (const YAML::Node own = record["Kelvora"]; own && own.IsMap()) {
        if (own["SK From"]) r.skva = text(own, "SK From");
        if (own["SK To"]) r.sktt = text(own, "SK To");
        if (own["Category"]) r.catg = text(own, "Category");
    }
    const YAML::Node ingredients = record["Ingredients"];
    if (ingredients && !ingredients.IsSequence() && !ingredients.IsNull())
        throw ImportError::at(lineOf(ingredients), r.name,
                              translate("Import", "'Ingredients' is geen lijst"));
    if (!ingredients || ingredients.IsNull()) return r;
    for (const YAML::Node& item : ingredients) {
        if (!item.IsMap())
            throw ImportError::at(lineOf(item), r.name, translate("Import", "een ingrediënt zonder velden"));
        ImportedLine line;
        line.line = lineOf(item);
        line.materialId = text(item, "ID");
        line.name = text(item, "Name");
        if (line.name.empty()) {
            if (const auto it = namesById.find(line.materialId); it != namesById.end())
                line.name = it->second;
        }
        line.addition = yes(item["Additional"]);
        const auto amount = number(item["Percentage"], r.name);
        if (amount)
            line.amount = *amount;
        else
            line.unsettled = RecipeLineText::kNoAmount;
        line.text = line.name;
        ImportBounds::checkMoreLines(r.lines.size(), r.line, r.name);
        r.lines.push_back(std::move(line));
    }
    return r;
}

std::string typeOf(const YAML::Node& record) {
    if (const std::string type = text(record, "Type"); !type.empty()) return type;
    if (record["Ingredients"]) return "Recipe";
    if (record["Percent Analysis"]) return "Material";
    return {};
}
} // namespace

ImportedFile GlazyYamlReader::read(std::string_view source) {
    YAML::Node root;
    try {
        root = YAML::Load(std::string(source));
    } catch (const YAML::Exception& e) {
        throw ImportError::at(e.mark.is_null() ? 0 : e.mark.line + 1, "",
                              fillIn(translate("Import", "geen leesbare YAML: %1"), {e.msg}));
    }
    std::vector<YAML::Node> records;
    if (root.IsSequence()) {
        for (const YAML::Node& record : root)
            records.push_back(record);
    } else if (root.IsMap()) {
        records.push_back(root);
    } else if (!root.IsNull()) {
        throw ImportError::at(lineOf(root), "",
                              translate("Import", "geen lijst van recepten en grondstoffen"));
    }
    ImportBounds::checkMoreRecords(records.size() - std::min<std::size_t>(records.size(), 1));
    ImportedFile file;
    std::map<std::string, std::string> namesById;
    // Materials first, so that an ingredient without a name finds its record.
    for (const YAML::Node& record : records) {
        if (!record.IsMap())
            throw ImportError::at(lineOf(record), "", translate("Import", "een record zonder velden"));
        if (typeOf(record) != "Material") continue;
        file.materials.push_back(material(record));
        if (!file.materials.back().id.empty())
            namesById[file.materials.back().id] = file.materials.back().name;
    }
    for (const YAML::Node& record : records)
        if (typeOf(record) == "Recipe") file.recipes.push_back(recipe(record, namesById));
    return file;
}

} // namespace kelvora
