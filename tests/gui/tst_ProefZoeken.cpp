// SPDX-License-Identifier: GPL-3.0-or-later
// The test search window over a notebook of three tests of starter glazes:
// criteria typed into the real fields, a test opened from the list, and the
// test sheets and tile labels printed to PDF and read back.
#include "GuiTestSupport.h"

#include "notebook/ProefZoekenFormUnit.h"
#include "store/GlazeBook.h"
#include "store/Notebook.h"
#include "widgets/ErrorBox.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QtTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// Seladon fired to cone 6 in oxidation (crawled; two photos), Kaki and
// Chun blauw to cone 10 in reduction (Chun blauw with pinholes). Kaki's
// glaze is in production.
struct Open {
    Open() {
        book.load();
        notebook.load();
        Glaze kaki = *book.findGlaze("Kaki");
        kaki.stat = "P";
        book.updateGlaze("Kaki", kaki);

        Proef seladon = Proef::mixedFrom(*book.findGlaze("Seladon"), "K-2026-001", "02-03-2026");
        seladon.batchGrams = 500;
        seladon.clayBody = "steengoed wit";
        Proef kakiTest = Proef::mixedFrom(kaki, "K-2026-002", "15-04-2026");
        kakiTest.clayBody = "rode klei";
        Proef chun = Proef::mixedFrom(*book.findGlaze("Chun blauw"), "K-2026-003", "20-05-2026");
        chun.clayBody = "steengoed wit";
        for (const Proef& t : {seladon, kakiTest, chun})
            notebook.addTest(t);

        Stook electric;
        electric.code = "S-2026-001";
        electric.date = "10-03-2026";
        electric.kiln = "Elektrisch";
        electric.cone = "6";
        electric.atmosphere = Atmosphere::Oxidation;
        Stook gas = electric;
        gas.code = "S-2026-002";
        gas.date = "01-06-2026";
        gas.kiln = "Gasoven";
        gas.cone = "10";
        gas.atmosphere = Atmosphere::Reduction;
        notebook.addFiring(electric);
        notebook.addFiring(gas);
        const auto result = [](const char* firing, const char* test, const char* place,
                               std::vector<Defect> defects) {
            TileResult r;
            r.firing = firing;
            r.test = test;
            r.place = place;
            r.surface = "glans";
            r.defects = std::move(defects);
            return r;
        };
        notebook.setResult(result("S-2026-001", "K-2026-001", "boven", {Defect::Crawling}));
        notebook.setResult(result("S-2026-002", "K-2026-002", "onder", {}));
        notebook.setResult(result("S-2026-002", "K-2026-003", "midden", {Defect::Pinholes}));

        for (int n = 1; n <= 2; ++n) {
            const QString source = QDir(install.folder()).filePath(QStringLiteral("tegel%1.png").arg(n));
            QImage picture(n == 1 ? QSize(80, 60) : QSize(60, 80), QImage::Format_RGB32);
            picture.fill(n == 1 ? Qt::darkGreen : Qt::darkBlue);
            picture.save(source);
            Foto photo;
            photo.title = n == 1 ? "voorkant" : "achterkant";
            photo.cone = "6";
            photo.atmosphere = Atmosphere::Oxidation;
            photo.test = "K-2026-001";
            photo.firing = "S-2026-001";
            photos.push_back(notebook.addPhoto({source.toStdString(), photo}));
        }
        form.setPrintQuestion([this](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        form.show();
    }
    ~Open() { book.close(); }

    template <class T> T* control(const char* name) { return child<T>(&form, name); }
    QTableView* table() { return control<QTableView>("ResultatenTabel"); }
    QStringList codesShown() { return columnTexts(table(), 0); }
    // Clears every criterion, fills in the ones given and presses Enter in
    // the code field, as a potter would.
    void searchFor(const std::vector<std::pair<const char*, QString>>& typed,
                   const std::vector<std::pair<const char*, QString>>& picked = {}) {
        for (const char* edit :
             {"CodeEdit", "GlazuurEdit", "ScherfEdit", "KegelEdit", "OvenEdit", "VanafEdit", "TotEdit"})
            control<QLineEdit>(edit)->clear();
        for (const char* box : {"AtmosfeerCB", "StatusCB", "GebrekCB"})
            control<QComboBox>(box)->setCurrentIndex(0);
        for (const auto& [edit, text] : typed)
            QTest::keyClicks(control<QLineEdit>(edit), text);
        for (const auto& [box, code] : picked) {
            auto* combo = control<QComboBox>(box);
            combo->setCurrentIndex(combo->findData(code));
        }
        QTest::keyClick(control<QLineEdit>("CodeEdit"), Qt::Key_Return);
    }
    void select(const QStringList& codes) {
        table()->clearSelection();
        const QStringList shown = codesShown();
        for (const QString& code : codes)
            table()->selectionModel()->select(table()->model()->index(shown.indexOf(code), 0),
                                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    TestInstallation install;
    QString data = QDir(install.folder()).filePath(QStringLiteral("db0991"));
    GlazeBook book{data.toStdString()};
    Notebook notebook{data.toStdString()};
    std::vector<Foto> photos;
    RecordingPrompter prompter;
    QString pdf = QDir(install.folder()).filePath(QStringLiteral("proef.pdf"));
    TProefZoekenForm form{notebook, book, prompter};
};

bool canReadPdf() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(QStandardPaths::findExecutable(program), arguments);
    if (!process.waitForFinished(20000)) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The PDF's text, page by page.
QStringList pdfPages(const QString& pdf) {
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
        .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
}

// The pictures on each page, as pdfimages lists them (page numbers).
QList<int> imagePages(const QString& pdf) {
    QList<int> pages;
    const QStringList rows = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                                 .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // Two rows of heading, then one row per image starting with its page.
    for (qsizetype i = 2; i < rows.size(); ++i)
        pages << rows[i].simplified().section(QLatin1Char(' '), 0, 0).toInt();
    return pages;
}

} // namespace

class ProefZoekenTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() { QVERIFY(noUnexpectedErrorBoxes()); }

    void findsByWhatIsTypedAndPicked() {
        Open open;
        QVERIFY(QTest::qWaitForWindowExposed(&open.form));
        QCOMPARE(open.form.windowTitle(), QStringLiteral("Proeven zoeken"));
        // Opened, it lists every test.
        QCOMPARE(open.codesShown(), QStringList({"K-2026-001", "K-2026-002", "K-2026-003"}));
        QCOMPARE(open.control<QLabel>("AantalLabel")->text(), QStringLiteral("3 proeven gevonden"));

        const struct {
            std::vector<std::pair<const char*, QString>> typed;
            std::vector<std::pair<const char*, QString>> picked;
            QStringList found;
        } cases[] = {
            {{{"GlazuurEdit", " seladon "}}, {}, {"K-2026-001"}},
            {{{"KegelEdit", "10"}, {"ScherfEdit", "steengoed"}}, {}, {"K-2026-003"}},
            {{}, {{"AtmosfeerCB", "red"}, {"GebrekCB", "sp"}}, {"K-2026-003"}},
            {{{"OvenEdit", "GASOVEN"}}, {{"StatusCB", "P"}}, {"K-2026-002"}},
            {{{"VanafEdit", "1-4-2026"}, {"TotEdit", "15-04-2026"}}, {}, {"K-2026-002"}},
            {{{"CodeEdit", "k-2026"}}, {{"GebrekCB", "kr"}}, {"K-2026-001"}},
            {{{"KegelEdit", "06"}}, {}, {}},
        };
        for (const auto& c : cases) {
            open.searchFor(c.typed, c.picked);
            QCOMPARE(open.codesShown(), c.found);
        }
        QCOMPARE(open.control<QLabel>("AantalLabel")->text(), QStringLiteral("0 proeven gevonden"));
        QVERIFY(open.prompter.entries.empty());

        // The Firings column names each firing with its cone.
        open.searchFor({{"CodeEdit", "001"}});
        QCOMPARE(cellText(open.table(), 0, 4), QStringLiteral("S-2026-001 (kegel 6)"));
        QCOMPARE(open.control<QLabel>("AantalLabel")->text(), QStringLiteral("1 proef gevonden"));

        // A date that is no date is said, and the list stays as it was.
        open.searchFor({{"VanafEdit", "31-02-2026"}});
        QCOMPARE(open.prompter.texts(),
                 std::vector<std::string>{"'31-02-2026' is geen datum. Schrijf een datum als dd-mm-jjjj."});
        QCOMPARE(open.codesShown(), QStringList({"K-2026-001"}));
    }

    void aDoubleClickOrEnterOpensTheTest() {
        Open open;
        QVERIFY(QTest::qWaitForWindowExposed(&open.form));
        QSignalSpy chosen(&open.form, &TProefZoekenForm::testChosen);
        QTableView* table = open.table();
        const QModelIndex kaki = table->model()->index(1, 0);
        table->scrollTo(kaki);
        // A double-click is a click followed by the second press.
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(kaki).center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(kaki).center());
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.at(0), QVariantList({QStringLiteral("Kaki"), QStringLiteral("K-2026-002")}));

        table->setFocus();
        table->setCurrentIndex(table->model()->index(2, 1));
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(chosen.count(), 2);
        QCOMPARE(chosen.at(1), QVariantList({QStringLiteral("Chun blauw"), QStringLiteral("K-2026-003")}));
        // Enter there opened the test; it did not search again.
        QCOMPARE(table->currentIndex().row(), 2);
    }

    // Every control a screen reader reaches speaks a name, and Tab reaches
    // the fields, the list and the print buttons.
    void everyControlSpeaksAndTabReachesIt() {
        Open open;
        QVERIFY(QTest::qWaitForWindowExposed(&open.form));
        open.form.activateWindow();
        QStringList nameless;
        for (QWidget* w : open.form.findChildren<QWidget*>()) {
            const bool control = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                                 qobject_cast<QPushButton*>(w) || qobject_cast<QTableView*>(w);
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
            if (control && w->isVisible() && (!face || face->text(QAccessible::Name).trimmed().isEmpty()))
                nameless << w->objectName();
        }
        QCOMPARE(nameless, QStringList());
        QSet<QString> reached;
        open.control<QLineEdit>("CodeEdit")->setFocus();
        for (int step = 0; step < 30; ++step) {
            if (QWidget* focus = QApplication::focusWidget()) reached << focus->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (const char* name : {"CodeEdit", "GebrekCB", "ZoekenButton", "ResultatenTabel", "EtiketSoortCB",
                                 "TestbladButton", "EtikettenButton", "SluitenButton"})
            QVERIFY2(reached.contains(QLatin1String(name)), name);
    }

    // The sheet of each test read back: the heading with the glaze, the code
    // on top, the recipe as mixed with its grams, the firing and the photos
    // drawn on the page; a photo whose file is gone is named by its path.
    void printsATestSheetPerTest() {
        if (!canReadPdf()) QSKIP("pdftotext (poppler-utils) is not installed");
        Open open;
        QVERIFY(QTest::qWaitForWindowExposed(&open.form));

        // Nothing picked: said, nothing printed.
        open.table()->clearSelection();
        child<QPushButton>(&open.form, "TestbladButton")->click();
        QCOMPARE(open.prompter.texts(),
                 std::vector<std::string>{"Kies eerst een of meer proeven in de lijst."});
        QVERIFY(!QFile::exists(open.pdf));

        open.select({"K-2026-001", "K-2026-003"});
        child<QPushButton>(&open.form, "TestbladButton")->click();
        QVERIFY(QFile::exists(open.pdf));
        const QStringList pages = pdfPages(open.pdf);
        QCOMPARE(pages.size(), 2);
        const QString& seladon = pages[0];
        for (const QString& expected :
             {QStringLiteral("Proef: Seladon"), QStringLiteral("Proef K-2026-001"),
              QStringLiteral("Recept zoals gemengd (500 g):"), QStringLiteral("Tegel: scherf steengoed wit"),
              QStringLiteral("S-2026-001, 10-03-2026, Elektrisch, kegel 6, oxidatie, plaats boven"),
              QStringLiteral("gebreken: kruipen"), QStringLiteral("voorkant, kegel 6, oxidatie, S-2026-001"),
              QStringLiteral("blad 1 van 1")})
            QVERIFY2(seladon.contains(expected), qPrintable(expected + QStringLiteral("\n") + seladon));
        // The grams of the 500 g batch: 35 % quartz, and the iron added on top.
        for (const char* weighed : {"Kwarts +35[,.]00 % +175[,.]0 g",
                                    "\\+ Rood ijzeroxide +1[,.]50 % +7[,.]5 g", "Totaal +507[,.]5 g"})
            QVERIFY2(seladon.contains(QRegularExpression(QString::fromLatin1(weighed))), qPrintable(seladon));
        QVERIFY2(pages[1].contains(QStringLiteral("Proef K-2026-003")) &&
                     pages[1].contains(QStringLiteral("Proef: Chun blauw")) &&
                     !pages[1].contains(QStringLiteral("K-2026-001")),
                 qPrintable(pages[1]));
        QCOMPARE(imagePages(open.pdf), QList<int>({1, 1}));

        // The second photo's file is lost: its frame names where it belongs.
        QVERIFY(QFile::remove(qs(open.notebook.photoPath(open.photos[1]))));
        open.select({"K-2026-001"});
        child<QPushButton>(&open.form, "TestbladButton")->click();
        const QString lost = pdfPages(open.pdf).join(QString()).simplified().remove(QLatin1Char(' '));
        QVERIFY2(lost.contains(QStringLiteral("Fotoontbreekt:")), qPrintable(lost));
        QVERIFY2(lost.contains(QFileInfo(qs(open.photos[1].file)).fileName().remove(QLatin1Char(' '))),
                 qPrintable(lost));
        QCOMPARE(imagePages(open.pdf), QList<int>({1}));

        // A printer that cannot begin is said in the error box, not passed over.
        ui::ErrorBoxCapture errors;
        open.form.setPrintQuestion([](QPrinter& printer, QWidget*) {
            printer.setOutputFileName(QStringLiteral("/geen/zulke/map/proef.pdf"));
            return true;
        });
        child<QPushButton>(&open.form, "TestbladButton")->click();
        QCOMPARE(errors.shown, std::vector<std::string>{"Het afdrukken kon niet beginnen."});
    }

    // Labels of three tests: on one A4 sticker sheet, or one per page of the
    // label printer, each with its code and its glaze.
    void printsTileLabels() {
        if (!canReadPdf()) QSKIP("pdftotext (poppler-utils) is not installed");
        Open open;
        QVERIFY(QTest::qWaitForWindowExposed(&open.form));
        open.select({"K-2026-001", "K-2026-002", "K-2026-003"});
        auto* layout = child<QComboBox>(&open.form, "EtiketSoortCB");
        layout->setCurrentIndex(0);
        child<QPushButton>(&open.form, "EtikettenButton")->click();
        QStringList pages = pdfPages(open.pdf);
        QCOMPARE(pages.size(), 1);
        for (const char* expected :
             {"K-2026-001", "Seladon", "K-2026-002", "Kaki", "K-2026-003", "Chun blauw"})
            QVERIFY2(pages[0].contains(expected), qPrintable(pages[0]));
        // Three labels across the top row of the sheet.
        QVERIFY2(pages[0].contains(QRegularExpression(QStringLiteral("K-2026-001 +K-2026-002 +K-2026-003"))),
                 qPrintable(pages[0]));
        QCOMPARE(open.form.printer().pageLayout().pageSize().id(), QPageSize::A4);

        layout->setCurrentIndex(1);
        child<QPushButton>(&open.form, "EtikettenButton")->click();
        pages = pdfPages(open.pdf);
        QCOMPARE(pages.size(), 3);
        const char* codes[] = {"K-2026-001", "K-2026-002", "K-2026-003"};
        const char* glazes[] = {"Seladon", "Kaki", "Chun blauw"};
        for (int p = 0; p < 3; ++p)
            QVERIFY2(pages[p].contains(codes[p]) && pages[p].contains(glazes[p]), qPrintable(pages[p]));
        const QSizeF label = open.form.printer().pageLayout().pageSize().size(QPageSize::Millimeter);
        QCOMPARE(qRound(label.width()), 70);
        QCOMPARE(qRound(label.height()), 37);
    }
};

QTEST_MAIN(ProefZoekenTest)
#include "tst_ProefZoeken.moc"
