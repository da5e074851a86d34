// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/GlazeSubstitution.h"

#include "common/Translate.h"
#include "model/Glaze.h"
#include "model/MaterialLookup.h"
#include "solver/SolverError.h"

#include <algorithm>

namespace kelvora {

namespace {
bool contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}
} // namespace

std::vector<std::string> GlazeSubstitution::recipeMaterials(const Glaze& glaze) {
    return glaze.recipe.materialNames();
}

OxideValues GlazeSubstitution::currentFormula(const MaterialLookup& materials, const Glaze& glaze) {
    const bool byMols = glaze.recipe.molp == "M";
    OxideValues totals{};
    for (const auto& slot : glaze.recipe.recipeSlots) {
        if (Recipe::isBlank(slot.name)) continue;
        const auto material = SolverMaterial::lookup(materials, {slot.name}).front();
        const double mols = byMols ? Recipe::amount(slot.mtm) : Recipe::amount(slot.mtp) / material.molg;
        for (std::size_t k = 0; k < totals.size(); ++k)
            totals[k] += mols * material.oxides[k];
    }
    double basic = 0.0;
    for (const auto& oxide : OxideCatalogue::group(OxideGroup::Basic))
        basic += totals[static_cast<std::size_t>(oxide.position - 1)];
    if (!(basic > 0.0))
        throw SolverError(
            fillIn(translate("Solver", "Het recept van %1 bevat geen basisch oxide."), {glaze.naam}));
    for (auto& value : totals)
        value /= basic;
    return totals;
}

GlazeSubstitution::Result GlazeSubstitution::solve(const MaterialLookup& materials, const Glaze& glaze,
                                                   const std::string& replaced,
                                                   const std::vector<std::string>& candidates) {
    auto names = recipeMaterials(glaze);
    if (!contains(names, replaced))
        throw SolverError(fillIn(translate("Solver", "Grondstof %1 staat niet in het recept van %2"),
                                 {replaced, glaze.naam}));
    if (candidates.empty())
        throw SolverError(fillIn(translate("Solver", "Kies de grondstoffen die %1 vervangen."), {replaced}));
    names.erase(std::find(names.begin(), names.end(), replaced));
    for (const auto& candidate : candidates) {
        if (candidate == replaced)
            throw SolverError(fillIn(translate("Solver", "%1 kan zichzelf niet vervangen."), {replaced}));
        if (!contains(names, candidate)) names.push_back(candidate);
    }

    Result result;
    result.before = currentFormula(materials, glaze);
    const auto chosen = SolverMaterial::lookup(materials, names);
    result.recipe = RecipeSolver::matchFormula(chosen, result.before);

    // The additions go along unchanged and count in the price as they do in
    // the glaze calculation; one whose material is missing is priced at 0.
    std::vector<RecipeSolver::Addition> priced;
    for (const auto& addition : glaze.recipe.additions) {
        if (Recipe::isBlank(addition.name)) continue;
        const double parts = Recipe::amount(addition.tvp);
        result.additions.emplace_back(addition.name, parts);
        SolverMaterial material;
        priced.push_back(
            {parts, SolverMaterial::find(materials, addition.name, material) ? material.prys : 0.0});
    }
    if (result.recipe.solved) {
        std::vector<double> prices;
        for (const auto& m : chosen)
            prices.push_back(m.prys);
        result.recipe.price = RecipeSolver::costPrice(result.recipe.percentages, prices, priced);
    }
    return result;
}

} // namespace kelvora
