// The glaze editor as a potter uses it, on the starter data in a throw-away
// installation: typing a glaze and calculating it, the lookup window's add
// action and drag and drop, removing a material through the dialog, the
// analysis page and its printout, and closing with unsaved changes.
#include "GuiTestSupport.h"

#include "app/AppObjects.h"
#include "app/HelpFormUnit.h"
#include "engine/GlzDMUnit.h"
#include "glaze/AnalysisReport.h"
#include "glaze/GlazFormUnit.h"
#include "glaze/VerwijderMatFormUnit.h"
#include "materials/MatLkupFormUnit.h"
#include "model/TableLayouts.h"
#include "store/View.h"
#include "widgets/DBComboBox.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DBLabel.h"
#include "widgets/DBNavigator.h"
#include "widgets/ErrorBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
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
        ui::createApplicationObjects(prompter);
        GlazForm->show();
        GlazForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(GlazForm));
    }
    ~RunningEditor() {
        if (MatLkupForm) MatLkupForm->hide();
        if (GlazForm && GlazForm->isVisible()) GlazForm->QDialog::done(QDialog::Rejected);
        ui::destroyApplicationObjects();
    }
};

QString text(const QWidget* w) {
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    return {};
}

QString oxide(const char* stem) {
    auto* label = GlazForm->GrondstoffenTS->findChild<ui::DBLabel*>(QString::fromLatin1(stem));
    return label ? label->text() : QStringLiteral("<none>");
}

void click(QAbstractButton* b) {
    QVERIFY(b->isVisible() && b->isEnabled());
    QTest::mouseClick(b, Qt::LeftButton);
}

void navigate(DBNavigator::Button which) {
    click(GlazForm->GlzDBN->button(which));
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
    type(GlazForm->NaamEdit, name);
    GlazForm->PageControl1->setCurrentWidget(GlazForm->GrondstoffenTS);
    GlazForm->MolpCB->setFocus();
    QTest::keyClick(GlazForm->MolpCB, mode.at(0).toLatin1());
    for (int i = 0; i < rows.size(); ++i) {
        type(GlazForm->MatEdit[std::size_t(i)], rows[i].first);
        if (!rows[i].second.isEmpty()) type(GlazForm->MtmEdit[std::size_t(i)], rows[i].second);
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
    QVERIFY(GlzDM->MatCDS.findKey(material));
}

void dropOn(QWidget* target) {
    QMimeData data;
    data.setText(QStringLiteral("wat er ook gesleept wordt"));
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
        names.push_back(GlzDM->GlzCDS.asText(TableLayouts::matField(n)));
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
    void dropPutsTheLookupMaterialIntoTheField();
    void addTakesTheSlotKindFromTheActivePage_data();
    void addTakesTheSlotKindFromTheActivePage();
    void addWithTheEditorClosedExplainsInsteadOfFailing();
    void removeThroughTheDialog();
    void removeDialogWithoutModeClosesAtOnce();
    void navigatingOnAnalyseRebuildsTheReport();
    void printGoesToPdfWithTheRecipeDoubleSpaced();
    void closingWithUnpostedChangesAsks_data();
    void closingWithUnpostedChangesAsks();
    void picturesOfEveryPage();
};

void GlazFormTest::typedGlazeIsCalculatedAndFoundAfterClosing() {
    TestInstallation install;
    ScopedPrompter prompter;
    {
        RunningEditor editor(prompter.recorder);
        QCOMPARE(GlazForm->PageControl1->currentWidget(), GlazForm->BladerTS);
        // 1 CaCO3 + 0.5 Al2O3.2SiO2.2H2O + 2 SiO2 gives CaO 1, Al2O3 0.5, SiO2 3.
        typeGlaze("Mat wit proef", "M", {{"Krijt", "1"}, {"Kaolien", "0.5"}, {"Kwarts", "2"}});
        click(GlazForm->BerekenButton);
        QCOMPARE(oxide("cao"), QStringLiteral("1"));
        QCOMPARE(oxide("al2o3"), dec("0.5"));
        QCOMPARE(oxide("sio2"), QStringLiteral("3"));
        QCOMPARE(oxide("na2o"), QStringLiteral("0"));
        // Weights 100.09 + 129.08 + 120.16 = 349.33; cost (60.054 + 109.718 +
        // 66.088) / 349.33 = 0.675 per kg; Krijt is 28.65 % of the batch.
        QCOMPARE(text(GlazForm->PrysEdit), dec("0.68"));
        QCOMPARE(text(GlazForm->MtpEdit[0]), dec("28.65"));
        QVERIFY(text(GlazForm->TmpvEdit).toInt() > 0);
        QVERIFY(text(GlazForm->TmptEdit).toInt() > text(GlazForm->TmpvEdit).toInt());
        QVERIFY(!GlazForm->TotaalBasischLabel->isVisible());
        click(GlazForm->CloseButton);
        QVERIFY(!GlazForm->isVisible());
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
    GlazForm->Basisch1CB->setFocus();
    QTest::keyClick(GlazForm->Basisch1CB, Qt::Key_Space);
    QVERIFY(GlazForm->Basisch1CB->isChecked());
    click(GlazForm->BerekenButton);
    QCOMPARE(oxide("cao"), QStringLiteral("2"));
    QVERIFY(GlazForm->TotaalBasischLabel->isVisible());
    QCOMPARE(GlazForm->TotaalBasischLabel->text(), QStringLiteral("Totaal basisch: ") + dec("2.0"));
    // The total stays with the next glaze until the next calculation.
    navigate(DBNavigator::First);
    QVERIFY(GlazForm->TotaalBasischLabel->isVisible());
    QVERIFY(GlzDM->GlzCDS.findKey("Dubbel"));
    QTest::keyClick(GlazForm->Basisch1CB, Qt::Key_Space);
    click(GlazForm->BerekenButton);
    QVERIFY(!GlazForm->TotaalBasischLabel->isVisible());
    QCOMPARE(oxide("cao"), QStringLiteral("1"));
    QCOMPARE(oxide("sio2"), QStringLiteral("3"));
}

void GlazFormTest::windowShowsItsControls() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningEditor editor(prompter.recorder);
    QCOMPARE(GlazForm->size(), QSize(774, 503));
    QStringList tabs;
    for (int i = 0; i < GlazForm->PageControl1->count(); ++i)
        tabs << GlazForm->PageControl1->tabText(i);
    QCOMPARE(tabs, QStringList({"Bladeren", "Grondstoffen", "Omschrijving", "Toegev. stoffen", "Analyse"}));
    QCOMPARE(GlazForm->CatgEdit->count(), 33);
    QCOMPARE(GlazForm->skvaEdit->count(), int(GlzDM->ConeList.size()));
    QCOMPARE(GlazForm->skttEdit->itemText(0), QString::fromStdString(GlzDM->ConeList.front()));
    QVERIFY(!GlazForm->PrysEdit->isEnabled() && !GlazForm->TmpvEdit->isEnabled());
    QVERIFY(!GlazForm->Perc1CB->isVisible() && !GlazForm->Perc1CB->isEnabled());
    click(GlazForm->HelpButton);
    QVERIFY(HelpForm->isVisible());
    HelpForm->hide();
    // Tab walks the recipe row by row: name, mol weight, percentage.
    GlazForm->PageControl1->setCurrentWidget(GlazForm->GrondstoffenTS);
    GlazForm->MatEdit[0]->setFocus();
    const QWidget* expected[] = {GlazForm->MtmEdit[0], GlazForm->MtpEdit[0], GlazForm->MatEdit[1]};
    QTRY_COMPARE(QApplication::focusWidget(), GlazForm->MatEdit[0]);
    for (const QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    // Every label and field lies inside the window, nothing overlaps the edge.
    for (QWidget* page : {GlazForm->GrondstoffenTS, GlazForm->ToegevStoffenTS}) {
        GlazForm->PageControl1->setCurrentWidget(page);
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
        QVERIFY(GlazForm->isVisible());
        QCOMPARE(errors.shown.size(), std::size_t(1));
        QVERIFY2(QString::fromStdString(errors.shown[0]).startsWith("MatCDS"), errors.shown[0].c_str());
        QVERIFY(!GlzDM->MatCDS.active() && !GlzDM->GlzCDS.active());
        QVERIFY(GlazForm->NaamEdit->isReadOnly());
        click(GlazForm->CloseButton);
        QVERIFY(!GlazForm->isVisible());
    }
    QVERIFY(prompter.recorder.entries.empty());
}

void GlazFormTest::dropPutsTheLookupMaterialIntoTheField() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningEditor editor(prompter.recorder);
    GlazForm->PageControl1->setCurrentWidget(GlazForm->GrondstoffenTS);
    View& glazes = GlzDM->GlzCDS;
    const std::string glaze = glazes.asText("naam");
    const double molsBefore = glazes.asNumber("mtm1");
    moveLookupTo("Talk");
    dropOn(GlazForm->MatEdit[0]);
    QCOMPARE(GlazForm->MatEdit[0]->text(), QStringLiteral("Talk"));
    QCOMPARE(glazes.asNumber("mtm1"), molsBefore); // only the name changes
    QCOMPARE(glazes.state(), ViewState::Edit);     // posted, then back in edit
    QVERIFY(!glazes.modified());
    GlazForm->PageControl1->setCurrentWidget(GlazForm->ToegevStoffenTS);
    moveLookupTo("Rutiel");
    dropOn(GlazForm->TvsEdit[4]);
    QCOMPARE(GlazForm->TvsEdit[4]->text(), QStringLiteral("Rutiel"));
    click(GlazForm->CloseButton);
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
    View& glazes = GlzDM->GlzCDS;
    QVERIFY(glazes.findKey("Kegel 6 glans basis")); // five recipe slots, no additions
    GlazForm->PageControl1->setCurrentWidget(GlazForm->GrondstoffenTS);
    click(GlazForm->ZoekGrondstoffenButton);
    QVERIFY(MatLkupForm->isVisible());
    GlazForm->PageControl1->setCurrentWidget(GlazForm->findChild<QWidget*>(page));
    moveLookupTo("Zinkoxide");
    QCOMPARE(MatLkupForm->NaamLabel->text(), QStringLiteral("Zinkoxide"));
    std::vector<std::string> before;
    for (const auto& f : TableLayouts::glazes())
        before.push_back(glazes.asText(f.name));
    if (doubleClick) {
        auto* grid = MatLkupForm->DBGrid1;
        const QModelIndex index = grid->model()->index(GlzDM->MatCDS.recNo(), 0);
        grid->scrollTo(index);
        const QRect cell = grid->visualRect(index);
        // A double-click is a click followed by the second press.
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    } else {
        click(MatLkupForm->VoegToebutton);
    }
    QVERIFY(MatLkupForm->isVisible());
    QCOMPARE(GlzDM->MatCDS.asText("naam"), std::string("Zinkoxide")); // stays on the material
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
    GlazForm->PageControl1->setCurrentWidget(GlazForm->GrondstoffenTS);
    click(GlazForm->ZoekGrondstoffenButton);
    click(GlazForm->CloseButton);
    QVERIFY(MatLkupForm->isVisible()); // it stays open beside the main window
    QVERIFY(!GlzDM->GlzCDS.active());
    click(MatLkupForm->VoegToebutton);
    QCOMPARE(prompter.recorder.entries.size(), std::size_t(1));
    QVERIFY(prompter.recorder.entries[0].text.find("Glazuren") != std::string::npos);
}

void GlazFormTest::removeThroughTheDialog() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningEditor editor(prompter.recorder);
    typeGlaze("Verwijderproef", "M", {{"Krijt", "1"}, {"", ""}, {" Kwarts ", "2"}, {"Krijt", "3"}});
    navigate(DBNavigator::Post);
    QVERIFY(GlzDM->GlzCDS.findKey("Verwijderproef"));
    QStringList offered;
    // Chooses `choice` (-1: nothing) in the dialog and presses OK.
    auto removeChoosing = [&](int choice) {
        whenModalOpens([&offered, choice](QWidget* dialog) {
            auto* form = qobject_cast<TVerwijderMatForm*>(dialog);
            QVERIFY(form);
            QCOMPARE(form->wat, 1);
            offered.clear();
            for (int i = 0; i < form->MatCB->count(); ++i)
                offered << form->MatCB->itemText(i);
            QCOMPARE(form->MatCB->currentText(), QString());
            if (choice >= 0) form->MatCB->setCurrentIndex(choice);
            QTest::mouseClick(form->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        });
        click(GlazForm->VerwijderMatButton);
    };
    using Names = std::vector<std::string>;
    Names expected = {"Krijt", "", " Kwarts ", "Krijt", "", "", "", "", "", "", "", ""};
    QCOMPARE(recipeNames(), expected);

    removeChoosing(0); // the first Krijt; the gap and the rest move up
    QCOMPARE(offered, QStringList({"Krijt", "Kwarts", "Krijt"}));
    QCOMPARE(recipeNames(), Names({"", " Kwarts ", "Krijt", "", "", "", "", "", "", "", "", ""}));
    QCOMPARE(GlzDM->GlzCDS.asNumber("mtm2"), 2.0);
    QCOMPARE(GlzDM->GlzCDS.state(), ViewState::Edit);

    removeChoosing(0); // offered trimmed, removed all the same
    QCOMPARE(offered, QStringList({"Kwarts", "Krijt"}));
    QCOMPARE(recipeNames(), Names({"", "Krijt", "", "", "", "", "", "", "", "", "", ""}));
    QCOMPARE(GlzDM->GlzCDS.asNumber("mtm2"), 3.0);

    removeChoosing(-1); // OK without a choice closes the first gap
    QCOMPARE(recipeNames(), Names({"Krijt", "", "", "", "", "", "", "", "", "", "", ""}));
    QCOMPARE(GlzDM->GlzCDS.asNumber("mtm1"), 3.0);
    QCOMPARE(GlzDM->GlzCDS.asNumber("mtm12"), 0.0);

    // Cancel changes nothing.
    whenModalOpens([](QWidget* dialog) {
        auto* form = qobject_cast<TVerwijderMatForm*>(dialog);
        form->MatCB->setCurrentIndex(0);
        QTest::mouseClick(form->findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
    });
    click(GlazForm->VerwijderMatButton);
    QCOMPARE(recipeNames()[0], std::string("Krijt"));
    QVERIFY(prompter.recorder.entries.empty());
}

void GlazFormTest::removeDialogWithoutModeClosesAtOnce() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningEditor editor(prompter.recorder);
    VerwijderMatForm->wat = 0;
    VerwijderMatForm->MatCB->addItem("blijft");
    QCOMPARE(VerwijderMatForm->exec(), int(QDialog::Rejected));
    QCOMPARE(prompter.recorder.texts(),
             std::vector<std::string>{"VerwijderMatform: error in program, wat = 0"});
    QCOMPARE(VerwijderMatForm->MatCB->count(), 1); // the list is left alone
}

void GlazFormTest::navigatingOnAnalyseRebuildsTheReport() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningEditor editor(prompter.recorder);
    View& glazes = GlzDM->GlzCDS;
    const std::string first = glazes.asText("naam");
    GlazForm->PageControl1->setCurrentWidget(GlazForm->AnalyseTS);
    QCOMPARE(GlazForm->reportLines().front(), "Glazuur: " + first);
    QCOMPARE(GlazForm->RichEdit1->toPlainText().split('\n').front(),
             QString::fromStdString("Glazuur: " + first));
    QVERIFY(GlazForm->RichEdit1->font().fixedPitch());
    navigate(DBNavigator::Next);
    const std::string second = glazes.asText("naam");
    QVERIFY(second != first);
    QCOMPARE(GlazForm->reportLines(), AnalysisReport::build(glazes, GlzDM->CalcExpansion()));
    // On another page the report waits until "Analyse" is shown again.
    GlazForm->PageControl1->setCurrentWidget(GlazForm->OmschrijvingTS);
    navigate(DBNavigator::Next);
    QCOMPARE(GlazForm->reportLines().front(), "Glazuur: " + second);
    GlazForm->PageControl1->setCurrentWidget(GlazForm->AnalyseTS);
    QCOMPARE(GlazForm->reportLines().front(), "Glazuur: " + glazes.asText("naam"));
}

void GlazFormTest::printGoesToPdfWithTheRecipeDoubleSpaced() {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
    TestInstallation install;
    ScopedPrompter prompter;
    RunningEditor editor(prompter.recorder);
    QVERIFY(GlzDM->GlzCDS.findKey("Kegel 6 glans basis"));
    GlazForm->PageControl1->setCurrentWidget(GlazForm->AnalyseTS);
    const QString pdf = QDir(install.folder()).filePath("analyse.pdf");
    GlazForm->printer().setOutputFormat(QPrinter::PdfFormat);
    GlazForm->printer().setOutputFileName(pdf);

    // Cancelling the print dialog prints nothing.
    whenModalOpens([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    click(GlazForm->PrintButton);
    QVERIFY(!QFile::exists(pdf));

    whenModalOpens([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    click(GlazForm->PrintButton);
    QVERIFY(QFile::exists(pdf));
    QCOMPARE(GlazForm->printBufferLines(), AnalysisReport::printCopy(GlazForm->reportLines()));

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
    prompter.recorder.answerNext(answer);
    {
        RunningEditor editor(prompter.recorder);
        QVERIFY(GlzDM->GlzCDS.findKey("Kegel 6 glans basis"));
        GlazForm->PageControl1->setCurrentWidget(GlazForm->GrondstoffenTS);
        if (change == "typed") {
            GlazForm->MtmEdit[0]->setFocus();
            GlazForm->MtmEdit[0]->selectAll();
            QTest::keyClicks(GlazForm->MtmEdit[0], "7"); // still in the field, not yet written
        } else if (change == "removed") {
            whenModalOpens([](QWidget* dialog) {
                auto* form = qobject_cast<TVerwijderMatForm*>(dialog);
                form->MatCB->setCurrentIndex(0);
                QTest::mouseClick(form->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
            });
            click(GlazForm->VerwijderMatButton);
        }
        click(GlazForm->CloseButton);
        QVERIFY(!GlazForm->isVisible());
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

// Pictures for the manual and for looking the windows over: run with
// KELVORA_SCREENSHOTS set to a folder (under a real display server).
void GlazFormTest::picturesOfEveryPage() {
    const QString folder = qEnvironmentVariable("KELVORA_SCREENSHOTS");
    if (folder.isEmpty()) QSKIP("KELVORA_SCREENSHOTS is not set");
    TestInstallation install;
    ScopedPrompter prompter;
    RunningEditor editor(prompter.recorder);
    QVERIFY(GlzDM->GlzCDS.findKey("Kegel 6 glans basis"));
    const QString names[] = {"glaz_bladeren", "glaz_grondstoffen", "glaz_omschrijving", "glaz_toegevstoffen",
                             "glaz_analyse"};
    for (int i = 0; i < GlazForm->PageControl1->count(); ++i) {
        GlazForm->PageControl1->setCurrentIndex(i);
        if (i == 1) {
            GlazForm->Basisch1CB->setChecked(true);
            click(GlazForm->BerekenButton);
            GlazForm->Basisch1CB->setChecked(false);
        }
        QTest::qWait(200);
        QVERIFY(GlazForm->grab().save(QDir(folder).filePath(names[i] + ".png")));
    }
    GlazForm->PageControl1->setCurrentWidget(GlazForm->GrondstoffenTS);
    click(GlazForm->ZoekGrondstoffenButton);
    moveLookupTo("Kaliveldspaat");
    QTest::qWait(200);
    QVERIFY(MatLkupForm->grab().save(QDir(folder).filePath("matlkup.png")));
    whenModalOpens([folder](QWidget* dialog) {
        auto* form = qobject_cast<TVerwijderMatForm*>(dialog);
        form->MatCB->setCurrentIndex(1);
        QTest::qWait(200);
        form->grab().save(QDir(folder).filePath("verwijdermat.png"));
        form->reject();
    });
    click(GlazForm->VerwijderMatButton);
}

QTEST_MAIN(GlazFormTest)
#include "tst_GlazForm.moc"
