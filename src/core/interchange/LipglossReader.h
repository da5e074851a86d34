// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "interchange/ImportedRecipe.h"

#include <string_view>

namespace kelvora {

// LIPGLOSS ingredients (JSONIngredients.json): an object of ingredients
// under their string IDs, each with a name, notes, an analysis in weight
// percent and other attributes, of which "0" is the loss on ignition and
// "1" the cost. The file holds materials only; its recipes are bounds for a
// solver, not amounts.
class LipglossReader {
public:
    static ImportedFile read(std::string_view text);
};

} // namespace kelvora
