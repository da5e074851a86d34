// SPDX-License-Identifier: GPL-3.0-or-later
// The potter's workbench on the starter glazes in a throw-away installation:
// the batch page follows the recipe and the batch size and prints its sheet,
// the chemistry page marks values outside the limits of the glaze's cones,
// and the Stull chart places every calculated glaze and picks one by a click.
#include "GuiTestSupport.h"

#include "common/NumberFormat.h"
#include "engine/GlzDMUnit.h"
#include "glaze/BatchPage.h"
#include "glaze/ChemiePage.h"
#include "glaze/StullChartFormUnit.h"
#include "store/View.h"

#include <QAreaSeries>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QProcess>
#include <QPushButton>
#include <QScatterSeries>
#include <QStandardPaths>
#include <QTableView>
#include <QToolTip>
#include <QtTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

// The starter tables opened through the data module, as the editor has them.
struct OpenTables {
    ScopedPrompter prompter;
    TGlzDM dm;
    explicit OpenTables(const TestInstallation& install)
        : dm(prompter.recorder, QDir(install.folder()).filePath("db0991").toStdString()) {
        dm.OpenTables();
    }
    ~OpenTables() { dm.CloseTables(); }
};

QString grams(double value) {
    return QString::fromStdString(numfmt::formatFixed(value, 1));
}

QStringList column(const QAbstractItemView* grid, int c) {
    return columnTexts(grid, c);
}

QBrush foreground(const QAbstractItemView* grid, int row, int column) {
    return grid->model()->index(row, column).data(Qt::ForegroundRole).value<QBrush>();
}

QChartView* chartView(TStullChartForm& form) {
    return form.findChild<QChartView*>("ChartView");
}

QAbstractSeries* anySeries(TStullChartForm& form, const QString& name) {
    for (QAbstractSeries* s : chartView(form)->chart()->series())
        if (s->name() == name) return s;
    return nullptr;
}

QScatterSeries* series(TStullChartForm& form, const QString& name) {
    return qobject_cast<QScatterSeries*>(anySeries(form, name));
}

} // namespace

class WorkbenchTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() { QVERIFY(noUnexpectedErrorBoxes()); }

    void batchPageFollowsRecipeAndSize();
    void batchPagePrintsItsSheet();
    void chemiePageMarksValuesOutsideTheLimits();
    void chemiePageSwitchesExpansionFactors();
    void chemiePagePlacesTheGlazeAndQuestionsTheEstimate();
    void stullChartPlacesEveryCalculatedGlaze();
    void stullChartFiltersByCategory();
    void clickingAPointChoosesThatGlaze();
    void stullChartExportsPngAndPdf();
    void stullChartPaintsItsDataFileAndGuideLines();
};

void WorkbenchTest::batchPageFollowsRecipeAndSize() {
    TestInstallation install;
    OpenTables tables(install);
    QVERIFY(tables.dm.GlzCDS.findKey("Seladon"));
    BatchPage page(tables.dm.GlzCDS, tables.dm.MatCDS, 1000);
    page.show();
    QCOMPARE(column(child<QTableView>(&page, "BatchGrid"), 0),
             QStringList({"Kaliveldspaat", "Kwarts", "Krijt", "Kaolien", "+ Rood ijzeroxide"}));
    QCOMPARE(column(child<QTableView>(&page, "BatchGrid"), 2),
             QStringList({grams(350), grams(350), grams(180), grams(120), grams(15)}));
    QCOMPARE(child<QLabel>(&page, "TotaalLbl")->text(), "Totaal: " + grams(1015) + " g");

    // A new size typed into the field: every row follows, and the editor hears of it.
    QSignalSpy sizes(&page, &BatchPage::batchSizeChanged);
    child<QDoubleSpinBox>(&page, "BatchSizeEdit")->selectAll();
    QTest::keyClicks(child<QDoubleSpinBox>(&page, "BatchSizeEdit"), "2500");
    QCOMPARE(sizes.last().at(0).toDouble(), 2500.0);
    QCOMPARE(column(child<QTableView>(&page, "BatchGrid"), 2),
             QStringList({grams(875), grams(875), grams(450), grams(300), grams(37.5)}));
    // (35 x 1.20 + 35 x 0.55 + 18 x 0.60 + 12 x 0.85 + 1.5 x 4.00) / 101.5 per kg, for 2.5375 kg.
    QCOMPARE(child<QLabel>(&page, "KostprijsLbl")->text(),
             "Kostprijs: " + QString::fromStdString(numfmt::formatFixed(2.20625, 2)));

    // A changed recipe shows at once, brought to 100 %: whiting 10 of 92 parts.
    tables.dm.GlzCDS.edit();
    tables.dm.GlzCDS.setNumber("mtp3", 10);
    tables.dm.GlzCDS.post();
    QTRY_COMPARE(cellText(child<QTableView>(&page, "BatchGrid"), 2, 2), grams(2500.0 * 10 / 92));
    // Another glaze made current: its recipe.
    QVERIFY(tables.dm.GlzCDS.findKey("Zink mat"));
    QTRY_COMPARE(cellText(child<QTableView>(&page, "BatchGrid"), 0, 0), QString("Kaliveldspaat"));
    QTRY_COMPARE(cellText(child<QTableView>(&page, "BatchGrid"), 1, 0), QString("Zinkoxide"));
}

void WorkbenchTest::batchPagePrintsItsSheet() {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
    TestInstallation install;
    OpenTables tables(install);
    QVERIFY(tables.dm.GlzCDS.findKey("Seladon"));
    BatchPage page(tables.dm.GlzCDS, tables.dm.MatCDS, 500);
    const QString pdf = QDir(install.folder()).filePath("batch.pdf");
    page.printer().setOutputFormat(QPrinter::PdfFormat);
    page.printer().setOutputFileName(pdf);

    whenModalOpens([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    child<QPushButton>(&page, "BatchPrintButton")->click();
    QVERIFY(!QFile::exists(pdf));
    whenModalOpens([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    child<QPushButton>(&page, "BatchPrintButton")->click();
    QVERIFY(QFile::exists(pdf));

    QProcess convert;
    convert.start(pdftotext, {"-layout", pdf, "-"});
    QVERIFY(convert.waitForFinished(10000));
    const QString printed = QString::fromUtf8(convert.readAllStandardOutput());
    QVERIFY2(printed.contains("Batch: Seladon"), qPrintable(printed));
    QVERIFY2(printed.contains(QRegularExpression("Kaliveldspaat +35[.,]00 % +175[.,]0 g")),
             qPrintable(printed));
    QVERIFY2(printed.contains(QRegularExpression("\\+ Rood ijzeroxide +1[.,]50 % +7[.,]5 g")),
             qPrintable(printed));
    QVERIFY2(printed.contains(QRegularExpression("Totaal +507[.,]5 g")), qPrintable(printed));
}

void WorkbenchTest::chemiePageMarksValuesOutsideTheLimits() {
    TestInstallation install;
    OpenTables tables(install);
    QVERIFY(tables.dm.GlzCDS.findKey("Seladon"));
    ChemiePage page(tables.dm.GlzCDS, tables.dm.MatCDS, KELVORA_CHEMISTRY_DATA);
    page.show();
    auto* grid = page.findChild<QTableView*>("OxideGrid");
    auto* limits = page.findChild<QLabel*>("LimitsLbl");
    auto* outside = page.findChild<QLabel*>("OutsideLbl");
    QVERIFY(grid && limits && outside);
    QCOMPARE(column(grid, 0), QStringList({"Na2O", "K2O", "MgO", "CaO", "Al2O3", "Fe2O3", "SiO2"}));
    // Seladon is fired SK 8-10 and fits the glossy table of the four for those cones.
    QVERIFY2(limits->text().startsWith("SK 8-10 glans (Cushing) (de best passende van 4 tabellen"),
             qPrintable(limits->text()));
    QCOMPARE(outside->text(), QString("Alle waarden binnen de grenzen."));
    const QColor plain = foreground(grid, 1, 1).color();

    // With its whiting raised (18 -> 60 parts) the lime passes every SK 8-10
    // table, and CaO is marked: the page reads the recipe, not the stored formula.
    tables.dm.GlzCDS.edit();
    tables.dm.GlzCDS.setNumber("mtp3", 60);
    tables.dm.GlzCDS.post();
    QTRY_VERIFY2(outside->text().contains("CaO"), qPrintable(outside->text()));
    const QString limeTip = grid->model()->index(3, 1).data(Qt::ToolTipRole).toString();
    QVERIFY(foreground(grid, 3, 1).color() != plain);
    QVERIFY2(limeTip.contains("SK 8-10 glans (Cushing)"), qPrintable(limeTip));
    QVERIFY(grid->model()->index(1, 1).data(Qt::ToolTipRole).toString().isEmpty()); // K2O is within its range

    // The Stull button asks the editor for the chart.
    QSignalSpy asked(&page, &ChemiePage::stullChartRequested);
    page.findChild<QPushButton*>("StullButton")->click();
    QCOMPARE(asked.count(), 1);

    // A lead earthenware glaze is checked against the earthenware lead table.
    QVERIFY(tables.dm.GlzCDS.findKey("Lood aardewerk"));
    QTRY_VERIFY2(limits->text().startsWith("SK 08a-02a lood (Rhodes)"), qPrintable(limits->text()));

    // A trace too small for three decimals is not shown as a zero.
    QVERIFY(tables.dm.GlzCDS.findKey("Kegel 6 glans basis"));
    QTRY_VERIFY(column(grid, 0).contains("Fe2O3"));
    const int fe2o3 = static_cast<int>(column(grid, 0).indexOf("Fe2O3"));
    QVERIFY2(cellText(grid, fe2o3, 1).startsWith("< 0"), qPrintable(cellText(grid, fe2o3, 1)));
}

void WorkbenchTest::chemiePageSwitchesExpansionFactors() {
    TestInstallation install;
    OpenTables tables(install);
    QVERIFY(tables.dm.GlzCDS.findKey("Seladon"));
    ChemiePage page(tables.dm.GlzCDS, tables.dm.MatCDS, KELVORA_CHEMISTRY_DATA);
    auto* sets = page.findChild<QComboBox*>("ExpansionSetCB");
    auto* expansion = page.findChild<QLabel*>("ExpansionLbl");
    QVERIFY(sets && expansion);
    const int appen = sets->findData("appen");
    const int englishTurner = sets->findData("english-turner");
    QVERIFY(appen >= 0 && englishTurner >= 0);
    sets->setCurrentIndex(appen);
    const QString byAppen = expansion->text();
    sets->setCurrentIndex(englishTurner);
    QVERIFY(expansion->text() != byAppen);
    QVERIFY2(expansion->toolTip().contains("1927"), qPrintable(expansion->toolTip()));
}

// The page says where Stull's chart and the rule of thumb put the glaze, which
// cone ranges' limits it fits, when the stored estimate is far from its
// cones, and which of its oxides a factor set has nothing for.
void WorkbenchTest::chemiePagePlacesTheGlazeAndQuestionsTheEstimate() {
    TestInstallation install;
    OpenTables tables(install);
    QVERIFY(tables.dm.GlzCDS.findKey("Seladon"));
    ChemiePage page(tables.dm.GlzCDS, tables.dm.MatCDS, KELVORA_CHEMISTRY_DATA);
    auto* stull = page.findChild<QLabel*>("StullLbl");
    auto* fit = page.findChild<QLabel*>("FitLbl");
    QVERIFY(stull && fit);
    QCOMPARE(stull->text(), QString("Stull: Glans; vuistregel SiO2:Al2O3: glans"));
    QCOMPARE(fit->text(), QString::fromUtf8("SK 8\u2013"
                                            "10"));

    QVERIFY(tables.dm.GlzCDS.findKey("Kegel 6 strontium satijn"));
    QTRY_VERIFY2(fit->text().contains(QString::fromUtf8("De schatting (1050\u2013"
                                                        "1110 \u00b0C) ligt ver onder")),
                 qPrintable(fit->text()));
    QCOMPARE(QString::fromStdString(page.firingFit().note), fit->text().section(QLatin1Char('\n'), 1));

    auto* sets = page.findChild<QComboBox*>("ExpansionSetCB");
    sets->setCurrentIndex(sets->findData("english-turner"));
    QVERIFY2(page.findChild<QLabel*>("ExpansionLbl")->text().contains("zonder SrO, Fe2O3"),
             qPrintable(page.findChild<QLabel*>("ExpansionLbl")->text()));
}

void WorkbenchTest::stullChartPlacesEveryCalculatedGlaze() {
    TestInstallation install;
    OpenTables tables(install);
    View& glazes = tables.dm.GlzCDS;
    // A glaze never calculated has no place on the chart.
    glazes.insert();
    glazes.setText("naam", "Nog niet berekend");
    glazes.post();
    QVERIFY(glazes.findKey("Seladon"));
    TStullChartForm form(glazes, nullptr, KELVORA_CHEMISTRY_DATA);
    form.show();
    QCOMPARE(form.windowTitle(), QString("Stull-diagram"));
    // Every starter glaze is calculated: all of them, less the new one.
    const int calculated = glazes.recordCount() - 1;
    QCOMPARE(int(form.shownPoints().size()), calculated);
    QScatterSeries* others = series(form, "Glazuren");
    QScatterSeries* current = series(form, "Huidig glazuur");
    QVERIFY(others && current);
    QCOMPARE(others->count(), calculated - 1);
    QCOMPARE(current->count(), 1);
    QCOMPARE(current->at(0), QPointF(glazes.asNumber("sio2"), glazes.asNumber("al2o3")));
    for (const auto& p : form.shownPoints()) {
        const int row = [&] {
            for (int r = 0; r < glazes.recordCount(); ++r)
                if (glazes.textAt(r, glazes.fieldIndex("naam")) == p.name.toStdString()) return r;
            return -1;
        }();
        QVERIFY(row >= 0);
        QCOMPARE(p.sio2, glazes.numberAt(row, glazes.fieldIndex("sio2")));
        QCOMPARE(p.al2o3, glazes.numberAt(row, glazes.fieldIndex("al2o3")));
        QVERIFY(p.name != "Nog niet berekend");
    }
    QCOMPARE(form.nameAt(current->at(0)), QString("Seladon"));

    // The editor moving to another glaze moves the highlight with it.
    QVERIFY(glazes.findKey("Tenmoku"));
    const QPointF tenmoku(glazes.asNumber("sio2"), glazes.asNumber("al2o3"));
    QTRY_COMPARE(form.currentName(), QString("Tenmoku"));
    QCOMPARE(current->count(), 1);
    QCOMPARE(current->at(0), tenmoku);
}

void WorkbenchTest::stullChartFiltersByCategory() {
    TestInstallation install;
    OpenTables tables(install);
    TStullChartForm form(tables.dm.GlzCDS, nullptr, KELVORA_CHEMISTRY_DATA);
    auto* categories = form.findChild<QComboBox*>("CategorieCB");
    QVERIFY(categories);
    const int mat = categories->findText("7.3 Calcium magnesium glazuren mat SK 2a-9");
    QVERIFY(mat > 0);
    categories->setCurrentIndex(mat);
    QStringList names;
    for (const auto& p : form.shownPoints())
        names << p.name;
    QCOMPARE(names, QStringList({"Kegel 6 rutiel satijn", "Kegel 6 satijn mat"}));
    categories->setCurrentIndex(0);
    QCOMPARE(int(form.shownPoints().size()), tables.dm.GlzCDS.recordCount());
}

void WorkbenchTest::clickingAPointChoosesThatGlaze() {
    TestInstallation install;
    OpenTables tables(install);
    View& glazes = tables.dm.GlzCDS;
    QVERIFY(glazes.findKey("Tenmoku"));
    const QPointF tenmoku(glazes.asNumber("sio2"), glazes.asNumber("al2o3"));
    QVERIFY(glazes.findKey("Seladon"));
    TStullChartForm form(glazes, nullptr, KELVORA_CHEMISTRY_DATA);
    form.resize(900, 680);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QSignalSpy chosen(&form, &TStullChartForm::glazeChosen);
    QScatterSeries* others = series(form, "Glazuren");
    const QPointF scene = chartView(form)->chart()->mapToPosition(tenmoku, others);
    const QPoint at = chartView(form)->mapFromScene(scene);
    // Hovering the point names the glaze.
    QTest::mouseMove(chartView(form)->viewport(), at);
    QTRY_COMPARE(QToolTip::text(), QString("Tenmoku"));
    QTest::mouseClick(chartView(form)->viewport(), Qt::LeftButton, {}, at);
    QTRY_COMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).toString(), QString("Tenmoku"));
    // The chosen glaze is the highlighted one now.
    QCOMPARE(series(form, "Huidig glazuur")->at(0), tenmoku);
    // A click on empty chart chooses nothing.
    const QPoint empty =
        chartView(form)->mapFromScene(chartView(form)->chart()->mapToPosition({6.5, 0.9}, others));
    QTest::mouseClick(chartView(form)->viewport(), Qt::LeftButton, {}, empty);
    QCOMPARE(chosen.count(), 1);
}

void WorkbenchTest::stullChartExportsPngAndPdf() {
    TestInstallation install;
    OpenTables tables(install);
    TStullChartForm form(tables.dm.GlzCDS, nullptr, KELVORA_CHEMISTRY_DATA);
    form.resize(900, 680);
    form.show();
    const QString png = QDir(install.folder()).filePath("stull.png");
    const QString pdf = QDir(install.folder()).filePath("stull.pdf");
    QVERIFY(form.exportPng(png));
    QImage image(png);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), chartView(form)->size() * chartView(form)->devicePixelRatio());
    QVERIFY(form.exportPdf(pdf));
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
}

// The regions are the data file's, in its order and with its outline; the
// rule-of-thumb lines stay hidden until switched on; without the file the
// window says so instead of painting regions of its own.
void WorkbenchTest::stullChartPaintsItsDataFileAndGuideLines() {
    TestInstallation install;
    OpenTables tables(install);
    TStullChartForm form(tables.dm.GlzCDS, nullptr, KELVORA_CHEMISTRY_DATA);
    for (const char* name :
         {"Niet gesmolten", "Mat", "Halfmat", "Onderstookt", "Glans", "Craquelé", "Beste glans (Stull)"})
        QVERIFY2(anySeries(form, name), name);
    auto* underfired = qobject_cast<QAreaSeries*>(anySeries(form, "Onderstookt"));
    QVERIFY(underfired);
    // The filled path is the upper line then the lower one walked backwards;
    // every line holds two points at least, or a triangle would fill nothing.
    QList<QPointF> outline = underfired->upperSeries()->points();
    QList<QPointF> lower = underfired->lowerSeries()->points();
    QVERIFY(outline.size() >= 2 && lower.size() >= 2);
    std::reverse(lower.begin(), lower.end());
    if (lower.front() == outline.back()) lower.removeFirst();
    outline += lower;
    QCOMPARE(outline, QList<QPointF>({{1.75, 0}, {7.2, 0.65}, {7.2, 0}}));
    QVERIFY(form.findChild<QLabel*>("SourceLbl")->text().contains("R. T. Stull"));

    auto* guide = form.findChild<QCheckBox*>("GuideCB");
    QVERIFY(guide && guide->isEnabled() && !guide->isChecked());
    QStringList guides;
    for (QAbstractSeries* s : chartView(form)->chart()->series())
        if (s->name().startsWith("Vuistregel")) {
            guides << s->name();
            QVERIFY(!s->isVisible());
        }
    QCOMPARE(guides, QStringList({"Vuistregel SiO2:Al2O3 = 5", "Vuistregel SiO2:Al2O3 = 7",
                                  "Vuistregel SiO2:Al2O3 = 10"}));
    guide->setChecked(true);
    auto* seven = qobject_cast<QLineSeries*>(anySeries(form, "Vuistregel SiO2:Al2O3 = 7"));
    QVERIFY(seven && seven->isVisible());
    QCOMPARE(seven->at(1), QPointF(7.0, 1.0));

    TStullChartForm missing(tables.dm.GlzCDS, nullptr, install.folder().toStdString() + "/geen-data");
    QVERIFY(!anySeries(missing, "Glans"));
    QVERIFY(missing.findChild<QLabel*>("SourceLbl")->text().startsWith("Stull-diagram niet gevonden"));
    QVERIFY(series(missing, "Glazuren"));
}

QTEST_MAIN(WorkbenchTest)
#include "tst_Workbench.moc"
