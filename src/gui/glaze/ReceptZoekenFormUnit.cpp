// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/ReceptZoekenFormUnit.h"

#include <QEvent>

#include "common/NumberFormat.h"
#include "common/Prompter.h"
#include "engine/GlzDMUnit.h"
#include "glaze/MaterialChoiceModel.h"
#include "glaze/ProposedNameEdit.h"
#include "glaze/SolverResultPanel.h"
#include "solver/LinearProgram.h"
#include "solver/NewGlazeWriter.h"
#include "solver/SolverError.h"
#include "solver/SolverInput.h"
#include "store/View.h"
#include "widgets/ErrorBox.h"
#include "widgets/ScreenFit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <optional>

namespace kelvora {

namespace {
QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// A number typed in a cell, with the locale's separator or a point; blank
// gives nothing, anything else that is no number throws.
std::optional<double> cellNumber(const TargetFormulaModel& table, int row, int column) {
    const QString typed = table.text(row, column);
    const std::string text = typed.trimmed().toStdString();
    if (text.empty()) return std::nullopt;
    const auto value = SolverInput::number(text);
    if (!value) throw SolverError(TReceptZoekenForm::tr("Geen getal: %1").arg(typed).toStdString());
    return value;
}

// Hands every keystroke in a cell to the table, so that the result follows
// the typing instead of waiting for the cell to be left.
class LiveCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            auto* self = const_cast<LiveCellDelegate*>(this);
            connect(line, &QLineEdit::textEdited, self, [self, line] { Q_EMIT self->commitData(line); });
        }
        return editor;
    }
};

std::string ratioStem() {
    return "sio2:al2o3";
}
} // namespace

TReceptZoekenForm::TReceptZoekenForm(TGlzDM& dm, Prompter& prompter, QWidget* parent)
    : QDialog(parent), dm_(dm), prompter_(prompter) {
    setObjectName(QStringLiteral("ReceptZoekenForm"));
    captions_.windowTitle(this, QT_TR_NOOP("Recept zoeken"));

    // Left: the materials to choose from.
    auto* materialsBox = new QGroupBox(this);
    captions_.title(materialsBox, QT_TR_NOOP("Grondstoffen"));
    auto* materialsLayout = new QVBoxLayout(materialsBox);
    ZoekEdit = new QLineEdit(materialsBox);
    ZoekEdit->setObjectName(QStringLiteral("ZoekEdit"));
    captions_.placeholder(ZoekEdit, QT_TR_NOOP("Zoeken..."));
    ZoekEdit->setClearButtonEnabled(true);
    materials_ = new MaterialChoiceModel(this);
    MateriaalLijst = new QListView(materialsBox);
    MateriaalLijst->setObjectName(QStringLiteral("MateriaalLijst"));
    MateriaalLijst->setModel(materials_);
    materialsLayout->addWidget(ZoekEdit);
    materialsLayout->addWidget(MateriaalLijst);

    // Middle: what to look for, with the target and the ranges per oxide.
    auto* goalBox = new QGroupBox(this);
    captions_.title(goalBox, QT_TR_NOOP("Doel"));
    auto* goalLayout = new QVBoxLayout(goalBox);
    DoelCB = new QComboBox(goalBox);
    DoelCB->setObjectName(QStringLiteral("DoelCB"));
    const char* goals[] = {QT_TR_NOOP("Formule benaderen"), QT_TR_NOOP("Goedkoopste binnen de bereiken"),
                           QT_TR_NOOP("Meeste van een oxide binnen de bereiken"),
                           QT_TR_NOOP("Minste van een oxide binnen de bereiken")};
    for (int i = 0; i < 4; ++i) {
        DoelCB->addItem(QString());
        captions_.keep(goals[i], [this, i](const QString& t) { DoelCB->setItemText(i, t); });
    }
    OxideCB = new QComboBox(goalBox);
    OxideCB->setObjectName(QStringLiteral("OxideCB"));
    for (const auto& oxide : OxideCatalogue::all())
        OxideCB->addItem(QString::fromUtf8(oxide.label.data(), static_cast<int>(oxide.label.size())),
                         QString::fromUtf8(oxide.stem.data(), static_cast<int>(oxide.stem.size())));
    OxideCB->setCurrentIndex(OxideCatalogue::byStem("sio2")->position - 1);
    auto* goalRow = new QHBoxLayout;
    goalRow->addWidget(DoelCB, 1);
    goalRow->addWidget(OxideCB);
    goalLayout->addLayout(goalRow);
    target_ = new TargetFormulaModel(this);
    FormuleTabel = new QTableView(goalBox);
    FormuleTabel->setObjectName(QStringLiteral("FormuleTabel"));
    FormuleTabel->setModel(target_);
    FormuleTabel->verticalHeader()->hide();
    FormuleTabel->setItemDelegate(new LiveCellDelegate(FormuleTabel));
    // Every column as wide as its heading and the numbers in it, at any font
    // size; an empty column keeps room for a number to be typed.
    FormuleTabel->verticalHeader()->setDefaultSectionSize(FormuleTabel->fontMetrics().height() + 6);
    FormuleTabel->horizontalHeader()->setMinimumSectionSize(
        FormuleTabel->fontMetrics().horizontalAdvance(QStringLiteral("00,000")) + 12);
    FormuleTabel->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    goalLayout->addWidget(FormuleTabel);

    // Right: the recipe found and the formula it gives.
    resultPanel_ = new SolverResultPanel(tr("Uitkomst"), {tr("Grondstof"), tr("Percentage")},
                                         {tr("Oxide"), tr("Formule")}, QStringLiteral("UitkomstTabel"), this);

    // The three columns scroll when the screen is too small for them (a large
    // font on a small screen); the name and the buttons stay in sight.
    auto* inputs = new QWidget;
    auto* columns = new QHBoxLayout(inputs);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->addWidget(materialsBox, 3);
    columns->addWidget(goalBox, 5);
    columns->addWidget(resultPanel_, 4);
    QScrollArea* scroll = ui::scrolling(inputs, this);
    scroll->setObjectName(QStringLiteral("InvoerScroll"));

    NaamEdit = new ProposedNameEdit(this);
    NaamEdit->setObjectName(QStringLiteral("NaamEdit"));
    NieuwButton = captions_.text(new QPushButton(this), QT_TR_NOOP("Nieuw glazuur"));
    NieuwButton->setObjectName(QStringLiteral("NieuwButton"));
    SluitenButton = captions_.text(new QPushButton(this), QT_TR_NOOP("Sluiten"));
    SluitenButton->setObjectName(QStringLiteral("SluitenButton"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(captions_.text(new QLabel(this), QT_TR_NOOP("Naam nieuw glazuur:")));
    bottom->addWidget(NaamEdit, 1);
    bottom->addWidget(NieuwButton);
    bottom->addWidget(SluitenButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addLayout(bottom);
    resize(980, 680);

    // One solve per burst of edits: typing a number fires for every key.
    solveTimer_ = new QTimer(this);
    solveTimer_->setSingleShot(true);
    solveTimer_->setInterval(0);
    connect(solveTimer_, &QTimer::timeout, this, ui::guarded(this, [this] { solve(); }));
    connect(ZoekEdit, &QLineEdit::textChanged, this, [this](const QString& text) { filterMaterials(text); });
    connect(materials_, &QAbstractItemModel::dataChanged, this, [this] { scheduleSolve(); });
    connect(target_, &QAbstractItemModel::dataChanged, this, [this] { scheduleSolve(); });
    connect(DoelCB, &QComboBox::currentIndexChanged, this, [this] { scheduleSolve(); });
    connect(OxideCB, &QComboBox::currentIndexChanged, this, [this] { scheduleSolve(); });
    connect(NieuwButton, &QPushButton::clicked, this, ui::guarded(this, [this] { storeGlaze(); }));
    connect(SluitenButton, &QPushButton::clicked, this, &QDialog::accept);

    reloadMaterials();
    ui::guard(this, [this] { solve(); });
    retranslate();
}

void TReceptZoekenForm::retranslate() {
    captions_.apply();
    resultPanel_->setHeadings(tr("Uitkomst"), {tr("Grondstof"), tr("Percentage")},
                              {tr("Oxide"), tr("Formule")});
    Captions::headingsChanged(target_);
}

void TReceptZoekenForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        scheduleSolve();
    }
    QDialog::changeEvent(event);
}

void TReceptZoekenForm::reloadMaterials() {
    const auto picked = pickedMaterials();
    filling_ = true;
    std::vector<std::string> names;
    for (const Material& material : dm_.book().materials())
        names.push_back(material.naam);
    materials_->setNames(names, picked);
    filling_ = false;
    filterMaterials(ZoekEdit->text());
    scheduleSolve();
}

void TReceptZoekenForm::filterMaterials(const QString& text) {
    for (int row = 0; row < materials_->rowCount(); ++row)
        MateriaalLijst->setRowHidden(row, !materials_->matches(row, text));
}

std::vector<std::string> TReceptZoekenForm::pickedMaterials() const {
    return materials_->picked();
}

void TReceptZoekenForm::setMaterials(const std::vector<std::string>& names) {
    filling_ = true;
    materials_->setPicked(names);
    filling_ = false;
    scheduleSolve();
}

void TReceptZoekenForm::setTargetFromGlaze(const Glaze& glaze) {
    filling_ = true;
    for (const auto& oxide : OxideCatalogue::all()) {
        const double value = glaze.oxide(oxide.stem);
        // Four decimals, as a potter would type a target; the stored formula
        // has more digits than a target needs.
        target_->setText(oxide.position - 1, DoelColumn,
                         value == 0.0 ? QString() : qs(numfmt::formatPattern(value, "#0.####")));
    }
    std::vector<std::string> names;
    for (const auto& slot : glaze.recipe.recipeSlots)
        if (!Recipe::isBlank(slot.name)) names.push_back(slot.name);
    DoelCB->setCurrentIndex(FormulaGoal);
    filling_ = false;
    setMaterials(names);
    NaamEdit->propose(glaze.naam + tr(" nagebouwd").toStdString(), dm_.book().glazeNames());
}

void TReceptZoekenForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ui::fitToScreen(this);
}

void TReceptZoekenForm::setRanges(const std::vector<OxideRange>& ranges) {
    filling_ = true;
    target_->clearRanges();
    for (const auto& range : ranges) {
        int row = -1;
        if (range.stem == ratioStem())
            row = ratioRow;
        else if (const Oxide* oxide = OxideCatalogue::byStem(range.stem))
            row = oxide->position - 1;
        if (row < 0) continue;
        target_->setText(row, MinColumn, qs(numfmt::floatText(range.low)));
        if (std::isfinite(range.high)) target_->setText(row, MaxColumn, qs(numfmt::floatText(range.high)));
    }
    if (DoelCB->currentIndex() == FormulaGoal) DoelCB->setCurrentIndex(CheapestGoal);
    filling_ = false;
    scheduleSolve();
}

void TReceptZoekenForm::scheduleSolve() {
    if (!filling_) solveTimer_->start();
}

void TReceptZoekenForm::solve() {
    const int goal = DoelCB->currentIndex();
    OxideCB->setEnabled(goal == MostGoal || goal == LeastGoal);
    try {
        const auto materials = SolverMaterial::lookup(dm_.materialLookup(), pickedMaterials());
        if (goal == FormulaGoal) {
            OxideValues target{}, weights{};
            for (std::size_t k = 0; k < target.size(); ++k) {
                const int row = static_cast<int>(k);
                target[k] = cellNumber(*target_, row, DoelColumn).value_or(0.0);
                weights[k] = cellNumber(*target_, row, GewichtColumn).value_or(1.0);
            }
            result_ = RecipeSolver::matchFormula(materials, target, weights);
        } else {
            std::vector<OxideRange> ranges;
            for (int row = 0; row <= ratioRow; ++row) {
                const auto low = cellNumber(*target_, row, MinColumn);
                const auto high = cellNumber(*target_, row, MaxColumn);
                if (!low && !high) continue;
                ranges.push_back(
                    {row == ratioRow ? ratioStem() : std::string(OxideCatalogue::at(row + 1).stem),
                     low.value_or(0.0), high.value_or(LinearProgram::infinity)});
            }
            SolverObjective objective;
            if (goal == MostGoal)
                objective = {SolverObjective::Kind::MaximiseOxide,
                             OxideCB->currentData().toString().toStdString()};
            if (goal == LeastGoal)
                objective = {SolverObjective::Kind::MinimiseOxide,
                             OxideCB->currentData().toString().toStdString()};
            result_ = RecipeSolver::withinRanges(materials, ranges, objective);
        }
    } catch (const SolverError& e) {
        result_ = RecipeResult{};
        result_.message = e.what();
    }
    showResult();
}

void TReceptZoekenForm::showResult() {
    const bool solved = result_.solved;
    resultPanel_->showMessage(solved ? QString() : qs(result_.message));
    NieuwButton->setEnabled(solved);
    std::vector<ResultLinesModel::Line> recipe;
    std::vector<ResultLinesModel::Line> formula;
    if (solved) {
        for (std::size_t i = 0; i < result_.names.size(); ++i)
            recipe.push_back({result_.names[i], {result_.percentages[i]}});
        for (const auto& oxide : OxideCatalogue::all()) {
            const double value = result_.formula[static_cast<std::size_t>(oxide.position - 1)];
            if (value != 0.0) formula.push_back({std::string(oxide.label), {value}});
        }
    }
    resultPanel_->showRecipe(std::move(recipe));
    resultPanel_->showFormula(std::move(formula));
    resultPanel_->showFigures(solved ? std::optional(result_.deviation) : std::nullopt,
                              solved ? std::optional(result_.price) : std::nullopt);
}

void TReceptZoekenForm::storeGlaze() {
    // The inputs may have changed since the last solve was shown.
    if (solveTimer_->isActive()) {
        solveTimer_->stop();
        solve();
    }
    if (!result_.solved) return;
    // The new glaze keeps the cones, category and atmosphere of the glaze
    // the search was opened from.
    NewGlaze glaze = NewGlaze::fromResult({}, result_);
    NaamEdit->describe(glaze);
    if (dm_.GlzCDS.active() && dm_.GlzCDS.recNo() >= 0) glaze.inheritFrom(dm_.currentGlaze());
    NewGlazeWriter::store(dm_, glaze);
    const QString name = qs(glaze.name);
    prompter_.information(tr("Het nieuwe glazuur %1 is opgeslagen en berekend.").arg(name).toStdString());
    Q_EMIT glazeStored(name);
}

} // namespace kelvora
