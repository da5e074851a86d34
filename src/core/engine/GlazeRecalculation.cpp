// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/GlazeRecalculation.h"

#include "common/Translate.h"
#include "model/Material.h"
#include "store/GlazeBook.h"

namespace kelvora {

bool GlazeRecalculation::at(GlazeBook& book, int index, const CalcOptions& options, Prompter& prompter) {
    Glaze glaze = book.glazeAt(index);
    const CalcResult result = calculate(glaze.recipe, book.catalogue(), options);
    for (const auto& text : result.messages)
        prompter.message(text);
    if (result.stopped) return false;
    applyResult(result, glaze);
    book.updateGlazeAt(index, glaze);
    return true;
}

std::vector<std::string> GlazeRecalculation::recalcUsing(GlazeBook& book, const std::string& material,
                                                         Prompter& prompter) {
    std::vector<std::string> names;
    if (Recipe::isBlank(material)) return names;
    // Names do not change, so every glaze keeps its place in the name order.
    for (int i = 0; i < book.glazeCount(); ++i) {
        const Glaze glaze = book.glazeAt(i);
        if (!glaze.recipe.uses(material)) continue;
        at(book, i, {}, prompter);
        names.push_back(glaze.naam);
    }
    return names;
}

bool GlazeRecalculation::affectsGlazes(const Material& before, const Material& after) {
    Material priced = before;
    priced.prys = after.prys;
    priced.molg = after.molg;
    priced.oxides = after.oxides;
    return !(priced == before);
}

std::string GlazeRecalculation::questionText(int glazeCount) {
    return fillIn(
        translate("GlazeRecalculation", "Ook de %1 glazuren die deze grondstof gebruiken herberekenen?"),
        {std::to_string(glazeCount)});
}

int GlazeRecalculation::offerAfterChange(GlazeBook& book, const std::string& material, Prompter& prompter) {
    const auto users = book.glazesUsing(material);
    if (users.empty()) return 0;
    if (!prompter.confirm(questionText(static_cast<int>(users.size())))) return 0;
    const auto done = recalcUsing(book, material, prompter);
    book.save();
    return static_cast<int>(done.size());
}

} // namespace kelvora
