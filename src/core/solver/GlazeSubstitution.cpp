// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/GlazeSubstitution.h"

#include "common/Utf8.h"
#include "model/TableLayouts.h"
#include "solver/SolverError.h"
#include "store/View.h"

#include <algorithm>

namespace kelvora {

namespace {
bool blank(const std::string& text) {
    return utf8::trim(text).empty();
}

bool contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}
} // namespace

std::vector<std::string> GlazeSubstitution::recipeMaterials(const View& glazes) {
    std::vector<std::string> names;
    for (int n = 1; n <= TableLayouts::recipeSlots; ++n) {
        const std::string name = glazes.asText(TableLayouts::matField(n));
        if (!blank(name) && !contains(names, name)) names.push_back(name);
    }
    return names;
}

OxideValues GlazeSubstitution::currentFormula(const View& materials, const View& glazes) {
    const std::string glaze = glazes.asText("naam");
    const bool byMols = glazes.asText("molp") == "M";
    OxideValues totals{};
    for (int n = 1; n <= TableLayouts::recipeSlots; ++n) {
        const std::string name = glazes.asText(TableLayouts::matField(n));
        if (blank(name)) continue;
        const auto material = SolverMaterial::lookup(materials, {name}).front();
        const double mols = byMols ? glazes.asNumber(TableLayouts::mtmField(n))
                                   : glazes.asNumber(TableLayouts::mtpField(n)) / material.molg;
        for (std::size_t k = 0; k < totals.size(); ++k)
            totals[k] += mols * material.oxides[k];
    }
    double basic = 0.0;
    for (const auto& oxide : OxideCatalogue::group(OxideGroup::Basic))
        basic += totals[static_cast<std::size_t>(oxide.position - 1)];
    if (!(basic > 0.0)) throw SolverError("Het recept van " + glaze + " bevat geen basisch oxide.");
    for (auto& value : totals)
        value /= basic;
    return totals;
}

GlazeSubstitution::Result GlazeSubstitution::solve(const View& materials, const View& glazes,
                                                   const std::string& replaced,
                                                   const std::vector<std::string>& candidates) {
    const std::string glaze = glazes.asText("naam");
    auto names = recipeMaterials(glazes);
    if (!contains(names, replaced))
        throw SolverError("Grondstof " + replaced + " staat niet in het recept van " + glaze);
    if (candidates.empty()) throw SolverError("Kies de grondstoffen die " + replaced + " vervangen.");
    names.erase(std::find(names.begin(), names.end(), replaced));
    for (const auto& candidate : candidates) {
        if (candidate == replaced) throw SolverError(replaced + " kan zichzelf niet vervangen.");
        if (!contains(names, candidate)) names.push_back(candidate);
    }

    Result result;
    result.before = currentFormula(materials, glazes);
    const auto chosen = SolverMaterial::lookup(materials, names);
    result.recipe = RecipeSolver::matchFormula(chosen, result.before);

    // The additions go along unchanged and count in the price as they do in
    // the glaze calculation; one whose material is missing is priced at 0.
    std::vector<RecipeSolver::Addition> priced;
    for (int n = 1; n <= TableLayouts::additionSlots; ++n) {
        const std::string name = glazes.asText(TableLayouts::tvsField(n));
        if (blank(name)) continue;
        const double parts = glazes.asNumber(TableLayouts::tvpField(n));
        result.additions.emplace_back(name, parts);
        SolverMaterial material;
        priced.push_back({parts, SolverMaterial::find(materials, name, material) ? material.prys : 0.0});
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
