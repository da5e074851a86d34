// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "interchange/RecipeExport.h"

#include <string>

namespace kelvora {

// Recipes as plain text for e-mail and forums, laid out so that a reader of
// pasted recipes reads them back: per glaze "Naam: ...", its Seger cones
// ("SK 8 - 10"), the recipe lines, "Toevoegingen:" with the additions, then
// "Opmerkingen:" with the category, the atmosphere, the stored Seger formula
// in the analysis report's columns with the oxides it is brought to one mol
// on, and the description; a rule of dashes between the glazes. Amounts use
// the user's decimal separator, as on screen.
class TextRecipeWriter {
public:
    static std::string write(const ExportSet& set);
};

} // namespace kelvora
