// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "interchange/ImportedRecipe.h"

#include <string_view>

namespace kelvora {

// Glazy's YAML: a list of records whose `Type` is Recipe, Material or
// Analysis (a whole dump), or one record on its own (a recipe's export).
// A recipe's ingredients keep their Glazy ID, so that they meet the file's
// own Material records before any name is compared. Unknown fields and
// Analysis records are passed over.
class GlazyYamlReader {
public:
    static ImportedFile read(std::string_view text);
};

} // namespace kelvora
