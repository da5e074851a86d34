// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/GlazePreview.h"

#include <algorithm>
#include <cmath>

namespace kelvora {

namespace {
// Stored values went through the same arithmetic, but a recalculation of a
// calculated recipe scales its columns once more; a relative millionth
// separates that rounding from any change a potter makes.
bool same(double stored, double calculated) {
    const double a = Recipe::amount(stored);
    const double b = Recipe::amount(calculated);
    return std::fabs(a - b) <= 1e-6 * std::max({1.0, std::fabs(a), std::fabs(b)});
}

bool sameResults(const Glaze& stored, const Glaze& calculated) {
    for (std::size_t k = 0; k < stored.oxides.size(); ++k)
        if (!same(stored.oxides[k], calculated.oxides[k])) return false;
    for (std::size_t i = 0; i < stored.recipe.recipeSlots.size(); ++i) {
        const RecipeSlot& a = stored.recipe.recipeSlots[i];
        const RecipeSlot& b = calculated.recipe.recipeSlots[i];
        if (!same(a.mtp, b.mtp) || !same(a.mtm, b.mtm)) return false;
    }
    return same(stored.prys, calculated.prys) && same(stored.tmpv, calculated.tmpv) &&
           same(stored.tmpt, calculated.tmpt);
}
} // namespace

GlazePreview GlazePreview::of(const Glaze& shown, const MaterialLookup& materials,
                              const CalcOptions& options) {
    GlazePreview preview;
    preview.glaze = shown;
    const CalcResult result = calculate(shown.recipe, materials, options);
    if (result.stopped) {
        preview.fault = result.messages.empty() ? std::string() : result.messages.front();
        preview.storedCurrent = shown.recipe.materialNames().empty();
        return preview;
    }
    applyResult(result, preview.glaze);
    preview.calculated = true;
    preview.storedCurrent = sameResults(shown, preview.glaze);
    return preview;
}

} // namespace kelvora
