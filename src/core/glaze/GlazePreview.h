// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "engine/Calculate.h"
#include "model/Glaze.h"
#include "model/MaterialLookup.h"

#include <string>

namespace kelvora {

// What the recipe on screen calculates to, without storing anything: the
// pages that follow the recipe as it is typed show this, and the stored
// results (formula, both recipe columns, price, firing range) are compared
// with it to tell whether they still belong to the recipe.
struct GlazePreview {
    // The glaze as shown with the calculation's results put in: the Seger
    // formula, the recipe columns brought to 100 %, price and firing range.
    // When the calculation stopped: the glaze as shown, unchanged.
    Glaze glaze;
    // False when the calculation stopped at a fault in the recipe.
    bool calculated = false;
    // The first message of a run that stopped ("" otherwise).
    std::string fault;
    // True while the stored results are what the recipe as shown calculates
    // to (within rounding), or when there is nothing to calculate: no line
    // names a material.
    bool storedCurrent = true;

    static GlazePreview of(const Glaze& shown, const MaterialLookup& materials,
                           const CalcOptions& options = {});
};

} // namespace kelvora
