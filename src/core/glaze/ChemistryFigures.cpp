// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/ChemistryFigures.h"

namespace kelvora {

namespace {

constexpr std::size_t idx(const Oxide& oxide) {
    return static_cast<std::size_t>(oxide.position - 1);
}

bool isAlkali(const Oxide& oxide) {
    return oxide.stem == "li2o" || oxide.stem == "na2o" || oxide.stem == "k2o";
}

// Fired and raw mass of the recipe's materials at their mol amounts.
std::optional<double> lossOnIgnition(const Recipe& recipe, const MaterialLookup& materials,
                                     const MolarMassTable& masses) {
    if (materials.size() == 0) return std::nullopt;
    double fired = 0;
    double raw = 0;
    for (const auto& slot : recipe.recipeSlots) {
        const double mols = Recipe::amount(slot.mtm);
        if (Recipe::isBlank(slot.name) || mols == 0) continue;
        const MaterialData* found = materials.find(slot.name);
        if (!found || found->molg == 0) continue;
        raw += mols * found->molg;
        for (const Oxide& oxide : OxideCatalogue::all())
            fired += mols * found->oxides[idx(oxide)] * masses.at(oxide.position);
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

ChemistryFigures ChemistryFigures::compute(const Glaze& glaze, const MaterialLookup& materials,
                                           const MolarMassTable& masses,
                                           const ExpansionFactorSet* expansion) {
    ChemistryFigures f;
    double weightTotal = 0;
    double molTotal = 0;
    double alkali = 0;
    double otherBasic = 0;
    for (const Oxide& oxide : OxideCatalogue::all()) {
        const double amount = glaze.oxide(oxide.stem);
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
    f.loi = lossOnIgnition(glaze.recipe, materials, masses);
    if (expansion && weightTotal != 0) {
        const auto result = expansion->linear(f.weightPercent, f.molPercent);
        f.expansionLinear = result.linear;
        f.expansionUnset = result.unset;
    }
    return f;
}

} // namespace kelvora
