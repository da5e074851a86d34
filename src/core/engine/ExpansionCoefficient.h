// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/Glaze.h"

namespace kelvora {

// The thermal expansion coefficient (x 10E-5) the analysis report prints: the
// mean of per-oxide factors weighted by each oxide's mass in the formula.
// Oxides without a factor take no part; an empty oxide counts as 0.
struct ExpansionCoefficient {
    static double of(const OxideFormula& formula);
};

} // namespace kelvora
