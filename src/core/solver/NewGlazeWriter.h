// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/Glaze.h"

#include <string>
#include <utility>
#include <vector>

namespace kelvora {

class TGlzDM;
struct RecipeResult;

// The name a dialog proposes for a glaze it makes, and the whole text it
// was made from.
struct ProposedName {
    std::string name;  // fits a glaze name and is no other glaze's name
    std::string whole; // the text as wanted, without blanks around it
    bool shortened = false;
    static constexpr const char* ellipsis = "\u2026";

    // `wanted` when it fits and is free. A longer text is shortened visibly:
    // cut at a character and ended with an ellipsis. A name another glaze has
    // (case and blanks around it ignored) is numbered " (2)", " (3)" and on,
    // shortened further where the number would not fit.
    static ProposedName make(const std::string& wanted, const std::vector<std::string>& taken);
};

// A recipe to be kept as a glaze of its own.
struct NewGlaze {
    std::string name;
    std::string omsc;                                      // its description
    std::vector<std::pair<std::string, double>> recipe;    // material, percentage
    std::vector<std::pair<std::string, double>> additions; // material, parts per 100
    // What it takes over from the glaze it was made from: cones, category
    // and atmosphere; and that glaze's name as the one it is based on.
    std::string skva, sktt, catg, oxrd;
    std::string basedOn;

    // The materials of a solved recipe with a share above zero, in order.
    static NewGlaze fromResult(std::string name, const RecipeResult& result);
    void inheritFrom(const Glaze& source);
    // A copy of `source` under `name`: its recipe as percentages, its
    // additions and description, and what inheritFrom takes over.
    static NewGlaze copyOf(const Glaze& source, std::string name);
    // Kept under a shortened proposal, the glaze's description holds the
    // whole text the name was made from.
    void describeShortenedName(const ProposedName& proposal);
    // The glaze to store: mode "P", the recipe's percentages and the additions.
    Glaze toGlaze() const;
};

// Appends a glaze to the glazes table of the data module in mode "P" with the
// given percentages and calculates it, so that its formula, both recipe
// columns, price and firing range are stored as for any glaze.
class NewGlazeWriter {
public:
    // Throws SolverError when the name is blank, longer than a glaze name
    // may be, or taken, or the recipe does not fit the glaze's places;
    // nothing is stored then.
    static void store(TGlzDM& dm, const NewGlaze& glaze);
};

} // namespace kelvora
