// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/OxideCatalogue.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

struct Material;

// What a calculation needs of one material, read once from its value.
// Empty fields read as 0.
struct MaterialData {
    int row = -1; // the material's position in the list it was built from
    double molg = 0.0;
    double prys = 0.0;
    bool withoutAnalysis = false; // marked as having no chemistry (Material::withoutAnalysis)
    std::array<double, OxideCatalogue::count> oxides{}; // molar analysis, catalogue order
    // Catalogue indices of the oxides that are not 0, in order: a material
    // holds a handful of the 33, and only those can add to a total.
    std::array<std::uint8_t, OxideCatalogue::count> present{};
    int presentCount = 0;
};

// The material catalogue: the materials by name, built once from their
// values: a recipe names its materials again and again, and a hash lookup
// keeps every slot's lookup independent of the size of the table. Names
// match exactly (case and blanks count); of several materials with one name
// the first in the list wins, so with the list ordered by name it is the
// first in name order.
class MaterialLookup {
public:
    MaterialLookup() = default;
    explicit MaterialLookup(const std::vector<Material>& materials);
    // Built one material at a time, in order; `expected` sizes the table.
    explicit MaterialLookup(std::size_t expected);
    void add(const Material& material);

    // The material named exactly `name`, or nullptr.
    const MaterialData* find(std::string_view name) const;
    // The name of an entry found by find().
    const std::string& nameOf(const MaterialData& data) const {
        return names_[static_cast<std::size_t>(&data - materials_.data())];
    }
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
    std::size_t position_ = 0; // of the next material added, duplicates counted
};

} // namespace kelvora
