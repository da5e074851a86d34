// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/Glaze.h"
#include "model/Material.h"

#include <string>
#include <vector>

namespace kelvora::test {

// The shipped example glazes and starter materials, as values.
std::vector<Glaze> exampleGlazes();
std::vector<Material> starterMaterials();

// Two glazes and the materials they use whose names hold what a file format
// must escape or keep: quotes, ampersands, angle brackets, commas, '|',
// non-ASCII letters, words a YAML reader would take for a number or a truth
// value; amounts that need nine digits.
struct AwkwardSet {
    std::vector<Glaze> glazes;
    std::vector<Material> materials;
};
AwkwardSet awkwardSet();

// Whether `read` equals `written` to six significant digits.
bool sameToSixDigits(double read, double written);

} // namespace kelvora::test
