// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/LanguageHolder.h"
#include "store/DataFolderLock.h"
#include "store/SettingsFile.h"

#include <QObject>

#include <memory>

namespace kelvora {

class Notebook;
class Prompter;
class TAboutBox;
class TFotoViewerForm;
class TGlazForm;
class TStokenForm;
class TGlobalForm;
class TGlzDM;
class THelpForm;
class TMainForm;
class TMatForm;
class TMatImportForm;
class TMatLkupForm;
class TMengreeksForm;
class TStullChartForm;
class TUpgradeDBForm;
class TVerwijderMatForm;

namespace ui {

// The program's objects and how they meet. It reads the settings file once,
// creates the data module and the windows in the start-up order, hands each
// window what it uses, connects the windows' requests and signals, and at the
// end destroys them in the reverse order and writes the settings file once.
// No window reaches another except through what is wired here (and the
// glaze editor its own remove-material dialog).
class AppComposition : public QObject {
    Q_OBJECT
public:
    // Every window and the data module speak through `prompter`, which must
    // outlive the composition. A settings file that cannot be used is said
    // once, through the prompter.
    // Right after the main window has entered the working folder it takes
    // the data folder's lock for the whole run. When another Kelvora program
    // holds it, it asks whether to open read-only: Yes refuses every later
    // write of a data file (and the settings file is not written either, so
    // the writer's settings are not overwritten with older ones); No leaves
    // only the main window made and started() false, and the program ends.
    explicit AppComposition(Prompter& prompter);
    // Destroys the windows in the reverse order; a settings file that cannot
    // be written is reported once in the error box.
    ~AppComposition() override;
    AppComposition(const AppComposition&) = delete;
    AppComposition& operator=(const AppComposition&) = delete;

    TMainForm& mainForm() const { return *mainForm_; }
    TGlobalForm& globalForm() const { return *globalForm_; }
    TMatForm& matForm() const { return *matForm_; }
    TAboutBox& aboutBox() const { return *aboutBox_; }
    TGlzDM& dataModule() const { return *dataModule_; }
    TGlazForm& glazForm() const { return *glazForm_; }
    TMatLkupForm& matLkupForm() const { return *matLkupForm_; }
    TMatImportForm& matImportForm() const { return *matImportForm_; }
    THelpForm& helpForm() const { return *helpForm_; }
    TVerwijderMatForm& verwijderMatForm() const { return *verwijderMatForm_; }
    TUpgradeDBForm& upgradeDBForm() const { return *upgradeDBForm_; }
    // The Stull chart, made the first time it is asked for; nullptr before.
    TStullChartForm* stullChartForm() const { return stullChartForm_.get(); }
    TMengreeksForm* mengreeksForm() const { return mengreeksForm_.get(); }
    SettingsFile& settings() { return settings_; }
    LanguageHolder& language() { return language_; }
    // The test notebook of the data folder (tests, firings, photos).
    Notebook& notebook() const { return *notebook_; }
    // False when the user chose to end because the data are in use.
    bool started() const { return started_; }
    // True when this run only reads the data folder.
    bool readOnly() const { return readOnly_; }

private:
    void wire();
    void showLookup();
    // Opens the help viewer on one page of the manual ("glazuren.htm").
    void showHelpPage(const char* page);
    // The chart over the glaze editor; from the main window the editor is
    // opened first, as a click on a point makes that glaze current there.
    void showStullChart();
    // The blend window over the editor, its first corner `startFrom` when given.
    void showBlends(const QString& startFrom);
    // "Recepten importeren..." (asking for pasted text first, from the
    // editor's "Plak recept...") and "Exporteren...".
    void showRecipeImport(bool paste);
    void showExport();
    // "Stoken" (one window, kept) and "Proeven zoeken..." (a dialog).
    void showFirings();
    void showTestSearch();
    template <class Window> void onBook(Window&& window);
    bool takeDataFolder();

    Prompter& prompter_;
    SettingsFile settings_;
    LanguageHolder language_;
    DataFolderLock dataLock_; // released after the windows and the settings
    bool started_ = true;
    bool readOnly_ = false;
    // In start-up order; destroyed from the last to the first.
    std::unique_ptr<TMainForm> mainForm_;
    std::unique_ptr<TGlobalForm> globalForm_;
    std::unique_ptr<TMatForm> matForm_;
    std::unique_ptr<TAboutBox> aboutBox_;
    std::unique_ptr<TGlzDM> dataModule_;
    std::unique_ptr<TGlazForm> glazForm_;
    std::unique_ptr<TMatLkupForm> matLkupForm_;
    std::unique_ptr<TMatImportForm> matImportForm_;
    std::unique_ptr<THelpForm> helpForm_;
    std::unique_ptr<TVerwijderMatForm> verwijderMatForm_;
    std::unique_ptr<TUpgradeDBForm> upgradeDBForm_;
    std::unique_ptr<TStullChartForm> stullChartForm_;
    std::unique_ptr<TMengreeksForm> mengreeksForm_;
    std::unique_ptr<Notebook> notebook_;
    std::unique_ptr<TStokenForm> stokenForm_;
    std::unique_ptr<TFotoViewerForm> fotoViewerForm_;
};

} // namespace ui
} // namespace kelvora
