// SPDX-License-Identifier: GPL-3.0-or-later
// Taking over the previous version's data folder from the upgrade window,
// with the installation in "kelvora0991" and the previous one beside it.
#include "GuiTestSupport.h"

#include "app/MainFormUnit.h"
#include "materials/MatFormUnit.h"
#include "store/DataFolderLock.h"
#include "store/UpgradeDBFormUnit.h"
#include "store/View.h"
#include "widgets/ErrorBox.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <cerrno>
#include <cstring>

using namespace kelvora;
using namespace kelvora::test;

namespace {

const std::string kNoPrevious =
    "Er zijn geen databestanden van een vorige versie aanwezig.\r\nConversie is niet mogelijk.";
const std::string kQuestion = "Converteren database: wilt u doorgaan?";
const std::string kDone = "Database geconverteerd";

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

struct Program {
    Program() : install(TestInstallation::Options{true, false, QStringLiteral("kelvora0991")}) {
        startProgram(prompter.recorder);
        upgradeDBForm()->show();
        (void)QTest::qWaitForWindowExposed(upgradeDBForm());
    }
    ~Program() {
        if (mainForm()) endProgram();
    }
    QString data(const char* name) const { return install.folder() + "/db0991/" + name; }
    QString previousFolder() const { return QDir::cleanPath(install.folder() + "/../kelvora/db"); }
    // The previous version's files: this version's starter glazes, and its
    // materials with one material more, so a take-over can be seen.
    void givePreviousVersion(bool materials = true) {
        QDir().mkpath(previousFolder());
        QFile::copy(data("glz.cds"), previousFolder() + "/glz.cds");
        if (!materials) return;
        View view("prep", data("mat.cds").toStdString());
        view.open();
        view.insert();
        view.setText("naam", "Oude grondstof");
        view.post();
        view.setFileName((previousFolder() + "/mat.cds").toStdString());
        view.close();
    }
    // Every file of both data folders with its bytes.
    QMap<QString, QByteArray> snapshot() const {
        QMap<QString, QByteArray> files;
        for (const QString& folder : {install.folder() + "/db0991", previousFolder()})
            for (const QString& name : QDir(folder).entryList(QDir::Files))
                files[folder + "/" + name] = bytesOf(folder + "/" + name);
        return files;
    }
    void convert(bool answer) {
        prompter.recorder.clear();
        prompter.recorder.answerNext(answer);
        QTest::mouseClick(child<QPushButton>(upgradeDBForm(), "UpgradeButton"), Qt::LeftButton);
    }

    TestInstallation install;
    ScopedPrompter prompter;
};

} // namespace

class UpgradeDBFormTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() { QVERIFY(noUnexpectedErrorBoxes()); }

    void windowShowsTheWarningAndTheButton();
    void withoutPreviousVersionNothingHappens();
    void answeringNoChangesNothing();
    void firstAndSecondUpgrade();
    void missingPreviousMaterialsReplacesNothing();
    void picture();
};

void UpgradeDBFormTest::windowShowsTheWarningAndTheButton() {
    Program p;
    TUpgradeDBForm& f = *upgradeDBForm();
    QCOMPARE(f.windowTitle(), QStringLiteral("Upgrade database"));
    QCOMPARE(child<QPushButton>(&f, "UpgradeButton")->text(), QStringLiteral("Converteer"));
    QCOMPARE(child<QLabel>(&f, "Label3")->text(), QStringLiteral("te drukken. "));
    QVERIFY(child<QLabel>(&f, "Label2")->text().contains("'Converteer'"));
    QVERIFY(child<QLabel>(&f, "Label5")->text().endsWith("met de extentie .bak."));
    // Every line of the warning fits in the window.
    for (QLabel* l : {child<QLabel>(&f, "Label1"), child<QLabel>(&f, "Label2"), child<QLabel>(&f, "Label3"),
                      child<QLabel>(&f, "Label4"), child<QLabel>(&f, "Label5")})
        QVERIFY2(l->geometry().right() < f.width(), qPrintable(l->text()));
    QVERIFY(child<QLabel>(&f, "Label1")->geometry().bottom() <
            child<QLabel>(&f, "Label2")->geometry().top() + 2);
}

void UpgradeDBFormTest::withoutPreviousVersionNothingHappens() {
    Program p;
    const auto before = p.snapshot();
    p.convert(true);
    QCOMPARE(p.prompter.recorder.texts(), std::vector<std::string>{kNoPrevious});
    QCOMPARE(p.prompter.recorder.entries[0].kind, RecordingPrompter::Kind::Message);
    QCOMPARE(p.snapshot(), before);
    QVERIFY(!QDir(p.install.folder() + "/../kelvora").exists());
}

void UpgradeDBFormTest::answeringNoChangesNothing() {
    Program p;
    p.givePreviousVersion();
    const auto before = p.snapshot();
    p.convert(false);
    QCOMPARE(p.prompter.recorder.texts(), std::vector<std::string>{kQuestion});
    QCOMPARE(p.snapshot(), before);
}

void UpgradeDBFormTest::firstAndSecondUpgrade() {
    Program p;
    p.givePreviousVersion();
    const QByteArray ownGlazes = bytesOf(p.data("glz.cds"));
    const QByteArray ownMaterials = bytesOf(p.data("mat.cds"));

    p.convert(true);
    QCOMPARE(p.prompter.recorder.texts(), (std::vector<std::string>{kQuestion, kDone}));
    QCOMPARE(bytesOf(p.data("glz.bak")), ownGlazes);
    QCOMPARE(bytesOf(p.data("mat.bak")), ownMaterials);
    QCOMPARE(bytesOf(p.data("glz.cds")), bytesOf(p.previousFolder() + "/glz.cds"));
    QCOMPARE(bytesOf(p.data("mat.cds")), bytesOf(p.previousFolder() + "/mat.cds"));
    QVERIFY(upgradeDBForm()->isVisible()); // the window stays open

    // The potter now finds the previous version's material in the materials window.
    upgradeDBForm()->hide();
    matForm()->show();
    QVERIFY(matForm()->MatCDS.findKey("Oude grondstof"));
    matForm()->close();

    // A second upgrade leaves the backups as the first one made them.
    upgradeDBForm()->show();
    p.convert(true);
    QCOMPARE(p.prompter.recorder.texts(), (std::vector<std::string>{kQuestion, kDone}));
    QCOMPARE(bytesOf(p.data("glz.bak")), ownGlazes);
    QCOMPARE(bytesOf(p.data("mat.bak")), ownMaterials);
    // The tables and their backups, beside the lock file the running program holds.
    QStringList files = QDir(p.install.folder() + "/db0991").entryList(QDir::Files | QDir::Hidden);
    QVERIFY(files.removeAll(QString::fromLatin1(DataFolderLock::fileName)) == 1);
    QCOMPARE(files.size(), 4);
}

void UpgradeDBFormTest::missingPreviousMaterialsReplacesNothing() {
    Program p;
    p.givePreviousVersion(false);
    const auto before = p.snapshot();
    ui::ErrorBoxCapture errors;
    p.convert(true);
    const QString missing = p.previousFolder() + "/mat.cds";
    QCOMPARE(errors.shown.size(), std::size_t(1));
    QCOMPARE(
        QString::fromStdString(errors.shown[0]),
        QStringLiteral("Cannot open file \"%1\". %2").arg(missing, QString::fromUtf8(std::strerror(ENOENT))));
    QCOMPARE(p.prompter.recorder.texts(), std::vector<std::string>{kQuestion});
    QCOMPARE(p.snapshot(), before); // no data file replaced, no backup made
}

// A picture for the manual: run with KELVORA_SCREENSHOTS set to a folder.
void UpgradeDBFormTest::picture() {
    const QString folder = qEnvironmentVariable("KELVORA_SCREENSHOTS");
    if (folder.isEmpty()) QSKIP("KELVORA_SCREENSHOTS is not set");
    Program p;
    QTest::qWait(200);
    QVERIFY(upgradeDBForm()->grab().save(QDir(folder).filePath("upgrade.png")));
}

QTEST_MAIN(UpgradeDBFormTest)
#include "tst_UpgradeDBForm.moc"
