// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "interchange/ImportedRecipe.h"
#include "model/Material.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvora {

// A material made from the chemistry a recipe or material file gives.
struct AnalysisConversion {
    // The material, named as in the file; nothing when refused.
    std::optional<Material> material;
    // Why the analysis cannot be taken over ("KNaO: splits in K2O en Na2O").
    std::string refusal;
    // Oxides and compounds outside Kelvora's 33 that the material would lose;
    // the potter must confirm before it is created without them.
    std::vector<std::string> outside;
    // What the potter should know (a stated loss on ignition that differs
    // from the analysis, a molar formula that looks like percentages).
    std::vector<std::string> notes;

    // Turns what a file says of a material into a Kelvora material:
    // percentages through the percentage-to-mol conversion (molproc "P"),
    // a molar formula as mols with water, carbon dioxide, sulphur trioxide
    // and "LOI" weighed into the molecular weight as loss (molproc "M"),
    // and a material without analysis marked as such.
    static AnalysisConversion of(const ImportedMaterial& imported);

    // Molar masses (g/mol) of the volatiles a molar formula may carry. Sums
    // of the CIAAW standard atomic weights 2021 (ciaaw.org/atomic-weights.htm,
    // conventional values H 1.008, C 12.011, O 15.999, S 32.06), rounded to
    // 0.1 g/mol as the oxides' table (data/molar_masses.xml) is.
    static std::optional<double> volatileMolarMass(const std::string& symbol);
};

} // namespace kelvora
