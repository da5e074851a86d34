// SPDX-License-Identifier: GPL-3.0-or-later
// Names and numbers as a user types them: material names in the glaze
// editor complete and take the material's own spelling, new glazes and
// materials start with their defaults, and number fields take a decimal
// point or comma whichever the locale uses.
#include "GuiTestSupport.h"

#include "common/NumberFormat.h"
#include "engine/GlzDMUnit.h"
#include "glaze/GlazFormUnit.h"
#include "glaze/MaterialNameCompletion.h"
#include "materials/MatFormUnit.h"
#include "model/TableLayouts.h"
#include "store/View.h"
#include "widgets/DBComboBox.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DBNavigator.h"
#include "widgets/ErrorBox.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QDate>
#include <QDir>
#include <QLocale>
#include <QMenu>
#include <QScopeGuard>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include <algorithm>

using namespace kelvora;
using namespace kelvora::test;
using kelvora::ui::DBNavigator;

namespace {

// The program on the starter data; `extraMaterial` is added to the materials
// file before the program reads it.
struct Program {
    explicit Program(const char* extraMaterial = nullptr) {
        if (extraMaterial) {
            View materials("mat", QDir(install.folder()).filePath("db0991/mat.cds").toStdString());
            materials.declareFields(TableLayouts::materials());
            materials.setIndexFieldNames("naam");
            materials.open();
            materials.insert();
            materials.setText("naam", extraMaterial);
            materials.post();
            materials.close();
        }
        startProgram(prompter.recorder);
    }
    ~Program() {
        if (glazForm() && glazForm()->isVisible()) glazForm()->QDialog::done(QDialog::Rejected);
        if (matForm() && matForm()->isVisible()) matForm()->QDialog::done(QDialog::Rejected);
        endProgram();
    }
    void showEditor() {
        glazForm()->show();
        glazForm()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(glazForm()));
        child<QTabWidget>(glazForm(), "PageControl1")
            ->setCurrentWidget(child<QWidget>(glazForm(), "GrondstoffenTS"));
    }
    void showMaterials() {
        matForm()->show();
        matForm()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(matForm()));
    }
    TestInstallation install;
    ScopedPrompter prompter;
};

void typeInto(QWidget* control, const QString& text) {
    control->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(control, text);
}

// The numbers' separator of the program and of Qt, for one test.
struct LocaleGuard {
    explicit LocaleGuard(char separator) : old_(numfmt::decimalSeparator()) {
        numfmt::setDecimalSeparator(separator);
        QLocale::setDefault(separator == ',' ? QLocale(QLocale::Dutch, QLocale::Netherlands) : QLocale::c());
    }
    ~LocaleGuard() {
        numfmt::setDecimalSeparator(old_);
        QLocale::setDefault(oldLocale_);
    }
    char old_;
    QLocale oldLocale_;
};

QStringList offered(QCompleter* completer) {
    QStringList names;
    for (int row = 0; row < completer->completionCount(); ++row) {
        completer->setCurrentRow(row);
        names << completer->currentCompletion();
    }
    return names;
}

} // namespace

class NameEntryTest : public QObject {
    Q_OBJECT
private slots:
    void init() { prepareTestApplication(); }
    void cleanup() { QVERIFY(noUnexpectedErrorBoxes()); }

    void recipeAndAdditionNamesCompleteIgnoringCase();
    void leavingANameGivesItTheMaterialsSpelling_data();
    void leavingANameGivesItTheMaterialsSpelling();
    void anUnknownNameTurnsRedAndOffersTheClosest();
    void datesOfOlderLocalesShowInTheOneForm();
    void aNewGlazeStartsInPercentagesDatedToday_data();
    void aNewGlazeStartsInPercentagesDatedToday();
    void aNewMaterialStartsInMol();
    void numberFieldsTakeEitherDecimalSeparator_data();
    void numberFieldsTakeEitherDecimalSeparator();
};

void NameEntryTest::recipeAndAdditionNamesCompleteIgnoringCase() {
    Program p;
    p.showEditor();
    QVERIFY(glzDM()->GlzCDS.recordCount() > 0);
    for (ui::DBEdit* edit : {matEdit(0), matEdit(11), tvsEdit(0)}) {
        QVERIFY(edit->completer());
        edit->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, "kOBALTo");
        QCOMPARE(offered(edit->completer()), (QStringList{"Kobaltoxide grijs", "Kobaltoxide zwart"}));
        QVERIFY(edit->completer()->popup()->isVisible());
        QTest::keyClick(edit->completer()->popup(), Qt::Key_Escape);
    }
    glzDM()->GlzCDS.cancel();
}

void NameEntryTest::leavingANameGivesItTheMaterialsSpelling_data() {
    QTest::addColumn<QString>("extraMaterial");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("case and blanks") << QString() << "  kwarts "
                                     << "Kwarts";
    QTest::newRow("upper case") << QString() << "KAOLIEN ZONDER FLUX"
                                << "Kaolien zonder flux";
    QTest::newRow("unknown") << QString() << " kwartz"
                             << " kwartz";
    QTest::newRow("a prefix only") << QString() << "kwar"
                                   << "kwar";
    QTest::newRow("two names alike") << "KWARTS"
                                     << "kwarts"
                                     << "kwarts";
    QTest::newRow("the exact one of two") << "KWARTS"
                                          << " KWARTS "
                                          << "KWARTS";
}

void NameEntryTest::leavingANameGivesItTheMaterialsSpelling() {
    QFETCH(QString, extraMaterial);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    Program p(extraMaterial.isEmpty() ? nullptr : qPrintable(extraMaterial));
    p.showEditor();
    View& glazes = glzDM()->GlzCDS;
    for (const auto& [edit, field] :
         {std::pair{matEdit(2), std::string("mat3")}, std::pair{tvsEdit(4), std::string("tvs5")}}) {
        child<QTabWidget>(glazForm(), "PageControl1")
            ->setCurrentWidget(edit == tvsEdit(4) ? child<QWidget>(glazForm(), "ToegevStoffenTS")
                                                  : child<QWidget>(glazForm(), "GrondstoffenTS"));
        typeInto(edit, typed);
        if (edit->completer()->popup()->isVisible())
            QTest::keyClick(edit->completer()->popup(), Qt::Key_Escape);
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(edit->text(), kept);
        QCOMPARE(QString::fromStdString(glazes.asText(field)), kept);
    }
    glazes.cancel();
}

void NameEntryTest::aNewGlazeStartsInPercentagesDatedToday_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("nl_NL") << QLocale(QLocale::Dutch, QLocale::Netherlands);
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom);
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("C") << QLocale::c();
}

// Whatever the locale, the date goes in as dd-mm-jjjj, ten characters.
void NameEntryTest::aNewGlazeStartsInPercentagesDatedToday() {
    QFETCH(QLocale, locale);
    const QLocale previous;
    QLocale::setDefault(locale);
    const auto restore = qScopeGuard([&] { QLocale::setDefault(previous); });
    Program p;
    p.showEditor();
    View& glazes = glzDM()->GlzCDS;
    const int before = glazes.recordCount();
    QTest::mouseClick(child<ui::DBNavigator>(glazForm(), "GlzDBN")->button(DBNavigator::Insert),
                      Qt::LeftButton);
    QCOMPARE(glazes.state(), ViewState::Insert);
    const QString today = QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy"));
    QCOMPARE(glazes.asText("molp"), std::string("P"));
    QCOMPARE(QString::fromStdString(glazes.asText("datm")), today);
    QCOMPARE(child<ui::DBComboBox>(glazForm(), "MolpCB")->currentText(), QStringLiteral("P"));
    // Left untouched, the new glaze is dropped, defaults or not.
    QTest::mouseClick(child<ui::DBNavigator>(glazForm(), "GlzDBN")->button(DBNavigator::Cancel),
                      Qt::LeftButton);
    QCOMPARE(glazes.recordCount(), before);

    QTest::mouseClick(child<ui::DBNavigator>(glazForm(), "GlzDBN")->button(DBNavigator::Insert),
                      Qt::LeftButton);
    typeInto(child<ui::DBEdit>(glazForm(), "naam"), "Proefglazuur");
    QTest::mouseClick(child<ui::DBNavigator>(glazForm(), "GlzDBN")->button(DBNavigator::Post),
                      Qt::LeftButton);
    QVERIFY(glazes.findKey("Proefglazuur"));
    QCOMPARE(glazes.asText("molp"), std::string("P"));
    QCOMPARE(QString::fromStdString(glazes.asText("datm")), today);
}

void NameEntryTest::aNewMaterialStartsInMol() {
    Program p;
    p.showMaterials();
    TMatForm& f = *matForm();
    QTest::mouseClick(child<ui::DBNavigator>(&f, "DBNavigator1")->button(DBNavigator::Insert),
                      Qt::LeftButton);
    QCOMPARE(f.MatCDS.state(), ViewState::Insert);
    QCOMPARE(f.MatCDS.asText("molproc"), std::string("M"));
    QCOMPARE(child<ui::DBComboBox>(&f, "MolProcCB")->currentText(), QStringLiteral("M"));
    typeInto(child<ui::DBEdit>(&f, "NaamEdit"), "Proefstof");
    QTest::mouseClick(child<ui::DBNavigator>(&f, "DBNavigator1")->button(DBNavigator::Post), Qt::LeftButton);
    QVERIFY(f.MatCDS.findKey("Proefstof"));
    QCOMPARE(f.MatCDS.asText("molproc"), std::string("M"));
}

void NameEntryTest::numberFieldsTakeEitherDecimalSeparator_data() {
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    for (char separator : {',', '.'}) {
        const QByteArray locale = separator == ',' ? "comma locale" : "point locale";
        QTest::newRow(locale + ", 1.5") << separator << "1.5" << true;
        QTest::newRow(locale + ", 1,5") << separator << "1,5" << true;
        QTest::newRow(locale + ", 1.000,5") << separator << "1.000,5" << false;
        QTest::newRow(locale + ", 1,000.5") << separator << "1,000.5" << false;
    }
}

void NameEntryTest::numberFieldsTakeEitherDecimalSeparator() {
    QFETCH(char, separator);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    LocaleGuard locale(separator);
    Program p;
    p.showMaterials();
    TMatForm& f = *matForm();
    ui::ErrorBoxCapture errors;
    QVERIFY(f.MatCDS.findKey("Krijt"));
    const double price = f.MatCDS.asNumber("prys");
    typeInto(child<ui::DBEdit>(&f, "PrijsEdit"), typed);
    QTest::mouseClick(child<ui::DBNavigator>(&f, "DBNavigator1")->button(DBNavigator::Post), Qt::LeftButton);
    if (accepted) {
        QCOMPARE(errors.shown.size(), std::size_t(0));
        QCOMPARE(f.MatCDS.state(), ViewState::Browse);
        QCOMPARE(f.MatCDS.asNumber("prys"), 1.5);
        // Shown again with the locale's own separator.
        const QChar other = QLatin1Char(separator == ',' ? '.' : ',');
        QVERIFY2(child<ui::DBEdit>(&f, "PrijsEdit")->text().contains(QLatin1Char(separator)) &&
                     !child<ui::DBEdit>(&f, "PrijsEdit")->text().contains(other),
                 qPrintable(child<ui::DBEdit>(&f, "PrijsEdit")->text()));
    } else {
        QCOMPARE(errors.shown.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(errors.shown[0]),
                 QStringLiteral("'%1' is not a valid floating point value for field 'prys'").arg(typed));
        QCOMPARE(child<ui::DBEdit>(&f, "PrijsEdit")->text(), typed);
        QCOMPARE(f.MatCDS.state(), ViewState::Edit);
        f.MatCDS.cancel();
        QCOMPARE(f.MatCDS.asNumber("prys"), price);
    }
}

// A recipe or addition name that is no material turns red when left, with
// the closest names in its tool tip and behind the button at its end.
void NameEntryTest::anUnknownNameTurnsRedAndOffersTheClosest() {
    Program p;
    p.showEditor();
    View& glazes = glzDM()->GlzCDS;
    QVERIFY(glazes.findKey("Seladon"));
    for (auto* edit : {matEdit(2), tvsEdit(0)}) {
        const std::string field = edit->dataField();
        child<QTabWidget>(glazForm(), "PageControl1")
            ->setCurrentWidget(
                child<QWidget>(glazForm(), edit == tvsEdit(0) ? "ToegevStoffenTS" : "GrondstoffenTS"));
        QVERIFY(!ui::MaterialNameCompletion::isMarkedUnknown(edit));
        // No button beside a known name or an empty field.
        for (auto* button : edit->findChildren<QToolButton*>())
            QVERIFY(button->isHidden());
        typeInto(edit, QStringLiteral("Kriet"));
        if (edit->completer()->popup()->isVisible())
            QTest::keyClick(edit->completer()->popup(), Qt::Key_Escape);
        QVERIFY(!ui::MaterialNameCompletion::isMarkedUnknown(edit)); // not while typing
        QTest::keyClick(edit, Qt::Key_Tab);
        QVERIFY(ui::MaterialNameCompletion::isMarkedUnknown(edit));
        QVERIFY2(edit->toolTip().contains(QStringLiteral("Krijt")), qPrintable(edit->toolTip()));
        QVERIFY(edit->styleSheet().contains(QStringLiteral("#c01c28")));
        QCOMPARE(QString::fromStdString(glazes.asText(field)), QStringLiteral("Kriet"));
        // The button at the end of the field offers the names; one click takes one.
        auto* offer = child<QAction>(edit, "NameSuggestionsAction");
        QVERIFY(offer->isVisible());
        QVERIFY(std::ranges::any_of(edit->findChildren<QToolButton*>(),
                                    [](const QToolButton* b) { return !b->isHidden(); }));
        offer->trigger();
        QMenu* menu = nullptr;
        QTRY_VERIFY((menu = edit->findChild<QMenu*>(QStringLiteral("NameSuggestionsMenu"))) != nullptr);
        QStringList names;
        for (QAction* a : menu->actions())
            names << a->text();
        QCOMPARE(names.value(0), QStringLiteral("Krijt"));
        menu->actions().value(0)->trigger();
        menu->close();
        QCOMPARE(QString::fromStdString(glazes.asText(field)), QStringLiteral("Krijt"));
        QCOMPARE(edit->text(), QStringLiteral("Krijt"));
        QVERIFY(!ui::MaterialNameCompletion::isMarkedUnknown(edit));
        QVERIFY(edit->styleSheet().isEmpty());
        for (auto* button : edit->findChildren<QToolButton*>())
            QVERIFY(button->isHidden());
    }
    // No message box on the way, and the calculation's messages are untouched.
    QVERIFY(p.prompter.recorder.entries.empty());
    glazes.cancel();
}

// Dates that older versions stored in the locale's form show as dd-mm-jjjj
// in the list; the stored text itself is left as it is.
void NameEntryTest::datesOfOlderLocalesShowInTheOneForm() {
    Program p;
    p.showEditor();
    View& glazes = glzDM()->GlzCDS;
    QVERIFY(glazes.findKey("Seladon"));
    const struct {
        const char* stored;
        const char* shown;
    } cases[] = {{"10 Dec 202", "10-12-202?"}, {"1-dec-26", "01-12-2026"},   {"10.12.2026", "10-12-2026"},
                 {"2026-12-10", "10-12-2026"}, {"10-12-2026", "10-12-2026"}, {"ooit", "ooit"}};
    auto* grid = child<ui::DBGrid>(glazForm(), "DBGrid1");
    for (const auto& c : cases) {
        glazes.edit();
        glazes.setText("datm", c.stored);
        glazes.post();
        QVERIFY(glazes.findKey("Seladon"));
        QCOMPARE(cellText(grid, glazes.recNo(), 1), QString::fromLatin1(c.shown));
        QCOMPARE(glazes.asText("datm"), std::string(c.stored));
    }
}

QTEST_MAIN(NameEntryTest)
#include "tst_NameEntry.moc"
