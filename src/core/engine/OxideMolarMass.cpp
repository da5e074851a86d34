// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/OxideMolarMass.h"

#include <array>
#include <stdexcept>

namespace kelvora {

namespace {
// In catalogue order. GeO2 (Ge 72.630 + 2 O 15.999 = 104.628) is included so
// that a germanium-bearing analysis converts like any other.
constexpr std::array<double, OxideCatalogue::count> kMolarMass{
    29.9,  62.0,  94.2, 25.0,  40.3, 56.1,  103.6, 153.3, 71.8,  74.9,  79.5,
    74.7,  70.9,  81.4, 223.2, 69.6, 102.0, 197.8, 291.5, 159.7, 466.0, 157.9,
    152.0, 181.9, 60.1, 104.6, 79.9, 123.2, 150.7, 86.9,  141.9, 229.8, 323.5,
};
} // namespace

double OxideMolarMass::at(int position) {
    if (position < 1 || position > OxideCatalogue::count)
        throw std::out_of_range("oxide position out of range");
    return kMolarMass[static_cast<std::size_t>(position - 1)];
}

std::optional<double> OxideMolarMass::byStem(std::string_view stem) {
    const Oxide* oxide = OxideCatalogue::byStem(stem);
    if (!oxide) return std::nullopt;
    return at(oxide->position);
}

} // namespace kelvora
