// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard manners of the windows: F1 opens the window's own page of the
// manual, Ctrl+S posts the record being edited, Ctrl+F moves to the search
// field that narrows the name list.
#include "GuiTestSupport.h"

#include "app/HelpFormUnit.h"
#include "app/MainFormUnit.h"
#include "engine/GlzDMUnit.h"
#include "glaze/GlazFormUnit.h"
#include "materials/MatFormUnit.h"
#include "materials/MatImportFormUnit.h"
#include "store/UpgradeDBFormUnit.h"
#include "store/View.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DBNavigator.h"

#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <algorithm>

using namespace kelvora;
using namespace kelvora::test;

namespace {

struct Program {
    Program() { startProgram(prompter.recorder); }
    ~Program() {
        if (mainForm()) endProgram();
    }
    TestInstallation install;
    ScopedPrompter prompter;
};

void showActive(QWidget* window) {
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

QWidget* windowNamed(const QString& name) {
    if (name == "main") return mainForm();
    if (name == "materials") return matForm();
    if (name == "glazes") return glazForm();
    if (name == "import") return matImportForm();
    if (name == "upgrade") return upgradeDBForm();
    return nullptr;
}

// The names the grid shows, row by row, and whether each row is shown.
QList<QPair<QString, bool>> listed(ui::DBGrid* grid) {
    QList<QPair<QString, bool>> rows;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        rows << qMakePair(grid->model()->index(r, 0).data().toString(), !grid->isRowHidden(r));
    return rows;
}

} // namespace

class ShortcutsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() { QVERIFY(noUnexpectedErrorBoxes()); }

    void f1OpensTheWindowsOwnPage_data();
    void f1OpensTheWindowsOwnPage();
    void ctrlSPostsTheRecord();
    void ctrlFSearchNarrowsTheNameList_data();
    void ctrlFSearchNarrowsTheNameList();
    void everyVisibleMenuHasAMnemonic();
    void enterInTheBatchSizeNeverPrints();
    void enterInAnyNumberFieldConfirmsIt();
    void insertClearsTheSearchSoTheNewRecordShows_data();
    void insertClearsTheSearchSoTheNewRecordShows();
};

// Alt and a letter opens every menu of the main window.
void ShortcutsTest::everyVisibleMenuHasAMnemonic() {
    Program p;
    showActive(mainForm()); // the captions come with the first show
    for (QAction* menu : mainForm()->menuBar()->actions()) {
        if (!menu->isVisible()) continue;
        QVERIFY2(!QKeySequence::mnemonic(menu->text()).isEmpty(), qPrintable(menu->text()));
    }
}

// Enter in the batch size confirms the number; no print dialog opens.
void ShortcutsTest::enterInTheBatchSizeNeverPrints() {
    Program p;
    TGlazForm& editor = *glazForm();
    editor.open();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    auto* pages = child<QTabWidget>(&editor, "PageControl1");
    pages->setCurrentWidget(child<QWidget>(&editor, "BatchTS"));
    auto* size = child<QDoubleSpinBox>(&editor, "BatchSizeEdit");
    size->setFocus(Qt::OtherFocusReason);
    // Any dialog that opens over the editor (the print dialog) is noted and
    // closed, so that the test goes on either way.
    bool dialogOpened = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != &editor) {
            dialogOpened = true;
            modal->close();
        }
    });
    watch.start(10);
    size->selectAll();
    QTest::keyClicks(size, "2500");
    QTest::keyClick(size, Qt::Key_Return);
    QTest::qWait(100);
    watch.stop();
    QVERIFY(!dialogOpened);
    QCOMPARE(size->value(), 2500.0);
    QVERIFY(editor.isVisible());
}

// Every number field of the editor: Enter writes the number into the record
// and nothing else happens (no print dialog, no other window).
void ShortcutsTest::enterInAnyNumberFieldConfirmsIt() {
    Program p;
    TGlazForm& editor = *glazForm();
    editor.open();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    View& glazes = glzDM()->GlzCDS;
    QVERIFY(glazes.findKey("Seladon"));
    auto* pages = child<QTabWidget>(&editor, "PageControl1");
    int dialogs = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != &editor) {
            ++dialogs;
            modal->close();
        }
    });
    watch.start(10);
    int tried = 0;
    for (const char* page : {"GrondstoffenTS", "ToegevStoffenTS"}) {
        pages->setCurrentWidget(child<QWidget>(&editor, page));
        for (auto* field : child<QWidget>(&editor, page)->findChildren<ui::DBEdit*>()) {
            const std::string name = field->dataField();
            if (!field->isEnabled() || name.starts_with("mat") || name.starts_with("tvs")) continue;
            field->setFocus(Qt::OtherFocusReason);
            field->selectAll();
            QTest::keyClicks(field, QStringLiteral("7"));
            QTest::keyClick(field, Qt::Key_Return);
            QTest::qWait(20);
            QVERIFY2(dialogs == 0, name.c_str());
            QCOMPARE(glazes.asNumber(name), 7.0);
            QCOMPARE(QApplication::focusWidget(), field);
            ++tried;
        }
    }
    watch.stop();
    QCOMPARE(tried, 12 + 12 + 5); // mols, percentages, additions
    QVERIFY(editor.isVisible());
    glazes.cancel();
}

void ShortcutsTest::insertClearsTheSearchSoTheNewRecordShows_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("navigator");
    QTest::addColumn<QString>("text");
    QTest::newRow("materials") << "materials"
                               << "DBNavigator1"
                               << "kwarts";
    QTest::newRow("glaze editor") << "glazes"
                                  << "GlzDBN"
                                  << "seladon";
}

// "+" with text in the search field: the field empties first, so the new
// record stands in the list instead of being filtered away.
void ShortcutsTest::insertClearsTheSearchSoTheNewRecordShows() {
    QFETCH(QString, window);
    QFETCH(QString, navigator);
    QFETCH(QString, text);
    Program p;
    QWidget* w = windowNamed(window);
    showActive(w);
    auto* grid = child<ui::DBGrid>(w, "DBGrid1");
    auto* search = child<QLineEdit>(w, "SearchEdit");
    auto* nav = child<ui::DBNavigator>(w, navigator);
    View& view = *nav->view();
    search->setFocus();
    QTest::keyClicks(search, text);
    const auto before = listed(grid);
    const auto shownBefore =
        std::count_if(before.begin(), before.end(), [](const auto& row) { return row.second; });
    QVERIFY(shownBefore >= 1 && shownBefore < before.size());
    const int rowsBefore = view.recordCount();
    QTest::mouseClick(nav->button(ui::DBNavigator::Insert), Qt::LeftButton);
    QCOMPARE(view.state(), ViewState::Insert);
    QVERIFY(search->text().isEmpty());
    QCoreApplication::processEvents();
    QCOMPARE(view.state(), ViewState::Insert); // no filter moved it away
    const int row = view.recNo();
    QVERIFY(row >= 0);
    QVERIFY(!grid->isRowHidden(row));
    for (const auto& [name, visible] : listed(grid))
        QVERIFY2(visible, qPrintable(name));
    QTest::mouseClick(nav->button(ui::DBNavigator::Cancel), Qt::LeftButton);
    QCOMPARE(view.recordCount(), rowsBefore);
}

void ShortcutsTest::f1OpensTheWindowsOwnPage_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("page");
    QTest::newRow("main window") << "main"
                                 << "manual.htm";
    QTest::newRow("materials") << "materials"
                               << "grondstoffen.htm";
    QTest::newRow("glaze editor") << "glazes"
                                  << "glazuren.htm";
    QTest::newRow("material import") << "import"
                                     << "import.htm";
    QTest::newRow("upgrade") << "upgrade"
                             << "upgrade.htm";
}

void ShortcutsTest::f1OpensTheWindowsOwnPage() {
    QFETCH(QString, window);
    QFETCH(QString, page);
    Program p;
    QWidget* w = windowNamed(window);
    showActive(w);
    QVERIFY(!helpForm()->isVisible());
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, Qt::Key_F1);
    QVERIFY(helpForm()->isVisible());
    QCOMPARE(child<QTextBrowser>(helpForm(), "WebBrowser1")->source().fileName(), page);
    helpForm()->hide();
}

void ShortcutsTest::ctrlSPostsTheRecord() {
    Program p;
    TMatForm& f = *matForm();
    showActive(&f);
    QVERIFY(f.MatCDS.findKey("Kwarts"));
    child<ui::DBEdit>(&f, "PrijsEdit")->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(child<ui::DBEdit>(&f, "PrijsEdit"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(child<ui::DBEdit>(&f, "PrijsEdit"), "0.99");
    QCOMPARE(f.MatCDS.state(), ViewState::Edit);
    QTest::keyClick(child<ui::DBEdit>(&f, "PrijsEdit"), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(f.MatCDS.state(), ViewState::Browse);
    QCOMPARE(f.MatCDS.asNumber("prys"), 0.99);
    // The auto-save writes it while the window stays open.
    QTRY_VERIFY([&] {
        View stored("check", (p.install.folder() + "/db0991/mat.cds").toStdString());
        stored.setIndexFieldNames("naam");
        stored.open();
        return stored.findKey("Kwarts") && stored.asNumber("prys") == 0.99;
    }());
    QVERIFY(f.isVisible());
}

void ShortcutsTest::ctrlFSearchNarrowsTheNameList_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("text");
    QTest::newRow("materials") << "materials"
                               << "VELD";
    QTest::newRow("glaze editor") << "glazes"
                                  << "mat";
}

void ShortcutsTest::ctrlFSearchNarrowsTheNameList() {
    QFETCH(QString, window);
    QFETCH(QString, text);
    Program p;
    QWidget* w = windowNamed(window);
    showActive(w);
    auto* grid = w->findChild<ui::DBGrid*>(QStringLiteral("DBGrid1"));
    auto* search = w->findChild<QLineEdit*>(QStringLiteral("SearchEdit"));
    QVERIFY(grid && search);
    // From a page that does not show the list, too.
    if (auto* tabs = w->findChild<QTabWidget*>(QStringLiteral("PageControl1"))) tabs->setCurrentIndex(1);
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, Qt::Key_F,
                    Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), search);
    QVERIFY(search->isVisible());
    QTest::keyClicks(search, text);

    const auto rows = listed(grid);
    int shown = 0;
    for (const auto& [name, visible] : rows) {
        QCOMPARE(visible, name.contains(text, Qt::CaseInsensitive));
        shown += visible ? 1 : 0;
    }
    QVERIFY(shown > 0);
    QVERIFY(shown < rows.size());
    QVERIFY(grid->currentIndex().data().toString().contains(text, Qt::CaseInsensitive));

    search->clear();
    for (const auto& [name, visible] : listed(grid))
        QVERIFY2(visible, qPrintable(name));
}

QTEST_MAIN(ShortcutsTest)
#include "tst_Shortcuts.moc"
