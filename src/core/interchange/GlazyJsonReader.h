// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "interchange/ImportedRecipe.h"

#include <string_view>

namespace kelvora {

// A Glazy recipe as the site's interface returns it ({"data": {...}}, also a
// list of them, or the record itself). Numbers may come as strings, cone
// names carry HTML character references ("5&#189;"), and every component
// carries its material with that material's analysis, which becomes one of
// the file's materials.
class GlazyJsonReader {
public:
    static ImportedFile read(std::string_view text);
};

} // namespace kelvora
