// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/Glaze.h"
#include "model/Material.h"
#include "model/MaterialLookup.h"
#include "store/RecordMapper.h"
#include "store/View.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kelvora {

class StoreTransaction;

// The glazes and materials of one data folder as values: what the windows
// and the command line share instead of table cursors. It reads both tables
// of the folder it is given, finds, adds, updates and renames by name, and
// writes through the store, so that the folder lock, the check that a file
// is still the one read, and the atomic replace all stay as they are.
//
// Names are compared exactly, as the calculation's lookup compares them; of
// two records of one name the first in name order is the one found.
class GlazeBook {
public:
    explicit GlazeBook(std::string dataDir);
    ~GlazeBook();
    GlazeBook(const GlazeBook&) = delete;
    GlazeBook& operator=(const GlazeBook&) = delete;

    const std::string& dataDir() const { return dataDir_; }
    void setDataDir(std::string dataDir) { dataDir_ = std::move(dataDir); }
    // Reads both tables (materials first). Store errors are thrown as they come.
    void load();
    // Reads the materials only (the glazes file need not exist).
    void loadMaterials();
    bool loaded() const { return glazes_.active(); }
    // Writes each table that changed since it was read or last written. When
    // both changed they are replaced together, all or nothing: a program
    // killed half way leaves both old or both new (see StoreTransaction).
    void save();
    // Puts each table that changed into `change` instead of writing it now,
    // for a change of more tables than these two (an import that also
    // stores aliases). The book must stay open until the commit.
    void saveWith(StoreTransaction& change);
    // Closes both tables without writing anything: what a failed change
    // leaves in memory must not reach the disk later on its own.
    void discardChanges();
    // Drops unposted edits, writes what changed and closes both tables.
    void close();
    // Refuses every change when set (a folder held by another program).
    void setMaterialsReadOnly(bool readOnly) { materials_.setReadOnly(readOnly); }

    // ---- materials
    std::vector<Material> materials() const; // in name order
    std::optional<Material> findMaterial(const std::string& name) const;
    // The materials by name for calculations, rebuilt after any change.
    const MaterialLookup& catalogue();
    void addMaterial(const Material& material);
    // Replaces the material called `name` by `material` (which may carry a new
    // name; the recipes keep the old one unless renameMaterial is used).
    // False when there is no such material.
    bool updateMaterial(const std::string& name, const Material& material);

    // ---- glazes
    std::vector<std::string> glazeNames() const; // in name order
    // By position in name order, for work over every glaze (0 .. glazeCount-1).
    int glazeCount() const { return glazes_.recordCount(); }
    Glaze glazeAt(int index) const;
    void updateGlazeAt(int index, const Glaze& glaze);
    std::vector<Glaze> glazes() const;
    std::optional<Glaze> findGlaze(const std::string& name) const;
    bool hasGlaze(const std::string& name) const { return findRow(glazes_, name) >= 0; }
    void addGlaze(const Glaze& glaze);
    bool updateGlaze(const std::string& name, const Glaze& glaze);
    // Names of the glazes whose recipe or additions name the material.
    std::vector<std::string> glazesUsing(const std::string& material) const;
    // Replaces the material's name in every recipe and addition that uses
    // it; the number of glazes changed. Nothing is written here: save() does.
    int renameInRecipes(const std::string& oldName, const std::string& newName);
    // Renames a material and lets every recipe that uses it follow; save()
    // then writes both tables together. False when there is no such material
    // or the new name is taken by another.
    bool renameMaterial(const std::string& oldName, const std::string& newName);

    // The tables behind the book, for the glaze editor's data-aware controls.
    View& glazeView() { return glazes_; }
    View& materialView() { return materials_; }
    const View& glazeView() const { return glazes_; }
    const View& materialView() const { return materials_; }

private:
    class CatalogueWatch;
    static int findRow(const View& view, const std::string& name);
    std::string dataDir_;
    View materials_{"MatCDS"};
    View glazes_{"GlzCDS"};
    MaterialLookup catalogue_;
    bool catalogueValid_ = false;
    std::unique_ptr<CatalogueWatch> watch_;
};

} // namespace kelvora
