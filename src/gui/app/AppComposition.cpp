// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppComposition.h"

#include "app/AboutBoxUnit.h"
#include "app/GlobalFormUnit.h"
#include "app/HelpFormUnit.h"
#include "app/Installation.h"
#include "app/LanguageSwitch.h"
#include "app/MainFormUnit.h"
#include "common/Prompter.h"
#include "engine/GlzDMUnit.h"
#include "glaze/ExportFormUnit.h"
#include "glaze/GlazFormUnit.h"
#include "glaze/MengreeksFormUnit.h"
#include "glaze/ReceptImportFormUnit.h"
#include "glaze/StullChartFormUnit.h"
#include "glaze/VerwijderMatFormUnit.h"
#include "materials/MatFormUnit.h"
#include "materials/MatImportFormUnit.h"
#include "materials/MatLkupFormUnit.h"
#include "notebook/FotoViewerFormUnit.h"
#include "notebook/ProefZoekenFormUnit.h"
#include "notebook/ProevenPage.h"
#include "notebook/StokenFormUnit.h"
#include "store/Notebook.h"
#include "store/UpgradeDBFormUnit.h"
#include "widgets/Accessibility.h"
#include "widgets/ErrorBox.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

namespace kelvora::ui {

AppComposition::AppComposition(Prompter& prompter)
    : prompter_(prompter), settings_(dataLocation().settingsFile.string()) {
    if (!settings_.usable()) prompter_.message(settings_.problem());
    // The main window first: it makes the executable's folder the current
    // directory, so the data module finds the data folder beside the program.
    mainForm_ = std::make_unique<TMainForm>(language_, settings_, prompter_);
    if (!takeDataFolder()) {
        started_ = false;
        return;
    }
    globalForm_ = std::make_unique<TGlobalForm>(language_, settings_);
    // The language of the last run, before the other windows are made.
    LanguageSwitch::apply(language_.taal());
    matForm_ = std::make_unique<TMatForm>(language_, prompter_, settings_, mainForm_.get());
    aboutBox_ = std::make_unique<TAboutBox>(mainForm_.get());
    dataModule_ = std::make_unique<TGlzDM>(prompter_);
    glazForm_ = std::make_unique<TGlazForm>(*dataModule_, prompter_, settings_, mainForm_.get());
    matLkupForm_ = std::make_unique<TMatLkupForm>(*dataModule_, settings_);
    matImportForm_ = std::make_unique<TMatImportForm>(prompter_, mainForm_.get());
    helpForm_ = std::make_unique<THelpForm>(settings_);
    verwijderMatForm_ =
        std::make_unique<TVerwijderMatForm>(*dataModule_, prompter_, settings_, glazForm_.get());
    upgradeDBForm_ = std::make_unique<TUpgradeDBForm>(prompter_, mainForm_.get());
    // A second program only reads: its editing windows offer nothing to change.
    if (readOnly_) {
        glazForm_->setReadOnlyRun();
        matForm_->setReadOnlyRun();
    }
    // Every window is given the data folder; none finds it through the
    // current folder.
    try {
        const std::string folder = dataLocation().dataFolder.string();
        notebook_ = std::make_unique<Notebook>(folder);
        dataModule_->setDataDir(folder);
        matForm_->setDataFolder(folder);
        matImportForm_->setDataFolder(folder);
    } catch (const std::exception&) {
        // No data folder: the main window says why; the defaults stay.
    }
    if (!notebook_) notebook_ = std::make_unique<Notebook>(std::string("db0991"));
    // A damaged notebook table is said once; the rest of the program works.
    guard(mainForm_.get(), [this] { notebook_->load(); });
    glazForm_->setNotebook(*notebook_);
    wire();
    // Every control a screen reader can name, in every window.
    for (QWidget* window :
         std::initializer_list<QWidget*>{mainForm_.get(), globalForm_.get(), matForm_.get(), aboutBox_.get(),
                                         glazForm_.get(), matLkupForm_.get(), matImportForm_.get(),
                                         helpForm_.get(), verwijderMatForm_.get(), upgradeDBForm_.get()})
        nameControlsForScreenReaders(window);
}

void AppComposition::wire() {
    TMainForm* main = mainForm_.get();
    connect(main, &TMainForm::materialsRequested, this, [this] { matForm_->exec(); });
    // Every open window follows at once (each gets a LanguageChange).
    connect(main, &TMainForm::languageChosen, this, [](int taal) { LanguageSwitch::apply(taal); });
    connect(main, &TMainForm::glazesRequested, this, [this] { glazForm_->exec(); });
    connect(main, &TMainForm::stullChartRequested, this, [this] {
        if (!glazForm_->isVisible()) glazForm_->open();
        showStullChart();
    });
    connect(main, &TMainForm::blendRequested, this, [this] {
        if (!glazForm_->isVisible()) glazForm_->open();
        showBlends({});
    });
    connect(main, &TMainForm::recipeImportRequested, this, [this] { showRecipeImport(false); });
    connect(main, &TMainForm::exportRequested, this, [this] { showExport(); });
    connect(main, &TMainForm::firingsRequested, this, [this] { showFirings(); });
    connect(main, &TMainForm::testSearchRequested, this, [this] { showTestSearch(); });
    connect(main, &TMainForm::materialImportRequested, this, [this] { matImportForm_->exec(); });
    connect(main, &TMainForm::upgradeRequested, this, [this] { upgradeDBForm_->exec(); });
    connect(main, &TMainForm::helpRequested, this, [this] { showHelpPage("manual.htm"); });
    connect(matImportForm_.get(), &TMatImportForm::helpRequested, this,
            [this] { showHelpPage("import.htm"); });
    connect(upgradeDBForm_.get(), &TUpgradeDBForm::helpRequested, this,
            [this] { showHelpPage("upgrade.htm"); });
    connect(main, &TMainForm::aboutRequested, this, [this] { aboutBox_->exec(); });

    connect(matForm_.get(), &TMatForm::helpRequested, this, [this] { showHelpPage("grondstoffen.htm"); });

    TGlazForm* editor = glazForm_.get();
    editor->setRemoveDialog(verwijderMatForm_.get());
    editor->setChemistryDataFolder(chemistryDataFolder());
    connect(editor, &TGlazForm::stullChartRequested, this, [this] { showStullChart(); });
    connect(editor, &TGlazForm::recipePasteRequested, this, [this] { showRecipeImport(true); });
    connect(editor, &TGlazForm::blendRequested, this, [this](const QString& glaze) { showBlends(glaze); });
    connect(editor, &TGlazForm::helpRequested, this, [this] { showHelpPage("glazuren.htm"); });
    connect(editor, &TGlazForm::lookupRequested, this, [this] { showLookup(); });
    connect(editor, &TGlazForm::photoOpenRequested, this, [this](const QString& code, int index) {
        if (!fotoViewerForm_)
            fotoViewerForm_ = std::make_unique<TFotoViewerForm>(*notebook_, glazForm_.get());
        fotoViewerForm_->showPhotos(code, index);
    });
    connect(editor, &TGlazForm::notebookChanged, this, [this] {
        if (stokenForm_) stokenForm_->refresh();
    });
    // The lookup serves the editor only: it goes when the editor goes.
    connect(editor, &TGlazForm::hidden, matLkupForm_.get(), &QWidget::hide);
    connect(matLkupForm_.get(), &TMatLkupForm::materialChosen, editor, &TGlazForm::addChosenMaterial);
}

void AppComposition::showHelpPage(const char* page) {
    helpForm_->showHelp();
    // Each window asks for its own page of the manual; the start page stays
    // when the manual lacks it.
    const QString file = manualPage(QString::fromLatin1(page));
    if (QFileInfo::exists(file)) helpForm_->showPage(file);
}

void AppComposition::showStullChart() {
    if (!stullChartForm_) {
        // A window of its own that belongs to the editor, so that the
        // editor's modality leaves it usable; it goes when the editor goes.
        stullChartForm_ = std::make_unique<TStullChartForm>(dataModule_->GlzCDS, glazForm_.get());
        stullChartForm_->setWindowFlags(Qt::Window);
        stullChartForm_->resize(900, 680);
        connect(stullChartForm_.get(), &TStullChartForm::glazeChosen, glazForm_.get(), &TGlazForm::showGlaze);
        connect(glazForm_.get(), &TGlazForm::hidden, stullChartForm_.get(), &QWidget::hide);
    }
    stullChartForm_->refresh();
    stullChartForm_->show();
    stullChartForm_->raise();
    stullChartForm_->activateWindow();
}

void AppComposition::showBlends(const QString& startFrom) {
    if (!mengreeksForm_) {
        // Like the Stull chart: its own window belonging to the editor, whose
        // tables it works on; it goes when the editor goes.
        mengreeksForm_ = std::make_unique<TMengreeksForm>(dataModule_->book(), prompter_,
                                                          chemistryDataFolder(), glazForm_.get());
        mengreeksForm_->setWindowFlags(Qt::Window);
        connect(glazForm_.get(), &TGlazForm::hidden, mengreeksForm_.get(), &QWidget::hide);
        connect(mengreeksForm_.get(), &TMengreeksForm::stullChartRequested, this,
                [this](const QString& blend, const QStringList& cells, const QList<QPointF>& points) {
                    showStullChart();
                    std::vector<TStullChartForm::Point> shown;
                    for (qsizetype i = 0; i < cells.size() && i < points.size(); ++i)
                        shown.push_back({cells[i], {}, points[i].x(), points[i].y()});
                    stullChartForm_->showBlend(blend, shown);
                });
        nameControlsForScreenReaders(mengreeksForm_.get());
    }
    mengreeksForm_->reloadGlazes();
    if (!startFrom.isEmpty()) mengreeksForm_->startFrom(startFrom);
    mengreeksForm_->show();
    mengreeksForm_->raise();
    mengreeksForm_->activateWindow();
}

// Runs a window on the glaze book, reading the book for it when the glaze
// editor has not, and closing it again afterwards.
template <class Window> void AppComposition::onBook(Window&& window) {
    GlazeBook& book = dataModule_->book();
    const bool wasLoaded = book.loaded();
    if (!wasLoaded && !guard(mainForm_.get(), [&] { book.load(); })) return;
    window(book);
    if (!wasLoaded) guard(mainForm_.get(), [&] { book.close(); });
}

void AppComposition::showRecipeImport(bool paste) {
    onBook([&](GlazeBook& book) {
        QWidget* over = glazForm_->isVisible() ? static_cast<QWidget*>(glazForm_.get()) : mainForm_.get();
        TReceptImportForm form(book, prompter_, chemistryDataFolder(), over);
        nameControlsForScreenReaders(&form);
        form.setReadOnly(readOnly_);
        if (paste) form.pasteText();
        form.exec();
    });
}

void AppComposition::showFirings() {
    if (!stokenForm_) {
        stokenForm_ = std::make_unique<TStokenForm>(prompter_, *notebook_, mainForm_.get());
        if (readOnly_) stokenForm_->setReadOnly(true);
        nameControlsForScreenReaders(stokenForm_.get());
        connect(stokenForm_.get(), &TStokenForm::firingSaved, this, [this] {
            if (ProevenPage* page = glazForm_->proevenPage()) page->refresh();
        });
    }
    stokenForm_->refresh();
    stokenForm_->show();
    stokenForm_->raise();
    stokenForm_->activateWindow();
}

void AppComposition::showTestSearch() {
    QString glaze, code;
    onBook([&](GlazeBook& book) {
        TProefZoekenForm form(*notebook_, book, prompter_, mainForm_.get());
        nameControlsForScreenReaders(&form);
        connect(&form, &TProefZoekenForm::testChosen, &form, [&](const QString& g, const QString& c) {
            glaze = g;
            code = c;
            form.accept();
        });
        form.exec();
    });
    // A test chosen opens its glaze's "Proeven" page on it, once the search
    // has let go of the glaze book.
    if (glaze.isEmpty()) return;
    if (!glazForm_->isVisible()) glazForm_->open();
    glazForm_->showTest(glaze, code);
}

void AppComposition::showExport() {
    onBook([&](GlazeBook& book) {
        TExportForm form(book, prompter_, QString(), mainForm_.get());
        nameControlsForScreenReaders(&form);
        form.exec();
    });
}

bool AppComposition::takeDataFolder() {
    std::string folder;
    try {
        folder = dataLocation().dataFolder.string();
    } catch (const std::exception&) {
        return true; // the main window has said why there is no data folder
    }
    const DataFolderLock::Attempt attempt = DataFolderLock::tryAcquire(folder, dataLock_);
    if (attempt.acquired) return true;
    if (!prompter_.confirm(DataFolderLock::inUseMessage(attempt.holderPid) + " Alleen lezen openen?"))
        return false;
    DataFolderLock::markReadOnly(folder, attempt.holderPid);
    readOnly_ = true;
    mainForm_->setReadOnlyNotice(true);
    return true;
}

void AppComposition::showLookup() {
    matLkupForm_->show();
    matLkupForm_->raise();
    matLkupForm_->activateWindow();
}

AppComposition::~AppComposition() {
    // Each window keeps its placement in the settings as it goes.
    fotoViewerForm_.reset();
    stokenForm_.reset();
    mengreeksForm_.reset();
    stullChartForm_.reset();
    upgradeDBForm_.reset();
    verwijderMatForm_.reset();
    helpForm_.reset();
    matImportForm_.reset();
    matLkupForm_.reset();
    glazForm_.reset();
    dataModule_.reset();
    aboutBox_.reset();
    matForm_.reset();
    globalForm_.reset();
    mainForm_.reset();
    // A run that only read the data leaves the settings to the program that writes.
    if (started_ && !readOnly_) guard(nullptr, [this] { settings_.save(); });
}

} // namespace kelvora::ui
