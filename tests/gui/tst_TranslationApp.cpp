// SPDX-License-Identifier: GPL-3.0-or-later
// The materials windows, the help and about windows, the upgrade window and
// the data controls in another language: switched while they are open, they
// show no Dutch word in English and every Dutch caption again in Dutch, and
// what they store stays the same code in every language.
#include "GuiTestSupport.h"
#include "LanguageWalk.h"

#include "app/AboutBoxUnit.h"
#include "app/HelpFormUnit.h"
#include "common/TranslationTable.h"
#include "materials/MatFormUnit.h"
#include "materials/MatImportFormUnit.h"
#include "materials/MatLkupFormUnit.h"
#include "store/StoreError.h"
#include "store/UpgradeDBFormUnit.h"
#include "store/View.h"
#include "widgets/DBComboBox.h"
#include "widgets/DBEdit.h"
#include "widgets/DBNavigator.h"
#include "widgets/FieldBinding.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include <functional>

using namespace kelvora;
using namespace kelvora::test;
using kelvora::ui::DBNavigator;

namespace {

using WindowOf = std::function<QWidget*()>;

// Switches as the menu does, then lets the windows have the LanguageChange
// events Qt posts to them.
bool switchTo(int taal) {
    const bool found = switchLanguage(taal);
    QCoreApplication::processEvents();
    return found;
}

struct RunningProgram {
    explicit RunningProgram(Prompter& prompter) { startProgram(prompter); }
    ~RunningProgram() {
        // A failed check must not leave the next test in another language.
        switchTo(TaalDutch);
        endProgram();
    }
};

QString textOf(QWidget* window, const QString& name) {
    if (name.isEmpty()) return window->windowTitle();
    QWidget* w = child<QWidget>(window, name);
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text().isEmpty() ? button->toolTip() : button->text();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->placeholderText();
    return w->toolTip();
}

} // namespace

Q_DECLARE_METATYPE(WindowOf)

class TranslationAppTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        prepareTestApplication();
        QVERIFY2(switchLanguage(TaalDutch), "the build's catalogues are not found");
    }
    void cleanup() { QVERIFY(noUnexpectedErrorBoxes()); }

    void openWindowsFollowTheLanguage_data();
    void openWindowsFollowTheLanguage();
    void materialsWindowStoresTheSameCodesInEveryLanguage();
    void questionsAndHintsAreAskedInTheLanguageOfTheMoment();
    void spokenNamesFollowTheLanguage();
    void fieldTooLongMessageKeepsACaptionWithAPlaceholder();
};

void TranslationAppTest::openWindowsFollowTheLanguage_data() {
    QTest::addColumn<WindowOf>("window");
    // A control (empty: the window's title) and its text in Dutch and English.
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("dutch");
    QTest::addColumn<QString>("english");
    QTest::newRow("materials") << WindowOf([] { return static_cast<QWidget*>(matForm()); }) << QString()
                               << "Onderhoud grondstoffen"
                               << "Maintain materials";
    QTest::newRow("materials page") << WindowOf([] { return static_cast<QWidget*>(matForm()); })
                                    << "BeschikbaarLbl"
                                    << "Beschikbaar"
                                    << "Available";
    QTest::newRow("material lookup") << WindowOf([] { return static_cast<QWidget*>(matLkupForm()); })
                                     << QString() << "Grondstoffen zoeken"
                                     << "Find materials";
    QTest::newRow("material lookup add")
        << WindowOf([] { return static_cast<QWidget*>(matLkupForm()); }) << "VoegToebutton"
        << "Voeg toe"
        << "Add";
    QTest::newRow("material import") << WindowOf([] { return static_cast<QWidget*>(matImportForm()); })
                                     << "BrwoeseButton"
                                     << "Bladeren..."
                                     << "Browse...";
    QTest::newRow("about") << WindowOf([] { return static_cast<QWidget*>(aboutBox()); }) << "Credits"
                           << "Met dank aan onze testers"
                           << "With thanks to our testers";
    QTest::newRow("help") << WindowOf([] { return static_cast<QWidget*>(helpForm()); }) << "ToolButton1"
                          << "Help afsluiten"
                          << "Close help";
    QTest::newRow("upgrade") << WindowOf([] { return static_cast<QWidget*>(upgradeDBForm()); })
                             << "UpgradeButton"
                             << "Converteer"
                             << "Convert";
}

void TranslationAppTest::openWindowsFollowTheLanguage() {
    QFETCH(WindowOf, window);
    QFETCH(QString, control);
    QFETCH(QString, dutch);
    QFETCH(QString, english);
    TestInstallation install;
    ScopedPrompter prompter;
    RunningProgram program(prompter.recorder);
    QWidget* w = window();
    QVERIFY(w);
    w->setWindowModality(Qt::NonModal);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QCOMPARE(textOf(w, control), dutch);

    QVERIFY(switchTo(TaalEnglish));
    QStringList leftovers = dutchLeftovers(w);
    // The about box's licence note comes whole from the installation's
    // description of its folders, which is translated there.
    leftovers.removeIf([](const QString& line) { return line.startsWith(QStringLiteral("LicenceLabel: ")); });
    // The start-up installs Qt's Dutch catalogue beside the language switch,
    // so Qt's own file dialog (a child of the import window) stays Dutch.
    QVERIFY2(leftovers.isEmpty(), qPrintable(leftovers.join(QLatin1Char('\n'))));
    QCOMPARE(textOf(w, control), english);

    QVERIFY(switchTo(TaalDutch));
    QCOMPARE(textOf(w, control), dutch);
    w->hide();
}

void TranslationAppTest::materialsWindowStoresTheSameCodesInEveryLanguage() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningProgram program(prompter.recorder);
    TMatForm& f = *matForm();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QVERIFY(switchTo(TaalEnglish));
    QCOMPARE(child<QLabel>(&f, "MolProcLbl")->text(), QStringLiteral("Mol/Pct"));
    QTest::mouseClick(child<DBNavigator>(&f, "DBNavigator1")->button(DBNavigator::Insert), Qt::LeftButton);
    const struct {
        const char* control;
        QString text;
    } typed[] = {{"NaamEdit", "Taalproef"}, {"MolProcCB", "P"}, {"BeschikbaarCB", "N"}};
    for (const auto& t : typed) {
        QWidget* w = child<QWidget>(&f, t.control);
        if (auto* box = qobject_cast<ui::DBComboBox*>(w)) w = box->lineEdit();
        w->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(w, t.text);
    }
    QTest::mouseClick(child<DBNavigator>(&f, "DBNavigator1")->button(DBNavigator::Post), Qt::LeftButton);
    QVERIFY(f.saveNow());

    // Read back from the file under Dutch: the very codes that were typed.
    QVERIFY(switchTo(TaalDutch));
    View stored("check", f.MatCDS.fileName());
    stored.setIndexFieldNames("naam");
    stored.open();
    QVERIFY(stored.findKey("Taalproef"));
    QCOMPARE(QString::fromStdString(stored.asText("molproc")), QStringLiteral("P"));
    QCOMPARE(QString::fromStdString(stored.asText("besc")), QStringLiteral("N"));
    QCOMPARE(child<QLabel>(&f, "MolProcLbl")->text(), QStringLiteral("Mol/Proc"));
    f.close();
}

void TranslationAppTest::questionsAndHintsAreAskedInTheLanguageOfTheMoment() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningProgram program(prompter.recorder);
    TMatForm& f = *matForm();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QVERIFY(switchTo(TaalEnglish));
    auto* navigator = child<DBNavigator>(&f, "DBNavigator1");
    QCOMPARE(navigator->button(DBNavigator::First)->toolTip(), QStringLiteral("First record"));
    QCOMPARE(DBNavigator::deleteQuestion(), std::string("Do you want to delete this record?"));
    QCOMPARE(child<QLineEdit>(&f, "SearchEdit")->placeholderText(), QStringLiteral("Search (Ctrl+F)"));

    // A second material of a name in use: the question comes in English.
    f.MatCDS.first();
    const std::string existing = f.MatCDS.asText("naam");
    QTest::mouseClick(navigator->button(DBNavigator::Insert), Qt::LeftButton);
    auto* name = child<ui::DBEdit>(&f, "NaamEdit");
    name->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(name, QString::fromStdString(existing));
    prompter.recorder.answerNext(false);
    QTest::mouseClick(navigator->button(DBNavigator::Post), Qt::LeftButton);
    QCOMPARE(prompter.recorder.texts(),
             std::vector<std::string>{"A material named '" + existing + "' exists already. Save anyway?"});
    QTest::mouseClick(navigator->button(DBNavigator::Cancel), Qt::LeftButton);

    QVERIFY(switchTo(TaalDutch));
    QCOMPARE(navigator->button(DBNavigator::First)->toolTip(), QStringLiteral("Eerste record"));
    QCOMPARE(DBNavigator::deleteQuestion(), std::string("Wilt U dit record verwijderen?"));
    QCOMPARE(child<QLineEdit>(&f, "SearchEdit")->placeholderText(), QStringLiteral("Zoeken (Ctrl+F)"));
    f.close();
}

void TranslationAppTest::spokenNamesFollowTheLanguage() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningProgram program(prompter.recorder);
    TMatForm& f = *matForm();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    auto* price = child<ui::DBEdit>(&f, "PrijsEdit");
    QCOMPARE(price->accessibleName(), QStringLiteral("Prijs"));
    QVERIFY(switchTo(TaalEnglish));
    QTRY_COMPARE(price->accessibleName(), QStringLiteral("Price"));
    QVERIFY(switchTo(TaalDutch));
    QTRY_COMPARE(price->accessibleName(), QStringLiteral("Prijs"));
    f.close();
}

void TranslationAppTest::fieldTooLongMessageKeepsACaptionWithAPlaceholder() {
    View view("t", "unused.cds");
    view.declareFields({{"code", FieldType::Text, 3}});
    try {
        ui::checkFitsField(view, 0, "abcdef", "Code %2");
        QFAIL("a text longer than its field was taken");
    } catch (const StoreError& e) {
        QCOMPARE(QString::fromUtf8(e.what()),
                 QStringLiteral("Het veld 'Code %2' houdt ten hoogste 3 tekens; de tekst heeft er 6. "
                                "Maak hem korter: er is niets opgeslagen."));
    }
}

QTEST_MAIN(TranslationAppTest)
#include "tst_TranslationApp.moc"
