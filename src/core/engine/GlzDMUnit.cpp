// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/GlzDMUnit.h"

#include "engine/FiringRange.h"
#include "engine/OxideMolarMass.h"
#include "model/OxideCatalogue.h"
#include "model/TableLayouts.h"

#include <cmath>

namespace kelvora {

namespace {
// Expansion factor per oxide; oxides without one take no part in the coefficient.
struct ExpansionFactor {
    const char* stem;
    double factor;
};
constexpr ExpansionFactor kExpansion[] = {
    {"li2o", 16.5}, {"na2o", 10.0}, {"k2o", 8.5},   {"mgo", 1.0},   {"cao", 5.0},   {"sro", 6.2},
    {"bao", 3.0},   {"coo", 4.4},   {"cuo", 2.2},   {"nio", 4.0},   {"mno", 2.2},   {"zno", 1.8},
    {"pbo", 3.0},   {"b2o3", 0.1},  {"al2o3", 5.0}, {"sb2o3", 3.6}, {"fe2o3", 4.0}, {"cr2o3", 5.1},
    {"sio2", 0.8},  {"tio2", 4.1},  {"zro2", 2.1},  {"sno2", 2.0},
};

} // namespace

// Forgets the cached field positions and the materials lookup whenever a
// view is opened or closed, since each opening takes the field list and rows
// of the file it reads.
class TGlzDM::ViewWatch : public ViewObserver {
public:
    explicit ViewWatch(TGlzDM& dm) : dm_(dm) {}
    void viewChanged(View& view, ViewEvent event, int) override {
        const bool reopened = event == ViewEvent::Opened || event == ViewEvent::Closed;
        if (&view == &dm_.MatCDS) {
            // Rows of the read-only materials view move only when it is reordered.
            if (reopened || event == ViewEvent::DataChanged) dm_.lookupValid_ = false;
        } else if (reopened) {
            dm_.glazeFieldsValid_ = false;
        }
    }

private:
    TGlzDM& dm_;
};

class TGlzDM::WatchPause {
public:
    explicit WatchPause(TGlzDM& dm) : dm_(dm) {
        dm_.MatCDS.removeObserver(dm_.watch_.get());
        dm_.GlzCDS.removeObserver(dm_.watch_.get());
    }
    ~WatchPause() {
        dm_.MatCDS.addObserver(dm_.watch_.get());
        dm_.GlzCDS.addObserver(dm_.watch_.get());
    }
    WatchPause(const WatchPause&) = delete;
    WatchPause& operator=(const WatchPause&) = delete;

private:
    TGlzDM& dm_;
};

TGlzDM::TGlzDM(Prompter& prompter, std::string dataDir)
    : MatCDS("MatCDS"), GlzCDS("GlzCDS"), ConeList(buildConeList()), prompter_(prompter),
      dataDir_(std::move(dataDir)), watch_(std::make_unique<ViewWatch>(*this)) {
    MatCDS.declareFields(TableLayouts::materials());
    MatCDS.setReadOnly(true);
    MatCDS.setIndexFieldNames("naam");
    GlzCDS.declareFields(TableLayouts::glazes());
    GlzCDS.setIndexFieldNames("naam");
    MatCDS.addObserver(watch_.get());
    GlzCDS.addObserver(watch_.get());
}

TGlzDM::~TGlzDM() {
    MatCDS.removeObserver(watch_.get());
    GlzCDS.removeObserver(watch_.get());
}

void TGlzDM::setDataDir(const std::string& dataDir) {
    dataDir_ = dataDir;
}

std::vector<std::string> TGlzDM::buildConeList() {
    return {"022 - 600",  "021 - 650",  "020 - 670",  "019 - 690",  "018 - 710",  "017 - 730",  "016 - 750",
            "015a - 790", "014a - 815", "013a - 835", "012a - 855", "011a - 880", "010a - 900", "09a - 920",
            "08a - 940",  "07a - 960",  "06a - 980",  "05a - 1000", "04a - 1020", "03a - 1040", "02a - 1060",
            "01a - 1080", "1a - 1100",  "2a - 1120",  "3a - 1140",  "4a - 1160",  "5a - 1180",  "6a - 1200",
            "7 - 1230",   "8 - 1250",   "9 - 1280",   "10 - 1300",  "11 - 1320",  "12 - 1350",  "13 - 1380",
            "14 - 1410",  "15 - 1435",  "16 - 1460",  "17 - 1480",  "18 - 1500"};
}

void TGlzDM::OpenTables() {
    MatCDS.setFileName(DataFiles::materials(dataDir_));
    GlzCDS.setFileName(DataFiles::glazes(dataDir_));
    MatCDS.open();
    MatCDS.setLogChanges(false);
    GlzCDS.open();
    GlzCDS.setLogChanges(false);
}

void TGlzDM::CloseTables() {
    MatCDS.close();
    GlzCDS.close();
}

const MaterialLookup& TGlzDM::materialLookup() {
    if (!lookupValid_) {
        lookup_ = MaterialLookup(MatCDS);
        lookupValid_ = true;
    }
    return lookup_;
}

const TGlzDM::GlazeFields& TGlzDM::glazeFields() {
    if (glazeFieldsValid_) return glazeFields_;
    glazeFields_.recipe = Recipe::fieldsOf(GlzCDS);
    glazeFields_.prys = GlzCDS.fieldIndex("prys");
    glazeFields_.tmpv = GlzCDS.fieldIndex("tmpv");
    glazeFields_.tmpt = GlzCDS.fieldIndex("tmpt");
    for (const auto& oxide : OxideCatalogue::all())
        glazeFields_.oxides[static_cast<std::size_t>(oxide.position - 1)] = GlzCDS.fieldIndex(oxide.stem);
    glazeFieldsValid_ = true;
    return glazeFields_;
}

// A record being inserted stays in insert state; it is posted like an edit.
void TGlzDM::editGlaze() {
    if (GlzCDS.state() != ViewState::Edit && GlzCDS.state() != ViewState::Insert) GlzCDS.edit();
}

// Read straight from the current row, typed but unposted edits included; a
// closed table or one without rows gives an empty recipe.
void TGlzDM::readCurrentRecipe(Recipe& recipe) {
    const int row = GlzCDS.recNo();
    const Packet& packet = GlzCDS.packet();
    if (!GlzCDS.active() || row < 0 || row >= static_cast<int>(packet.rows.size())) {
        recipe = Recipe();
        return;
    }
    Recipe::read(packet, packet.rows[static_cast<std::size_t>(row)], glazeFields().recipe, recipe);
}

Recipe TGlzDM::currentRecipe() {
    Recipe recipe;
    readCurrentRecipe(recipe);
    return recipe;
}

bool TGlzDM::CalcGlaze(bool basicNotToOne, bool percentNotToHundred) {
    glazeFields();
    MatCDS.setIndexFieldNames("naam");
    const MaterialLookup& materials = materialLookup();
    readCurrentRecipe(recipe_);
    const CalcResult result = calculate(recipe_, materials, {basicNotToOne, percentNotToHundred});
    for (const auto& text : result.messages)
        prompter_.message(text);
    // The lookup window follows the materials view: leave it on the last
    // material the lookup found.
    if (result.lastMaterialRow >= 0 && result.lastMaterialRow != MatCDS.recNo())
        MatCDS.moveTo(result.lastMaterialRow);
    if (result.stopped) return false;
    writeResult(result);
    return true;
}

namespace {
// Writes a number unless the field already holds exactly that value (or is
// empty and is to stay so): a recalculation leaves most of the 33 oxide
// fields at 0, and every write tells each control bound to the field.
void update(View& view, const Packet& packet, const Row& row, int field, double value) {
    const double held = row.num[static_cast<std::size_t>(packet.slot(field))];
    const bool same = isNullNumber(held) ? !std::isfinite(value)
                                         : held == value && !std::signbit(held) == !std::signbit(value);
    if (!same) view.setNumber(field, value);
}
} // namespace

void TGlzDM::writeResult(const CalcResult& result) {
    const GlazeFields& f = glazeFields();
    // A calculation neither opens, closes nor reorders a view, so the watcher
    // steps aside while it writes; every field would otherwise pass through
    // one more observer.
    const WatchPause pause(*this);
    editGlaze();
    const Packet& packet = GlzCDS.packet();
    const Row& row = packet.rows[static_cast<std::size_t>(GlzCDS.recNo())];
    for (std::size_t k = 0; k < result.oxides.size(); ++k)
        update(GlzCDS, packet, row, f.oxides[k], result.oxides[k]);
    for (std::size_t i = 0; i < result.mtp.size(); ++i) {
        update(GlzCDS, packet, row, f.recipe.mtp[i], result.mtp[i]);
        update(GlzCDS, packet, row, f.recipe.mtm[i], result.mtm[i]);
    }
    update(GlzCDS, packet, row, f.prys, result.prys);
    update(GlzCDS, packet, row, f.tmpv, result.tmpv);
    update(GlzCDS, packet, row, f.tmpt, result.tmpt);
    GlzCDS.post();
}

void TGlzDM::EstimateTemperature() {
    const GlazeFields& f = glazeFields();
    std::array<double, OxideCatalogue::count> formula{};
    for (std::size_t k = 0; k < formula.size(); ++k)
        formula[k] = GlzCDS.asNumber(f.oxides[k]);
    const FiringRange range = FiringRange::estimate(formula);
    editGlaze();
    // A formula so extreme that the range leaves the integer fields is stored as empty.
    GlzCDS.setNumber(f.tmpv, range.from);
    GlzCDS.setNumber(f.tmpt, range.to);
    GlzCDS.post();
}

double TGlzDM::CalcExpansion() const {
    double weight = 0.0;
    double sum = 0.0;
    for (const auto& entry : kExpansion) {
        const double w = GlzCDS.asNumber(entry.stem) * *OxideMolarMass::byStem(entry.stem);
        weight += w;
        sum += w * entry.factor;
    }
    if (weight == 0.0) return 0.0;
    return sum / weight;
}

void TGlzDM::AddMaterialToRecipe(std::optional<SlotKind> kind, const std::string& name) {
    editGlaze();
    if (!kind) return;
    const bool recipe = *kind == SlotKind::Recipe;
    const int count = recipe ? Recipe::slotCount : Recipe::additionCount;
    for (int n = 1; n <= count; ++n) {
        const std::string field = recipe ? TableLayouts::matField(n) : TableLayouts::tvsField(n);
        if (Recipe::isBlank(GlzCDS.asText(field))) {
            GlzCDS.setText(field, name);
            return;
        }
    }
}

} // namespace kelvora
