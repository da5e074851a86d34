// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "blend/BlendGrid.h"
#include "model/Glaze.h"
#include "model/MaterialLookup.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kelvora {

// A blend that cannot be made as asked (a corner glaze that does not
// calculate, a grid of an impossible size); what() is the Dutch message.
class BlendError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A glaze as it goes into a blend: its dry recipe in percentages of 100
// (whatever mode it was entered in) and its additions in parts per 100.
struct BlendCorner {
    struct Line {
        std::string name;
        double amount = 0.0;
    };
    std::string glaze;
    std::string skva, sktt; // the glaze's cones
    std::vector<Line> base;
    std::vector<Line> additions;

    // The glaze's recipe as its own calculation has it; BlendError naming
    // the glaze when that calculation stops.
    static BlendCorner of(const Glaze& glaze, const MaterialLookup& materials);
};

// One cell's mix: the weighted sum of the corners' dry recipes, base lines
// (summing to 100) and additions kept apart, each material once.
struct BlendMix {
    std::vector<BlendCorner::Line> base;
    std::vector<BlendCorner::Line> additions;
    // Empty when the mix fits a glaze's 12 lines and 5 additions; otherwise
    // why it cannot become a glaze without merging materials.
    std::string tooLarge;
    // The Seger formula of the mix (additions stay out of it, as in a
    // glaze's calculation): the oxide mols of all base lines together, per
    // mol of basic oxides.
    OxideFormula formula{};

    static BlendMix of(const std::vector<BlendCorner>& corners, const std::vector<double>& weights,
                       const MaterialLookup& materials);
    // The mix as a glaze of percentages (mode "P"), not yet calculated; only
    // for a mix that fits (tooLarge empty).
    Glaze toGlaze(const std::string& name) const;
};

// What to pour: per cell, the ml (or g) of each end glaze; per end glaze
// the total to prepare. Volumetric blending mixes each end glaze from equal
// dry weight in equal wet volume, so a cell's volumes are its weights.
struct BlendAmounts {
    std::vector<std::vector<double>> perCell; // [cell][corner]
    std::vector<double> total;                // [corner], margin included
    // `perCellAmount` ml (or g) for every cell, the totals raised by
    // `margin` (0.1 = 10 % extra).
    static BlendAmounts of(const BlendGrid& grid, double perCellAmount, double margin = 0.0);
};

} // namespace kelvora
