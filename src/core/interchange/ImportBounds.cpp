// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/ImportBounds.h"

#include "common/Translate.h"

#include "interchange/ImportError.h"

namespace kelvora {

void ImportBounds::checkSize(std::size_t bytes) {
    if (bytes > kMaxBytes)
        throw ImportError(
            fillIn(translate("Import", "het bestand is groter dan %1 MiB en wordt niet gelezen"),
                   {std::to_string(kMaxBytes >> 20)}));
}

void ImportBounds::checkMoreLines(std::size_t lines, int line, const std::string& recipe) {
    if (lines >= kMaxLines)
        throw ImportError::at(
            line, recipe,
            fillIn(translate("Import", "meer dan %1 receptregels"), {std::to_string(kMaxLines)}));
}

void ImportBounds::checkMoreRecords(std::size_t records) {
    if (records >= kMaxRecords)
        throw ImportError(
            fillIn(translate("Import",
                             "het bestand bevat meer dan %1 recepten en grondstoffen en wordt niet gelezen"),
                   {std::to_string(kMaxRecords)}));
}

void ImportBounds::check(const ImportedFile& file) {
    if (file.recipes.size() + file.materials.size() > kMaxRecords) checkMoreRecords(kMaxRecords);
    for (const ImportedRecipe& recipe : file.recipes)
        if (recipe.lines.size() > kMaxLines) checkMoreLines(recipe.lines.size(), recipe.line, recipe.name);
    for (const ImportedMaterial& material : file.materials)
        if (material.analysis.size() > kMaxAnalysisEntries)
            throw ImportError::at(material.line, "",
                                  fillIn(translate("Import", "grondstof '%1' heeft meer dan %2 bestanddelen"),
                                         {material.name, std::to_string(kMaxAnalysisEntries)}));
}

} // namespace kelvora
