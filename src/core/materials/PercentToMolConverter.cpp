// SPDX-License-Identifier: GPL-3.0-or-later
#include "materials/PercentToMolConverter.h"
#include "common/Translate.h"

#include "common/NumberFormat.h"
#include "engine/OxideMolarMass.h"

namespace kelvora {

namespace {
std::size_t index(const Oxide& oxide) {
    return static_cast<std::size_t>(oxide.position - 1);
}

// An empty percentage counts as 0.
std::array<double, OxideCatalogue::count> percentages(const Material& material) {
    std::array<double, OxideCatalogue::count> percent{};
    for (std::size_t k = 0; k < percent.size(); ++k)
        percent[k] = isNullNumber(material.percents[k]) ? 0.0 : material.percents[k];
    return percent;
}

double lossFor(double oxideSum) {
    return oxideSum < 100.0 ? 100.0 - oxideSum : 0.0;
}
} // namespace

std::optional<PercentConversion>
PercentToMolConverter::compute(const std::array<double, OxideCatalogue::count>& percent) {
    PercentConversion result;
    for (const auto& oxide : OxideCatalogue::all()) {
        result.mols[index(oxide)] = percent[index(oxide)] / OxideMolarMass::at(oxide.position);
        result.oxideSum += percent[index(oxide)];
    }

    // The first group, in the order basic, neutral, acid, whose mols do not
    // cancel out to exactly zero becomes the one mol of the formula.
    double groupSum = 0.0;
    for (const auto basis : {ConversionBasis::Basic, ConversionBasis::Neutral, ConversionBasis::Acid}) {
        const auto group = basis == ConversionBasis::Basic     ? OxideGroup::Basic
                           : basis == ConversionBasis::Neutral ? OxideGroup::Neutral
                                                               : OxideGroup::Acid;
        groupSum = 0.0;
        for (const auto& oxide : OxideCatalogue::group(group))
            groupSum += result.mols[index(oxide)];
        result.basis = basis;
        if (groupSum != 0.0) break;
    }
    if (groupSum == 0.0) return std::nullopt;

    const double factor = 1.0 / groupSum;
    double oxideWeight = 0.0;
    for (const auto& oxide : OxideCatalogue::all()) {
        auto& n = result.mols[index(oxide)];
        n *= factor;
        oxideWeight += n * OxideMolarMass::at(oxide.position);
    }
    // The rest up to 100 % is what the firing drives off: it weighs in the
    // raw material, so one mol of the formula is 100 / S grams of it.
    result.lossOnIgnition = lossFor(result.oxideSum);
    result.molWeight = result.lossOnIgnition > 0.0 ? 100.0 * factor : oxideWeight;
    return result;
}

bool PercentToMolConverter::convert(Material& material, Prompter& prompter) {
    if (material.molproc != "P") {
        prompter.message(translate("PercentToMol", "Samenstelling is niet in procenten ingevoerd\r\nVoer "
                                                   "percentages in en zet Mol/proc op P"));
        return false;
    }
    const auto result = compute(percentages(material));
    if (!result) {
        prompter.message(translate("PercentToMol",
                                   "De som van de basische oxides is 0.\r\nKan daarom Seger formule "
                                   "niet afleiden uit procentuele samenstelling."));
        return false;
    }

    material.molg = result->molWeight;
    material.oxides = result->mols;
    return true;
}

double PercentToMolConverter::impliedLoss(const Material& material) {
    double sum = 0.0;
    for (const double p : percentages(material))
        sum += p;
    return lossFor(sum);
}

std::string PercentToMolConverter::impliedLossText(const Material& material) {
    if (material.molproc != "P") return {};
    return fillIn(translate("PercentToMol", "Gloeiverlies: %1 %"),
                  {numfmt::formatPattern(impliedLoss(material), "#0.##")});
}

} // namespace kelvora
