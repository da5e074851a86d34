// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/Glaze.h"

#include <string>

namespace kelvora {

// A raw material as a plain value: its texts, price, molecular weight and
// its analysis both as mols per mol of material and as weight percentages.
// Empty numbers are NaN, empty texts "", as the store holds them.
struct Material {
    std::string naam;                       // name, the key recipes refer to it by
    std::string omsc;                       // description
    std::string levr;                       // supplier
    std::string besc;                       // protected mark
    std::string molproc;                    // how the analysis was entered: "M" mols, "P" percentages
    double prys = kNullNumber;              // price per kilogram
    double molg = kNullNumber;              // molecular weight
    OxideFormula oxides = emptyFormula();   // mols of each oxide per mol
    OxideFormula percents = emptyFormula(); // weight percentages

    bool operator==(const Material&) const;
};

} // namespace kelvora
