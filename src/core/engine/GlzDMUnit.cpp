// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/GlzDMUnit.h"

#include "engine/ExpansionCoefficient.h"
#include "engine/FiringRange.h"

namespace kelvora {

// Forgets the glazes mapper whenever the glazes table is opened or closed,
// since each opening takes the field list of the file it reads.
class TGlzDM::ViewWatch : public ViewObserver {
public:
    explicit ViewWatch(TGlzDM& dm) : dm_(dm) {}
    void viewChanged(View&, ViewEvent event, int) override {
        if (event == ViewEvent::Opened || event == ViewEvent::Closed) dm_.mapper_.reset();
    }

private:
    TGlzDM& dm_;
};

TGlzDM::TGlzDM(Prompter& prompter, std::string dataDir)
    : prompter_(prompter), book_(std::move(dataDir)), MatCDS(book_.materialView()), GlzCDS(book_.glazeView()),
      ConeList(buildConeList()), watch_(std::make_unique<ViewWatch>(*this)) {
    book_.setMaterialsReadOnly(true);
    GlzCDS.addObserver(watch_.get());
}

TGlzDM::~TGlzDM() {
    GlzCDS.removeObserver(watch_.get());
}

// Seger cones and the temperatures (°C) at which they bend. Every entry agrees
// with the table "Softening points of Seger cones" in the book "Modern Gas
// Works Practice" (p. 204 as scanned at tekniskkulturarv.dk), including SK
// 018 at 710 °C. A chemistry review of this program quoted 700 °C for SK 018
// from another chart, which we could not find to check, so 710 stays.
std::vector<std::string> TGlzDM::buildConeList() {
    return {"022 - 600",  "021 - 650",  "020 - 670",  "019 - 690",  "018 - 710",  "017 - 730",  "016 - 750",
            "015a - 790", "014a - 815", "013a - 835", "012a - 855", "011a - 880", "010a - 900", "09a - 920",
            "08a - 940",  "07a - 960",  "06a - 980",  "05a - 1000", "04a - 1020", "03a - 1040", "02a - 1060",
            "01a - 1080", "1a - 1100",  "2a - 1120",  "3a - 1140",  "4a - 1160",  "5a - 1180",  "6a - 1200",
            "7 - 1230",   "8 - 1250",   "9 - 1280",   "10 - 1300",  "11 - 1320",  "12 - 1350",  "13 - 1380",
            "14 - 1410",  "15 - 1435",  "16 - 1460",  "17 - 1480",  "18 - 1500"};
}

const GlazeMapper& TGlzDM::glazeMapper() {
    if (!mapper_) mapper_.emplace(GlzCDS.packet());
    return *mapper_;
}

Glaze TGlzDM::currentGlaze() const {
    return GlazeMapper::current(GlzCDS);
}

void TGlzDM::applyToCurrent(const Glaze& glaze) {
    glazeMapper().applyTo(GlzCDS, glaze);
}

bool TGlzDM::CalcGlaze(bool basicNotToOne, bool percentNotToHundred) {
    MatCDS.setIndexFieldNames("naam");
    const MaterialLookup& materials = book_.catalogue();
    // Only the recipe is read, and only what the run produces written back.
    if (!GlzCDS.active() || !glazeMapper().readCurrent(GlzCDS, glaze_, FieldParts::Input)) glaze_ = Glaze();
    const CalcResult result = calculate(glaze_.recipe, materials, {basicNotToOne, percentNotToHundred});
    for (const auto& text : result.messages)
        prompter_.message(text);
    // The lookup window follows the materials table: leave it on the last
    // material the lookup found.
    if (result.lastMaterialRow >= 0 && result.lastMaterialRow != MatCDS.recNo())
        MatCDS.moveTo(result.lastMaterialRow);
    if (result.stopped) return false;
    applyResult(result, glaze_);
    // The observers step aside while the result is written: a calculation
    // neither opens nor closes a table.
    GlzCDS.removeObserver(watch_.get());
    try {
        glazeMapper().applyTo(GlzCDS, glaze_, FieldParts::Result);
        GlzCDS.post();
    } catch (...) {
        GlzCDS.addObserver(watch_.get());
        throw;
    }
    GlzCDS.addObserver(watch_.get());
    return true;
}

void TGlzDM::EstimateTemperature() {
    Glaze glaze = currentGlaze();
    OxideFormula formula;
    for (std::size_t k = 0; k < formula.size(); ++k)
        formula[k] = Recipe::amount(glaze.oxides[k]);
    const FiringRange range = FiringRange::estimate(formula);
    // A formula so extreme that the range leaves the integer fields is stored as empty.
    glaze.tmpv = range.from;
    glaze.tmpt = range.to;
    applyToCurrent(glaze);
    GlzCDS.post();
}

double TGlzDM::CalcExpansion() const {
    return ExpansionCoefficient::of(currentGlaze().oxides);
}

void TGlzDM::AddMaterialToRecipe(std::optional<SlotKind> kind, const std::string& name) {
    if (GlzCDS.state() != ViewState::Edit && GlzCDS.state() != ViewState::Insert) GlzCDS.edit();
    if (!kind) return;
    Glaze glaze = currentGlaze();
    if (glaze.recipe.addName(*kind, name)) applyToCurrent(glaze);
}

} // namespace kelvora
