// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/Glaze.h"
#include "model/MaterialLookup.h"
#include "model/OxideCatalogue.h"
#include "model/Recipe.h"

#include <array>
#include <string>
#include <vector>

namespace kelvora {

struct CalcOptions {
    // Leaves the mol amounts as entered instead of scaling them to one mol
    // of basic oxides.
    bool basicNotToOne = false;
    // Leaves the recipe percentages as they come instead of bringing them
    // to a total of 100.
    bool percentNotToHundred = false;
};

// Everything one calculation of a glaze produces. Each value is what the
// record's field is to hold; NaN leaves the field empty.
struct CalcResult {
    // True when the run stopped at a fault in the recipe: the values below
    // are then meaningless and nothing may be written.
    bool stopped = false;
    // The texts to show the user, in order.
    std::vector<std::string> messages;
    std::array<double, OxideCatalogue::count> oxides{}; // the Seger formula, catalogue order
    std::array<double, Recipe::slotCount> mtp{};        // new percentage column
    std::array<double, Recipe::slotCount> mtm{};        // new mol column
    double prys = kNullNumber;                          // cost price per kilogram
    double tmpv = kNullNumber;                          // estimated firing range, from
    double tmpt = kNullNumber;                          // and to (whole degrees)
    // Row, in the materials view, of the last material the lookup found
    // (recipe slots, then additions), or -1; the lookup window follows it.
    int lastMaterialRow = -1;
};

// Turns a recipe into its Seger formula, both recipe columns, cost price and
// firing range. Pure: it reads only its arguments. It looks every slot up
// once and stops, writing nothing, before a fault could change the recipe:
// a mode other than "M" or "P", an amount on a material that cannot be found
// or has no mol weight, percentages that sum to 0, or no basic oxide at all.
// A line of a material marked as without analysis is no fault: it keeps its
// share of the batch and of the price, adds nothing to the formula, has no
// mol amount, and is named in a message ("zonder analyse: NAAM").
CalcResult calculate(const Recipe& recipe, const MaterialLookup& materials, const CalcOptions& options);

// Puts what a run that did not stop produced into the glaze: the formula,
// both recipe columns, price and firing range.
void applyResult(const CalcResult& result, Glaze& glaze);

} // namespace kelvora
