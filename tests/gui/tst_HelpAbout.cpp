// SPDX-License-Identifier: GPL-3.0-or-later
// The help viewer with the manual, and the about box.
#include "GuiTestSupport.h"
#include "LanguageWalk.h"

#include "app/AboutBoxUnit.h"
#include "app/HelpFormUnit.h"
#include "app/MainFormUnit.h"
#include "common/TranslationTable.h"
#include "glaze/GlazFormUnit.h"
#include "materials/MatFormUnit.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

struct RunningProgram {
    explicit RunningProgram(Prompter& prompter) {
        startProgram(prompter);
        mainForm()->show();
    }
    ~RunningProgram() { endProgram(); }
};

QString pageShown() {
    return child<QTextBrowser>(helpForm(), "WebBrowser1")->source().toLocalFile();
}

// Clicks the link whose text is `text` in the help viewer, as a user would.
bool clickLink(const QString& text) {
    QTextBrowser* browser = child<QTextBrowser>(helpForm(), "WebBrowser1");
    QTextCursor found = browser->document()->find(text);
    if (found.isNull()) return false;
    QTextCursor middle(browser->document());
    middle.setPosition((found.selectionStart() + found.selectionEnd()) / 2);
    browser->ensureCursorVisible();
    browser->setTextCursor(middle);
    browser->ensureCursorVisible();
    const QPoint at = browser->cursorRect(middle).center();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
    return true;
}

} // namespace

class HelpAboutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() { QVERIFY(noUnexpectedErrorBoxes()); }

    void helpOpensTheStartPageAtEveryShow();
    void helpAlreadyShownKeepsItsPage();
    void helpIsFoundInAFolderWithBlanks();
    void missingManualSaysSoInDutch();
    void everyLinkAndPictureOfTheManualExists_data();
    void everyLinkAndPictureOfTheManualExists();
    void helpOpensThePagesOfTheInterfaceLanguage();
    void aboutBoxShowsTheVersion();
};

void HelpAboutTest::helpOpensTheStartPageAtEveryShow() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningProgram program(prompter.recorder);
    const QString start = QDir(install.folder()).filePath("manual/manual.htm");
    QVERIFY(!helpForm()->isVisible());
    child<QAction>(mainForm(), "Help2")->trigger();
    QVERIFY(helpForm()->isVisible());
    QCOMPARE(helpForm()->windowTitle(), QStringLiteral("Kelvora - Help"));
    QCOMPARE(pageShown(), start);
    QVERIFY(child<QTextBrowser>(helpForm(), "WebBrowser1")->toPlainText().contains("Welkom bij Kelvora"));

    // Follow a link of the manual to another page.
    QVERIFY(clickLink("Grondstoffen invoeren en onderhouden"));
    QTRY_COMPARE(QFileInfo(pageShown()).fileName(), QStringLiteral("grondstoffen.htm"));
    QVERIFY(child<QTextBrowser>(helpForm(), "WebBrowser1")->toPlainText().contains("% ==> Mol"));

    // The toolbar button closes the viewer; the next show starts over.
    QCOMPARE(child<QToolButton>(helpForm(), "ToolButton1")->toolTip(), QStringLiteral("Help afsluiten"));
    QTest::mouseClick(child<QToolButton>(helpForm(), "ToolButton1"), Qt::LeftButton);
    QVERIFY(!helpForm()->isVisible());
    child<QAction>(mainForm(), "Help2")->trigger();
    QVERIFY(helpForm()->isVisible());
    QCOMPARE(pageShown(), start);
    QVERIFY(child<QTextBrowser>(helpForm(), "WebBrowser1")->toPlainText().contains("Welkom bij Kelvora"));
}

void HelpAboutTest::helpAlreadyShownKeepsItsPage() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningProgram program(prompter.recorder);
    child<QAction>(mainForm(), "Help2")->trigger();
    QVERIFY(clickLink("Wat is de Segerformule?"));
    QTRY_COMPARE(QFileInfo(pageShown()).fileName(), QStringLiteral("seger.htm"));
    helpForm()->showHelp(); // e.g. the Help button of another window
    QCOMPARE(QFileInfo(pageShown()).fileName(), QStringLiteral("seger.htm"));
    QVERIFY(helpForm()->isVisible());
}

void HelpAboutTest::helpIsFoundInAFolderWithBlanks() {
    TestInstallation::Options options;
    options.subfolder = "Mijn programmas/Kelvora 0991";
    TestInstallation install(options);
    ScopedPrompter prompter;
    RunningProgram program(prompter.recorder);
    child<QAction>(mainForm(), "Help2")->trigger();
    QCOMPARE(pageShown(), QDir(install.folder()).filePath("manual/manual.htm"));
    QVERIFY(child<QTextBrowser>(helpForm(), "WebBrowser1")->toPlainText().contains("Welkom bij Kelvora"));
}

void HelpAboutTest::missingManualSaysSoInDutch() {
    TestInstallation::Options options;
    options.manual = false;
    TestInstallation install(options);
    ScopedPrompter prompter;
    RunningProgram program(prompter.recorder);
    child<QAction>(mainForm(), "Help2")->trigger();
    QVERIFY(helpForm()->isVisible());
    const QString text = child<QTextBrowser>(helpForm(), "WebBrowser1")->toPlainText();
    QVERIFY2(text.contains("Handleiding niet gevonden"), qPrintable(text));
    QVERIFY(text.contains(QDir(install.folder()).filePath("manual/manual.htm")));
}

void HelpAboutTest::everyLinkAndPictureOfTheManualExists_data() {
    QTest::addColumn<QString>("folder");
    QTest::newRow("Nederlands") << QString();
    QTest::newRow("English") << QStringLiteral("en");
}

void HelpAboutTest::everyLinkAndPictureOfTheManualExists() {
    QFETCH(QString, folder);
    const QDir manual(QDir(QStringLiteral(KELVORA_MANUAL_SOURCE)).filePath(folder));
    const QStringList pages = manual.entryList({"*.htm"}, QDir::Files);
    QVERIFY(pages.contains("manual.htm"));
    // Every page of the Dutch manual is there in the other language too.
    const QStringList dutch = QDir(QStringLiteral(KELVORA_MANUAL_SOURCE)).entryList({"*.htm"}, QDir::Files);
    for (const QString& page : dutch)
        QVERIFY2(pages.contains(page), qPrintable(folder + "/" + page));
    static const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]+)\""));
    int checked = 0;
    for (const QString& page : pages) {
        QFile file(manual.filePath(page));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        auto it = reference.globalMatch(html);
        while (it.hasNext()) {
            const QString target = it.next().captured(1);
            if (target.startsWith("http:") || target.startsWith("https:") || target.startsWith("mailto:"))
                continue;
            const QString path = target.section('#', 0, 0);
            const QString anchor = target.section('#', 1);
            const QString targetFile = path.isEmpty() ? manual.filePath(page) : manual.filePath(path);
            QVERIFY2(QFile::exists(targetFile), qPrintable(page + " -> " + target));
            if (!anchor.isEmpty()) {
                QFile linked(targetFile);
                QVERIFY(linked.open(QIODevice::ReadOnly));
                QVERIFY2(QString::fromUtf8(linked.readAll()).contains("name=\"" + anchor + "\""),
                         qPrintable(page + " -> " + target));
            }
            ++checked;
        }
        // Every page but the start page is reachable from the start page.
        if (page != "manual.htm") {
            QFile start(manual.filePath("manual.htm"));
            QVERIFY(start.open(QIODevice::ReadOnly));
            QVERIFY2(QString::fromUtf8(start.readAll()).contains("href=\"" + page + "\""), qPrintable(page));
        }
    }
    QVERIFY(checked > 20);
}

void HelpAboutTest::helpOpensThePagesOfTheInterfaceLanguage() {
    TestInstallation install;
    ScopedPrompter prompter;
    test::switchLanguage(TaalDutch);
    RunningProgram program(prompter.recorder);
    const QDir manual(QDir(install.folder()).filePath("manual"));
    child<QAction>(mainForm(), "ENMenuItem")->trigger();
    // Help of the main window, and F1 of the windows that have a page.
    child<QAction>(mainForm(), "Help2")->trigger();
    QCOMPARE(pageShown(), manual.filePath("en/manual.htm"));
    QVERIFY(child<QTextBrowser>(helpForm(), "WebBrowser1")->toPlainText().contains("Kelvora"));
    Q_EMIT matForm()->helpRequested();
    QCOMPARE(pageShown(), manual.filePath("en/grondstoffen.htm"));
    Q_EMIT glazForm()->helpRequested();
    QCOMPARE(pageShown(), manual.filePath("en/glazuren.htm"));
    // German has no manual of its own: the English one is closer to hand.
    child<QAction>(mainForm(), "DUMenuItem")->trigger();
    Q_EMIT glazForm()->helpRequested();
    QCOMPARE(pageShown(), manual.filePath("en/glazuren.htm"));
    child<QAction>(mainForm(), "NLMenuItem")->trigger();
    Q_EMIT glazForm()->helpRequested();
    QCOMPARE(pageShown(), manual.filePath("glazuren.htm"));
    test::switchLanguage(TaalDutch);
}

void HelpAboutTest::aboutBoxShowsTheVersion() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningProgram program(prompter.recorder);
    QString caption, version, product;
    int result = -1;
    whenModalOpens([&](QWidget* box) {
        caption = box->windowTitle();
        version = child<QLabel>(aboutBox(), "VersieLabel")->text();
        product = child<QLabel>(aboutBox(), "ProductName")->text();
        QTest::mouseClick(child<QPushButton>(aboutBox(), "OKButton"), Qt::LeftButton);
    });
    child<QAction>(mainForm(), "About1")->trigger();
    result = aboutBox()->result();
    QCOMPARE(caption, QStringLiteral("About Kelvora"));
    QCOMPARE(product, QStringLiteral("Kelvora"));
    QCOMPARE(version, QStringLiteral("0.9.9.1 (B\u00E8ta versie!)"));
    QCOMPARE(TAboutBox::ReadFileVersion(), QStringLiteral("0.9.9.1"));
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(!aboutBox()->isVisible());
    QVERIFY(mainForm()->isVisible());
}

QTEST_MAIN(HelpAboutTest)
#include "tst_HelpAbout.moc"
