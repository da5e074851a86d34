// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "solver/SolverMaterial.h"

#include <string>
#include <vector>

namespace kelvora {

// A range a recipe must stay inside: the Seger value of one oxide, or the
// ratio of two ("sio2:al2o3"). `high` may be LinearProgram::infinity.
struct OxideRange {
    std::string stem;
    double low = 0.0;
    double high = 0.0;

    bool isRatio() const { return stem.find(':') != std::string::npos; }
    // "SiO2 3..4", "SiO2:Al2O3 8..12": how the range is named to the user.
    std::string describe() const;
};

// What a recipe inside ranges should be best at.
struct SolverObjective {
    enum class Kind { CheapestPrice, MaximiseOxide, MinimiseOxide };
    Kind kind = Kind::CheapestPrice;
    std::string stem; // the oxide, for the last two
};

// An answer of the solver. When `solved` is false only `message` counts.
struct RecipeResult {
    bool solved = false;
    std::string message;             // Dutch: why there is no recipe
    std::vector<std::string> names;  // the materials, in the order asked
    std::vector<double> mols;        // mol amount per material, basic sum 1
    std::vector<double> percentages; // mols x molg, brought to a total of 100
    OxideValues formula{};           // the Seger formula the recipe gives
    double deviation = 0.0;          // from the target, or outside the ranges
    double price = 0.0;              // per kilogram, as the glaze calculation prices it
};

// Turns questions about formulas into recipes. Every question is a small
// linear programme over the mol amounts x_i >= 0 of the materials: the oxide
// totals are sum(x_i * analysis_i) and fixing their basic sum to 1 makes the
// totals the Seger formula.
class RecipeSolver {
public:
    // The recipe whose formula is closest to `target` in the weighted sum of
    // absolute deviations over all oxides; an exact match is found when one
    // exists. `weights` default to 1 for every oxide.
    static RecipeResult matchFormula(const std::vector<SolverMaterial>& materials, const OxideValues& target);
    static RecipeResult matchFormula(const std::vector<SolverMaterial>& materials, const OxideValues& target,
                                     const OxideValues& weights);

    // A recipe inside every range that is cheapest per kilogram, or has the
    // most or least of one oxide. Unsolved with a message naming the range
    // that cannot be met when there is none.
    static RecipeResult withinRanges(const std::vector<SolverMaterial>& materials,
                                     const std::vector<OxideRange>& ranges, const SolverObjective& objective);

    // The cost price per kilogram exactly as the glaze calculation computes
    // it: recipe percentages times prices plus additions (parts per 100 and
    // price), over 100 parts plus the additions.
    struct Addition {
        double parts = 0.0;
        double prys = 0.0;
    };
    static double costPrice(const std::vector<double>& percentages, const std::vector<double>& prices,
                            const std::vector<Addition>& additions = {});

    // Fills percentages, formula and price of `result` from its mol amounts.
    static void complete(RecipeResult& result, const std::vector<SolverMaterial>& materials);
};

} // namespace kelvora
