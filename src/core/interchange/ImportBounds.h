// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "interchange/ImportedRecipe.h"

#include <cstddef>

namespace kelvora {

// How much of a recipe file Kelvora reads. The bounds keep an import within
// what the glaze and material tables are made for and keep a hostile or
// damaged file from taking the program's memory.
class ImportBounds {
public:
    // Bytes of a file, and of what a gzip file unpacks to.
    static constexpr std::size_t kMaxBytes = 64u << 20;
    // Recipes and materials of one file together.
    static constexpr std::size_t kMaxRecords = 200000;
    // Lines of one recipe (the tables keep 12 and 5; the rest goes to the
    // description, so a recipe may bring more, but not without end).
    static constexpr std::size_t kMaxLines = 1000;
    // Oxides, volatiles and compounds of one material's analysis.
    static constexpr std::size_t kMaxAnalysisEntries = 200;

    // Throws ImportError naming the first record that goes over a bound.
    static void check(const ImportedFile& file);
    // Throws ImportError when a file of `bytes` bytes is too large to read.
    static void checkSize(std::size_t bytes);
};

} // namespace kelvora
