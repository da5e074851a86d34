// SPDX-License-Identifier: GPL-3.0-or-later
// Every control a user can reach has a name a screen reader speaks, in every
// window and on every page of it.
#include "GuiTestSupport.h"

#include "app/AboutBoxUnit.h"
#include "app/GlobalFormUnit.h"
#include "app/HelpFormUnit.h"
#include "app/MainFormUnit.h"
#include "glaze/GlazFormUnit.h"
#include "glaze/VerwijderMatFormUnit.h"
#include "materials/MatFormUnit.h"
#include "materials/MatImportFormUnit.h"
#include "materials/MatLkupFormUnit.h"
#include "store/UpgradeDBFormUnit.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DBNavigator.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

bool interactive(QWidget* w) {
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
           qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QTableView*>(w) || qobject_cast<QTabBar*>(w);
}

// What a screen reader would speak as the control's name.
QString spokenName(QWidget* w) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name).trimmed() : QString();
}

// The visible interactive controls of `window` without a spoken name.
QStringList nameless(QWidget* window) {
    QStringList found;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || !interactive(w) || !spokenName(w).isEmpty()) continue;
        QString path = QString::fromLatin1(w->metaObject()->className());
        for (QWidget* up = w; up && up != window; up = up->parentWidget())
            if (!up->objectName().isEmpty()) {
                path += QLatin1Char(' ') + up->objectName();
                break;
            }
        found << path;
    }
    return found;
}

struct Program {
    Program() { startProgram(prompter.recorder); }
    ~Program() {
        if (mainForm()) endProgram();
    }
    TestInstallation install;
    ScopedPrompter prompter;
};

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() { QVERIFY(noUnexpectedErrorBoxes()); }
    void everyVisibleControlHasASpokenName();
    void pictureButtonsSpeakTheirHint();
    void controlsSpeakTheirLabels();
};

void AccessibilityTest::everyVisibleControlHasASpokenName() {
    Program p;
    mainForm()->show();
    QVERIFY(QTest::qWaitForWindowExposed(mainForm()));
    const std::vector<QWidget*> windows = {mainForm(),         aboutBox(),      glazForm(),
                                           matLkupForm(),      helpForm(),      matForm(),
                                           verwijderMatForm(), matImportForm(), upgradeDBForm()};
    QStringList missing;
    for (QWidget* window : windows) {
        // The lookup and remove windows work beside an open glaze editor.
        const bool besideEditor = window == matLkupForm() || window == verwijderMatForm();
        if (besideEditor) glazForm()->show();
        verwijderMatForm()->wat = 1;
        window->show();
        QVERIFY2(QTest::qWaitForWindowExposed(window), qPrintable(window->objectName()));
        missing << nameless(window);
        // Every page of every tab widget in turn.
        for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
            if (!tabs->isVisible()) continue;
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                QCoreApplication::processEvents();
                missing << nameless(window);
            }
        }
        window->hide();
        if (besideEditor) glazForm()->hide();
    }
    missing.removeDuplicates();
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral("; "))));
}

void AccessibilityTest::pictureButtonsSpeakTheirHint() {
    Program p;
    matForm()->show();
    QVERIFY(QTest::qWaitForWindowExposed(matForm()));
    int checked = 0;
    for (QAbstractButton* b :
         child<ui::DBNavigator>(matForm(), "DBNavigator1")->findChildren<QAbstractButton*>()) {
        if (!b->isVisible()) continue;
        QVERIFY(b->text().isEmpty());
        QVERIFY(!b->toolTip().isEmpty());
        QCOMPARE(spokenName(b), b->toolTip());
        QCOMPARE(QAccessible::queryAccessibleInterface(b)->text(QAccessible::Description), b->toolTip());
        ++checked;
    }
    QCOMPARE(checked, 8); // first, prior, next, last, insert, delete, post, cancel
}

// The name comes from what stands beside the control on screen.
void AccessibilityTest::controlsSpeakTheirLabels() {
    Program p;
    const struct {
        QWidget* control;
        const char* name;
    } cases[] = {
        {child<ui::DBEdit>(matForm(), "PrijsEdit"), "Prijs"}, // the label over it
        {percentEdit(*matForm(), "k2o"), "K2O"},              // its caption
        {child<ui::DBGrid>(matForm(), "DBGrid1"), "naam"},    // the column header
        {matEdit(0), "Grondstoffen 1."},                      // column heading and row number
        {mtpEdit(2), "Percentage 3."},                        //
        {tvpEdit(4), "% 5."},                                 //
        {child<QComboBox>(verwijderMatForm(), "MatCB"),
         "Verwijder materiaal"}, // the one choice of the dialog
    };
    for (const auto& c : cases)
        QCOMPARE(spokenName(c.control), QString::fromUtf8(c.name));
}

QTEST_MAIN(AccessibilityTest)
#include "tst_Accessibility.moc"
