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
    std::string molproc;                    // how the analysis was entered: "M" mols, "P" percentages,
                                            // "Z" none at all (see withoutAnalysis)
    double prys = kNullNumber;              // price per kilogram
    double molg = kNullNumber;              // molecular weight
    OxideFormula oxides = emptyFormula();   // mols of each oxide per mol
    OxideFormula percents = emptyFormula(); // weight percentages

    // A material kept without chemistry (a stain, a gum): it has a price and
    // weighs in a batch, but stays out of the Seger formula instead of
    // stopping the calculation for want of a molecular weight.
    static constexpr const char* withoutAnalysisMark = "Z";
    bool withoutAnalysis() const { return molproc == withoutAnalysisMark; }
    // How a calculation and a report name such a material: "zonder analyse: NAAM"
    // in the chosen language.
    static std::string withoutAnalysisNote(const std::string& name);

    bool operator==(const Material&) const;
};

} // namespace kelvora
