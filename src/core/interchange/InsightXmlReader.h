// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "interchange/ImportedRecipe.h"

#include <string_view>

namespace kelvora {

// Recipe XML (<recipes><recipe name ...><recipelines><recipeline material
// amount unitabbr conversion added/>...) and material XML (<material name
// descrip loi><oxides><oxide symbol percent/>...<volatiles>...) as Insight,
// Insight-live and the tools that write for them produce. `added` is read
// as 0/1 and as false/true; lines in different units are brought to the
// unit of the recipe's first line through their `conversion`.
class InsightXmlReader {
public:
    static ImportedFile read(std::string_view text);
};

} // namespace kelvora
