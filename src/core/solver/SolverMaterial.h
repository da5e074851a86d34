// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/OxideCatalogue.h"

#include <array>
#include <string>
#include <vector>

namespace kelvora {

class MaterialLookup;

// Formula values over the oxide catalogue, in catalogue order.
using OxideValues = std::array<double, OxideCatalogue::count>;

// What the recipe solver needs of a material: its name, molecular weight,
// price per kilogram and molar analysis.
struct SolverMaterial {
    std::string name;
    double molg = 0.0;
    double prys = 0.0;
    OxideValues oxides{};

    // Mols of basic oxides in one mol of the material.
    double basicSum() const;

    // The named materials from the catalogue, in the order given, matched
    // exactly as the glaze calculation matches. Throws SolverError for an
    // unknown name or a material without `molg`.
    static std::vector<SolverMaterial> lookup(const MaterialLookup& materials,
                                              const std::vector<std::string>& names);
    // The one material of that name, or nothing.
    static bool find(const MaterialLookup& materials, const std::string& name, SolverMaterial& out);
};

} // namespace kelvora
