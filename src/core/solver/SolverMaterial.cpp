// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/SolverMaterial.h"

#include "common/Translate.h"
#include "model/MaterialLookup.h"
#include "solver/SolverError.h"

namespace kelvora {

double SolverMaterial::basicSum() const {
    double sum = 0.0;
    for (const auto& oxide : OxideCatalogue::group(OxideGroup::Basic))
        sum += oxides[static_cast<std::size_t>(oxide.position - 1)];
    return sum;
}

bool SolverMaterial::find(const MaterialLookup& materials, const std::string& name, SolverMaterial& out) {
    const MaterialData* data = materials.find(name);
    if (!data) return false;
    out.name = name;
    out.molg = data->molg;
    out.prys = data->prys;
    out.oxides = data->oxides;
    return true;
}

std::vector<SolverMaterial> SolverMaterial::lookup(const MaterialLookup& materials,
                                                   const std::vector<std::string>& names) {
    std::vector<SolverMaterial> found;
    found.reserve(names.size());
    for (const auto& name : names) {
        SolverMaterial material;
        if (!find(materials, name, material))
            throw SolverError(fillIn(translate("Solver", "Onbekende grondstof: %1"), {name}));
        // A recipe's percentages are mols times molecular weight: without it a
        // material would weigh nothing.
        if (!(material.molg > 0.0))
            throw SolverError(
                fillIn(translate("Solver",
                                 "Grondstof %1 heeft geen molgewicht; het recept kan niet berekend worden"),
                       {name}));
        found.push_back(std::move(material));
    }
    return found;
}

} // namespace kelvora
