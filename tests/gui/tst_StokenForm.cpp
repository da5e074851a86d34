// SPDX-License-Identifier: GPL-3.0-or-later
// The firings window on a notebook of its own: a firing typed with a
// schedule in Fahrenheit is stored in Celsius, a firing shows the tests
// that were in it, a schedule goes into a template and out again into a
// new firing, a pasted log becomes the plot's second line, and a read-only
// run offers nothing to change.
#include "GuiTestSupport.h"

#include "notebook/CalendarDate.h"
#include "notebook/StokenFormUnit.h"
#include "store/Notebook.h"
#include "widgets/ErrorBox.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

struct Open {
    explicit Open(const std::function<void(Notebook&)>& before = {}) {
        if (before) {
            Notebook seed(folder());
            seed.load();
            before(seed);
        }
        notebook.load();
        form = std::make_unique<TStokenForm>(prompter, notebook);
        form->show();
    }
    std::string folder() const { return dir.path().toStdString(); }
    // The notebook as another program would read it from the folder now.
    NotebookData stored() const {
        Notebook fresh(folder());
        fresh.load();
        return fresh.data();
    }
    template <class T> T* get(const char* name) const { return child<T>(form.get(), name); }
    void click(const char* button) const { QTest::mouseClick(get<QPushButton>(button), Qt::LeftButton); }

    QTemporaryDir dir;
    Notebook notebook{folder()};
    RecordingPrompter prompter;
    std::unique_ptr<TStokenForm> form;
};

// Types `text` into a cell of a table as a potter would: the cell opened,
// what it held selected and typed over, Return to close it.
void typeInCell(QTableWidget* table, int row, int column, const QString& text) {
    table->setCurrentCell(row, column);
    table->editItem(table->item(row, column));
    QLineEdit* editor = nullptr;
    for (QLineEdit* e : table->viewport()->findChildren<QLineEdit*>())
        if (e->isVisible()) editor = e;
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits the text and closes the editor from the event loop.
    QCoreApplication::processEvents();
    QCOMPARE(table->item(row, column)->text(), text);
}

// Types one row of the schedule table into a new row.
void typeStep(const Open& open, const QStringList& cells) {
    open.click("StapToevoegenButton");
    auto* table = open.get<QTableWidget>("SchemaTabel");
    for (int column = 0; column < cells.size(); ++column)
        typeInCell(table, table->rowCount() - 1, column, cells[column]);
}

QStringList column(const QTableWidget* table, int column) {
    QStringList cells;
    for (int row = 0; row < table->rowCount(); ++row)
        cells << table->item(row, column)->text();
    return cells;
}

QLineSeries* series(const Open& open, const char* name) {
    for (QAbstractSeries* s : open.get<QChartView>("GrafiekView")->chart()->series())
        if (s->objectName() == QLatin1String(name)) return static_cast<QLineSeries*>(s);
    return nullptr;
}

// The firing "S-1" of 10-12-2026 with two tests of one glaze in it.
void twoTestsInOneFiring(Notebook& notebook) {
    for (const char* code : {"K-1", "K-2"}) {
        Proef test;
        test.code = code;
        test.glaze = "Seladon";
        test.date = "01-12-2026";
        notebook.addTest(test);
    }
    Stook firing;
    firing.code = "S-1";
    firing.date = "10-12-2026";
    firing.kiln = "Gasoven";
    firing.cone = "10";
    firing.atmosphere = Atmosphere::Reduction;
    firing.schedule = FiringSchedule::parse("100:600:0,150:1000:10");
    notebook.addFiring(firing);
    TileResult first;
    first.firing = "S-1";
    first.test = "K-1";
    first.place = "boven";
    first.defects = {Defect::Crawling};
    first.rating = 4;
    notebook.setResult(first);
    TileResult second = first;
    second.test = "K-2";
    second.place = "onder";
    second.defects = {};
    second.rating = 2;
    notebook.setResult(second);
}

} // namespace

class StokenFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() { QVERIFY(noUnexpectedErrorBoxes()); }

    void aNewFiringWithAFahrenheitScheduleIsStoredInCelsius() {
        Open open;
        const QString code = QStringLiteral("S-%1-001").arg(CalendarDate::today().year);
        QCOMPARE(open.get<QLineEdit>("CodeEdit")->text(), code);
        QCOMPARE(open.get<QLineEdit>("DatumEdit")->text(),
                 QString::fromStdString(CalendarDate::today().text()));

        auto* date = open.get<QLineEdit>("DatumEdit");
        date->clear();
        QTest::keyClicks(date, "10-12-2026");
        QTest::keyClicks(open.get<QComboBox>("OvenCB")->lineEdit(), "Gasoven");
        QTest::keyClicks(open.get<QLineEdit>("KegelEdit"), "6 buigt");
        auto* atmosphere = open.get<QComboBox>("AtmosfeerCB");
        atmosphere->setCurrentIndex(atmosphere->findText(QStringLiteral("reductie")));
        QVERIFY(atmosphere->currentIndex() > 0);
        typeStep(open, {"180F", "1832F", "10"});
        typeStep(open, {"2:00", "3000F", "15"}); // 1648.9 °C

        // A step beyond what a kiln reaches is refused and nothing is written.
        {
            ui::ErrorBoxCapture errors;
            open.click("BewarenButton");
            QCOMPARE(errors.shown.size(), std::size_t(1));
            QVERIFY2(errors.shown[0].find("Stap 2") != std::string::npos, errors.shown[0].c_str());
        }
        QVERIFY(open.stored().firings.empty());

        auto* table = open.get<QTableWidget>("SchemaTabel");
        typeInCell(table, 1, 1, QStringLiteral("2192F"));
        open.click("BewarenButton");

        const NotebookData stored = open.stored();
        QCOMPARE(stored.firings.size(), std::size_t(1));
        const Stook& f = stored.firings[0];
        QCOMPARE(QString::fromStdString(f.code), code);
        QCOMPARE(f.date, std::string("10-12-2026"));
        QCOMPARE(f.kiln, std::string("Gasoven"));
        QCOMPARE(f.cone, std::string("6 buigt"));
        QVERIFY(f.atmosphere == Atmosphere::Reduction);
        // 180 °F/h is 100 °C/h; 1832 °F is 1000 °C and 2192 °F is 1200 °C.
        QVERIFY(f.schedule == (std::vector<ScheduleStep>{{100, 0, 1000, 10}, {0, 120, 1200, 15}}));

        // The list shows it, the schedule table shows Celsius, the kiln is remembered.
        const auto* firings = open.get<QTableWidget>("StokenTabel");
        QCOMPARE(column(firings, 0), QStringList{code});
        QCOMPARE(column(firings, 2), QStringList{"Gasoven"});
        QCOMPARE(column(table, 1), (QStringList{"1000", "1200"}));
        QCOMPARE(column(table, 0), (QStringList{"100", "2:00"}));
        QVERIFY(open.get<QComboBox>("OvenCB")->findText(QStringLiteral("Gasoven")) >= 0);
        QVERIFY(!open.get<QLineEdit>("CodeEdit")->isEnabled());
    }

    void aFiringShowsTheTestsThatWereInIt() {
        Open open(twoTestsInOneFiring);
        QCOMPARE(open.form->currentCode(), QStringLiteral("S-1"));
        const auto* firings = open.get<QTableWidget>("StokenTabel");
        QCOMPARE(firings->rowCount(), 1);
        QCOMPARE(firings->item(0, 4)->text(), QStringLiteral("reductie"));
        QCOMPARE(firings->item(0, 5)->text(), QStringLiteral("2"));
        const auto* tests = open.get<QTableWidget>("ProevenTabel");
        QCOMPARE(column(tests, 0), (QStringList{"K-1", "K-2"}));
        QCOMPARE(column(tests, 1), (QStringList{"Seladon", "Seladon"}));
        QCOMPARE(column(tests, 2), (QStringList{"boven", "onder"}));
        QCOMPARE(column(tests, 5), (QStringList{"kruipen", ""}));
        QCOMPARE(column(tests, 6), (QStringList{"4", "2"}));
        QVERIFY(tests->editTriggers() == QAbstractItemView::NoEditTriggers);

        // The schedule is drawn from room temperature: 20 -> 600 -> 1000, held 10 minutes.
        const QList<QPointF> planned = series(open, "SchemaSerie")->points();
        QCOMPARE(planned.size(), 4);
        QCOMPARE(planned[0], QPointF(0, 20));
        QCOMPARE(planned[1], QPointF(5.8, 600));
        QCOMPARE(planned[3].y(), 1000.0);

        // A new firing shows no tests until it has some.
        open.click("NieuweButton");
        QCOMPARE(tests->rowCount(), 0);
        QCOMPARE(open.get<QTableWidget>("SchemaTabel")->rowCount(), 0);
    }

    void aTemplateIsSavedAndUsedForANewFiring() {
        Open open(twoTestsInOneFiring);
        whenModalOpens([](QWidget* modal) {
            auto* dialog = qobject_cast<QInputDialog*>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->objectName(), QStringLiteral("NaamDialog"));
            dialog->setTextValue(QStringLiteral("Steengoed 10"));
            dialog->accept();
        });
        open.click("SjabloonBewarenButton");
        QCOMPARE(open.stored().templates.size(), std::size_t(1));
        QCOMPARE(open.stored().templates[0].name, std::string("Steengoed 10"));
        QVERIFY(open.stored().templates[0].steps == FiringSchedule::parse("100:600:0,150:1000:10"));

        open.click("NieuweButton");
        QCOMPARE(open.get<QTableWidget>("SchemaTabel")->rowCount(), 0);
        whenModalOpens([](QWidget* modal) {
            auto* dialog = qobject_cast<QInputDialog*>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->objectName(), QStringLiteral("SjabloonDialog"));
            QCOMPARE(dialog->comboBoxItems(), QStringList{"Steengoed 10"});
            dialog->setTextValue(QStringLiteral("Steengoed 10"));
            dialog->accept();
        });
        open.click("SjabloonGebruikenButton");
        QCOMPARE(column(open.get<QTableWidget>("SchemaTabel"), 1), (QStringList{"600", "1000"}));
        open.click("BewarenButton");

        const NotebookData stored = open.stored();
        QCOMPARE(stored.firings.size(), std::size_t(2));
        QVERIFY(stored.firings[1].code != "S-1");
        QVERIFY(stored.firings[1].schedule == stored.templates[0].steps);
        QVERIFY(open.prompter.entries.empty());
    }

    void usingATemplateWhenThereIsNoneSaysSo() {
        Open open;
        open.click("SjabloonGebruikenButton");
        QCOMPARE(open.prompter.texts().size(), std::size_t(1));
        QVERIFY(open.prompter.texts()[0].find("geen sjablonen") != std::string::npos);
    }

    void aPastedLogIsTheSecondSeries() {
        Open open(twoTestsInOneFiring);
        QVERIFY(!series(open, "LogSerie")->isVisible());
        whenModalOpens([&open](QWidget* modal) {
            QCOMPARE(modal->objectName(), QStringLiteral("LogDialog"));
            // A paste from a spreadsheet: a heading, then time, temperature, note.
            open.get<QPlainTextEdit>("LogTekst")
                ->setPlainText(QStringLiteral(
                    "tijd\ttemp\topmerking\n0:00\t20\n1:30\t455,5\tdeksel dicht\n6:00\t1000\n"));
            QTest::mouseClick(open.get<QPushButton>("LogOkButton"), Qt::LeftButton);
        });
        open.click("LogButton");

        QLineSeries* log = series(open, "LogSerie");
        QVERIFY(log->isVisible());
        QCOMPARE(log->points(), (QList<QPointF>{{0, 20}, {1.5, 455.5}, {6, 1000}}));
        QCOMPARE(series(open, "SchemaSerie")->count(), 4);
        QVERIFY(open.stored().firings[0].log.empty()); // kept with the firing on "Bewaren"
        open.click("BewarenButton");
        QCOMPARE(open.stored().firings[0].log.size(), std::size_t(3));
        QCOMPARE(open.stored().firings[0].log[1].note, std::string("deksel dicht"));
        QCOMPARE(open.stored().firings[0].kiln, std::string("Gasoven"));

        // A later line that is no reading is refused with its line; the log stays.
        ui::ErrorBoxCapture errors;
        whenModalOpens([&open](QWidget*) {
            open.get<QPlainTextEdit>("LogTekst")->setPlainText(QStringLiteral("0:00\t20\nheet\n"));
            QTest::mouseClick(open.get<QPushButton>("LogOkButton"), Qt::LeftButton);
        });
        open.click("LogButton");
        QCOMPARE(errors.shown.size(), std::size_t(1));
        QCOMPARE(series(open, "LogSerie")->count(), 3);
    }

    void changesNotSavedAreAskedAbout() {
        Open open(twoTestsInOneFiring);
        auto* cone = open.get<QLineEdit>("KegelEdit");
        cone->selectAll();
        QTest::keyClicks(cone, "11");

        // Cancel keeps what was typed; No drops it.
        open.prompter.answerNextQuestion(Prompter::Answer::Cancel);
        open.click("NieuweButton");
        QCOMPARE(cone->text(), QStringLiteral("11"));
        QCOMPARE(open.form->currentCode(), QStringLiteral("S-1"));
        open.prompter.answerNextQuestion(Prompter::Answer::No);
        open.click("NieuweButton");
        QCOMPARE(open.form->currentCode(), QString());
        QCOMPARE(open.prompter.texts(), (std::vector<std::string>{"Stook S-1 is gewijzigd. Eerst bewaren?",
                                                                  "Stook S-1 is gewijzigd. Eerst bewaren?"}));
        QCOMPARE(open.stored().firings[0].cone, std::string("10"));

        // Yes saves the new firing before the one clicked in the list shows.
        QTest::keyClicks(open.get<QLineEdit>("KegelEdit"), "6");
        open.prompter.answerNextQuestion(Prompter::Answer::Yes);
        auto* firings = open.get<QTableWidget>("StokenTabel");
        QTest::mouseClick(firings->viewport(), Qt::LeftButton, {},
                          firings->visualItemRect(firings->item(0, 0)).center());
        QCOMPARE(open.form->currentCode(), QStringLiteral("S-1"));
        QCOMPARE(cone->text(), QStringLiteral("10"));
        QCOMPARE(open.stored().firings.size(), std::size_t(2));
        QCOMPARE(open.stored().firings[1].cone, std::string("6"));
        QCOMPARE(firings->rowCount(), 2);
    }

    void aReadOnlyRunChangesNothing() {
        Open open(twoTestsInOneFiring);
        open.form->setReadOnly(true);
        QVERIFY(open.form->windowTitle().startsWith(QStringLiteral("Stoken")));
        QVERIFY(open.form->windowTitle().contains(QStringLiteral("alleen lezen")));
        const char* controls[] = {"CodeEdit",
                                  "DatumEdit",
                                  "OvenCB",
                                  "KegelEdit",
                                  "AtmosfeerCB",
                                  "ReductieEdit",
                                  "NotitiesEdit",
                                  "StapToevoegenButton",
                                  "StapVerwijderenButton",
                                  "NieuweButton",
                                  "BewarenButton",
                                  "SjabloonBewarenButton",
                                  "SjabloonGebruikenButton",
                                  "LogButton"};
        for (const char* name : controls)
            QVERIFY2(!open.get<QWidget>(name)->isEnabled(), name);
        QVERIFY(open.get<QTableWidget>("SchemaTabel")->editTriggers() == QAbstractItemView::NoEditTriggers);
        // The list still shows every firing.
        QVERIFY(open.get<QTableWidget>("StokenTabel")->isEnabled());

        open.form->setReadOnly(false);
        QCOMPARE(open.form->windowTitle(), QStringLiteral("Stoken"));
        QVERIFY(open.get<QPushButton>("BewarenButton")->isEnabled());
        QVERIFY(!open.get<QLineEdit>("CodeEdit")->isEnabled()); // a stored firing keeps its code
    }
};

QTEST_MAIN(StokenFormTest)
#include "tst_StokenForm.moc"
