// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/SankeyReader.h"

#include "common/Translate.h"

#include "interchange/ImportBounds.h"
#include "interchange/ImportText.h"
#include "interchange/RecipeLineText.h"

#include <vector>

namespace kelvora {

namespace {
void appendLine(std::string& to, const std::string& text) {
    if (text.empty()) return;
    if (!to.empty()) to += '\n';
    to += text;
}

// The line without HTML tags, its character references decoded.
std::string plain(std::string_view line) {
    std::string out;
    bool inTag = false;
    for (const char c : line) {
        if (c == '<')
            inTag = true;
        else if (c == '>' && inTag)
            inTag = false;
        else if (!inTag)
            out += c;
    }
    return ImportText::trim(ImportText::decodeEntities(out));
}
} // namespace

ImportedFile SankeyReader::read(std::string_view text) {
    ImportedFile file;
    const std::vector<std::string_view> lines = ImportText::lines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const std::string t = plain(lines[i]);
        if (t.empty()) continue;
        const bool lettered = t.size() >= 2 && t[0] >= 'A' && t[0] <= 'Z' && t[1] == ':';
        const char letter = lettered ? t[0] : '\0';
        const std::string value = lettered ? ImportText::trim(std::string_view(t).substr(2)) : t;
        if (letter == 'A') {
            ImportBounds::checkMoreRecords(file.recipes.size());
            file.recipes.emplace_back();
            file.recipes.back().name = value;
            file.recipes.back().line = number;
            continue;
        }
        if (file.recipes.empty()) continue; // the page's header and its key to the letters
        ImportedRecipe& r = file.recipes.back();
        switch (letter) {
        case 'B':
            r.addSource(SourceField::Source, value);
            break;
        case 'C':
            r.cone = value;
            break;
        case 'D':
            appendLine(r.description, "Stoken: " + value);
            break;
        case 'E': {
            // The amount stands first; the name may end in a number ("frit,Pemco 25").
            const RecipeLineText parsed = RecipeLineText::parse(value);
            ImportedLine line;
            line.line = number;
            line.text = value;
            if (parsed.firstAmount) {
                line.amount = *parsed.firstAmount;
                line.name = parsed.nameAfterFirst;
            } else {
                line.name = parsed.hasAmount() ? value : parsed.name;
                line.unsettled = parsed.unsettled.empty() ? translate("Import", "geen hoeveelheid vooraan")
                                                          : parsed.unsettled;
            }
            ImportBounds::checkMoreLines(r.lines.size(), r.line, r.name);
            r.lines.push_back(std::move(line));
            break;
        }
        case 'F':
            r.addSource(SourceField::Surface, value);
            break;
        case 'G':
            appendLine(r.description, "Fout: " + value);
            break;
        case 'H':
            r.addSource(SourceField::Tested, value);
            break;
        default:
            appendLine(r.description, t);
        }
    }
    // A record without ingredients is the page's key to the letters, not a glaze.
    std::erase_if(file.recipes, [](const ImportedRecipe& r) { return r.lines.empty(); });
    return file;
}

} // namespace kelvora
