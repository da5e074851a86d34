// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "interchange/RecipeExport.h"

#include <string>
#include <string_view>

namespace kelvora {

// One row per recipe line (recipe, material, amount, addition "ja"/"nee")
// under a header row, as RFC 4180 writes it: commas, CRLF, a field holding a
// comma, quote or line break in double quotes with its quotes doubled.
class CsvRecipeWriter {
public:
    static std::string write(const ExportSet& set);
    static std::string field(std::string_view text);
};

} // namespace kelvora
