// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "interchange/ImportedRecipe.h"

#include <string_view>

namespace kelvora {

// Recipes as they are pasted from a forum, a book or a mail: a name line,
// then one line per material with its amount before or after the name;
// "Add", "Toevoegingen" and the like (or a second header "Add Amount") start
// the additions, a leading '+' marks one line as an addition. Header, total
// and rule lines are skipped; a footnote ("*Weigh separately") goes into the
// description. A line whose amount cannot be told (a range, no number, two
// numbers without a clear order) is kept with `unsettled` set, never guessed.
// Several recipes may follow each other, each after a blank line and its
// own name line.
class TextRecipeReader {
public:
    static ImportedFile read(std::string_view text);
};

} // namespace kelvora
