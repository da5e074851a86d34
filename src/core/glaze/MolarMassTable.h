// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "glaze/DataSource.h"
#include "model/OxideCatalogue.h"

#include <array>
#include <string>

namespace kelvora {

// The molar masses (g/mol) of the 33 oxides as a data file gives them, with
// the source it names. Every oxide of the catalogue must have a mass.
class MolarMassTable {
public:
    using Masses = std::array<double, OxideCatalogue::count>;

    // Throws std::runtime_error naming the file when it cannot be read, an
    // oxide is missing or unknown, or a mass is not a positive number.
    static MolarMassTable load(const std::string& path);
    // The masses the percentage conversion uses (OxideMolarMass), for when no
    // data file is at hand.
    static MolarMassTable builtIn();

    const Masses& masses() const { return masses_; }
    double at(int position) const { return masses_[static_cast<std::size_t>(position - 1)]; }
    const DataSource& source() const { return source_; }

private:
    Masses masses_{};
    DataSource source_;
};

} // namespace kelvora
