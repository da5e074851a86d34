// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "store/DataFiles.h"
#include "store/View.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace kelvora {

class LanguageHolder;
class Prompter;
class SettingsFile;
class NameListFit;

namespace ui {
class DBComboBox;
class DBEdit;
class DBGrid;
class DBMemo;
class DBNavigator;
class FieldBinding;
class ViewAutoSave;
} // namespace ui

// The materials maintenance window: browse, enter, change and delete raw
// materials with their price, supplier, availability and both analyses, and
// turn a percentage analysis into a molar one. It works on its own editable
// view of the materials file, opened when the window appears and closed when
// it goes; every action that posts or deletes writes the file at once.
class TMatForm : public QDialog {
    Q_OBJECT
public:
    inline static const std::string DataFile = DataFiles::materials();
    static constexpr const char* SaveQuestion =
        QT_TRANSLATE_NOOP("kelvora::TMatForm", "Wijzigingen in de grondstof opslaan?");
    static constexpr const char* Proc2MolHint = QT_TRANSLATE_NOOP(
        "kelvora::TMatForm", "Omrekenen samenstelling van procenten naar mol (Zie tabblad Samenst. proc.)");

    // The window speaks the program's language (LanguageSwitch) and follows
    // it while open; the language holder is no longer read.
    TMatForm(LanguageHolder& language, Prompter& prompter, SettingsFile& settings, QWidget* parent = nullptr);
    ~TMatForm() override;
    // The data folder whose materials (and, for renames, glazes) the window
    // works on; by default the one in the current folder. Before the window shows.
    void setDataFolder(const std::string& folder);

    void FormShow();
    void FormHide();
    void HelpButtonClick();
    void Proc2MolButtonClick();
    // Writes posted changes to the file now (as every posting action does
    // once it is over). False when the write failed.
    bool saveNow();
    // A run that only reads the data (another program writes them): the
    // title says so and nothing that edits can be used; moving and
    // searching stay.
    void setReadOnlyRun();

    // The maintenance view.
    View MatCDS{"MatCDS", DataFile};

public Q_SLOTS:
    // Closing asks about a material whose changes were never posted: Ja
    // posts, Nee drops them, Annuleren stays with everything typed.
    void reject() override;

Q_SIGNALS:
    void helpRequested();

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct OxideEdit {
        std::string_view stem;
        ui::DBEdit* edit;
        QLabel* caption;
    };
    void buildControls();
    std::vector<OxideEdit> buildOxideFields(QWidget* page, bool percentages);
    void buildLayout();
    // Every caption, tooltip and heading in the program's language.
    void retranslate();
    QGridLayout* oxideGrid(const std::vector<OxideEdit>& edits);
    // Gives the window its designed size, or more when its contents need it.
    void refit();
    void setTabOrder();
    void FormCreate();
    void FormDestroy();
    bool hasUnpostedChanges() const;
    bool settleBeforeClosing();
    void showImpliedLoss();
    // Writes the posted materials; after a posted change of `naam` that
    // glazes use, offers to rename the material in them too, written with the
    // materials in one change (MaterialRename).
    void saveMaterials();
    struct Rename {
        std::string from, to;
    };
    std::optional<Rename> pendingRename_; // posted, not yet written
    std::string glazesFile_ = DataFiles::glazes();
    // After a material's price or analysis was posted: offers to recalculate
    // the glazes that use it.
    void offerRecalculation(const std::string& material);

    class ViewHooks;
    std::unique_ptr<ViewHooks> hooks_;

    std::vector<OxideEdit> molarEdits_;
    std::vector<OxideEdit> percentEdits_;
    std::vector<ui::FieldBinding*> bindings_;
    Prompter& prompter_;
    SettingsFile& settings_;
    ui::ViewAutoSave* autoSave_ = nullptr;
    NameListFit* nameList_ = nullptr;
    bool readOnlyRun_ = false;

    // The edit of an oxide's molar value ("k2o") or weight percentage ("k2o"
    // too: the stem, not the field name); nullptr for an unknown stem.
    ui::DBEdit* molarEdit(std::string_view stem) const;
    ui::DBEdit* percentEdit(std::string_view stem) const;
    // The controls; tests find them by their object names.
    ui::DBNavigator* DBNavigator1 = nullptr;
    QPushButton* HelpButton = nullptr;
    QPushButton* CloseButton = nullptr;
    ui::DBGrid* DBGrid1 = nullptr;
    QLineEdit* SearchEdit = nullptr; // narrows the list; Ctrl+F
    QLabel* NaamLbl = nullptr;
    ui::DBEdit* NaamEdit = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* AlgemeenTS = nullptr;
    QWidget* OmschrijvingTS = nullptr;
    QWidget* SamenstProcTS = nullptr;
    QLabel* PrijsLbl = nullptr;
    QLabel* MolgewichtLbl = nullptr;
    QLabel* MolProcLbl = nullptr;
    QLabel* BeschikbaarLbl = nullptr;
    ui::DBEdit* PrijsEdit = nullptr;
    ui::DBEdit* MolgewichtEdit = nullptr;
    ui::DBComboBox* MolProcCB = nullptr;
    ui::DBComboBox* BeschikbaarCB = nullptr;
    QPushButton* Proc2MolButton = nullptr;
    QLabel* LeverancierLbl = nullptr;
    QLabel* ProcHintLbl = nullptr;
    ui::DBEdit* LeverancierEdit = nullptr;
    ui::DBMemo* OmschrijvingMemo = nullptr;
    // "Gloeiverlies: x %" on the percentage page: the loss on ignition the
    // entered percentages imply, read-only.
    QLabel* GloeiverliesLbl = nullptr;
};

} // namespace kelvora
