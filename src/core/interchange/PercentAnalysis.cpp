// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/PercentAnalysis.h"

#include "engine/OxideMolarMass.h"
#include "materials/PercentToMolConverter.h"
#include "model/NullNumber.h"

namespace kelvora {

PercentAnalysis PercentAnalysis::of(const Material& material) {
    PercentAnalysis analysis;
    double sum = 0.0;
    if (material.molproc == "P") {
        for (std::size_t i = 0; i < analysis.percent.size(); ++i)
            analysis.percent[i] = Recipe::amount(material.percents[i]);
        analysis.loi = PercentToMolConverter::impliedLoss(material);
    } else if (!isNullNumber(material.molg) && material.molg > 0.0) {
        for (const auto& oxide : OxideCatalogue::all()) {
            const auto i = static_cast<std::size_t>(oxide.position - 1);
            analysis.percent[i] = Recipe::amount(material.oxides[i]) * OxideMolarMass::at(oxide.position) /
                                  material.molg * 100.0;
            sum += analysis.percent[i];
        }
        analysis.loi = sum < 100.0 ? 100.0 - sum : 0.0;
    }
    for (const double p : analysis.percent)
        if (p != 0.0) analysis.known = true;
    return analysis;
}

PercentAnalysis PercentAnalysis::mix(const std::vector<ExportLine>& lines, const ExportSet& set) {
    PercentAnalysis mixed;
    double total = 0.0;
    for (const auto& line : lines)
        total += line.amount;
    if (total <= 0.0) return mixed;
    for (const auto& line : lines) {
        const Material* material = set.material(line.name);
        if (!material) continue;
        const PercentAnalysis part = of(*material);
        if (!part.known) continue;
        const double share = line.amount / total;
        for (std::size_t i = 0; i < mixed.percent.size(); ++i)
            mixed.percent[i] += share * part.percent[i];
        mixed.loi += share * part.loi;
        mixed.known = true;
    }
    return mixed;
}

} // namespace kelvora
