// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/OxideCatalogue.h"

#include <array>

namespace kelvora {

// The estimated firing range (°C) of a Seger formula: a centre from the
// glaze type (lead, boron or leadless) moved by each oxide present, and a
// half-width widened by alumina and boron, both rounded to tens.
struct FiringRange {
    double from = 0.0; // `tmpv`
    double to = 0.0;   // `tmpt`

    // `oxides`: the molar values in catalogue order, empty as 0. A formula
    // of no type (some lead, little boron) gives 0 to 0.
    static FiringRange estimate(const std::array<double, OxideCatalogue::count>& oxides);
};

} // namespace kelvora
