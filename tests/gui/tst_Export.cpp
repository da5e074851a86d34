// SPDX-License-Identifier: GPL-3.0-or-later
// The export window on the starter data: two glazes chosen in its list and
// written as CSV, the current glaze as text, and what it says when a choice
// is missing or the file cannot be written.
#include "GuiTestSupport.h"

#include "glaze/ExportFormUnit.h"
#include "interchange/RecipeExport.h"
#include "store/GlazeBook.h"
#include "widgets/ErrorBox.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {
struct Open {
    explicit Open(const QString& current) : form(book, prompter, current) { form.show(); }
    ~Open() { book.close(); }
    TestInstallation install;
    GlazeBook book{QDir(install.folder()).filePath(QStringLiteral("db0991")).toStdString()};
    bool loaded = (book.load(), true);
    RecordingPrompter prompter;
    TExportForm form;
    QTemporaryDir out;
    QString file(const char* name) const { return out.filePath(QString::fromUtf8(name)); }
};

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void chooseFormat(QComboBox* box, const char* name) {
    const int index = box->findData(QString::fromUtf8(name));
    QVERIFY(index >= 0);
    box->setFocus();
    // Down from the first entry, as the keyboard does it.
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(box->currentData().toString(), QString::fromUtf8(name));
}

void clickItem(QListWidget* list, const QString& text, Qt::KeyboardModifiers modifiers) {
    const auto found = list->findItems(text, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                      list->visualItemRect(found.first()).center());
}
} // namespace

class ExportTest : public QObject {
    Q_OBJECT
private slots:
    void twoChosenGlazesAsCsv() {
        Open open(QStringLiteral("Seladon"));
        QVERIFY(QTest::qWaitForWindowExposed(&open.form));
        QCOMPARE(open.form.windowTitle(), QStringLiteral("Exporteren"));

        auto* chosen = child<QRadioButton>(&open.form, "GekozenRB");
        auto* list = child<QListWidget>(&open.form, "GlazenLB");
        QVERIFY(!list->isEnabled()); // the current glaze is the default choice
        chosen->click();             // a radio button takes clicks on its label only
        QVERIFY(list->isEnabled());
        clickItem(list, QStringLiteral("Tenmoku"), Qt::NoModifier);
        clickItem(list, QStringLiteral("Seladon"), Qt::ControlModifier);
        chooseFormat(child<QComboBox>(&open.form, "FormaatCB"), "csv");
        QTest::keyClicks(child<QLineEdit>(&open.form, "FileEdit"), open.file("twee.csv"));
        QTest::mouseClick(child<QPushButton>(&open.form, "ExportButton"), Qt::LeftButton);

        QCOMPARE(open.form.result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(open.prompter.texts().at(0)),
                 QStringLiteral("2 glazuren geëxporteerd naar ") + open.file("twee.csv"));
        // In list (name) order; the file is the core's CSV of those two glazes.
        const QByteArray csv = contents(open.file("twee.csv"));
        const ExportSet set = ExportSet::of(
            {*open.book.findGlaze("Seladon"), *open.book.findGlaze("Tenmoku")}, open.book.materials());
        QCOMPARE(csv, QByteArray::fromStdString(exportRecipes(set, ExportFormat::Csv)[0].content));
        QVERIFY(csv.contains("\r\nSeladon,Kaliveldspaat,35,nee\r\n"));
        QVERIFY(csv.contains("\r\nSeladon,Rood ijzeroxide,1.5,ja\r\n"));
        QVERIFY(csv.contains("\r\nTenmoku,"));
        QVERIFY(!csv.contains("Kaki"));
    }

    void currentGlazeAsText() {
        Open open(QStringLiteral("Seladon"));
        QVERIFY(child<QRadioButton>(&open.form, "HuidigRB")->isChecked());
        chooseFormat(child<QComboBox>(&open.form, "FormaatCB"), "text");
        QTest::keyClicks(child<QLineEdit>(&open.form, "FileEdit"), open.file("seladon.txt"));
        QTest::mouseClick(child<QPushButton>(&open.form, "ExportButton"), Qt::LeftButton);
        const QString text = QString::fromUtf8(contents(open.file("seladon.txt")));
        QVERIFY2(text.startsWith(QStringLiteral("Naam: Seladon\n")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("\nToevoegingen:\nRood ijzeroxide  1.5\n")));
        QVERIFY(text.contains(QStringLiteral("; 1 mol Li2O, Na2O, K2O,")));
        QVERIFY(!text.contains(QStringLiteral("Tenmoku")));
    }

    // Nothing chosen, no file, a folder that does not exist: the window says
    // so, writes nothing and stays open.
    void missingChoicesAndWriteErrors() {
        Open open{QString()};
        QVERIFY(!child<QRadioButton>(&open.form, "HuidigRB")->isEnabled());
        auto* exportButton = child<QPushButton>(&open.form, "ExportButton");
        auto* file = child<QLineEdit>(&open.form, "FileEdit");
        QTest::keyClicks(file, open.file("x.csv"));
        QTest::mouseClick(exportButton, Qt::LeftButton);
        QCOMPARE(open.prompter.texts(), std::vector<std::string>{"Kies eerst een of meer glazuren."});

        child<QRadioButton>(&open.form, "AllesRB")->click();
        file->clear();
        QTest::mouseClick(exportButton, Qt::LeftButton);
        QCOMPARE(open.prompter.texts().back(), std::string("Kies eerst een bestand."));

        ui::ErrorBoxCapture errors;
        QTest::keyClicks(file, open.file("geen/map/x.csv"));
        QTest::mouseClick(exportButton, Qt::LeftButton);
        QCOMPARE(errors.shown.size(), std::size_t(1));
        QVERIFY2(QString::fromStdString(errors.shown[0]).contains(open.file("geen/map/x.csv")),
                 errors.shown[0].c_str());
        QVERIFY(open.form.isVisible());
        QCOMPARE(open.prompter.texts().size(), std::size_t(2));
        QVERIFY(QDir(open.out.path()).isEmpty());
    }
};

QTEST_MAIN(ExportTest)
#include "tst_Export.moc"
