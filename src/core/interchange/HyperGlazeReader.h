// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "interchange/ImportedRecipe.h"

#include <string_view>

namespace kelvora {

// HyperGlaze's text export: each glaze starts with "Glaze name:", then
// labelled lines (Cone, Color, Testing, Surface texture, Firing, Glaze type),
// the table under "Recipe:<TAB>Percent<TAB>Batch" with a "Totals:" line,
// additions under "Also add:" and free text under "Comments:".
class HyperGlazeReader {
public:
    static ImportedFile read(std::string_view text);
};

} // namespace kelvora
