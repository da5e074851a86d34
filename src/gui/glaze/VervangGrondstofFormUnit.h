// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "glaze/Captions.h"
#include "solver/GlazeSubstitution.h"
#include "store/View.h"

#include <QDialog>

#include "model/Glaze.h"

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QTimer;

namespace kelvora {

class ProposedNameEdit;
class Prompter;
class MaterialChoiceModel;
class SolverResultPanel;
class TGlzDM;

// "Vervang grondstof...": replaces one material of the current glaze by one
// or more others, keeping the formula as close as they allow. The old and new
// recipe and formula stand side by side; "Overnemen" keeps the result as a
// new glaze. The original glaze is never changed.
class TVervangGrondstofForm : public QDialog {
    Q_OBJECT
public:
    TVervangGrondstofForm(TGlzDM& dm, Prompter& prompter, QWidget* parent = nullptr);

    // Takes a copy of the current record of the glazes table: later changes
    // of the table's position do not change which glaze is worked on.
    void loadCurrentGlaze();

    const GlazeSubstitution::Result& result() const { return result_; }

Q_SIGNALS:
    void glazeStored(const QString& name);

protected:
    void showEvent(QShowEvent* event) override;

protected:
    void changeEvent(QEvent* event) override;

private:
    // Every caption in the language now chosen; again on each change of it.
    void retranslate();
    void showGlazeName();
    void proposeName();
    void scheduleSolve();
    void solve();
    void showResult();
    void storeGlaze();
    std::vector<std::string> candidates() const;

    TGlzDM& dm_;
    Prompter& prompter_;
    std::optional<Glaze> glaze_; // the glaze worked on, as it was when the dialog opened
    GlazeSubstitution::Result result_;
    bool solved_ = false;
    std::string message_;
    QTimer* solveTimer_ = nullptr;
    // The controls; tests find them by their object names.
    QLabel* GlazuurLabel = nullptr;
    QComboBox* VervangCB = nullptr; // the material to replace
    QLineEdit* ZoekEdit = nullptr;  // search in the candidates
    MaterialChoiceModel* candidates_ = nullptr;
    QListView* KandidatenLijst = nullptr;      // replacements, ticked
    SolverResultPanel* resultPanel_ = nullptr; // material, old %, new %; oxide, old, new
    ProposedNameEdit* NaamEdit = nullptr;
    QPushButton* OvernemenButton = nullptr;
    QPushButton* SluitenButton = nullptr;
    Captions captions_{staticMetaObject.className()};
};

} // namespace kelvora
