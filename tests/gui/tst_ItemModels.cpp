// SPDX-License-Identifier: GPL-3.0-or-later
// The item models behind the program's lists and grids, each watched by Qt's
// QAbstractItemModelTester while its data changes the ways the windows change
// it, and read back role by role as the views show it.
#include "GuiTestSupport.h"

#include "common/NumberFormat.h"
#include "glaze/BatchTableModel.h"
#include "glaze/MaterialChoiceModel.h"
#include "glaze/OxideFiguresModel.h"
#include "glaze/ResultLinesModel.h"
#include "glaze/TargetFormulaModel.h"
#include "model/OxideCatalogue.h"
#include "store/View.h"
#include "widgets/ViewTableModel.h"

#include <QAbstractItemModelTester>
#include <QBrush>
#include <QFont>
#include <QSignalSpy>
#include <QtTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

Packet materials(const std::vector<std::pair<const char*, double>>& rows) {
    Packet p(FieldDefs{{"naam", FieldType::Text, 20}, {"prys", FieldType::Float, 0}});
    for (const auto& [name, price] : rows) {
        Row r = p.emptyRow();
        p.setText(r, 0, name);
        p.setNumber(r, 1, price);
        p.rows.push_back(std::move(r));
    }
    return p;
}

QStringList column(const QAbstractItemModel& model, int c, int role = Qt::DisplayRole) {
    QStringList values;
    for (int r = 0; r < model.rowCount(); ++r)
        values << model.index(r, c).data(role).toString();
    return values;
}

QString fixed(double value, int decimals) {
    return QString::fromStdString(numfmt::formatFixed(value, decimals));
}

const Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;

Qt::Alignment alignment(const QModelIndex& index) {
    return Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
}

} // namespace

class ItemModelsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareTestApplication(); }
    void cleanup() { QVERIFY(noUnexpectedErrorBoxes()); }

    void viewTableModelFollowsItsViewUnderTheTester();
    void batchTableModelShowsRowsAndAdditions();
    void oxideFiguresModelListsFormulaOxidesAndMarksThem();
    void resultLinesModelShowsNamesAndAmounts();
    void materialChoiceModelTicksAndFilters();
    void targetFormulaModelKeepsWhatIsTyped();
};

// Every way the view changes under a grid: moves, edits, inserts, deletes,
// closing and opening, another view; the tester checks each signal the model
// sends against what it then reports.
void ItemModelsTest::viewTableModelFollowsItsViewUnderTheTester() {
    View view{"TestCDS"};
    view.openPacket(materials({{"Kaolien", 1.25}, {"Kwarts", 0.65}, {"Veldspaat", 1.1}}));
    view.setLogChanges(false);
    ui::ViewTableModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setView(&view, {{"naam", "Naam", 140}, {"prys", "Prijs", 80, "#0.00"}});
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.columnCount(), 2);
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Prijs"));
    QCOMPARE(column(model, 0), QStringList({"Kaolien", "Kwarts", "Veldspaat"}));

    view.moveTo(2);
    view.edit();
    view.setText("naam", "Veldspaat K");
    view.post();
    QCOMPARE(model.index(2, 0).data().toString(), QStringLiteral("Veldspaat K"));

    view.append();
    view.setText("naam", "Zinkoxide");
    view.setNumber("prys", 4.0);
    view.post();
    QCOMPARE(model.rowCount(), 4);
    QVERIFY(column(model, 0).contains("Zinkoxide"));

    // An edit through the model lands in the view.
    QVERIFY(model.setData(model.index(0, 0), QStringLiteral("Kaolien fijn")));
    view.post();
    QCOMPARE(view.textAt(0, 0), std::string("Kaolien fijn"));

    view.moveTo(1);
    view.remove();
    QCOMPARE(model.rowCount(), 3);
    QVERIFY(!column(model, 0).contains("Kwarts"));

    view.close();
    QCOMPARE(model.rowCount(), 0);
    view.openPacket(materials({{"Talk", 0.9}}));
    QCOMPARE(column(model, 0), QStringList({"Talk"}));

    View other{"OtherCDS"};
    other.openPacket(materials({{"Rutiel", 9.0}, {"Bentoniet", 1.5}}));
    model.setView(&other, {{"naam", "Naam", 140}});
    QCOMPARE(model.columnCount(), 1);
    QCOMPARE(column(model, 0), QStringList({"Rutiel", "Bentoniet"}));
    model.setView(nullptr, {});
    QCOMPARE(model.rowCount(), 0);
}

void ItemModelsTest::batchTableModelShowsRowsAndAdditions() {
    BatchTableModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), 3);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Materiaal"));
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Percentage"));
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Gram"));

    BatchWeights batch;
    batch.rows = {
        {"Kaliveldspaat", 35, 350, false}, {"Kwarts", 65, 650, false}, {"Rood ijzeroxide", 1.5, 15, true}};
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    model.setBatch(batch);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(column(model, 0), QStringList({"Kaliveldspaat", "Kwarts", "+ Rood ijzeroxide"}));
    QCOMPARE(column(model, 1), QStringList({fixed(35, 2), fixed(65, 2), fixed(1.5, 2)}));
    QCOMPARE(column(model, 2), QStringList({fixed(350, 1), fixed(650, 1), fixed(15, 1)}));

    // Only the addition is set apart: italics and a tool tip.
    const QModelIndex recipe = model.index(1, 0);
    const QModelIndex addition = model.index(2, 0);
    QVERIFY(!recipe.data(Qt::FontRole).isValid());
    QVERIFY(recipe.data(Qt::ToolTipRole).toString().isEmpty());
    QVERIFY(addition.data(Qt::FontRole).value<QFont>().italic());
    QCOMPARE(addition.data(Qt::ToolTipRole).toString(), QStringLiteral("Toevoeging, bovenop het recept"));
    // Numbers stand right; nothing can be edited.
    QCOMPARE(alignment(model.index(0, 1)), kRight);
    QCOMPARE(alignment(model.index(0, 2)), kRight);
    QVERIFY(!(alignment(model.index(0, 0)) & Qt::AlignRight));
    for (int c = 0; c < model.columnCount(); ++c)
        QVERIFY(!(model.flags(model.index(0, c)) & Qt::ItemIsEditable));
    QVERIFY(!model.setData(model.index(0, 0), QStringLiteral("Talk")));

    // A new batch replaces every row; an empty one leaves none.
    batch.rows.resize(1);
    model.setBatch(batch);
    QCOMPARE(model.rowCount(), 1);
    model.setBatch(BatchWeights{});
    QCOMPARE(model.rowCount(), 0);
}

void ItemModelsTest::oxideFiguresModelListsFormulaOxidesAndMarksThem() {
    OxideFiguresModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.columnCount(), 4);
    QCOMPARE(model.headerData(3, Qt::Horizontal).toString(), QStringLiteral("Mol %"));

    const auto at = [](const char* stem) {
        return static_cast<std::size_t>(OxideCatalogue::byStem(stem)->position - 1);
    };
    ChemistryFigures figures;
    figures.seger[at("sio2")] = 3.5;
    figures.seger[at("cao")] = 0.7;
    figures.seger[at("k2o")] = 0.3;
    figures.seger[at("mgo")] = 0.0002; // a trace below three decimals
    figures.weightPercent[at("sio2")] = 61.25;
    figures.molPercent[at("cao")] = 12.5;
    model.setFigures(figures);

    // Only the oxides of the formula, in the catalogue's order, each with its stem.
    QStringList expected;
    QStringList stems;
    for (const Oxide& oxide : OxideCatalogue::all())
        if (figures.seger[static_cast<std::size_t>(oxide.position - 1)] != 0) {
            expected << QString::fromUtf8(oxide.label.data(), static_cast<qsizetype>(oxide.label.size()));
            stems << QString::fromUtf8(oxide.stem.data(), static_cast<qsizetype>(oxide.stem.size()));
        }
    QCOMPARE(expected.size(), 4);
    QCOMPARE(column(model, 0), expected);
    QCOMPARE(column(model, 0, OxideFiguresModel::StemRole), stems);
    const int sio2 = static_cast<int>(stems.indexOf("sio2"));
    const int cao = static_cast<int>(stems.indexOf("cao"));
    const int mgo = static_cast<int>(stems.indexOf("mgo"));
    QCOMPARE(model.index(sio2, 1).data().toString(), fixed(3.5, 3));
    QCOMPARE(model.index(sio2, 2).data().toString(), fixed(61.25, 2));
    QCOMPARE(model.index(cao, 3).data().toString(), fixed(12.5, 2));
    QCOMPARE(model.index(mgo, 1).data().toString(), "< " + fixed(0.001, 3));
    QCOMPARE(alignment(model.index(cao, 1)), kRight);

    // A mark colours the whole row and explains itself; the other rows stay plain.
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.markOutside("cao", QBrush(Qt::red), QStringLiteral("SK 8-10: CaO tussen 0,30 – 0,60"));
    QCOMPARE(changed.count(), 1);
    for (int c = 0; c < model.columnCount(); ++c) {
        QCOMPARE(model.index(cao, c).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
        QCOMPARE(model.index(cao, c).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("SK 8-10: CaO tussen 0,30 – 0,60"));
        QVERIFY(!model.index(sio2, c).data(Qt::ForegroundRole).isValid());
        QVERIFY(model.index(sio2, c).data(Qt::ToolTipRole).toString().isEmpty());
    }
    // An oxide the glaze lacks marks nothing.
    model.markOutside("bao", QBrush(Qt::red), QStringLiteral("BaO"));
    QCOMPARE(changed.count(), 1);

    // New figures come unmarked; none leave an empty grid.
    model.setFigures(figures);
    QVERIFY(!model.index(cao, 0).data(Qt::ForegroundRole).isValid());
    model.setFigures(ChemistryFigures{});
    QCOMPARE(model.rowCount(), 0);
}

void ItemModelsTest::resultLinesModelShowsNamesAndAmounts() {
    ResultLinesModel model({"Grondstof", "Oud %", "Nieuw %"}, "##0.00");
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), 3);
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Nieuw %"));
    QVERIFY(!model.headerData(3, Qt::Horizontal).isValid());

    // A material that goes (no new amount) and one that comes (no old one).
    model.setLines({{"Kaliveldspaat", {35.0, std::nullopt}},
                    {"Kwarts", {25.0, 27.125}},
                    {"Natronveldspaat", {std::nullopt, 33.5}}});
    QCOMPARE(column(model, 0), QStringList({"Kaliveldspaat", "Kwarts", "Natronveldspaat"}));
    const auto shown = [](double v) { return QString::fromStdString(numfmt::formatPattern(v, "##0.00")); };
    QCOMPARE(column(model, 1), QStringList({shown(35), shown(25), QString()}));
    QCOMPARE(column(model, 2), QStringList({QString(), shown(27.125), shown(33.5)}));
    QCOMPARE(alignment(model.index(1, 1)), kRight);
    QVERIFY(!(alignment(model.index(1, 0)) & Qt::AlignRight));
    QVERIFY(!(model.flags(model.index(1, 1)) & Qt::ItemIsEditable));

    // A line with fewer amounts than columns leaves the rest empty.
    model.setLines({{"Talk", {1.0}}});
    QCOMPARE(model.index(0, 2).data().toString(), QString());
    model.setLines({});
    QCOMPARE(model.rowCount(), 0);
}

void ItemModelsTest::materialChoiceModelTicksAndFilters() {
    MaterialChoiceModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    // Each name once, blank names left out, the picked one ticked.
    model.setNames({"Kaliveldspaat", " ", "Kwarts", "Kaliveldspaat", "", "Natronveldspaat"}, {"Kwarts"});
    QCOMPARE(column(model, 0), QStringList({"Kaliveldspaat", "Kwarts", "Natronveldspaat"}));
    QCOMPARE(model.picked(), std::vector<std::string>({"Kwarts"}));
    QCOMPARE(model.index(1, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QCOMPARE(model.index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    QVERIFY(model.flags(model.index(0, 0)) & Qt::ItemIsUserCheckable);
    QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));

    // A tick by the user is told once; ticking it again tells nothing.
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(model.setData(model.index(2, 0), Qt::Checked, Qt::CheckStateRole));
    QVERIFY(model.setData(model.index(2, 0), Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(model.picked(), std::vector<std::string>({"Kwarts", "Natronveldspaat"}));
    QVERIFY(!model.setData(model.index(2, 0), QStringLiteral("Talk"), Qt::EditRole));
    QCOMPARE(model.index(2, 0).data().toString(), QStringLiteral("Natronveldspaat"));

    // Picking by name ticks exactly those; a name not listed is ignored.
    model.setPicked({"Kaliveldspaat", "Zinkoxide"});
    QCOMPARE(model.picked(), std::vector<std::string>({"Kaliveldspaat"}));
    QCOMPARE(changed.count(), 4); // one ticked, two unticked

    // The search matches part of a name in any case; an empty search matches all.
    QVERIFY(model.matches(0, QStringLiteral("VELDSP")));
    QVERIFY(!model.matches(1, QStringLiteral("veldsp")));
    QVERIFY(model.matches(1, QString()));
    QVERIFY(!model.matches(3, QString()));

    // New names keep the ticks asked for and no others.
    model.setNames({"Kwarts", "Talk"}, model.picked());
    QCOMPARE(model.picked(), std::vector<std::string>());
}

void ItemModelsTest::targetFormulaModelKeepsWhatIsTyped() {
    TargetFormulaModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const int ratio = TargetFormulaModel::ratioRow;
    QCOMPARE(model.rowCount(), OxideCatalogue::count + 1);
    QCOMPARE(model.columnCount(), 5);
    QCOMPARE(model.headerData(TargetFormulaModel::TargetColumn, Qt::Horizontal).toString(),
             QStringLiteral("Doel"));
    // One row per oxide in catalogue order, then the ratio.
    const std::string_view first = OxideCatalogue::at(1).label;
    QCOMPARE(model.index(0, 0).data().toString(), QString::fromUtf8(first.data(), qsizetype(first.size())));
    QCOMPARE(model.index(ratio, 0).data().toString(), QStringLiteral("SiO2:Al2O3"));

    // What the user may type into: amounts and ranges of the oxides, only a range for the ratio.
    const auto editable = [&](int row, int column) {
        return bool(model.flags(model.index(row, column)) & Qt::ItemIsEditable);
    };
    QVERIFY(!editable(0, TargetFormulaModel::OxideColumn));
    for (int c = TargetFormulaModel::TargetColumn; c <= TargetFormulaModel::MaxColumn; ++c)
        QVERIFY(editable(0, c));
    QVERIFY(!editable(ratio, TargetFormulaModel::TargetColumn));
    QVERIFY(!editable(ratio, TargetFormulaModel::WeightColumn));
    QVERIFY(editable(ratio, TargetFormulaModel::MinColumn));

    // Typed text is kept as typed and told once; a refused cell stays empty.
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(model.setData(model.index(2, TargetFormulaModel::TargetColumn), QStringLiteral("0,3")));
    QVERIFY(model.setData(model.index(2, TargetFormulaModel::TargetColumn), QStringLiteral("0,3")));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(model.text(2, TargetFormulaModel::TargetColumn), QStringLiteral("0,3"));
    QCOMPARE(model.index(2, TargetFormulaModel::TargetColumn).data(Qt::EditRole).toString(),
             QStringLiteral("0,3"));
    QVERIFY(!model.setData(model.index(ratio, TargetFormulaModel::TargetColumn), QStringLiteral("4")));
    QVERIFY(!model.setData(model.index(0, TargetFormulaModel::OxideColumn), QStringLiteral("Talk")));
    QCOMPARE(model.text(ratio, TargetFormulaModel::TargetColumn), QString());

    // Clearing the ranges leaves the target amounts.
    model.setText(ratio, TargetFormulaModel::MinColumn, QStringLiteral("5"));
    model.setText(2, TargetFormulaModel::MaxColumn, QStringLiteral("0.5"));
    model.clearRanges();
    QCOMPARE(model.text(ratio, TargetFormulaModel::MinColumn), QString());
    QCOMPARE(model.text(2, TargetFormulaModel::MaxColumn), QString());
    QCOMPARE(model.text(2, TargetFormulaModel::TargetColumn), QStringLiteral("0,3"));
}

QTEST_MAIN(ItemModelsTest)
#include "tst_ItemModels.moc"
