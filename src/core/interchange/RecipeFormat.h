// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "interchange/ImportedRecipe.h"

#include <optional>
#include <string>
#include <string_view>

namespace kelvora {

// The recipe and material formats Kelvora reads. The names are the values of
// the command line's --format option.
enum class RecipeFormat {
    GlazyYaml,  // "glazy-yaml": one recipe or a whole dump, plain or gzip
    GlazyJson,  // "glazy-json": a recipe as the site's interface returns it
    InsightXml, // "insight-xml": recipe or material XML
    GlazeChem,  // "glazechem": a .glz recipe file or a .mat materials file
    HyperGlaze, // "hyperglaze": a text collection
    Sankey,     // "sankey": the text database
    Lipgloss,   // "lipgloss": ingredient JSON (materials only)
    Text,       // "text": a recipe as pasted from a forum, book or mail
};

// "glazy-yaml" -> GlazyYaml; nullopt for a name that is none of them.
std::optional<RecipeFormat> recipeFormatByName(std::string_view name);
std::string_view recipeFormatName(RecipeFormat format);

// The format a file's content is in, recognised from its first bytes and
// structure; Text when nothing else fits.
RecipeFormat recogniseRecipeFormat(std::string_view bytes);

// Reads the recipes and materials of a whole file in the given format.
// Throws ImportError naming the place of the first thing it cannot read.
ImportedFile readRecipeFile(std::string_view bytes, RecipeFormat format);

} // namespace kelvora
