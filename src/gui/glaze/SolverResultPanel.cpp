// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/SolverResultPanel.h"

#include <QEvent>

#include "common/NumberFormat.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace kelvora {

namespace {
QString number(double value, const char* format) {
    return QString::fromStdString(numfmt::formatPattern(value, format));
}
} // namespace

SolverResultPanel::SolverResultPanel(const QString& title, const QStringList& recipeHeadings,
                                     const QStringList& formulaHeadings, const QString& formulaTableName,
                                     QWidget* parent)
    : QGroupBox(title, parent) {
    recipe_ = new ResultLinesModel(recipeHeadings, "##0.00", this);
    formula_ = new ResultLinesModel(formulaHeadings, "#0.###", this);
    MeldingLabel = new QLabel(this);
    MeldingLabel->setObjectName(QStringLiteral("MeldingLabel"));
    MeldingLabel->setWordWrap(true);
    MeldingLabel->setStyleSheet(QStringLiteral("color: #a00000;"));
    AfwijkingLabel = new QLabel(this);
    AfwijkingLabel->setObjectName(QStringLiteral("AfwijkingLabel"));
    PrijsLabel = new QLabel(this);
    PrijsLabel->setObjectName(QStringLiteral("PrijsLabel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table(QStringLiteral("ReceptTabel"), recipe_), 2);
    layout->addWidget(table(formulaTableName, formula_), 3);
    layout->addWidget(AfwijkingLabel);
    layout->addWidget(PrijsLabel);
    layout->addWidget(MeldingLabel);
}

QTableView* SolverResultPanel::table(const QString& name, ResultLinesModel* model) {
    auto* t = new QTableView(this);
    t->setObjectName(name);
    t->setModel(model);
    t->verticalHeader()->hide();
    // Names, headings and numbers whole at any font size: every column as
    // wide as what it shows; the table scrolls sideways when the panel is
    // narrower.
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setStretchLastSection(false);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return t;
}

void SolverResultPanel::showRecipe(std::vector<ResultLinesModel::Line> lines) {
    recipe_->setLines(std::move(lines));
}

void SolverResultPanel::showFormula(std::vector<ResultLinesModel::Line> lines) {
    formula_->setLines(std::move(lines));
}

void SolverResultPanel::showFigures(std::optional<double> deviation, std::optional<double> price,
                                    std::optional<double> priceBefore) {
    deviation_ = deviation;
    price_ = price;
    priceBefore_ = priceBefore;
    showFigures();
}

void SolverResultPanel::showFigures() {
    AfwijkingLabel->setText(tr("Afwijking: %1").arg(deviation_ ? number(*deviation_, "#0.0###") : QString()));
    QString cost = price_ ? number(*price_, "##0.00") : QString();
    if (price_ && priceBefore_) cost = tr("%1 (was %2)").arg(cost, number(*priceBefore_, "##0.00"));
    PrijsLabel->setText(tr("Kostprijs / KG: %1").arg(cost));
}

void SolverResultPanel::setHeadings(const QString& title, const QStringList& recipeHeadings,
                                    const QStringList& formulaHeadings) {
    setTitle(title);
    recipe_->setHeadings(recipeHeadings);
    formula_->setHeadings(formulaHeadings);
}

void SolverResultPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && !AfwijkingLabel->text().isEmpty()) showFigures();
    QGroupBox::changeEvent(event);
}

void SolverResultPanel::showMessage(const QString& message) {
    MeldingLabel->setText(message);
}

} // namespace kelvora
