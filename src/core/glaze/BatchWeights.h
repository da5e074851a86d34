// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/Glaze.h"

#include <string>
#include <vector>

namespace kelvora {

// Grams to weigh out for a batch of a glaze: the recipe is 100 % of the batch
// size, the additions come on top of it.
struct BatchWeights {
    struct Row {
        std::string name;
        double percent = 0;
        double grams = 0;
        bool addition = false;
    };
    std::vector<Row> rows; // recipe slots in slot order, then the additions
    double total = 0;      // grams, additions included
    double cost = 0;       // prys x total / 1000

    // Every named recipe line with a non-zero percentage (percentage x size
    // / 100) and every named addition with a non-zero amount (parts x size
    // / 100); a blank name is an empty place, as in the calculation.
    static BatchWeights compute(const Glaze& glaze, double batchGrams);

    // The largest batch weighed out, in grams (a tonne): far above any
    // studio's bucket, far below sizes whose grams print as nonsense.
    static constexpr double maxGrams = 1000000.0;
    // A batch size that can be weighed out: a number above 0 up to maxGrams.
    static bool validSize(double grams) { return grams > 0.0 && grams <= maxGrams; }

    // The printed batch sheet: glaze name, batch size, one line per row
    // (name padded to 42, "%5.2f" percentage, grams with one decimal;
    // additions marked "+"), total and cost, in the user's number format.
    std::vector<std::string> sheet(const std::string& glazeName, double batchGrams) const;
};

} // namespace kelvora
