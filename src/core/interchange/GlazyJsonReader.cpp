// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/GlazyJsonReader.h"

#include "common/Translate.h"

#include "interchange/ImportBounds.h"
#include "interchange/ImportError.h"
#include "interchange/ImportText.h"
#include "interchange/JsonValue.h"
#include "interchange/RecipeLineText.h"

#include <set>

namespace kelvora {

namespace {
using json = nlohmann::ordered_json;

// Oxide keys look like formulas ("SiO2", "Fe2O3"); the derived figures the
// site puts beside them ("SiO2Al2O3Ratio", "R2OTotal", "xAl2O3") do not.
bool looksLikeFormula(const std::string& key) {
    if (key.empty() || key.front() < 'A' || key.front() > 'Z') return false;
    std::size_t i = 0;
    while (i < key.size()) {
        if (key[i] < 'A' || key[i] > 'Z') return false;
        ++i;
        if (i < key.size() && key[i] >= 'a' && key[i] <= 'z') ++i;
        while (i < key.size() && key[i] >= '0' && key[i] <= '9')
            ++i;
    }
    return key != "R2O" && key != "RO";
}

const json& field(const json& object, const char* key) {
    static const json none;
    if (!object.is_object()) return none;
    const auto it = object.find(key);
    return it == object.end() ? none : *it;
}

ImportedMaterial material(const json& m, const std::string& recipe) {
    ImportedMaterial out;
    out.name = JsonValue::text(m, "name");
    out.id = JsonValue::text(m, "id");
    if (const std::string other = JsonValue::text(m, "otherNames"); !other.empty())
        out.aliases.push_back(other);
    out.description = JsonValue::text(m, "description");
    const json& analysis = field(field(m, "analysis"), "percentageAnalysis");
    if (analysis.is_object()) {
        for (const auto& [key, value] : analysis.items()) {
            const auto v = JsonValue::number(value, recipe, out.name + " " + key);
            if (!v) continue;
            if (ImportText::lowerAscii(key) == "loi")
                out.loi = *v;
            else if (looksLikeFormula(key))
                out.analysis.push_back({key, *v});
        }
    }
    if (!out.analysis.empty()) out.kind = AnalysisKind::WeightPercent;
    return out;
}

std::string cone(const json& r) {
    const std::string from = ImportText::decodeEntities(JsonValue::text(r, "fromOrtonConeName"));
    const std::string to = ImportText::decodeEntities(JsonValue::text(r, "toOrtonConeName"));
    if (from.empty() || to.empty() || from == to) return from.empty() ? to : from;
    return from + " - " + to;
}

void readRecipe(const json& r, ImportedFile& file, std::set<std::string>& seen) {
    if (!r.is_object()) throw ImportError(translate("Import", "een recept is geen JSON-object"));
    ImportedRecipe recipe;
    recipe.name = ImportText::decodeEntities(JsonValue::text(r, "name"));
    recipe.description = JsonValue::text(r, "description");
    recipe.cone = cone(r);
    recipe.addSource(SourceField::Surface, JsonValue::text(r, "surfaceTypeName"));
    recipe.addSource(SourceField::Transparency, JsonValue::text(r, "transparencyTypeName"));
    recipe.addSource(SourceField::Colour, JsonValue::text(r, "colorName"));
    recipe.addSource(SourceField::Tested, JsonValue::text(r, "materialStateName"));
    recipe.addSource(SourceField::Source, "Glazy");
    recipe.addSource(SourceField::Date, JsonValue::text(r, "createdAt").substr(0, 10));
    recipe.addSource(SourceField::Code, JsonValue::text(r, "id"));
    const json& components = field(r, "materialComponents");
    if (!components.is_null() && !components.is_array())
        throw ImportError::at(0, recipe.name, translate("Import", "'materialComponents' is geen lijst"));
    if (components.is_array()) {
        for (const json& c : components) {
            const json& m = field(c, "material");
            ImportedLine line;
            line.name = JsonValue::text(m, "name");
            line.materialId = JsonValue::text(m, "id");
            line.addition = JsonValue::flag(field(c, "isAdditional"));
            const auto amount = JsonValue::number(field(c, "percentageAmount"), recipe.name, line.name);
            if (amount)
                line.amount = *amount;
            else
                line.unsettled = RecipeLineText::kNoAmount;
            line.text = line.name;
            ImportBounds::checkMoreLines(recipe.lines.size(), 0, recipe.name);
            recipe.lines.push_back(line);
            if (m.is_object() && seen.insert(line.materialId.empty() ? line.name : line.materialId).second)
                file.materials.push_back(material(m, recipe.name));
        }
    }
    ImportBounds::checkMoreRecords(file.recipes.size() + file.materials.size());
    file.recipes.push_back(std::move(recipe));
}
} // namespace

ImportedFile GlazyJsonReader::read(std::string_view text) {
    const json root = JsonValue::parse(text);
    const json& data = root.is_object() && root.contains("data") ? root["data"] : root;
    ImportedFile file;
    std::set<std::string> seen;
    if (data.is_array()) {
        for (const json& r : data)
            readRecipe(r, file, seen);
    } else {
        readRecipe(data, file, seen);
    }
    return file;
}

} // namespace kelvora
