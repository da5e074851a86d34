// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/InsightXmlReader.h"

#include "common/Translate.h"

#include "interchange/AmountText.h"
#include "interchange/ImportBounds.h"
#include "interchange/ImportError.h"
#include "interchange/ImportText.h"
#include "interchange/RecipeLineText.h"

#include <cstring>
#include <pugixml.hpp>

namespace kelvora {

namespace {
struct Reader {
    std::string_view source;

    int lineOf(const pugi::xml_node& node) const {
        return node.offset_debug() < 0
                   ? 0
                   : ImportText::lineOf(source, static_cast<std::size_t>(node.offset_debug()));
    }
    static std::string attr(const pugi::xml_node& node, const char* name) {
        return ImportText::trim(node.attribute(name).value());
    }
    std::optional<double> number(const pugi::xml_node& node, const char* name,
                                 const std::string& recipe) const {
        const std::string value = attr(node, name);
        if (value.empty()) return std::nullopt;
        if (const auto v = AmountText::parse(value)) return v;
        throw ImportError::at(lineOf(node), recipe,
                              fillIn(translate("Import", "%1 '%2' is geen getal"), {name, value}));
    }

    static bool isNamed(const pugi::xml_node& node, const char* name) {
        return std::strcmp(node.name(), name) == 0;
    }

    ImportedRecipe recipe(const pugi::xml_node& node) const {
        ImportedRecipe r;
        r.name = attr(node, "name");
        r.line = lineOf(node);
        r.addSource(SourceField::Keywords, attr(node, "keywords"));
        r.addSource(SourceField::Date, attr(node, "date"));
        r.addSource(SourceField::Code, attr(node, "codenum"));
        r.addSource(SourceField::Url, attr(node, "url"));
        r.description = ImportText::trim(node.child("notes").text().get());
        // The fields a Kelvora export adds, taken over as they stand.
        if (const pugi::xml_node own = node.child("kelvora")) {
            if (own.attribute("skva")) r.skva = attr(own, "skva");
            if (own.attribute("sktt")) r.sktt = attr(own, "sktt");
            if (own.attribute("catg")) r.catg = attr(own, "catg");
        }
        double firstConversion = 0.0;
        bool mixedUnits = false;
        struct Scaled {
            double amount, conversion;
        };
        std::vector<Scaled> scaled;
        for (const pugi::xml_node& lines : node.children("recipelines")) {
            for (const pugi::xml_node& child : lines.children()) {
                if (isNamed(child, "url")) {
                    // Insight puts the recipe's web page among its lines.
                    r.addSource(SourceField::Url, attr(child, "url"));
                    continue;
                }
                if (!isNamed(child, "recipeline")) continue;
                ImportedLine line;
                line.line = lineOf(child);
                line.name = attr(child, "material");
                line.text = line.name;
                const std::string added = ImportText::lowerAscii(attr(child, "added"));
                line.addition = added == "1" || added == "true" || added == "yes";
                const auto amount = number(child, "amount", r.name);
                const auto conversion = number(child, "conversion", r.name);
                if (conversion && *conversion <= 0)
                    throw ImportError::at(
                        line.line, r.name,
                        fillIn(translate("Import", "conversion '%1' moet groter dan 0 zijn"),
                               {attr(child, "conversion")}));
                const double factor = conversion.value_or(1.0);
                if (amount) {
                    if (scaled.empty()) firstConversion = factor;
                    mixedUnits = mixedUnits || factor != firstConversion;
                    scaled.push_back({*amount, factor});
                    line.amount = *amount;
                } else {
                    line.unsettled = RecipeLineText::kNoAmount;
                }
                ImportBounds::checkMoreLines(r.lines.size(), r.line, r.name);
                r.lines.push_back(std::move(line));
            }
        }
        if (mixedUnits) {
            std::size_t k = 0;
            for (ImportedLine& line : r.lines)
                if (line.unsettled.empty()) {
                    line.amount = scaled[k].amount * scaled[k].conversion / firstConversion;
                    ++k;
                }
        }
        for (const pugi::xml_node& url : node.child("urls").children("url"))
            r.addSource(SourceField::Url, attr(url, "url"));
        return r;
    }

    ImportedMaterial material(const pugi::xml_node& node) const {
        ImportedMaterial m;
        m.name = attr(node, "name");
        m.line = lineOf(node);
        m.description = attr(node, "descrip");
        if (const auto loi = number(node, "loi", "")) m.loi = *loi;
        for (const pugi::xml_node& oxide : node.child("oxides").children("oxide")) {
            if (const auto v = number(oxide, "percent", ""))
                m.analysis.push_back({attr(oxide, "symbol"), *v});
        }
        for (const pugi::xml_node& volatile_ : node.child("volatiles").children("volatile")) {
            const auto v = number(volatile_, "percent", "");
            if (!v) continue;
            const std::string symbol = attr(volatile_, "symbol");
            if (ImportText::lowerAscii(symbol) == "loi")
                m.loi = *v;
            else
                m.analysis.push_back({symbol, *v});
        }
        if (!m.analysis.empty()) m.kind = AnalysisKind::WeightPercent;
        return m;
    }
};
} // namespace

ImportedFile InsightXmlReader::read(std::string_view text) {
    pugi::xml_document doc;
    // No DOCTYPE processing: pugixml never expands external entities, and
    // parse_default leaves the document type out.
    const pugi::xml_parse_result result =
        doc.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!result)
        throw ImportError::at(ImportText::lineOf(text, static_cast<std::size_t>(result.offset)), "",
                              fillIn(translate("Import", "geen leesbare XML: %1"), {result.description()}));
    const Reader reader{text};
    ImportedFile file;
    const pugi::xml_node root = doc.document_element();
    auto visit = [&](const pugi::xml_node& node) {
        ImportBounds::checkMoreRecords(file.recipes.size() + file.materials.size());
        if (Reader::isNamed(node, "recipe")) file.recipes.push_back(reader.recipe(node));
        if (Reader::isNamed(node, "material")) file.materials.push_back(reader.material(node));
    };
    if (Reader::isNamed(root, "recipe") || Reader::isNamed(root, "material")) {
        visit(root);
    } else if (Reader::isNamed(root, "recipes") || Reader::isNamed(root, "materials")) {
        for (const pugi::xml_node& child : root.children())
            visit(child);
    } else {
        throw ImportError::at(
            reader.lineOf(root), "",
            fillIn(translate("Import", "<%1> is geen recept- of grondstoffenbestand"), {root.name()}));
    }
    return file;
}

} // namespace kelvora
