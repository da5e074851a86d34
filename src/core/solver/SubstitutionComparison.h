// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/Glaze.h"
#include "solver/RecipeSolver.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvora {

// The old recipe and formula of a glaze beside a substitution's new ones,
// line by line, as the substitution dialog shows them.
struct SubstitutionComparison {
    struct RecipeLine {
        std::string name;
        std::optional<double> before; // percentage in the glaze; nothing when the material is new
        std::optional<double> after;  // percentage in the new recipe (0 when left out); nothing unsolved
    };
    struct OxideLine {
        const Oxide* oxide;
        double before;
        double after;
    };

    // The glaze's materials in their order (a material named twice adds up),
    // then the new recipe's materials that the glaze does not hold. Without a
    // solved result only the old column is filled.
    static std::vector<RecipeLine> recipe(const Glaze& glaze, const RecipeResult* solved);
    // Every oxide in catalogue order that either formula holds.
    static std::vector<OxideLine> formula(const OxideValues& before, const OxideValues& after);
};

} // namespace kelvora
