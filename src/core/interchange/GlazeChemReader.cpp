// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/GlazeChemReader.h"

#include "common/Translate.h"

#include "interchange/AmountText.h"
#include "interchange/ImportBounds.h"
#include "interchange/ImportError.h"
#include "interchange/ImportText.h"
#include "interchange/RecipeLineText.h"

namespace kelvora {

namespace {
void appendLine(std::string& to, const std::string& text) {
    if (text.empty()) return;
    if (!to.empty()) to += '\n';
    to += text;
}

// A text value without the '|' that marks its lines.
std::string textValue(const std::string& value) {
    return ImportText::trim(!value.empty() && value.front() == '|' ? value.substr(1) : value);
}

class Parser {
public:
    ImportedFile file;

    void line(int number, const std::string& key, const std::string& value) {
        if (key == "filetype") {
            materials_ = value.find("Materials") != std::string::npos;
            return;
        }
        if (key == "name") {
            start(number, value);
            return;
        }
        if (!inRecord_) return; // the file's header: version, dbname, currency units
        if (materials_)
            materialKey(number, key, value);
        else
            glazeKey(number, key, value);
    }

    void start(int number, const std::string& name) {
        inRecord_ = true;
        ImportBounds::checkMoreRecords(file.recipes.size() + file.materials.size());
        if (materials_) {
            file.materials.emplace_back();
            file.materials.back().name = name;
            file.materials.back().line = number;
        } else {
            file.recipes.emplace_back();
            file.recipes.back().name = name;
            file.recipes.back().line = number;
        }
    }

private:
    bool materials_ = false;
    bool inRecord_ = false;

    ImportedRecipe& recipe() { return file.recipes.back(); }

    void glazeKey(int number, const std::string& key, const std::string& value) {
        ImportedRecipe& r = recipe();
        if (key == "component" || key == "addition") {
            ImportedLine line;
            line.name = value;
            line.text = value;
            line.line = number;
            line.addition = key == "addition";
            // Until its amount follows, the line has none.
            line.unsettled = RecipeLineText::kNoAmount;
            ImportBounds::checkMoreLines(r.lines.size(), r.line, r.name);
            r.lines.push_back(std::move(line));
        } else if (key == "amount" || key == "addamount") {
            const bool addition = key == "addamount";
            if (r.lines.empty() || r.lines.back().addition != addition || r.lines.back().unsettled.empty())
                throw ImportError::at(number, r.name,
                                      fillIn(translate("Import", "%1 zonder %2 ervoor"),
                                             {key, addition ? "addition" : "component"}));
            ImportedLine& line = r.lines.back();
            line.text += " = " + value;
            if (value.empty()) return; // kept without an amount for the potter
            const auto amount = AmountText::parse(value);
            if (!amount)
                throw ImportError::at(number, r.name,
                                      fillIn(translate("Import", "'%1' is geen getal"), {value}));
            line.amount = *amount;
            line.unsettled.clear();
        } else if (key == "range") {
            r.cone = value;
        } else if (key == "kelvora_skva") { // the fields a Kelvora export adds
            r.skva = value;
        } else if (key == "kelvora_sktt") {
            r.sktt = value;
        } else if (key == "kelvora_catg") {
            r.catg = value;
        } else if (key == "firetype") {
            r.addSource(SourceField::Atmosphere, value);
        } else if (key == "vistexture") {
            r.addSource(SourceField::Surface, value);
        } else if (key == "transparency") {
            r.addSource(SourceField::Transparency, value);
        } else if (key == "color") {
            r.addSource(SourceField::Colour, value);
        } else if (key == "type") {
            r.addSource(SourceField::Kind, value);
        } else if (key == "tested") {
            r.addSource(SourceField::Tested, value);
        } else if (key == "source") {
            r.addSource(SourceField::Source, value);
        } else if (key == "date") {
            r.addSource(SourceField::Date, value);
        } else if (key == "index") {
            r.addSource(SourceField::Code, value);
        } else if (key == "note") {
            appendLine(r.description, textValue(value));
        } else if (key == "var") {
            if (const std::string v = textValue(value); !v.empty())
                appendLine(r.description, "Variant: " + v);
        } else if (key == "quality" || key == "xtals" || key == "bubbles" || key == "flow" ||
                   key == "durability" || key == "flaws") {
            if (!value.empty()) appendLine(r.description, key + ": " + value);
        }
        // imagefile and notefile name files on the writer's own disk; they do not travel.
    }

    void materialKey(int number, const std::string& key, const std::string& value) {
        ImportedMaterial& m = file.materials.back();
        if (key == "aka" || key == "akacode" || key == "code" || key == "mapto") {
            if (!value.empty()) m.aliases.push_back(value);
        } else if (key == "formula") {
            GlazeChemReader::readFormula(value, number, m);
        } else if (key == "note" || key == "annote" || key == "haznote") {
            appendLine(m.description, textValue(value));
        } else if (key == "type") {
            if (!value.empty()) appendLine(m.description, "type: " + value);
        } else if (key == "costperlb") {
            if (!value.empty() && AmountText::parse(value).value_or(0) > 0)
                appendLine(m.description, "prijs per lb: " + value);
        }
    }
};
} // namespace

void GlazeChemReader::readFormula(std::string_view formula, int line, ImportedMaterial& material) {
    std::vector<std::string> words = ImportText::words(formula);
    material.analysis.clear();
    material.kind = AnalysisKind::None;
    if (words.empty()) return;
    bool percent = false;
    if (words.front() == "%") {
        percent = true;
        words.erase(words.begin());
    } else if (words.front().front() == '%') {
        percent = true;
        words.front().erase(0, 1);
    }
    double coefficient = 1.0;
    bool pending = false; // a coefficient waits for its oxide
    std::string written;
    for (const std::string& w : words) {
        if (AmountText::looksNumeric(w)) {
            if (pending)
                throw ImportError::at(
                    line, "",
                    fillIn(translate("Import", "formule van '%1': %2 %3 - twee getallen achter elkaar"),
                           {material.name, written, w}));
            const auto parsed = AmountText::parse(w);
            if (!parsed)
                throw ImportError::at(
                    line, "",
                    fillIn(translate("Import", "formule van '%1': '%2' is geen getal"), {material.name, w}));
            coefficient = *parsed;
            pending = true;
            written = w;
            continue;
        }
        // The coefficient 1 is left out: "Al2O3  3 H2O".
        const double value = pending ? coefficient : 1.0;
        pending = false;
        if (percent && ImportText::lowerAscii(w) == "loi")
            material.loi = value;
        else
            material.analysis.push_back({w, value});
    }
    if (pending)
        throw ImportError::at(
            line, "",
            fillIn(translate("Import", "formule van '%1' eindigt met een getal zonder oxide"),
                   {material.name}));
    if (!material.analysis.empty() || !isNullNumber(material.loi))
        material.kind = percent ? AnalysisKind::WeightPercent : AnalysisKind::Molar;
}

ImportedFile GlazeChemReader::read(std::string_view text) {
    Parser parser;
    std::string lastKey; // the key of the last text value, for its '|' lines
    const std::vector<std::string_view> lines = ImportText::lines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const std::string_view raw = lines[i];
        const std::string trimmed = ImportText::trim(raw);
        if (trimmed.empty()) continue;
        if (trimmed.front() == '|') {
            // One more line of the text before it.
            if (!lastKey.empty()) parser.line(number, lastKey, trimmed);
            continue;
        }
        const std::size_t eq = raw.find('=');
        if (eq == std::string_view::npos)
            throw ImportError::at(
                number, parser.file.recipes.empty() ? "" : parser.file.recipes.back().name,
                fillIn(translate("Import", "regel zonder '=': '%1'"), {ImportText::trim(raw)}));
        const std::string key = ImportText::lowerAscii(ImportText::trim(raw.substr(0, eq)));
        const std::string value = ImportText::trim(raw.substr(eq + 1));
        lastKey = !value.empty() && value.front() == '|' ? key : std::string();
        parser.line(number, key, value);
    }
    return parser.file;
}

} // namespace kelvora
