// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "interchange/ImportedRecipe.h"

#include <string_view>

namespace kelvora {

// The Sankey glaze database: records of lettered lines, as text or inside
// the HTML page that carries it. "A:" names a glaze and starts its record,
// "B:" its source, "C:" its cone, "D:" special firing, "E:" one ingredient
// with its amount first ("E: 43.6 frit,Pemco 25"), "F:" the surface, "G:" a
// flaw, "H:" who tested it and how it came out. The file has no separate
// additions: every ingredient is a recipe line.
class SankeyReader {
public:
    static ImportedFile read(std::string_view text);
};

} // namespace kelvora
