// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ExpansionCoefficient.h"

#include "engine/OxideMolarMass.h"

namespace kelvora {

namespace {
// Expansion factor per oxide; oxides without one take no part in the coefficient.
struct ExpansionFactor {
    const char* stem;
    double factor;
};
constexpr ExpansionFactor kExpansion[] = {
    {"li2o", 16.5}, {"na2o", 10.0}, {"k2o", 8.5},   {"mgo", 1.0},   {"cao", 5.0},   {"sro", 6.2},
    {"bao", 3.0},   {"coo", 4.4},   {"cuo", 2.2},   {"nio", 4.0},   {"mno", 2.2},   {"zno", 1.8},
    {"pbo", 3.0},   {"b2o3", 0.1},  {"al2o3", 5.0}, {"sb2o3", 3.6}, {"fe2o3", 4.0}, {"cr2o3", 5.1},
    {"sio2", 0.8},  {"tio2", 4.1},  {"zro2", 2.1},  {"sno2", 2.0},
};
} // namespace

double ExpansionCoefficient::of(const OxideFormula& formula) {
    double weight = 0.0;
    double sum = 0.0;
    for (const auto& entry : kExpansion) {
        const Oxide* oxide = OxideCatalogue::byStem(entry.stem);
        const double amount = Recipe::amount(formula[static_cast<std::size_t>(oxide->position - 1)]);
        const double w = amount * *OxideMolarMass::byStem(entry.stem);
        weight += w;
        sum += w * entry.factor;
    }
    if (weight == 0.0) return 0.0;
    return sum / weight;
}

} // namespace kelvora
