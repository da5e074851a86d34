// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "solver/RecipeSolver.h"

#include <string>
#include <utility>
#include <vector>

namespace kelvora {

class MaterialLookup;
struct Glaze;

// Replaces one material of a glaze's recipe by others while keeping the
// glaze's formula as close as the materials allow.
class GlazeSubstitution {
public:
    struct Result {
        RecipeResult recipe;  // the new recipe; its price counts the additions
        OxideValues before{}; // the glaze's formula as its recipe gives it now
        std::vector<std::pair<std::string, double>> additions; // kept as they are
    };

    // The materials of the glaze's recipe, in order, each once.
    static std::vector<std::string> recipeMaterials(const Glaze& glaze);

    // The Seger formula the glaze's recipe gives: from the mol
    // amounts in mode "M", from the percentages in mode "P", scaled to a basic
    // sum of one as the glaze calculation does. Throws SolverError when a
    // material is unknown or the recipe holds no basic oxide.
    static OxideValues currentFormula(const MaterialLookup& materials, const Glaze& glaze);

    // The recipe without `replaced`, with the glaze's other materials and the
    // candidates, closest to the current formula. Throws SolverError for an
    // unknown name or a material not in the recipe; the glaze is not changed.
    static Result solve(const MaterialLookup& materials, const Glaze& glaze, const std::string& replaced,
                        const std::vector<std::string>& candidates);
};

} // namespace kelvora
