// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/OxideCatalogue.h"

#include <optional>
#include <string_view>

namespace kelvora {

// Molar masses (g/mol) of the oxides, rounded to one decimal as potters'
// tables give them. The percentage-to-mol conversion and the expansion
// coefficient both weigh oxides with these values, so they must agree.
class OxideMolarMass {
public:
    // The molar mass of the oxide at catalogue position 1..33.
    static double at(int position);
    // By field stem; nothing for a stem outside the catalogue.
    static std::optional<double> byStem(std::string_view stem);
};

} // namespace kelvora
