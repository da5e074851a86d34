// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Prompter.h"
#include "engine/Calculate.h"
#include "engine/MaterialLookup.h"
#include "engine/Recipe.h"
#include "model/OxideCatalogue.h"
#include "store/DataFiles.h"
#include "store/View.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kelvora {

// The glaze data module: owns the read-only materials view and the glazes
// table while the glaze editor is shown, and turns the current glaze's recipe
// into its Seger formula, cost price and firing range. Everything it has to
// tell the user goes through the prompter it was given.
class TGlzDM {
public:
    // Folder of the data files when none is given: relative to the current
    // directory, which the program sets to the executable's folder.
    static constexpr const char* defaultDataDir = DataFiles::folder;

    explicit TGlzDM(Prompter& prompter, std::string dataDir = defaultDataDir);
    ~TGlzDM();
    TGlzDM(const TGlzDM&) = delete;
    TGlzDM& operator=(const TGlzDM&) = delete;

    // Where mat.cds and glz.cds are read from and written to; takes effect at
    // the next OpenTables.
    void setDataDir(const std::string& dataDir);
    const std::string& dataDir() const { return dataDir_; }

    View MatCDS; // materials, read-only, ordered by "naam"
    View GlzCDS; // glazes, ordered by "naam"
    // The 40 Seger cones with their nominal temperatures, built once.
    const std::vector<std::string> ConeList;

    // Opens the materials view, then the glazes table, change log off on each.
    void OpenTables();
    // Closes the materials view, then the glazes table (which writes it when
    // something was posted).
    void CloseTables();

    // Calculates the current glaze record: Seger formula, both recipe
    // columns, cost price and firing range, written with one edit and one
    // post. When the calculation stops at a fault it writes nothing: the
    // record keeps its state and any pending edits. True when the result
    // was written.
    bool CalcGlaze(bool basicNotToOne, bool percentNotToHundred);
    // Puts `name` into the first free slot of the given kind of the current
    // glaze; leaves the record in edit state. Without a kind the record is
    // only put into edit state.
    void AddMaterialToRecipe(std::optional<SlotKind> kind, const std::string& name);
    // Mean thermal expansion coefficient (x 10E-5) of the stored formula.
    double CalcExpansion() const;
    // Writes tmpv and tmpt of the current glaze from its stored formula.
    void EstimateTemperature();

    // The materials by name, built when first needed after the materials
    // view was opened or reordered.
    const MaterialLookup& materialLookup();
    // The current glaze record's recipe.
    Recipe currentRecipe();

    static std::vector<std::string> buildConeList();

private:
    // Field positions in the glazes table, looked up once per opening.
    struct GlazeFields {
        Recipe::Fields recipe;
        int prys = -1, tmpv = -1, tmpt = -1;
        std::array<int, OxideCatalogue::count> oxides{};
    };
    class ViewWatch;
    class WatchPause;

    const GlazeFields& glazeFields();
    void editGlaze();
    void readCurrentRecipe(Recipe& recipe);
    void writeResult(const CalcResult& result);

    Prompter& prompter_;
    std::string dataDir_;
    GlazeFields glazeFields_;
    bool glazeFieldsValid_ = false;
    MaterialLookup lookup_;
    bool lookupValid_ = false;
    Recipe recipe_; // reused between runs so its names keep their storage
    std::unique_ptr<ViewWatch> watch_;
};

} // namespace kelvora
