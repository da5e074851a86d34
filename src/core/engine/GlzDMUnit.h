#pragma once
#include "common/Prompter.h"
#include "store/DataFiles.h"
#include "store/View.h"

#include <array>
#include <memory>
#include <string>
#include <unordered_map>
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
    // columns, cost price and firing range, each step posted on its own.
    void CalcGlaze(bool basicNotToOne, bool percentNotToHundred);
    // Puts `name` into the first free recipe slot (kind 1) or addition slot
    // (kind 2) of the current glaze; leaves the record in edit state.
    void AddMaterialToRecipe(int kind, const std::string& name);
    // Mean thermal expansion coefficient (x 10E-5) of the stored formula.
    double CalcExpansion() const;
    // Writes tmpv and tmpt of the current glaze from its stored formula.
    void EstimateTemperature();

    static std::vector<std::string> buildConeList();

private:
    // Lives for one run of CalcGlaze; a fresh one for every run.
    struct Workspace {
        bool basicNotToOne = false;
        bool percentNotToHundred = false;
        std::array<double, 33> totals{};
        std::array<double, 12> slotMolWeight{};
        std::array<double, 12> slotPrice{};
        std::array<double, 5> additionPrice{};
        // Materials-view row of each slot's material (recipe 0..11, additions
        // 12..16): -2 not looked up yet in this run, -1 not found. Names are
        // never written during a run, so one lookup per slot and run suffices.
        std::array<int, 17> materialRow;
        int lastFound = -1;
        Workspace() { materialRow.fill(-2); }
    };
    // Field positions, looked up once per opening of the views.
    struct FieldIndices {
        bool matValid = false;
        bool glzValid = false;
        int matNaam = -1, matMolg = -1, matPrys = -1;
        std::array<int, 33> matOxide{};
        int glzMolp = -1, glzPrys = -1, glzTmpv = -1, glzTmpt = -1;
        std::array<int, 12> mat{}, mtp{}, mtm{};
        std::array<int, 5> tvs{}, tvp{};
        std::array<int, 33> glzOxide{};
    };
    class ViewWatch;
    class WatchPause;

    // Each view's part is looked up when first needed after it was opened.
    const FieldIndices& indices() { return idx_.matValid && idx_.glzValid ? idx_ : refreshIndices(); }
    const FieldIndices& glazeIndices() { return idx_.glzValid ? idx_ : refreshGlazeIndices(); }
    const FieldIndices& refreshIndices();
    const FieldIndices& refreshGlazeIndices();
    void editGlaze();
    // The materials-view row of the first material named exactly `name`
    // in name order, or -1.
    int findMaterial(const std::string& name);
    int slotMaterial(Workspace& ws, int slotKey, const std::string& name);
    // The molar analysis of a materials-view row, read once per opening.
    const std::array<double, 33>& materialOxides(int row);
    // Fields of the current glaze read straight from its row (empty: "" and 0).
    const std::string& glazeText(int field) const;
    double glazeNumber(int field) const;

    void GetAllMG(Workspace& ws);
    void GetMG(Workspace& ws, bool addition, int slot);
    void ClearTotals(Workspace& ws);
    void UpdateTotals(Workspace& ws, int slot);
    void RecalcTotals(Workspace& ws);
    void ScaleMolAmounts(double factor);
    void NormalisePercentages();
    void PercentToMol(const Workspace& ws);
    void CalcFromMol(Workspace& ws);
    void CalcFromPercent(Workspace& ws);
    void CalcPrice(const Workspace& ws);

    Prompter& prompter_;
    std::string dataDir_;
    FieldIndices idx_;
    // First row of each material name, in name order; built once per opening.
    std::unordered_map<std::string, int> materialRows_;
    std::vector<std::array<double, 33>> oxideCache_;
    std::vector<char> oxideCached_;
    std::unique_ptr<ViewWatch> watch_;
};

} // namespace kelvora
