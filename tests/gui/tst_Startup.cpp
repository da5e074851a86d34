// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and end of the program, the main window's menus, language and
// settings, as a user meets them.
#include "GuiTestSupport.h"
#include "LanguageWalk.h"

#include "app/AboutBoxUnit.h"
#include "app/GlobalFormUnit.h"
#include "app/HelpFormUnit.h"
#include "app/MainFormUnit.h"
#include "common/TranslationTable.h"
#include "engine/GlzDMUnit.h"
#include "glaze/GlazFormUnit.h"
#include "glaze/VerwijderMatFormUnit.h"
#include "materials/MatFormUnit.h"
#include "materials/MatImportFormUnit.h"
#include "materials/MatLkupFormUnit.h"
#include "store/UpgradeDBFormUnit.h"
#include "widgets/ErrorBox.h"
#include "widgets/WindowPlacement.h"

#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

// The program's objects for one test, destroyed (and settings written) at the
// end of the scope unless the test did it first.
struct RunningProgram {
    explicit RunningProgram(Prompter& prompter) { startProgram(prompter); }
    ~RunningProgram() { end(); }
    void end() {
        if (mainForm()) endProgram();
    }
};

// Works in a temporary folder for the time of a test and puts the working
// folder back afterwards (declare it before the installation).
struct TemporaryWorkingFolder {
    TemporaryWorkingFolder() : before(QDir::currentPath()) { QDir::setCurrent(folder.path()); }
    ~TemporaryWorkingFolder() { QDir::setCurrent(before); }
    QString before;
    QTemporaryDir folder;
};

const QStringList kSectionsAtEnd = {"verwijdermatform", "helpform", "matlkupform", "glazform",
                                    "matform",          "algemeen", "mainform"};

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() { QVERIFY(noUnexpectedErrorBoxes()); }

    void createsEveryObjectOnceAndTheEndClearsThem();
    void withoutSettingsFileWindowsStartAtTenAndAllSectionsAreWritten();
    void storedPositionsAreAppliedAndWrittenBackInReverseOrder();
    void theLastLanguageComesBackAndHandWrittenKeysSurvive();
    void settingsThatCannotBeWrittenAreReportedOnce();
    void importMenuOnlyAtTheDeveloperPath_data();
    void importMenuOnlyAtTheDeveloperPath();
    void captionsFollowTheLanguage();
    void exitAsksFirst_data();
    void exitAsksFirst();
    void closeButtonEndsWithoutQuestionAndWritesSettings();
    void startedFromAnotherFolderStillFindsTheData();
    void menuItemsOpenTheirWindows_data();
    void menuItemsOpenTheirWindows();
    void glazeImportSaysItIsNotThereYet();
    void standardButtonsSpeakDutch();
    void settingsAreWrittenOnceAtTheEnd();
    void oversizedSettingsFileIsNeitherUsedNorRewritten();
};

void StartupTest::createsEveryObjectOnceAndTheEndClearsThem() {
    TestInstallation install;
    ScopedPrompter prompter;
    QList<QPointer<QWidget>> windows;
    {
        RunningProgram program(prompter.recorder);
        QVERIFY(mainForm() && globalForm() && matForm() && aboutBox() && glzDM() && glazForm() &&
                matLkupForm() && matImportForm() && helpForm() && verwijderMatForm() && upgradeDBForm());
        // Nothing is shown but what the entry routine shows, and no table is open.
        for (QWidget* w : std::initializer_list<QWidget*>{mainForm(), globalForm(), matForm(), aboutBox(),
                                                          glazForm(), matLkupForm(), matImportForm(),
                                                          helpForm(), verwijderMatForm(), upgradeDBForm()})
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
        QVERIFY(!glzDM()->MatCDS.active());
        QVERIFY(!glzDM()->GlzCDS.active());
        QVERIFY(!glzDM()->ConeList.empty());
        QCOMPARE(globalForm()->Taal(), 1);
        QCOMPARE(mainForm()->appliedLanguage(), 0);
        // The modal windows belong to the main window; the help viewer and the
        // lookup window stand on their own so they stay usable beside them.
        QCOMPARE(matForm()->windowModality(), Qt::WindowModal);
        QCOMPARE(glazForm()->windowModality(), Qt::WindowModal);
        QCOMPARE(helpForm()->windowModality(), Qt::NonModal);
        QCOMPARE(matLkupForm()->windowModality(), Qt::NonModal);
        for (QWidget* w : std::initializer_list<QWidget*>{mainForm(), globalForm(), matForm(), aboutBox(),
                                                          glazForm(), matLkupForm(), matImportForm(),
                                                          helpForm(), verwijderMatForm(), upgradeDBForm()})
            windows << QPointer<QWidget>(w);
        program.end();
    }
    // The end of the run destroyed every window it made.
    QCOMPARE(windows.size(), 10);
    for (const QPointer<QWidget>& w : windows)
        QVERIFY(w.isNull());
    QVERIFY(!program());
}

void StartupTest::withoutSettingsFileWindowsStartAtTenAndAllSectionsAreWritten() {
    TestInstallation install;
    ScopedPrompter prompter;
    QVERIFY(!QFile::exists(install.settingsPath()));
    RunningProgram program(prompter.recorder);
    QCOMPARE(mainForm()->pos(), QPoint(10, 10));
    QCOMPARE(matForm()->pos(), QPoint(10, 10));
    QCOMPARE(glazForm()->pos(), QPoint(10, 10));
    QCOMPARE(matLkupForm()->pos(), QPoint(10, 10));
    QCOMPARE(verwijderMatForm()->pos(), QPoint(10, 10));
    // The help viewer keeps its designed size; the window system places it.
    QCOMPARE(helpForm()->size(), QSize(783, 540));
    program.end();
    QCOMPARE(install.settingsSections(), kSectionsAtEnd);
    QCOMPARE(install.settingsValue("algemeen", "taal"), 1);
    QCOMPARE(install.settingsValue("mainform", "left"), 10);
    QCOMPARE(install.settingsValue("helpform", "width"), 783);
}

void StartupTest::storedPositionsAreAppliedAndWrittenBackInReverseOrder() {
    TestInstallation install;
    // Sections in an order of their own, names in capitals: both read the same.
    install.writeSettings(
        "[MAINFORM]\nLEFT=120\nTOP=70\n[matform]\nleft=130\ntop=80\n[glazform]\nleft=0x20\ntop=-5\n"
        "[matlkupform]\nleft=abc\ntop=150\n[verwijdermatform]\nleft=170\ntop=$10\n"
        "[helpform]\nleft=300\ntop=200\nwidth=500\nheight=400\n");
    ScopedPrompter prompter;
    RunningProgram program(prompter.recorder);
    QCOMPARE(mainForm()->pos(), QPoint(120, 70));
    QCOMPARE(matForm()->pos(), QPoint(130, 80));
    // A title bar above the screen's edge comes back onto the screen.
    QCOMPARE(glazForm()->pos(), ui::onScreen(QRect(QPoint(32, -5), glazForm()->frameGeometry().size()),
                                             ui::availableScreenAreas()));
    QVERIFY(glazForm()->pos().y() >= 0);
    QCOMPARE(matLkupForm()->pos(), QPoint(10, 150));
    QCOMPARE(verwijderMatForm()->pos(), QPoint(170, 16));
    QCOMPARE(helpForm()->storedPlacement().left, 300);
    QCOMPARE(helpForm()->storedPlacement().height, 400);
    QCOMPARE(helpForm()->size(), QSize(783, 540)); // read, but the window system places it

    // Where the user left them is what the next run finds.
    mainForm()->move(220, 170);
    glazForm()->move(40, 50);
    program.end();
    QCOMPARE(install.settingsValue("mainform", "left"), 220);
    QCOMPARE(install.settingsValue("mainform", "top"), 170);
    QCOMPARE(install.settingsValue("glazform", "left"), 40);
    QCOMPARE(install.settingsValue("glazform", "top"), 50);
    QCOMPARE(install.settingsValue("matform", "left"), 130);
    QCOMPARE(install.settingsSections().size(), 7);
    QVERIFY(install.settingsSections().contains("algemeen"));
}

void StartupTest::theLastLanguageComesBackAndHandWrittenKeysSurvive() {
    struct Case {
        const char* stored;
        int taal;
        const char* title;
    };
    const Case cases[] = {
        {"taal=3\n", 3, "Kelvora - Glaze calculation and records"},
        {"taal=2\n", 2, "Kelvora - Glasur berechnung und datenbank"},
        {"", 1, "Kelvora - Glazuur berekening en registratie"},
        // A number that is no language is Dutch.
        {"taal=7\n", 1, "Kelvora - Glazuur berekening en registratie"},
    };
    test::switchLanguage(TaalDutch);
    for (const Case& c : cases) {
        TestInstallation install;
        install.writeSettings(
            QStringLiteral("[algemeen]\n%1[eigen]\nnotitie=42\n").arg(QString::fromLatin1(c.stored)));
        ScopedPrompter prompter;
        RunningProgram program(prompter.recorder);
        mainForm()->show();
        QCOMPARE(globalForm()->Taal(), c.taal);
        QCOMPARE(mainForm()->windowTitle(), QString::fromUtf8(c.title));
        program.end();
        QCOMPARE(install.settingsValue("algemeen", "taal"), c.taal);
        QCOMPARE(install.settingsValue("eigen", "notitie"), 42);
    }
    test::switchLanguage(TaalDutch);
}

void StartupTest::settingsThatCannotBeWrittenAreReportedOnce() {
    TestInstallation install;
    // A folder where the settings file should be: no write can succeed.
    QVERIFY(QDir().mkpath(install.settingsPath()));
    ScopedPrompter prompter;
    ui::ErrorBoxCapture errors;
    test::switchLanguage(TaalDutch); // the store's message in the Dutch of the interface
    {
        RunningProgram program(prompter.recorder);
        program.end();
    }
    // The settings are written once, at the end: the user is told once.
    QVERIFY(!mainForm() && !globalForm() && !helpForm());
    QCOMPARE(errors.shown.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(errors.shown[0]), "Kan niet schrijven naar " + install.settingsPath());

    // Nothing folds later errors: the same text raised again is shown again.
    ui::showErrorBox(nullptr, errors.shown[0]);
    QCOMPARE(errors.shown.size(), std::size_t(2));

    // A later run whose settings can be written again reports nothing.
    QVERIFY(QDir().rmdir(install.settingsPath()));
    {
        RunningProgram program(prompter.recorder);
        program.end();
    }
    QCOMPARE(errors.shown.size(), std::size_t(2));
    QCOMPARE(install.settingsSections(), kSectionsAtEnd);
}

void StartupTest::importMenuOnlyAtTheDeveloperPath_data() {
    QTest::addColumn<QString>("executable");
    QTest::addColumn<bool>("offered");
    QTest::newRow("ordinary installation") << QString() << false;
    QTest::newRow("developer path as written")
        << "D:\\DEV\\KELVORA_WORK\\B_2_4_0_7\\KELVORA_MAIN.EXE" << true;
    QTest::newRow("developer path in mixed case")
        << "d:\\Dev\\Kelvora_Work\\b_2_4_0_7\\Kelvora_Main.exe" << true;
    QTest::newRow("other build number") << "D:\\DEV\\KELVORA_WORK\\B_2_4_0_8\\KELVORA_MAIN.EXE" << false;
    QTest::newRow("developer path with more after it")
        << "D:\\DEV\\KELVORA_WORK\\B_2_4_0_7\\KELVORA_MAIN.EXE.BAK" << false;
    QTest::newRow("same file name in another folder") << "KELVORA_MAIN.EXE" << false;
}

void StartupTest::importMenuOnlyAtTheDeveloperPath() {
    QFETCH(QString, executable);
    QFETCH(bool, offered);
    // A relative pretend path lands its settings file in the working folder:
    // keep that inside a temporary folder.
    TemporaryWorkingFolder work;
    TestInstallation::Options options;
    options.executable = executable;
    TestInstallation install(options);
    ScopedPrompter prompter;
    RunningProgram program(prompter.recorder);
    mainForm()->show();
    QCOMPARE(child<QMenu>(mainForm(), "Import1")->menuAction()->isVisible(), offered);
    QCOMPARE(child<QMenu>(mainForm(), "Import1")->menuAction()->isEnabled(), offered);
    QCOMPARE(child<QMenu>(mainForm(), "BestandMenuItem")
                 ->actions()
                 .contains(child<QMenu>(mainForm(), "Import1")->menuAction()),
             true);
}

void StartupTest::captionsFollowTheLanguage() {
    TestInstallation install;
    ScopedPrompter prompter;
    test::switchLanguage(TaalDutch); // the build's catalogues, for the switches below
    RunningProgram program(prompter.recorder);
    mainForm()->show();

    struct Captions {
        const char* bestand;
        const char* grondstoffen;
        const char* glazuren;
        const char* title;
        const char* checked; // the ticked language in the menu
    };
    const Captions dutch{"&Bestand", "Grond&stoffen", "&Glazuren",
                         "Kelvora - Glazuur berekening en registratie", "NLMenuItem"};
    // The German of the captions the program has always had in German.
    const Captions german{"&Data", "Roh&stoffe", "&Glasuren", "Kelvora - Glasur berechnung und datenbank",
                          "DUMenuItem"};
    const Captions english{"&File", "Material&s", "&Glazes", "Kelvora - Glaze calculation and records",
                           "ENMenuItem"};
    auto check = [&](const Captions& c) {
        QCOMPARE(child<QMenu>(mainForm(), "BestandMenuItem")->title(), QString::fromUtf8(c.bestand));
        QCOMPARE(child<QAction>(mainForm(), "GrondstoffenMenuItem")->text(),
                 QString::fromUtf8(c.grondstoffen));
        QCOMPARE(child<QAction>(mainForm(), "GlazurenMenuItem")->text(), QString::fromUtf8(c.glazuren));
        QCOMPARE(mainForm()->windowTitle(), QString::fromUtf8(c.title));
        for (const char* item : {"NLMenuItem", "DUMenuItem", "ENMenuItem"})
            QCOMPARE(child<QAction>(mainForm(), item)->isChecked(), qstrcmp(item, c.checked) == 0);
    };
    check(dutch);
    QCOMPARE(mainForm()->appliedLanguage(), 1);
    // The language menu is there; the buttons only while no language is chosen.
    QVERIFY(child<QMenu>(mainForm(), "Settings1")->menuAction()->isVisible());
    QVERIFY(!child<QPushButton>(mainForm(), "NLbutton")->isVisible());
    QVERIFY(!child<QPushButton>(mainForm(), "DUbutton")->isVisible());

    child<QAction>(mainForm(), "DUMenuItem")->trigger();
    check(german);
    QCOMPARE(globalForm()->Taal(), 2);

    child<QAction>(mainForm(), "ENMenuItem")->trigger();
    check(english);
    QCOMPARE(globalForm()->Taal(), 3);
    // Every caption of the main window, not only the old table's.
    const QStringList left = test::dutchLeftovers(mainForm());
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));

    child<QAction>(mainForm(), "NLMenuItem")->trigger();
    check(dutch);
    QCOMPARE(child<QAction>(mainForm(), "Exit1")->text(), QStringLiteral("E&xit"));
    QCOMPARE(child<QAction>(mainForm(), "UpgradeDB1")->text(),
             QStringLiteral("Upgrade database vorige versie "));

    child<QAction>(mainForm(), "ENMenuItem")->trigger();
    program.end();
    QCOMPARE(install.settingsValue("algemeen", "taal"), 3);
    test::switchLanguage(TaalDutch);
}

void StartupTest::exitAsksFirst_data() {
    QTest::addColumn<bool>("answer");
    QTest::newRow("No keeps the program running") << false;
    QTest::newRow("Yes closes the main window") << true;
}

void StartupTest::exitAsksFirst() {
    QFETCH(bool, answer);
    TestInstallation install;
    ScopedPrompter prompter;
    RunningProgram program(prompter.recorder);
    mainForm()->show();
    mainForm()->move(50, 60);
    prompter.recorder.answerNext(answer);
    child<QAction>(mainForm(), "Exit1")->trigger();
    QCOMPARE(prompter.recorder.entries.size(), std::size_t(1));
    QCOMPARE(prompter.recorder.entries[0].kind, RecordingPrompter::Kind::Confirm);
    QCOMPARE(QString::fromStdString(prompter.recorder.entries[0].text),
             QStringLiteral("Wilt U Kelvora verlaten?"));
    QCOMPARE(mainForm()->isVisible(), !answer);
    program.end();
    QCOMPARE(install.settingsValue("mainform", "left"), 50);
}

void StartupTest::closeButtonEndsWithoutQuestionAndWritesSettings() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningProgram program(prompter.recorder);
    mainForm()->show();
    mainForm()->move(77, 88);
    QVERIFY(mainForm()->close());
    QVERIFY(!mainForm()->isVisible());
    QVERIFY(prompter.recorder.entries.empty());
    program.end();
    QCOMPARE(install.settingsValue("mainform", "left"), 77);
    QCOMPARE(install.settingsValue("mainform", "top"), 88);
    QCOMPARE(install.settingsSections(), kSectionsAtEnd);
}

void StartupTest::startedFromAnotherFolderStillFindsTheData() {
    TestInstallation install;
    QTemporaryDir elsewhere;
    QDir::setCurrent(elsewhere.path());
    ScopedPrompter prompter;
    RunningProgram program(prompter.recorder);
    QCOMPARE(QDir::current().canonicalPath(), QDir(install.folder()).canonicalPath());
    glzDM()->OpenTables();
    QVERIFY(glzDM()->MatCDS.active());
    QVERIFY(glzDM()->MatCDS.recordCount() > 0);
    QVERIFY(glzDM()->GlzCDS.active());
    glzDM()->CloseTables();
    QVERIFY(QFile::exists(QDir(install.folder()).filePath("db0991/mat.cds")));
    QVERIFY(!QFile::exists(QDir(elsewhere.path()).filePath("db0991")));
}

void StartupTest::menuItemsOpenTheirWindows_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Grondstoffen") << "GrondstoffenMenuItem"
                                  << "Onderhoud grondstoffen";
    QTest::newRow("Glazuren") << "GlazurenMenuItem"
                              << "Glazuren invoeren onderhouden";
    QTest::newRow("Import Grondstoffen") << "MatImportMenuitem"
                                         << "MatImportForm";
    QTest::newRow("Upgrade database") << "UpgradeDB1"
                                      << "Upgrade database";
    QTest::newRow("Info") << "About1"
                          << "About Kelvora";
}

void StartupTest::menuItemsOpenTheirWindows() {
    QFETCH(QString, item);
    QFETCH(QString, caption);
    TemporaryWorkingFolder work;
    TestInstallation::Options options;
    options.executable = "D:\\DEV\\KELVORA_WORK\\B_2_4_0_7\\KELVORA_MAIN.EXE"; // so the import item is there
    TestInstallation install(options);
    // The windows open their tables as they appear; beside a pretend path like
    // this one there is no data folder, so the data lie in the working folder.
    QVERIFY(copyTree(QStringLiteral(KELVORA_STARTER_DATA), QDir(work.folder.path()).filePath("db0991")));
    ScopedPrompter prompter;
    RunningProgram program(prompter.recorder);
    mainForm()->show();
    auto* action = mainForm()->findChild<QAction*>(item);
    QVERIFY(action);
    QVERIFY(action->isEnabled());
    QString seen;
    Qt::WindowModality modality = Qt::NonModal;
    whenModalOpens([&](QWidget* w) {
        seen = w->windowTitle();
        modality = w->windowModality();
    });
    action->trigger();
    QCOMPARE(seen, caption);
    QVERIFY(modality != Qt::NonModal);
    QVERIFY(mainForm()->isVisible()); // closing the window leaves the program running
}

void StartupTest::glazeImportSaysItIsNotThereYet() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningProgram program(prompter.recorder);
    child<QAction>(mainForm(), "Glazuren2")->trigger();
    QCOMPARE(prompter.recorder.entries.size(), std::size_t(1));
    QCOMPARE(prompter.recorder.entries[0].kind, RecordingPrompter::Kind::Message);
    QCOMPARE(QString::fromStdString(prompter.recorder.entries[0].text),
             QStringLiteral("Functionaliteit nog niet geimplementeerd"));
}

void StartupTest::standardButtonsSpeakDutch() {
    QMessageBox box(QMessageBox::Question, "Kelvora", "?",
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Yes)->text().remove('&'), QStringLiteral("Ja"));
    QCOMPARE(box.button(QMessageBox::No)->text().remove('&'), QStringLiteral("Nee"));
    QCOMPARE(box.button(QMessageBox::Cancel)->text().remove('&'), QStringLiteral("Annuleren"));
}

void StartupTest::settingsAreWrittenOnceAtTheEnd() {
    TestInstallation install;
    install.writeSettings("[mainform]\nleft=40\ntop=50\n");
    ScopedPrompter prompter;
    RunningProgram program(prompter.recorder);
    QCOMPARE(mainForm()->pos(), QPoint(40, 50));
    // Changed on disk while the program runs: the run keeps what it read.
    install.writeSettings("[mainform]\nleft=1\ntop=2\n");
    mainForm()->move(60, 70);
    QCOMPARE(install.settingsValue("mainform", "left"), 1); // nothing is written before the end
    program.end();
    QCOMPARE(install.settingsValue("mainform", "left"), 60);
    QCOMPARE(install.settingsValue("mainform", "top"), 70);
    // The section the file had stays first; the others follow in the order written.
    QStringList sections = kSectionsAtEnd;
    sections.removeAll(QStringLiteral("mainform"));
    sections.prepend(QStringLiteral("mainform"));
    QCOMPARE(install.settingsSections(), sections);
    QVERIFY(prompter.recorder.entries.empty());
}

void StartupTest::oversizedSettingsFileIsNeitherUsedNorRewritten() {
    TestInstallation install;
    QString big = QStringLiteral("[mainform]\nleft=300\ntop=200\n");
    big += QString(1024 * 1024, QLatin1Char(';'));
    install.writeSettings(big);
    const QString before = install.readSettings();
    ScopedPrompter prompter;
    {
        RunningProgram program(prompter.recorder);
        QCOMPARE(mainForm()->pos(), QPoint(10, 10)); // the defaults
        program.end();
    }
    QCOMPARE(prompter.recorder.entries.size(), std::size_t(1));
    QCOMPARE(
        QString::fromStdString(prompter.recorder.entries[0].text),
        "Het instellingenbestand " + install.settingsPath() +
            " is groter dan 1 MiB en wordt niet gebruikt; Kelvora werkt met de standaardinstellingen en laat "
            "het bestand ongemoeid.");
    QVERIFY(install.readSettings() == before);
}

QTEST_MAIN(StartupTest)
#include "tst_Startup.moc"
