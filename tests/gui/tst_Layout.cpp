// SPDX-License-Identifier: GPL-3.0-or-later
// Every window laid out at the default font and at 14 points: the designed
// sizes at the default font, no two controls on top of each other, nothing
// past its parent's edge, every label, button, tab and column heading wide
// enough for its whole text. Also the parts that size themselves to their
// contents: the materials' name list, the category list, the browse grid,
// and the stored window positions brought back onto a screen.
#include "GuiTestSupport.h"

#include "app/AppComposition.h"
#include "common/NumberFormat.h"
#include "engine/GlzDMUnit.h"
#include "glaze/ReceptZoekenFormUnit.h"
#include "glaze/StullChartFormUnit.h"
#include "glaze/VerwijderMatFormUnit.h"
#include "materials/NameListFit.h"
#include "store/View.h"
#include "widgets/ScreenFit.h"
#include "widgets/WindowPlacement.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

// The windows as the program creates them, found by their object names.
QWidget* window(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name)) return w;
    return nullptr;
}

QString describe(const QWidget* w) {
    QString name = w->objectName();
    if (name.isEmpty()) name = QString::fromLatin1(w->metaObject()->className());
    if (const auto* label = qobject_cast<const QLabel*>(w)) name += " \"" + label->text() + '"';
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) name += " \"" + button->text() + '"';
    return name;
}

// Plain containers are looked into; compound controls (a grid, a combo box,
// a tab widget, bars) are checked as one control.
bool isContainer(const QWidget* w) {
    if (qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QComboBox*>(w) ||
        qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QTabWidget*>(w) ||
        qobject_cast<const QMenuBar*>(w) || qobject_cast<const QToolBar*>(w) ||
        qobject_cast<const QTabBar*>(w) || qobject_cast<const QAbstractButton*>(w) ||
        qobject_cast<const QLabel*>(w) || qobject_cast<const QLineEdit*>(w))
        return false;
    return true;
}

QList<QWidget*> visibleChildren(const QWidget* parent) {
    QList<QWidget*> children;
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow() && child->isVisible()) children << child;
    return children;
}

bool holdsOthers(const QWidget* w) {
    return isContainer(w) && !visibleChildren(w).isEmpty();
}

void checkText(const QWidget* w, QStringList& problems) {
    const QFontMetrics fm(w->font());
    const QStyle* style = w->style();
    auto tooNarrow = [&](const QString& text, int needed, int room) {
        if (needed > room)
            problems << QStringLiteral("%1: \"%2\" needs %3 px, has %4")
                            .arg(describe(w), text)
                            .arg(needed)
                            .arg(room);
    };
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->text().isEmpty() || label->wordWrap() || label->textFormat() == Qt::RichText) return;
        int indent = label->indent();
        if (indent < 0) indent = label->frameWidth() > 0 ? fm.horizontalAdvance(QLatin1Char('x')) / 2 : 0;
        const int room = label->contentsRect().width() - 2 * label->margin() - indent;
        // A label with a buddy shows its "&" as an underline.
        QString shown = label->text();
        if (label->buddy()) shown.remove(QLatin1Char('&'));
        const QStringList lines = shown.split(QLatin1Char('\n'));
        for (const QString& line : lines)
            tooNarrow(line, fm.horizontalAdvance(line), room);
        const int height = int(lines.size()) * fm.height();
        if (height > label->contentsRect().height() - 2 * label->margin())
            problems << QStringLiteral("%1: %2 px of text in %3 px height")
                            .arg(describe(w))
                            .arg(height)
                            .arg(label->contentsRect().height());
    } else if (const auto* box = qobject_cast<const QCheckBox*>(w)) {
        const int room = box->width() - style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) -
                         style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
        tooNarrow(box->text(), fm.horizontalAdvance(box->text()), room);
    } else if (const auto* button = qobject_cast<const QPushButton*>(w)) {
        const QString text = QString(button->text()).remove(QLatin1Char('&'));
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        const int room = style->subElementRect(QStyle::SE_PushButtonContents, &option, button).width() - icon;
        tooNarrow(text, fm.horizontalAdvance(text), room);
        if (fm.height() > button->height() - 4)
            problems << QStringLiteral("%1: text %2 px high, button %3 px")
                            .arg(describe(w))
                            .arg(fm.height())
                            .arg(button->height());
    } else if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w)) {
        if (fm.height() > w->contentsRect().height() - 2)
            problems << QStringLiteral("%1: text %2 px high, field %3 px")
                            .arg(describe(w))
                            .arg(fm.height())
                            .arg(w->height());
    } else if (const auto* grid = qobject_cast<const QTableView*>(w)) {
        const QHeaderView* header = grid->horizontalHeader();
        const QFontMetrics hfm(header->font());
        const int margin = 2 * style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int c = 0; c < header->count(); ++c) {
            if (header->isSectionHidden(c)) continue;
            const QString text = grid->model()->headerData(c, Qt::Horizontal).toString();
            tooNarrow(text, hfm.horizontalAdvance(text), header->sectionSize(c) - margin);
        }
    } else if (const auto* tabs = qobject_cast<const QTabWidget*>(w)) {
        const QTabBar* bar = tabs->tabBar();
        const QFontMetrics tfm(bar->font());
        for (int i = 0; i < bar->count(); ++i) {
            const QString text = bar->tabText(i).remove(QLatin1Char('&'));
            tooNarrow(text, tfm.horizontalAdvance(text), bar->tabRect(i).width() - 8);
            if (!bar->rect().contains(bar->tabRect(i)))
                problems << QStringLiteral("%1: tab \"%2\" runs past the tab bar").arg(describe(w), text);
        }
    }
}

// Looks at the visible controls inside `parent`, and into the containers among them.
void inspect(const QWidget* parent, QStringList& problems) {
    const QList<QWidget*> children = visibleChildren(parent);
    for (int i = 0; i < children.size(); ++i) {
        const QWidget* a = children[i];
        // What lies in a scroll area is meant to be scrolled to.
        const bool scrolled = qobject_cast<const QAbstractScrollArea*>(parent->parentWidget()) != nullptr;
        if (!scrolled && !parent->rect().contains(a->geometry()))
            problems << QStringLiteral("%1 runs past the edge of %2").arg(describe(a), describe(parent));
        for (int j = i + 1; j < children.size(); ++j) {
            const QWidget* b = children[j];
            if (holdsOthers(a) || holdsOthers(b)) continue;
            if (a->geometry().intersects(b->geometry()))
                problems << QStringLiteral("%1 and %2 overlap").arg(describe(a), describe(b));
        }
        checkText(a, problems);
        if (const auto* tabs = qobject_cast<const QTabWidget*>(a)) {
            if (tabs->currentWidget()) inspect(tabs->currentWidget(), problems);
        } else if (isContainer(a)) {
            inspect(a, problems);
        }
    }
}

// Every page of every tab widget in the window.
QStringList problemsOf(QWidget* w) {
    QStringList problems;
    // Windows opened from this one are its children too: only its own tabs.
    QList<QTabWidget*> tabWidgets = w->findChildren<QTabWidget*>();
    tabWidgets.removeIf([w](const QTabWidget* t) { return t->window() != w; });
    if (tabWidgets.isEmpty()) {
        inspect(w, problems);
        return problems;
    }
    for (QTabWidget* tabs : tabWidgets) {
        const int before = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QCoreApplication::processEvents();
            QStringList page;
            inspect(w, page);
            for (const QString& p : page)
                problems << tabs->tabText(i) + ": " + p;
        }
        tabs->setCurrentIndex(before);
    }
    problems.removeDuplicates();
    return problems;
}

// Headings and cells of a table whose column is narrower than their text.
QStringList cutCells(const QTableView* table) {
    QStringList cut;
    const QHeaderView* header = table->horizontalHeader();
    const QFontMetrics hfm(header->font());
    const int headerMargin = 2 * table->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const QFontMetrics fm(table->font());
    const int cellMargin =
        2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
    const QAbstractItemModel* model = table->model();
    for (int c = 0; c < model->columnCount(); ++c) {
        if (table->isColumnHidden(c)) continue;
        const QString heading = model->headerData(c, Qt::Horizontal).toString();
        if (hfm.horizontalAdvance(heading) > header->sectionSize(c) - headerMargin)
            cut << table->objectName() + ": heading " + heading;
        for (int row = 0; row < model->rowCount(); ++row) {
            const QString text = model->index(row, c).data().toString();
            if (fm.horizontalAdvance(text) > table->columnWidth(c) - cellMargin)
                cut << table->objectName() + ": " + text;
        }
    }
    return cut;
}

// A dialog opened from the glaze editor: inside the screen's usable area,
// over the editor, its buttons in reach, nothing cut.
void checkFitsTheScreen(QWidget* dialog, const QWidget* editor, const char* closeButton) {
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QCoreApplication::processEvents();
    const QRect area = dialog->screen()->availableGeometry();
    const QString name = dialog->objectName();
    QVERIFY2(area.contains(dialog->frameGeometry()), qPrintable(QStringLiteral("%1 at %2,%3 %4x%5")
                                                                    .arg(name)
                                                                    .arg(dialog->frameGeometry().x())
                                                                    .arg(dialog->frameGeometry().y())
                                                                    .arg(dialog->frameGeometry().width())
                                                                    .arg(dialog->frameGeometry().height())));
    QVERIFY2(dialog->frameGeometry().intersects(editor->frameGeometry()), qPrintable(name));
    auto* close = child<QPushButton>(dialog, closeButton);
    const QRect button(close->mapToGlobal(QPoint(0, 0)), close->size());
    QVERIFY2(close->isVisible() && area.contains(button), qPrintable(name));
    // Pictures to look at when KELVORA_SHOTS names a folder.
    const QString shots = qEnvironmentVariable("KELVORA_SHOTS");
    if (!shots.isEmpty())
        dialog->grab().save(QDir(shots).filePath(QStringLiteral("%1-%2pt-%3x%4.png")
                                                     .arg(name)
                                                     .arg(dialog->font().pointSize())
                                                     .arg(area.width())
                                                     .arg(area.height())));
    QStringList problems = problemsOf(dialog);
    for (const QTableView* table : dialog->findChildren<QTableView*>())
        if (table->isVisible()) problems << cutCells(table);
    QVERIFY2(problems.isEmpty(), qPrintable(name + ":\n" + problems.join('\n')));
}

struct Designed {
    const char* name;
    QSize size; // the client area, or the whole window for the remove dialog
    bool linesMayWiden = false;
    bool noteBelow = false; // a note under the designed box makes it taller
};

// The remove dialog's designed size counts its frame; the main window's
// counts the area below the menu bar.
QSize measured(QWidget* w) {
    if (w->objectName() == QLatin1String("VerwijderMatForm")) return w->frameGeometry().size();
    if (auto* main = qobject_cast<QMainWindow*>(w); main && main->objectName() == QLatin1String("MainForm"))
        return main->centralWidget()->size();
    return w->size();
}

// The program's windows for the time of one test, gone again also when a
// check fails half-way.
struct Program {
    explicit Program(Prompter& prompter) { startProgram(prompter); }
    ~Program() { endProgram(); }
};

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        prepareTestApplication();
        defaultFont_ = QApplication::font();
    }
    void cleanup() {
        QFont font = QApplication::font();
        font.setPointSizeF(defaultFont_.pointSizeF());
        QApplication::setFont(font);
        QVERIFY(noUnexpectedErrorBoxes());
    }

    void windowsShowEverythingWhole_data();
    void windowsShowEverythingWhole();
    void materialNamesShowWhole();
    void longerNamesShowInATooltip();
    void categoryPopupAndBrowseColumnsFitTheirContents();
    void lookupValuesStandUnderTheirLabels();
    void dialogsFitTheScreen_data();
    void dialogsFitTheScreen();
    void windowsOpenWithinTheUsableArea_data();
    void windowsOpenWithinTheUsableArea();
    void positionsComeBackOntoAScreen_data();
    void positionsComeBackOntoAScreen();
    void storedPositionOffEveryScreenOpensOnScreen();

private:
    QFont defaultFont_;
};

void LayoutTest::windowsShowEverythingWhole_data() {
    QTest::addColumn<int>("points");
    QTest::newRow("default font") << 0;
    QTest::newRow("14 pt") << 14;
}

void LayoutTest::windowsShowEverythingWhole() {
    QFETCH(int, points);
    QFont font = defaultFont_;
    if (points > 0) font.setPointSize(points);
    QApplication::setFont(font);

    TestInstallation install;
    ScopedPrompter prompter;
    Program program(prompter.recorder);
    const Designed windows[] = {
        {"MainForm", {674, 302}}, {"AboutBox", {361, 189}, false, true}, {"HelpForm", {783, 540}},
        {"GlazForm", {825, 503}}, {"MatLkupForm", {539, 280}},           {"VerwijderMatForm", {306, 129}},
        {"MatForm", {701, 542}},  {"MatImportForm", {564, 115}},         {"UpgradeDBForm", {563, 271}, true},
    };
    QWidget* editor = window("GlazForm");
    QVERIFY(editor);
    for (const Designed& d : windows) {
        QWidget* w = window(d.name);
        QVERIFY2(w, d.name);
        // The lookup and remove windows work beside an open glaze editor.
        const bool besideEditor =
            d.name == QLatin1String("MatLkupForm") || d.name == QLatin1String("VerwijderMatForm");
        if (besideEditor) editor->show();
        if (auto* remove = qobject_cast<TVerwijderMatForm*>(w)) remove->wat = 1;
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCoreApplication::processEvents();
        if (points == 0 && d.linesMayWiden) {
            // Its fixed lines of text are wider in this font than in the one
            // the window was drawn for: it is as wide as they need, no wider.
            QCOMPARE(measured(w).height(), d.size.height());
            QVERIFY(measured(w).width() >= d.size.width());
            QCOMPARE(measured(w).width(), std::max(d.size.width(), w->minimumSizeHint().width()));
        } else if (points == 0 && d.noteBelow) {
            QCOMPARE(measured(w).width(), d.size.width());
            QVERIFY(measured(w).height() > d.size.height());
        } else if (points == 0) {
            QCOMPARE(measured(w), d.size);
        } else
            QVERIFY2(measured(w).width() >= d.size.width() && measured(w).height() >= d.size.height(),
                     d.name);
        const QStringList problems = problemsOf(w);
        QVERIFY2(problems.isEmpty(), qPrintable(QString::fromLatin1(d.name) + ":\n" + problems.join('\n')));
        w->hide();
        if (besideEditor) editor->hide();
    }
}

void LayoutTest::materialNamesShowWhole() {
    TestInstallation install;
    ScopedPrompter prompter;
    Program program(prompter.recorder);
    QWidget* form = window("MatForm");
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    auto* list = form->findChild<QTableView*>(QStringLiteral("DBGrid1"));
    QVERIFY(list && list->model()->rowCount() > 0);
    // Every starter material's name up to the list's limit fits its column
    // (longer ones show in a tooltip, see below); most names are that short.
    const QFontMetrics fm(list->font());
    const int limit = fm.horizontalAdvance(QString(NameListFit::LimitLetters, QLatin1Char('n')));
    QStringList cut;
    int whole = 0;
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        const QString name = list->model()->index(row, 0).data().toString();
        if (fm.horizontalAdvance(name) + 6 > limit) continue;
        ++whole;
        if (fm.horizontalAdvance(name) > list->columnWidth(0) - 6) cut << name;
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(", ")));
    QVERIFY(whole > list->model()->rowCount() * 9 / 10);
    QCOMPARE(form->size(), QSize(701, 542)); // and the window keeps its designed size
    form->hide();
}

void LayoutTest::longerNamesShowInATooltip() {
    QStandardItemModel model;
    const QString shortName = QStringLiteral("Kwarts");
    const QString longName = QStringLiteral("Veldspaat kalium, Noorse, fijn gemalen, zak van 25 kg");
    for (const QString& name : {shortName, longName, QStringLiteral("Aluminiumhydroxide")})
        model.appendRow(new QStandardItem(name));
    QTableView list;
    list.setModel(&model);
    list.verticalHeader()->setFixedWidth(16);
    int relayouts = 0;
    NameListFit fit(&list, 120, [&relayouts] { ++relayouts; });
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    // The list grew, but only up to its limit: the long name does not fit.
    QVERIFY(relayouts > 0);
    QVERIFY(list.width() > 120);
    QVERIFY(list.fontMetrics().horizontalAdvance(longName) > list.columnWidth(0));
    QVERIFY(list.fontMetrics().horizontalAdvance(QStringLiteral("Aluminiumhydroxide")) < list.columnWidth(0));
    auto tipAt = [&list](int row) {
        const QRect cell = list.visualRect(list.model()->index(row, 0));
        QHelpEvent help(QEvent::ToolTip, cell.center(), list.viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(list.viewport(), &help);
    };
    tipAt(1);
    QTRY_COMPARE(QToolTip::text(), longName);
    tipAt(0);
    QTRY_VERIFY(!QToolTip::isVisible());
    // A longer name typed later widens the list again, within its limit.
    const int before = list.width();
    model.item(0)->setText(QStringLiteral("Aluminiumhydroxide, gefilterd"));
    QVERIFY(list.width() >= before);
}

void LayoutTest::categoryPopupAndBrowseColumnsFitTheirContents() {
    TestInstallation install;
    ScopedPrompter prompter;
    Program program(prompter.recorder);
    QWidget* editor = window("GlazForm");
    editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor));
    auto* category = editor->findChild<QComboBox*>(QStringLiteral("CatgEdit"));
    QVERIFY(category && category->count() == 33);
    int widest = 0;
    for (int i = 0; i < category->count(); ++i)
        widest = std::max(widest, category->view()->fontMetrics().horizontalAdvance(category->itemText(i)));
    QVERIFY2(category->view()->minimumWidth() > widest,
             qPrintable(QStringLiteral("%1 <= %2").arg(category->view()->minimumWidth()).arg(widest)));

    auto* grid = editor->findChild<QTableView*>(QStringLiteral("DBGrid1"));
    QVERIFY(grid);
    QVERIFY(grid->model()->rowCount() > 0);
    const QHeaderView* header = grid->horizontalHeader();
    const QFontMetrics fm(grid->font());
    for (int c = 0; c + 1 < header->count(); ++c) {
        QCOMPARE(header->sectionResizeMode(c), QHeaderView::Interactive);
        for (int row = 0; row < grid->model()->rowCount(); ++row) {
            const QString text = grid->model()->index(row, c).data().toString();
            QVERIFY2(fm.horizontalAdvance(text) <= grid->columnWidth(c),
                     qPrintable(QStringLiteral("column %1: %2").arg(c).arg(text)));
        }
    }
    // The user may make a column wider.
    const int before = grid->columnWidth(0);
    grid->horizontalHeader()->resizeSection(0, before + 40);
    QCOMPARE(grid->columnWidth(0), before + 40);
    editor->hide();
}

void LayoutTest::lookupValuesStandUnderTheirLabels() {
    TestInstallation install;
    ScopedPrompter prompter;
    Program program(prompter.recorder);
    QWidget* lookup = window("MatLkupForm");
    lookup->show();
    QVERIFY(QTest::qWaitForWindowExposed(lookup));
    auto labelWithText = [lookup](const char* text) -> QLabel* {
        for (QLabel* l : lookup->findChildren<QLabel*>())
            if (l->text() == QLatin1String(text)) return l;
        return nullptr;
    };
    const struct {
        const char* caption;
        const char* value;
    } pairs[] = {{"Prijs", "prys"}, {"Molgewicht", "molg"}};
    for (const auto& pair : pairs) {
        QLabel* caption = labelWithText(pair.caption);
        auto* value = lookup->findChild<QLabel*>(QLatin1String(pair.value));
        QVERIFY2(caption && value, pair.caption);
        const QRect c(caption->mapTo(lookup, QPoint(0, 0)), caption->size());
        const QRect v(value->mapTo(lookup, QPoint(0, 0)), value->size());
        QVERIFY2(v.top() >= c.bottom(), pair.caption);
        QCOMPARE(v.left(), c.left());
    }
    lookup->hide();
}

void LayoutTest::dialogsFitTheScreen_data() {
    windowsShowEverythingWhole_data();
}

// The recipe dialogs and the Stull chart on the screen the run has (800 x 600
// for the offscreen platform, 1024 x 768 for the run that names that size in
// KELVORA_TEST_SCREEN), at the default font and at 14 points.
void LayoutTest::dialogsFitTheScreen() {
    QFETCH(int, points);
    QFont font = defaultFont_;
    if (points > 0) font.setPointSize(points);
    QApplication::setFont(font);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QString expected = qEnvironmentVariable("KELVORA_TEST_SCREEN");
    if (!expected.isEmpty()) QCOMPARE(QStringLiteral("%1x%2").arg(area.width()).arg(area.height()), expected);

    TestInstallation install;
    ScopedPrompter prompter;
    Program program(prompter.recorder);
    QWidget* editor = window("GlazForm");
    editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor));
    QVERIFY(glzDM()->GlzCDS.findKey("Seladon"));

    child<QPushButton>(editor, "ReceptZoekenButton")->click();
    auto* search = child<TReceptZoekenForm>(editor, "ReceptZoekenForm");
    checkFitsTheScreen(search, editor, "SluitenButton");
    // The prefilled targets show as numbers, whole: Seladon's SiO2 of 4.454.
    const auto* formula = child<QTableView>(search, "FormuleTabel");
    const int sio2 = OxideCatalogue::byStem("sio2")->position - 1;
    const QString target = cellText(formula, sio2, TReceptZoekenForm::DoelColumn);
    QCOMPARE(target,
             QString::fromStdString(numfmt::formatPattern(glzDM()->GlzCDS.asNumber("sio2"), "#0.####")));
    QVERIFY(target.startsWith(QStringLiteral("4") + QLocale().decimalPoint() + QStringLiteral("45")));
    search->close();

    child<QPushButton>(editor, "VervangGrondstofButton")->click();
    checkFitsTheScreen(child<QWidget>(editor, "VervangGrondstofForm"), editor, "SluitenButton");
    child<QWidget>(editor, "VervangGrondstofForm")->close();

    child<QPushButton>(editor, "StullButton")->click();
    QWidget* chart = kelvora::test::program()->stullChartForm();
    QVERIFY(chart);
    checkFitsTheScreen(chart, editor, "PdfButton");
    chart->close();
    editor->hide();
}

void LayoutTest::windowsOpenWithinTheUsableArea_data() {
    QTest::addColumn<QSize>("wanted");
    QTest::addColumn<QRect>("over");
    QTest::addColumn<QRect>("expected");
    const QRect parent(100, 100, 600, 400);
    QTest::newRow("small: centred over the parent") << QSize(200, 100) << parent << QRect(300, 250, 200, 100);
    QTest::newRow("wider than the screen: as wide as the area")
        << QSize(1100, 720) << parent << QRect(0, 0, 1024, 720);
    QTest::newRow("larger both ways: the whole area") << QSize(1400, 900) << parent << QRect(0, 0, 1024, 740);
    QTest::newRow("parent near the right edge: moved inside")
        << QSize(400, 300) << QRect(900, 500, 200, 200) << QRect(624, 440, 400, 300);
    QTest::newRow("no parent: centred on the area")
        << QSize(400, 300) << QRect() << QRect(312, 220, 400, 300);
}

void LayoutTest::windowsOpenWithinTheUsableArea() {
    QFETCH(QSize, wanted);
    QFETCH(QRect, over);
    QFETCH(QRect, expected);
    // 1024 x 768 less a panel of 28 pixels at the bottom.
    QCOMPARE(ui::fitInto(wanted, over, QRect(0, 0, 1024, 740)), expected);
}

void LayoutTest::positionsComeBackOntoAScreen_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QPoint>("expected");
    const QList<QRect> one = {QRect(0, 0, 1280, 1024)};
    const QList<QRect> two = {QRect(0, 0, 1280, 1024), QRect(1280, 0, 1920, 1080)};
    QTest::newRow("on the screen stays") << QRect(10, 10, 700, 540) << one << QPoint(10, 10);
    QTest::newRow("partly off to the right stays") << QRect(1000, 100, 700, 540) << one << QPoint(1000, 100);
    QTest::newRow("title bar above the screen") << QRect(32, -5, 774, 503) << one << QPoint(32, 0);
    QTest::newRow("beyond the right edge") << QRect(3000, 200, 700, 540) << one << QPoint(580, 200);
    QTest::newRow("below the bottom") << QRect(100, 1010, 700, 540) << one << QPoint(100, 484);
    QTest::newRow("far up and left") << QRect(-900, -700, 300, 200) << one << QPoint(0, 0);
    QTest::newRow("on the second screen stays") << QRect(1500, 300, 700, 540) << two << QPoint(1500, 300);
    QTest::newRow("unplugged third screen") << QRect(3400, 100, 700, 540) << two << QPoint(2500, 100);
    QTest::newRow("larger than the screen") << QRect(-50, -20, 1400, 1100) << one << QPoint(0, 0);
    QTest::newRow("no screens known") << QRect(5000, 5000, 10, 10) << QList<QRect>() << QPoint(5000, 5000);
}

void LayoutTest::positionsComeBackOntoAScreen() {
    QFETCH(QRect, frame);
    QFETCH(QList<QRect>, screens);
    QFETCH(QPoint, expected);
    QCOMPARE(ui::onScreen(frame, screens), expected);
}

void LayoutTest::storedPositionOffEveryScreenOpensOnScreen() {
    TestInstallation install;
    install.writeSettings("[matform]\nleft=9000\ntop=-3000\n");
    ScopedPrompter prompter;
    Program program(prompter.recorder);
    QWidget* form = window("MatForm");
    const QRect frame(form->pos(), form->frameGeometry().size());
    bool visible = false;
    for (const QRect& area : ui::availableScreenAreas())
        visible = visible || area.contains(frame.topLeft());
    QVERIFY2(visible, qPrintable(QStringLiteral("%1,%2").arg(frame.left()).arg(frame.top())));
}

QTEST_MAIN(LayoutTest)
#include "tst_Layout.moc"
