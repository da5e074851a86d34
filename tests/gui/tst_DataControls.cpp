// SPDX-License-Identifier: GPL-3.0-or-later
// The data-aware controls as a user meets them: typing into bound controls,
// posting and moving with the navigator, choosing in the grid, and the error
// box when a field refuses what was typed.
#include "GuiTestSupport.h"

#include "store/StoreError.h"
#include "store/View.h"
#include "widgets/DBComboBox.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DBLabel.h"
#include "widgets/DBMemo.h"
#include "widgets/DBNavigator.h"
#include "widgets/ErrorBox.h"

#include <QGridLayout>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include <memory>
#include <stdexcept>

using namespace kelvora;
using namespace kelvora::test;
using kelvora::ui::DBNavigator;

namespace {

Packet materials(int rows) {
    Packet p(FieldDefs{{"naam", FieldType::Text, 20},
                       {"prys", FieldType::Float, 0},
                       {"besc", FieldType::Text, 1},
                       {"omsc", FieldType::Memo, 0}});
    const char* names[] = {"Kaolien", "Kalkspaat", "Kwarts", "Veldspaat"};
    const double prices[] = {1.25, 0.8, 0.65, 1.1};
    for (int i = 0; i < rows; ++i) {
        Row r = p.emptyRow();
        p.setText(r, 0, names[i % 4]);
        p.setNumber(r, 1, prices[i % 4]);
        p.setText(r, 2, "J");
        p.setText(r, 3, std::string("Omschrijving van ") + names[i % 4]);
        p.rows.push_back(std::move(r));
    }
    return p;
}

// A small window like the program's: bound controls, a navigator, a grid.
struct Form {
    explicit Form(int rows = 4) {
        view.openPacket(materials(rows));
        view.setLogChanges(false);
        auto* layout = new QGridLayout(&window);
        navigator = new DBNavigator(&window);
        navigator->setView(&view);
        naam = new ui::DBEdit(&view, "naam", &window);
        naam->setObjectName("naam");
        prys = new ui::DBEdit(&view, "prys", &window);
        prys->setObjectName("prys");
        besc = new ui::DBComboBox(&view, "besc", ui::DBComboBox::Style::ListOnly, &window);
        besc->setItems({"J", "N"});
        levr = new ui::DBComboBox(&view, "besc", ui::DBComboBox::Style::Editable, &window);
        levr->setItems({"J", "N"});
        omsc = new ui::DBMemo(&view, "omsc", &window);
        label = new ui::DBLabel(&view, "naam", &window);
        grid = new ui::DBGrid(&window);
        grid->setView(&view, {{"naam", "Naam", 140}, {"prys", "Prijs", 80, "#0.00"}});
        layout->addWidget(navigator, 0, 0, 1, 2);
        layout->addWidget(naam, 1, 0);
        layout->addWidget(prys, 1, 1);
        layout->addWidget(besc, 2, 0);
        layout->addWidget(levr, 2, 1);
        layout->addWidget(omsc, 3, 0);
        layout->addWidget(label, 3, 1);
        layout->addWidget(grid, 4, 0, 1, 2);
        window.resize(500, 500);
        window.show();
        window.activateWindow();
        (void)QTest::qWaitForWindowExposed(&window);
    }

    // What a user does: click into the control, select everything, type.
    static void typeInto(QWidget* control, const QString& text) {
        control->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(control, text);
    }
    void press(DBNavigator::Button which) { QTest::mouseClick(navigator->button(which), Qt::LeftButton); }

    View view{"TestCDS"};
    QWidget window;
    DBNavigator* navigator;
    ui::DBEdit* naam;
    ui::DBEdit* prys;
    ui::DBComboBox* besc;
    ui::DBComboBox* levr;
    ui::DBMemo* omsc;
    ui::DBLabel* label;
    ui::DBGrid* grid;
};

QString shown(const QLineEdit* edit) {
    return edit->text();
}

} // namespace

class DataControlsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() { QVERIFY(noUnexpectedErrorBoxes()); }
    void viewGoesBeforeItsControls();
    void controlsGoBeforeTheirView();

    void typedAndPostedLandsInTheView_data();
    void typedAndPostedLandsInTheView();
    void typedTextIsWrittenBeforeAMove_data();
    void typedTextIsWrittenBeforeAMove();
    void aTextLongerThanItsFieldIsRefusedNotCut();
    void textThatIsNoNumberIsReportedAndKept();
    void cancelShowsTheStoredValueAgain();
    void typingIntoAnEmptyViewStartsANewRecord();
    void closedOrReadOnlyViewRefusesTyping();
    void numbersShowTheirFormatUntilEdited();
    void valuesWrittenByTheProgramAreShown();
    void listOnlyDropDownWritesTheChoice();
    void gridAndViewFollowEachOther();
    void gridCellEditLandsInTheView();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void navigatorButtonsFollowTheView();
    void guardShowsTheErrorAndTheProgramGoesOn_data();
    void guardShowsTheErrorAndTheProgramGoesOn();
};

void DataControlsTest::typedAndPostedLandsInTheView_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("stored");
    QTest::newRow("name") << "naam"
                          << "Wollastoniet"
                          << "naam"
                          << "Wollastoniet";
    QTest::newRow("price") << "prys"
                           << "2.75"
                           << "prys"
                           << "2.75";
    QTest::newRow("price emptied") << "prys"
                                   << ""
                                   << "prys"
                                   << "";
    QTest::newRow("memo") << "omsc"
                          << "Fijn gemalen"
                          << "omsc"
                          << "Fijn gemalen";
    QTest::newRow("editable drop-down, free text") << "levr"
                                                   << "X"
                                                   << "besc"
                                                   << "X";
}

void DataControlsTest::typedAndPostedLandsInTheView() {
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(QString, field);
    QFETCH(QString, stored);
    Form f;
    QWidget* target = control == "naam"   ? static_cast<QWidget*>(f.naam)
                      : control == "prys" ? static_cast<QWidget*>(f.prys)
                      : control == "omsc" ? static_cast<QWidget*>(f.omsc)
                                          : static_cast<QWidget*>(f.levr);
    Form::typeInto(target, typed);
    if (typed.isEmpty()) QTest::keyClick(target, Qt::Key_Delete); // emptying is typing too
    QCOMPARE(f.view.state(), ViewState::Edit);
    QVERIFY(f.navigator->button(DBNavigator::Post)->isEnabled());
    f.press(DBNavigator::Post);
    QCOMPARE(f.view.state(), ViewState::Browse);
    QCOMPARE(f.view.recNo(), 0);
    QCOMPARE(QString::fromStdString(f.view.asText(field.toStdString())), stored);
    QVERIFY(f.view.changedSinceOpen());
}

// A name longer than the field's 20 characters is refused when posted, with
// a message naming the field and its width; nothing is cut, the typed text
// stays for correcting.
void DataControlsTest::aTextLongerThanItsFieldIsRefusedNotCut() {
    Form f;
    const std::string before = f.view.asText("naam");
    ui::ErrorBoxCapture errors;
    Form::typeInto(f.naam, QStringLiteral("Nefelien syeniet 270 mesh")); // 25 characters
    QCOMPARE(f.naam->text(), QStringLiteral("Nefelien syeniet 270 mesh"));
    f.press(DBNavigator::Post);
    QCOMPARE(errors.shown.size(), std::size_t(1));
    const QString said = QString::fromStdString(errors.shown[0]);
    QVERIFY2(said.contains(QStringLiteral("'naam'")) && said.contains(QStringLiteral(" 20 ")) &&
                 said.contains(QStringLiteral(" 25.")),
             qPrintable(said));
    QCOMPARE(f.view.state(), ViewState::Edit);
    QCOMPARE(f.view.asText("naam"), before);
    QCOMPARE(f.naam->text(), QStringLiteral("Nefelien syeniet 270 mesh"));
    Form::typeInto(f.naam, QStringLiteral("Nefelien syeniet 270"));
    f.press(DBNavigator::Post);
    QCOMPARE(errors.shown.size(), std::size_t(1));
    QCOMPARE(f.view.state(), ViewState::Browse);
    QCOMPARE(f.view.asText("naam"), std::string("Nefelien syeniet 270"));
}

void DataControlsTest::typedTextIsWrittenBeforeAMove_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("startRow");
    QTest::addColumn<int>("endRow");
    QTest::newRow("next") << int(DBNavigator::Next) << 1 << 2;
    QTest::newRow("prior") << int(DBNavigator::Prior) << 1 << 0;
    QTest::newRow("first") << int(DBNavigator::First) << 2 << 0;
    QTest::newRow("last") << int(DBNavigator::Last) << 1 << 3;
    QTest::newRow("insert") << int(DBNavigator::Insert) << 1 << 1;
}

void DataControlsTest::typedTextIsWrittenBeforeAMove() {
    QFETCH(int, button);
    QFETCH(int, startRow);
    QFETCH(int, endRow);
    Form f;
    f.view.moveTo(startRow);
    const std::string before = f.view.asText("naam");
    Form::typeInto(f.prys, "9.5");
    f.press(DBNavigator::Button(button));
    QCOMPARE(f.view.recNo(), endRow);
    // The row that was edited holds what was typed.
    bool found = false;
    for (int r = 0; r < f.view.recordCount(); ++r) {
        if (f.view.textAt(r, 0) == before) {
            QCOMPARE(f.view.numberAt(r, 1), 9.5);
            found = true;
        }
    }
    QVERIFY(found);
    if (button != DBNavigator::Insert) QCOMPARE(shown(f.naam), QString::fromStdString(f.view.asText("naam")));
}

void DataControlsTest::textThatIsNoNumberIsReportedAndKept() {
    Form f;
    ui::ErrorBoxCapture errors;
    Form::typeInto(f.naam, "Nieuwe klei");
    Form::typeInto(f.prys, "abc");
    f.press(DBNavigator::Post);
    QCOMPARE(errors.shown.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(errors.shown[0]),
             QStringLiteral("'abc' is not a valid floating point value for field 'prys'"));
    // Nothing typed is lost: the record is still being edited, both texts stand.
    QCOMPARE(f.view.state(), ViewState::Edit);
    QCOMPARE(shown(f.prys), QStringLiteral("abc"));
    QCOMPARE(shown(f.naam), QStringLiteral("Nieuwe klei"));
    QVERIFY(f.prys->hasPendingText());

    // Moving away is refused the same way and keeps the row.
    f.press(DBNavigator::Next);
    QCOMPARE(errors.shown.size(), std::size_t(2));
    QCOMPARE(f.view.recNo(), 0);

    Form::typeInto(f.prys, "3.5");
    f.press(DBNavigator::Post);
    QCOMPARE(errors.shown.size(), std::size_t(2));
    QCOMPARE(f.view.state(), ViewState::Browse);
    QCOMPARE(f.view.asText("naam"), std::string("Nieuwe klei"));
    QCOMPARE(f.view.asNumber("prys"), 3.5);
}

void DataControlsTest::cancelShowsTheStoredValueAgain() {
    Form f;
    Form::typeInto(f.naam, "Iets anders");
    Form::typeInto(f.omsc, "weg ermee");
    f.press(DBNavigator::Cancel);
    QCOMPARE(f.view.state(), ViewState::Browse);
    QCOMPARE(shown(f.naam), QStringLiteral("Kaolien"));
    QCOMPARE(f.omsc->toPlainText(), QStringLiteral("Omschrijving van Kaolien"));
    QCOMPARE(f.view.asText("naam"), std::string("Kaolien"));
    QVERIFY(!f.naam->hasPendingText());
    QVERIFY(!f.view.changedSinceOpen());
}

void DataControlsTest::typingIntoAnEmptyViewStartsANewRecord() {
    Form f(0);
    QCOMPARE(f.view.recordCount(), 0);
    Form::typeInto(f.naam, "Zirkoon");
    QCOMPARE(f.view.state(), ViewState::Insert);
    QCOMPARE(shown(f.naam), QStringLiteral("Zirkoon")); // the new row did not wipe the typing
    f.press(DBNavigator::Post);
    QCOMPARE(f.view.recordCount(), 1);
    QCOMPARE(f.view.asText("naam"), std::string("Zirkoon"));
    QCOMPARE(f.grid->model()->rowCount(), 1);
}

void DataControlsTest::closedOrReadOnlyViewRefusesTyping() {
    Form f;
    f.view.close();
    QVERIFY(f.naam->isReadOnly());
    QCOMPARE(shown(f.naam), QString());
    QCOMPARE(f.grid->model()->rowCount(), 0);
    QVERIFY(!f.navigator->button(DBNavigator::Next)->isEnabled());
    QVERIFY(!f.navigator->button(DBNavigator::Insert)->isEnabled());

    f.view.setReadOnly(true);
    f.view.openPacket(materials(2));
    QCOMPARE(shown(f.naam), QStringLiteral("Kaolien"));
    QVERIFY(f.naam->isReadOnly());
    QVERIFY(f.omsc->isReadOnly());
    QVERIFY(!f.besc->isEnabled());
    Form::typeInto(f.naam, "X");
    QCOMPARE(shown(f.naam), QStringLiteral("Kaolien"));
    QCOMPARE(f.view.state(), ViewState::Browse);
    QVERIFY(!f.navigator->button(DBNavigator::Insert)->isEnabled());
    QVERIFY(!f.navigator->button(DBNavigator::Delete)->isEnabled());
    QVERIFY(f.navigator->button(DBNavigator::Next)->isEnabled());
}

void DataControlsTest::numbersShowTheirFormatUntilEdited() {
    Form f;
    f.view.edit();
    f.view.setNumber("prys", 1.23456);
    f.view.post();
    f.prys->setDisplayFormat("#0.###");
    f.naam->setFocus(Qt::OtherFocusReason);
    QCOMPARE(shown(f.prys), QStringLiteral("1.235"));
    QCOMPARE(f.grid->model()->index(0, 1).data().toString(), QStringLiteral("1.23"));
    f.prys->setFocus(Qt::MouseFocusReason);
    QCOMPARE(shown(f.prys), QStringLiteral("1.23456"));
    f.naam->setFocus(Qt::TabFocusReason);
    QCOMPARE(shown(f.prys), QStringLiteral("1.235"));
    QCOMPARE(f.view.state(), ViewState::Browse); // looking is not editing
}

void DataControlsTest::valuesWrittenByTheProgramAreShown() {
    Form f;
    f.view.edit();
    f.view.setText("naam", "Berekend");
    f.view.setNumber("prys", 7);
    QCOMPARE(shown(f.naam), QStringLiteral("Berekend"));
    QCOMPARE(shown(f.prys), QStringLiteral("7"));
    QCOMPARE(f.label->text(), QStringLiteral("Berekend"));
    f.view.next();
    QCOMPARE(f.label->text(), QStringLiteral("Kalkspaat"));
    QCOMPARE(f.view.textAt(0, 0), std::string("Berekend"));
}

void DataControlsTest::listOnlyDropDownWritesTheChoice() {
    Form f;
    QCOMPARE(f.besc->currentText(), QStringLiteral("J"));
    f.besc->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(f.besc, Qt::Key_Down);
    QCOMPARE(f.besc->currentText(), QStringLiteral("N"));
    QCOMPARE(f.view.state(), ViewState::Edit);
    QCOMPARE(f.view.asText("besc"), std::string("N"));
    QCOMPARE(f.levr->currentText(), QStringLiteral("N")); // the other control on the field follows
    f.press(DBNavigator::Post);
    QCOMPARE(f.view.textAt(0, 2), std::string("N"));
}

void DataControlsTest::gridAndViewFollowEachOther() {
    Form f;
    QCOMPARE(f.grid->currentIndex().row(), 0);
    f.view.next();
    f.view.next();
    QCOMPARE(f.grid->currentIndex().row(), 2);
    QCOMPARE(f.grid->model()->headerData(2, Qt::Vertical).toString(), QStringLiteral("\u25B6"));

    // Typed text goes into its row before the grid moves the view.
    Form::typeInto(f.naam, "Kwarts 200");
    const QRect cell = f.grid->visualRect(f.grid->model()->index(3, 0));
    QTest::mouseClick(f.grid->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(f.view.recNo(), 3);
    QCOMPARE(f.view.textAt(2, 0), std::string("Kwarts 200"));
    QCOMPARE(f.grid->model()->index(2, 0).data().toString(), QStringLiteral("Kwarts 200"));
    QCOMPARE(shown(f.naam), QStringLiteral("Veldspaat"));

    f.press(DBNavigator::First);
    QCOMPARE(f.grid->currentIndex().row(), 0);
}

void DataControlsTest::gridCellEditLandsInTheView() {
    Form f;
    f.view.moveTo(1);
    f.grid->setFocus(Qt::MouseFocusReason);
    f.grid->setCurrentIndex(f.grid->model()->index(1, 1));
    QTest::keyClick(f.grid, Qt::Key_F2);
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(editor && editor != f.grid);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, "4.25");
    QTest::keyClick(editor, Qt::Key_Return);
    // The grid hands the editor's text over once the key has been handled.
    QTRY_COMPARE(f.view.state(), ViewState::Edit);
    QCOMPARE(f.view.asNumber("prys"), 4.25);
    QCOMPARE(shown(f.prys), QStringLiteral("4.25"));
    f.press(DBNavigator::Post);
    QCOMPARE(f.view.numberAt(1, 1), 4.25);

    // A comma typed alone is taken as the decimal separator too, as in the edit boxes.
    QVERIFY(f.grid->model()->setData(f.grid->model()->index(1, 1), QStringLiteral("7,5")));
    QCOMPARE(f.view.asNumber("prys"), 7.5);
    QVERIFY(f.grid->model()->setData(f.grid->model()->index(1, 1), QStringLiteral("8.5")));
    QCOMPARE(f.view.asNumber("prys"), 8.5);
    f.press(DBNavigator::Post);
}

void DataControlsTest::deleteAsksFirst_data() {
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("rowsAfter");
    QTest::newRow("No keeps the record") << false << 4;
    QTest::newRow("Yes deletes it") << true << 3;
}

void DataControlsTest::deleteAsksFirst() {
    QFETCH(bool, answer);
    QFETCH(int, rowsAfter);
    Form f;
    ScopedPrompter prompter;
    f.navigator->setPrompter(&prompter.recorder);
    prompter.recorder.answerNext(answer);
    QSignalSpy clicked(f.navigator, &DBNavigator::clicked);
    f.view.moveTo(1);
    f.press(DBNavigator::Delete);
    QCOMPARE(prompter.recorder.entries.size(), std::size_t(1));
    QCOMPARE(prompter.recorder.entries[0].kind, RecordingPrompter::Kind::Confirm);
    QCOMPARE(QString::fromStdString(prompter.recorder.entries[0].text),
             QStringLiteral("Wilt U dit record verwijderen?"));
    QCOMPARE(f.view.recordCount(), rowsAfter);
    QCOMPARE(f.grid->model()->rowCount(), rowsAfter);
    QCOMPARE(f.view.changedSinceOpen(), answer);
    QCOMPARE(clicked.size(), 1);
}

void DataControlsTest::navigatorButtonsFollowTheView() {
    Form f;
    f.navigator->setVisibleButtons(DBNavigator::Editing);
    for (auto b : {DBNavigator::First, DBNavigator::Prior, DBNavigator::Next, DBNavigator::Last,
                   DBNavigator::Insert, DBNavigator::Delete, DBNavigator::Post, DBNavigator::Cancel}) {
        QVERIFY(f.navigator->button(b)->isVisible());
        QCOMPARE(f.navigator->button(b)->toolTip(), DBNavigator::hint(b));
        QVERIFY(!DBNavigator::hint(b).isEmpty());
    }
    QVERIFY(!f.navigator->button(DBNavigator::Edit)->isVisible());
    QVERIFY(!f.navigator->button(DBNavigator::First)->isEnabled());
    QVERIFY(!f.navigator->button(DBNavigator::Prior)->isEnabled());
    QVERIFY(f.navigator->button(DBNavigator::Next)->isEnabled());
    QVERIFY(!f.navigator->button(DBNavigator::Post)->isEnabled());
    QVERIFY(!f.navigator->button(DBNavigator::Cancel)->isEnabled());
    f.press(DBNavigator::Last);
    QVERIFY(f.navigator->button(DBNavigator::First)->isEnabled());
    QVERIFY(!f.navigator->button(DBNavigator::Next)->isEnabled());
    QVERIFY(!f.navigator->button(DBNavigator::Last)->isEnabled());
    Form::typeInto(f.naam, "Y");
    QVERIFY(f.navigator->button(DBNavigator::Post)->isEnabled());
    QVERIFY(f.navigator->button(DBNavigator::Cancel)->isEnabled());

    f.navigator->setVisibleButtons(DBNavigator::Moves);
    QVERIFY(f.navigator->button(DBNavigator::Next)->isVisible());
    QVERIFY(!f.navigator->button(DBNavigator::Insert)->isVisible());
    QVERIFY(!f.navigator->button(DBNavigator::Delete)->isVisible());
}

void DataControlsTest::guardShowsTheErrorAndTheProgramGoesOn_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::newRow("store error") << 0 << "MatCDS: Missing data provider or data packet";
    QTest::newRow("file error") << 1 << "Cannot write file \"db0991/mat.cds\". Permission denied";
    QTest::newRow("any other exception") << 2 << "bad_alloc of some kind";
}

void DataControlsTest::guardShowsTheErrorAndTheProgramGoesOn() {
    QFETCH(int, kind);
    QFETCH(QString, text);
    ui::ErrorBoxCapture errors;
    QWidget window;
    auto* button = new QPushButton("Doe het", &window);
    int reachedEnd = 0;
    const std::string message = text.toStdString();
    QObject::connect(button, &QPushButton::clicked, &window, ui::guarded(&window, [&] {
                         if (kind == 0) throw StoreError(message);
                         if (kind == 1) throw FileError(message);
                         throw std::runtime_error(message);
                         ++reachedEnd;
                     }));
    window.show();
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(errors.shown.size(), std::size_t(2));
    QCOMPARE(QString::fromStdString(errors.shown[0]), text);
    QCOMPARE(reachedEnd, 0); // the handler stopped where the error was raised
    QVERIFY(window.isVisible());
    QVERIFY(ui::guard(&window, [&] { ++reachedEnd; }));
    QCOMPARE(reachedEnd, 1);
}

namespace {
// A window that owns its view as a member, as the materials window does:
// members go before the child widgets, so the view ends first.
struct WindowWithOwnView : QWidget {
    View view{"OwnCDS"};
    WindowWithOwnView() {
        view.openPacket(materials(4));
        auto* layout = new QGridLayout(this);
        auto* navigator = new DBNavigator(this);
        navigator->setView(&view);
        layout->addWidget(navigator, 0, 0);
        layout->addWidget(new ui::DBEdit(&view, "naam", this), 1, 0);
        layout->addWidget(new ui::DBMemo(&view, "omsc", this), 2, 0);
        layout->addWidget(new ui::DBLabel(&view, "naam", this), 3, 0);
        auto* combo = new ui::DBComboBox(&view, "besc", ui::DBComboBox::Style::ListOnly, this);
        combo->setItems({"J", "N"});
        layout->addWidget(combo, 4, 0);
        auto* grid = new ui::DBGrid(this);
        grid->setView(&view, {{"naam", "Naam", 140}});
        layout->addWidget(grid, 5, 0);
    }
};
} // namespace

void DataControlsTest::viewGoesBeforeItsControls() {
    auto* window = new WindowWithOwnView;
    window->show();
    auto* edit = window->findChild<ui::DBEdit*>();
    QVERIFY(edit);
    QCOMPARE(edit->dataView(), &window->view);
    window->view.next();
    QCOMPARE(edit->text(), QStringLiteral("Kalkspaat"));
    Form::typeInto(edit, "typed"); // a pending text when the window goes
    // No manual unbinding: the view tells its controls as it goes (a
    // use-after-free here is caught by the sanitizer build).
    delete window;
}

void DataControlsTest::controlsGoBeforeTheirView() {
    View view{"TestCDS"};
    view.openPacket(materials(4));
    {
        Form f(4); // its own view; the controls below watch `view`
        f.naam->setDataField(&view, "naam");
        f.grid->setView(&view, {{"naam", "Naam", 140}});
        f.navigator->setView(&view);
        QCOMPARE(f.naam->dataView(), &view);
    }            // the controls go first and leave the view
    view.next(); // tells nobody that is gone
    view.edit();
    view.setText("naam", "Na de controls");
    view.post();
    QCOMPARE(view.asText("naam"), std::string("Na de controls"));
}

QTEST_MAIN(DataControlsTest)
#include "tst_DataControls.moc"
