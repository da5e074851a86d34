// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "glaze/Captions.h"
#include "widgets/ViewTableModel.h"

#include <QDialog>
#include <QPrinter>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QScrollArea;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QTabWidget;
class QTextEdit;
class QWidget;

namespace kelvora {

class BatchPage;
class CategoryBox;
class ChemiePage;
class Notebook;
class ProevenPage;
class Prompter;
class SettingsFile;
class TReceptZoekenForm;
class TVervangGrondstofForm;
class TGlzDM;
class TVerwijderMatForm;
class View;
class ViewFollower;

namespace ui {
class DBComboBox;
class DBEdit;
class DBGrid;
class DBMemo;
class DBNavigator;
class ViewAutoSave;
} // namespace ui

// The glaze editor, shown modally from the main window. It shows the current
// record of the data module's glazes table: a browse grid, the recipe with the
// computed Seger formula, the description, the additions and the analysis
// report, which can be printed. The tables are open exactly while it is shown;
// every action that posts or deletes writes the glazes file at once. It opens
// the remove-material dialog as its child; help and the material lookup it
// asks for with signals, and a material chosen in the lookup comes back to
// addChosenMaterial.
class TGlazForm : public QDialog {
    Q_OBJECT
public:
    TGlazForm(TGlzDM& dataModule, Prompter& prompter, SettingsFile& settings, QWidget* parent = nullptr);
    ~TGlazForm() override;

    // The dialog that chooses a material to remove; the editor opens it.
    void setRemoveDialog(TVerwijderMatForm* dialog) { removeDialog_ = dialog; }
    // Writes posted changes of the glazes to the file now (as every posting
    // action does once it is over). False when the write failed.
    bool saveNow();

    // What the lookup window fills from the page the user is on:
    // 1 recipe slots, 2 additions, 0 nothing.
    int addTargetKind() const;

    // The printer that "Printer setup" sets up and "Print" prints on; kept
    // for the whole run so a choice made once holds for later printouts.
    QPrinter& printer() { return printer_; }
    // The report as it stands in the report view, and the last printed copy.
    std::vector<std::string> reportLines() const;
    std::vector<std::string> printBufferLines() const;

    // Handlers, named after the control and the event.
    void BerekenButtonClick();
    void ZoekGrondstoffenButtonClick();
    void VerwijderMatButtonClick();
    void VerwToegevMatButtonClick();
    void HelpButtonClick();
    void AnalyseButtonClick();
    void PrintButtonClick();
    void PrinterSetupButtonClick();
    void ReceptZoekenButtonClick();
    void PlakReceptButtonClick();
    void VervangGrondstofButtonClick();
    // Where the "Chemie" page reads its data files; the page is made anew.
    void setChemistryDataFolder(const std::string& folder);
    // Makes the named glaze the current record; false when there is none.
    bool showGlaze(const QString& name);
    // Adds the "Proeven" page: the tests of the current glaze in `notebook`.
    void setNotebook(Notebook& notebook);
    // The glaze with the "Proeven" page open on one of its tests.
    bool showTest(const QString& glaze, const QString& code);
    ProevenPage* proevenPage() const { return ProevenTS; }
    // A run that only reads the data (another program writes them): the
    // title says so and nothing that edits can be used; moving, searching,
    // the batch and printing stay.
    void setReadOnlyRun();
    // Whether the stored results (formula, price, range, report) are what the
    // recipe now on screen calculates to.
    bool storedResultsCurrent() const { return storedCurrent_; }

public Q_SLOTS:
    // Closing asks first when the current glaze holds unposted changes:
    // Ja posts, Nee drops them, Annuleren stays with everything typed.
    void done(int result) override;
    // A material chosen in the lookup window: into the recipe or the
    // additions, after the page the user is on.
    void addChosenMaterial(const QString& name);

Q_SIGNALS:
    void helpRequested();
    void lookupRequested();
    // "Stull-diagram..." on the "Chemie" page.
    void stullChartRequested();
    // "Mengreeks..." on the "Chemie" page: a blend starting from `glaze`.
    void blendRequested(const QString& glaze);
    // "Plak recept...": a recipe pasted as text, through the import's preview.
    void recipePasteRequested();
    // The editor went out of sight (its tables are closed).
    void hidden();
    // A photo of a test opened on the "Proeven" page.
    void photoOpenRequested(const QString& testCode, int index);
    // The notebook was changed on the "Proeven" page.
    void notebookChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The drop of a material onto one of the seventeen name fields.
    void MatNaamDragDrop(ui::DBEdit* target, const QString& material);
    // Every caption in the language now chosen; again on each change of it.
    void retranslate();
    std::vector<ui::GridColumn> gridColumns() const;
    void showBasicTotal();
    void buildControls();
    void buildLayout();
    QWidget* buildHeader();
    void buildBrowsePage();
    // The "Proeven" page, the status and the lineage follow the current glaze.
    void followTests();
    void followLineage();
    void setStatus(const QString& code);
    // "Bewaar als kopie": the glaze as a new one, based on it.
    void KopieButtonClick();
    // Before a glaze is deleted: its tests and photos go with it only when
    // the potter says so.
    bool askAboutTests();
    void buildRecipePage();
    void buildDescriptionPage();
    void buildAdditionsPage();
    void buildAnalysePage();
    void buildBatchPage();
    void buildChemiePage(const std::string& dataFolder);
    void addRecipeTools(QGridLayout* recipe, int row);
    void FormCreate();
    void FormShow();
    void FormHide();
    void FormDestroy();
    void GlzDBNClick();
    void PageChanged(int index);
    void removeFromSlots(int kind);
    // Asks whether unposted changes of the current glaze are to be saved and
    // does what the user answers. False when saving failed: stay open then.
    bool settleBeforeClosing();
    bool hasUnpostedChanges();
    void printReport(QPrinter& printer);
    // Shows or hides the lines saying the stored results no longer belong
    // to the recipe on screen.
    void showWhetherStored();
    void applyReadOnlyRun();
    // Tab walks the columns the user types in the recipe's mode: the mols
    // in "M", the percentages in "P"; the other column is reached by a click.
    void followMode();

    View* glazes() const;
    TGlzDM& dataModule_;
    Prompter& prompter_;
    SettingsFile& settings_;
    TVerwijderMatForm* removeDialog_ = nullptr;
    ui::ViewAutoSave* autoSave_ = nullptr;
    QPrinter printer_;
    // The tools' dialogs, made the first time they are opened.
    TReceptZoekenForm* receptZoeken_ = nullptr;
    TVervangGrondstofForm* vervangGrondstof_ = nullptr;
    // The controls; tests find them by their object names.
    ui::DBNavigator* GlzDBN = nullptr;
    QPushButton* HelpButton = nullptr;
    QPushButton* CloseButton = nullptr;
    ui::DBEdit* NaamEdit = nullptr;
    ui::DBEdit* PrysEdit = nullptr;
    ui::DBEdit* TmpvEdit = nullptr;
    ui::DBEdit* TmptEdit = nullptr;
    ui::DBComboBox* skvaEdit = nullptr;
    ui::DBComboBox* skttEdit = nullptr;
    ui::DBEdit* OxrdEdit = nullptr;
    CategoryBox* CatgEdit = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* BladerTS = nullptr;
    QWidget* GrondstoffenTS = nullptr;
    QWidget* OmschrijvingTS = nullptr;
    QWidget* ToegevStoffenTS = nullptr;
    QWidget* AnalyseTS = nullptr;
    ui::DBGrid* DBGrid1 = nullptr;
    QPushButton* ZoekGrondstoffenButton = nullptr;
    QPushButton* BerekenButton = nullptr;
    QCheckBox* Basisch1CB = nullptr;
    QCheckBox* Perc1CB = nullptr;
    QPushButton* VerwijderMatButton = nullptr;
    ui::DBComboBox* MolpCB = nullptr;
    std::array<ui::DBEdit*, 12> MatEdit{};
    std::array<ui::DBEdit*, 12> MtmEdit{};
    std::array<ui::DBEdit*, 12> MtpEdit{};
    QLabel* TotaalBasischLabel = nullptr;
    ui::DBMemo* OmscMemo = nullptr;
    QPushButton* ZoekGrondstoffen2Button = nullptr;
    QPushButton* VerwToegevMatButton = nullptr;
    std::array<ui::DBEdit*, 5> TvsEdit{};
    std::array<ui::DBEdit*, 5> TvpEdit{};
    QPushButton* PrintButton = nullptr;
    QPushButton* PrinterSetupButton = nullptr;
    QPushButton* AnalyseButton = nullptr;
    QTextEdit* RichEdit1 = nullptr;
    QTextEdit* RichEdit2 = nullptr;
    // The workbench: the pages "Batch" and "Chemie" after "Analyse", and the
    // two tools on "Grondstoffen" that make a new glaze from this one.
    BatchPage* BatchTS = nullptr;
    ChemiePage* ChemieTS = nullptr;
    ProevenPage* ProevenTS = nullptr;
    QScrollArea* ProevenScroll = nullptr;
    QCheckBox* ToonGestoptCB = nullptr;
    QPushButton* KopieButton = nullptr;
    QComboBox* StatusCB = nullptr;
    QLabel* LineageLabel = nullptr;
    QString shownTestsOf_; // the glaze whose tests the "Proeven" page shows
    Notebook* notebook_ = nullptr;
    std::string testsToRemove_; // of the glaze being deleted, when the potter said so
    QPushButton* ReceptZoekenButton = nullptr;
    QPushButton* PlakReceptButton = nullptr;
    QPushButton* VervangGrondstofButton = nullptr;
    // "Niet bijgewerkt: druk op Bereken" under the header and on "Analyse".
    QLabel* StaleLbl = nullptr;
    QLabel* AnalyseStaleLbl = nullptr;
    // The basic oxides' sum shown after Bereken when they are not brought to 1.
    std::optional<double> basicTotal_;
    Captions captions_{staticMetaObject.className()};
    bool storedCurrent_ = true;
    bool readOnlyRun_ = false;
    std::unique_ptr<ViewFollower> follower_;
};

} // namespace kelvora
