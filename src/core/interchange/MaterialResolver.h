// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "interchange/ImportedRecipe.h"
#include "store/AliasBook.h"

#include <string>
#include <vector>

namespace kelvora {

// How a material name of a file was found among the materials of the store.
enum class Resolved {
    Exact,      // the same name
    Normalised, // the same NameKey (case, blanks, punctuation)
    Alias,      // through the alias table
    FileAlias,  // through another name the file gives the material
    Unknown,    // not found: only suggestions, for the potter to choose from
};

struct Resolution {
    Resolved how = Resolved::Unknown;
    std::string material; // the Kelvora material, "" when Unknown
    // For Unknown: the most alike materials, best first; never chosen for the potter.
    std::vector<std::string> suggestions;
};

// Finds the Kelvora material a file means, in a fixed order: exact name,
// normalised name, the alias table, then the file's own other names of the
// material (found by the line's material key first, else by name), each of
// those again exact, normalised and through the alias table. What is not
// found so gets suggestions by likeness of name, never a choice.
class MaterialResolver {
public:
    MaterialResolver(std::vector<std::string> materialNames, std::vector<Alias> aliases,
                     const std::vector<ImportedMaterial>& fileMaterials);

    Resolution resolve(const std::string& name, const std::string& materialId = {}) const;

    // The file's material a line means: by its key, else by name or one of
    // its other names (NameKey); nullptr when the file has none.
    const ImportedMaterial* fileMaterial(const std::string& name, const std::string& materialId) const;

    // The number of suggestions given at most.
    static constexpr std::size_t maxSuggestions = 5;

private:
    // Exact, normalised, alias; Unknown when none.
    Resolution direct(const std::string& name) const;
    std::vector<std::string> suggest(const std::string& name) const;
    std::vector<std::string> names_;
    std::vector<std::string> keys_; // NameKey of names_
    std::vector<Alias> aliases_;
    const std::vector<ImportedMaterial>& fileMaterials_;
};

} // namespace kelvora
