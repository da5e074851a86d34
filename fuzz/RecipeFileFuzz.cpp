// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes given to the recipe readers, in every format and in the format
// recognised from them, either read or are refused with an ImportError; and
// what is read stays within the import bounds.
#include "interchange/GzipData.h"
#include "interchange/ImportBounds.h"
#include "interchange/ImportError.h"
#include "interchange/RecipeFormat.h"

#include <cstdint>
#include <cstdlib>

namespace {
void readAs(std::string_view bytes, kelvora::RecipeFormat format) {
    try {
        const kelvora::ImportedFile file = kelvora::readRecipeFile(bytes, format);
        if (file.recipes.size() + file.materials.size() > kelvora::ImportBounds::kMaxRecords) std::abort();
        for (const kelvora::ImportedRecipe& recipe : file.recipes)
            if (recipe.lines.size() > kelvora::ImportBounds::kMaxLines) std::abort();
    } catch (const kelvora::ImportError&) {
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // gzip comes with Glazy dumps only; unpacking it once for every reader
    // would try the same thing nine times.
    if (kelvora::GzipData::isPacked(bytes)) {
        readAs(bytes, kelvora::RecipeFormat::GlazyYaml);
        readAs(bytes, kelvora::RecipeFormat::Text);
        return 0;
    }
    for (const auto format : {kelvora::RecipeFormat::GlazyYaml, kelvora::RecipeFormat::GlazyJson,
                              kelvora::RecipeFormat::InsightXml, kelvora::RecipeFormat::GlazeChem,
                              kelvora::RecipeFormat::HyperGlaze, kelvora::RecipeFormat::Sankey,
                              kelvora::RecipeFormat::Lipgloss, kelvora::RecipeFormat::Text})
        readAs(bytes, format);
    readAs(bytes, kelvora::recogniseRecipeFormat(bytes));
    return 0;
}
