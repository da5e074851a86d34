// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/LipglossReader.h"

#include "common/Translate.h"

#include "interchange/ImportBounds.h"
#include "interchange/ImportError.h"
#include "interchange/JsonValue.h"

namespace kelvora {

ImportedFile LipglossReader::read(std::string_view text) {
    const nlohmann::ordered_json root = JsonValue::parse(text);
    if (!root.is_object())
        throw ImportError(translate("Import", "de ingrediënten staan niet in een JSON-object"));
    ImportedFile file;
    for (const auto& [id, item] : root.items()) {
        if (!item.is_object() || !item.contains("name")) continue;
        ImportedMaterial m;
        m.id = id;
        m.name = JsonValue::text(item, "name");
        m.description = JsonValue::text(item, "notes");
        if (const auto analysis = item.find("analysis"); analysis != item.end() && analysis->is_object()) {
            for (const auto& [symbol, value] : analysis->items())
                if (const auto v = JsonValue::number(value, "", m.name + " " + symbol))
                    m.analysis.push_back({symbol, *v});
        }
        if (const auto other = item.find("other_attributes"); other != item.end() && other->is_object()) {
            if (const auto loi = other->find("0"); loi != other->end())
                if (const auto v = JsonValue::number(*loi, "", m.name + " LOI")) m.loi = *v;
            if (const auto cost = other->find("1"); cost != other->end())
                if (const std::string c = JsonValue::text(*cost); !c.empty() && c != "0")
                    m.description += (m.description.empty() ? "" : "\n") + std::string("Prijs: ") + c;
        }
        if (!m.analysis.empty()) m.kind = AnalysisKind::WeightPercent;
        ImportBounds::checkMoreRecords(file.materials.size());
        file.materials.push_back(std::move(m));
    }
    return file;
}

} // namespace kelvora
