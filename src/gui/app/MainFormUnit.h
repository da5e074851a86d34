// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QMainWindow>

namespace kelvora {
class LanguageHolder;
class Prompter;
class SettingsFile;
} // namespace kelvora

class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace kelvora {

// The main window: a small fixed window whose menus open every other window.
// Creating it makes the executable's folder the current directory, so the
// data folder beside the program is found whatever folder it was started
// from. Closing it ends the program. Its menu items open no window
// themselves: each emits a request that the program routes.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // The build whose menu offers the import of materials.
    static constexpr const char* DeveloperBuildPath = "D:\\DEV\\KELVORA_WORK\\B_2_4_0_7\\KELVORA_MAIN.EXE";
    // Whether the Import menu is offered for an executable at `exePath`.
    static bool importAllowed(const QString& exePath);

    TMainForm(LanguageHolder& language, SettingsFile& settings, Prompter& prompter,
              QWidget* parent = nullptr);
    ~TMainForm() override;

    // Shows the language buttons while no language is chosen, and ticks the
    // language in the menu.
    void FormShow();
    void NLbuttonClick();
    void DUbuttonClick();
    // Makes `taal` the interface language (TaalDutch, TaalGerman,
    // TaalEnglish): kept for the settings file and announced, so that the
    // program switches every window to it.
    void chooseLanguage(int taal);
    // Asks before ending the program; only Yes closes the main window.
    void Exit1Click();
    int appliedLanguage() const { return appliedTaal_; }
    // Adds " (alleen lezen)" to the title while the data are only read.
    void setReadOnlyNotice(bool readOnly);

Q_SIGNALS:
    void materialsRequested();
    void glazesRequested();
    // "Stull-diagram": the chart of every glaze, opened over the glaze editor.
    void stullChartRequested();
    // "Mengreeks...": line, triaxial and grid blends, opened over the glaze editor.
    void blendRequested();
    // "Recepten importeren...": recipes of other tools or pasted text, after a preview.
    void recipeImportRequested();
    // "Exporteren...": glazes written for other tools.
    void exportRequested();
    // "Stoken": the firings with their schedules; "Proeven zoeken...": the tests.
    void firingsRequested();
    void testSearchRequested();
    void materialImportRequested();
    void upgradeRequested();
    void helpRequested();
    void aboutRequested();
    void languageChosen(int taal);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    void buildControls();
    void FormCreate();
    void FormDestroy();
    void GrondstoffenMenuItemClick();
    void GlazurenMenuItemClick();
    void MatImportMenuitemClick();
    void Glazuren2Click();
    void UpgradeDB1Click();
    void Help2Click();
    void About1Click();
    void setTitle(const QString& title);
    void retranslate();

    LanguageHolder& language_;
    SettingsFile& settings_;
    Prompter& prompter_;
    int appliedTaal_ = 0;
    bool readOnlyNotice_ = false;
    QString title_;
    // The menus, items and controls; tests find them by their object names.
    QMenu* BestandMenuItem = nullptr;
    QAction* GrondstoffenMenuItem = nullptr;
    QAction* GlazurenMenuItem = nullptr;
    QAction* StullMenuItem = nullptr;
    QAction* MengreeksMenuItem = nullptr;
    QAction* ReceptImportMenuItem = nullptr;
    QAction* ExportMenuItem = nullptr;
    QAction* StokenMenuItem = nullptr;
    QAction* ProefZoekenMenuItem = nullptr;
    QMenu* Import1 = nullptr;
    QAction* MatImportMenuitem = nullptr;
    QAction* Glazuren2 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* Settings1 = nullptr;
    QAction* NLMenuItem = nullptr;
    QAction* DUMenuItem = nullptr;
    QAction* ENMenuItem = nullptr;
    QMenu* Systeem1 = nullptr;
    QAction* UpgradeDB1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* Help2 = nullptr;
    QAction* About1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* NLbutton = nullptr;
    QPushButton* DUbutton = nullptr;
};

} // namespace kelvora
