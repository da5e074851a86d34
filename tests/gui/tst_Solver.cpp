// SPDX-License-Identifier: GPL-3.0-or-later
// The recipe dialogs on the starter data in a throw-away installation:
// "Recept zoeken..." finds a recipe as the inputs change and keeps it as a
// new glaze, "Vervang grondstof..." replaces a material of a glaze without
// touching the original.
#include "GuiTestSupport.h"

#include "common/NumberFormat.h"
#include "engine/GlzDMUnit.h"
#include "glaze/ReceptZoekenFormUnit.h"
#include "glaze/VervangGrondstofFormUnit.h"
#include "solver/LinearProgram.h"
#include "store/View.h"
#include "widgets/ErrorBox.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

// The data module of the program over the installation's data folder.
struct OpenData {
    explicit OpenData(const TestInstallation& install)
        : dm(prompter, QDir(install.folder()).filePath(QStringLiteral("db0991")).toStdString()) {
        dm.OpenTables();
    }
    ~OpenData() { dm.CloseTables(); }
    RecordingPrompter prompter;
    TGlzDM dm;
};

void tick(QListView* list, const QString& name) {
    QAbstractItemModel* model = list->model();
    const auto found = model->match(model->index(0, 0), Qt::DisplayRole, name, -1, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(name));
    QVERIFY(model->setData(found.front(), Qt::Checked, Qt::CheckStateRole));
}

// Types a value into a cell as a user does: start editing, type, Enter.
// Without `leave` the cell stays open, as while the user is still typing.
void typeCell(QTableView* table, int row, int column, const QString& text, bool leave = true) {
    table->setFocus();
    table->setCurrentIndex(table->model()->index(row, column));
    QTest::keyClick(table, Qt::Key_F2);
    // The cell's editor, found among the table's children: without a window
    // manager the window may not be active, so focus tells nothing.
    QLineEdit* editor = nullptr;
    for (auto* line : table->viewport()->findChildren<QLineEdit*>())
        if (line->isVisible()) editor = line;
    QVERIFY(editor);
    editor->selectAll();
    if (text.isEmpty())
        QTest::keyClick(editor, Qt::Key_Delete);
    else
        QTest::keyClicks(editor, text);
    if (leave) QTest::keyClick(editor, Qt::Key_Return);
}

int oxideRow(const char* stem) {
    return OxideCatalogue::byStem(stem)->position - 1;
}

QString dec(const char* number) {
    return QString::fromLatin1(number).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

// Pictures for the manual when KELVORA_SHOTS names a folder.
void shoot(QWidget* window, const char* name) {
    const QString folder = qEnvironmentVariable("KELVORA_SHOTS");
    if (folder.isEmpty()) return;
    QTest::qWait(200);
    window->grab().save(QDir(folder).filePath(QString::fromLatin1(name)), "PNG");
}

} // namespace

class SolverTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() { QVERIFY(noUnexpectedErrorBoxes()); }

    // A target typed into the table is met by the ticked materials; "Nieuw
    // glazuur" stores a glaze whose own calculation gives the same formula.
    void newGlazeReproducesTheAchievedFormula() {
        TestInstallation install;
        OpenData data(install);
        TReceptZoekenForm form(data.dm, data.prompter);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        for (const char* name : {"Orthoklaas", "Krijt", "Kwarts", "Kaolien"})
            tick(child<QListView>(&form, "MateriaalLijst"), QString::fromLatin1(name));
        typeCell(child<QTableView>(&form, "FormuleTabel"), oxideRow("k2o"), TReceptZoekenForm::DoelColumn,
                 dec("0.3"));
        typeCell(child<QTableView>(&form, "FormuleTabel"), oxideRow("cao"), TReceptZoekenForm::DoelColumn,
                 dec("0.7"));
        typeCell(child<QTableView>(&form, "FormuleTabel"), oxideRow("al2o3"), TReceptZoekenForm::DoelColumn,
                 dec("0.4"));
        // The result follows the typing: the last cell is not even left.
        typeCell(child<QTableView>(&form, "FormuleTabel"), oxideRow("sio2"), TReceptZoekenForm::DoelColumn,
                 dec("3.5"), false);
        QTRY_COMPARE(child<QTableView>(&form, "UitkomstTabel")->model()->rowCount(), 4);
        QVERIFY(form.result().solved);
        QVERIFY(form.result().deviation <= 1e-9);
        QCOMPARE(child<QTableView>(&form, "ReceptTabel")->model()->rowCount(), 4);
        // Feldspar 0.3 x 556.65 g of 352.994 g (whiting 0.7, kaolin 0.1, quartz 1.5 mol);
        // the recipe lists the materials in name order, orthoclase last.
        QCOMPARE(cellText(child<QTableView>(&form, "ReceptTabel"), 3, 0), QStringLiteral("Orthoklaas"));
        QCOMPARE(cellText(child<QTableView>(&form, "ReceptTabel"), 3, 1),
                 QString::fromStdString(numfmt::formatPattern(166.995 * 100 / 352.994, "##0.00")));
        shoot(&form, "solver-recept-zoeken.png");

        child<QLineEdit>(&form, "NaamEdit")->setFocus();
        QTest::keyClicks(child<QLineEdit>(&form, "NaamEdit"), QStringLiteral("Gezocht glazuur"));
        QSignalSpy stored(&form, &TReceptZoekenForm::glazeStored);
        QTest::mouseClick(child<QPushButton>(&form, "NieuwButton"), Qt::LeftButton);
        QCOMPARE(stored.count(), 1);
        QCOMPARE(stored.front().front().toString(), QStringLiteral("Gezocht glazuur"));

        View& glazes = data.dm.GlzCDS;
        QCOMPARE(QString::fromStdString(glazes.asText("naam")), QStringLiteral("Gezocht glazuur"));
        QCOMPARE(QString::fromStdString(glazes.asText("molp")), QStringLiteral("P"));
        for (const auto& oxide : OxideCatalogue::all()) {
            const double promised = form.result().formula[static_cast<std::size_t>(oxide.position - 1)];
            QVERIFY2(std::fabs(glazes.asNumber(oxide.stem) - promised) <= 1e-12, oxide.stem.data());
        }
        QVERIFY(std::fabs(glazes.asNumber("prys") - form.result().price) <= 1e-12);
        QCOMPARE(data.prompter.entries.back().text,
                 std::string("Het nieuwe glazuur Gezocht glazuur is opgeslagen en berekend."));

        // A second glaze of the same name is refused in the error box.
        ui::ErrorBoxCapture errors;
        QTest::mouseClick(child<QPushButton>(&form, "NieuwButton"), Qt::LeftButton);
        QCOMPARE(errors.shown, std::vector<std::string>{"Er is al een glazuur met de naam Gezocht glazuur"});
    }

    void rangesThatCannotBeMetAreNamed() {
        TestInstallation install;
        OpenData data(install);
        TReceptZoekenForm form(data.dm, data.prompter);
        form.show();
        form.setMaterials({"Krijt", "Kwarts"});
        form.setRanges({{"sio2", 2, 3}, {"al2o3", 0.1, 0.2}});
        QCOMPARE(child<QComboBox>(&form, "DoelCB")->currentIndex(), int(TReceptZoekenForm::CheapestGoal));
        QTRY_COMPARE(
            child<QLabel>(&form, "MeldingLabel")->text(),
            QStringLiteral("Geen recept binnen de bereiken mogelijk: het bereik Al2O3 %1..%2 kan met deze "
                           "grondstoffen niet gehaald worden.")
                .arg(dec("0.1"), dec("0.2")));
        QVERIFY(!child<QPushButton>(&form, "NieuwButton")->isEnabled());
        // Clearing the impossible range in the table brings a recipe back.
        typeCell(child<QTableView>(&form, "FormuleTabel"), oxideRow("al2o3"), TReceptZoekenForm::MinColumn,
                 QString());
        typeCell(child<QTableView>(&form, "FormuleTabel"), oxideRow("al2o3"), TReceptZoekenForm::MaxColumn,
                 QString());
        QTRY_VERIFY(child<QPushButton>(&form, "NieuwButton")->isEnabled());
        QVERIFY(child<QLabel>(&form, "MeldingLabel")->text().isEmpty());
    }

    void searchNarrowsTheMaterials() {
        TestInstallation install;
        OpenData data(install);
        TReceptZoekenForm form(data.dm, data.prompter);
        form.show();
        QTest::keyClicks(child<QLineEdit>(&form, "ZoekEdit"), QStringLiteral("veldsp"));
        QStringList shown;
        for (int i = 0; i < child<QListView>(&form, "MateriaalLijst")->model()->rowCount(); ++i)
            if (!child<QListView>(&form, "MateriaalLijst")->isRowHidden(i))
                shown << cellText(child<QListView>(&form, "MateriaalLijst"), i, 0);
        QCOMPARE(shown,
                 (QStringList{QStringLiteral("Custer-type veldspaat"), QStringLiteral("Kaliveldspaat"),
                              QStringLiteral("Minspar-type veldspaat"), QStringLiteral("Natronveldspaat")}));
    }

    // The feldspar of Seladon replaced by soda feldspar and nepheline syenite:
    // "Overnemen" stores a new glaze with the iron addition and the promised
    // formula; Seladon keeps its recipe.
    void substitutionStoresANewGlazeAndKeepsTheOriginal() {
        TestInstallation install;
        OpenData data(install);
        View& glazes = data.dm.GlzCDS;
        QVERIFY(glazes.findKey("Seladon"));
        const double feldsparBefore = glazes.asNumber("mtp1");

        TVervangGrondstofForm form(data.dm, data.prompter);
        form.loadCurrentGlaze();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        child<QComboBox>(&form, "VervangCB")
            ->setCurrentIndex(
                child<QComboBox>(&form, "VervangCB")->findText(QStringLiteral("Kaliveldspaat")));
        tick(child<QListView>(&form, "KandidatenLijst"), QStringLiteral("Natronveldspaat"));
        tick(child<QListView>(&form, "KandidatenLijst"), QStringLiteral("Nefelien syeniet"));
        QTRY_VERIFY(child<QPushButton>(&form, "OvernemenButton")->isEnabled());
        QCOMPARE(child<QLineEdit>(&form, "NaamEdit")->text(), QStringLiteral("Seladon zonder Kaliveldspaat"));
        QVERIFY(child<QTableView>(&form, "FormuleTabel")->model()->rowCount() > 0);
        // Every oxide of either formula is listed; Na2O, new, comes first.
        QCOMPARE(cellText(child<QTableView>(&form, "FormuleTabel"), 0, 0), QStringLiteral("Na2O"));
        shoot(&form, "solver-vervang-grondstof.png");

        QTest::mouseClick(child<QPushButton>(&form, "OvernemenButton"), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(glazes.asText("naam")),
                 QStringLiteral("Seladon zonder Kaliveldspaat"));
        QCOMPARE(QString::fromStdString(glazes.asText("tvs1")), QStringLiteral("Rood ijzeroxide"));
        for (int n = 1; n <= 12; ++n)
            QVERIFY(glazes.asText("mat" + std::to_string(n)) != "Kaliveldspaat");
        for (const auto& oxide : OxideCatalogue::all()) {
            const double promised =
                form.result().recipe.formula[static_cast<std::size_t>(oxide.position - 1)];
            QVERIFY2(std::fabs(glazes.asNumber(oxide.stem) - promised) <= 1e-12, oxide.stem.data());
        }
        QVERIFY(std::fabs(glazes.asNumber("prys") - form.result().recipe.price) <= 1e-12);

        QVERIFY(glazes.findKey("Seladon"));
        QCOMPARE(QString::fromStdString(glazes.asText("mat1")), QStringLiteral("Kaliveldspaat"));
        QCOMPARE(glazes.asNumber("mtp1"), feldsparBefore);
    }

    // A proposal longer than a glaze name is shortened where the potter sees
    // it, and the whole text is kept in the new glaze's description.
    void aLongProposalIsShortenedVisiblyAndKeptWhole() {
        TestInstallation install;
        OpenData data(install);
        auto seladon = data.dm.book().findGlaze("Seladon");
        QVERIFY(seladon);
        Glaze longer = *seladon;
        longer.naam = "Seladon van de oude meester uit Delft";
        data.dm.book().addGlaze(longer);
        View& glazes = data.dm.GlzCDS;
        QVERIFY(glazes.findKey(longer.naam));

        TVervangGrondstofForm form(data.dm, data.prompter);
        form.loadCurrentGlaze();
        form.show();
        auto* replace = child<QComboBox>(&form, "VervangCB");
        replace->setCurrentIndex(replace->findText(QStringLiteral("Kaliveldspaat")));
        tick(child<QListView>(&form, "KandidatenLijst"), QStringLiteral("Natronveldspaat"));
        QTRY_VERIFY(child<QPushButton>(&form, "OvernemenButton")->isEnabled());
        const QString whole = QStringLiteral("Seladon van de oude meester uit Delft zonder Kaliveldspaat");
        auto* name = child<QLineEdit>(&form, "NaamEdit");
        QCOMPARE(name->text(), QStringLiteral("Seladon van de oude meester uit Delft z\u2026"));
        QVERIFY(name->toolTip().contains(whole));

        QTest::mouseClick(child<QPushButton>(&form, "OvernemenButton"), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(glazes.asText("naam")), name->text());
        QCOMPARE(QString::fromStdString(glazes.asText("omsc")), whole);
        // The same proposal again is numbered, and still fits.
        QVERIFY(glazes.findKey(longer.naam));
        form.loadCurrentGlaze();
        replace->setCurrentIndex(replace->findText(QStringLiteral("Kaliveldspaat")));
        QCOMPARE(name->text(), QStringLiteral("Seladon van de oude meester uit Del\u2026 (2)"));

        // A name typed longer than a glaze name may be is refused, not cut.
        tick(child<QListView>(&form, "KandidatenLijst"), QStringLiteral("Natronveldspaat"));
        QTRY_VERIFY(child<QPushButton>(&form, "OvernemenButton")->isEnabled());
        name->setText(whole);
        ui::ErrorBoxCapture errors;
        QTest::mouseClick(child<QPushButton>(&form, "OvernemenButton"), Qt::LeftButton);
        QCOMPARE(errors.shown,
                 std::vector<std::string>{"De naam " + whole.toStdString() + " is langer dan 40 tekens."});
        QVERIFY(!data.dm.book().findGlaze(whole.toStdString()));
    }
};

QTEST_MAIN(SolverTest)
#include "tst_Solver.moc"
