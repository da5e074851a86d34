// SPDX-License-Identifier: GPL-3.0-or-later
// The workbench as the program wires it: the editor's pages "Batch" and
// "Chemie" after "Analyse", the batch size kept in the settings from one run
// to the next, the Stull chart from the Bestand menu and from the "Chemie"
// page, a click on a chart point choosing that glaze in the editor, and the
// two recipe tools on "Grondstoffen".
#include "GuiTestSupport.h"
#include "app/AppComposition.h"
#include "app/MainFormUnit.h"
#include "engine/GlzDMUnit.h"
#include "glaze/BatchPage.h"
#include "glaze/ChemiePage.h"
#include "glaze/GlazFormUnit.h"
#include "glaze/MengreeksFormUnit.h"
#include "glaze/ReceptZoekenFormUnit.h"
#include "glaze/ReportPrinter.h"
#include "glaze/StullChartFormUnit.h"
#include "glaze/VervangGrondstofFormUnit.h"
#include "materials/MatLkupFormUnit.h"
#include "store/View.h"
#include "widgets/DBEdit.h"

#include <QAction>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGraphicsSimpleTextItem>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScatterSeries>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

// The chemistry data beside the pretend program, as the build puts them.
void copyChemistryData(const TestInstallation& install) {
    const QDir source(QStringLiteral(KELVORA_CHEMISTRY_DATA));
    QDirIterator it(source.path(), {QStringLiteral("*.xml")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = source.relativeFilePath(file);
        if (!relative.contains(QLatin1Char('/')) && relative != QLatin1String("molar_masses.xml")) continue;
        const QString target = QDir(install.folder()).filePath(QStringLiteral("data/") + relative);
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(file, target);
    }
}

struct Running {
    explicit Running(Prompter& prompter) { startProgram(prompter); }
    ~Running() {
        if (glazForm() && glazForm()->isVisible()) glazForm()->QDialog::done(QDialog::Rejected);
        endProgram();
    }
};

void showEditor() {
    glazForm()->show();
    glazForm()->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(glazForm()));
}

QString currentGlaze() {
    return QString::fromStdString(glzDM()->GlzCDS.asText("naam"));
}

// The text of a PDF as pdftotext reads it, page by page (form feeds between).
QString pdfText(const QString& pdf) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) return {};
    QProcess convert;
    convert.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!convert.waitForFinished(20000)) return {};
    return QString::fromUtf8(convert.readAllStandardOutput());
}

QString today() {
    return QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy"));
}

// The program with the chemistry data beside it and the editor open on
// Seladon, for the tests that read back a PDF (they need pdftotext).
struct OnSeladon {
    OnSeladon() : run(prompter.recorder) {
        showEditor();
        glazForm()->showGlaze(QStringLiteral("Seladon"));
    }
    static bool canReadPdf() {
        return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
    }
    TestInstallation install;
    bool copied = (copyChemistryData(install), true);
    ScopedPrompter prompter;
    Running run;
};

} // namespace

class EditorToolsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() { QVERIFY(noUnexpectedErrorBoxes()); }

    void batchAndChemieFollowAnalyse();
    void chemieReadsTheDataBesideTheProgram();
    void batchSizeIsKeptFromRunToRun();
    void bestandMenuOpensTheChartOverTheEditor();
    void blendWindowOpensFromTheMenuAndTheChemiePage();
    void chemieButtonOpensTheChart();
    void clickingAPointMakesThatGlazeCurrent();
    void recipeToolsOpenTheirDialogs();
    void aStoredGlazeBecomesCurrent();
    void lookupListNarrowsAsThePotterTypes();
    void everyPrintedPageIsHeadedAndNumbered();
    void theBlendSheetIsHeaded();
    void analysisAndBatchSheetsNameTheirGlaze();
    void theExportedChartNamesItsPoints();
};

void EditorToolsTest::batchAndChemieFollowAnalyse() {
    TestInstallation install;
    ScopedPrompter prompter;
    Running run(prompter.recorder);
    QTabWidget* tabs = child<QTabWidget>(glazForm(), "PageControl1");
    const int analyse = tabs->indexOf(child<QWidget>(glazForm(), "AnalyseTS"));
    QVERIFY(analyse >= 0);
    QCOMPARE(tabs->tabText(analyse), QString("Analyse"));
    QCOMPARE(tabs->tabText(analyse + 1), QString("Batch"));
    QCOMPARE(tabs->widget(analyse + 1), static_cast<QWidget*>(child<BatchPage>(glazForm(), "BatchTS")));
    QCOMPARE(tabs->tabText(analyse + 2), QString("Chemie"));
    QCOMPARE(tabs->widget(analyse + 2), static_cast<QWidget*>(child<ChemiePage>(glazForm(), "ChemieTS")));
    // The test notebook's page comes last.
    QCOMPARE(tabs->tabText(analyse + 3), QString("Proeven"));
    QCOMPARE(tabs->count(), analyse + 4);
    // The batch page prints on the editor's printer.
    QCOMPARE(&child<BatchPage>(glazForm(), "BatchTS")->printer(), &glazForm()->printer());
}

void EditorToolsTest::chemieReadsTheDataBesideTheProgram() {
    TestInstallation install;
    copyChemistryData(install);
    ScopedPrompter prompter;
    Running run(prompter.recorder);
    showEditor();
    QVERIFY(glazForm()->showGlaze("Tenmoku"));
    child<QTabWidget>(glazForm(), "PageControl1")
        ->setCurrentWidget(child<ChemiePage>(glazForm(), "ChemieTS"));
    ChemiePage* page = child<ChemiePage>(glazForm(), "ChemieTS");
    QTRY_VERIFY(page->findChild<QTableView*>("OxideGrid")->model()->rowCount() > 0);
    QCOMPARE(page->findChild<QComboBox*>("ExpansionSetCB")->count(), 2);
    QVERIFY(page->figures().sio2Al2o3.value_or(0) > 0);
}

void EditorToolsTest::batchSizeIsKeptFromRunToRun() {
    TestInstallation install;
    ScopedPrompter prompter;
    {
        Running run(prompter.recorder);
        QCOMPARE(child<BatchPage>(glazForm(), "BatchTS")->batchSize(), 1000.0);
        showEditor();
        child<QDoubleSpinBox>(child<BatchPage>(glazForm(), "BatchTS"), "BatchSizeEdit")->setValue(2500);
    }
    QCOMPARE(install.settingsValue("glazform", "batchgram"), 2500);
    {
        Running run(prompter.recorder);
        QCOMPARE(child<BatchPage>(glazForm(), "BatchTS")->batchSize(), 2500.0);
    }
}

void EditorToolsTest::bestandMenuOpensTheChartOverTheEditor() {
    TestInstallation install;
    ScopedPrompter prompter;
    Running run(prompter.recorder);
    QVERIFY(!glazForm()->isVisible());
    QVERIFY(child<QMenu>(mainForm(), "BestandMenuItem")
                ->actions()
                .contains(child<QAction>(mainForm(), "StullMenuItem")));
    QCOMPARE(child<QAction>(mainForm(), "StullMenuItem")->text(), QString("Stull-diagram"));
    child<QAction>(mainForm(), "StullMenuItem")->trigger();
    QVERIFY(glazForm()->isVisible());
    TStullChartForm* chart = program()->stullChartForm();
    QVERIFY(chart);
    QVERIFY(chart->isVisible());
    QVERIFY(!chart->shownPoints().empty());
    QCOMPARE(chart->currentName(), currentGlaze());
    // Closing the editor takes the chart along.
    glazForm()->QDialog::done(QDialog::Rejected);
    QVERIFY(!chart->isVisible());
}

// "Mengreeks..." from the Bestand menu opens the blend window over the
// editor; from the Chemie page it starts from the current glaze.
void EditorToolsTest::blendWindowOpensFromTheMenuAndTheChemiePage() {
    TestInstallation install;
    ScopedPrompter prompter;
    Running run(prompter.recorder);
    QVERIFY(child<QMenu>(mainForm(), "BestandMenuItem")
                ->actions()
                .contains(child<QAction>(mainForm(), "MengreeksMenuItem")));
    child<QAction>(mainForm(), "MengreeksMenuItem")->trigger();
    QVERIFY(glazForm()->isVisible());
    QVERIFY(program()->mengreeksForm());
    QVERIFY(program()->mengreeksForm()->isVisible());
    glazForm()->QDialog::done(QDialog::Rejected);
    QVERIFY(!program()->mengreeksForm()->isVisible()); // it goes with the editor

    showEditor();
    child<QTabWidget>(glazForm(), "PageControl1")
        ->setCurrentWidget(child<ChemiePage>(glazForm(), "ChemieTS"));
    QTest::mouseClick(child<ChemiePage>(glazForm(), "ChemieTS")->findChild<QPushButton*>("MengreeksButton"),
                      Qt::LeftButton);
    QVERIFY(program()->mengreeksForm()->isVisible());
    QCOMPARE(child<QComboBox>(program()->mengreeksForm(), "HoekA")->currentText(), currentGlaze());

    // Its cells go onto the Stull chart as one series, named on hover.
    child<QComboBox>(program()->mengreeksForm(), "HoekA")->setEditText(QStringLiteral("Seladon"));
    child<QComboBox>(program()->mengreeksForm(), "HoekB")->setEditText(QStringLiteral("Tenmoku"));
    child<QPushButton>(program()->mengreeksForm(), "StullButton")->click();
    TStullChartForm* chart = program()->stullChartForm();
    QVERIFY(chart && chart->isVisible());
    QCOMPARE(chart->blendPoints().size(), std::size_t(11));
    const auto& sixth = chart->blendPoints()[5];
    QCOMPARE(chart->nameAt(QPointF(sixth.sio2, sixth.al2o3)), QStringLiteral("cel 6"));
}

void EditorToolsTest::chemieButtonOpensTheChart() {
    TestInstallation install;
    ScopedPrompter prompter;
    Running run(prompter.recorder);
    showEditor();
    QVERIFY(!program()->stullChartForm());
    child<QTabWidget>(glazForm(), "PageControl1")
        ->setCurrentWidget(child<ChemiePage>(glazForm(), "ChemieTS"));
    QTest::mouseClick(child<ChemiePage>(glazForm(), "ChemieTS")->findChild<QPushButton*>("StullButton"),
                      Qt::LeftButton);
    QVERIFY(program()->stullChartForm());
    QVERIFY(program()->stullChartForm()->isVisible());
}

void EditorToolsTest::clickingAPointMakesThatGlazeCurrent() {
    TestInstallation install;
    ScopedPrompter prompter;
    Running run(prompter.recorder);
    showEditor();
    View& glazes = glzDM()->GlzCDS;
    QVERIFY(glazes.findKey("Tenmoku"));
    const QPointF tenmoku(glazes.asNumber("sio2"), glazes.asNumber("al2o3"));
    QVERIFY(glazes.findKey("Seladon"));
    Q_EMIT glazForm()->stullChartRequested();
    TStullChartForm* chart = program()->stullChartForm();
    QVERIFY(chart);
    QVERIFY(QTest::qWaitForWindowExposed(chart));
    auto* view = chart->findChild<QChartView*>("ChartView");
    QVERIFY(view);
    QScatterSeries* others = nullptr;
    for (QAbstractSeries* s : view->chart()->series())
        if (s->name() == "Glazuren") others = qobject_cast<QScatterSeries*>(s);
    QVERIFY(others);
    const QPoint at = view->mapFromScene(view->chart()->mapToPosition(tenmoku, others));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTRY_COMPARE(currentGlaze(), QString("Tenmoku"));
    // The editor's fields show it too.
    QCOMPARE(child<ui::DBEdit>(glazForm(), "naam")->text(), QString("Tenmoku"));
}

void EditorToolsTest::recipeToolsOpenTheirDialogs() {
    TestInstallation install;
    ScopedPrompter prompter;
    Running run(prompter.recorder);
    showEditor();
    QVERIFY(glazForm()->showGlaze("Tenmoku"));
    child<QTabWidget>(glazForm(), "PageControl1")
        ->setCurrentWidget(child<QWidget>(glazForm(), "GrondstoffenTS"));
    QVERIFY(child<QPushButton>(glazForm(), "ReceptZoekenButton")->isVisible());
    QVERIFY(child<QPushButton>(glazForm(), "VervangGrondstofButton")->isVisible());

    QTest::mouseClick(child<QPushButton>(glazForm(), "ReceptZoekenButton"), Qt::LeftButton);
    QVERIFY(child<TReceptZoekenForm>(glazForm(), "ReceptZoekenForm"));
    QVERIFY(child<TReceptZoekenForm>(glazForm(), "ReceptZoekenForm")->isVisible());
    child<TReceptZoekenForm>(glazForm(), "ReceptZoekenForm")->reject();

    QTest::mouseClick(child<QPushButton>(glazForm(), "VervangGrondstofButton"), Qt::LeftButton);
    QVERIFY(child<TVervangGrondstofForm>(glazForm(), "VervangGrondstofForm"));
    QVERIFY(child<TVervangGrondstofForm>(glazForm(), "VervangGrondstofForm")->isVisible());
    // It works on the glaze the editor shows.
    QVERIFY(child<QLabel>(child<TVervangGrondstofForm>(glazForm(), "VervangGrondstofForm"), "GlazuurLabel")
                ->text()
                .contains("Tenmoku"));
    child<TVervangGrondstofForm>(glazForm(), "VervangGrondstofForm")->reject();
}

void EditorToolsTest::aStoredGlazeBecomesCurrent() {
    TestInstallation install;
    ScopedPrompter prompter;
    Running run(prompter.recorder);
    showEditor();
    QVERIFY(glazForm()->showGlaze("Tenmoku"));
    QTest::mouseClick(child<QPushButton>(glazForm(), "ReceptZoekenButton"), Qt::LeftButton);
    Q_EMIT child<TReceptZoekenForm>(glazForm(), "ReceptZoekenForm")->glazeStored("Seladon");
    QCOMPARE(currentGlaze(), QString("Seladon"));
    child<TReceptZoekenForm>(glazForm(), "ReceptZoekenForm")->reject();
    QTest::mouseClick(child<QPushButton>(glazForm(), "VervangGrondstofButton"), Qt::LeftButton);
    Q_EMIT child<TVervangGrondstofForm>(glazForm(), "VervangGrondstofForm")->glazeStored("Tenmoku");
    QCOMPARE(currentGlaze(), QString("Tenmoku"));
    child<TVervangGrondstofForm>(glazForm(), "VervangGrondstofForm")->reject();
    QVERIFY(!glazForm()->showGlaze("Geen glazuur van deze naam"));
}

// The lookup window's search field: the list shows only the names holding
// the typed text, the current material is one of them, Enter adds it; an
// empty field shows every material again.
void EditorToolsTest::lookupListNarrowsAsThePotterTypes() {
    TestInstallation install;
    ScopedPrompter prompter;
    Running run(prompter.recorder);
    showEditor();
    TMatLkupForm* lookup = matLkupForm();
    lookup->show();
    QVERIFY(QTest::qWaitForWindowExposed(lookup));
    auto* search = child<QLineEdit>(lookup, "ZoekEdit");
    QVERIFY(!search->accessibleName().isEmpty());
    QVERIFY(search->focusPolicy() & Qt::TabFocus);
    auto* list = child<QTableView>(lookup, "DBGrid1");
    const QStringList names = columnTexts(list, 0);
    QVERIFY(names.size() > 10);
    auto shownNames = [list] {
        QStringList shown;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            if (!list->isRowHidden(row)) shown << cellText(list, row, 0);
        return shown;
    };

    QTest::keyClicks(search, QStringLiteral("VELDSP"));
    QStringList expected;
    for (const QString& name : names)
        if (name.toLower().contains(QStringLiteral("veldsp"))) expected << name;
    QVERIFY(expected.size() >= 2 && expected.size() < names.size());
    QCOMPARE(shownNames(), expected);
    const QString current = QString::fromStdString(glzDM()->MatCDS.asText("naam"));
    QVERIFY2(expected.contains(current), qPrintable(current));

    QSignalSpy chosen(lookup, &TMatLkupForm::materialChosen);
    QTest::keyClick(search, Qt::Key_Return);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.front().front().toString(), current);

    // Nothing matches: nothing shown, and Enter adds nothing.
    search->clear();
    QTest::keyClicks(search, QStringLiteral("geen zulke grondstof"));
    QVERIFY(shownNames().isEmpty());
    QTest::keyClick(search, Qt::Key_Return);
    QCOMPARE(chosen.count(), 1);

    search->clear();
    QCOMPARE(shownNames(), names);
    // "Voeg toe" still adds the current material.
    QTest::mouseClick(child<QPushButton>(lookup, "VoegToebutton"), Qt::LeftButton);
    QCOMPARE(chosen.count(), 2);
    lookup->hide();
}

// Three pages of text through the one printer of the program: each page says
// what it is, the glaze and its cones, the date, and which page of how many.
void EditorToolsTest::everyPrintedPageIsHeadedAndNumbered() {
    if (!OnSeladon::canReadPdf()) QSKIP("pdftotext (poppler-utils) is not installed");
    TestInstallation install;
    Glaze glaze;
    glaze.naam = "Seladon";
    glaze.skva = "8 - 1250";
    glaze.sktt = "10 - 1300";
    std::vector<std::string> lines;
    for (int n = 1; n <= 150; ++n)
        lines.push_back("regel " + std::to_string(n));
    QPrinter printer(QPrinter::HighResolution);
    const QString pdf = QDir(install.folder()).filePath(QStringLiteral("blad.pdf"));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QVERIFY(ReportPrinter::print(printer, lines, SheetHeading::of(QStringLiteral("Batch"), glaze)));
    const QStringList pages = pdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY2(pages.size() >= 2, qPrintable(pdfText(pdf)));
    for (int p = 0; p < pages.size(); ++p) {
        const QString& page = pages[p];
        const QString first = page.trimmed().section(QLatin1Char('\n'), 0, 0);
        QVERIFY2(first.contains(QRegularExpression(
                     QStringLiteral("^Batch: Seladon +SK 8 - 1250 tot SK 10 - 1300 +%1$").arg(today()))),
                 qPrintable(first));
        const QString last = page.trimmed().section(QLatin1Char('\n'), -1);
        // pdftotext may put the foot on the row of the last text line.
        QVERIFY2(last.trimmed().endsWith(QStringLiteral("blad %1 van %2").arg(p + 1).arg(pages.size())),
                 qPrintable(last));
    }
    // Nothing lost between the pages, nothing under the heading.
    const QString all = pdfText(pdf);
    for (int n : {1, 75, 150})
        QVERIFY2(all.contains(QRegularExpression(QStringLiteral("\\bregel %1\\b").arg(n))), qPrintable(all));
    const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Millimeter);
    QVERIFY(margins.left() >= 15 && margins.top() >= 15 && margins.right() >= 15 && margins.bottom() >= 15);

    // Without a glaze the sheet still has its date and page number.
    const QString plain = QDir(install.folder()).filePath(QStringLiteral("kaal.pdf"));
    printer.setOutputFileName(plain);
    QVERIFY(ReportPrinter::print(printer, {"een regel"}));
    const QString text = pdfText(plain);
    QVERIFY2(text.contains(today()) && text.contains(QStringLiteral("blad 1 van 1")), qPrintable(text));
}

void EditorToolsTest::theBlendSheetIsHeaded() {
    if (!OnSeladon::canReadPdf()) QSKIP("pdftotext (poppler-utils) is not installed");
    OnSeladon open;
    QCOMPARE(currentGlaze(), QStringLiteral("Seladon"));
    child<QPushButton>(glazForm(), "MengreeksButton")->click();
    TMengreeksForm* blends = program()->mengreeksForm();
    QVERIFY(blends);
    child<QComboBox>(blends, "HoekB")->setEditText(QStringLiteral("Tenmoku"));
    const QString pdf = QDir(open.install.folder()).filePath(QStringLiteral("mengreeks.pdf"));
    blends->printer().setOutputFormat(QPrinter::PdfFormat);
    blends->printer().setOutputFileName(pdf);
    whenModalOpens([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    child<QPushButton>(blends, "AfdrukkenButton")->click();
    const QString text = pdfText(pdf);
    // The series started from Seladon: its cones head the sheet.
    QVERIFY2(text.contains(QRegularExpression(
                 QStringLiteral("Mengreeks.* +SK 8 - 1250 tot SK 10 - 1300 +%1").arg(today()))),
             qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("blad 1 van 1")), qPrintable(text));
}

// The exported chart says on paper which point is which glaze.
void EditorToolsTest::theExportedChartNamesItsPoints() {
    if (!OnSeladon::canReadPdf()) QSKIP("pdftotext (poppler-utils) is not installed");
    OnSeladon open;
    QCOMPARE(currentGlaze(), QStringLiteral("Seladon"));
    child<QPushButton>(glazForm(), "StullButton")->click();
    TStullChartForm* chart = program()->stullChartForm();
    QVERIFY(chart && chart->shownPoints().size() >= 3);
    const QString pdf = QDir(open.install.folder()).filePath(QStringLiteral("stull.pdf"));
    QVERIFY(chart->exportPdf(pdf));
    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(QRegularExpression(
                 QStringLiteral("Stull-diagram: Seladon +SK 8 - 1250 tot SK 10 - 1300 +%1").arg(today()))),
             qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("blad 1 van 1")), qPrintable(text));
    // Labels of points close together overlap and pdftotext then reads them
    // mixed up; those of points standing apart read back whole.
    for (const char* name : {"Tenmoku", "Kaki", "Houtas glazuur", "Dolomiet mat"})
        QVERIFY2(text.contains(QLatin1String(name)), name);
    // The labels belong to the export only: the window names a point on hover.
    for (const QGraphicsItem* item : child<QChartView>(chart, "ChartView")->scene()->items())
        if (const auto* label = dynamic_cast<const QGraphicsSimpleTextItem*>(item))
            QVERIFY2(label->text() != QStringLiteral("Seladon"), "a label stayed after the export");
}

// The analysis and the batch as printed from the editor: each sheet names
// the glaze and its cones, the date and the page.
void EditorToolsTest::analysisAndBatchSheetsNameTheirGlaze() {
    if (!OnSeladon::canReadPdf()) QSKIP("pdftotext (poppler-utils) is not installed");
    OnSeladon open;
    QCOMPARE(currentGlaze(), QStringLiteral("Seladon"));
    const QString analysis = QDir(open.install.folder()).filePath(QStringLiteral("analyse.pdf"));
    glazForm()->printer().setOutputFormat(QPrinter::PdfFormat);
    glazForm()->printer().setOutputFileName(analysis);
    whenModalOpens([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    child<QPushButton>(glazForm(), "PrintButton")->click();
    const QString analysisText = pdfText(analysis);
    QVERIFY2(analysisText.contains(QRegularExpression(
                 QStringLiteral("Analyse: Seladon +SK 8 - 1250 tot SK 10 - 1300 +%1").arg(today()))),
             qPrintable(analysisText));
    QVERIFY2(analysisText.contains(QStringLiteral("blad 1 van")), qPrintable(analysisText));

    auto* batch = child<BatchPage>(glazForm(), "BatchTS");
    const QString sheet = QDir(open.install.folder()).filePath(QStringLiteral("batch.pdf"));
    batch->printer().setOutputFormat(QPrinter::PdfFormat);
    batch->printer().setOutputFileName(sheet);
    whenModalOpens([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    child<QPushButton>(batch, "BatchPrintButton")->click();
    const QString batchText = pdfText(sheet);
    QVERIFY2(batchText.contains(QRegularExpression(
                 QStringLiteral("Batch: Seladon +SK 8 - 1250 tot SK 10 - 1300 +%1").arg(today()))),
             qPrintable(batchText));
}

QTEST_MAIN(EditorToolsTest)
#include "tst_EditorTools.moc"
