// Start-up and end of the program, the main window's menus, language and
// settings, as a user meets them.
#include "GuiTestSupport.h"

#include "app/AboutBoxUnit.h"
#include "app/AppObjects.h"
#include "app/GlobalFormUnit.h"
#include "app/HelpFormUnit.h"
#include "app/MainFormUnit.h"
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
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

// The program's objects for one test, destroyed (and settings written) at the
// end of the scope unless the test did it first.
struct RunningProgram {
    explicit RunningProgram(Prompter& prompter) { ui::createApplicationObjects(prompter); }
    ~RunningProgram() { end(); }
    void end() {
        if (MainForm) ui::destroyApplicationObjects();
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
    void languageIsDutchEveryRunAndHandWrittenKeysSurvive();
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
};

void StartupTest::createsEveryObjectOnceAndTheEndClearsThem() {
    TestInstallation install;
    ScopedPrompter prompter;
    {
        RunningProgram program(prompter.recorder);
        QVERIFY(MainForm && GlobalForm && MatForm && AboutBox && GlzDM && GlazForm && MatLkupForm &&
                MatImportForm && HelpForm && VerwijderMatForm && UpgradeDBForm);
        // Nothing is shown but what the entry routine shows, and no table is open.
        for (QWidget* w :
             std::initializer_list<QWidget*>{MainForm, GlobalForm, MatForm, AboutBox, GlazForm, MatLkupForm,
                                             MatImportForm, HelpForm, VerwijderMatForm, UpgradeDBForm})
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
        QVERIFY(!GlzDM->MatCDS.active());
        QVERIFY(!GlzDM->GlzCDS.active());
        QVERIFY(!GlzDM->ConeList.empty());
        QCOMPARE(GlobalForm->Taal(), 1);
        QCOMPARE(MainForm->appliedLanguage(), 0);
        // The modal windows belong to the main window; the help viewer and the
        // lookup window stand on their own so they stay usable beside them.
        QCOMPARE(MatForm->windowModality(), Qt::WindowModal);
        QCOMPARE(GlazForm->windowModality(), Qt::WindowModal);
        QCOMPARE(HelpForm->windowModality(), Qt::NonModal);
        QCOMPARE(MatLkupForm->windowModality(), Qt::NonModal);
        program.end();
    }
    QVERIFY(!MainForm && !GlobalForm && !MatForm && !AboutBox && !GlzDM && !GlazForm && !MatLkupForm &&
            !MatImportForm && !HelpForm && !VerwijderMatForm && !UpgradeDBForm);
}

void StartupTest::withoutSettingsFileWindowsStartAtTenAndAllSectionsAreWritten() {
    TestInstallation install;
    ScopedPrompter prompter;
    QVERIFY(!QFile::exists(install.settingsPath()));
    RunningProgram program(prompter.recorder);
    QCOMPARE(MainForm->pos(), QPoint(10, 10));
    QCOMPARE(MatForm->pos(), QPoint(10, 10));
    QCOMPARE(GlazForm->pos(), QPoint(10, 10));
    QCOMPARE(MatLkupForm->pos(), QPoint(10, 10));
    QCOMPARE(VerwijderMatForm->pos(), QPoint(10, 10));
    // The help viewer keeps its designed size; the window system places it.
    QCOMPARE(HelpForm->size(), QSize(783, 540));
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
    QCOMPARE(MainForm->pos(), QPoint(120, 70));
    QCOMPARE(MatForm->pos(), QPoint(130, 80));
    // A title bar above the screen's edge comes back onto the screen.
    QCOMPARE(GlazForm->pos(), ui::onScreen(QRect(QPoint(32, -5), GlazForm->frameGeometry().size()),
                                           ui::availableScreenAreas()));
    QVERIFY(GlazForm->pos().y() >= 0);
    QCOMPARE(MatLkupForm->pos(), QPoint(10, 150));
    QCOMPARE(VerwijderMatForm->pos(), QPoint(170, 16));
    QCOMPARE(HelpForm->storedPlacement().left, 300);
    QCOMPARE(HelpForm->storedPlacement().height, 400);
    QCOMPARE(HelpForm->size(), QSize(783, 540)); // read, but the window system places it

    // Where the user left them is what the next run finds.
    MainForm->move(220, 170);
    GlazForm->move(40, 50);
    program.end();
    QCOMPARE(install.settingsValue("mainform", "left"), 220);
    QCOMPARE(install.settingsValue("mainform", "top"), 170);
    QCOMPARE(install.settingsValue("glazform", "left"), 40);
    QCOMPARE(install.settingsValue("glazform", "top"), 50);
    QCOMPARE(install.settingsValue("matform", "left"), 130);
    QCOMPARE(install.settingsSections().size(), 7);
    QVERIFY(install.settingsSections().contains("algemeen"));
}

void StartupTest::languageIsDutchEveryRunAndHandWrittenKeysSurvive() {
    TestInstallation install;
    install.writeSettings("[algemeen]\ntaal=2\n[eigen]\nnotitie=42\n");
    ScopedPrompter prompter;
    RunningProgram program(prompter.recorder);
    MainForm->show();
    QCOMPARE(GlobalForm->Taal(), 1);
    QCOMPARE(MainForm->windowTitle(), QStringLiteral("Kelvora - Glazuur berekening en registratie"));
    program.end();
    QCOMPARE(install.settingsValue("algemeen", "taal"), 1);
    QCOMPARE(install.settingsValue("eigen", "notitie"), 42);
}

void StartupTest::settingsThatCannotBeWrittenAreReportedOnce() {
    TestInstallation install;
    // A folder where the settings file should be: no write can succeed.
    QVERIFY(QDir().mkpath(install.settingsPath()));
    ScopedPrompter prompter;
    ui::ErrorBoxCapture errors;
    {
        RunningProgram program(prompter.recorder);
        program.end();
    }
    // Every window tried and failed the same way; the user is told once.
    QVERIFY(!MainForm && !GlobalForm && !HelpForm);
    QCOMPARE(errors.shown.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(errors.shown[0]), "Unable to write to " + install.settingsPath());

    // Only the end of the run folds repeats: the same error later is shown again.
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
    MainForm->show();
    QCOMPARE(MainForm->Import1->menuAction()->isVisible(), offered);
    QCOMPARE(MainForm->Import1->menuAction()->isEnabled(), offered);
    QCOMPARE(MainForm->BestandMenuItem->actions().contains(MainForm->Import1->menuAction()), true);
}

void StartupTest::captionsFollowTheLanguage() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningProgram program(prompter.recorder);
    QCOMPARE(MainForm->BestandMenuItem->title(),
             QStringLiteral("Bestand")); // as designed, before the first show
    MainForm->show();

    struct Captions {
        const char* bestand;
        const char* grondstoffen;
        const char* glazuren;
        const char* title;
        bool nlChecked;
        bool duChecked;
    };
    const Captions dutch{
        "&Bestand", "Grond&stoffen", "&Glazuren", "Kelvora - Glazuur berekening en registratie", true, false};
    const Captions german{"&Data", "Roh&stoffe", "&Glasuren", "Kelvora - Glasur berechnung und datenbank",
                          false,   true};
    auto check = [&](const Captions& c) {
        QCOMPARE(MainForm->BestandMenuItem->title(), QString::fromUtf8(c.bestand));
        QCOMPARE(MainForm->GrondstoffenMenuItem->text(), QString::fromUtf8(c.grondstoffen));
        QCOMPARE(MainForm->GlazurenMenuItem->text(), QString::fromUtf8(c.glazuren));
        QCOMPARE(MainForm->windowTitle(), QString::fromUtf8(c.title));
        QCOMPARE(MainForm->NLMenuItem->isChecked(), c.nlChecked);
        QCOMPARE(MainForm->DUMenuItem->isChecked(), c.duChecked);
        QVERIFY(!MainForm->ENMenuItem->isChecked());
    };
    check(dutch);
    QCOMPARE(MainForm->appliedLanguage(), 1);
    // Language buttons and menu are out of reach while a language is chosen.
    QVERIFY(!MainForm->NLbutton->isVisible());
    QVERIFY(!MainForm->DUbutton->isVisible());
    QVERIFY(!MainForm->Settings1->menuAction()->isVisible());

    MainForm->DUbuttonClick();
    check(german);
    QCOMPARE(GlobalForm->Taal(), 2);
    // Captions outside the table never change.
    QCOMPARE(MainForm->Exit1->text(), QStringLiteral("E&xit"));
    QCOMPARE(MainForm->UpgradeDB1->text(), QStringLiteral("Upgrade database vorige versie "));

    MainForm->NLMenuItem->trigger();
    check(dutch);
    QCOMPARE(GlobalForm->Taal(), 1);

    // Showing again in the same language changes nothing.
    MainForm->hide();
    MainForm->show();
    check(dutch);

    MainForm->DUbuttonClick();
    program.end();
    QCOMPARE(install.settingsValue("algemeen", "taal"), 2);
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
    MainForm->show();
    MainForm->move(50, 60);
    prompter.recorder.answerNext(answer);
    MainForm->Exit1->trigger();
    QCOMPARE(prompter.recorder.entries.size(), std::size_t(1));
    QCOMPARE(prompter.recorder.entries[0].kind, RecordingPrompter::Kind::Confirm);
    QCOMPARE(QString::fromStdString(prompter.recorder.entries[0].text),
             QStringLiteral("Wilt U Kelvora verlaten?"));
    QCOMPARE(MainForm->isVisible(), !answer);
    program.end();
    QCOMPARE(install.settingsValue("mainform", "left"), 50);
}

void StartupTest::closeButtonEndsWithoutQuestionAndWritesSettings() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningProgram program(prompter.recorder);
    MainForm->show();
    MainForm->move(77, 88);
    QVERIFY(MainForm->close());
    QVERIFY(!MainForm->isVisible());
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
    GlzDM->OpenTables();
    QVERIFY(GlzDM->MatCDS.active());
    QVERIFY(GlzDM->MatCDS.recordCount() > 0);
    QVERIFY(GlzDM->GlzCDS.active());
    GlzDM->CloseTables();
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
    MainForm->show();
    auto* action = MainForm->findChild<QAction*>(item);
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
    QVERIFY(MainForm->isVisible()); // closing the window leaves the program running
}

void StartupTest::glazeImportSaysItIsNotThereYet() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningProgram program(prompter.recorder);
    MainForm->Glazuren2->trigger();
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

QTEST_MAIN(StartupTest)
#include "tst_Startup.moc"
