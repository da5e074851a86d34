// SPDX-License-Identifier: GPL-3.0-or-later
// The "Proeven" page on an empty notebook in a fresh data folder: a new test
// keeps the recipe as it was when mixed, the test and result dialogs write
// what was typed, photos are copied into foto/ and shown (or a placeholder
// naming the missing file), and a read-only run changes nothing.
#include "GuiTestSupport.h"

#include "notebook/CalendarDate.h"
#include "notebook/ProevenPage.h"
#include "store/Notebook.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

Glaze seladon() {
    Glaze g;
    g.naam = "Seladon";
    g.recipe.molp = "P";
    const std::pair<const char*, double> lines[] = {
        {"Veldspaat", 40}, {"Kwarts", 30}, {"Krijt", 20}, {"Kaolien", 10}};
    for (std::size_t i = 0; i < std::size(lines); ++i) {
        g.recipe.recipeSlots[i].name = lines[i].first;
        g.recipe.recipeSlots[i].mtp = lines[i].second;
    }
    g.recipe.additions[0].name = "IJzeroxide";
    g.recipe.additions[0].tvp = 1.5;
    return g;
}

struct Open {
    Open() {
        notebook.load();
        page.setGlazeName(QStringLiteral("Seladon"));
        page.resize(900, 700);
        page.show();
    }
    // Clicks "Nieuwe proef" and returns the new test's code.
    std::string newTest() {
        const std::size_t before = notebook.data().tests.size();
        QTest::mouseClick(child<QPushButton>(&page, "NieuweProefButton"), Qt::LeftButton);
        if (notebook.data().tests.size() != before + 1) return {};
        return notebook.data().tests.back().code;
    }
    QString dataFile(const std::string& relative) const {
        return dir.filePath(QString::fromStdString(relative));
    }

    QTemporaryDir dir;
    Notebook notebook{dir.path().toStdString()};
    RecordingPrompter prompter;
    Glaze glaze = seladon();
    ProevenPage page{prompter, notebook, [this] { return std::optional<Glaze>(glaze); }};
};

// A red picture of 300 x 200 pixels, and a text file beside it.
struct Pictures {
    Pictures() {
        QImage image(300, 200, QImage::Format_RGB32);
        image.fill(Qt::red);
        image.save(png);
        QFile text(txt);
        if (text.open(QIODevice::WriteOnly)) text.write("geen foto\n");
    }
    QTemporaryDir dir;
    QString png = dir.filePath(QStringLiteral("tegel.png"));
    QString txt = dir.filePath(QStringLiteral("notities.txt"));
};

// Drags the files over `target` and drops them there, as a file manager
// does; whether the page took the drag.
bool drop(QWidget* target, const QStringList& files) {
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString& f : files)
        urls << QUrl::fromLocalFile(f);
    mime.setUrls(urls);
    const QPoint at(20, 20);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent event(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
    QCoreApplication::processEvents();
    return enter.isAccepted() && event.isAccepted();
}

void retype(QWidget* dialog, const char* name, const QString& text) {
    auto* edit = child<QLineEdit>(dialog, name);
    edit->clear();
    QTest::keyClicks(edit, text);
}

QImage iconImage(QListWidget* list, int row) {
    return list->item(row)->icon().pixmap(QSize(128, 128)).toImage();
}

} // namespace

class ProevenPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareTestApplication(); }

    void newTestFreezesTheRecipeAsMixed() {
        Open open;
        const Recipe asMixed = open.glaze.recipe;
        const std::string first = open.newTest();
        const CalendarDate today = CalendarDate::today();
        QCOMPARE(QString::fromStdString(first), QStringLiteral("K-%1-001").arg(today.year));
        const Proef* test = open.notebook.data().test(first);
        QVERIFY(test);
        QCOMPARE(test->glaze, std::string("Seladon"));
        QCOMPARE(test->date, today.text());
        QVERIFY(test->recipe == asMixed);

        auto* tests = child<QTableWidget>(&open.page, "ProevenTabel");
        QCOMPARE(tests->rowCount(), 1);
        QCOMPARE(cellText(tests, 0, 0), QString::fromStdString(first));
        QCOMPARE(cellText(tests, 0, 1), QString::fromStdString(today.text()));
        QCOMPARE(open.page.selectedTestCode(), QString::fromStdString(first));

        // The glaze is edited in the editor; the test stays as it was mixed.
        open.glaze.recipe.recipeSlots[0].mtp = 55;
        open.glaze.recipe.recipeSlots[1].name = "Zirkoon";
        const std::string second = open.newTest();
        QCOMPARE(QString::fromStdString(second), QStringLiteral("K-%1-002").arg(today.year));
        QCOMPARE(open.page.selectedTestCode(), QString::fromStdString(second));
        QCOMPARE(tests->rowCount(), 2);
        QVERIFY(open.notebook.data().test(second)->recipe == open.glaze.recipe);

        Notebook reread(open.dir.path().toStdString());
        reread.load();
        QVERIFY(reread.data().test(first)->recipe == asMixed);
        QCOMPARE(reread.data().test(first)->recipe.recipeSlots[1].name, std::string("Kwarts"));
        QVERIFY(open.prompter.entries.empty());

        // Nothing to freeze: an empty recipe makes no test.
        open.glaze.recipe = Recipe{};
        QVERIFY(open.newTest().empty());
        QVERIFY(QString::fromStdString(open.prompter.texts().back()).contains(QStringLiteral("leeg")));
    }

    void testDialogWritesItsFields() {
        Open open;
        const std::string code = open.newTest();
        QString recipeShown;
        bool recipeReadOnly = false;
        whenModalOpens([&](QWidget* dialog) {
            retype(dialog, "DatumEdit", QStringLiteral("3-2-2026"));
            retype(dialog, "MengingEdit", QStringLiteral("500"));
            retype(dialog, "WaterEdit", QStringLiteral("450"));
            retype(dialog, "SoortelijkGewichtEdit", QStringLiteral("1,45"));
            retype(dialog, "ZeefEdit", QStringLiteral("80 mesh"));
            retype(dialog, "KleiEdit", QStringLiteral("Witte steengoedklei"));
            retype(dialog, "BiscuitEdit", QStringLiteral("06"));
            auto* application = child<QComboBox>(dialog, "OpbrengenBox");
            application->setCurrentIndex(application->findText(QStringLiteral("dompelen")));
            retype(dialog, "SecondenEdit", QStringLiteral("3"));
            retype(dialog, "LagenEdit", QStringLiteral("2"));
            retype(dialog, "DikteEdit", QStringLiteral("als room"));
            retype(dialog, "GelaagdEdit", QStringLiteral("onder Tenmoku"));
            QTest::keyClicks(child<QPlainTextEdit>(dialog, "NotitiesEdit"), QStringLiteral("goed geroerd"));
            auto* recipe = child<QPlainTextEdit>(dialog, "ReceptTekst");
            recipeShown = recipe->toPlainText();
            recipeReadOnly = recipe->isReadOnly();
            QTest::mouseClick(child<QPushButton>(dialog, "OkButton"), Qt::LeftButton);
        });
        QTest::mouseClick(child<QPushButton>(&open.page, "ProefBewerkenButton"), Qt::LeftButton);

        QVERIFY(recipeReadOnly);
        QVERIFY2(recipeShown.contains(QStringLiteral("Veldspaat")) &&
                     recipeShown.contains(QStringLiteral("IJzeroxide")),
                 qPrintable(recipeShown));
        const Proef* t = open.notebook.data().test(code);
        QVERIFY(t);
        QCOMPARE(t->date, std::string("03-02-2026"));
        QCOMPARE(t->batchGrams, 500.0);
        QCOMPARE(t->waterGrams, 450.0);
        QCOMPARE(t->specificGravity, 1.45);
        QCOMPARE(t->sieve, std::string("80 mesh"));
        QCOMPARE(t->clayBody, std::string("Witte steengoedklei"));
        QCOMPARE(t->bisqueCone, std::string("06"));
        QVERIFY(t->application == Application::Dip);
        QCOMPARE(t->seconds, 3.0);
        QCOMPARE(t->coats, 2.0);
        QCOMPARE(t->thickness, std::string("als room"));
        QCOMPARE(t->layering, std::string("onder Tenmoku"));
        QCOMPARE(t->notes, std::string("goed geroerd"));
        QVERIFY(t->recipe == open.glaze.recipe);
        auto* tests = child<QTableWidget>(&open.page, "ProevenTabel");
        QCOMPARE(cellText(tests, 0, 1), QStringLiteral("03-02-2026"));
        QCOMPARE(cellText(tests, 0, 2), QStringLiteral("Witte steengoedklei"));

        // A value that is no number is refused with its field, and the dialog stays.
        struct Case {
            const char* field;
            QString typed;
            QString said;
        };
        const Case refused[] = {{"WaterEdit", QStringLiteral("veel"), QStringLiteral("'veel' is geen getal")},
                                {"DatumEdit", QStringLiteral("31-02-2026"), QStringLiteral("31-02-2026")},
                                {"LagenEdit", QStringLiteral("1,5"), QStringLiteral("lagen")}};
        for (const Case& c : refused) {
            open.prompter.clear();
            bool stayedOpen = false;
            whenModalOpens([&](QWidget* dialog) {
                retype(dialog, c.field, c.typed);
                QTest::mouseClick(child<QPushButton>(dialog, "OkButton"), Qt::LeftButton);
                stayedOpen = dialog->isVisible();
                QTest::mouseClick(child<QPushButton>(dialog, "AnnulerenButton"), Qt::LeftButton);
            });
            QTest::mouseClick(child<QPushButton>(&open.page, "ProefBewerkenButton"), Qt::LeftButton);
            QVERIFY2(stayedOpen, c.field);
            QCOMPARE(open.prompter.entries.size(), std::size_t(1));
            QVERIFY2(QString::fromStdString(open.prompter.texts()[0]).contains(c.said, Qt::CaseInsensitive),
                     open.prompter.texts()[0].c_str());
            QCOMPARE(open.notebook.data().test(code)->waterGrams, 450.0);
            QCOMPARE(open.notebook.data().test(code)->date, std::string("03-02-2026"));
            QCOMPARE(open.notebook.data().test(code)->coats, 2.0);
        }
    }

    void resultWithDefectsAndRatingIsStoredAndShown() {
        Open open;
        const std::string code = open.newTest();
        auto* resultButton = child<QPushButton>(&open.page, "ResultaatButton");
        // Without a firing there is nothing to record a result in.
        QTest::mouseClick(resultButton, Qt::LeftButton);
        QCOMPARE(open.prompter.entries.size(), std::size_t(1));
        QVERIFY(open.notebook.data().results.empty());

        Stook firing;
        firing.code = "S-2026-001";
        firing.date = "14-03-2026";
        firing.cone = "6";
        firing.atmosphere = Atmosphere::Reduction;
        open.notebook.addFiring(firing);
        whenModalOpens([&](QWidget* dialog) {
            QCOMPARE(child<QComboBox>(dialog, "StookBox")->currentData().toString(),
                     QStringLiteral("S-2026-001"));
            retype(dialog, "PlaatsEdit", QStringLiteral("bovenplaat achter"));
            retype(dialog, "OppervlakEdit", QStringLiteral("zijdeglans"));
            retype(dialog, "KleurEdit", QStringLiteral("grijsgroen"));
            child<QCheckBox>(dialog, "Gebrek_kr")->click();
            child<QCheckBox>(dialog, "Gebrek_lo")->click();
            retype(dialog, "GebrekenTekstEdit", QStringLiteral("aan de voet"));
            auto* rating = child<QSpinBox>(dialog, "WaarderingBox");
            for (int i = 0; i < 4; ++i)
                QTest::keyClick(rating, Qt::Key_Up);
            QTest::mouseClick(child<QPushButton>(dialog, "OkButton"), Qt::LeftButton);
        });
        QTest::mouseClick(resultButton, Qt::LeftButton);

        QCOMPARE(open.notebook.data().results.size(), std::size_t(1));
        const TileResult& r = open.notebook.data().results[0];
        QCOMPARE(r.firing, std::string("S-2026-001"));
        QCOMPARE(r.test, code);
        QCOMPARE(r.place, std::string("bovenplaat achter"));
        QCOMPARE(r.surface, std::string("zijdeglans"));
        QCOMPARE(r.colour, std::string("grijsgroen"));
        QVERIFY((r.defects == std::vector<Defect>{Defect::Crawling, Defect::Running}));
        QCOMPARE(r.defectNotes, std::string("aan de voet"));
        QCOMPARE(r.rating, 4);

        auto* tests = child<QTableWidget>(&open.page, "ProevenTabel");
        QCOMPARE(cellText(tests, 0, 3), QStringLiteral("S-2026-001 (kegel 6, reductie)"));
        QCOMPARE(cellText(tests, 0, 4), QStringLiteral("4"));
        QCOMPARE(cellText(tests, 0, 5), QStringLiteral("kruipen, lopen"));
        auto* results = child<QTableWidget>(&open.page, "ResultatenTabel");
        QCOMPARE(results->rowCount(), 1);
        QCOMPARE(cellText(results, 0, 1), QStringLiteral("14-03-2026"));
        QCOMPARE(cellText(results, 0, 2), QStringLiteral("bovenplaat achter"));
        QCOMPARE(cellText(results, 0, 6), QStringLiteral("kruipen, lopen (aan de voet)"));
        QCOMPARE(cellText(results, 0, 7), QStringLiteral("4"));

        // The dialog opens on the stored result; OK replaces it, it adds none.
        bool crawlingShown = false;
        whenModalOpens([&](QWidget* dialog) {
            crawlingShown = child<QCheckBox>(dialog, "Gebrek_kr")->isChecked();
            child<QCheckBox>(dialog, "Gebrek_kr")->click();
            QTest::mouseClick(child<QPushButton>(dialog, "OkButton"), Qt::LeftButton);
        });
        QTest::mouseClick(resultButton, Qt::LeftButton);
        QVERIFY(crawlingShown);
        QCOMPARE(open.notebook.data().results.size(), std::size_t(1));
        QVERIFY((open.notebook.data().results[0].defects == std::vector<Defect>{Defect::Running}));
        QCOMPARE(cellText(tests, 0, 5), QStringLiteral("lopen"));
    }

    void droppedImageIsCopiedAndShownOrItsPlaceholder() {
        Open open;
        Pictures pictures;
        const QByteArray original = [&] {
            QFile f(pictures.png);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        const std::string code = open.newTest();
        QVERIFY(drop(&open.page, {pictures.png, pictures.txt}));

        QCOMPARE(open.notebook.data().photos.size(), std::size_t(1));
        const Foto photo = open.notebook.data().photos[0];
        QCOMPARE(photo.test, code);
        QVERIFY2(photo.file.rfind("foto/", 0) == 0, photo.file.c_str());
        QVERIFY(QDir::isRelativePath(QString::fromStdString(photo.file)));
        QFile copy(open.dataFile(photo.file));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), original);
        QVERIFY(QFile::exists(pictures.png));
        // The text file is refused by name.
        QCOMPARE(open.prompter.entries.size(), std::size_t(1));
        QVERIFY2(QString::fromStdString(open.prompter.texts()[0]).contains(QStringLiteral("notities.txt")),
                 open.prompter.texts()[0].c_str());

        auto* photos = child<QListWidget>(&open.page, "FotoLijst");
        QCOMPARE(photos->count(), 1);
        QVERIFY(!child<QLabel>(&open.page, "OntbrekendLbl")->isVisible());
        QImage thumb = iconImage(photos, 0);
        QCOMPARE(thumb.width(), 128);
        QVERIFY(thumb.height() < 100);
        QCOMPARE(thumb.pixelColor(thumb.width() / 2, thumb.height() / 2), QColor(Qt::red));

        // A double-click asks for the photo viewer with the test and the photo's place.
        QSignalSpy opened(&open.page, &ProevenPage::photoOpenRequested);
        // The list lays its items out once the events are through.
        QTRY_VERIFY(photos->visualItemRect(photos->item(0)).isValid());
        const QPoint centre = photos->visualItemRect(photos->item(0)).center();
        // A double-click is a click followed by the second press.
        QTest::mouseClick(photos->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(photos->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened[0][0].toString(), QString::fromStdString(code));
        QCOMPARE(opened[0][1].toInt(), 0);

        // The file goes: the page names where it should be.
        QVERIFY(QFile::remove(open.dataFile(photo.file)));
        open.page.refresh();
        QCOMPARE(photos->count(), 1);
        const QString expected =
            QDir::toNativeSeparators(QString::fromStdString(open.notebook.photoPath(photo)));
        QVERIFY2(photos->item(0)->text().startsWith(QStringLiteral("Ontbreekt")),
                 qPrintable(photos->item(0)->text()));
        auto* missing = child<QLabel>(&open.page, "OntbrekendLbl");
        QVERIFY(missing->isVisible());
        QVERIFY2(missing->text().contains(expected), qPrintable(missing->text()));
        thumb = iconImage(photos, 0);
        QVERIFY(thumb.pixelColor(thumb.width() / 2, thumb.height() / 3) != QColor(Qt::red));
    }

    void photoButtonAsksForFileAndWhatItShows() {
        Open open;
        Pictures pictures;
        const std::string code = open.newTest();
        Stook firing;
        firing.code = "S-2026-002";
        firing.date = "20-03-2026";
        firing.cone = "9";
        firing.atmosphere = Atmosphere::Wood;
        open.notebook.addFiring(firing);
        QString filterAsked;
        open.page.setFileChooser([&](QWidget*, const QString&, const QString& filter) {
            filterAsked = filter;
            return QStringList{pictures.png};
        });
        whenModalOpens([&](QWidget* dialog) {
            retype(dialog, "TitelEdit", QStringLiteral("Voorkant"));
            auto* firings = child<QComboBox>(dialog, "StookBox");
            firings->setCurrentIndex(firings->findData(QStringLiteral("S-2026-002")));
            QTest::mouseClick(child<QPushButton>(dialog, "OkButton"), Qt::LeftButton);
        });
        QTest::mouseClick(child<QPushButton>(&open.page, "FotoToevoegenButton"), Qt::LeftButton);

        QVERIFY2(filterAsked.contains(QStringLiteral("*.png")), qPrintable(filterAsked));
        QCOMPARE(open.notebook.data().photos.size(), std::size_t(1));
        const Foto& p = open.notebook.data().photos[0];
        QCOMPARE(p.test, code);
        QCOMPARE(p.title, std::string("Voorkant"));
        QCOMPARE(p.firing, std::string("S-2026-002"));
        QCOMPARE(p.cone, std::string("9"));
        QVERIFY(p.atmosphere == Atmosphere::Wood);
        QCOMPARE(child<QListWidget>(&open.page, "FotoLijst")->item(0)->text(), QStringLiteral("Voorkant"));
    }

    void readOnlyDisablesEveryChange() {
        Open open;
        Pictures pictures;
        open.newTest();
        const char* buttons[] = {"NieuweProefButton", "ProefBewerkenButton", "ResultaatButton",
                                 "FotoToevoegenButton"};
        for (const char* name : buttons)
            QVERIFY2(child<QPushButton>(&open.page, name)->isEnabled(), name);

        open.page.setReadOnly(true);
        for (const char* name : buttons)
            QVERIFY2(!child<QPushButton>(&open.page, name)->isEnabled(), name);
        QVERIFY(!open.page.acceptDrops());
        QVERIFY(!drop(&open.page, {pictures.png}));
        QVERIFY(open.notebook.data().photos.empty());
        // Selecting another test keeps them disabled.
        open.page.refresh();
        QVERIFY(!child<QPushButton>(&open.page, "ResultaatButton")->isEnabled());

        open.page.setReadOnly(false);
        for (const char* name : buttons)
            QVERIFY2(child<QPushButton>(&open.page, name)->isEnabled(), name);
        QVERIFY(open.page.acceptDrops());
    }
};

QTEST_MAIN(ProevenPageTest)
#include "tst_ProevenPage.moc"
