// SPDX-License-Identifier: GPL-3.0-or-later
// The blend window on the starter data: a Currie grid of four example
// glazes drawn as on the tile, a chosen cell's recipe and formula, and a
// cell stored as a glaze whose own calculation matches the cell.
#include "GuiTestSupport.h"

#include "engine/Calculate.h"
#include "glaze/BlendTileView.h"
#include "glaze/MengreeksFormUnit.h"
#include "store/GlazeBook.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QtTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {
// The window over a throw-away installation's glazes, shown.
struct Open {
    Open() {
        book.load();
        form.reloadGlazes(); // made before the book was read
        form.show();
    }
    ~Open() { book.close(); }
    TestInstallation install;
    GlazeBook book{QDir(install.folder()).filePath(QStringLiteral("db0991")).toStdString()};
    RecordingPrompter prompter;
    TMengreeksForm form{book, prompter, KELVORA_CHEMISTRY_DATA};
};
} // namespace

class MengreeksTest : public QObject {
    Q_OBJECT
private slots:
    void curriesGridOfFourGlazesAndACellMadeIntoAGlaze() {
        Open open;
        TMengreeksForm& form = open.form;
        RecordingPrompter& prompter = open.prompter;
        GlazeBook& book = open.book;
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        auto* kind = child<QComboBox>(&form, "SoortBox");
        auto* tile = child<BlendTileView>(&form, "Tegel");
        auto* details = child<QPlainTextEdit>(&form, "CelDetails");
        auto* status = child<QLabel>(&form, "StatusLbl");
        auto* make = child<QPushButton>(&form, "MaakGlazuurButton");

        // No corners yet: nothing to draw, and the window says why.
        QCOMPARE(tile->cellCount(), 0);
        QCOMPARE(status->text(), QStringLiteral("Kies de hoekglazuren."));
        QVERIFY(!make->isEnabled());

        kind->setCurrentIndex(3); // Currie
        const char* corners[] = {"HoekA", "HoekB", "HoekC", "HoekD"};
        const char* glazes[] = {"Seladon", "Tenmoku", "Kaki", "Leach kalkglazuur"};
        for (int c = 0; c < 4; ++c) {
            auto* box = child<QComboBox>(&form, corners[c]);
            QVERIFY(box->isEnabled());
            box->setEditText(QLatin1String(glazes[c]));
        }
        QCOMPARE(tile->cellCount(), 35);
        QVERIFY(make->isEnabled());
        QVERIFY(!child<QSpinBox>(&form, "CellenSpin")->isVisible()); // a Currie grid has no size to set

        // Cell 18, the middle of the grid: a quarter of each corner.
        QTest::mouseClick(tile, Qt::LeftButton, {}, tile->cellRect(18).center());
        QCOMPARE(tile->chosen(), 18);
        const QString shown = details->toPlainText();
        QVERIFY2(shown.startsWith(QStringLiteral("Cel 18\n  A 25")), qPrintable(shown));
        QVERIFY2(shown.contains(QStringLiteral("Seger formule")), qPrintable(shown));

        make->click();
        QCOMPARE(prompter.texts(), std::vector<std::string>{"Glazuur Mengreeks \u2013 cel 18 opgeslagen."});
        const auto stored = book.findGlaze("Mengreeks \u2013 cel 18");
        QVERIFY(stored.has_value());
        QCOMPARE(QString::fromStdString(stored->recipe.molp), QStringLiteral("P"));
        // Its own calculation gives the formula the window showed for the cell.
        const CalcResult again = calculate(stored->recipe, book.catalogue(), {});
        QVERIFY(!again.stopped);
        for (std::size_t k = 0; k < again.oxides.size(); ++k)
            QVERIFY(std::abs(again.oxides[k] - stored->oxides[k]) < 1e-9);

        // The blend was kept with its glaze: it opens again as it was.
        auto* saved = child<QComboBox>(&form, "OpgeslagenBox");
        QCOMPARE(saved->count(), 1);
        kind->setCurrentIndex(0);
        QCOMPARE(tile->cellCount(), 11);
        saved->setCurrentIndex(0);
        Q_EMIT saved->textActivated(saved->itemText(0));
        QCOMPARE(kind->currentIndex(), 3);
        QCOMPARE(child<QComboBox>(&form, "HoekD")->currentText(), QStringLiteral("Leach kalkglazuur"));
        QCOMPARE(tile->cellCount(), 35);
        tile->setChosen(18);

        // A second time the name is taken: said, nothing stored.
        prompter.clear();
        make->click();
        QCOMPARE(prompter.texts(),
                 std::vector<std::string>{"Er is al een glazuur met de naam Mengreeks \u2013 cel 18."});
    }

    // The printed sheet read back from the PDF: what to make of each end
    // glaze, the volumetric rule, and the cells as they lie on the tile.
    void printsTheBatchSheet() {
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
        Open open;
        TMengreeksForm& form = open.form;
        child<QComboBox>(&form, "SoortBox")->setCurrentIndex(3);
        const char* corners[] = {"HoekA", "HoekB", "HoekC", "HoekD"};
        const char* glazes[] = {"Seladon", "Tenmoku", "Kaki", "Leach kalkglazuur"};
        for (int c = 0; c < 4; ++c)
            child<QComboBox>(&form, corners[c])->setEditText(QLatin1String(glazes[c]));
        child<QDoubleSpinBox>(&form, "HoeveelheidSpin")->setValue(24.0);
        const QString pdf = QDir(open.install.folder()).filePath("mengreeks.pdf");
        form.printer().setOutputFormat(QPrinter::PdfFormat);
        form.printer().setOutputFileName(pdf);
        whenModalOpens([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
        child<QPushButton>(&form, "AfdrukkenButton")->click();
        QVERIFY(QFile::exists(pdf));
        QCOMPARE(form.printer().pageLayout().pageSize().id(), QPageSize::A3);
        // A margin the printer cannot cut off.
        const QMarginsF margins = form.printer().pageLayout().margins(QPageLayout::Millimeter);
        QVERIFY(margins.left() >= 15 && margins.top() >= 15 && margins.right() >= 15 &&
                margins.bottom() >= 15);

        QProcess convert;
        convert.start(pdftotext, {"-layout", pdf, "-"});
        QVERIFY(convert.waitForFinished(10000));
        const QString printed = QString::fromUtf8(convert.readAllStandardOutput());
        QVERIFY2(printed.contains(
                     QRegularExpression("Mengreeks Mengreeks \\(currie, 35 cellen, 24[.,]0 ml per cel\\)")),
                 qPrintable(printed));
        // 210 ml of each corner and a margin of 10 %.
        QVERIFY2(printed.contains(QRegularExpression("D +Leach kalkglazuur +maak 231[.,]0 ml")),
                 qPrintable(printed));
        QVERIFY2(printed.contains("gelijk volume"), qPrintable(printed));
        QVERIFY2(printed.contains(QRegularExpression("cel 16 +cel 17 +cel 18 +cel 19 +cel 20")),
                 qPrintable(printed));
    }

    void aLineShowsItsSizeAndRange() {
        Open open;
        TMengreeksForm& form = open.form;
        RecordingPrompter& prompter = open.prompter;
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.startFrom(QStringLiteral("Seladon"));
        child<QComboBox>(&form, "HoekB")->setEditText(QStringLiteral("Tenmoku"));
        QVERIFY(!child<QComboBox>(&form, "HoekC")->isEnabled());
        auto* tile = child<BlendTileView>(&form, "Tegel");
        QCOMPARE(tile->cellCount(), 11);
        child<QSpinBox>(&form, "CellenSpin")->setValue(5);
        QCOMPARE(tile->cellCount(), 5);
        // An unknown corner is named, not a box per keystroke.
        child<QComboBox>(&form, "HoekB")->setEditText(QStringLiteral("Tenmok"));
        QCOMPARE(tile->cellCount(), 0);
        QCOMPARE(child<QLabel>(&form, "StatusLbl")->text(), QStringLiteral("Onbekend glazuur: Tenmok"));
        QVERIFY(prompter.entries.empty());
    }
};

QTEST_MAIN(MengreeksTest)
#include "tst_Mengreeks.moc"
