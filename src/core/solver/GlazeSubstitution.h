// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "solver/RecipeSolver.h"

#include <string>
#include <utility>
#include <vector>

namespace kelvora {

class View;

// Replaces one material of a glaze's recipe by others while keeping the
// glaze's formula as close as the materials allow.
class GlazeSubstitution {
public:
    struct Result {
        RecipeResult recipe;  // the new recipe; its price counts the additions
        OxideValues before{}; // the glaze's formula as its recipe gives it now
        std::vector<std::pair<std::string, double>> additions; // kept as they are
    };

    // The materials of the current glaze's recipe, in slot order, each once.
    static std::vector<std::string> recipeMaterials(const View& glazes);

    // The Seger formula the current glaze's recipe gives: from the mol
    // amounts in mode "M", from the percentages in mode "P", scaled to a basic
    // sum of one as the glaze calculation does. Throws SolverError when a
    // material is unknown or the recipe holds no basic oxide.
    static OxideValues currentFormula(const View& materials, const View& glazes);

    // The recipe without `replaced`, with the glaze's other materials and the
    // candidates, closest to the current formula. Throws SolverError for an
    // unknown name or a material not in the recipe; the glaze is not changed.
    static Result solve(const View& materials, const View& glazes, const std::string& replaced,
                        const std::vector<std::string>& candidates);
};

} // namespace kelvora
