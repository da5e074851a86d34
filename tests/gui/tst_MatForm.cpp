// SPDX-License-Identifier: GPL-3.0-or-later
// The materials maintenance window as a potter uses it: entering a material
// from a supplier's percentage analysis, converting it, closing, and the
// messages, captions and keyboard order along the way.
#include "GuiTestSupport.h"
#include "LanguageWalk.h"

#include "app/GlobalFormUnit.h"
#include "app/HelpFormUnit.h"
#include "app/MainFormUnit.h"
#include "common/TranslationTable.h"
#include "engine/GlazeRecalculation.h"
#include "materials/MatFormUnit.h"
#include "store/View.h"
#include "widgets/DBComboBox.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DBMemo.h"
#include "widgets/DBNavigator.h"
#include "widgets/ErrorBox.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include <filesystem>

using namespace kelvora;
using namespace kelvora::test;
using kelvora::ui::DBNavigator;

namespace {

QStringList glazesUsing(const QString& file, const std::string& material);

// The question asked after a material's price or analysis is posted, for
// the glazes of the starter data that use it.
std::string recalcQuestion(const QString& dataFolder, const std::string& material) {
    return GlazeRecalculation::questionText(
        static_cast<int>(glazesUsing(dataFolder + "/db0991/glz.cds", material).size()));
}

const char* const kNotPercent =
    "Samenstelling is niet in procenten ingevoerd\r\nVoer percentages in en zet Mol/proc op P";
const char* const kNoBasic =
    "De som van de basische oxides is 0.\r\nKan daarom Seger formule niet afleiden uit "
    "procentuele samenstelling.";

// The program with the starter data, the materials window on screen.
struct Program {
    Program() { startProgram(prompter.recorder); }
    ~Program() {
        if (mainForm()) endProgram();
    }
    TMatForm& form() { return *matForm(); }
    void show() {
        matForm()->show();
        matForm()->activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(matForm()));
    }
    QString dataFile() const { return install.folder() + "/db0991/mat.cds"; }

    TestInstallation install;
    ScopedPrompter prompter;
};

void typeInto(QWidget* control, const QString& text) {
    control->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(control, text);
}

void press(TMatForm& f, DBNavigator::Button which) {
    QTest::mouseClick(child<ui::DBNavigator>(&f, "DBNavigator1")->button(which), Qt::LeftButton);
}

void openPage(TMatForm& f, QWidget* page) {
    QTabBar* bar = child<QTabWidget>(&f, "PageControl1")->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {},
                      bar->tabRect(child<QTabWidget>(&f, "PageControl1")->indexOf(page)).center());
    QCOMPARE(child<QTabWidget>(&f, "PageControl1")->currentWidget(), page);
}

// A new material typed in as a user does: name, entry mode, percentages.
void enterMaterial(TMatForm& f, const QString& name, const QString& molproc,
                   const std::vector<std::pair<const char*, const char*>>& percentages) {
    press(f, DBNavigator::Insert);
    typeInto(child<ui::DBEdit>(&f, "NaamEdit"), name);
    typeInto(child<ui::DBComboBox>(&f, "MolProcCB")->lineEdit(), molproc);
    openPage(f, child<QWidget>(&f, "SamenstProcTS"));
    for (const auto& [stem, value] : percentages)
        typeInto(percentEdit(f, stem), QString::fromLatin1(value));
    openPage(f, child<QWidget>(&f, "AlgemeenTS"));
}

// The stored record of a material, read from the data file as the glaze side would.
struct Stored {
    explicit Stored(const QString& file, const std::string& name) : view("check", file.toStdString()) {
        view.setIndexFieldNames("naam");
        view.open();
        found = view.findKey(name);
    }
    View view;
    bool found = false;
};

} // namespace

class MatFormTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() { QVERIFY(noUnexpectedErrorBoxes()); }

    void percentageAnalysisConvertedShownAndStored();
    void conversionRefusalsChangeNothing_data();
    void conversionRefusalsChangeNothing();
    void textThatIsNoNumberIsReportedAndNothingElseIsLost();
    void closingWithUnpostedChangesAsks_data();
    void closingWithUnpostedChangesAsks();
    void failedPostOnClosingKeepsTheWindowOpen();
    void closingWithoutChangesDoesNotRewriteTheFile();
    void postedWorkIsOnDiskWhileTheWindowStaysOpen();
    void cancellingTheCloseQuestionKeepsTheTypedText();
    void captionsFollowTheLanguageBetweenShows();
    void keyboardWalksTheCommonOxidesFirst();
    void layoutOfTheAnalysisPages();
    void helpOpensBesideTheWindow();
    void picturesOfEveryPage();
    void renameFollowsIntoTheGlazes_data();
    void renameFollowsIntoTheGlazes();
    void percentagePageShowsTheImpliedLoss();
    void aSecondMaterialOfTheSameNameIsAskedAbout_data();
    void aSecondMaterialOfTheSameNameIsAskedAbout();
};

void MatFormTest::percentageAnalysisConvertedShownAndStored() {
    Program p;
    p.show();
    TMatForm& f = p.form();
    QVERIFY(f.MatCDS.active());
    QVERIFY(!f.MatCDS.logChanges());
    const int before = f.MatCDS.recordCount();

    // A supplier's potash feldspar: K2O 16.9, Al2O3 18.4, SiO2 64.7 percent.
    // The molar fields it will overwrite hold something beforehand.
    enterMaterial(f, "Veldspaat leverancier", "P", {{"k2o", "16.9"}, {"al2o3", "18.4"}, {"sio2", "64.7"}});
    typeInto(molarEdit(f, "cao"), "0.5");
    QTest::mouseClick(child<QPushButton>(&f, "Proc2MolButton"), Qt::LeftButton);

    QVERIFY(p.prompter.recorder.entries.empty());
    QCOMPARE(f.MatCDS.state(), ViewState::Browse);
    QCOMPARE(f.MatCDS.recordCount(), before + 1);
    QCOMPARE(child<ui::DBEdit>(&f, "NaamEdit")->text(), QStringLiteral("Veldspaat leverancier"));
    QCOMPARE(molarEdit(f, "k2o")->text(), QStringLiteral("1"));
    QCOMPARE(molarEdit(f, "al2o3")->text(), QStringLiteral("1.005"));
    QCOMPARE(molarEdit(f, "sio2")->text(), QStringLiteral("6.001"));
    QCOMPARE(child<ui::DBEdit>(&f, "MolgewichtEdit")->text(), QStringLiteral("557.4"));
    QCOMPARE(molarEdit(f, "cao")->text(), QStringLiteral("0"));
    QCOMPARE(child<ui::DBComboBox>(&f, "MolProcCB")->currentText(), QStringLiteral("P"));
    QCOMPARE(percentEdit(f, "k2o")->text(), QStringLiteral("16.9"));
    // The list shows the new material, selected.
    QCOMPARE(child<ui::DBGrid>(&f, "DBGrid1")->currentIndex().data().toString(),
             QStringLiteral("Veldspaat leverancier"));

    // Closing writes the table; the glaze side reads the new material from it.
    QTest::mouseClick(child<QPushButton>(&f, "CloseButton"), Qt::LeftButton);
    QVERIFY(!f.isVisible());
    QVERIFY(!f.MatCDS.active());
    Stored stored(p.dataFile(), "Veldspaat leverancier");
    QVERIFY(stored.found);
    QCOMPARE(stored.view.asNumber("k2o"), 1.0);
    QVERIFY(qAbs(stored.view.asNumber("al2o3") - 1.005499) < 5e-7);
    QVERIFY(qAbs(stored.view.asNumber("sio2") - 6.000591) < 5e-7);
    QVERIFY(qAbs(stored.view.asNumber("molg") - 557.3964) < 5e-5);
    QCOMPARE(stored.view.asNumber("cao"), 0.0);
    QCOMPARE(stored.view.asText("molproc"), std::string("P"));
    QCOMPARE(stored.view.asNumber("sio2proc"), 64.7);
    QCOMPARE(stored.view.recordCount(), before + 1);
}

void MatFormTest::conversionRefusalsChangeNothing_data() {
    QTest::addColumn<QString>("molproc");
    QTest::addColumn<QString>("oxide");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<QString>("message");
    QTest::newRow("entered as mols") << "M"
                                     << "cao"
                                     << "56" << kNotPercent;
    QTest::newRow("mode left empty") << ""
                                     << "cao"
                                     << "56" << kNotPercent;
    QTest::newRow("no oxide at all") << "P"
                                     << "al2o3"
                                     << "0" << kNoBasic;
}

void MatFormTest::conversionRefusalsChangeNothing() {
    QFETCH(QString, molproc);
    QFETCH(QString, oxide);
    QFETCH(QString, percent);
    QFETCH(QString, message);
    Program p;
    p.show();
    TMatForm& f = p.form();
    enterMaterial(f, "Proef", molproc, {{oxide.toLatin1().constData(), percent.toLatin1().constData()}});
    typeInto(child<ui::DBEdit>(&f, "MolgewichtEdit"), "123");
    press(f, DBNavigator::Post);
    QTest::mouseClick(child<QPushButton>(&f, "Proc2MolButton"), Qt::LeftButton);

    QCOMPARE(p.prompter.recorder.texts(), std::vector<std::string>{message.toStdString()});
    QCOMPARE(p.prompter.recorder.entries[0].kind, RecordingPrompter::Kind::Message);
    QCOMPARE(f.MatCDS.state(), ViewState::Browse);
    QCOMPARE(child<ui::DBEdit>(&f, "MolgewichtEdit")->text(), QStringLiteral("123"));
    QCOMPARE(molarEdit(f, oxide.toStdString())->text(), QString());
    QCOMPARE(f.MatCDS.asText("naam"), std::string("Proef"));
}

void MatFormTest::textThatIsNoNumberIsReportedAndNothingElseIsLost() {
    Program p;
    p.show();
    TMatForm& f = p.form();
    ui::ErrorBoxCapture errors;
    QVERIFY(f.MatCDS.findKey("Krijt"));
    typeInto(child<ui::DBEdit>(&f, "NaamEdit"), "Krijt fijn");
    openPage(f, child<QWidget>(&f, "OmschrijvingTS"));
    typeInto(child<ui::DBEdit>(&f, "LeverancierEdit"), "Kleihandel Noord");
    openPage(f, child<QWidget>(&f, "AlgemeenTS"));
    typeInto(child<ui::DBEdit>(&f, "PrijsEdit"), "1,2,3");
    press(f, DBNavigator::Post);

    QCOMPARE(errors.shown.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(errors.shown[0]),
             QStringLiteral("'1,2,3' is not a valid floating point value for field 'prys'"));
    QCOMPARE(f.MatCDS.state(), ViewState::Edit);
    QCOMPARE(child<ui::DBEdit>(&f, "PrijsEdit")->text(), QStringLiteral("1,2,3"));
    QCOMPARE(child<ui::DBEdit>(&f, "NaamEdit")->text(), QStringLiteral("Krijt fijn"));
    QCOMPARE(child<ui::DBEdit>(&f, "LeverancierEdit")->text(), QStringLiteral("Kleihandel Noord"));

    typeInto(child<ui::DBEdit>(&f, "PrijsEdit"), "0.75");
    press(f, DBNavigator::Post);
    QCOMPARE(errors.shown.size(), std::size_t(1));
    QCOMPARE(f.MatCDS.asText("naam"), std::string("Krijt fijn"));
    QCOMPARE(f.MatCDS.asText("levr"), std::string("Kleihandel Noord"));
    QCOMPARE(f.MatCDS.asNumber("prys"), 0.75);
    QCOMPARE(f.MatCDS.asNumber("molg"), 100.09); // untouched
}

void MatFormTest::closingWithUnpostedChangesAsks_data() {
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("stored");
    QTest::newRow("Yes posts") << true << true;
    QTest::newRow("No drops") << false << false;
}

void MatFormTest::closingWithUnpostedChangesAsks() {
    QFETCH(bool, answer);
    QFETCH(bool, stored);
    Program p;
    p.show();
    TMatForm& f = p.form();
    QVERIFY(f.MatCDS.findKey("Kwarts"));
    typeInto(child<ui::DBEdit>(&f, "PrijsEdit"), "0.99"); // still in the control, not even in the field
    p.prompter.recorder.answerNextQuestion(answer ? Prompter::Answer::Yes : Prompter::Answer::No);
    QTest::mouseClick(child<QPushButton>(&f, "CloseButton"), Qt::LeftButton);

    QCOMPARE(p.prompter.recorder.texts(), std::vector<std::string>{TMatForm::SaveQuestion});
    QCOMPARE(p.prompter.recorder.entries[0].kind, RecordingPrompter::Kind::Ask);
    QVERIFY(!f.isVisible());
    // A posted price asks whether the glazes that use the material follow.
    QCoreApplication::processEvents();
    std::vector<std::string> asked{TMatForm::SaveQuestion};
    if (stored) asked.push_back(recalcQuestion(p.install.folder(), "Kwarts"));
    QCOMPARE(p.prompter.recorder.texts(), asked);
    Stored kwarts(p.dataFile(), "Kwarts");
    QVERIFY(kwarts.found);
    QCOMPARE(kwarts.view.asNumber("prys") == 0.99, stored);

    // Showing the window again shows the stored value.
    p.prompter.recorder.clear();
    p.show();
    QVERIFY(f.MatCDS.findKey("Kwarts"));
    QCOMPARE(child<ui::DBEdit>(&f, "PrijsEdit")->text() == QStringLiteral("0.99"), stored);
    QTest::mouseClick(child<QPushButton>(&f, "CloseButton"), Qt::LeftButton);
    QVERIFY(p.prompter.recorder.entries.empty()); // nothing pending: no question
}

void MatFormTest::failedPostOnClosingKeepsTheWindowOpen() {
    Program p;
    p.show();
    TMatForm& f = p.form();
    ui::ErrorBoxCapture errors;
    QVERIFY(f.MatCDS.findKey("Talk"));
    typeInto(child<ui::DBEdit>(&f, "NaamEdit"), "Talk 325");
    typeInto(child<ui::DBEdit>(&f, "PrijsEdit"), "duur");
    p.prompter.recorder.answerNextQuestion(Prompter::Answer::Yes);
    QTest::mouseClick(child<QPushButton>(&f, "CloseButton"), Qt::LeftButton);
    QCOMPARE(errors.shown.size(), std::size_t(1));
    QVERIFY(f.isVisible());
    QCOMPARE(child<ui::DBEdit>(&f, "NaamEdit")->text(), QStringLiteral("Talk 325"));
    QCOMPARE(child<ui::DBEdit>(&f, "PrijsEdit")->text(), QStringLiteral("duur"));
    QVERIFY(f.MatCDS.active());
    // Corrected, the window closes with the change stored.
    typeInto(child<ui::DBEdit>(&f, "PrijsEdit"), "1.4");
    p.prompter.recorder.answerNextQuestion(Prompter::Answer::Yes);
    QTest::mouseClick(child<QPushButton>(&f, "CloseButton"), Qt::LeftButton);
    QVERIFY(!f.isVisible());
    Stored talk(p.dataFile(), "Talk 325");
    QVERIFY(talk.found);
    QCOMPARE(talk.view.asNumber("prys"), 1.4);
}

void MatFormTest::closingWithoutChangesDoesNotRewriteTheFile() {
    Program p;
    const std::filesystem::path file = p.dataFile().toStdString();
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24 * 400);
    std::filesystem::last_write_time(file, old);
    p.show();
    TMatForm& f = p.form();
    // Looking around and starting an edit that changes nothing writes nothing.
    press(f, DBNavigator::Next);
    press(f, DBNavigator::Last);
    press(f, DBNavigator::Insert);
    QTest::mouseClick(child<QPushButton>(&f, "CloseButton"), Qt::LeftButton);
    QVERIFY(!f.isVisible());
    QVERIFY(p.prompter.recorder.entries.empty());
    QCOMPARE(std::filesystem::last_write_time(file), old);
}

void MatFormTest::captionsFollowTheLanguageBetweenShows() {
    Program p;
    TMatForm& f = p.form();
    p.show();
    QCOMPARE(f.windowTitle(), QStringLiteral("Onderhoud grondstoffen"));
    QTest::mouseClick(child<QPushButton>(&f, "CloseButton"), Qt::LeftButton);

    QVERIFY(switchLanguage(TaalGerman)); // switched while the window is hidden
    QCoreApplication::processEvents();   // the LanguageChange events Qt posts
    p.show();
    // The German captions the program has always had.
    QCOMPARE(f.windowTitle(), QStringLiteral("Unterhalt Rohstoffe"));
    QCOMPARE(child<QTabWidget>(&f, "PageControl1")->tabText(0), QStringLiteral("Allgemein"));
    QCOMPARE(child<QTabWidget>(&f, "PageControl1")->tabText(1), QStringLiteral("Umschreibung"));
    QCOMPARE(child<QTabWidget>(&f, "PageControl1")->tabText(2), QStringLiteral("Zusammenst. %"));
    QCOMPARE(child<QLabel>(&f, "PrijsLbl")->text(), QStringLiteral("Preis"));
    QCOMPARE(child<QLabel>(&f, "MolgewichtLbl")->text(), QStringLiteral("Molgewicht"));
    QCOMPARE(child<QLabel>(&f, "BeschikbaarLbl")->text(), QStringLiteral("Verfuegbar"));
    // The German catalogue goes beyond those captions.
    QCOMPARE(child<QLabel>(&f, "MolProcLbl")->text(), QStringLiteral("Mol/Proz"));
    QCOMPARE(child<QLabel>(&f, "LeverancierLbl")->text(), QStringLiteral("Lieferant"));
    QCOMPARE(child<QPushButton>(&f, "Proc2MolButton")->text(), QStringLiteral("% ==> Mol"));
    QTest::mouseClick(child<QPushButton>(&f, "CloseButton"), Qt::LeftButton);

    QVERIFY(switchLanguage(TaalDutch));
    QCoreApplication::processEvents();
    p.show();
    QCOMPARE(f.windowTitle(), QStringLiteral("Onderhoud grondstoffen"));
    QCOMPARE(child<QLabel>(&f, "PrijsLbl")->text(), QStringLiteral("Prijs"));
    QCOMPARE(child<QLabel>(&f, "NaamLbl")->text(), QStringLiteral("Naam"));
    QCOMPARE(child<QLabel>(&f, "LeverancierLbl")->text(), QStringLiteral("Leverancier"));
    QTest::mouseClick(child<QPushButton>(&f, "CloseButton"), Qt::LeftButton);
}

void MatFormTest::keyboardWalksTheCommonOxidesFirst() {
    Program p;
    p.show();
    TMatForm& f = p.form();
    const QStringList expected = {
        "PrijsEdit", "MolgewichtEdit", "MolProcCB",     "BeschikbaarCB", "li2oEdit", "na2oEdit",  "k2oEdit",
        "baoEdit",   "znoEdit",        "pboEdit",       "caoEdit",       "mgoEdit",  "b2o3Edit",  "al2o3Edit",
        "sio2Edit",  "geo2Edit",       "tio2Edit",      "zro2Edit",      "sno2Edit", "sroEdit",   "feoEdit",
        "cooEdit",   "cuoEdit",        "nioEdit",       "mnoEdit",       "beoEdit",  "as2o3Edit", "sb2o3Edit",
        "fe2o3Edit", "bi2o3Edit",      "mn2o3Edit",     "cr2o3Edit",     "v2o5Edit", "mno2Edit",  "p2o5Edit",
        "as2o5Edit", "sb2o5Edit",      "Proc2MolButton"};
    child<ui::DBEdit>(&f, "PrijsEdit")->setFocus(Qt::MouseFocusReason);
    QStringList walked;
    for (int i = 0; i < expected.size(); ++i) {
        QWidget* w = QApplication::focusWidget();
        // The editable drop-downs hold the focus in their line edit.
        while (w && w->objectName().isEmpty())
            w = w->parentWidget();
        walked << (w ? w->objectName() : QString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(walked, expected);

    // The percentage page follows the same oxide order.
    openPage(f, child<QWidget>(&f, "SamenstProcTS"));
    percentEdit(f, "mgo")->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), percentEdit(f, "b2o3"));
    percentEdit(f, "sno2")->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), percentEdit(f, "sro"));
    QCOMPARE(f.MatCDS.state(), ViewState::Browse); // walking is not editing
}

void MatFormTest::layoutOfTheAnalysisPages() {
    Program p;
    p.show();
    TMatForm& f = p.form();
    QCOMPARE(f.size(), QSize(701, 542));
    QCOMPARE(child<QTabWidget>(&f, "PageControl1")->currentWidget(), child<QWidget>(&f, "AlgemeenTS"));
    QVERIFY(child<ui::DBGrid>(&f, "DBGrid1")->columnWidth(0) >=
            140); // at least as designed; wider for long names
    QCOMPARE(child<QPushButton>(&f, "Proc2MolButton")->toolTip(), QString::fromUtf8(TMatForm::Proc2MolHint));
    const QColor tooltip = f.palette().color(QPalette::ToolTipBase);
    const QColor normal = f.palette().color(QPalette::Base);
    QVERIFY(tooltip != normal);
    // Three columns, rows 24 pixels apart, the less common oxides tinted.
    struct Cell {
        const char* stem;
        int column;
        int row;
        bool uncommon;
    };
    const Cell cells[] = {{"li2o", 0, 0, false}, {"mgo", 0, 7, false},  {"sro", 0, 8, true},
                          {"beo", 0, 14, true},  {"b2o3", 1, 0, false}, {"al2o3", 1, 1, false},
                          {"as2o3", 1, 2, true}, {"v2o5", 1, 8, true},  {"sio2", 2, 0, false},
                          {"geo2", 2, 1, false}, {"sno2", 2, 4, false}, {"mno2", 2, 5, true},
                          {"sb2o5", 2, 8, true}};
    for (ui::DBEdit* (*edit)(const TMatForm&, std::string_view) : {&molarEdit, &percentEdit}) {
        // A page is laid out when it is shown.
        child<QTabWidget>(&f, "PageControl1")->setCurrentWidget(edit(f, "li2o")->parentWidget());
        QCoreApplication::processEvents();
        const int top = edit(f, "li2o")->geometry().top();
        const int columnLeft[] = {edit(f, "li2o")->x(), edit(f, "b2o3")->x(), edit(f, "sio2")->x()};
        QVERIFY(columnLeft[0] + edit(f, "li2o")->width() < columnLeft[1]);
        QVERIFY(columnLeft[1] + edit(f, "b2o3")->width() < columnLeft[2]);
        for (const Cell& c : cells) {
            ui::DBEdit* e = edit(f, c.stem);
            QVERIFY2(e, c.stem);
            QCOMPARE(e->geometry().top() - top, 24 * c.row);
            QCOMPARE(e->x(), columnLeft[c.column]);
            QCOMPARE(e->palette().color(QPalette::Base), c.uncommon ? tooltip : normal);
            QVERIFY(e->font().bold());
            QVERIFY(e->geometry().bottom() < e->parentWidget()->height()); // nothing cut off
        }
    }
    // A real material shows its values in the display formats.
    QVERIFY(f.MatCDS.findKey("Orthoklaas"));
    child<ui::DBEdit>(&f, "NaamEdit")->setFocus(Qt::OtherFocusReason);
    QCOMPARE(molarEdit(f, "sio2")->text(), QStringLiteral("6"));
    QCOMPARE(child<ui::DBEdit>(&f, "MolgewichtEdit")->text(), QStringLiteral("556.65"));
}

void MatFormTest::helpOpensBesideTheWindow() {
    Program p;
    p.show();
    TMatForm& f = p.form();
    QTest::mouseClick(child<QPushButton>(&f, "HelpButton"), Qt::LeftButton);
    QVERIFY(helpForm()->isVisible());
    QVERIFY(f.isVisible());
    helpForm()->hide();
}

// Pictures for the manual and for looking the window over: run with
// KELVORA_SCREENSHOTS set to a folder (under a real display server).
void MatFormTest::picturesOfEveryPage() {
    const QString folder = qEnvironmentVariable("KELVORA_SCREENSHOTS");
    if (folder.isEmpty()) QSKIP("KELVORA_SCREENSHOTS is not set");
    Program p;
    p.show();
    TMatForm& f = p.form();
    enterMaterial(f, "Veldspaat leverancier", "P", {{"k2o", "16.9"}, {"al2o3", "18.4"}, {"sio2", "64.7"}});
    typeInto(child<ui::DBComboBox>(&f, "BeschikbaarCB")->lineEdit(), "J");
    openPage(f, child<QWidget>(&f, "OmschrijvingTS"));
    typeInto(child<ui::DBEdit>(&f, "LeverancierEdit"), "Keramiekgroothandel");
    typeInto(child<ui::DBMemo>(&f, "OmschrijvingMemo"),
             "Kaliveldspaat volgens de analyse van de leverancier.");
    openPage(f, child<QWidget>(&f, "AlgemeenTS"));
    QTest::mouseClick(child<QPushButton>(&f, "Proc2MolButton"), Qt::LeftButton);
    child<ui::DBEdit>(&f, "NaamEdit")->setFocus(Qt::OtherFocusReason);
    const char* names[] = {"mat_algemeen", "mat_omschrijving", "mat_samenstproc"};
    for (int i = 0; i < child<QTabWidget>(&f, "PageControl1")->count(); ++i) {
        child<QTabWidget>(&f, "PageControl1")->setCurrentIndex(i);
        QTest::qWait(200);
        QVERIFY(f.grab().save(QDir(folder).filePath(QString::fromLatin1(names[i]) + ".png")));
    }
}

void MatFormTest::postedWorkIsOnDiskWhileTheWindowStaysOpen() {
    Program p;
    p.show();
    TMatForm& f = p.form();
    QVERIFY(f.MatCDS.findKey("Kwarts"));
    typeInto(child<ui::DBEdit>(&f, "PrijsEdit"), "0.99");
    press(f, DBNavigator::Post); // the ✓ button
    QTRY_VERIFY([&] {
        Stored kwarts(p.dataFile(), "Kwarts");
        return kwarts.found && kwarts.view.asNumber("prys") == 0.99;
    }());
    QVERIFY(f.isVisible());

    p.prompter.recorder.answerNext(true);
    press(f, DBNavigator::Delete);
    QTRY_VERIFY(!Stored(p.dataFile(), "Kwarts").found);
    QVERIFY(f.isVisible());
    // The new price first offers to recalculate the glazes (No, unanswered).
    QCOMPARE(p.prompter.recorder.texts(),
             (std::vector<std::string>{recalcQuestion(p.install.folder(), "Kwarts"),
                                       "Wilt U dit record verwijderen?"}));
}

void MatFormTest::cancellingTheCloseQuestionKeepsTheTypedText() {
    Program p;
    p.show();
    TMatForm& f = p.form();
    QVERIFY(f.MatCDS.findKey("Kwarts"));
    typeInto(child<ui::DBEdit>(&f, "PrijsEdit"), "0.99");
    p.prompter.recorder.answerNextQuestion(Prompter::Answer::Cancel);
    QTest::mouseClick(child<QPushButton>(&f, "CloseButton"), Qt::LeftButton);
    QCOMPARE(p.prompter.recorder.texts(), std::vector<std::string>{TMatForm::SaveQuestion});
    QVERIFY(f.isVisible());
    QCOMPARE(child<ui::DBEdit>(&f, "PrijsEdit")->text(), QStringLiteral("0.99"));
    QVERIFY(f.MatCDS.active());
    QVERIFY(f.MatCDS.state() == ViewState::Edit);
    // Escape in the description is no request to close either.
    child<QTabWidget>(&f, "PageControl1")->setCurrentWidget(child<QWidget>(&f, "OmschrijvingTS"));
    child<ui::DBMemo>(&f, "OmschrijvingMemo")->setFocus();
    QTest::keyClick(child<ui::DBMemo>(&f, "OmschrijvingMemo"), Qt::Key_Escape);
    QVERIFY(f.isVisible());
    QCOMPARE(p.prompter.recorder.entries.size(), std::size_t(1));
}

namespace {

// The glazes of a glazes file that name `material` in a recipe or addition slot.
QStringList glazesUsing(const QString& file, const std::string& material) {
    View glazes("check", file.toStdString());
    glazes.open();
    QStringList names;
    for (glazes.first(); !glazes.eof(); glazes.next()) {
        bool uses = false;
        for (int i = 1; i <= 12; ++i)
            uses = uses || glazes.asText("mat" + std::to_string(i)) == material;
        for (int i = 1; i <= 5; ++i)
            uses = uses || glazes.asText("tvs" + std::to_string(i)) == material;
        if (uses) names << QString::fromStdString(glazes.asText("naam"));
        if (glazes.recNo() + 1 >= glazes.recordCount()) break;
    }
    return names;
}

QByteArray bytesOf(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

void MatFormTest::renameFollowsIntoTheGlazes_data() {
    QTest::addColumn<bool>("answer");
    QTest::newRow("Ja renames in the recipes") << true;
    QTest::newRow("Nee renames only the material") << false;
}

void MatFormTest::renameFollowsIntoTheGlazes() {
    QFETCH(bool, answer);
    Program p;
    const QString glazesFile = p.install.folder() + "/db0991/glz.cds";
    const QStringList users = glazesUsing(glazesFile, "Kaliveldspaat");
    QVERIFY(!users.isEmpty());
    const QByteArray before = bytesOf(glazesFile);
    p.show();
    TMatForm& f = p.form();
    QVERIFY(f.MatCDS.findKey("Kaliveldspaat"));
    typeInto(child<ui::DBEdit>(&f, "NaamEdit"), "Kaliveldspaat K11");
    p.prompter.recorder.answerNext(answer);
    press(f, DBNavigator::Post);

    const std::string question = "Ook de glazuren die deze grondstof gebruiken aanpassen? (" +
                                 std::to_string(users.size()) + " glazuren)";
    QTRY_COMPARE(p.prompter.recorder.texts(), std::vector<std::string>{question});
    QCOMPARE(p.prompter.recorder.entries[0].kind, RecordingPrompter::Kind::Confirm);
    QTRY_VERIFY(Stored(p.dataFile(), "Kaliveldspaat K11").found);
    if (answer) {
        QCOMPARE(glazesUsing(glazesFile, "Kaliveldspaat K11"), users);
        QVERIFY(glazesUsing(glazesFile, "Kaliveldspaat").isEmpty());
    } else {
        QCOMPARE(bytesOf(glazesFile), before);
    }

    // Changing the price asks no rename, only whether the glazes that use
    // the material under its new name are to be recalculated.
    p.prompter.recorder.clear();
    typeInto(child<ui::DBEdit>(&f, "PrijsEdit"), "2.5");
    press(f, DBNavigator::Post);
    QCoreApplication::processEvents();
    if (answer)
        QCOMPARE(p.prompter.recorder.texts(),
                 std::vector<std::string>{recalcQuestion(p.install.folder(), "Kaliveldspaat K11")});
    else
        QVERIFY(p.prompter.recorder.entries.empty());
}

void MatFormTest::percentagePageShowsTheImpliedLoss() {
    Program p;
    p.show();
    TMatForm& f = p.form();
    // Oxides adding up to 88.2 % leave 11.8 % for the loss on ignition.
    enterMaterial(f, "Klei met gloeiverlies", "P", {{"al2o3", "30"}, {"sio2", "58.2"}});
    openPage(f, child<QWidget>(&f, "SamenstProcTS"));
    QVERIFY(child<QLabel>(&f, "GloeiverliesLbl")->isVisible());
    QCOMPARE(child<QLabel>(&f, "GloeiverliesLbl")->text(), QStringLiteral("Gloeiverlies: 11.8 %"));
    // Follows the percentages as they change.
    typeInto(percentEdit(f, "k2o"), "1.8");
    percentEdit(f, "na2o")->setFocus(Qt::TabFocusReason);
    QCOMPARE(child<QLabel>(&f, "GloeiverliesLbl")->text(), QStringLiteral("Gloeiverlies: 10 %"));
    typeInto(percentEdit(f, "sio2"), "70");
    percentEdit(f, "na2o")->setFocus(Qt::TabFocusReason);
    QCOMPARE(child<QLabel>(&f, "GloeiverliesLbl")->text(), QStringLiteral("Gloeiverlies: 0 %"));
}

void MatFormTest::aSecondMaterialOfTheSameNameIsAskedAbout_data() {
    QTest::addColumn<bool>("answer");
    QTest::newRow("Nee") << false;
    QTest::newRow("Ja") << true;
}

// A material named as an existing one (case and blanks aside), new or
// renamed, is asked about when posted; Nee keeps the edit open and unposted.
void MatFormTest::aSecondMaterialOfTheSameNameIsAskedAbout() {
    QFETCH(bool, answer);
    Program p;
    p.show();
    TMatForm& f = p.form();
    const int count = f.MatCDS.recordCount();
    press(f, DBNavigator::Insert);
    typeInto(child<ui::DBEdit>(&f, "NaamEdit"), QStringLiteral("KWARTS "));
    p.prompter.recorder.answerNext(answer);
    press(f, DBNavigator::Post);
    QCOMPARE(p.prompter.recorder.texts(),
             std::vector<std::string>{"Er bestaat al een grondstof 'Kwarts'. Toch bewaren?"});
    QCOMPARE(f.MatCDS.state(), answer ? ViewState::Browse : ViewState::Insert);
    if (!answer) {
        QCOMPARE(child<ui::DBEdit>(&f, "NaamEdit")->text(), QStringLiteral("KWARTS "));
        press(f, DBNavigator::Cancel);
    }
    QCOMPARE(f.MatCDS.recordCount(), count + (answer ? 1 : 0));
    QTRY_COMPARE(Stored(p.dataFile(), "KWARTS ").found, answer);

    if (answer) return;
    // Renaming another material to an existing name is asked about too.
    p.prompter.recorder.clear();
    QVERIFY(f.MatCDS.findKey("Krijt"));
    typeInto(child<ui::DBEdit>(&f, "NaamEdit"), QStringLiteral("kwarts"));
    p.prompter.recorder.answerNext(false);
    press(f, DBNavigator::Post);
    QCOMPARE(p.prompter.recorder.texts(),
             std::vector<std::string>{"Er bestaat al een grondstof 'Kwarts'. Toch bewaren?"});
    QCOMPARE(f.MatCDS.state(), ViewState::Edit);
    press(f, DBNavigator::Cancel);
    QCOMPARE(f.MatCDS.asText("naam"), std::string("Krijt"));
}

QTEST_MAIN(MatFormTest)
#include "tst_MatForm.moc"
