// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/HyperGlazeReader.h"

#include "common/Translate.h"

#include "interchange/ImportBounds.h"
#include "interchange/ImportText.h"
#include "interchange/RecipeLineText.h"

namespace kelvora {

namespace {
void appendLine(std::string& to, const std::string& text) {
    if (!to.empty()) to += '\n';
    to += text;
}

// "Label: value" -> label in lower case and the value; false when the line has no label.
bool labelled(const std::string& line, std::string& label, std::string& value) {
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos || colon == 0 || colon > 20 || line.find('\t') < colon) return false;
    label = ImportText::lowerAscii(line.substr(0, colon));
    value = ImportText::trim(std::string_view(line).substr(colon + 1));
    return true;
}

enum class Part { Head, Recipe, Comments };
} // namespace

ImportedFile HyperGlazeReader::read(std::string_view text) {
    ImportedFile file;
    const std::vector<std::string_view> lines = ImportText::lines(text);
    Part part = Part::Head;
    bool additions = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const std::string t = ImportText::trim(lines[i]);
        if (t.empty()) continue;
        std::string label, value;
        const bool hasLabel = labelled(t, label, value);
        if (hasLabel && label == "glaze name") {
            ImportBounds::checkMoreRecords(file.recipes.size());
            file.recipes.emplace_back();
            file.recipes.back().name = value;
            file.recipes.back().line = number;
            part = Part::Head;
            additions = false;
            continue;
        }
        if (file.recipes.empty()) continue; // nothing before the first glaze belongs to one
        ImportedRecipe& r = file.recipes.back();
        if (part == Part::Comments) {
            appendLine(r.description, t);
            continue;
        }
        if (hasLabel && label == "recipe") {
            part = Part::Recipe;
            continue;
        }
        if (hasLabel && (label == "totals" || label == "total")) continue;
        if (hasLabel && label == "also add") {
            additions = true;
            part = Part::Recipe;
            continue;
        }
        if (hasLabel && (label == "comments" || label == "comment")) {
            part = Part::Comments;
            if (!value.empty()) appendLine(r.description, value);
            continue;
        }
        if (part == Part::Head) {
            if (!hasLabel) {
                appendLine(r.description, t);
            } else if (label == "cone") {
                r.cone = value;
            } else if (label == "color") {
                r.addSource(SourceField::Colour, value);
            } else if (label == "testing") {
                r.addSource(SourceField::Tested, value);
            } else if (label == "surface texture") {
                r.addSource(SourceField::Surface, value);
            } else if (label == "firing") {
                r.addSource(SourceField::Atmosphere, value);
            } else if (label == "glaze type") {
                r.addSource(SourceField::Kind, value);
            } else if (!value.empty()) {
                appendLine(r.description, t);
            }
            continue;
        }
        // A line of the table: the name, the percentage, the batch weight.
        const RecipeLineText parsed = RecipeLineText::parse(t);
        ImportedLine line;
        line.line = number;
        line.text = t;
        line.addition = additions || parsed.plus;
        if (parsed.ambiguous()) {
            line.name = t;
            line.unsettled = translate("Import", "niet duidelijk welk getal de hoeveelheid is");
        } else if (parsed.firstAmount) {
            line.amount = *parsed.firstAmount;
            line.name = parsed.nameAfterFirst;
        } else if (parsed.lastAmount) {
            line.amount = *parsed.lastAmount;
            line.name = parsed.nameBeforeLast;
        } else {
            line.name = parsed.name;
            line.unsettled = parsed.unsettled;
        }
        ImportBounds::checkMoreLines(r.lines.size(), r.line, r.name);
        r.lines.push_back(std::move(line));
    }
    return file;
}

} // namespace kelvora
