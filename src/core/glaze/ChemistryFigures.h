// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "glaze/ExpansionFactorSet.h"
#include "glaze/MolarMassTable.h"
#include "model/Glaze.h"
#include "model/MaterialLookup.h"
#include "model/OxideCatalogue.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kelvora {

// The usual chemistry figures of a calculated glaze beside its Seger formula:
// the fired glaze's oxides as weight % and mol %, the SiO2 : Al2O3 and
// R2O : RO ratios, the loss on ignition of the raw batch and a linear
// expansion coefficient from a chosen set of published factors.
struct ChemistryFigures {
    using Oxides = std::array<double, OxideCatalogue::count>;

    Oxides seger{};         // the stored formula (mol per mol of basic oxides)
    Oxides weightPercent{}; // of the fired glaze, summing to 100
    Oxides molPercent{};    // summing to 100
    // Nothing where the divisor is 0.
    std::optional<double> sio2Al2o3;
    std::optional<double> r2oRo; // (Li2O + Na2O + K2O) : the other basic oxides
    // 100 x (1 - fired oxide mass / raw material mass) over the recipe's
    // materials; nothing when no recipe material has a molecular weight.
    std::optional<double> loi;
    // From the chosen factor set; nothing without a set.
    std::optional<double> expansionLinear;
    std::vector<std::string> expansionUnset; // oxides the set has no factor for

    double sum(std::initializer_list<const char*> stems) const;

    // From a glaze's stored formula and recipe and the material catalogue
    // (molecular weights and analyses, looked up by name).
    static ChemistryFigures compute(const Glaze& glaze, const MaterialLookup& materials,
                                    const MolarMassTable& masses, const ExpansionFactorSet* expansion);
};

} // namespace kelvora
