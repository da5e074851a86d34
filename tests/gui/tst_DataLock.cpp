// SPDX-License-Identifier: GPL-3.0-or-later
// One writing program per data folder: the desktop program holds the data
// folder's lock for its whole run, and a program that finds it held by another
// process asks whether to open read-only, and then never writes.
// The other program is a child process: the lock is a flock(), which one
// process shares between its own users by design.
#include "GuiTestSupport.h"

#include "app/AppComposition.h"
#include "app/MainFormUnit.h"
#include "engine/GlzDMUnit.h"
#include "glaze/GlazFormUnit.h"
#include "materials/MatFormUnit.h"
#include "store/DataFolderLock.h"
#include "widgets/DBComboBox.h"
#include "widgets/DBEdit.h"
#include "widgets/DBMemo.h"
#include "widgets/DBNavigator.h"
#include "widgets/ErrorBox.h"

#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kelvora;
using namespace kelvora::test;
using kelvora::ui::DBNavigator;

namespace {

QString dataFolder(const TestInstallation& install) {
    return QDir(install.folder()).filePath(QStringLiteral("db0991"));
}

QByteArray lockFile(const TestInstallation& install) {
    return QDir(dataFolder(install)).filePath(QString::fromLatin1(DataFolderLock::fileName)).toLocal8Bit();
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Only async-signal-safe calls run in the children below, since the test
// program has threads of its own.
void writePid(int fd) {
    char digits[24];
    int n = 0;
    for (long pid = static_cast<long>(::getpid()); pid > 0; pid /= 10)
        digits[n++] = static_cast<char>('0' + pid % 10);
    char text[24];
    for (int i = 0; i < n; ++i)
        text[i] = digits[n - 1 - i];
    text[n] = '\n';
    if (::ftruncate(fd, 0) == 0) {
        [[maybe_unused]] ssize_t written = ::pwrite(fd, text, static_cast<size_t>(n + 1), 0);
    }
}

// Another Kelvora program holding the data folder, as the core's lock does:
// a child process that flocks the lock file, records its process id and
// keeps the lock until this object goes.
class OtherProgram {
public:
    explicit OtherProgram(const QByteArray& lockPath) {
        int ready[2];
        int hold[2];
        if (::pipe(ready) != 0 || ::pipe(hold) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            ::close(hold[1]);
            int fd = ::open(lockPath.constData(), O_RDWR | O_CREAT, 0644);
            char ok = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? '1' : '0';
            if (ok == '1') writePid(fd);
            [[maybe_unused]] ssize_t sent = ::write(ready[1], &ok, 1);
            char c;
            [[maybe_unused]] ssize_t got = ::read(hold[0], &c, 1); // ends when the parent closes
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(hold[0]);
        hold_ = hold[1];
        char ok = '0';
        if (::read(ready[0], &ok, 1) == 1) holds_ = ok == '1';
        ::close(ready[0]);
    }
    ~OtherProgram() {
        if (hold_ >= 0) ::close(hold_);
        if (pid_ > 0) ::waitpid(pid_, nullptr, 0);
    }
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;

    bool holds() const { return holds_; }
    long pid() const { return static_cast<long>(pid_); }

private:
    pid_t pid_ = -1;
    int hold_ = -1;
    bool holds_ = false;
};

// Whether a second program, started now, would get the lock.
bool anotherProgramGetsTheLock(const QByteArray& lockPath) {
    const pid_t child = ::fork();
    if (child == 0) {
        int fd = ::open(lockPath.constData(), O_RDWR | O_CREAT, 0644);
        ::_exit(fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string question(long pid) {
    return "De gegevens zijn in gebruik door een ander Kelvora-programma (proces " + std::to_string(pid) +
           "). Alleen lezen openen?";
}

void click(QAbstractButton* b) {
    QVERIFY(b->isVisible() && b->isEnabled());
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace

class DataLockTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() {
        endProgram();
        QVERIFY(noUnexpectedErrorBoxes());
    }

    void holdsTheDataFolderForTheWholeRun();
    void answeringNoEndsWithoutWriting();
    void answeringYesOpensReadOnlyAndNeverWrites();
};

void DataLockTest::holdsTheDataFolderForTheWholeRun() {
    TestInstallation install;
    ScopedPrompter prompter;
    const QByteArray lock = lockFile(install);
    QVERIFY(anotherProgramGetsTheLock(lock));

    startProgram(prompter.recorder);
    QVERIFY(program()->started());
    QVERIFY(!program()->readOnly());
    QVERIFY(prompter.recorder.entries.empty());
    QVERIFY(!mainForm()->windowTitle().contains(QStringLiteral("alleen lezen")));
    QVERIFY(!anotherProgramGetsTheLock(lock));
    QCOMPARE(DataFolderLock::recordedHolder(dataFolder(install).toStdString()),
             static_cast<long>(::getpid()));
    // Still held after the data module and the windows have opened their tables.
    glazForm()->show();
    QVERIFY(glzDM()->GlzCDS.active());
    glazForm()->QDialog::done(QDialog::Rejected);
    QVERIFY(!anotherProgramGetsTheLock(lock));

    endProgram();
    QVERIFY(anotherProgramGetsTheLock(lock));
}

void DataLockTest::answeringNoEndsWithoutWriting() {
    TestInstallation install;
    ScopedPrompter prompter;
    install.writeSettings(QStringLiteral("[MainForm]\nLeft=40\n"));
    const QByteArray settingsBefore = contents(install.settingsPath());
    OtherProgram other(lockFile(install));
    QVERIFY(other.holds());

    prompter.recorder.answerNext(false);
    startProgram(prompter.recorder);
    QCOMPARE(prompter.recorder.entries.size(), std::size_t(1));
    QCOMPARE(prompter.recorder.entries[0].kind, RecordingPrompter::Kind::Confirm);
    QCOMPARE(prompter.recorder.entries[0].text, question(other.pid()));
    QVERIFY(!program()->started());
    QVERIFY(glzDM() == nullptr); // no table was opened
    endProgram();
    QCOMPARE(contents(install.settingsPath()), settingsBefore);
}

void DataLockTest::answeringYesOpensReadOnlyAndNeverWrites() {
    TestInstallation install;
    ScopedPrompter prompter;
    install.writeSettings(QStringLiteral("[MainForm]\nLeft=40\n"));
    const QByteArray settingsBefore = contents(install.settingsPath());
    const QString glazes = QDir(dataFolder(install)).filePath(QStringLiteral("glz.cds"));
    const QByteArray glazesBefore = contents(glazes);
    OtherProgram other(lockFile(install));
    QVERIFY(other.holds());

    prompter.recorder.answerNext(true);
    startProgram(prompter.recorder);
    QCOMPARE(prompter.recorder.entries.size(), std::size_t(1));
    QCOMPARE(prompter.recorder.entries[0].text, question(other.pid()));
    QVERIFY(program()->started());
    QVERIFY(program()->readOnly());
    QVERIFY(mainForm()->windowTitle().endsWith(QStringLiteral(" (alleen lezen)")));
    mainForm()->show(); // the translated title keeps the notice
    QVERIFY(mainForm()->windowTitle().endsWith(QStringLiteral(" (alleen lezen)")));

    // The editing windows say why and offer nothing to change; moving,
    // searching, the batch and printing stay.
    prompter.recorder.clear();
    glazForm()->show();
    glazForm()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(glazForm()));
    const QString why =
        QStringLiteral(" — alleen lezen: de gegevens zijn in gebruik door een ander Kelvora-programma");
    QCOMPARE(glazForm()->windowTitle(), "Glazuren invoeren onderhouden" + why);
    auto* glazNav = child<ui::DBNavigator>(glazForm(), "GlzDBN");
    for (auto which : {DBNavigator::Insert, DBNavigator::Delete, DBNavigator::Post})
        QVERIFY(!glazNav->button(which)->isEnabled());
    QVERIFY(glazNav->button(DBNavigator::Next)->isEnabled());
    for (auto* edit : glazForm()->findChildren<ui::DBEdit*>())
        QVERIFY2(!edit->isEnabled(), qPrintable(edit->objectName()));
    for (auto* box : glazForm()->findChildren<ui::DBComboBox*>())
        QVERIFY2(!box->isEnabled(), qPrintable(box->objectName()));
    QVERIFY(!glazForm()->findChild<ui::DBMemo*>()->isEnabled());
    for (const char* name :
         {"BerekenButton", "ZoekGrondstoffenButton", "ZoekGrondstoffen2Button", "VerwijderMatButton",
          "VerwToegevMatButton", "ReceptZoekenButton", "VervangGrondstofButton", "MengreeksButton"})
        QVERIFY2(!child<QPushButton>(glazForm(), name)->isEnabled(), name);
    QVERIFY(!child<QCheckBox>(glazForm(), "Basisch1CB")->isEnabled());
    for (const char* name : {"PrintButton", "PrinterSetupButton", "BatchPrintButton", "StullButton",
                             "HelpButton", "CloseButton"})
        QVERIFY2(child<QPushButton>(glazForm(), name)->isEnabled(), name);
    QVERIFY(child<QLineEdit>(glazForm(), "SearchEdit")->isEnabled());
    QVERIFY(child<QDoubleSpinBox>(glazForm(), "BatchSizeEdit")->isEnabled());
    const int row = glzDM()->GlzCDS.recNo();
    click(glazNav->button(DBNavigator::Next));
    QCOMPARE(glzDM()->GlzCDS.recNo(), row + 1);
    // Typing into the name does nothing.
    QTest::keyClicks(child<ui::DBEdit>(glazForm(), "naam"), QStringLiteral("x"));
    QCOMPARE(glzDM()->GlzCDS.state(), ViewState::Browse);
    click(child<QPushButton>(glazForm(), "CloseButton"));
    QVERIFY(!glazForm()->isVisible());

    matForm()->show();
    matForm()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(matForm()));
    QVERIFY2(matForm()->windowTitle().endsWith(why), qPrintable(matForm()->windowTitle()));
    auto* matNav = child<ui::DBNavigator>(matForm(), "DBNavigator1");
    QVERIFY(!matNav->button(DBNavigator::Insert)->isEnabled());
    QVERIFY(matNav->button(DBNavigator::Next)->isEnabled());
    for (auto* edit : matForm()->findChildren<ui::DBEdit*>())
        QVERIFY2(!edit->isEnabled(), qPrintable(edit->objectName()));
    QVERIFY(!child<QPushButton>(matForm(), "Proc2MolButton")->isEnabled());
    QVERIFY(child<QLineEdit>(matForm(), "SearchEdit")->isEnabled());
    matForm()->close();
    QVERIFY(prompter.recorder.entries.empty());

    if (glazForm()->isVisible()) glazForm()->QDialog::done(QDialog::Rejected);
    endProgram();

    QCOMPARE(contents(glazes), glazesBefore);
    QCOMPARE(contents(install.settingsPath()), settingsBefore);
    QVERIFY(other.holds());
}

QTEST_MAIN(DataLockTest)
#include "tst_DataLock.moc"
