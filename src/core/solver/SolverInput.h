// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "solver/RecipeSolver.h"
#include "solver/SolverError.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

// Text that is no question for the solver at all (a range without "..", an
// empty material name); the command line answers it with its usage.
class SolverSyntaxError : public SolverError {
public:
    using SolverError::SolverError;
};

// What a potter types for the solver, on the command line or in a cell, and
// the bounds every number keeps before the linear programme sees it. The
// bounds lie far beyond any glaze (a Seger value of 1000, a price of a
// thousand million per kilogram) and far inside what the programme can
// scale; a value outside them is refused with a Dutch message naming it.
namespace SolverInput {

constexpr double maxSeger = 1000.0;     // a target or range bound of one oxide
constexpr double maxRatio = 1000000.0;  // a bound of a ratio of two oxides
constexpr double maxWeight = 1000000.0; // the weight of an oxide's deviation
constexpr double maxPrice = 1.0e9;      // a material's price per kilogram
constexpr double maxMolg = 1.0e7;       // a material's molecular weight
constexpr double maxAnalysis = 10000.0; // mols of an oxide in one mol of material

// A number written with '.' or ',' as decimal separator, whatever the
// locale; nothing for blank text, text that is no number, or a number too
// large for a double.
std::optional<double> number(std::string_view text);

// "k2o=0.3,cao=0.7" (a decimal comma is allowed: "k2o=0,3,cao=0,7").
OxideValues target(std::string_view list);
// "sio2=3..4,sio2:al2o3=8..12,cao=0.6.."; an open upper end is allowed.
std::vector<OxideRange> ranges(std::string_view list);
// "A,B,C"; no name may be empty.
std::vector<std::string> names(std::string_view list);

// Refuse (SolverError) what lies outside the bounds above or is negative.
void checkTarget(const OxideValues& target, const OxideValues& weights);
void checkRanges(const std::vector<OxideRange>& ranges);
// Materials come from the store, where a negative value may stand; only
// values the programme cannot take (not finite, or beyond the bounds) are
// refused.
void checkMaterials(const std::vector<SolverMaterial>& materials);

} // namespace SolverInput

} // namespace kelvora
