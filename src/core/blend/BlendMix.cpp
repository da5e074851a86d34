// SPDX-License-Identifier: GPL-3.0-or-later
#include "blend/BlendMix.h"

#include "common/Translate.h"
#include "engine/Calculate.h"

#include <algorithm>

namespace kelvora {

namespace {

void addTo(std::vector<BlendCorner::Line>& lines, const std::string& name, double amount) {
    for (auto& line : lines)
        if (line.name == name) {
            line.amount += amount;
            return;
        }
    lines.push_back({name, amount});
}

} // namespace

BlendCorner BlendCorner::of(const Glaze& glaze, const MaterialLookup& materials) {
    const CalcResult result = calculate(glaze.recipe, materials, {});
    if (result.stopped) {
        std::string why;
        for (const auto& m : result.messages)
            why += (why.empty() ? "" : "; ") + m;
        throw BlendError(
            fillIn(translate("Blend", "Glazuur %1 is niet te berekenen: %2"), {glaze.naam, why}));
    }
    BlendCorner corner;
    corner.glaze = glaze.naam;
    corner.skva = glaze.skva;
    corner.sktt = glaze.sktt;
    for (std::size_t i = 0; i < Recipe::slotCount; ++i) {
        const RecipeSlot& slot = glaze.recipe.recipeSlots[i];
        const double percent = Recipe::amount(result.mtp[i]);
        if (!Recipe::isBlank(slot.name) && percent > 0.0) addTo(corner.base, slot.name, percent);
    }
    for (const AdditionSlot& addition : glaze.recipe.additions) {
        const double parts = Recipe::amount(addition.tvp);
        if (!Recipe::isBlank(addition.name) && parts > 0.0) addTo(corner.additions, addition.name, parts);
    }
    return corner;
}

BlendMix BlendMix::of(const std::vector<BlendCorner>& corners, const std::vector<double>& weights,
                      const MaterialLookup& materials) {
    BlendMix mix;
    for (std::size_t c = 0; c < corners.size() && c < weights.size(); ++c) {
        if (weights[c] == 0.0) continue;
        for (const auto& line : corners[c].base)
            addTo(mix.base, line.name, weights[c] * line.amount);
        for (const auto& line : corners[c].additions)
            addTo(mix.additions, line.name, weights[c] * line.amount);
    }
    if (mix.base.size() > Recipe::slotCount || mix.additions.size() > Recipe::additionCount)
        mix.tooLarge =
            fillIn(translate("Blend", "%1 grondstoffen en %2 toevoegingen; een glazuur heeft plaats voor "
                                      "%3 grondstoffen en %4 toevoegingen."),
                   {std::to_string(mix.base.size()), std::to_string(mix.additions.size()),
                    std::to_string(Recipe::slotCount), std::to_string(Recipe::additionCount)});

    // Every corner calculated, so every base material is known with a mol
    // weight: grams over mol weight are its mols, as in the calculation.
    double basic = 0.0;
    for (const auto& line : mix.base) {
        const MaterialData* material = materials.find(line.name);
        if (!material || material->molg == 0.0) continue;
        const double mols = line.amount / material->molg;
        for (std::size_t k = 0; k < mix.formula.size(); ++k)
            mix.formula[k] += mols * material->oxides[k];
    }
    for (const Oxide& oxide : OxideCatalogue::group(OxideGroup::Basic))
        basic += mix.formula[static_cast<std::size_t>(oxide.position - 1)];
    if (basic > 0.0)
        for (double& value : mix.formula)
            value /= basic;
    return mix;
}

Glaze BlendMix::toGlaze(const std::string& name) const {
    Glaze glaze;
    glaze.naam = name;
    // Built from a character: GCC 12 warns of a false overlap (-Wrestrict) on
    // the assignment of the literal once this function is inlined here.
    glaze.recipe.molp = std::string(1, 'P');
    for (std::size_t i = 0; i < base.size() && i < Recipe::slotCount; ++i)
        glaze.recipe.recipeSlots[i] = {base[i].name, base[i].amount, kNullNumber};
    for (std::size_t i = 0; i < additions.size() && i < Recipe::additionCount; ++i)
        glaze.recipe.additions[i] = {additions[i].name, additions[i].amount};
    return glaze;
}

BlendAmounts BlendAmounts::of(const BlendGrid& grid, double perCellAmount, double margin) {
    BlendAmounts amounts;
    amounts.total.assign(static_cast<std::size_t>(grid.corners()), 0.0);
    for (const BlendCell& cell : grid.cells) {
        std::vector<double> row;
        for (std::size_t c = 0; c < cell.weights.size(); ++c) {
            row.push_back(cell.weights[c] * perCellAmount);
            amounts.total[c] += row.back();
        }
        amounts.perCell.push_back(std::move(row));
    }
    for (double& total : amounts.total)
        total *= 1.0 + margin;
    return amounts;
}

} // namespace kelvora
