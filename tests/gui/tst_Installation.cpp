// SPDX-License-Identifier: GPL-3.0-or-later
// The program installed into a prefix and started by a user with fresh
// folders: its data and settings go to the user's folders, never the prefix.
#include "GuiTestSupport.h"

#include "app/AboutBoxUnit.h"
#include "app/HelpFormUnit.h"
#include "app/Installation.h"
#include "app/MainFormUnit.h"
#include "engine/GlzDMUnit.h"

#include <QAction>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

// Sets an environment variable for the time of one test.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QString& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value.toLocal8Bit());
    }
    ~ScopedEnvironment() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

// <root>/prefix/bin/kelvora with the installed share folder, and a user whose
// folders lie under <root> too.
struct InstalledProgram {
    QTemporaryDir root;
    QString bin = root.filePath("prefix/bin");
    QString share =
        QDir::cleanPath(bin + "/" + QString::fromStdString(DataLocation::installedShareFromBin()));
    ScopedEnvironment data{"XDG_DATA_HOME", root.filePath("data")};
    ScopedEnvironment config{"XDG_CONFIG_HOME", root.filePath("config")};
    ScopedEnvironment home{"HOME", root.filePath("home")};
    QString previousWorkingFolder = QDir::currentPath();

    InstalledProgram() {
        QDir().mkpath(bin);
        QFile exe(bin + "/kelvora");
        if (exe.open(QIODevice::WriteOnly)) exe.close();
        copyTree(QStringLiteral(KELVORA_STARTER_DATA), share + "/db0991");
        copyTree(QStringLiteral(KELVORA_MANUAL_SOURCE), share + "/manual");
        ui::setExecutablePath(bin + "/kelvora");
    }
    ~InstalledProgram() {
        ui::setExecutablePath(QString());
        QDir::setCurrent(previousWorkingFolder);
    }
    QString userData() const { return root.filePath("data/kelvora/db0991"); }
    QString settings() const { return root.filePath("config/kelvora/kelvora.INI"); }

    // Every file of the prefix with a hash of its contents.
    QStringList prefixFiles() const {
        QStringList files;
        QDirIterator it(root.filePath("prefix"),
                        QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile f(path);
            QByteArray hash;
            if (it.fileInfo().isFile() && f.open(QIODevice::ReadOnly))
                hash = QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex();
            files << path + " " + hash;
        }
        files.sort();
        return files;
    }
};

QByteArray bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class InstallationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() { QVERIFY(noUnexpectedErrorBoxes()); }

    void firstStartSeedsTheUsersFolderAndLeavesThePrefixAlone();
    void theManualIsTheInstalledOne();
    void theAboutBoxShowsTheLicenceAndTheFolders();
    void helpAndVersionNeedNoDisplay_data();
    void helpAndVersionNeedNoDisplay();
};

void InstallationTest::firstStartSeedsTheUsersFolderAndLeavesThePrefixAlone() {
    InstalledProgram installed;
    const QStringList prefixBefore = installed.prefixFiles();
    ScopedPrompter prompter;
    startProgram(prompter.recorder);
    mainForm()->show();
    QCOMPARE(QDir::current().canonicalPath(), QDir(installed.root.filePath("data/kelvora")).canonicalPath());
    for (const char* table : {"mat.cds", "glz.cds"})
        QCOMPARE(bytes(installed.userData() + "/" + table), bytes(installed.share + "/db0991/" + table));
    glzDM()->OpenTables();
    QVERIFY(glzDM()->GlzCDS.recordCount() > 0);
    QVERIFY(glzDM()->MatCDS.recordCount() > 0);
    glzDM()->GlzCDS.edit();
    glzDM()->GlzCDS.setText("omsc", "gewijzigd door de gebruiker");
    glzDM()->GlzCDS.post();
    glzDM()->CloseTables();
    endProgram();

    QVERIFY(bytes(installed.userData() + "/glz.cds") != bytes(installed.share + "/db0991/glz.cds"));
    QVERIFY(QFile::exists(installed.settings()));
    QVERIFY(IniFile(installed.settings().toStdString()).readInteger("mainform", "left", -9999) != -9999);
    QCOMPARE(installed.prefixFiles(), prefixBefore);
    QVERIFY(!QFile::exists(installed.bin + "/kelvora.INI"));

    // The second start keeps the user's glazes.
    const QByteArray changed = bytes(installed.userData() + "/glz.cds");
    startProgram(prompter.recorder);
    endProgram();
    QCOMPARE(bytes(installed.userData() + "/glz.cds"), changed);
    QCOMPARE(installed.prefixFiles(), prefixBefore);
}

void InstallationTest::theManualIsTheInstalledOne() {
    InstalledProgram installed;
    ScopedPrompter prompter;
    startProgram(prompter.recorder);
    mainForm()->show();
    child<QAction>(mainForm(), "Help2")->trigger();
    QCOMPARE(child<QTextBrowser>(helpForm(), "WebBrowser1")->source().toLocalFile(),
             installed.share + "/manual/manual.htm");
    QVERIFY(child<QTextBrowser>(helpForm(), "WebBrowser1")->toPlainText().contains("Welkom bij Kelvora"));
    endProgram();
}

void InstallationTest::theAboutBoxShowsTheLicenceAndTheFolders() {
    InstalledProgram installed;
    ScopedPrompter prompter;
    startProgram(prompter.recorder);
    mainForm()->show();
    QString notice;
    whenModalOpens([&](QWidget*) {
        auto* label = aboutBox()->findChild<QLabel*>(QStringLiteral("LicenceLabel"));
        if (label && label->isVisible()) notice = label->text();
    });
    child<QAction>(mainForm(), "About1")->trigger();
    endProgram();
    QVERIFY2(notice.contains("GPL-3.0-or-later"), qPrintable(notice));
    QVERIFY2(notice.contains("Gegevens: " + installed.userData()), qPrintable(notice));
    QVERIFY2(notice.contains("Instellingen: " + installed.settings()), qPrintable(notice));
}

void InstallationTest::helpAndVersionNeedNoDisplay_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");   // what standard output starts with
    QTest::addColumn<QString>("error"); // what standard error starts with
    const QString usage = QStringLiteral("usage: kelvora [--help | --version]");
    QTest::newRow("--help") << QStringList{"--help"} << 0 << usage << QString();
    QTest::newRow("-h") << QStringList{"-h"} << 0 << usage << QString();
    QTest::newRow("--version") << QStringList{"--version"} << 0
                               << QStringLiteral("kelvora " KELVORA_VERSION "\n") << QString();
    QTest::newRow("help after a Qt option")
        << QStringList{"-style", "fusion", "--help"} << 0 << usage << QString();
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2 << QString()
                                    << QStringLiteral("kelvora: unknown option '--frobnicate'\n") + usage;
    QTest::newRow("an argument") << QStringList{"recept.glz"} << 2 << QString()
                                 << QStringLiteral("kelvora: unexpected argument 'recept.glz'\n") + usage;
    QTest::newRow("a Qt option without its value")
        << QStringList{"-platform"} << 2 << QString()
        << QStringLiteral("kelvora: option '-platform' needs a value");
}

// The built program, with no display and no platform named: help and
// version are answered without one, usage errors exit 2 with the usage.
void InstallationTest::helpAndVersionNeedNoDisplay() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, error);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(KELVORA_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    const QString stdoutText = QString::fromUtf8(program.readAllStandardOutput());
    const QString stderrText = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(program.exitCode(), exitCode);
    if (out.isEmpty())
        QCOMPARE(stdoutText, QString());
    else
        QVERIFY2(stdoutText.startsWith(out), qPrintable(stdoutText));
    if (error.isEmpty())
        QCOMPARE(stderrText, QString());
    else
        QVERIFY2(stderrText.startsWith(error), qPrintable(stderrText));
}

QTEST_MAIN(InstallationTest)
#include "tst_Installation.moc"
