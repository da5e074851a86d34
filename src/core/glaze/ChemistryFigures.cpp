// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/ChemistryFigures.h"

#include <unordered_map>

namespace kelvora {

namespace {

constexpr std::size_t idx(const Oxide& oxide) {
    return static_cast<std::size_t>(oxide.position - 1);
}

bool isAlkali(const Oxide& oxide) {
    return oxide.stem == "li2o" || oxide.stem == "na2o" || oxide.stem == "k2o";
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Fired and raw mass of the recipe's materials at their mol amounts.
std::optional<double> lossOnIgnition(const View& glazes, const View& materials,
                                     const MolarMassTable& masses) {
    if (!materials.active() || materials.isEmpty()) return std::nullopt;
    const int naam = materials.fieldIndex("naam");
    const int molg = materials.fieldIndex("molg");
    std::unordered_map<std::string, int> rows;
    for (int row = 0; row < materials.recordCount(); ++row)
        rows.emplace(materials.textAt(row, naam), row); // first of a name wins, as the lookup does
    std::array<int, OxideCatalogue::count> oxideField{};
    for (const Oxide& oxide : OxideCatalogue::all())
        oxideField[idx(oxide)] = materials.fieldIndex(oxide.stem);
    double fired = 0;
    double raw = 0;
    for (int slot = 1; slot <= 12; ++slot) {
        const std::string name = glazes.asText("mat" + std::to_string(slot));
        const double mols = glazes.asNumber("mtm" + std::to_string(slot));
        if (trimmed(name).empty() || mols == 0) continue;
        const auto found = rows.find(name);
        if (found == rows.end()) continue;
        const double weight = materials.numberAt(found->second, molg);
        if (weight == 0) continue;
        raw += mols * weight;
        for (const Oxide& oxide : OxideCatalogue::all())
            fired +=
                mols * materials.numberAt(found->second, oxideField[idx(oxide)]) * masses.at(oxide.position);
    }
    if (raw == 0) return std::nullopt;
    return 100.0 * (1.0 - fired / raw);
}

} // namespace

double ChemistryFigures::sum(std::initializer_list<const char*> stems) const {
    double total = 0;
    for (const char* stem : stems)
        if (const Oxide* oxide = OxideCatalogue::byStem(stem)) total += seger[idx(*oxide)];
    return total;
}

ChemistryFigures ChemistryFigures::compute(const View& glazes, const View& materials,
                                           const MolarMassTable& masses,
                                           const ExpansionFactorSet* expansion) {
    ChemistryFigures f;
    double weightTotal = 0;
    double molTotal = 0;
    double alkali = 0;
    double otherBasic = 0;
    for (const Oxide& oxide : OxideCatalogue::all()) {
        const double amount = glazes.asNumber(oxide.stem);
        f.seger[idx(oxide)] = amount;
        f.weightPercent[idx(oxide)] = amount * masses.at(oxide.position);
        weightTotal += f.weightPercent[idx(oxide)];
        molTotal += amount;
        if (oxide.group == OxideGroup::Basic) (isAlkali(oxide) ? alkali : otherBasic) += amount;
    }
    for (const Oxide& oxide : OxideCatalogue::all()) {
        f.weightPercent[idx(oxide)] =
            weightTotal == 0 ? 0 : f.weightPercent[idx(oxide)] * 100.0 / weightTotal;
        f.molPercent[idx(oxide)] = molTotal == 0 ? 0 : f.seger[idx(oxide)] * 100.0 / molTotal;
    }
    const double alumina = f.sum({"al2o3"});
    if (alumina != 0) f.sio2Al2o3 = f.sum({"sio2"}) / alumina;
    if (otherBasic != 0) f.r2oRo = alkali / otherBasic;
    f.loi = lossOnIgnition(glazes, materials, masses);
    if (expansion && weightTotal != 0) {
        const auto result = expansion->linear(f.weightPercent, f.molPercent);
        f.expansionLinear = result.linear;
        f.expansionUnset = result.unset;
    }
    return f;
}

} // namespace kelvora
