// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/FieldDef.h"
#include "model/Recipe.h"

#include <string>

namespace kelvora {

// Field definitions of the tables; those of materials and glazes generated
// from the oxide catalogue.
class TableLayouts {
public:
    static const FieldDefs& materials(); // 73 fields
    static const FieldDefs& glazes();    // 94 fields
    static const FieldDefs& blends();    // saved blends: name, kind, corners, sizes, amounts
    // The test notebook: tests, firings, a test's result in a firing, photos,
    // saved firing schedules.
    static const FieldDefs& tests();
    static const FieldDefs& firings();
    static const FieldDefs& tileResults();
    static const FieldDefs& photos();
    static const FieldDefs& scheduleTemplates();
    static const FieldDefs& aliases(); // other names of materials: name, material

    static constexpr int recipeSlots = Recipe::slotCount;
    static constexpr int additionSlots = Recipe::additionCount;
};

} // namespace kelvora
