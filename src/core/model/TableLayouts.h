// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/FieldDef.h"

#include <string>

namespace kelvora {

// Field definitions of the two tables, generated from the oxide catalogue.
class TableLayouts {
public:
    static const FieldDefs& materials(); // 73 fields
    static const FieldDefs& glazes();    // 94 fields

    static constexpr int recipeSlots = 12;
    static constexpr int additionSlots = 5;
    // Slot field names, N counted from 1: "mat3", "mtp3", "mtm3", "tvs2", "tvp2".
    static std::string matField(int n) { return "mat" + std::to_string(n); }
    static std::string mtpField(int n) { return "mtp" + std::to_string(n); }
    static std::string mtmField(int n) { return "mtm" + std::to_string(n); }
    static std::string tvsField(int n) { return "tvs" + std::to_string(n); }
    static std::string tvpField(int n) { return "tvp" + std::to_string(n); }
};

} // namespace kelvora
