// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "notebook/Choices.h"

#include <string>
#include <vector>

namespace kelvora {

// What a test looked like after one firing: where it stood and the result.
struct TileResult {
    std::string firing; // the firing's code
    std::string test;   // the test's code
    std::string place;  // in the kiln
    std::string surface;
    std::string transparency;
    std::string colour;
    std::vector<Defect> defects;
    std::string defectNotes;
    int rating = 0; // 1..5; 0 when not rated
    std::string notes;
};

} // namespace kelvora
