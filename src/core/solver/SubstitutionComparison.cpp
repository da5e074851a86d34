// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/SubstitutionComparison.h"

#include <algorithm>

namespace kelvora {

std::vector<SubstitutionComparison::RecipeLine> SubstitutionComparison::recipe(const Glaze& glaze,
                                                                               const RecipeResult* solved) {
    std::vector<RecipeLine> lines;
    auto find = [&](const std::string& name) {
        return std::find_if(lines.begin(), lines.end(), [&](const RecipeLine& l) { return l.name == name; });
    };
    for (const auto& slot : glaze.recipe.recipeSlots) {
        if (Recipe::isBlank(slot.name)) continue;
        auto it = find(slot.name);
        if (it == lines.end()) {
            lines.push_back({slot.name, 0.0, std::nullopt});
            it = lines.end() - 1;
        }
        *it->before += Recipe::amount(slot.mtp);
    }
    if (!solved) return lines;
    for (auto& line : lines)
        line.after = 0.0;
    for (std::size_t i = 0; i < solved->names.size() && i < solved->percentages.size(); ++i) {
        auto it = find(solved->names[i]);
        if (it == lines.end()) {
            lines.push_back({solved->names[i], std::nullopt, 0.0});
            it = lines.end() - 1;
        }
        it->after = solved->percentages[i];
    }
    return lines;
}

std::vector<SubstitutionComparison::OxideLine> SubstitutionComparison::formula(const OxideValues& before,
                                                                               const OxideValues& after) {
    std::vector<OxideLine> lines;
    for (const auto& oxide : OxideCatalogue::all()) {
        const auto k = static_cast<std::size_t>(oxide.position - 1);
        if (before[k] == 0.0 && after[k] == 0.0) continue;
        lines.push_back({&oxide, before[k], after[k]});
    }
    return lines;
}

} // namespace kelvora
