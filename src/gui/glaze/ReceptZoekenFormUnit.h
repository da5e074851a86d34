// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "glaze/Captions.h"
#include "glaze/TargetFormulaModel.h"
#include "model/Glaze.h"
#include "solver/RecipeSolver.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QLineEdit;
class QListView;
class QPushButton;
class QTableView;
class QTimer;

namespace kelvora {

class ProposedNameEdit;
class MaterialChoiceModel;
class SolverResultPanel;

class Prompter;
class TGlzDM;
class View;

// "Recept zoeken...": finds the recipe that gives a target formula, or the
// cheapest (or most/least of one oxide) inside ranges, from materials picked
// in the materials table. The result follows every change of the inputs;
// "Nieuw glazuur" keeps it as a new glaze in mode "P", calculated.
class TReceptZoekenForm : public QDialog {
    Q_OBJECT
public:
    TReceptZoekenForm(TGlzDM& dm, Prompter& prompter, QWidget* parent = nullptr);

    // Target formula from a glaze's stored formula; its materials are picked.
    void setTargetFromGlaze(const Glaze& glaze);
    // Ranges as plain data (a limit set, say); switches to the cheapest recipe.
    void setRanges(const std::vector<OxideRange>& ranges);
    // Picks the named materials (and only those).
    void setMaterials(const std::vector<std::string>& names);
    // Re-reads the materials view (after the materials table changed).
    void reloadMaterials();

    const RecipeResult& result() const { return result_; }

    // The columns of FormuleTabel.
    enum Column {
        OxideColumn = TargetFormulaModel::OxideColumn,
        DoelColumn = TargetFormulaModel::TargetColumn,
        GewichtColumn = TargetFormulaModel::WeightColumn,
        MinColumn = TargetFormulaModel::MinColumn,
        MaxColumn = TargetFormulaModel::MaxColumn
    };
    enum Goal { FormulaGoal, CheapestGoal, MostGoal, LeastGoal };
    // Row of the SiO2:Al2O3 ratio in FormuleTabel, after the oxides.
    static constexpr int ratioRow = TargetFormulaModel::ratioRow;

Q_SIGNALS:
    // A new glaze of this name was stored and calculated; it is the current
    // record of the glazes table.
    void glazeStored(const QString& name);

protected:
    void showEvent(QShowEvent* event) override;

protected:
    void changeEvent(QEvent* event) override;

private:
    // Every caption in the language now chosen; again on each change of it.
    void retranslate();
    void scheduleSolve();
    void solve();
    void storeGlaze();
    void filterMaterials(const QString& text);
    std::vector<std::string> pickedMaterials() const;
    void showResult();

    TGlzDM& dm_;
    Prompter& prompter_;
    RecipeResult result_;
    QTimer* solveTimer_ = nullptr;
    bool filling_ = false;
    // The controls; tests find them by their object names.
    QLineEdit* ZoekEdit = nullptr; // search in the materials list
    MaterialChoiceModel* materials_ = nullptr;
    QListView* MateriaalLijst = nullptr; // materials to use, ticked
    QComboBox* DoelCB = nullptr;         // what to look for
    QComboBox* OxideCB = nullptr;        // the oxide of "meeste"/"minste"
    TargetFormulaModel* target_ = nullptr;
    QTableView* FormuleTabel = nullptr;        // per oxide: target, weight, min, max
    SolverResultPanel* resultPanel_ = nullptr; // the recipe found, the formula it gives
    ProposedNameEdit* NaamEdit = nullptr;
    QPushButton* NieuwButton = nullptr;
    QPushButton* SluitenButton = nullptr;
    Captions captions_{staticMetaObject.className()};
};

} // namespace kelvora
