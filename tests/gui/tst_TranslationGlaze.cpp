// SPDX-License-Identifier: GPL-3.0-or-later
// The glaze windows switched to English while they are open and back to
// Dutch: no Dutch caption left, the Dutch ones exactly as before, the
// categories stored in their Dutch form whatever the window shows, and the
// names of Stull's regions translated by their key.
#include "GuiTestSupport.h"
#include "LanguageWalk.h"

#include "common/TranslationTable.h"
#include "engine/GlzDMUnit.h"
#include "glaze/CategoryBox.h"
#include "glaze/GlazFormUnit.h"
#include "glaze/GlazeCategories.h"
#include "glaze/ReceptZoekenFormUnit.h"
#include "glaze/StullNames.h"
#include "glaze/VervangGrondstofFormUnit.h"
#include "glaze/VerwijderMatFormUnit.h"
#include "store/View.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include <algorithm>

using namespace kelvora;
using namespace kelvora::test;

namespace {

// The switch as the menu makes it; the windows get their LanguageChange
// through the event queue, as they do in the running program.
bool switchTo(int taal) {
    const bool found = switchLanguage(taal);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    return found;
}

struct RunningEditor {
    explicit RunningEditor(Prompter& prompter) {
        startProgram(prompter);
        glazForm()->show();
        QVERIFY(QTest::qWaitForWindowExposed(glazForm()));
    }
    ~RunningEditor() {
        if (glazForm() && glazForm()->isVisible()) glazForm()->QDialog::done(QDialog::Rejected);
        endProgram();
        switchTo(TaalDutch);
    }
};

QStringList tabs(const QWidget* window) {
    const auto* pages = child<QTabWidget>(window, "PageControl1");
    QStringList out;
    for (int i = 0; i < pages->count(); ++i)
        out << pages->tabText(i);
    return out;
}

// Texts these windows show that other parts set: the record navigator's
// buttons and the search field (the shared controls), the solver's message
// (the core's), Qt's own standard button (Qt's catalogue), and a proposed
// name, which is data once proposed. They are left to their owners.
bool setElsewhere(const QString& found) {
    static const QStringList elsewhere{
        QStringLiteral("QToolButton: "), QStringLiteral("SearchEdit: "), QStringLiteral("MeldingLabel: "),
        QStringLiteral("CancelButton: Annuleren"),
        QStringLiteral("NaamEdit: Shortened; the whole name goes into the description: ")};
    return std::any_of(elsewhere.begin(), elsewhere.end(),
                       [&](const QString& start) { return found.startsWith(start); });
}

void verifyNoDutch(QWidget* window) {
    QStringList left = dutchLeftovers(window);
    left.removeIf(setElsewhere);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
}

} // namespace

class TranslationGlazeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() { QVERIFY(noUnexpectedErrorBoxes()); }

    // The editor with every page, and the remove dialog, follow the switch
    // both ways while open.
    void editorFollowsTheLanguage() {
        TestInstallation install;
        ScopedPrompter prompter;
        RunningEditor editor(prompter.recorder);
        glazForm()->setChemistryDataFolder(KELVORA_CHEMISTRY_DATA);
        const QStringList dutchTabs = tabs(glazForm());
        QCOMPARE(dutchTabs, (QStringList{"Bladeren", "Grondstoffen", "Omschrijving", "Toegev. stoffen",
                                         "Analyse", "Batch", "Chemie", "Proeven"}));

        QVERIFY(switchTo(TaalEnglish));
        QCOMPARE(glazForm()->windowTitle(), QStringLiteral("Maintain glazes"));
        QCOMPARE(tabs(glazForm()), (QStringList{"Browse", "Materials", "Description", "Additions", "Analysis",
                                                "Batch", "Chemistry", "Tests"}));
        QCOMPARE(child<QPushButton>(glazForm(), "BerekenButton")->text(), QStringLiteral("Calculate"));
        // The contexts of the pages and models are found at run time too.
        QCOMPARE(child<QPushButton>(glazForm(), "BatchPrintButton")->text(), QStringLiteral("Print"));
        QCOMPARE(child<QPushButton>(glazForm(), "StullButton")->text(), QStringLiteral("Stull chart..."));
        QCOMPARE(
            child<QTableView>(glazForm(), "BatchGrid")->model()->headerData(2, Qt::Horizontal).toString(),
            QStringLiteral("Grams"));
        verifyNoDutch(glazForm());
        QCOMPARE(verwijderMatForm()->windowTitle(), QStringLiteral("Remove material"));

        QVERIFY(switchTo(TaalDutch));
        QCOMPARE(glazForm()->windowTitle(), QStringLiteral("Glazuren invoeren onderhouden"));
        QCOMPARE(tabs(glazForm()), dutchTabs);
        QCOMPARE(child<QPushButton>(glazForm(), "BerekenButton")->text(), QStringLiteral("Bereken"));
        QCOMPARE(
            child<QTableView>(glazForm(), "BatchGrid")->model()->headerData(2, Qt::Horizontal).toString(),
            QStringLiteral("Gram"));
        QCOMPARE(verwijderMatForm()->windowTitle(), QStringLiteral("Verwijder materiaal"));
    }

    // The two solver dialogs, open over the editor.
    void solverDialogsFollowTheLanguage() {
        TestInstallation install;
        ScopedPrompter prompter;
        RunningEditor editor(prompter.recorder);
        TReceptZoekenForm find(*glzDM(), prompter.recorder);
        TVervangGrondstofForm replace(*glzDM(), prompter.recorder);
        replace.loadCurrentGlaze();
        find.show();
        replace.show();
        QVERIFY(switchTo(TaalEnglish));
        QCOMPARE(find.windowTitle(), QStringLiteral("Find recipe"));
        QCOMPARE(replace.windowTitle(), QStringLiteral("Replace material"));
        QVERIFY(child<QLabel>(&replace, "GlazuurLabel")->text().startsWith(QStringLiteral("Glaze: ")));
        verifyNoDutch(&find);
        verifyNoDutch(&replace);
        QVERIFY(switchTo(TaalDutch));
        QCOMPARE(find.windowTitle(), QStringLiteral("Recept zoeken"));
        QCOMPARE(child<QPushButton>(&find, "NieuwButton")->text(), QStringLiteral("Nieuw glazuur"));
        QCOMPARE(replace.windowTitle(), QStringLiteral("Vervang grondstof"));
        QVERIFY(child<QLabel>(&replace, "GlazuurLabel")->text().startsWith(QStringLiteral("Glazuur: ")));
    }

    // A category chosen under English is stored as the Dutch text and reads
    // the same under Dutch.
    void categoryIsStoredInDutch() {
        TestInstallation install;
        ScopedPrompter prompter;
        RunningEditor editor(prompter.recorder);
        QVERIFY(switchTo(TaalEnglish));
        auto* box = child<CategoryBox>(glazForm(), "CatgEdit");
        const std::string stored = GlazeCategories::all().at(1);
        const int at = box->findData(QString::fromStdString(stored));
        QVERIFY(at >= 0);
        QCOMPARE(box->itemText(at), QStringLiteral("1.2 Lead glazes SK 08a-02a"));
        box->setCurrentIndex(at);
        Q_EMIT box->activated(at);
        View& glazes = glzDM()->GlzCDS;
        glazes.post();
        QVERIFY(glazForm()->saveNow());
        QCOMPARE(glazes.asText("catg"), stored);
        QCOMPARE(box->currentText(), QStringLiteral("1.2 Lead glazes SK 08a-02a"));

        QVERIFY(switchTo(TaalDutch));
        QCOMPARE(box->currentText(), QString::fromStdString(stored));
        QCOMPARE(glazes.asText("catg"), stored);
        // A category of the user's own is stored and shown as typed.
        QCOMPARE(box->storedFor(QStringLiteral("Mijn eigen")), std::string("Mijn eigen"));
    }

    // Every category the core offers has its English text.
    void everyCategoryTranslates() {
        QVERIFY(switchTo(TaalEnglish));
        for (const auto& category : GlazeCategories::all())
            QVERIFY2(CategoryBox::shown(category) != QString::fromStdString(category), category.c_str());
        QVERIFY(switchTo(TaalDutch));
        for (const auto& category : GlazeCategories::all())
            QCOMPARE(CategoryBox::shown(category), QString::fromStdString(category));
    }

    // Stull's regions by their key; a file's own name for a region stays.
    void stullNamesByKey() {
        const StullChart::Region bright{"underfired", "Onderstookt", "#c8c8c8", false, {}};
        const StullChart::Region crazing{"crazing", "Craquelé", "#d05050", true, {}};
        const StullChart::Region renamed{"matte", "Dof", "#b4a07a", false, {}};
        const StullChart::Place place{&bright, &crazing};
        QCOMPARE(StullNames::place(place), QStringLiteral("Onderstookt, craquelé"));
        QVERIFY(switchTo(TaalEnglish));
        QCOMPARE(StullNames::place(place), QStringLiteral("Underfired, crazing"));
        QCOMPARE(StullNames::region(renamed), QStringLiteral("Dof"));
        QCOMPARE(StullNames::band({"satin", "satijn", 5, 7}), QStringLiteral("satin"));
        QVERIFY(switchTo(TaalDutch));
        QCOMPARE(StullNames::place(place), QStringLiteral("Onderstookt, craquelé"));
    }
};

QTEST_MAIN(TranslationGlazeTest)
#include "tst_TranslationGlaze.moc"
