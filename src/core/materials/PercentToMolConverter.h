// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Prompter.h"
#include "model/Material.h"
#include "model/OxideCatalogue.h"

#include <array>
#include <optional>
#include <string>

namespace kelvora {

// Which oxide group a converted formula is brought to one mol on.
enum class ConversionBasis { Basic, Neutral, Acid };

// The molar formula that belongs to a weight-percentage analysis.
struct PercentConversion {
    std::array<double, OxideCatalogue::count> mols{}; // catalogue order
    double molWeight = 0.0;      // grams of raw material holding one mol of the basis group
    double oxideSum = 0.0;       // the entered percentages added up
    double lossOnIgnition = 0.0; // 100 - oxideSum when that is below 100, else 0
    ConversionBasis basis = ConversionBasis::Basic;
};

// Turns the weight-percentage analysis of a material into its Seger formula
// and the molecular weight that belongs to it.
//
// The formula is normalised on the basic oxides (they sum to one mol). A
// material without basic oxides (kaolin, alumina) is normalised on its
// neutral oxides instead, and one without those too (silica) on its acid
// oxides. Percentages that add up to less than 100 leave the rest as loss on
// ignition (water, carbon dioxide burnt off): the molecular weight is then
// 100 / S, the grams of raw material that hold one mol of the basis group, so
// that a gram of the material in a recipe is not taken for more oxide than it
// gives. Percentages adding up to 100 or more give W = (their sum) / S.
class PercentToMolConverter {
public:
    // True when the material's formula and molecular weight were set from its
    // percentages; false after a refusal, which the prompter has been told
    // and which changes nothing. Refused are a material whose `molproc` is
    // not "P" and an analysis without any oxide.
    static bool convert(Material& material, Prompter& prompter);

    // The conversion of percentages in catalogue order; nothing when no
    // group has a non-zero mol sum.
    static std::optional<PercentConversion> compute(const std::array<double, OxideCatalogue::count>& percent);

    // The loss on ignition the material's percentage analysis implies:
    // 100 minus the sum of its oxide percentages, 0 when they reach 100. For
    // the read-only "Gloeiverlies" label of the percentage page.
    static double impliedLoss(const Material& material);
    // "Gloeiverlies: x %" with the loss in the display format "#0.##"; empty
    // for a material not entered as percentages (molproc not "P"), whose
    // empty percentage page would otherwise read as 100 % loss.
    static std::string impliedLossText(const Material& material);
};

} // namespace kelvora
