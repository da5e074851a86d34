// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Prompter.h"
#include "engine/Calculate.h"

#include <string>
#include <vector>

namespace kelvora {

class GlazeBook;
struct Material;

// Calculates stored glazes of a glaze book and keeps their results, so that
// the cost and formula of every glaze follow a changed material.
class GlazeRecalculation {
public:
    // Calculates the glaze at `index` (name order) and stores the result in
    // the book; every message goes to the prompter. False when the run
    // stopped at a fault: the glaze then keeps what it held.
    static bool at(GlazeBook& book, int index, const CalcOptions& options, Prompter& prompter);

    // Recalculates every glaze whose recipe or additions name the material;
    // the names of those glazes, in name order. Nothing is written to disk:
    // the book's save() does that.
    static std::vector<std::string> recalcUsing(GlazeBook& book, const std::string& material,
                                                Prompter& prompter);

    // Whether a change of a material alters what glazes calculate from it:
    // its price, molecular weight or molar analysis.
    static bool affectsGlazes(const Material& before, const Material& after);

    // "Ook de N glazuren die deze grondstof gebruiken herberekenen?"
    static std::string questionText(int glazeCount);

    // The whole exchange after a material's price or analysis changed:
    // counts the glazes that use it, asks, and on Ja recalculates them and
    // writes the glazes. The number of glazes recalculated.
    static int offerAfterChange(GlazeBook& book, const std::string& material, Prompter& prompter);
};

} // namespace kelvora
