// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/TextRecipeReader.h"

#include "common/Translate.h"

#include "interchange/ImportBounds.h"
#include "interchange/ImportText.h"
#include "interchange/RecipeLineText.h"

#include <array>
#include <vector>

namespace kelvora {

namespace {
std::string withoutColon(std::string text) {
    while (!text.empty() && (text.back() == ':' || text.back() == ' '))
        text.pop_back();
    return text;
}

bool isAdditionSwitch(const std::string& t) {
    const std::string w = withoutColon(ImportText::lowerAscii(t));
    for (const char* s : {"add", "added", "also add", "toevoegen", "toevoegingen"})
        if (w == s) return true;
    return false;
}

bool isHeaderWord(const std::string& word) {
    static constexpr std::array kWords{
        "ingredient",  "ingredients", "material",   "materials", "materiaal", "amount",
        "amounts",     "percent",     "percentage", "%",         "batch",     "recipe",
        "weight",      "parts",       "grams",      "add",       "grondstof", "grondstoffen",
        "hoeveelheid", "gewicht",     "procent",    "recept",    "qty",       "quantity"};
    const std::string w = withoutColon(ImportText::lowerAscii(word));
    for (const char* k : kWords)
        if (w == k) return true;
    return false;
}

// "Ingredient Amount", "Recipe: Percent Batch", "Add Amount", "INGREDIENTS:".
bool isHeader(const std::string& t) {
    const std::vector<std::string> words = ImportText::words(t);
    if (words.empty()) return false;
    for (const std::string& w : words)
        if (!isHeaderWord(w)) return false;
    return words.size() >= 2 || t.back() == ':';
}

bool isTotal(const std::string& t) {
    const std::vector<std::string> words = ImportText::words(t);
    if (words.empty()) return false;
    const std::string w = withoutColon(ImportText::lowerAscii(words.front()));
    return w == "total" || w == "totals" || w == "totaal" || w == "subtotal" || w == "sum";
}

// A line of only dashes, equals signs, underscores and the like.
bool isRule(const std::string& t) {
    if (t.size() < 3) return false;
    for (const char c : t)
        if (c != '-' && c != '=' && c != '_' && c != '*' && c != '~' && c != '.' && c != ' ' && c != '\t')
            return false;
    return true;
}

bool isCommentLabel(const std::string& t, std::string& rest) {
    for (const char* label : {"comments:", "comment:", "notes:", "note:", "opmerkingen:", "opmerking:"})
        if (ImportText::startsWithNoCase(t, label)) {
            rest = ImportText::trim(std::string_view(t).substr(std::string_view(label).size()));
            return true;
        }
    return false;
}

// The text after a cone label holds only a cone or a range of them: "6",
// "9 - 10", "04/03", "6a", "5Â½". "6 Clear" is a name, not a cone.
bool isConeText(const std::string& rest) {
    if (rest.empty() || rest.size() > 12 || rest.find_first_of("0123456789") == std::string::npos)
        return false;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (rest.compare(i, 2, "\xC2\xBD") == 0) {
            ++i;
            continue;
        }
        if (std::string_view("0123456789 -/.,aAbB").find(rest[i]) == std::string_view::npos) return false;
    }
    return true;
}

// "Cone 6", "Cone: 9 - 10", "Kegel 6", "SK 6a", "Δ6".
bool isConeLine(const std::string& t, std::string& cone) {
    for (const char* label : {"orton cone", "cone", "kegel", "sk", "\xCE\x94"}) {
        if (!ImportText::startsWithNoCase(t, label)) continue;
        std::string rest = ImportText::trim(std::string_view(t).substr(std::string_view(label).size()));
        if (!rest.empty() && rest.front() == ':') rest = ImportText::trim(rest.substr(1));
        if (!isConeText(rest)) return false;
        cone = rest;
        return true;
    }
    return false;
}

// "Name: ...", "Glaze name: ...", "Naam: ...".
bool isNameLabel(const std::string& t, std::string& name) {
    for (const char* label : {"glaze name:", "recipe name:", "name:", "naam:"})
        if (ImportText::startsWithNoCase(t, label)) {
            name = ImportText::trim(std::string_view(t).substr(std::string_view(label).size()));
            return !name.empty();
        }
    return false;
}

struct PendingLine {
    RecipeLineText parsed;
    ImportedLine line;
};

struct Pending {
    ImportedRecipe recipe;
    std::vector<PendingLine> lines;
};

void appendText(std::string& to, const std::string& text) {
    if (!to.empty()) to += '\n';
    to += text;
}

// Chooses the reading of each line: the amount where the clear lines of the
// recipe have it. A line with a number at both ends in a recipe that does not
// show an order stays unsettled.
ImportedRecipe finish(Pending p) {
    int first = 0, last = 0;
    for (const PendingLine& l : p.lines) {
        if (l.parsed.ambiguous()) continue;
        if (l.parsed.firstAmount) ++first;
        if (l.parsed.lastAmount) ++last;
    }
    for (PendingLine& l : p.lines) {
        ImportedLine& out = l.line;
        const RecipeLineText& r = l.parsed;
        out.addition = out.addition || r.plus;
        bool useFirst = r.firstAmount.has_value();
        if (r.ambiguous()) {
            if (first == last) {
                out.name = out.text;
                out.unsettled = translate("Import", "niet duidelijk welk getal de hoeveelheid is");
                p.recipe.lines.push_back(std::move(out));
                continue;
            }
            useFirst = first > last;
        }
        if (r.hasAmount()) {
            out.amount = useFirst ? *r.firstAmount : *r.lastAmount;
            out.name = useFirst ? r.nameAfterFirst : r.nameBeforeLast;
        } else {
            out.name = r.name;
            out.unsettled = r.unsettled;
        }
        p.recipe.lines.push_back(std::move(out));
    }
    return std::move(p.recipe);
}
} // namespace

ImportedFile TextRecipeReader::read(std::string_view text) {
    ImportedFile file;
    const std::vector<std::string_view> lines = ImportText::lines(text);
    Pending current;
    bool additions = false, blankBefore = false, inComments = false, started = false;

    // Whether the next non-blank line after `i` reads as a recipe line.
    auto nextIsRecipeLine = [&](std::size_t i) {
        for (std::size_t k = i + 1; k < lines.size(); ++k) {
            const std::string t = ImportText::trim(lines[k]);
            if (t.empty()) continue;
            return RecipeLineText::parse(t).hasAmount() || isHeader(t);
        }
        return false;
    };
    auto startRecipe = [&](const std::string& name, int lineNo) {
        if (started) {
            ImportBounds::checkMoreRecords(file.recipes.size());
            file.recipes.push_back(finish(std::move(current)));
        }
        current = Pending{};
        current.recipe.name = name;
        current.recipe.line = lineNo;
        additions = false;
        started = true;
    };

    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i) + 1;
        const std::string t = ImportText::trim(lines[i]);
        if (t.empty()) {
            blankBefore = true;
            inComments = false;
            continue;
        }
        const bool afterBlank = blankBefore;
        blankBefore = false;
        if (isRule(t)) continue;
        if (inComments) {
            appendText(current.recipe.description, t);
            continue;
        }
        std::string rest;
        if (isNameLabel(t, rest)) {
            if (started && current.lines.empty() && current.recipe.name.empty()) {
                current.recipe.name = rest;
                current.recipe.line = lineNo;
            } else {
                startRecipe(rest, lineNo);
            }
            continue;
        }
        if (!started) startRecipe("", lineNo);
        if (isCommentLabel(t, rest)) {
            inComments = true;
            if (!rest.empty()) appendText(current.recipe.description, rest);
            continue;
        }
        if (isAdditionSwitch(t)) {
            additions = true;
            continue;
        }
        if (isHeader(t)) {
            if (ImportText::startsWithNoCase(t, "add")) additions = true;
            continue;
        }
        if (isTotal(t)) continue;
        if (t.front() == '*') {
            std::size_t from = t.find_first_not_of("* ");
            if (from != std::string::npos) appendText(current.recipe.description, t.substr(from));
            continue;
        }
        if (std::string cone; isConeLine(t, cone)) {
            current.recipe.cone = cone;
            continue;
        }
        RecipeLineText parsed = RecipeLineText::parse(t);
        const bool plain = !parsed.hasAmount() && !parsed.hasDigit;
        const bool named = !current.recipe.name.empty();
        if (current.lines.empty() && !named && parsed.unsettled == RecipeLineText::kNoAmount) {
            // The first line without an amount names the recipe.
            current.recipe.name = t;
            current.recipe.line = lineNo;
            continue;
        }
        if (afterBlank && plain && !current.lines.empty() && nextIsRecipeLine(i)) {
            startRecipe(t, lineNo);
            continue;
        }
        PendingLine pending;
        pending.parsed = std::move(parsed);
        pending.line.addition = additions;
        pending.line.line = lineNo;
        pending.line.text = t;
        ImportBounds::checkMoreLines(current.lines.size(), current.recipe.line, current.recipe.name);
        current.lines.push_back(std::move(pending));
    }
    if (started && (!current.lines.empty() || !current.recipe.name.empty()))
        file.recipes.push_back(finish(std::move(current)));
    return file;
}

} // namespace kelvora
