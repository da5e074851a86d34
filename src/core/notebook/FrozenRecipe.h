// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/Recipe.h"

#include <string>
#include <string_view>

namespace kelvora {

// A recipe kept as one memo of a test: a line "molp<TAB>M", then one line
// per place that holds anything, "r<TAB>n<TAB>name<TAB>percent<TAB>mols" for
// the recipe lines and "t<TAB>n<TAB>name<TAB>parts" for the additions
// (n counted from 1, empty amounts empty). Numbers use '.'.
struct FrozenRecipe {
    static std::string text(const Recipe& recipe);
    // NotebookError when the memo is damaged.
    static Recipe parse(std::string_view text);
};

} // namespace kelvora
