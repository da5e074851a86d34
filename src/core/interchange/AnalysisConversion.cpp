// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/AnalysisConversion.h"

#include "common/Translate.h"

#include "common/NumberFormat.h"
#include "common/Utf8.h"
#include "engine/OxideMolarMass.h"
#include "materials/PercentToMolConverter.h"

#include <cmath>

namespace kelvora {

namespace {
// How far a stated loss on ignition may differ from 100 minus the analysis
// before the potter is told, in weight %.
constexpr double kLossTolerance = 0.5;

std::string lower(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string shown(double value) {
    return numfmt::formatPattern(value, "#0.###");
}

bool isLoss(const std::string& symbol) {
    return lower(symbol) == "loi";
}

void appendLine(std::string& text, const std::string& line) {
    if (!text.empty()) text += "\r\n";
    text += line;
}
} // namespace

std::optional<double> AnalysisConversion::volatileMolarMass(const std::string& symbol) {
    const std::string s = lower(symbol);
    if (s == "h2o") return 18.0; // 2 x 1.008 + 15.999 = 18.015
    if (s == "co2") return 44.0; // 12.011 + 2 x 15.999 = 44.009
    if (s == "so3") return 80.1; // 32.06 + 3 x 15.999 = 80.057
    return std::nullopt;
}

AnalysisConversion AnalysisConversion::of(const ImportedMaterial& imported) {
    AnalysisConversion result;
    Material material;
    material.naam = std::string(utf8::trim(imported.name));
    material.omsc = imported.description;

    if (imported.kind == AnalysisKind::None) {
        material.molproc = Material::withoutAnalysisMark;
        result.material = std::move(material);
        return result;
    }

    const bool percent = imported.kind == AnalysisKind::WeightPercent;
    std::array<double, OxideCatalogue::count> amounts{};
    double oxideSum = 0.0, total = 0.0, volatileMass = 0.0;
    double statedLoss = imported.loi;
    for (const AnalysisEntry& entry : imported.analysis) {
        if (!std::isfinite(entry.value) || entry.value < 0.0) {
            result.refusal =
                fillIn(translate("Import", "%1: %2 is geen hoeveelheid"), {entry.symbol, shown(entry.value)});
            return result;
        }
        if (entry.value == 0.0) continue;
        total += entry.value;
        if (lower(entry.symbol) == "knao") {
            result.refusal = translate("Import", "KNaO: splits in K2O en Na2O");
            return result;
        }
        if (const Oxide* oxide = OxideCatalogue::byStem(lower(entry.symbol))) {
            amounts[static_cast<std::size_t>(oxide->position - 1)] += entry.value;
            oxideSum += entry.value;
            continue;
        }
        if (isLoss(entry.symbol)) {
            if (percent && isNullNumber(statedLoss)) statedLoss = entry.value;
            // "LOI" in a molar formula is taken as mols of water driven off.
            if (!percent) volatileMass += entry.value * *volatileMolarMass("H2O");
            continue;
        }
        if (const auto mass = volatileMolarMass(entry.symbol)) {
            // In a percentage analysis the volatiles are part of the loss the
            // conversion counts from what the oxides leave of 100.
            if (!percent) volatileMass += entry.value * *mass;
            continue;
        }
        result.outside.push_back(entry.symbol);
    }

    if (percent) {
        const auto conversion = PercentToMolConverter::compute(amounts);
        if (!conversion) {
            result.refusal =
                translate("Import", "de analyse heeft geen oxide waarop een formule te bouwen is");
            return result;
        }
        material.molproc = "P";
        material.molg = conversion->molWeight;
        for (std::size_t k = 0; k < amounts.size(); ++k) {
            material.percents[k] = amounts[k] == 0.0 ? kNullNumber : amounts[k];
            material.oxides[k] = conversion->mols[k] == 0.0 ? kNullNumber : conversion->mols[k];
        }
        if (!isNullNumber(statedLoss)) {
            appendLine(material.omsc, "Gloeiverlies volgens het bestand: " + shown(statedLoss) + " %");
            const double implied = 100.0 - oxideSum;
            if (std::fabs(statedLoss - implied) > kLossTolerance)
                result.notes.push_back(
                    fillIn(translate("Import", "gloeiverlies %1 % wijkt af van 100 - som = %2 %"),
                           {shown(statedLoss), shown(implied)}));
        }
    } else {
        double weight = volatileMass;
        bool any = false;
        for (const Oxide& oxide : OxideCatalogue::all()) {
            const double mols = amounts[static_cast<std::size_t>(oxide.position - 1)];
            if (mols == 0.0) continue;
            any = true;
            material.oxides[static_cast<std::size_t>(oxide.position - 1)] = mols;
            weight += mols * OxideMolarMass::at(oxide.position);
        }
        if (!any) {
            result.refusal = translate("Import", "de formule heeft geen oxide");
            return result;
        }
        material.molproc = "M";
        material.molg = weight;
        if (total >= 95.0 && total <= 105.0)
            result.notes.push_back(fillIn(
                translate(
                    "Import",
                    "de molaire formule telt op tot %1: waarschijnlijk een analyse in gewichtsprocenten"),
                {shown(total)}));
    }
    if (!result.outside.empty()) {
        std::string list;
        for (const auto& symbol : result.outside)
            list += (list.empty() ? "" : ", ") + symbol;
        appendLine(material.omsc, "Niet overgenomen uit de analyse: " + list);
    }
    result.material = std::move(material);
    return result;
}

} // namespace kelvora
