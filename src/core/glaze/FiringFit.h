// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "glaze/ChemistryFigures.h"
#include "glaze/LimitSets.h"

#include <string>
#include <vector>

namespace kelvora {

// A second opinion beside the stored firing estimate (tmpv..tmpt): which cone
// ranges' limit tables the glaze's formula fits best, and a plain note when
// the estimate lies more than one cone away from the cones entered for the
// glaze. The estimate itself is left as it is.
struct FiringFit {
    std::vector<const LimitSets::Set*> sets; // the sets with the fewest values outside, file order
    std::size_t outside = 0;                 // how many values those sets find outside
    std::string cones;                       // "SK 5a–7", or "SK 5a–7, SK 8–10"; empty without sets
    std::string note;                        // empty when the estimate agrees with the cones

    // `from`/`to` are the glaze's entered cones (skva, sktt; either may be
    // empty), `low`/`high` the stored estimate in °C (0 when not calculated).
    static FiringFit assess(const LimitSets& limits, const ChemistryFigures& figures, double low, double high,
                            const std::string& from, const std::string& to);
    // "SK 5a–6a" for positions in the cone table.
    static std::string coneRange(int fromCone, int toCone);
};

} // namespace kelvora
