// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "engine/OxideMolarMass.h"
#include "solver/SolverMaterial.h"

#include <string>
#include <utility>
#include <vector>

namespace kelvora::test {

// A material of the given molar analysis, weighed with the oxide molar masses
// Kelvora uses elsewhere (OxideMolarMass), so that a recipe's percentages can
// be checked by hand from its mols.
inline SolverMaterial theoretical(std::string name, double prys,
                                  const std::vector<std::pair<std::string, double>>& analysis) {
    SolverMaterial m;
    m.name = std::move(name);
    m.prys = prys;
    for (const auto& [stem, mols] : analysis) {
        m.oxides[static_cast<std::size_t>(OxideCatalogue::byStem(stem)->position - 1)] = mols;
        m.molg += mols * *OxideMolarMass::byStem(stem);
    }
    return m;
}

// A material with a molecular weight given outright (round made-up numbers
// for hand-solved cases).
inline SolverMaterial made(std::string name, double molg, double prys,
                           const std::vector<std::pair<std::string, double>>& analysis) {
    SolverMaterial m = theoretical(std::move(name), prys, analysis);
    m.molg = molg;
    return m;
}

inline double oxide(const OxideValues& values, const char* stem) {
    return values[static_cast<std::size_t>(OxideCatalogue::byStem(stem)->position - 1)];
}

inline OxideValues formula(const std::vector<std::pair<std::string, double>>& values) {
    OxideValues f{};
    for (const auto& [stem, v] : values)
        f[static_cast<std::size_t>(OxideCatalogue::byStem(stem)->position - 1)] = v;
    return f;
}

// The theoretical formulas of four common glaze materials.
inline SolverMaterial potashFeldspar() {
    return theoretical("Kaliveldspaat", 1.2, {{"k2o", 1}, {"al2o3", 1}, {"sio2", 6}});
}
inline SolverMaterial whiting() {
    return theoretical("Krijt", 0.6, {{"cao", 1}});
}
inline SolverMaterial kaolin() {
    return theoretical("Kaolien", 0.85, {{"al2o3", 1}, {"sio2", 2}});
}
inline SolverMaterial silica() {
    return theoretical("Kwarts", 0.55, {{"sio2", 1}});
}

} // namespace kelvora::test
