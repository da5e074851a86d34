// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/RecipeSolver.h"

#include "common/NumberFormat.h"
#include "common/Translate.h"
#include "solver/LinearProgram.h"
#include "solver/SolverError.h"
#include "solver/SolverInput.h"

#include <cmath>
#include <cstddef>

namespace kelvora {

namespace {
constexpr std::size_t kOxides = OxideCatalogue::count;
// Mol amounts below this are the solver's rounding, not part of the recipe.
constexpr double kNegligibleMols = 1e-12;

std::size_t oxideIndex(std::string_view stem) {
    const Oxide* oxide = OxideCatalogue::byStem(stem);
    if (!oxide) throw SolverError(fillIn(translate("Solver", "Onbekend oxide: %1"), {stem}));
    return static_cast<std::size_t>(oxide->position - 1);
}

std::string label(std::string_view stem) {
    const Oxide* oxide = OxideCatalogue::byStem(stem);
    return oxide ? std::string(oxide->label) : std::string(stem);
}

bool anyBasic(const std::vector<SolverMaterial>& materials) {
    for (const auto& m : materials)
        if (m.basicSum() > 0.0) return true;
    return false;
}

RecipeResult unsolved(const std::vector<SolverMaterial>& materials, std::string message) {
    RecipeResult result;
    for (const auto& m : materials)
        result.names.push_back(m.name);
    result.message = std::move(message);
    return result;
}

// Drops the solver's rounding dust and brings the basic sum back to exactly
// one, so that the recipe is the same whichever way it is recalculated.
std::vector<double> tidyMols(const std::vector<SolverMaterial>& materials, std::vector<double> mols) {
    double basic = 0.0;
    for (std::size_t i = 0; i < mols.size(); ++i) {
        if (!(mols[i] > kNegligibleMols)) mols[i] = 0.0;
        basic += mols[i] * materials[i].basicSum();
    }
    if (basic > 0.0)
        for (auto& x : mols)
            x /= basic;
    return mols;
}

// The numerator and denominator oxide of a ratio range, or the oxide of a
// plain range (denominator: the basic sum, written as npos).
struct RangeTerms {
    std::size_t numerator;
    std::size_t denominator;
};
constexpr std::size_t kBasicSum = static_cast<std::size_t>(-1);
// The least Seger value of a ratio's lower oxide that counts as present:
// well above the programme's rounding, far below any glaze's.
constexpr double kLeastRatioDenominator = 1e-4;

RangeTerms rangeTerms(const OxideRange& range) {
    const auto colon = range.stem.find(':');
    if (colon == std::string::npos) return {oxideIndex(range.stem), kBasicSum};
    return {oxideIndex(range.stem.substr(0, colon)), oxideIndex(range.stem.substr(colon + 1))};
}

double denominatorOf(const SolverMaterial& m, std::size_t denominator) {
    return denominator == kBasicSum ? m.basicSum() : m.oxides[denominator];
}

double rangeValue(const OxideValues& formula, const RangeTerms& terms, bool& defined) {
    defined = true;
    if (terms.denominator == kBasicSum) return formula[terms.numerator];
    const double below = formula[terms.denominator];
    if (below == 0.0) {
        defined = false;
        return 0.0;
    }
    return formula[terms.numerator] / below;
}

// The ranges as rows low * D(x) <= N(x) <= high * D(x), with D the basic sum
// for a Seger value and the other oxide for a ratio; with the basic sum fixed
// to one the first kind reads low <= N(x) <= high.
LinearProgram rangeProgramme(const std::vector<SolverMaterial>& materials,
                             const std::vector<RangeTerms>& terms, const std::vector<OxideRange>& ranges,
                             const std::vector<bool>& use) {
    LinearProgram lp;
    const std::size_t n = materials.size();
    for (std::size_t i = 0; i < n; ++i)
        lp.addVariable();
    for (std::size_t r = 0; r < ranges.size(); ++r) {
        if (!use[r]) continue;
        std::vector<LinearProgram::Term> lower, upper;
        for (std::size_t i = 0; i < n; ++i) {
            const double num = materials[i].oxides[terms[r].numerator];
            const double den = denominatorOf(materials[i], terms[r].denominator);
            lower.push_back({static_cast<int>(i), num - ranges[r].low * den});
            if (std::isfinite(ranges[r].high))
                upper.push_back({static_cast<int>(i), num - ranges[r].high * den});
        }
        lp.addRow(std::move(lower), 0.0, LinearProgram::infinity);
        if (!upper.empty()) lp.addRow(std::move(upper), -LinearProgram::infinity, 0.0);
        // A ratio needs its lower oxide in the recipe: without it both rows
        // hold for 0/0, which is no ratio at all.
        if (terms[r].denominator != kBasicSum) {
            std::vector<LinearProgram::Term> below;
            for (std::size_t i = 0; i < n; ++i)
                if (materials[i].oxides[terms[r].denominator] != 0.0)
                    below.push_back({static_cast<int>(i), materials[i].oxides[terms[r].denominator]});
            lp.addRow(std::move(below), kLeastRatioDenominator, LinearProgram::infinity);
        }
    }
    std::vector<LinearProgram::Term> basic;
    for (std::size_t i = 0; i < n; ++i)
        basic.push_back({static_cast<int>(i), materials[i].basicSum()});
    lp.addRow(std::move(basic), 1.0, 1.0);
    return lp;
}

std::string joinedRanges(const std::vector<OxideRange>& ranges, const std::vector<std::size_t>& which) {
    std::string text;
    for (std::size_t k = 0; k < which.size(); ++k) {
        if (k > 0) text += translate("Solver", " of ");
        text += fillIn(translate("Solver", "het bereik %1"), {ranges[which[k]].describe()});
    }
    return text;
}

// Names the range that stands in the way: first any range no recipe of these
// materials can meet on its own, else any range without which the others
// can all be met.
std::string infeasibleMessage(const std::vector<SolverMaterial>& materials,
                              const std::vector<RangeTerms>& terms, const std::vector<OxideRange>& ranges) {
    const std::string cannot = translate(
        "Solver",
        "Geen recept binnen de bereiken mogelijk: %1 kan met deze grondstoffen niet gehaald worden.");
    auto feasible = [&](const std::vector<bool>& use) {
        return rangeProgramme(materials, terms, ranges, use).solve().status == LinearProgram::Status::Optimal;
    };
    std::vector<std::size_t> alone, without;
    for (std::size_t r = 0; r < ranges.size(); ++r) {
        std::vector<bool> only(ranges.size(), false);
        only[r] = true;
        if (!feasible(only)) alone.push_back(r);
    }
    if (!alone.empty()) return fillIn(cannot, {joinedRanges(ranges, alone)});
    for (std::size_t r = 0; r < ranges.size(); ++r) {
        std::vector<bool> others(ranges.size(), true);
        others[r] = false;
        if (feasible(others)) without.push_back(r);
    }
    if (!without.empty()) return fillIn(cannot, {joinedRanges(ranges, without)});
    return translate("Solver", "Geen recept binnen de bereiken mogelijk: de bereiken zijn met deze "
                               "grondstoffen niet tegelijk te halen.");
}
} // namespace

std::string OxideRange::describe() const {
    std::string name;
    const auto colon = stem.find(':');
    if (colon == std::string::npos)
        name = label(stem);
    else
        name = label(stem.substr(0, colon)) + ":" + label(stem.substr(colon + 1));
    if (!std::isfinite(high))
        return fillIn(translate("Solver", "%1 vanaf %2"), {name, numfmt::floatText(low)});
    return name + " " + numfmt::floatText(low) + ".." + numfmt::floatText(high);
}

double RecipeSolver::costPrice(const std::vector<double>& percentages, const std::vector<double>& prices,
                               const std::vector<Addition>& additions) {
    double cost = 0.0;
    for (std::size_t i = 0; i < percentages.size() && i < prices.size(); ++i)
        cost += percentages[i] * prices[i];
    double batchWeight = 100.0;
    for (const auto& a : additions) {
        cost += a.parts * a.prys;
        batchWeight += a.parts;
    }
    return batchWeight == 0.0 ? 0.0 : cost / batchWeight;
}

void RecipeSolver::complete(RecipeResult& result, const std::vector<SolverMaterial>& materials) {
    const std::size_t n = materials.size();
    result.names.clear();
    result.percentages.assign(n, 0.0);
    result.formula.fill(0.0);
    double grams = 0.0;
    std::vector<double> prices;
    for (std::size_t i = 0; i < n; ++i) {
        result.names.push_back(materials[i].name);
        prices.push_back(materials[i].prys);
        grams += result.mols[i] * materials[i].molg;
        for (std::size_t k = 0; k < kOxides; ++k)
            result.formula[k] += result.mols[i] * materials[i].oxides[k];
    }
    if (grams > 0.0)
        for (std::size_t i = 0; i < n; ++i)
            result.percentages[i] = result.mols[i] * materials[i].molg * 100.0 / grams;
    result.price = costPrice(result.percentages, prices);
}

RecipeResult RecipeSolver::matchFormula(const std::vector<SolverMaterial>& materials,
                                        const OxideValues& target) {
    OxideValues weights;
    weights.fill(1.0);
    return matchFormula(materials, target, weights);
}

// Minimises sum(w_k * |formula_k - target_k|): each oxide row reads
// sum(x_i * a_ik) - d+_k + d-_k = target_k with d+, d- >= 0 costing w_k, so
// at the optimum d+_k + d-_k is the absolute deviation of oxide k.
RecipeResult RecipeSolver::matchFormula(const std::vector<SolverMaterial>& materials,
                                        const OxideValues& target, const OxideValues& weights) {
    SolverInput::checkTarget(target, weights);
    SolverInput::checkMaterials(materials);
    if (materials.empty()) return unsolved(materials, translate("Solver", "Kies eerst de grondstoffen."));
    if (!anyBasic(materials))
        return unsolved(
            materials,
            translate("Solver", "Geen recept mogelijk: geen van de grondstoffen bevat een basisch oxide."));
    const std::size_t n = materials.size();
    LinearProgram lp;
    for (std::size_t i = 0; i < n; ++i)
        lp.addVariable();
    for (std::size_t k = 0; k < kOxides; ++k) {
        const double w = weights[k] > 0.0 ? weights[k] : 0.0;
        if (w == 0.0) continue; // weight 0: the oxide may be anything
        std::vector<LinearProgram::Term> row;
        for (std::size_t i = 0; i < n; ++i)
            if (materials[i].oxides[k] != 0.0) row.push_back({static_cast<int>(i), materials[i].oxides[k]});
        // No material carries the oxide: its deviation is the target itself,
        // whatever the recipe; it is counted below.
        if (row.empty()) continue;
        row.push_back({lp.addVariable(0.0, LinearProgram::infinity, w), -1.0});
        row.push_back({lp.addVariable(0.0, LinearProgram::infinity, w), 1.0});
        lp.addRow(std::move(row), target[k], target[k]);
    }
    std::vector<LinearProgram::Term> basic;
    for (std::size_t i = 0; i < n; ++i)
        basic.push_back({static_cast<int>(i), materials[i].basicSum()});
    lp.addRow(std::move(basic), 1.0, 1.0);

    const auto solution = lp.solve();
    if (solution.status != LinearProgram::Status::Optimal)
        return unsolved(materials, translate("Solver", "Het rekenprogramma vond geen oplossing."));
    RecipeResult result;
    result.mols =
        tidyMols(materials, {solution.values.begin(), solution.values.begin() + static_cast<long>(n)});
    complete(result, materials);
    for (std::size_t k = 0; k < kOxides; ++k)
        result.deviation += (weights[k] > 0.0 ? weights[k] : 0.0) * std::fabs(result.formula[k] - target[k]);
    result.solved = true;
    return result;
}

// The cheapest recipe. The price per kilogram, sum(x_i molg_i prys_i) /
// sum(x_i molg_i), is a ratio of two linear terms and so no linear objective.
// Fixing the total weight instead of the basic sum (the Charnes-Cooper way)
// would make it linear, but then the basic sum becomes a variable that may
// shrink towards zero, and within the solver's tolerances a recipe of almost
// only a basic-free material (quartz) would pass every range. So the basic sum
// stays fixed at one, where the ranges are well scaled, and the ratio is
// minimised by Dinkelbach's iteration: with lambda the price of the last
// recipe, minimise sum(x_i molg_i (prys_i - lambda)); a negative optimum gives
// a cheaper recipe and the next lambda, zero means lambda is the least price.
// It ends after a few programmes, each as small as the others here.
// The most or least of one oxide needs no such step: with the basic sum fixed
// the oxide's Seger value is linear in x.
RecipeResult RecipeSolver::withinRanges(const std::vector<SolverMaterial>& materials,
                                        const std::vector<OxideRange>& ranges,
                                        const SolverObjective& objective) {
    SolverInput::checkRanges(ranges);
    SolverInput::checkMaterials(materials);
    std::vector<RangeTerms> terms;
    for (const auto& range : ranges) {
        terms.push_back(rangeTerms(range));
        if (!(range.low <= range.high))
            throw SolverError(
                fillIn(translate("Solver", "Bereik %1: de ondergrens is groter dan de bovengrens"),
                       {range.describe()}));
    }
    std::size_t objectiveOxide = 0;
    if (objective.kind != SolverObjective::Kind::CheapestPrice) objectiveOxide = oxideIndex(objective.stem);
    if (materials.empty()) return unsolved(materials, translate("Solver", "Kies eerst de grondstoffen."));
    if (!anyBasic(materials))
        return unsolved(
            materials,
            translate("Solver", "Geen recept mogelijk: geen van de grondstoffen bevat een basisch oxide."));

    const std::size_t n = materials.size();
    const bool cheapest = objective.kind == SolverObjective::Kind::CheapestPrice;
    LinearProgram lp = rangeProgramme(materials, terms, ranges, std::vector<bool>(ranges.size(), true));
    lp.setMaximise(objective.kind == SolverObjective::Kind::MaximiseOxide);
    auto priceOf = [&](const std::vector<double>& x) {
        double cost = 0.0, grams = 0.0;
        for (std::size_t i = 0; i < n; ++i) {
            cost += x[i] * materials[i].molg * materials[i].prys;
            grams += x[i] * materials[i].molg;
        }
        return cost / grams;
    };
    auto solveFor = [&](double lambda) {
        for (std::size_t i = 0; i < n; ++i)
            lp.setCost(static_cast<int>(i), cheapest ? materials[i].molg * (materials[i].prys - lambda)
                                                     : materials[i].oxides[objectiveOxide]);
        return lp.solve();
    };

    auto solution = solveFor(0.0);
    if (cheapest && solution.status == LinearProgram::Status::Optimal) {
        for (int step = 0; step < 100; ++step) {
            const double lambda = priceOf(solution.values);
            auto next = solveFor(lambda);
            if (next.status != LinearProgram::Status::Optimal) {
                solution = next;
                break;
            }
            double grams = 0.0;
            for (std::size_t i = 0; i < n; ++i)
                grams += next.values[i] * materials[i].molg;
            // Not cheaper by more than rounding: lambda is the least price.
            if (next.objective >= -1e-12 * lambda * grams) break;
            solution = std::move(next);
        }
    }
    if (solution.status == LinearProgram::Status::Infeasible)
        return unsolved(materials, infeasibleMessage(materials, terms, ranges));
    if (solution.status == LinearProgram::Status::Unbounded) {
        if (!cheapest)
            return unsolved(
                materials,
                fillIn(objective.kind == SolverObjective::Kind::MaximiseOxide
                           ? translate("Solver", "Geen recept met de meeste %1: geef er een bereik voor op.")
                           : translate("Solver", "Geen recept met de minste %1: geef er een bereik voor op."),
                       {label(objective.stem)}));
        // Only a material without basic oxide can grow without end at a fixed
        // basic sum; one cheaper than the rest makes the batch ever cheaper.
        std::string free;
        for (const auto& m : materials)
            if (m.basicSum() == 0.0) free += (free.empty() ? "" : ", ") + m.name;
        return unsolved(
            materials,
            fillIn(translate("Solver", "Geen goedkoopste recept: geef een bereik op voor de oxiden van %1."),
                   {free}));
    }
    if (solution.status != LinearProgram::Status::Optimal)
        return unsolved(materials, translate("Solver", "Het rekenprogramma vond geen oplossing."));

    RecipeResult result;
    result.mols =
        tidyMols(materials, {solution.values.begin(), solution.values.begin() + static_cast<long>(n)});
    complete(result, materials);
    for (std::size_t r = 0; r < ranges.size(); ++r) {
        bool defined = true;
        const double value = rangeValue(result.formula, terms[r], defined);
        if (!defined) continue;
        if (value < ranges[r].low) result.deviation += ranges[r].low - value;
        if (value > ranges[r].high) result.deviation += value - ranges[r].high;
    }
    result.solved = true;
    return result;
}

} // namespace kelvora
