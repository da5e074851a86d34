// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/ImportBounds.h"

#include "interchange/ImportError.h"

#include <string>

namespace kelvora {

void ImportBounds::checkSize(std::size_t bytes) {
    if (bytes > kMaxBytes)
        throw ImportError("het bestand is groter dan " + std::to_string(kMaxBytes >> 20) +
                          " MiB en wordt niet gelezen");
}

void ImportBounds::check(const ImportedFile& file) {
    if (file.recipes.size() + file.materials.size() > kMaxRecords)
        throw ImportError("het bestand bevat meer dan " + std::to_string(kMaxRecords) +
                          " recepten en grondstoffen en wordt niet gelezen");
    for (const ImportedRecipe& recipe : file.recipes)
        if (recipe.lines.size() > kMaxLines)
            throw ImportError::at(recipe.line, recipe.name,
                                  "meer dan " + std::to_string(kMaxLines) + " receptregels");
    for (const ImportedMaterial& material : file.materials)
        if (material.analysis.size() > kMaxAnalysisEntries)
            throw ImportError::at(material.line, "",
                                  "grondstof '" + material.name + "' heeft meer dan " +
                                      std::to_string(kMaxAnalysisEntries) + " bestanddelen");
}

} // namespace kelvora
