// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/ImportBounds.h"

#include "interchange/ImportError.h"

namespace kelvora {

void ImportBounds::checkSize(std::size_t bytes) {
    if (bytes > kMaxBytes)
        throw ImportError("het bestand is groter dan " + std::to_string(kMaxBytes >> 20) +
                          " MiB en wordt niet gelezen");
}

void ImportBounds::checkMoreLines(std::size_t lines, int line, const std::string& recipe) {
    if (lines >= kMaxLines)
        throw ImportError::at(line, recipe, "meer dan " + std::to_string(kMaxLines) + " receptregels");
}

void ImportBounds::checkMoreRecords(std::size_t records) {
    if (records >= kMaxRecords)
        throw ImportError("het bestand bevat meer dan " + std::to_string(kMaxRecords) +
                          " recepten en grondstoffen en wordt niet gelezen");
}

void ImportBounds::check(const ImportedFile& file) {
    if (file.recipes.size() + file.materials.size() > kMaxRecords) checkMoreRecords(kMaxRecords);
    for (const ImportedRecipe& recipe : file.recipes)
        if (recipe.lines.size() > kMaxLines) checkMoreLines(recipe.lines.size(), recipe.line, recipe.name);
    for (const ImportedMaterial& material : file.materials)
        if (material.analysis.size() > kMaxAnalysisEntries)
            throw ImportError::at(material.line, "",
                                  "grondstof '" + material.name + "' heeft meer dan " +
                                      std::to_string(kMaxAnalysisEntries) + " bestanddelen");
}

} // namespace kelvora
