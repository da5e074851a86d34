// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/GlazeBook.h"

#include "model/RecordNames.h"
#include "model/TableLayouts.h"
#include "store/DataFiles.h"
#include "store/StoreTransaction.h"

namespace kelvora {

// Forgets the catalogue whenever the materials table is opened, closed, or
// has rows added, removed or posted.
class GlazeBook::CatalogueWatch : public ViewObserver {
public:
    explicit CatalogueWatch(GlazeBook& book) : book_(book) {}
    void viewChanged(View&, ViewEvent event, int) override {
        if (event == ViewEvent::Opened || event == ViewEvent::Closed || event == ViewEvent::DataChanged)
            book_.catalogueValid_ = false;
    }

private:
    GlazeBook& book_;
};

GlazeBook::GlazeBook(std::string dataDir)
    : dataDir_(std::move(dataDir)), watch_(std::make_unique<CatalogueWatch>(*this)) {
    materials_.declareFields(TableLayouts::materials());
    materials_.setIndexFieldNames("naam");
    glazes_.declareFields(TableLayouts::glazes());
    glazes_.setIndexFieldNames("naam");
    materials_.addObserver(watch_.get());
}

GlazeBook::~GlazeBook() {
    materials_.removeObserver(watch_.get());
    // What was posted is written as close() writes it. When that fails,
    // neither table may then be written on its own by its view.
    try {
        close();
    } catch (...) {
        if (materials_.hasUnsavedChanges() && glazes_.hasUnsavedChanges()) {
            materials_.setFileName({});
            glazes_.setFileName({});
        }
    }
}

void GlazeBook::load() {
    loadMaterials();
    glazes_.setFileName(DataFiles::glazes(dataDir_));
    glazes_.open();
    glazes_.setLogChanges(false);
}

void GlazeBook::loadMaterials() {
    materials_.setFileName(DataFiles::materials(dataDir_));
    materials_.open();
    materials_.setLogChanges(false);
}

void GlazeBook::save() {
    const bool materials = materials_.active() && materials_.hasUnsavedChanges();
    const bool glazes = glazes_.active() && glazes_.hasUnsavedChanges();
    if (materials && glazes) {
        // A renamed material and the recipes that follow it, or materials
        // imported with the glazes that use them: both tables or neither.
        StoreTransaction change(dataDir_);
        materials_.saveWith(change);
        glazes_.saveWith(change);
        change.commit();
        return;
    }
    if (materials) materials_.save();
    if (glazes) glazes_.save();
}

void GlazeBook::saveWith(StoreTransaction& change) {
    if (materials_.active() && materials_.hasUnsavedChanges()) materials_.saveWith(change);
    if (glazes_.active() && glazes_.hasUnsavedChanges()) glazes_.saveWith(change);
}

void GlazeBook::discardChanges() {
    for (View* view : {&materials_, &glazes_}) {
        if (view->state() == ViewState::Edit || view->state() == ViewState::Insert) view->cancel();
        view->setFileName({});
        view->close();
    }
}

void GlazeBook::close() {
    // Unposted edits go; what was posted is written as save() writes it.
    for (View* view : {&materials_, &glazes_})
        if (view->state() == ViewState::Edit || view->state() == ViewState::Insert) view->cancel();
    save();
    materials_.close();
    glazes_.close();
}

int GlazeBook::findRow(const View& view, const std::string& name) {
    if (!view.active()) return -1;
    const int naam = view.fieldIndex("naam");
    const Packet& packet = view.packet();
    for (std::size_t r = 0; r < packet.rows.size(); ++r)
        if (packet.text(packet.rows[r], naam) == name) return static_cast<int>(r);
    return -1;
}

std::vector<Material> GlazeBook::materials() const {
    return MaterialMapper::all(materials_);
}

std::optional<Material> GlazeBook::findMaterial(const std::string& name) const {
    const int row = findRow(materials_, name);
    if (row < 0) return std::nullopt;
    const Packet& packet = materials_.packet();
    return MaterialMapper(packet).read(packet, packet.rows[static_cast<std::size_t>(row)]);
}

const MaterialLookup& GlazeBook::catalogue() {
    if (!catalogueValid_) {
        catalogue_ = MaterialLookup(static_cast<std::size_t>(materials_.recordCount()));
        MaterialMapper::forEach(materials_, FieldParts::Input,
                                [this](const Material& m) { catalogue_.add(m); });
        catalogueValid_ = true;
    }
    return catalogue_;
}

namespace {
template <typename Value> void insertRecord(View& view, const Value& value) {
    view.insert();
    try {
        RecordMapper<Value>::apply(view, value);
        view.post();
    } catch (...) {
        view.cancel();
        throw;
    }
}

template <typename Value> void updateRecord(View& view, int row, const Value& value) {
    view.moveTo(row);
    try {
        RecordMapper<Value>::apply(view, value);
        view.post();
    } catch (...) {
        view.cancel();
        throw;
    }
}
} // namespace

void GlazeBook::addMaterial(const Material& material) {
    insertRecord(materials_, material);
}

bool GlazeBook::updateMaterial(const std::string& name, const Material& material) {
    const int row = findRow(materials_, name);
    if (row < 0) return false;
    updateRecord(materials_, row, material);
    return true;
}

bool GlazeBook::renameMaterial(const std::string& oldName, const std::string& newName) {
    const int row = findRow(materials_, oldName);
    if (row < 0) return false;
    std::vector<std::string> others;
    for (const Material& m : materials())
        if (m.naam != oldName) others.push_back(m.naam);
    if (RecordNames::taken(newName, others)) return false;
    Material material = *findMaterial(oldName);
    material.naam = newName;
    updateRecord(materials_, row, material);
    renameInRecipes(oldName, newName);
    return true;
}

std::vector<std::string> GlazeBook::glazeNames() const {
    std::vector<std::string> names;
    if (!glazes_.active()) return names;
    const int naam = glazes_.fieldIndex("naam");
    for (int r = 0; r < glazes_.recordCount(); ++r)
        names.push_back(glazes_.textAt(r, naam));
    return names;
}

Glaze GlazeBook::glazeAt(int index) const {
    const Packet& packet = glazes_.packet();
    return GlazeMapper(packet).read(packet, packet.rows.at(static_cast<std::size_t>(index)));
}

void GlazeBook::updateGlazeAt(int index, const Glaze& glaze) {
    updateRecord(glazes_, index, glaze);
}

std::vector<Glaze> GlazeBook::glazes() const {
    return GlazeMapper::all(glazes_);
}

std::optional<Glaze> GlazeBook::findGlaze(const std::string& name) const {
    const int row = findRow(glazes_, name);
    if (row < 0) return std::nullopt;
    return glazeAt(row);
}

void GlazeBook::addGlaze(const Glaze& glaze) {
    insertRecord(glazes_, glaze);
}

bool GlazeBook::updateGlaze(const std::string& name, const Glaze& glaze) {
    const int row = findRow(glazes_, name);
    if (row < 0) return false;
    updateRecord(glazes_, row, glaze);
    return true;
}

std::vector<std::string> GlazeBook::glazesUsing(const std::string& material) const {
    std::vector<std::string> names;
    if (!glazes_.active() || Recipe::isBlank(material)) return names;
    const Packet& packet = glazes_.packet();
    const GlazeMapper mapper(packet);
    Glaze glaze;
    for (const Row& row : packet.rows) {
        mapper.read(packet, row, glaze);
        if (glaze.recipe.uses(material)) names.push_back(glaze.naam);
    }
    return names;
}

int GlazeBook::renameInRecipes(const std::string& oldName, const std::string& newName) {
    if (!glazes_.active() || Recipe::isBlank(oldName) || oldName == newName) return 0;
    const Packet& packet = glazes_.packet();
    const GlazeMapper mapper(packet);
    Glaze glaze;
    int changed = 0;
    // Names of glazes do not change here, so every row keeps its place.
    for (int r = 0; r < glazes_.recordCount(); ++r) {
        mapper.read(packet, packet.rows[static_cast<std::size_t>(r)], glaze);
        if (glaze.recipe.rename(oldName, newName) == 0) continue;
        glazes_.moveTo(r);
        mapper.applyTo(glazes_, glaze);
        glazes_.post();
        ++changed;
    }
    return changed;
}

} // namespace kelvora
