// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "interchange/RecipeExport.h"
#include "model/Material.h"
#include "model/OxideCatalogue.h"

#include <array>

namespace kelvora {

// An analysis as other tools exchange it: oxide weight percentages of the
// raw material (catalogue order) and the loss on ignition beside them.
struct PercentAnalysis {
    std::array<double, OxideCatalogue::count> percent{};
    double loi = 0.0;
    bool known = false; // false for a material without chemistry

    // A material entered as percentages gives them as entered, its loss
    // being what they leave of 100; one entered in mols gives the weight of
    // each oxide in its molecular weight.
    static PercentAnalysis of(const Material& material);
    // The plain weighted mix of the lines' analyses, additions included and
    // the amounts taken as weights; a line whose material has no chemistry
    // adds weight and nothing else.
    static PercentAnalysis mix(const std::vector<ExportLine>& lines, const ExportSet& set);
};

} // namespace kelvora
