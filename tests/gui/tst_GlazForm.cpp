// SPDX-License-Identifier: GPL-3.0-or-later
// The glaze editor as a potter uses it, on the starter data in a throw-away
// installation: typing a glaze and calculating it, the lookup window's add
// action and drag and drop, removing a material through the dialog, the
// analysis page and its printout, and closing with unsaved changes.
#include "GuiTestSupport.h"

#include "app/HelpFormUnit.h"
#include "common/NumberFormat.h"
#include "engine/GlzDMUnit.h"
#include "glaze/AnalysisReport.h"
#include "glaze/BatchPage.h"
#include "glaze/ChemiePage.h"
#include "glaze/GlazFormUnit.h"
#include "glaze/VerwijderMatFormUnit.h"
#include "materials/MatLkupFormUnit.h"
#include "model/OxideCatalogue.h"
#include "model/TableLayouts.h"
#include "store/RecordMapper.h"
#include "store/View.h"
#include "widgets/DBComboBox.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DBLabel.h"
#include "widgets/DBMemo.h"
#include "widgets/DBNavigator.h"
#include "widgets/ErrorBox.h"
#include "widgets/QtPrompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

using namespace kelvora;
using namespace kelvora::test;
using kelvora::ui::DBNavigator;

namespace {

// The program's objects for one test; the editor is shown as the main
// window's menu item shows it, but without blocking the test.
struct RunningEditor {
    explicit RunningEditor(Prompter& prompter) {
        startProgram(prompter);
        glazForm()->show();
        glazForm()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(glazForm()));
    }
    ~RunningEditor() {
        if (matLkupForm()) matLkupForm()->hide();
        if (glazForm() && glazForm()->isVisible()) glazForm()->QDialog::done(QDialog::Rejected);
        endProgram();
    }
};

QString text(const QWidget* w) {
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    return {};
}

QString oxide(const char* stem) {
    auto* label =
        child<QWidget>(glazForm(), "GrondstoffenTS")->findChild<ui::DBLabel*>(QString::fromLatin1(stem));
    return label ? label->text() : QStringLiteral("<none>");
}

void click(QAbstractButton* b) {
    QVERIFY(b->isVisible() && b->isEnabled());
    QTest::mouseClick(b, Qt::LeftButton);
}

void navigate(DBNavigator::Button which) {
    click(child<ui::DBNavigator>(glazForm(), "GlzDBN")->button(which));
}

// Types into a bound field and leaves it with Tab, as a user does.
void type(QWidget* field, const QString& value) {
    field->setFocus();
    if (auto* e = qobject_cast<QLineEdit*>(field)) e->selectAll();
    QTest::keyClicks(field, value);
    QTest::keyClick(field, Qt::Key_Tab);
}

// A glaze typed into the real fields: name, mode and recipe rows (name, mols).
void typeGlaze(const QString& name, const QString& mode, const QList<QPair<QString, QString>>& rows) {
    navigate(DBNavigator::Insert);
    type(child<ui::DBEdit>(glazForm(), "naam"), name);
    child<QTabWidget>(glazForm(), "PageControl1")
        ->setCurrentWidget(child<QWidget>(glazForm(), "GrondstoffenTS"));
    child<ui::DBComboBox>(glazForm(), "MolpCB")->setFocus();
    QTest::keyClick(child<ui::DBComboBox>(glazForm(), "MolpCB"), mode.at(0).toLatin1());
    for (int i = 0; i < rows.size(); ++i) {
        type(matEdit(std::size_t(i)), rows[i].first);
        if (!rows[i].second.isEmpty()) type(mtmEdit(std::size_t(i)), rows[i].second);
    }
}

QString dec(const char* number) {
    return QString::fromLatin1(number).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

// The glazes file as the next run of the program will read it.
struct StoredGlazes {
    explicit StoredGlazes(const TestInstallation& install) {
        view.declareFields(TableLayouts::glazes());
        view.setFileName(QDir(install.folder()).filePath("db0991/glz.cds").toStdString());
        view.setIndexFieldNames("naam");
        view.open();
    }
    View view{"stored"};
};

void moveLookupTo(const char* material) {
    QVERIFY(glzDM()->MatCDS.findKey(material));
}

// Drops a material name as the lookup window drags it.
void dropOn(QWidget* target, const char* material) {
    QMimeData data;
    data.setText(QString::fromUtf8(material));
    data.setData(QString::fromLatin1(TMatLkupForm::dragMimeType()), QByteArray(material));
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QVERIFY(drop.isAccepted());
}

std::vector<std::string> recipeNames() {
    std::vector<std::string> names;
    for (int n = 1; n <= 12; ++n)
        names.push_back(glzDM()->GlzCDS.asText(SlotFields::name(SlotKind::Recipe, n)));
    return names;
}

} // namespace

class GlazFormTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() { QVERIFY(noUnexpectedErrorBoxes()); }

    void typedGlazeIsCalculatedAndFoundAfterClosing();
    void basicTotalFollowsTheCheckBox();
    void windowShowsItsControls();
    void missingDataIsReportedAndTheWindowOpensAllTheSame();
    void dropPutsTheDraggedMaterialIntoTheField();
    void addTakesTheSlotKindFromTheActivePage_data();
    void addTakesTheSlotKindFromTheActivePage();
    void addWithTheEditorClosedExplainsInsteadOfFailing();
    void removeThroughTheDialog();
    void removeDialogWithoutModeClosesAtOnce();
    void navigatingOnAnalyseRebuildsTheReport();
    void printGoesToPdfWithTheRecipeDoubleSpaced();
    void closingWithUnpostedChangesAsks_data();
    void closingWithUnpostedChangesAsks();
    void postedWorkIsOnDiskWhileTheWindowStaysOpen();
    void cancellingTheCloseQuestionKeepsTheTypedText_data();
    void cancellingTheCloseQuestionKeepsTheTypedText();
    void escapeInTheDescriptionDoesNotClose();
    void clickOnAHalfVisibleRowMakesItCurrent();
    void picturesOfEveryPage();
    void chemieAndBatchFollowAnUnpostedEdit();
    void tabTakesOneStepPerRecipeField_data();
    void tabTakesOneStepPerRecipeField();
    void aTooLongConeTextIsRefusedAndNothingIsCut();
    void aSecondGlazeOfTheSameNameIsAskedAbout_data();
    void aSecondGlazeOfTheSameNameIsAskedAbout();
};

void GlazFormTest::typedGlazeIsCalculatedAndFoundAfterClosing() {
    TestInstallation install;
    ScopedPrompter prompter;
    {
        RunningEditor editor(prompter.recorder);
        QCOMPARE(child<QTabWidget>(glazForm(), "PageControl1")->currentWidget(),
                 child<QWidget>(glazForm(), "BladerTS"));
        // 1 CaCO3 + 0.5 Al2O3.2SiO2.2H2O + 2 SiO2 gives CaO 1, Al2O3 0.5, SiO2 3.
        typeGlaze("Mat wit proef", "M", {{"Krijt", "1"}, {"Kaolien", "0.5"}, {"Kwarts", "2"}});
        click(child<QPushButton>(glazForm(), "BerekenButton"));
        QCOMPARE(oxide("cao"), QStringLiteral("1"));
        QCOMPARE(oxide("al2o3"), dec("0.5"));
        QCOMPARE(oxide("sio2"), QStringLiteral("3"));
        QCOMPARE(oxide("na2o"), QStringLiteral("0"));
        // Weights 100.09 + 129.08 + 120.16 = 349.33; cost (60.054 + 109.718 +
        // 66.088) / 349.33 = 0.675 per kg; Krijt is 28.65 % of the batch.
        QCOMPARE(text(child<ui::DBEdit>(glazForm(), "prys")), dec("0.68"));
        QCOMPARE(text(mtpEdit(0)), dec("28.65"));
        QVERIFY(text(child<ui::DBEdit>(glazForm(), "tmpv")).toInt() > 0);
        QVERIFY(text(child<ui::DBEdit>(glazForm(), "tmpt")).toInt() >
                text(child<ui::DBEdit>(glazForm(), "tmpv")).toInt());
        QVERIFY(!child<QLabel>(glazForm(), "TotaalBasischLabel")->isVisible());
        click(child<QPushButton>(glazForm(), "CloseButton"));
        QVERIFY(!glazForm()->isVisible());
        QVERIFY(prompter.recorder.entries.empty()); // nothing left unsaved, nothing asked
    }
    StoredGlazes stored(install);
    QVERIFY(stored.view.findKey("Mat wit proef"));
    QCOMPARE(stored.view.asText("molp"), std::string("M"));
    QCOMPARE(stored.view.asText("mat3"), std::string("Kwarts"));
    QCOMPARE(stored.view.asNumber("sio2"), 3.0);
    QVERIFY(stored.view.asNumber("tmpv") > 0);
}

void GlazFormTest::basicTotalFollowsTheCheckBox() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningEditor editor(prompter.recorder);
    typeGlaze("Dubbel", "M", {{"Krijt", "2"}, {"Kaolien", "1"}, {"Kwarts", "4"}});
    child<QCheckBox>(glazForm(), "Basisch1CB")->setFocus();
    QTest::keyClick(child<QCheckBox>(glazForm(), "Basisch1CB"), Qt::Key_Space);
    QVERIFY(child<QCheckBox>(glazForm(), "Basisch1CB")->isChecked());
    click(child<QPushButton>(glazForm(), "BerekenButton"));
    QCOMPARE(oxide("cao"), QStringLiteral("2"));
    QVERIFY(child<QLabel>(glazForm(), "TotaalBasischLabel")->isVisible());
    QCOMPARE(child<QLabel>(glazForm(), "TotaalBasischLabel")->text(),
             QStringLiteral("Totaal basisch: ") + dec("2.0"));
    // The total stays with the next glaze until the next calculation.
    navigate(DBNavigator::First);
    QVERIFY(child<QLabel>(glazForm(), "TotaalBasischLabel")->isVisible());
    QVERIFY(glzDM()->GlzCDS.findKey("Dubbel"));
    QTest::keyClick(child<QCheckBox>(glazForm(), "Basisch1CB"), Qt::Key_Space);
    click(child<QPushButton>(glazForm(), "BerekenButton"));
    QVERIFY(!child<QLabel>(glazForm(), "TotaalBasischLabel")->isVisible());
    QCOMPARE(oxide("cao"), QStringLiteral("1"));
    QCOMPARE(oxide("sio2"), QStringLiteral("3"));
}

void GlazFormTest::windowShowsItsControls() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningEditor editor(prompter.recorder);
    QCOMPARE(glazForm()->size(), QSize(825, 503)); // as wide as its eight tabs
    QStringList tabs;
    for (int i = 0; i < child<QTabWidget>(glazForm(), "PageControl1")->count(); ++i)
        tabs << child<QTabWidget>(glazForm(), "PageControl1")->tabText(i);
    QCOMPARE(tabs, QStringList({"Bladeren", "Grondstoffen", "Omschrijving", "Toegev. stoffen", "Analyse",
                                "Batch", "Chemie", "Proeven"}));
    QCOMPARE(child<ui::DBComboBox>(glazForm(), "CatgEdit")->count(), 33);
    QCOMPARE(child<ui::DBComboBox>(glazForm(), "skvaEdit")->count(), int(glzDM()->ConeList.size()));
    QCOMPARE(child<ui::DBComboBox>(glazForm(), "skttEdit")->itemText(0),
             QString::fromStdString(glzDM()->ConeList.front()));
    QVERIFY(!child<ui::DBEdit>(glazForm(), "prys")->isEnabled() &&
            !child<ui::DBEdit>(glazForm(), "tmpv")->isEnabled());
    QVERIFY(!child<QCheckBox>(glazForm(), "Perc1CB")->isVisible() &&
            !child<QCheckBox>(glazForm(), "Perc1CB")->isEnabled());
    click(child<QPushButton>(glazForm(), "HelpButton"));
    QVERIFY(helpForm()->isVisible());
    helpForm()->hide();
    // How Tab walks the recipe: tabTakesOneStepPerRecipeField.
    // Every label and field lies inside the window, nothing overlaps the edge.
    for (QWidget* page :
         {child<QWidget>(glazForm(), "GrondstoffenTS"), child<QWidget>(glazForm(), "ToegevStoffenTS")}) {
        child<QTabWidget>(glazForm(), "PageControl1")->setCurrentWidget(page);
        QCoreApplication::processEvents();
        for (QWidget* child : page->findChildren<QWidget*>()) {
            if (!child->isVisible()) continue;
            const QRect inPage(child->mapTo(page, QPoint(0, 0)), child->size());
            QVERIFY2(page->rect().contains(inPage), qPrintable(child->objectName() + " " + text(child)));
        }
    }
}

void GlazFormTest::missingDataIsReportedAndTheWindowOpensAllTheSame() {
    TestInstallation::Options options;
    options.data = false;
    TestInstallation install(options);
    ScopedPrompter prompter;
    ui::ErrorBoxCapture errors;
    {
        RunningEditor editor(prompter.recorder);
        QVERIFY(glazForm()->isVisible());
        QCOMPARE(errors.shown.size(), std::size_t(1));
        QVERIFY2(QString::fromStdString(errors.shown[0]).startsWith("MatCDS"), errors.shown[0].c_str());
        QVERIFY(!glzDM()->MatCDS.active() && !glzDM()->GlzCDS.active());
        QVERIFY(child<ui::DBEdit>(glazForm(), "naam")->isReadOnly());
        click(child<QPushButton>(glazForm(), "CloseButton"));
        QVERIFY(!glazForm()->isVisible());
    }
    QVERIFY(prompter.recorder.entries.empty());
}

void GlazFormTest::dropPutsTheDraggedMaterialIntoTheField() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningEditor editor(prompter.recorder);
    child<QTabWidget>(glazForm(), "PageControl1")
        ->setCurrentWidget(child<QWidget>(glazForm(), "GrondstoffenTS"));
    View& glazes = glzDM()->GlzCDS;
    const std::string glaze = glazes.asText("naam");
    const double molsBefore = glazes.asNumber("mtm1");
    moveLookupTo("Kwarts"); // the lookup showing another material changes nothing
    dropOn(matEdit(0), "Talk");
    QCOMPARE(matEdit(0)->text(), QStringLiteral("Talk"));
    QCOMPARE(glazes.asNumber("mtm1"), molsBefore); // only the name changes
    QCOMPARE(glazes.state(), ViewState::Edit);     // posted, then back in edit
    QVERIFY(!glazes.modified());
    child<QTabWidget>(glazForm(), "PageControl1")
        ->setCurrentWidget(child<QWidget>(glazForm(), "ToegevStoffenTS"));
    dropOn(tvsEdit(4), "Rutiel");
    QCOMPARE(tvsEdit(4)->text(), QStringLiteral("Rutiel"));
    // Text that can be no material name is not taken.
    QMimeData lines;
    lines.setText(QStringLiteral("Talk\nKwarts"));
    QDragEnterEvent refused(tvsEdit(4)->rect().center(), Qt::CopyAction, &lines, Qt::LeftButton,
                            Qt::NoModifier);
    QApplication::sendEvent(tvsEdit(4), &refused);
    QVERIFY(!refused.isAccepted());
    click(child<QPushButton>(glazForm(), "CloseButton"));
    QVERIFY(prompter.recorder.entries.empty());
    StoredGlazes stored(install);
    QVERIFY(stored.view.findKey(glaze));
    QCOMPARE(stored.view.asText("mat1"), std::string("Talk"));
    QCOMPARE(stored.view.asText("tvs5"), std::string("Rutiel"));
}

void GlazFormTest::addTakesTheSlotKindFromTheActivePage_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<QString>("field"); // the slot that receives the material, "" for none
    QTest::newRow("recept, knop") << "GrondstoffenTS" << false << "mat6";
    QTest::newRow("recept, dubbelklik") << "GrondstoffenTS" << true << "mat6";
    QTest::newRow("toevoegingen, knop") << "ToegevStoffenTS" << false << "tvs1";
    QTest::newRow("omschrijving") << "OmschrijvingTS" << false << "";
    QTest::newRow("bladeren, dubbelklik") << "BladerTS" << true << "";
}

void GlazFormTest::addTakesTheSlotKindFromTheActivePage() {
    QFETCH(QString, page);
    QFETCH(bool, doubleClick);
    QFETCH(QString, field);
    TestInstallation install;
    ScopedPrompter prompter;
    RunningEditor editor(prompter.recorder);
    View& glazes = glzDM()->GlzCDS;
    QVERIFY(glazes.findKey("Kegel 6 glans basis")); // five recipe slots, no additions
    child<QTabWidget>(glazForm(), "PageControl1")
        ->setCurrentWidget(child<QWidget>(glazForm(), "GrondstoffenTS"));
    click(child<QPushButton>(glazForm(), "ZoekGrondstoffenButton"));
    QVERIFY(matLkupForm()->isVisible());
    child<QTabWidget>(glazForm(), "PageControl1")->setCurrentWidget(glazForm()->findChild<QWidget*>(page));
    moveLookupTo("Zinkoxide");
    QCOMPARE(child<ui::DBLabel>(matLkupForm(), "NaamLabel")->text(), QStringLiteral("Zinkoxide"));
    std::vector<std::string> before;
    for (const auto& f : TableLayouts::glazes())
        before.push_back(glazes.asText(f.name));
    if (doubleClick) {
        auto* grid = child<ui::DBGrid>(matLkupForm(), "DBGrid1");
        const QModelIndex index = grid->model()->index(glzDM()->MatCDS.recNo(), 0);
        grid->scrollTo(index);
        const QRect cell = grid->visualRect(index);
        // A double-click is a click followed by the second press.
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    } else {
        click(child<QPushButton>(matLkupForm(), "VoegToebutton"));
    }
    QVERIFY(matLkupForm()->isVisible());
    QCOMPARE(glzDM()->MatCDS.asText("naam"), std::string("Zinkoxide")); // stays on the material
    int changed = 0;
    const auto& fields = TableLayouts::glazes();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (glazes.asText(fields[i].name) == before[i]) continue;
        ++changed;
        QCOMPARE(QString::fromStdString(fields[i].name), field);
        QCOMPARE(glazes.asText(fields[i].name), std::string("Zinkoxide"));
    }
    QCOMPARE(changed, field.isEmpty() ? 0 : 1);
    QVERIFY(prompter.recorder.entries.empty());
}

void GlazFormTest::addWithTheEditorClosedExplainsInsteadOfFailing() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningEditor editor(prompter.recorder);
    child<QTabWidget>(glazForm(), "PageControl1")
        ->setCurrentWidget(child<QWidget>(glazForm(), "GrondstoffenTS"));
    click(child<QPushButton>(glazForm(), "ZoekGrondstoffenButton"));
    QVERIFY(matLkupForm()->isVisible());
    click(child<QPushButton>(glazForm(), "CloseButton"));
    QVERIFY(!matLkupForm()->isVisible()); // it serves the editor and goes with it
    QVERIFY(!glzDM()->GlzCDS.active());
    // Brought back without the editor (a window system may restore it), it
    // explains instead of adding to a glaze nobody edits.
    matLkupForm()->show();
    click(child<QPushButton>(matLkupForm(), "VoegToebutton"));
    QCOMPARE(prompter.recorder.entries.size(), std::size_t(1));
    QVERIFY(prompter.recorder.entries[0].text.find("Glazuren") != std::string::npos);
}

void GlazFormTest::removeThroughTheDialog() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningEditor editor(prompter.recorder);
    // A name that is no material keeps its blanks (a known one takes the
    // material's spelling when left); the dialog offers it trimmed.
    typeGlaze("Verwijderproef", "M", {{"Krijt", "1"}, {"", ""}, {" Kwartz ", "2"}, {"Krijt", "3"}});
    navigate(DBNavigator::Post);
    QVERIFY(glzDM()->GlzCDS.findKey("Verwijderproef"));
    QStringList offered;
    // Chooses `choice` (-1: nothing) in the dialog and presses OK.
    auto removeChoosing = [&](int choice) {
        whenModalOpens([&offered, choice](QWidget* dialog) {
            auto* form = qobject_cast<TVerwijderMatForm*>(dialog);
            QVERIFY(form);
            QCOMPARE(form->wat, 1);
            offered.clear();
            for (int i = 0; i < child<QComboBox>(form, "MatCB")->count(); ++i)
                offered << child<QComboBox>(form, "MatCB")->itemText(i);
            QCOMPARE(child<QComboBox>(form, "MatCB")->currentText(), QString());
            if (choice >= 0) child<QComboBox>(form, "MatCB")->setCurrentIndex(choice);
            QTest::mouseClick(form->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        });
        click(child<QPushButton>(glazForm(), "VerwijderMatButton"));
    };
    using Names = std::vector<std::string>;
    Names expected = {"Krijt", "", " Kwartz ", "Krijt", "", "", "", "", "", "", "", ""};
    QCOMPARE(recipeNames(), expected);

    removeChoosing(0); // the first Krijt; the gap and the rest move up
    QCOMPARE(offered, QStringList({"Krijt", "Kwartz", "Krijt"}));
    QCOMPARE(recipeNames(), Names({"", " Kwartz ", "Krijt", "", "", "", "", "", "", "", "", ""}));
    QCOMPARE(glzDM()->GlzCDS.asNumber("mtm2"), 2.0);
    QCOMPARE(glzDM()->GlzCDS.state(), ViewState::Edit);

    removeChoosing(0); // offered trimmed, removed all the same
    QCOMPARE(offered, QStringList({"Kwartz", "Krijt"}));
    QCOMPARE(recipeNames(), Names({"", "Krijt", "", "", "", "", "", "", "", "", "", ""}));
    QCOMPARE(glzDM()->GlzCDS.asNumber("mtm2"), 3.0);

    removeChoosing(-1); // OK without a choice closes the first gap
    QCOMPARE(recipeNames(), Names({"Krijt", "", "", "", "", "", "", "", "", "", "", ""}));
    QCOMPARE(glzDM()->GlzCDS.asNumber("mtm1"), 3.0);
    QCOMPARE(glzDM()->GlzCDS.asNumber("mtm12"), 0.0);

    // Cancel changes nothing.
    whenModalOpens([](QWidget* dialog) {
        auto* form = qobject_cast<TVerwijderMatForm*>(dialog);
        child<QComboBox>(form, "MatCB")->setCurrentIndex(0);
        QTest::mouseClick(form->findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
    });
    click(child<QPushButton>(glazForm(), "VerwijderMatButton"));
    QCOMPARE(recipeNames()[0], std::string("Krijt"));
    QVERIFY(prompter.recorder.entries.empty());
}

void GlazFormTest::removeDialogWithoutModeClosesAtOnce() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningEditor editor(prompter.recorder);
    verwijderMatForm()->wat = 0;
    child<QComboBox>(verwijderMatForm(), "MatCB")->addItem("blijft");
    QCOMPARE(verwijderMatForm()->exec(), int(QDialog::Rejected));
    QCOMPARE(prompter.recorder.texts(),
             std::vector<std::string>{"VerwijderMatform: error in program, wat = 0"});
    QCOMPARE(child<QComboBox>(verwijderMatForm(), "MatCB")->count(), 1); // the list is left alone
}

void GlazFormTest::navigatingOnAnalyseRebuildsTheReport() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningEditor editor(prompter.recorder);
    View& glazes = glzDM()->GlzCDS;
    const std::string first = glazes.asText("naam");
    child<QTabWidget>(glazForm(), "PageControl1")->setCurrentWidget(child<QWidget>(glazForm(), "AnalyseTS"));
    QCOMPARE(glazForm()->reportLines().front(), "Glazuur: " + first);
    QCOMPARE(child<QTextEdit>(glazForm(), "RichEdit1")->toPlainText().split('\n').front(),
             QString::fromStdString("Glazuur: " + first));
    QVERIFY(child<QTextEdit>(glazForm(), "RichEdit1")->font().fixedPitch());
    navigate(DBNavigator::Next);
    const std::string second = glazes.asText("naam");
    QVERIFY(second != first);
    QCOMPARE(glazForm()->reportLines(),
             AnalysisReport::build(glzDM()->currentGlaze(), glzDM()->CalcExpansion()));
    // On another page the report waits until "Analyse" is shown again.
    child<QTabWidget>(glazForm(), "PageControl1")
        ->setCurrentWidget(child<QWidget>(glazForm(), "OmschrijvingTS"));
    navigate(DBNavigator::Next);
    QCOMPARE(glazForm()->reportLines().front(), "Glazuur: " + second);
    child<QTabWidget>(glazForm(), "PageControl1")->setCurrentWidget(child<QWidget>(glazForm(), "AnalyseTS"));
    QCOMPARE(glazForm()->reportLines().front(), "Glazuur: " + glazes.asText("naam"));
}

void GlazFormTest::printGoesToPdfWithTheRecipeDoubleSpaced() {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
    TestInstallation install;
    ScopedPrompter prompter;
    RunningEditor editor(prompter.recorder);
    QVERIFY(glzDM()->GlzCDS.findKey("Kegel 6 glans basis"));
    child<QTabWidget>(glazForm(), "PageControl1")->setCurrentWidget(child<QWidget>(glazForm(), "AnalyseTS"));
    const QString pdf = QDir(install.folder()).filePath("analyse.pdf");
    glazForm()->printer().setOutputFormat(QPrinter::PdfFormat);
    glazForm()->printer().setOutputFileName(pdf);

    // Cancelling the print dialog prints nothing.
    whenModalOpens([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    click(child<QPushButton>(glazForm(), "PrintButton"));
    QVERIFY(!QFile::exists(pdf));

    whenModalOpens([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    click(child<QPushButton>(glazForm(), "PrintButton"));
    QVERIFY(QFile::exists(pdf));
    QCOMPARE(glazForm()->printBufferLines(), AnalysisReport::printCopy(glazForm()->reportLines()));

    QProcess info;
    info.start(QStandardPaths::findExecutable("pdfinfo"), {pdf});
    if (info.waitForFinished(10000)) QVERIFY(info.readAllStandardOutput().contains("Kelvora printjob"));
    QProcess convert;
    convert.start(pdftotext, {"-layout", pdf, "-"});
    QVERIFY(convert.waitForFinished(10000));
    QStringList printed = QString::fromUtf8(convert.readAllStandardOutput()).split('\n');
    for (QString& line : printed)
        line = line.trimmed();
    const auto at = [&](const QString& start) {
        for (int i = 0; i < printed.size(); ++i)
            if (printed[i].startsWith(start)) return i;
        return -1;
    };
    const int recept = at("Recept:");
    const int toevoegingen = at("Evt. toevoegingen:");
    const int kostprijs = at("Kostprijs:");
    const int glazuur = at("Glazuur: Kegel 6 glans basis");
    QVERIFY(glazuur >= 0 && recept > glazuur && toevoegingen > recept && kostprijs > toevoegingen);
    // Recipe block double-spaced: a printed line, then an empty one.
    QVERIFY(printed[recept + 1].isEmpty());
    QVERIFY(printed[recept + 2].startsWith("Nefelien syeniet"));
    QVERIFY(printed[recept + 3].isEmpty());
    QVERIFY(printed[recept + 4].startsWith("Standaard borax fritte"));
    // Before the recipe the report is single-spaced: the formula follows its heading.
    const int seger = at("Seger formule:");
    QVERIFY(!printed[seger + 1].isEmpty());
    QVERIFY(printed[seger + 1].contains("Na2O"));
    // The price line ends the double spacing: the description follows after
    // the report's one empty line.
    QVERIFY(printed[kostprijs - 1].isEmpty());
    QVERIFY(printed[kostprijs - 2].startsWith("Uitzettings coefficient:"));
    QVERIFY(printed[kostprijs + 1].isEmpty());
    QVERIFY(printed[kostprijs + 2].startsWith("Glanzende transparante basis"));
}

void GlazFormTest::closingWithUnpostedChangesAsks_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("answer");
    QTest::newRow("getypt, ja") << "typed" << true;
    QTest::newRow("getypt, nee") << "typed" << false;
    QTest::newRow("verwijderd, ja") << "removed" << true;
    QTest::newRow("verwijderd, nee") << "removed" << false;
    QTest::newRow("niets") << "none" << true;
}

void GlazFormTest::closingWithUnpostedChangesAsks() {
    QFETCH(QString, change);
    QFETCH(bool, answer);
    TestInstallation install;
    ScopedPrompter prompter;
    prompter.recorder.answerNextQuestion(answer ? Prompter::Answer::Yes : Prompter::Answer::No);
    {
        RunningEditor editor(prompter.recorder);
        QVERIFY(glzDM()->GlzCDS.findKey("Kegel 6 glans basis"));
        child<QTabWidget>(glazForm(), "PageControl1")
            ->setCurrentWidget(child<QWidget>(glazForm(), "GrondstoffenTS"));
        if (change == "typed") {
            mtmEdit(0)->setFocus();
            mtmEdit(0)->selectAll();
            QTest::keyClicks(mtmEdit(0), "7"); // still in the field, not yet written
        } else if (change == "removed") {
            whenModalOpens([](QWidget* dialog) {
                auto* form = qobject_cast<TVerwijderMatForm*>(dialog);
                child<QComboBox>(form, "MatCB")->setCurrentIndex(0);
                QTest::mouseClick(form->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
            });
            click(child<QPushButton>(glazForm(), "VerwijderMatButton"));
        }
        click(child<QPushButton>(glazForm(), "CloseButton"));
        QVERIFY(!glazForm()->isVisible());
    }
    const bool asked = change != "none";
    QCOMPARE(prompter.recorder.texts(), asked
                                            ? std::vector<std::string>{"Wijzigingen in het glazuur opslaan?"}
                                            : std::vector<std::string>{});
    StoredGlazes stored(install);
    QVERIFY(stored.view.findKey("Kegel 6 glans basis"));
    const bool saved = asked && answer;
    if (change == "typed") {
        QCOMPARE(stored.view.asNumber("mtm1") == 7.0, saved);
    }
    if (change == "removed")
        QCOMPARE(stored.view.asText("mat1"),
                 std::string(saved ? "Standaard borax fritte" : "Nefelien syeniet"));
}

void GlazFormTest::postedWorkIsOnDiskWhileTheWindowStaysOpen() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningEditor editor(prompter.recorder);
    QVERIFY(glzDM()->GlzCDS.findKey("Kegel 6 glans basis"));
    type(child<ui::DBEdit>(glazForm(), "oxrd"), "Red.");
    navigate(DBNavigator::Post); // the ✓ button
    // Read back from the disk by another view, the editor still open: what
    // a killed program leaves behind.
    QTRY_VERIFY([&] {
        StoredGlazes stored(install);
        return stored.view.findKey("Kegel 6 glans basis") && stored.view.asText("oxrd") == "Red.";
    }());
    QVERIFY(glazForm()->isVisible());
    QVERIFY(glzDM()->GlzCDS.active());

    // A delete reaches the disk the same way.
    prompter.recorder.answerNext(true);
    navigate(DBNavigator::Delete);
    QTRY_VERIFY([&] {
        StoredGlazes stored(install);
        return !stored.view.findKey("Kegel 6 glans basis");
    }());
    QVERIFY(glazForm()->isVisible());
}

void GlazFormTest::cancellingTheCloseQuestionKeepsTheTypedText_data() {
    QTest::addColumn<QString>("answer"); // how the user leaves the question
    QTest::newRow("Escape") << "escape";
    QTest::newRow("sluitknop van de vraag") << "close";
    QTest::newRow("Annuleren") << "cancel";
}

void GlazFormTest::cancellingTheCloseQuestionKeepsTheTypedText() {
    QFETCH(QString, answer);
    TestInstallation install;
    // The real message boxes, so Escape and the close button are the box's own.
    ui::QtPrompter boxes;
    RunningEditor editor(boxes);
    QVERIFY(glzDM()->GlzCDS.findKey("Kegel 6 glans basis"));
    child<QTabWidget>(glazForm(), "PageControl1")
        ->setCurrentWidget(child<QWidget>(glazForm(), "GrondstoffenTS"));
    mtmEdit(0)->setFocus();
    mtmEdit(0)->selectAll();
    QTest::keyClicks(mtmEdit(0), "7"); // typed, not yet written
    QString question;
    QStringList buttons;
    QString defaultButton;
    whenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        question = box->text();
        for (QAbstractButton* b : box->buttons())
            buttons << b->text().remove(QLatin1Char('&'));
        defaultButton =
            box->defaultButton() ? box->defaultButton()->text().remove(QLatin1Char('&')) : QString();
        if (answer == "escape")
            QTest::keyClick(box, Qt::Key_Escape);
        else if (answer == "close")
            box->close();
        else
            box->button(QMessageBox::Cancel)->click();
    });
    click(child<QPushButton>(glazForm(), "CloseButton"));
    QCOMPARE(question, QStringLiteral("Wijzigingen in het glazuur opslaan?"));
    buttons.sort();
    QCOMPARE(buttons, (QStringList{"Annuleren", "Ja", "Nee"}));
    QCOMPARE(defaultButton, QStringLiteral("Ja"));
    // Back in the editor with everything typed still there.
    QVERIFY(glazForm()->isVisible());
    // The question took the focus from the field, which wrote its text into
    // the record being edited; it now shows it in the field's format.
    QCOMPARE(QLocale().toDouble(mtmEdit(0)->text()), 7.0);
    QCOMPARE(glzDM()->GlzCDS.asNumber("mtm1"), 7.0);
    QCOMPARE(glzDM()->GlzCDS.state(), ViewState::Edit);
    StoredGlazes stored(install);
    QVERIFY(stored.view.findKey("Kegel 6 glans basis"));
    QVERIFY(stored.view.asNumber("mtm1") != 7.0);
}

void GlazFormTest::escapeInTheDescriptionDoesNotClose() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningEditor editor(prompter.recorder);
    QVERIFY(glzDM()->GlzCDS.findKey("Kegel 6 glans basis"));
    child<QTabWidget>(glazForm(), "PageControl1")
        ->setCurrentWidget(child<QWidget>(glazForm(), "OmschrijvingTS"));
    child<ui::DBMemo>(glazForm(), "OmscMemo")->setFocus();
    QTest::keyClicks(child<ui::DBMemo>(glazForm(), "OmscMemo"), " Nog een regel.");
    QTest::keyClick(child<ui::DBMemo>(glazForm(), "OmscMemo"), Qt::Key_Escape);
    QTest::keyClick(child<ui::DBMemo>(glazForm(), "OmscMemo"), Qt::Key_Escape);
    QVERIFY(glazForm()->isVisible());
    QVERIFY(prompter.recorder.entries.empty()); // not even asked
    QVERIFY(child<ui::DBMemo>(glazForm(), "OmscMemo")->toPlainText().contains(" Nog een regel."));
    // Escape elsewhere still asks before closing.
    child<ui::DBEdit>(glazForm(), "naam")->setFocus();
    QTest::keyClick(child<ui::DBEdit>(glazForm(), "naam"), Qt::Key_Escape);
    QCOMPARE(prompter.recorder.texts(), std::vector<std::string>{"Wijzigingen in het glazuur opslaan?"});
    QVERIFY(glazForm()->isVisible()); // the script answered Annuleren
}

void GlazFormTest::clickOnAHalfVisibleRowMakesItCurrent() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningEditor editor(prompter.recorder);
    QVERIFY(glzDM()->GlzCDS.findKey("Kegel 6 glans basis"));
    child<QTabWidget>(glazForm(), "PageControl1")
        ->setCurrentWidget(child<QWidget>(glazForm(), "GrondstoffenTS"));
    click(child<QPushButton>(glazForm(), "ZoekGrondstoffenButton"));
    QVERIFY(QTest::qWaitForWindowExposed(matLkupForm()));
    auto* grid = child<ui::DBGrid>(matLkupForm(), "DBGrid1");
    QVERIFY(glzDM()->MatCDS.recordCount() > 20);
    glzDM()->MatCDS.first();
    grid->scrollToTop();
    // The first row that the list shows only in part, at its foot.
    const int height = grid->viewport()->height();
    int half = -1;
    for (int row = 0; row < grid->model()->rowCount(); ++row) {
        const QRect r = grid->visualRect(grid->model()->index(row, 0));
        if (r.top() < height && r.bottom() >= height) {
            half = row;
            break;
        }
    }
    if (half < 0) QSKIP("no row stands half visible at this font size");
    const QPoint at(grid->visualRect(grid->model()->index(half, 0)).center().x(), height - 2);
    const QString chosen = grid->model()->index(half, 0).data().toString();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    // The highlighted row, the row marker and the details are one material.
    QCOMPARE(glzDM()->MatCDS.recNo(), half);
    QCOMPARE(grid->currentIndex().row(), half);
    const QModelIndexList selected = grid->selectionModel()->selectedRows();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected[0].row(), half);
    QCOMPARE(child<ui::DBLabel>(matLkupForm(), "NaamLabel")->text(), chosen);
    // A double-click on the same spot adds that material, not a neighbour.
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(glzDM()->MatCDS.recNo(), half);
    QCOMPARE(QString::fromStdString(glzDM()->GlzCDS.asText("mat6")), chosen);
}

// Pictures for the manual and for looking the windows over: run with
// KELVORA_SCREENSHOTS set to a folder (under a real display server).
void GlazFormTest::picturesOfEveryPage() {
    const QString folder = qEnvironmentVariable("KELVORA_SCREENSHOTS");
    if (folder.isEmpty()) QSKIP("KELVORA_SCREENSHOTS is not set");
    TestInstallation install;
    ScopedPrompter prompter;
    RunningEditor editor(prompter.recorder);
    QVERIFY(glzDM()->GlzCDS.findKey("Kegel 6 glans basis"));
    const QString names[] = {"glaz_bladeren", "glaz_grondstoffen", "glaz_omschrijving", "glaz_toegevstoffen",
                             "glaz_analyse",  "glaz_batch",        "glaz_chemie"};
    for (int i = 0; i < child<QTabWidget>(glazForm(), "PageControl1")->count(); ++i) {
        child<QTabWidget>(glazForm(), "PageControl1")->setCurrentIndex(i);
        if (i == 1) {
            child<QCheckBox>(glazForm(), "Basisch1CB")->setChecked(true);
            click(child<QPushButton>(glazForm(), "BerekenButton"));
            child<QCheckBox>(glazForm(), "Basisch1CB")->setChecked(false);
        }
        QTest::qWait(200);
        QVERIFY(glazForm()->grab().save(QDir(folder).filePath(names[i] + ".png")));
    }
    child<QTabWidget>(glazForm(), "PageControl1")
        ->setCurrentWidget(child<QWidget>(glazForm(), "GrondstoffenTS"));
    click(child<QPushButton>(glazForm(), "ZoekGrondstoffenButton"));
    moveLookupTo("Kaliveldspaat");
    QTest::qWait(200);
    QVERIFY(matLkupForm()->grab().save(QDir(folder).filePath("matlkup.png")));
    whenModalOpens([folder](QWidget* dialog) {
        auto* form = qobject_cast<TVerwijderMatForm*>(dialog);
        child<QComboBox>(form, "MatCB")->setCurrentIndex(1);
        QTest::qWait(200);
        form->grab().save(QDir(folder).filePath("verwijdermat.png"));
        form->reject();
    });
    click(child<QPushButton>(glazForm(), "VerwijderMatButton"));
}

// The pages that show figures follow the recipe as typed, before ✓ and
// before Bereken, without writing anything; the stored results say they are
// out of date until Bereken stores what the pages already show.
void GlazFormTest::chemieAndBatchFollowAnUnpostedEdit() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningEditor editor(prompter.recorder);
    glazForm()->setChemistryDataFolder(KELVORA_CHEMISTRY_DATA);
    View& glazes = glzDM()->GlzCDS;
    QVERIFY(glazes.findKey("Seladon")); // 35 feldspar, 35 quartz, 18 whiting, 12 kaolin; 1.5 iron on top
    auto* chemie = child<ChemiePage>(glazForm(), "ChemieTS");
    auto* batch = child<BatchPage>(glazForm(), "BatchTS");
    auto* stale = child<QLabel>(glazForm(), "AnalyseStaleLbl");
    auto* pages = child<QTabWidget>(glazForm(), "PageControl1");
    const std::size_t cao = std::size_t(OxideCatalogue::byStem("cao")->position - 1);
    const double storedCao = glazes.asNumber("cao");
    const double storedPrice = glazes.asNumber("prys");
    // As stored, the results belong to the recipe: nothing says otherwise.
    QTRY_VERIFY(std::abs(chemie->figures().seger[cao] - storedCao) < 1e-9);
    QVERIFY(stale->isHidden());
    QVERIFY(chemie->previewNote().isEmpty());
    QVERIFY(batch->previewNote().isEmpty());

    // Whiting 18 -> 10, left with Tab: typed into the record, not posted.
    pages->setCurrentWidget(child<QWidget>(glazForm(), "GrondstoffenTS"));
    type(mtpEdit(2), QStringLiteral("10"));
    QCOMPARE(glazes.state(), ViewState::Edit);
    QCOMPARE(glazes.asNumber("mtp3"), 10.0);
    QTRY_VERIFY(chemie->figures().seger[cao] < storedCao - 0.01);
    QVERIFY(chemie->previewNote().contains(QStringLiteral("nog niet berekend en opgeslagen")));
    QVERIFY(batch->previewNote().contains(QStringLiteral("nog niet berekend en opgeslagen")));
    QTRY_VERIFY(!stale->isHidden()); // its page is not in front
    QCOMPARE(stale->text(), QStringLiteral("Niet bijgewerkt: druk op Bereken"));
    QVERIFY(child<QLabel>(glazForm(), "StaleLbl")->isVisibleTo(glazForm()));
    // The stored results and the file are untouched.
    QCOMPARE(glazes.asNumber("cao"), storedCao);
    QCOMPARE(glazes.asNumber("prys"), storedPrice);
    {
        StoredGlazes stored(install);
        QVERIFY(stored.view.findKey("Seladon"));
        QCOMPARE(stored.view.asNumber("mtp3"), 18.0);
    }

    // The batch weighs the recipe brought to 100 %: 3000 g of recipe,
    // whiting 10 of 92 parts, and the iron's 1.5 % on top.
    pages->setCurrentWidget(batch);
    child<QDoubleSpinBox>(batch, "BatchSizeEdit")->setValue(3000);
    double recipeGrams = 0;
    for (const auto& row : batch->batch().rows)
        if (!row.addition) recipeGrams += row.grams;
    QVERIFY2(std::abs(recipeGrams - 3000.0) < 1e-6, qPrintable(QString::number(recipeGrams)));
    QCOMPARE(cellText(child<QTableView>(batch, "BatchGrid"), 2, 2),
             QString::fromStdString(numfmt::formatFixed(3000.0 * 10 / 92, 1)));
    QCOMPARE(child<QLabel>(batch, "TotaalLbl")->text(),
             "Totaal: " + QString::fromStdString(numfmt::formatFixed(3045.0, 1)) + " g");

    // Bereken stores exactly what the pages showed, and the notes go.
    const double shownCao = chemie->figures().seger[cao];
    pages->setCurrentWidget(child<QWidget>(glazForm(), "GrondstoffenTS"));
    click(child<QPushButton>(glazForm(), "BerekenButton"));
    QCOMPARE(glazes.state(), ViewState::Browse);
    QCOMPARE(glazes.asNumber("cao"), shownCao);
    QTRY_VERIFY(stale->isHidden());
    QVERIFY(!child<QLabel>(glazForm(), "StaleLbl")->isVisibleTo(glazForm()));
    QTRY_VERIFY(chemie->previewNote().isEmpty());
    QVERIFY(batch->previewNote().isEmpty());
    pages->setCurrentWidget(child<QWidget>(glazForm(), "AnalyseTS"));
    QVERIFY(!stale->isVisible());
    QVERIFY(prompter.recorder.entries.empty());
}

void GlazFormTest::tabTakesOneStepPerRecipeField_data() {
    QTest::addColumn<QString>("mode");
    QTest::newRow("mol") << "M";
    QTest::newRow("percentages") << "P";
}

// Tab walks the fields the user types in the recipe's mode, one step each:
// name and mols in "M", name and percentage in "P".
void GlazFormTest::tabTakesOneStepPerRecipeField() {
    QFETCH(QString, mode);
    TestInstallation install;
    ScopedPrompter prompter;
    RunningEditor editor(prompter.recorder);
    typeGlaze(QStringLiteral("Tabproef"), mode, {});
    QTRY_COMPARE(QString::fromStdString(glzDM()->GlzCDS.asText("molp")), mode);
    const bool mols = mode == "M";
    QTRY_COMPARE(mtmEdit(0)->focusPolicy(), mols ? Qt::StrongFocus : Qt::ClickFocus);
    matEdit(0)->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), matEdit(0));
    const QWidget* expected[] = {mols ? mtmEdit(0) : mtpEdit(0), matEdit(1), mols ? mtmEdit(1) : mtpEdit(1),
                                 matEdit(2)};
    for (const QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), next);
    }
    // The other column still takes a click.
    QTest::mouseClick(mols ? mtpEdit(2) : mtmEdit(2), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), mols ? mtpEdit(2) : mtmEdit(2));
    glzDM()->GlzCDS.cancel();
}

// The cone box takes free text up to the field's 12 characters; a longer
// text is refused with a message that names the field and its width, and
// the record keeps what it held.
void GlazFormTest::aTooLongConeTextIsRefusedAndNothingIsCut() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningEditor editor(prompter.recorder);
    View& glazes = glzDM()->GlzCDS;
    QVERIFY(glazes.findKey("Seladon"));
    const std::string before = glazes.asText("skva");
    auto* cone = child<ui::DBComboBox>(glazForm(), "skvaEdit");
    ui::ErrorBoxCapture errors;
    cone->setFocus();
    cone->lineEdit()->selectAll();
    QTest::keyClicks(cone->lineEdit(), QStringLiteral("8 tot 9 - reductie")); // 18 characters
    QTest::keyClick(cone->lineEdit(), Qt::Key_Tab);
    QCOMPARE(errors.shown.size(), std::size_t(1));
    const QString said = QString::fromStdString(errors.shown[0]);
    QVERIFY2(said.contains(QStringLiteral("'SK'")) && said.contains(QStringLiteral(" 12 ")) &&
                 said.contains(QStringLiteral(" 18.")),
             qPrintable(said));
    QCOMPARE(glazes.asText("skva"), before);
    QCOMPARE(cone->currentText(), QStringLiteral("8 tot 9 - reductie")); // kept for correcting
    // Shortened, it goes in whole.
    cone->setFocus();
    cone->lineEdit()->selectAll();
    QTest::keyClicks(cone->lineEdit(), QStringLiteral("8 - reductie")); // 12 characters
    QTest::keyClick(cone->lineEdit(), Qt::Key_Tab);
    QCOMPARE(errors.shown.size(), std::size_t(1));
    QCOMPARE(glazes.asText("skva"), std::string("8 - reductie"));
    glazes.cancel();
}

void GlazFormTest::aSecondGlazeOfTheSameNameIsAskedAbout_data() {
    QTest::addColumn<bool>("answer");
    QTest::newRow("Nee") << false;
    QTest::newRow("Ja") << true;
}

// A new glaze named as an existing one (case and blanks aside) is asked
// about when posted; Nee keeps the edit open and unposted.
void GlazFormTest::aSecondGlazeOfTheSameNameIsAskedAbout() {
    QFETCH(bool, answer);
    TestInstallation install;
    ScopedPrompter prompter;
    RunningEditor editor(prompter.recorder);
    View& glazes = glzDM()->GlzCDS;
    const int count = glazes.recordCount();
    navigate(DBNavigator::Insert);
    type(child<ui::DBEdit>(glazForm(), "naam"), QStringLiteral(" seladon "));
    prompter.recorder.answerNext(answer);
    navigate(DBNavigator::Post);
    QCOMPARE(prompter.recorder.texts(),
             std::vector<std::string>{"Er bestaat al een glazuur 'Seladon'. Toch bewaren?"});
    if (!answer) {
        QCOMPARE(glazes.state(), ViewState::Insert);
        QCOMPARE(child<ui::DBEdit>(glazForm(), "naam")->text(), QStringLiteral(" seladon "));
        navigate(DBNavigator::Cancel);
        QCOMPARE(glazes.recordCount(), count);
    } else {
        QCOMPARE(glazes.state(), ViewState::Browse);
        QCOMPARE(glazes.recordCount(), count + 1);
        // A later change of the same glaze that keeps its name asks nothing more.
        prompter.recorder.clear();
        type(child<ui::DBEdit>(glazForm(), "oxrd"), QStringLiteral("Reductie"));
        navigate(DBNavigator::Post);
        QVERIFY(prompter.recorder.entries.empty());
        QCOMPARE(glazes.state(), ViewState::Browse);
    }
    if (glazForm()->isVisible()) click(child<QPushButton>(glazForm(), "CloseButton"));
    StoredGlazes stored(install);
    QCOMPARE(stored.view.recordCount(), count + (answer ? 1 : 0));
}

QTEST_MAIN(GlazFormTest)
#include "tst_GlazForm.moc"
