// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/OxideCatalogue.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

class View;

// What a calculation needs of one material, read once from the materials view.
// Empty fields read as 0.
struct MaterialData {
    int row = -1; // the material's row in the view it was read from
    double molg = 0.0;
    double prys = 0.0;
    std::array<double, OxideCatalogue::count> oxides{}; // molar analysis, catalogue order
    // Catalogue indices of the oxides that are not 0, in order: a material
    // holds a handful of the 33, and only those can add to a total.
    std::array<std::uint8_t, OxideCatalogue::count> present{};
    int presentCount = 0;
};

// The materials by name, built once per opening of the materials view: a
// recipe names its materials again and again, and a hash lookup keeps every
// slot's lookup independent of the size of the table. Names match exactly
// (case and blanks count); of several materials with one name the first in
// the view's order wins, so with the view ordered by "naam" it is the first
// in name order.
class MaterialLookup {
public:
    MaterialLookup() = default;
    // Reads every row of an open view holding the materials layout.
    explicit MaterialLookup(const View& materials);

    // The material named exactly `name`, or nullptr.
    const MaterialData* find(std::string_view name) const;
    int size() const { return static_cast<int>(materials_.size()); }

private:
    // An open-addressed table of positions in materials_, probed linearly;
    // its size is a power of two at least twice the number of names.
    struct Slot {
        std::size_t hash = 0;
        int entry = -1;
    };
    std::vector<MaterialData> materials_;
    std::vector<std::string> names_; // parallel to materials_
    std::vector<Slot> slots_;
    std::size_t mask_ = 0;
};

} // namespace kelvora
