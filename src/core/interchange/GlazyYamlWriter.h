// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "interchange/RecipeExport.h"

#include <string>

namespace kelvora {

// A list of Glazy-style records: one `Material` record per material used,
// then one `Recipe` record per glaze whose ingredients refer to those
// materials by ID. A recipe's `Percent Analysis` is the plain mix of its
// materials' analyses with the additions counted, LOI included, the way
// Glazy computes it. Kelvora's own fields (cones, category, the flux set of
// its Seger formula) travel in a `Kelvora` map, which other readers ignore.
class GlazyYamlWriter {
public:
    static std::string write(const ExportSet& set);
};

} // namespace kelvora
