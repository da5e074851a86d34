#pragma once
#include "model/OxideCatalogue.h"

#include <array>
#include <string>
#include <unordered_map>
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
    const MaterialData* find(const std::string& name) const {
        const auto found = index_.find(name);
        return found == index_.end() ? nullptr : &materials_[static_cast<std::size_t>(found->second)];
    }
    int size() const { return static_cast<int>(materials_.size()); }

private:
    std::vector<MaterialData> materials_;
    std::unordered_map<std::string, int> index_; // name -> position in materials_
};

} // namespace kelvora
