// SPDX-License-Identifier: GPL-3.0-or-later
// The material import window: choosing a file, confirming or refusing, and
// an import that fails halfway, read back from the materials file.
#include "GuiTestSupport.h"

#include "app/MainFormUnit.h"
#include "materials/MatImportFormUnit.h"
#include "store/View.h"
#include "widgets/ErrorBox.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

struct Program {
    Program() {
        startProgram(prompter.recorder);
        matImportForm()->show();
        (void)QTest::qWaitForWindowExposed(matImportForm());
    }
    ~Program() {
        if (mainForm()) endProgram();
    }
    TMatImportForm& form() { return *matImportForm(); }
    QString dataFile() const { return install.folder() + "/db0991/mat.cds"; }
    QByteArray dataBytes() const {
        QFile file(dataFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The names in the materials file, and how often each stands there.
    QMap<QString, int> names() const {
        View view("check", dataFile().toStdString());
        view.open();
        QMap<QString, int> count;
        for (view.first(); !view.eof(); view.next())
            ++count[QString::fromStdString(view.asText("naam"))];
        return count;
    }
    void importFile(const QString& path, bool answer) {
        child<QLineEdit>(&form(), "FileEdit")->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(child<QLineEdit>(&form(), "FileEdit"), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(child<QLineEdit>(&form(), "FileEdit"), path);
        prompter.recorder.answerNext(answer);
        QTest::mouseClick(child<QPushButton>(&form(), "ImportButton"), Qt::LeftButton);
    }
    std::string question(const QString& path) const {
        return "Doorgaan met toevoegen gegevens uit bestand\r\n" + path.toStdString() +
               "\r\n aan de tabel met grondstoffen?";
    }

    TestInstallation install;
    ScopedPrompter prompter;
};

QString fixture(const char* name) {
    return QFileInfo(QFINDTESTDATA(QStringLiteral("../fixtures/") + QLatin1String(name))).canonicalFilePath();
}

} // namespace

class MatImportFormTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() { QVERIFY(noUnexpectedErrorBoxes()); }

    void confirmedImportAppendsAndTwiceDoubles();
    void refusedImportChangesNothing();
    void importFailingMidwayLeavesTheFileAsItWas_data();
    void importFailingMidwayLeavesTheFileAsItWas();
    void browsingPutsTheChosenFileIntoTheEdit();
    void picture();
};

void MatImportFormTest::confirmedImportAppendsAndTwiceDoubles() {
    Program p;
    const QString source = fixture("mat_import_three.xml");
    QVERIFY(!source.isEmpty());
    const QMap<QString, int> before = p.names();

    p.importFile(source, true);
    QCOMPARE(p.prompter.recorder.texts(),
             (std::vector<std::string>{p.question(source), "De gegevens zijn geimporteerd."}));
    QCOMPARE(p.prompter.recorder.entries[0].kind, RecordingPrompter::Kind::Confirm);
    QCOMPARE(p.prompter.recorder.entries[1].kind, RecordingPrompter::Kind::Information);
    QMap<QString, int> after = p.names();
    QCOMPARE(after.value("Kalium veldspaat"), 1);
    QCOMPARE(after.value("Krijt"), before.value("Krijt") + 1); // beside the starter material of that name

    // The same file again: every record a second time, nothing replaced.
    p.prompter.recorder.clear();
    p.importFile(source, true);
    after = p.names();
    QCOMPARE(after.value("Kalium veldspaat"), 2);
    QCOMPARE(after.value("Germaniumoxide"), 2);
    QCOMPARE(after.value("Krijt"), before.value("Krijt") + 2);
    QCOMPARE(after.value("Kwarts"), before.value("Kwarts"));
    QVERIFY(p.form().isVisible());
}

void MatImportFormTest::refusedImportChangesNothing() {
    Program p;
    const QByteArray before = p.dataBytes();
    const QString source = fixture("mat_import_three.xml");
    p.importFile(source, false);
    QCOMPARE(p.prompter.recorder.texts(),
             (std::vector<std::string>{p.question(source), "De gegevens worden NIET geimporteerd."}));
    QCOMPARE(p.prompter.recorder.entries[1].kind, RecordingPrompter::Kind::Information);
    QCOMPARE(p.dataBytes(), before);
}

void MatImportFormTest::importFailingMidwayLeavesTheFileAsItWas_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("message");
    QTest::newRow("price that is no number in the second record")
        << fixture("mat_import_price_not_a_number_midway.xml")
        << "'duur' is not a valid floating point value for field 'prys'";
    QTest::newRow("no file named") << QString() << "";
}

void MatImportFormTest::importFailingMidwayLeavesTheFileAsItWas() {
    QFETCH(QString, source);
    QFETCH(QString, message);
    Program p;
    ui::ErrorBoxCapture errors;
    const QByteArray before = p.dataBytes();
    p.importFile(source, true);
    QCOMPARE(errors.shown.size(), std::size_t(1));
    if (!message.isEmpty()) QCOMPARE(QString::fromStdString(errors.shown[0]), message);
    // Asked, then stopped by the error: no closing message, not one record appended.
    QCOMPARE(p.prompter.recorder.texts(), std::vector<std::string>{p.question(source)});
    QCOMPARE(p.dataBytes(), before);
}

void MatImportFormTest::browsingPutsTheChosenFileIntoTheEdit() {
    Program p;
    TMatImportForm& f = p.form();
    QFileDialog* dialog = child<QFileDialog>(&f, "OpenDialog1");
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Import bestand"));
    QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
    QCOMPARE(dialog->defaultSuffix(), QStringLiteral("XML"));
    QCOMPARE(dialog->nameFilters().size(), 2);
    QCOMPARE(dialog->selectedNameFilter(), dialog->nameFilters().first());
    // Lower-case extensions are offered too.
    QVERIFY(dialog->nameFilters().first().contains("*.XML") &&
            dialog->nameFilters().first().contains("*.xml"));
    QVERIFY(dialog->nameFilters().last().contains("*.CDS") && dialog->nameFilters().last().contains("*.cds"));

    const QString source = fixture("mat_import_three.xml");
    // The dialog opens in the folder the user last browsed (here: the fixtures).
    dialog->setDirectory(QFileInfo(source).absolutePath());
    whenModalOpens([&](QWidget* modal) {
        QCOMPARE(modal, static_cast<QWidget*>(dialog));
        // The user types the file's name into the dialog and presses Open.
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        QVERIFY(name && buttons);
        QTest::keyClicks(name, QFileInfo(source).fileName());
        // The name completion list would take the click; the user closes it first.
        if (name->completer() && name->completer()->popup()) name->completer()->popup()->hide();
        QPushButton* open = buttons->button(QDialogButtonBox::Open);
        QTRY_VERIFY(open && open->isEnabled());
        QTest::mouseClick(open, Qt::LeftButton);
    });
    QTest::mouseClick(child<QPushButton>(&f, "BrwoeseButton"), Qt::LeftButton);
    QCOMPARE(child<QLineEdit>(&f, "FileEdit")->text(), source);

    // Cancelling keeps what stands there.
    child<QLineEdit>(&f, "FileEdit")->setText("eigen tekst");
    whenModalOpens([&](QWidget*) { dialog->reject(); });
    QTest::mouseClick(child<QPushButton>(&f, "BrwoeseButton"), Qt::LeftButton);
    QCOMPARE(child<QLineEdit>(&f, "FileEdit")->text(), QStringLiteral("eigen tekst"));
    QVERIFY(p.prompter.recorder.entries.empty());
}

// A picture for the manual: run with KELVORA_SCREENSHOTS set to a folder.
void MatImportFormTest::picture() {
    const QString folder = qEnvironmentVariable("KELVORA_SCREENSHOTS");
    if (folder.isEmpty()) QSKIP("KELVORA_SCREENSHOTS is not set");
    Program p;
    child<QLineEdit>(&p.form(), "FileEdit")
        ->setText(QStringLiteral("/home/pottenbakker/leverancier/grondstoffen.xml"));
    QTest::qWait(200);
    QVERIFY(p.form().grab().save(QDir(folder).filePath("matimport.png")));
}

QTEST_MAIN(MatImportFormTest)
#include "tst_MatImportForm.moc"
