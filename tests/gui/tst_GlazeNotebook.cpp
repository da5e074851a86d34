// SPDX-License-Identifier: GPL-3.0-or-later
// The glaze editor and the test notebook together: the "Proeven" page, a
// glaze's status and where it comes from, and what a deleted glaze's tests
// become.
#include "GuiTestSupport.h"

#include "app/AppComposition.h"
#include "engine/GlzDMUnit.h"
#include "glaze/GlazFormUnit.h"
#include "notebook/Proef.h"
#include "store/Notebook.h"
#include "widgets/DBGrid.h"
#include "widgets/DBNavigator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace kelvora;
using namespace kelvora::test;
using kelvora::ui::DBNavigator;

namespace {

struct RunningEditor {
    explicit RunningEditor(Prompter& prompter) {
        startProgram(prompter);
        glazForm()->show();
    }
    ~RunningEditor() {
        if (glazForm() && glazForm()->isVisible()) glazForm()->QDialog::done(QDialog::Rejected);
        endProgram();
    }
};

QString current() {
    return QString::fromStdString(program()->dataModule().GlzCDS.asText("naam"));
}

// Whether the browse grid shows the glaze of that name.
bool listed(const QString& name) {
    auto* grid = child<ui::DBGrid>(glazForm(), "DBGrid1");
    QAbstractItemModel* model = grid->model();
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->index(row, 0).data().toString() == name) return !grid->isRowHidden(row);
    return false;
}

} // namespace

class GlazeNotebookTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aCopyIsBasedOnItsGlazeAndStoppedGlazesLeaveTheList();
    void deletingAGlazeAsksAboutItsTests_data();
    void deletingAGlazeAsksAboutItsTests();
};

void GlazeNotebookTest::aCopyIsBasedOnItsGlazeAndStoppedGlazesLeaveTheList() {
    TestInstallation install;
    ScopedPrompter prompter;
    RunningEditor editor(prompter.recorder);
    auto* tabs = child<QTabWidget>(glazForm(), "PageControl1");
    QVERIFY(tabs->indexOf(child<QWidget>(glazForm(), "ProevenScroll")) >= 0);

    QVERIFY(glazForm()->showGlaze("Seladon"));
    QTest::mouseClick(child<QPushButton>(glazForm(), "BerekenButton"), Qt::LeftButton);
    prompter.recorder.entries.clear();
    QTest::mouseClick(child<QPushButton>(glazForm(), "KopieButton"), Qt::LeftButton);
    QCOMPARE(prompter.recorder.texts(),
             std::vector<std::string>{"Het glazuur is bewaard als Seladon (kopie), gebaseerd op Seladon."});
    QCOMPARE(current(), QStringLiteral("Seladon (kopie)"));
    const Glaze copy = program()->dataModule().currentGlaze();
    QCOMPARE(QString::fromStdString(copy.gbop), QStringLiteral("Seladon"));
    QCOMPARE(copy.recipe.molp, std::string("P"));
    QCOMPARE(copy.stat, std::string("T"));
    QCOMPARE(child<QComboBox>(glazForm(), "StatusCB")->currentData().toString(), QStringLiteral("T"));
    QCOMPARE(child<QLabel>(glazForm(), "LineageLabel")->text(), QStringLiteral("Gebaseerd op: Seladon"));
    QVERIFY(glazForm()->showGlaze("Seladon"));
    QVERIFY(child<QLabel>(glazForm(), "LineageLabel")->text().contains("Afgeleid: Seladon (kopie)"));

    // Stopped: stored as "G", out of the list until asked for.
    QVERIFY(listed("Seladon"));
    auto* status = child<QComboBox>(glazForm(), "StatusCB");
    status->setCurrentIndex(status->findData(QStringLiteral("G")));
    Q_EMIT status->activated(status->currentIndex());
    child<DBNavigator>(glazForm(), "GlzDBN")->click(DBNavigator::Post);
    QCOMPARE(program()->dataModule().GlzCDS.asText("stat"), std::string("G"));
    QTRY_VERIFY(!listed("Seladon"));
    QVERIFY(listed("Seladon (kopie)"));
    child<QCheckBox>(glazForm(), "ToonGestoptCB")->setChecked(true);
    QVERIFY(listed("Seladon"));
}

void GlazeNotebookTest::deletingAGlazeAsksAboutItsTests_data() {
    QTest::addColumn<bool>("removeTests");
    QTest::newRow("Nee keeps the tests") << false;
    QTest::newRow("Ja deletes them with the glaze") << true;
}

void GlazeNotebookTest::deletingAGlazeAsksAboutItsTests() {
    QFETCH(bool, removeTests);
    TestInstallation install;
    ScopedPrompter prompter;
    RunningEditor editor(prompter.recorder);
    QVERIFY(glazForm()->showGlaze("Tenmoku"));
    Notebook& notebook = program()->notebook();
    notebook.addTest(Proef::mixedFrom(program()->dataModule().currentGlaze(), "K-2026-001", "01-12-2026"));
    notebook.addTest(Proef::mixedFrom(program()->dataModule().currentGlaze(), "K-2026-002", "02-12-2026"));

    prompter.recorder.answerNext(true); // delete the record
    prompter.recorder.answerNext(removeTests);
    child<DBNavigator>(glazForm(), "GlzDBN")->click(DBNavigator::Delete);
    QCOMPARE(prompter.recorder.texts().size(), std::size_t(2));
    QCOMPARE(prompter.recorder.texts()[1],
             std::string("Het glazuur 'Tenmoku' heeft 2 proef(en) met 0 foto('s). Die ook verwijderen? "
                         "Nee bewaart ze in het notitieboek."));
    QVERIFY(!program()->dataModule().GlzCDS.findKey("Tenmoku"));
    // What is on disk, read afresh.
    Notebook stored(notebook.dataDir());
    stored.load();
    QCOMPARE(stored.data().tests.size(), removeTests ? std::size_t(0) : std::size_t(2));
}

QTEST_MAIN(GlazeNotebookTest)
#include "tst_GlazeNotebook.moc"
