// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/SolverMaterial.h"

#include "solver/SolverError.h"
#include "store/View.h"

namespace kelvora {

double SolverMaterial::basicSum() const {
    double sum = 0.0;
    for (const auto& oxide : OxideCatalogue::group(OxideGroup::Basic))
        sum += oxides[static_cast<std::size_t>(oxide.position - 1)];
    return sum;
}

bool SolverMaterial::find(const View& materials, const std::string& name, SolverMaterial& out) {
    if (!materials.active()) return false;
    const int naam = materials.fieldIndex("naam");
    for (int row = 0; row < materials.recordCount(); ++row) {
        if (materials.textAt(row, naam) != name) continue;
        out.name = name;
        out.molg = materials.numberAt(row, materials.fieldIndex("molg"));
        out.prys = materials.numberAt(row, materials.fieldIndex("prys"));
        for (const auto& oxide : OxideCatalogue::all())
            out.oxides[static_cast<std::size_t>(oxide.position - 1)] =
                materials.numberAt(row, materials.fieldIndex(oxide.stem));
        return true;
    }
    return false;
}

std::vector<SolverMaterial> SolverMaterial::lookup(const View& materials,
                                                   const std::vector<std::string>& names) {
    std::vector<SolverMaterial> found;
    found.reserve(names.size());
    for (const auto& name : names) {
        SolverMaterial material;
        if (!find(materials, name, material)) throw SolverError("Onbekende grondstof: " + name);
        // A recipe's percentages are mols times molecular weight: without it a
        // material would weigh nothing.
        if (!(material.molg > 0.0))
            throw SolverError("Grondstof " + name +
                              " heeft geen molgewicht; het recept kan niet berekend worden");
        found.push_back(std::move(material));
    }
    return found;
}

} // namespace kelvora
