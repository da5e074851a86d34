// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/FieldDef.h"
#include "model/Recipe.h"

#include <string>

namespace kelvora {

// Field definitions of the two tables, generated from the oxide catalogue.
class TableLayouts {
public:
    static const FieldDefs& materials(); // 73 fields
    static const FieldDefs& glazes();    // 94 fields

    static constexpr int recipeSlots = Recipe::slotCount;
    static constexpr int additionSlots = Recipe::additionCount;
};

} // namespace kelvora
