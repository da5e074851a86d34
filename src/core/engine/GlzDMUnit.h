// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Prompter.h"
#include "engine/Calculate.h"
#include "model/Glaze.h"
#include "model/MaterialLookup.h"
#include "model/Recipe.h"
#include "store/DataFiles.h"
#include "store/GlazeBook.h"
#include "store/RecordMapper.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kelvora {

// The glaze data module: the glaze book of one data folder while the glaze
// editor is shown (materials read-only), and the calculation of the glaze the
// editor shows: its Seger formula, cost price and firing range. Everything
// it has to tell the user goes through the prompter it was given.
class TGlzDM {
    // First, so that the tables below can refer into the book.
    Prompter& prompter_;
    GlazeBook book_;

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
    void setDataDir(const std::string& dataDir) { book_.setDataDir(dataDir); }
    const std::string& dataDir() const { return book_.dataDir(); }

    GlazeBook& book() { return book_; }
    // The book's tables, for the editor's data-aware controls.
    View& MatCDS; // materials, read-only, ordered by "naam"
    View& GlzCDS; // glazes, ordered by "naam"
    // The 40 Seger cones with their nominal temperatures, built once.
    const std::vector<std::string> ConeList;

    // Opens the materials, then the glazes, change log off on each.
    void OpenTables() { book_.load(); }
    // Closes the materials, then the glazes (which writes them when
    // something was posted).
    void CloseTables() { book_.close(); }

    // Calculates the current glaze record: Seger formula, both recipe
    // columns, cost price and firing range, written with one edit and one
    // post. When the calculation stops at a fault it writes nothing: the
    // record keeps its state and any pending edits. True when the result
    // was written.
    bool CalcGlaze(bool basicNotToOne, bool percentNotToHundred);
    // Puts `name` into the first free place of the given kind of the current
    // glaze; leaves the record in edit state. Without a kind the record is
    // only put into edit state.
    void AddMaterialToRecipe(std::optional<SlotKind> kind, const std::string& name);
    // The report's thermal expansion coefficient of the stored formula.
    double CalcExpansion() const;
    // Writes tmpv and tmpt of the current glaze from its stored formula.
    void EstimateTemperature();

    // The materials by name.
    const MaterialLookup& materialLookup() { return book_.catalogue(); }
    // The current glaze record as a value, typed but unposted edits included;
    // an empty glaze when the table is closed or has no rows.
    Glaze currentGlaze() const;
    Recipe currentRecipe() const { return currentGlaze().recipe; }
    // Writes the fields in which `glaze` differs into the current record
    // (edit state, not posted), so bound controls show them.
    void applyToCurrent(const Glaze& glaze);

    static std::vector<std::string> buildConeList();

private:
    class ViewWatch;
    const GlazeMapper& glazeMapper();

    std::optional<GlazeMapper> mapper_; // for the glazes table as opened
    Glaze glaze_;                       // reused between runs so its texts keep their storage
    std::unique_ptr<ViewWatch> watch_;
};

} // namespace kelvora
