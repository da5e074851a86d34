#include "engine/GlzDMUnit.h"

#include "common/Utf8.h"
#include "engine/OxideMolarMass.h"
#include "model/OxideCatalogue.h"
#include "model/TableLayouts.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace kelvora {

namespace {
constexpr int kSlots = TableLayouts::recipeSlots;
constexpr int kAdditions = TableLayouts::additionSlots;
constexpr int kOxides = OxideCatalogue::count;

const char* const kModeMessage = "Optie Mol gew./Perc moet M of p zijn!";
const char* const kGetMGNotFound = "Proc. GetMG: kan materiaal niet vinden: ";
const char* const kZeroPrice =
    "Er zijn materialen bij waarvan de prijs 0 is\r\nDe prijsberekening klopt waarschijnlijk niet";
const char* const kUpdateTotalsNotFound = "Proc. UpdateTotals: kan materiaal niet vinden: ";
const char* const kZeroPercentage = "Totaalpercentage is 0, kan berekening niet uitvoeren";
const char* const kZeroBasic = "Totale hoeveelheid basische elementen is 0\r\nControleer grondstoffen!";

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

// The oxides the firing-range estimate reads, found in the catalogue once.
struct EstimateOxides {
    const Oxide &li2o = *OxideCatalogue::byStem("li2o"), &na2o = *OxideCatalogue::byStem("na2o"),
                &k2o = *OxideCatalogue::byStem("k2o"), &mgo = *OxideCatalogue::byStem("mgo"),
                &cao = *OxideCatalogue::byStem("cao"), &sro = *OxideCatalogue::byStem("sro"),
                &bao = *OxideCatalogue::byStem("bao"), &zno = *OxideCatalogue::byStem("zno"),
                &pbo = *OxideCatalogue::byStem("pbo"), &b2o3 = *OxideCatalogue::byStem("b2o3"),
                &al2o3 = *OxideCatalogue::byStem("al2o3"), &sio2 = *OxideCatalogue::byStem("sio2");
};

bool blank(const std::string& text) {
    return utf8::trim(text).empty();
}

// A value that overflowed or came from 0/0 must never reach the data file.
void setFinite(View& view, int field, double value) {
    if (std::isfinite(value))
        view.setNumber(field, value);
    else
        view.clear(field);
}

void setInteger(View& view, int field, double value) {
    if (std::isfinite(value) && value >= INT_MIN && value <= INT_MAX)
        view.setNumber(field, value);
    else
        view.clear(field);
}
} // namespace

// Forgets the cached field positions whenever either view is opened or closed,
// since each opening takes the field list of the file it reads.
class TGlzDM::ViewWatch : public ViewObserver {
public:
    ViewWatch(FieldIndices& idx, const View& materials) : idx_(idx), materials_(materials) {}
    void viewChanged(View& view, ViewEvent event, int) override {
        const bool reopened = event == ViewEvent::Opened || event == ViewEvent::Closed;
        if (&view == &materials_) {
            // Rows of the read-only materials view move only when it is reordered.
            if (reopened || event == ViewEvent::DataChanged) idx_.matValid = false;
        } else if (reopened) {
            idx_.glzValid = false;
        }
    }

private:
    FieldIndices& idx_;
    const View& materials_;
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
      dataDir_(std::move(dataDir)), watch_(std::make_unique<ViewWatch>(idx_, MatCDS)) {
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

const TGlzDM::FieldIndices& TGlzDM::refreshIndices() {
    glazeIndices();
    if (idx_.matValid) return idx_;
    idx_.matNaam = MatCDS.fieldIndex("naam");
    idx_.matMolg = MatCDS.fieldIndex("molg");
    idx_.matPrys = MatCDS.fieldIndex("prys");
    for (const auto& oxide : OxideCatalogue::all())
        idx_.matOxide[static_cast<std::size_t>(oxide.position - 1)] = MatCDS.fieldIndex(oxide.stem);
    // A recipe names its materials again and again; a hash lookup keeps every
    // slot's lookup independent of the size of the materials table.
    materialRows_.clear();
    materialRows_.reserve(static_cast<std::size_t>(MatCDS.recordCount()));
    for (int row = 0; row < MatCDS.recordCount(); ++row)
        materialRows_.try_emplace(MatCDS.textAt(row, idx_.matNaam), row);
    oxideCache_.assign(static_cast<std::size_t>(MatCDS.recordCount()), {});
    oxideCached_.assign(oxideCache_.size(), 0);
    idx_.matValid = true;
    return idx_;
}

const TGlzDM::FieldIndices& TGlzDM::refreshGlazeIndices() {
    idx_.glzMolp = GlzCDS.fieldIndex("molp");
    idx_.glzPrys = GlzCDS.fieldIndex("prys");
    idx_.glzTmpv = GlzCDS.fieldIndex("tmpv");
    idx_.glzTmpt = GlzCDS.fieldIndex("tmpt");
    for (const auto& oxide : OxideCatalogue::all())
        idx_.glzOxide[static_cast<std::size_t>(oxide.position - 1)] = GlzCDS.fieldIndex(oxide.stem);
    for (int n = 1; n <= kSlots; ++n) {
        auto i = static_cast<std::size_t>(n - 1);
        idx_.mat[i] = GlzCDS.fieldIndex(TableLayouts::matField(n));
        idx_.mtp[i] = GlzCDS.fieldIndex(TableLayouts::mtpField(n));
        idx_.mtm[i] = GlzCDS.fieldIndex(TableLayouts::mtmField(n));
    }
    for (int n = 1; n <= kAdditions; ++n) {
        auto i = static_cast<std::size_t>(n - 1);
        idx_.tvs[i] = GlzCDS.fieldIndex(TableLayouts::tvsField(n));
        idx_.tvp[i] = GlzCDS.fieldIndex(TableLayouts::tvpField(n));
    }
    idx_.glzValid = true;
    return idx_;
}

// A record being inserted stays in insert state; it is posted like an edit.
void TGlzDM::editGlaze() {
    if (GlzCDS.state() != ViewState::Edit && GlzCDS.state() != ViewState::Insert) GlzCDS.edit();
}

// The materials view is ordered by "naam" when a calculation starts, so the
// first row of a name is the first in name order.
int TGlzDM::findMaterial(const std::string& name) {
    indices();
    const auto found = materialRows_.find(name);
    return found == materialRows_.end() ? -1 : found->second;
}

int TGlzDM::slotMaterial(Workspace& ws, int slotKey, const std::string& name) {
    int& row = ws.materialRow[static_cast<std::size_t>(slotKey)];
    if (row == -2) row = findMaterial(name);
    if (row >= 0) ws.lastFound = row;
    return row;
}

// Called only with a row the lookup just found, so the indices are current.
const std::array<double, 33>& TGlzDM::materialOxides(int row) {
    const auto& ix = idx_;
    const auto r = static_cast<std::size_t>(row);
    if (!oxideCached_[r]) {
        for (std::size_t k = 0; k < static_cast<std::size_t>(kOxides); ++k)
            oxideCache_[r][k] = MatCDS.numberAt(row, ix.matOxide[k]);
        oxideCached_[r] = 1;
    }
    return oxideCache_[r];
}

double TGlzDM::glazeNumber(int field) const {
    const Packet& packet = GlzCDS.packet();
    const int row = GlzCDS.recNo();
    if (!GlzCDS.active() || row < 0 || row >= static_cast<int>(packet.rows.size())) return 0.0;
    const double value = packet.number(packet.rows[static_cast<std::size_t>(row)], field);
    return isNullNumber(value) ? 0.0 : value;
}

const std::string& TGlzDM::glazeText(int field) const {
    static const std::string none;
    const Packet& packet = GlzCDS.packet();
    const int row = GlzCDS.recNo();
    if (!GlzCDS.active() || row < 0 || row >= static_cast<int>(packet.rows.size())) return none;
    return packet.text(packet.rows[static_cast<std::size_t>(row)], field);
}

void TGlzDM::CalcGlaze(bool basicNotToOne, bool percentNotToHundred) {
    MatCDS.setIndexFieldNames("naam");
    const auto& ix = indices();
    // A calculation neither opens, closes nor reorders a view, so the watcher
    // steps aside while it runs; every field it writes would otherwise pass
    // through one more observer.
    const WatchPause pause(*this);
    Workspace ws;
    ws.basicNotToOne = basicNotToOne;
    ws.percentNotToHundred = percentNotToHundred;

    const std::string& mode = glazeText(ix.glzMolp);
    if (mode == "M") {
        CalcFromMol(ws);
    } else if (mode == "P") {
        CalcFromPercent(ws);
    } else {
        prompter_.message(kModeMessage);
        return;
    }
    // The lookup window follows the materials view: leave it on the last
    // material the lookup found.
    if (ws.lastFound >= 0) MatCDS.moveTo(ws.lastFound);
    CalcPrice(ws);
    EstimateTemperature();
}

void TGlzDM::GetAllMG(Workspace& ws) {
    ws.slotMolWeight.fill(0.0);
    for (int n = 1; n <= kSlots; ++n)
        GetMG(ws, false, n);
    for (int n = 1; n <= kAdditions; ++n)
        GetMG(ws, true, n);
}

void TGlzDM::GetMG(Workspace& ws, bool addition, int slot) {
    const auto& ix = indices();
    const auto i = static_cast<std::size_t>(slot - 1);
    const std::string& name = glazeText(addition ? ix.tvs[i] : ix.mat[i]);
    double molWeight = 0.0;
    double price = 0.0;
    if (!blank(name)) {
        const int row = slotMaterial(ws, addition ? kSlots + slot - 1 : slot - 1, name);
        if (row < 0) {
            // The slot keeps price 0, so the cost price covers the found materials only.
            prompter_.message(kGetMGNotFound + name);
            return;
        }
        molWeight = MatCDS.numberAt(row, ix.matMolg);
        price = MatCDS.numberAt(row, ix.matPrys);
        if (price == 0.0) prompter_.message(kZeroPrice);
    }
    if (addition) {
        ws.additionPrice[i] = price;
    } else {
        ws.slotMolWeight[i] = molWeight;
        ws.slotPrice[i] = price;
    }
}

void TGlzDM::ClearTotals(Workspace& ws) {
    ws.totals.fill(0.0);
}

void TGlzDM::UpdateTotals(Workspace& ws, int slot) {
    const auto& ix = indices();
    const auto i = static_cast<std::size_t>(slot - 1);
    const std::string& name = glazeText(ix.mat[i]);
    const double mols = glazeNumber(ix.mtm[i]);
    if (mols == 0.0) return;
    // A slot already looked up in this run is known not to be blank.
    if (ws.materialRow[i] == -2 && blank(name)) return;
    const int row = slotMaterial(ws, slot - 1, name);
    if (row < 0) {
        prompter_.message(kUpdateTotalsNotFound + name);
        return;
    }
    const auto& oxides = materialOxides(row);
    for (std::size_t k = 0; k < static_cast<std::size_t>(kOxides); ++k)
        ws.totals[k] += oxides[k] * mols;
}

void TGlzDM::RecalcTotals(Workspace& ws) {
    ClearTotals(ws);
    for (int n = 1; n <= kSlots; ++n)
        UpdateTotals(ws, n);
}

void TGlzDM::ScaleMolAmounts(double factor) {
    const auto& ix = indices();
    editGlaze();
    for (std::size_t i = 0; i < static_cast<std::size_t>(kSlots); ++i)
        setFinite(GlzCDS, ix.mtm[i], glazeNumber(ix.mtm[i]) * factor);
    GlzCDS.post();
}

void TGlzDM::NormalisePercentages() {
    const auto& ix = indices();
    double sum = 0.0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(kSlots); ++i)
        sum += glazeNumber(ix.mtp[i]);
    if (sum == 100.0) return;
    if (sum == 0.0) {
        prompter_.message(kZeroPercentage);
        return;
    }
    editGlaze();
    for (std::size_t i = 0; i < static_cast<std::size_t>(kSlots); ++i)
        setFinite(GlzCDS, ix.mtp[i], glazeNumber(ix.mtp[i]) * 100.0 / sum);
    GlzCDS.post();
}

void TGlzDM::PercentToMol(const Workspace& ws) {
    const auto& ix = indices();
    editGlaze();
    for (std::size_t i = 0; i < static_cast<std::size_t>(kSlots); ++i)
        if (ws.slotMolWeight[i] != 0.0)
            setFinite(GlzCDS, ix.mtm[i], glazeNumber(ix.mtp[i]) / ws.slotMolWeight[i]);
    GlzCDS.post();
}

void TGlzDM::CalcFromPercent(Workspace& ws) {
    GetAllMG(ws);
    if (!ws.percentNotToHundred) NormalisePercentages();
    PercentToMol(ws);
    CalcFromMol(ws);
}

void TGlzDM::CalcFromMol(Workspace& ws) {
    const auto& ix = indices();
    GetAllMG(ws);
    RecalcTotals(ws);

    double basicSum = 0.0;
    for (const auto& oxide : OxideCatalogue::group(OxideGroup::Basic))
        basicSum += ws.totals[static_cast<std::size_t>(oxide.position - 1)];
    if (basicSum == 0.0) {
        prompter_.message(kZeroBasic);
        return;
    }
    if (basicSum != 1.0 && !ws.basicNotToOne) {
        ScaleMolAmounts(1.0 / basicSum);
        RecalcTotals(ws);
    }

    editGlaze();
    for (std::size_t k = 0; k < static_cast<std::size_t>(kOxides); ++k)
        setFinite(GlzCDS, ix.glzOxide[k], ws.totals[k]);
    GlzCDS.post();

    editGlaze();
    for (std::size_t i = 0; i < static_cast<std::size_t>(kSlots); ++i)
        setFinite(GlzCDS, ix.mtp[i], glazeNumber(ix.mtm[i]) * ws.slotMolWeight[i]);
    GlzCDS.post();

    if (!ws.percentNotToHundred) NormalisePercentages();
}

void TGlzDM::CalcPrice(const Workspace& ws) {
    const auto& ix = indices();
    double cost = 0.0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(kSlots); ++i)
        cost += glazeNumber(ix.mtp[i]) * ws.slotPrice[i];
    double batchWeight = 100.0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(kAdditions); ++i) {
        const double parts = glazeNumber(ix.tvp[i]);
        cost += parts * ws.additionPrice[i];
        batchWeight += parts;
    }
    editGlaze();
    // Additions of exactly -100 parts leave no batch to price: the price stays empty.
    if (batchWeight == 0.0)
        GlzCDS.clear(ix.glzPrys);
    else
        setFinite(GlzCDS, ix.glzPrys, cost / batchWeight);
    GlzCDS.post();
}

void TGlzDM::EstimateTemperature() {
    const auto& ix = glazeIndices();
    auto value = [&](const Oxide& oxide) {
        return glazeNumber(ix.glzOxide[static_cast<std::size_t>(oxide.position - 1)]);
    };
    static const EstimateOxides o;
    const double li2o = value(o.li2o), na2o = value(o.na2o), k2o = value(o.k2o), mgo = value(o.mgo),
                 cao = value(o.cao), sro = value(o.sro), bao = value(o.bao), zno = value(o.zno),
                 pbo = value(o.pbo), b2o3 = value(o.b2o3), al2o3 = value(o.al2o3), sio2 = value(o.sio2);

    enum class Type { None, Lead, Boron, Leadless } type = Type::None;
    double t = 0.0;
    double h = 20.0;
    if (pbo >= 0.2) {
        type = Type::Lead;
        t = 1070.0;
    } else if (b2o3 >= 0.1) {
        type = Type::Boron;
        t = 1100.0;
    } else if (pbo < 0.01) {
        type = Type::Leadless;
        t = 1180.0;
    }
    const bool unleaded = type == Type::Boron || type == Type::Leadless;

    if (al2o3 > 0) {
        t += 50.0 * al2o3;
        h += 10.0 * al2o3;
    }
    if (sio2 > 0) t += 17.0 * sio2;
    if (mgo > 0) {
        if (mgo < 0.1)
            t -= 20.0;
        else
            t += 30.0 * (mgo - 0.1);
    }
    if (cao > 0) {
        if (type == Type::Boron) t -= 5.0 * cao;
        if (type == Type::Leadless) t -= 6.0 * cao;
    }
    if (zno > 0 && unleaded) t -= 80.0 * zno;
    if (bao > 0 && unleaded) {
        t -= 25.0 * bao;
        if (h > 5) h -= 5.0;
    }
    if (sro > 0 && unleaded) t -= 80.0 * sro;
    if (pbo > 0) t -= 25.0 * pbo;
    if (b2o3 > 0) {
        t -= 20.0 * b2o3;
        h += 10.0 * b2o3;
    }
    if (na2o > 0) t -= 130.0 * na2o;
    if (k2o > 0) t -= 135.0 * k2o;
    if (li2o > 0) t -= 140.0 * li2o;

    if (type == Type::None) {
        t = 0.0;
        h = 0.0;
    } else {
        // nearbyint rounds an exact half to the even neighbour.
        t = 10.0 * std::nearbyint(t / 10.0);
        h = 10.0 * std::nearbyint(h / 10.0);
    }
    editGlaze();
    // A formula so extreme that the range leaves the integer fields is stored as empty.
    setInteger(GlzCDS, ix.glzTmpv, t - h);
    setInteger(GlzCDS, ix.glzTmpt, t + h);
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

void TGlzDM::AddMaterialToRecipe(int kind, const std::string& name) {
    if (GlzCDS.state() != ViewState::Edit && GlzCDS.state() != ViewState::Insert) GlzCDS.edit();
    if (kind != 1 && kind != 2) return;
    const int count = kind == 1 ? kSlots : kAdditions;
    for (int n = 1; n <= count; ++n) {
        const std::string field = kind == 1 ? TableLayouts::matField(n) : TableLayouts::tvsField(n);
        if (blank(GlzCDS.asText(field))) {
            GlzCDS.setText(field, name);
            return;
        }
    }
}

} // namespace kelvora
