// SPDX-License-Identifier: GPL-3.0-or-later
// The notebook's windows switched to English while they are open and back
// to Dutch: no Dutch caption left, texts computed from the notebook (the
// count of tests found, the log line, a missing photo) recomputed, the
// Dutch ones exactly as before, and the two helpers without a QObject found
// under their qualified names at run time.
#include "GuiTestSupport.h"
#include "LanguageWalk.h"

#include "common/TranslationTable.h"
#include "notebook/NotebookLabels.h"
#include "notebook/ProefZoekenFormUnit.h"
#include "notebook/ProevenPage.h"
#include "notebook/StokenFormUnit.h"
#include "notebook/TestSheetPrinter.h"
#include "store/GlazeBook.h"
#include "store/Notebook.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

// The switch as the menu makes it; the windows get their LanguageChange
// through the event queue, as they do in the running program.
bool switchTo(int taal) {
    const bool found = switchLanguage(taal);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    return found;
}

// Back to Dutch whatever a test left behind.
struct DutchAfterwards {
    ~DutchAfterwards() { switchTo(TaalDutch); }
};

void verifyNoDutch(QWidget* window) {
    const QStringList left = dutchLeftovers(window);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
}

QString headerText(const QAbstractItemView* view, int column) {
    return view->model()->headerData(column, Qt::Horizontal).toString();
}

// The starter data with one test of Seladon, fired once (no log) and with a
// photo whose file has gone from the data folder.
struct Notebooks {
    Notebooks() {
        book.load();
        notebook.load();
        notebook.addTest(Proef::mixedFrom(*book.findGlaze("Seladon"), "K-2026-001", "02-03-2026"));
        Stook firing;
        firing.code = "S-2026-001";
        firing.date = "10-03-2026";
        firing.cone = "6";
        notebook.addFiring(firing);
        TileResult result;
        result.firing = "S-2026-001";
        result.test = "K-2026-001";
        result.surface = "glans";
        notebook.setResult(result);

        const QString source = QDir(install.folder()).filePath(QStringLiteral("tegel.png"));
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        picture.save(source);
        Foto photo;
        photo.test = "K-2026-001";
        photo.cone = "6";
        const Foto stored = notebook.addPhoto({source.toStdString(), photo});
        QFile::remove(QString::fromStdString(notebook.photoPath(stored)));
    }
    ~Notebooks() { book.close(); }

    TestInstallation install;
    QString data = QDir(install.folder()).filePath(QStringLiteral("db0991"));
    GlazeBook book{data.toStdString()};
    Notebook notebook{data.toStdString()};
    RecordingPrompter prompter;
};

} // namespace

class TranslationNotebookTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() { QVERIFY(noUnexpectedErrorBoxes()); }

    void firingsWindowFollowsTheLanguage() {
        Notebooks open;
        DutchAfterwards dutch;
        TStokenForm form(open.prompter, open.notebook);
        form.show();
        QVERIFY(form.selectFiring(QStringLiteral("S-2026-001")));
        auto* log = child<QLabel>(&form, "LogLbl");
        QCOMPARE(log->text(), QStringLiteral("Geen log bij deze stook."));

        QVERIFY(switchTo(TaalEnglish));
        QCOMPARE(form.windowTitle(), QStringLiteral("Firings"));
        QCOMPARE(child<QPushButton>(&form, "LogButton")->text(), QStringLiteral("Read log..."));
        QCOMPARE(log->text(), QStringLiteral("No log with this firing."));
        QCOMPARE(headerText(child<QTableWidget>(&form, "StokenTabel"), 2), QStringLiteral("Kiln"));
        verifyNoDutch(&form);

        QVERIFY(switchTo(TaalDutch));
        QCOMPARE(form.windowTitle(), QStringLiteral("Stoken"));
        QCOMPARE(child<QPushButton>(&form, "LogButton")->text(), QStringLiteral("Log inlezen..."));
        QCOMPARE(log->text(), QStringLiteral("Geen log bij deze stook."));
        QCOMPARE(headerText(child<QTableWidget>(&form, "StokenTabel"), 2), QStringLiteral("Oven"));
    }

    void testSearchFollowsTheLanguage() {
        Notebooks open;
        DutchAfterwards dutch;
        TProefZoekenForm form(open.notebook, open.book, open.prompter);
        form.show();
        form.search();
        auto* count = child<QLabel>(&form, "AantalLabel");
        QCOMPARE(count->text(), QStringLiteral("1 proef gevonden"));

        QVERIFY(switchTo(TaalEnglish));
        QCOMPARE(form.windowTitle(), QStringLiteral("Find tests"));
        QCOMPARE(count->text(), QStringLiteral("1 test found"));
        QCOMPARE(headerText(child<QTableView>(&form, "ResultatenTabel"), 1), QStringLiteral("Glaze"));
        verifyNoDutch(&form);

        QVERIFY(switchTo(TaalDutch));
        QCOMPARE(form.windowTitle(), QStringLiteral("Proeven zoeken"));
        QCOMPARE(count->text(), QStringLiteral("1 proef gevonden"));
        QCOMPARE(headerText(child<QTableView>(&form, "ResultatenTabel"), 1), QStringLiteral("Glazuur"));
    }

    void testsPageFollowsTheLanguage() {
        Notebooks open;
        DutchAfterwards dutch;
        ProevenPage page(open.prompter, open.notebook, [&open] { return open.book.findGlaze("Seladon"); });
        page.setGlazeName(QStringLiteral("Seladon"));
        page.resize(900, 700);
        page.show();
        page.selectTest(QStringLiteral("K-2026-001"));
        auto* missing = child<QLabel>(&page, "OntbrekendLbl");
        QVERIFY2(missing->text().startsWith(QStringLiteral("Foto niet gevonden: ")),
                 qPrintable(missing->text()));

        QVERIFY(switchTo(TaalEnglish));
        QCOMPARE(child<QPushButton>(&page, "NieuweProefButton")->text(), QStringLiteral("&New test"));
        QVERIFY2(missing->text().startsWith(QStringLiteral("Photo not found: ")),
                 qPrintable(missing->text()));
        verifyNoDutch(&page);

        QVERIFY(switchTo(TaalDutch));
        QCOMPARE(child<QPushButton>(&page, "NieuweProefButton")->text(), QStringLiteral("&Nieuwe proef"));
        QVERIFY2(missing->text().startsWith(QStringLiteral("Foto niet gevonden: ")),
                 qPrintable(missing->text()));
    }

    // The label helper and the sheet printer have no QObject of their own;
    // their texts are found under the names the catalogue gives them.
    void helpersAreFoundUnderTheirQualifiedNames() {
        DutchAfterwards dutch;
        Stook firing;
        firing.code = "S-2026-001";
        firing.cone = "6";
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);

        QVERIFY(switchTo(TaalEnglish));
        QCOMPARE(NotebookLabels::firing(firing), QStringLiteral("S-2026-001 (cone 6)"));
        TestSheetPrinter::prepareForLabels(printer, TestSheetPrinter::LabelLayout::LabelPrinter);
        QCOMPARE(printer.pageLayout().pageSize().name(), QStringLiteral("Label 70 × 37 mm"));

        QVERIFY(switchTo(TaalDutch));
        QCOMPARE(NotebookLabels::firing(firing), QStringLiteral("S-2026-001 (kegel 6)"));
        TestSheetPrinter::prepareForLabels(printer, TestSheetPrinter::LabelLayout::LabelPrinter);
        QCOMPARE(printer.pageLayout().pageSize().name(), QStringLiteral("Etiket 70 × 37 mm"));
    }
};

QTEST_MAIN(TranslationNotebookTest)
#include "tst_TranslationNotebook.moc"
