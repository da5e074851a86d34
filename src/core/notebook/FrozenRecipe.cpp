// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/FrozenRecipe.h"

#include "common/Translate.h"
#include "notebook/NotebookError.h"
#include "notebook/NotebookText.h"

#include <vector>

namespace kelvora {

namespace {

using notebook::escapeField;
using notebook::unescapeField;

std::string amount(double value) {
    return isNullNumber(value) ? std::string() : notebook::storedNumber(value);
}

double amountFrom(std::string_view text) {
    if (text.empty()) return kNullNumber;
    const auto value = notebook::storedNumberFrom(text);
    if (!value)
        throw NotebookError(translate("Notebook", "Het bewaarde recept van een proef is beschadigd."));
    return *value;
}

} // namespace

std::string FrozenRecipe::text(const Recipe& recipe) {
    std::string out = "molp\t" + escapeField(recipe.molp) + "\n";
    for (std::size_t i = 0; i < recipe.recipeSlots.size(); ++i) {
        const auto& s = recipe.recipeSlots[i];
        if (s.name.empty() && isNullNumber(s.mtp) && isNullNumber(s.mtm)) continue;
        out += "r\t" + std::to_string(i + 1) + "\t" + escapeField(s.name) + "\t" + amount(s.mtp) + "\t" +
               amount(s.mtm) + "\n";
    }
    for (std::size_t i = 0; i < recipe.additions.size(); ++i) {
        const auto& a = recipe.additions[i];
        if (a.name.empty() && isNullNumber(a.tvp)) continue;
        out += "t\t" + std::to_string(i + 1) + "\t" + escapeField(a.name) + "\t" + amount(a.tvp) + "\n";
    }
    return out;
}

Recipe FrozenRecipe::parse(std::string_view text) {
    Recipe recipe;
    const auto damaged = [] {
        return NotebookError(translate("Notebook", "Het bewaarde recept van een proef is beschadigd."));
    };
    for (std::size_t start = 0; start < text.size();) {
        const auto end = text.find('\n', start);
        const std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start);
        start = end == std::string_view::npos ? text.size() : end + 1;
        if (line.empty()) continue;
        const auto f = notebook::split(line, '\t');
        if (f[0] == "molp" && f.size() == 2) {
            recipe.molp = unescapeField(f[1]);
            continue;
        }
        const bool line3 = f[0] == "r" && f.size() == 5, addition = f[0] == "t" && f.size() == 4;
        if (!line3 && !addition) throw damaged();
        const auto n = notebook::storedNumberFrom(f[1]);
        const std::size_t places = line3 ? recipe.recipeSlots.size() : recipe.additions.size();
        if (!n || *n < 1 || *n > static_cast<double>(places) || *n != static_cast<int>(*n)) throw damaged();
        const auto at = static_cast<std::size_t>(*n) - 1;
        if (line3)
            recipe.recipeSlots[at] = {unescapeField(f[2]), amountFrom(f[3]), amountFrom(f[4])};
        else
            recipe.additions[at] = {unescapeField(f[2]), amountFrom(f[3])};
    }
    return recipe;
}

} // namespace kelvora
