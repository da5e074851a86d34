// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "interchange/AnalysisConversion.h"
#include "interchange/ImportedRecipe.h"
#include "interchange/MaterialResolver.h"
#include "model/Glaze.h"
#include "model/Material.h"
#include "store/AliasBook.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvora {

// What the potter decided for a material name the store does not know.
enum class MaterialChoice {
    Open,            // not decided yet
    MapTo,           // an existing material
    FromAnalysis,    // a new material from the file's analysis
    WithoutAnalysis, // a new material without chemistry
    Skip,            // leave it out, and the recipes that use it
};

// One material name met in the recipes of a file.
struct PlannedMaterial {
    std::string name;       // as in the file
    std::string materialId; // the file's own key, "" when none
    Resolution resolution;  // what the store knows of it
    MaterialChoice choice = MaterialChoice::Open;
    std::string mapTo;             // with MapTo
    bool remember = false;         // with MapTo: keep the name as an alias
    bool outsideConfirmed = false; // with FromAnalysis: the oxides outside the 33 may go
    // The file's material for this name, when it carries one.
    std::optional<ImportedMaterial> fileMaterial;
    // Its conversion, when it has an analysis.
    std::optional<AnalysisConversion> conversion;
    std::vector<std::string> recipes; // names in the file of the recipes that use it
    std::vector<std::string> notes;   // a differing analysis, a note of the conversion

    // "gelijk", "alias", "nieuw uit analyse", "zonder analyse", "onbekend", "overgeslagen".
    std::string state() const;
    // The Kelvora material the recipe lines will name; "" while open or skipped.
    std::string material() const;
    // Why it is not settled; "" when it is.
    std::string problem() const;

    std::string newName; // name of a material made by the import
};

// One recipe of the file as it will be stored.
struct PlannedRecipe {
    std::string fileName; // as in the file
    Glaze glaze;          // as it will be stored (name made unique and short enough)
    int baseLines = 0, additions = 0;
    bool skipped = false;              // a material it uses is skipped
    std::vector<std::string> problems; // lines the potter must settle first
    std::vector<std::string> notes;    // renamed, lines that did not fit

    // "nieuw", "overgeslagen", "onbekend".
    std::string state() const;
};

// The preview of an import: every material name met and every recipe, with
// what will be written. Nothing here touches the store; ImportWriter writes
// a settled plan.
class ImportPlan {
public:
    // `extra` are the materials of a separate materials file, used like the
    // recipe file's own for resolving and creating.
    ImportPlan(const ImportedFile& file, const std::vector<Material>& storeMaterials,
               const std::vector<std::string>& glazeNames, const std::vector<Alias>& aliases,
               const std::vector<ImportedMaterial>& extra = {});

    std::vector<PlannedMaterial>& materials() { return materials_; }
    const std::vector<PlannedMaterial>& materials() const { return materials_; }
    // The material row of a name in the file (NameKey), or nullptr.
    PlannedMaterial* material(const std::string& name);

    // Settles every open material as --create-materials asks: from its
    // analysis where the file has one, else without chemistry.
    void createAllOpen();
    // Builds the recipes anew from the materials' choices; call after any change.
    void update();

    const std::vector<PlannedRecipe>& recipes() const { return recipes_; }
    // True when every material name and every recipe line is settled.
    bool settled() const;
    // Each thing still to settle, one line each, with its place.
    std::vector<std::string> problems() const;

    // What an import writes: the new materials, the recipes (skipped ones
    // left out) and the aliases to remember.
    std::vector<Material> newMaterials() const;
    std::vector<Glaze> newGlazes() const;
    std::vector<Alias> newAliases() const;

private:
    std::vector<Material> storeMaterials_;
    std::vector<std::string> glazeNames_;
    std::vector<ImportedRecipe> fileRecipes_;
    std::vector<PlannedMaterial> materials_;
    std::vector<PlannedRecipe> recipes_;
};

} // namespace kelvora
