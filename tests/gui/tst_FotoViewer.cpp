// SPDX-License-Identifier: GPL-3.0-or-later
// The photo viewer over a test with three photos (wide, tall, and one whose
// file is gone): each shown whole in the window with what it shows, the
// buttons and the arrow keys going through them, and the lost one named by
// the path where it was expected.
#include "GuiTestSupport.h"

#include "notebook/FotoViewerFormUnit.h"
#include "store/Notebook.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

struct Open {
    Open() {
        notebook.load();
        Proef test;
        test.code = "K-2026-007";
        test.glaze = "Seladon";
        notebook.addTest(test);
        Stook firing;
        firing.code = "S-2026-002";
        firing.cone = "10";
        notebook.addFiring(firing);
        const QSize sizes[] = {{400, 200}, {150, 300}, {100, 100}};
        const char* titles[] = {"voorkant", "achterkant", "druppel"};
        for (int n = 0; n < 3; ++n) {
            const QString source = folder.filePath(QStringLiteral("bron%1.png").arg(n));
            QImage picture(sizes[n], QImage::Format_RGB32);
            picture.fill(Qt::darkGreen);
            QVERIFY(picture.save(source));
            Foto photo;
            photo.title = titles[n];
            photo.cone = n == 0 ? "10" : "9";
            photo.atmosphere = n == 0 ? Atmosphere::Reduction : Atmosphere::Wood;
            photo.test = "K-2026-007";
            photo.firing = n == 0 ? "S-2026-002" : "";
            photos.push_back(notebook.addPhoto({source.toStdString(), photo}));
        }
        QVERIFY(QFile::remove(QString::fromStdString(notebook.photoPath(photos[2]))));
        viewer.resize(600, 500);
    }
    template <class T> T* control(const char* name) { return child<T>(&viewer, name); }
    QString text(const char* label) { return control<QLabel>(label)->text(); }

    QTemporaryDir folder;
    Notebook notebook{folder.path().toStdString()};
    std::vector<Foto> photos;
    TFotoViewerForm viewer{notebook};
};

} // namespace

class FotoViewerTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() { QVERIFY(noUnexpectedErrorBoxes()); }

    void goesThroughThePhotosOfATest() {
        Open open;
        open.viewer.showPhotos(QStringLiteral("K-2026-007"), 1);
        QVERIFY(QTest::qWaitForWindowExposed(&open.viewer));
        auto* previous = open.control<QPushButton>("VorigeButton");
        auto* next = open.control<QPushButton>("VolgendeButton");
        auto* photo = open.control<QLabel>("FotoLabel");

        // Opened at the photo asked for: the tall one, whole, keeping its shape.
        QCOMPARE(open.text("PositieLabel"), QStringLiteral("Foto 2 van 3"));
        QCOMPARE(open.text("TitelLabel"), QStringLiteral("achterkant"));
        QCOMPARE(open.text("AtmosfeerLabel"), QStringLiteral("hout"));
        QCOMPARE(open.text("StookLabel"), QString());
        const QSize shown = photo->pixmap().deviceIndependentSize().toSize();
        QVERIFY2(shown.height() == photo->contentsRect().height() ||
                     shown.width() == photo->contentsRect().width(),
                 qPrintable(QStringLiteral("%1x%2").arg(shown.width()).arg(shown.height())));
        QVERIFY(shown.height() <= photo->contentsRect().height() &&
                shown.width() <= photo->contentsRect().width());
        QVERIFY(qAbs(shown.height() - 2 * shown.width()) <= 2);

        previous->click();
        QCOMPARE(open.text("PositieLabel"), QStringLiteral("Foto 1 van 3"));
        QCOMPARE(open.text("TitelLabel"), QStringLiteral("voorkant"));
        QCOMPARE(open.text("KegelLabel"), QStringLiteral("10"));
        QCOMPARE(open.text("AtmosfeerLabel"), QStringLiteral("reductie"));
        QCOMPARE(open.text("ProefLabel"), QStringLiteral("K-2026-007"));
        QCOMPARE(open.text("StookLabel"), QStringLiteral("S-2026-002"));
        QVERIFY(!previous->isEnabled());
        QVERIFY(next->isEnabled());

        // The arrow keys, wherever the focus is (a button takes them otherwise).
        next->setFocus();
        QTest::keyClick(&open.viewer, Qt::Key_Right);
        QCOMPARE(open.viewer.current(), 1);
        QTest::keyClick(next, Qt::Key_Right);
        QCOMPARE(open.viewer.current(), 2);
        QVERIFY(!next->isEnabled());
        QTest::keyClick(previous, Qt::Key_Right);
        QCOMPARE(open.viewer.current(), 2);
        QTest::keyClick(&open.viewer, Qt::Key_Left);
        QCOMPARE(open.viewer.current(), 1);

        // An index past the end shows the last photo.
        open.viewer.showPhotos(QStringLiteral("K-2026-007"), 9);
        QCOMPARE(open.viewer.current(), 2);
    }

    void aLostFileShowsWhereItWasExpected() {
        Open open;
        open.viewer.showPhotos(QStringLiteral("K-2026-007"), 2);
        QVERIFY(QTest::qWaitForWindowExposed(&open.viewer));
        auto* photo = open.control<QLabel>("FotoLabel");
        const QString path = QString::fromStdString(open.notebook.photoPath(open.photos[2]));
        QCOMPARE(photo->text(), QStringLiteral("Foto ontbreekt. Verwacht op:\n%1").arg(path));
        QVERIFY(photo->pixmap().isNull());
        QCOMPARE(open.text("TitelLabel"), QStringLiteral("druppel"));

        // Back to a photo that is there: the picture again, no placeholder.
        open.control<QPushButton>("VorigeButton")->click();
        QVERIFY(!photo->pixmap().isNull());
        QVERIFY(photo->text().isEmpty());

        // A file that is there but no picture is said to be unreadable.
        QFile broken(path);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("geen plaatje");
        broken.close();
        open.control<QPushButton>("VolgendeButton")->click();
        QCOMPARE(photo->text(), QStringLiteral("Deze foto is niet te lezen:\n%1").arg(path));

        // A test without photos says so.
        open.viewer.showPhotos(QStringLiteral("K-2026-099"), 0);
        QCOMPARE(open.viewer.current(), -1);
        QCOMPARE(photo->text(), QStringLiteral("Proef K-2026-099 heeft geen foto's."));
        QVERIFY(!open.control<QPushButton>("VolgendeButton")->isEnabled());
        QVERIFY(!open.control<QPushButton>("VorigeButton")->isEnabled());
    }
};

QTEST_MAIN(FotoViewerTest)
#include "tst_FotoViewer.moc"
