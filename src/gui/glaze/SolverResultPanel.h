// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "glaze/ResultLinesModel.h"

#include <QGroupBox>

#include <optional>
#include <vector>

class QLabel;
class QTableView;

namespace kelvora {

// What a solver dialog found, as both solver dialogs show it: the recipe
// ("ReceptTabel"), the formula it gives, the deviation from what was asked,
// the cost price and the solver's message when it found nothing.
class SolverResultPanel : public QGroupBox {
    Q_OBJECT
public:
    // The headings of the recipe and the formula tables (name first, then
    // the amounts) and the formula table's object name.
    SolverResultPanel(const QString& title, const QStringList& recipeHeadings,
                      const QStringList& formulaHeadings, const QString& formulaTableName,
                      QWidget* parent = nullptr);

    void showRecipe(std::vector<ResultLinesModel::Line> lines);
    void showFormula(std::vector<ResultLinesModel::Line> lines);
    // "Afwijking: ..." and "Kostprijs / KG: ..." of a solved recipe, with
    // " (was ...)" when the price it replaces is given; nothing after the
    // colons when nothing was solved.
    void showFigures(std::optional<double> deviation, std::optional<double> price,
                     std::optional<double> priceBefore = std::nullopt);
    void showMessage(const QString& message);
    // The title and the tables' headings again, in the language now chosen.
    void setHeadings(const QString& title, const QStringList& recipeHeadings,
                     const QStringList& formulaHeadings);

protected:
    void changeEvent(QEvent* event) override;

private:
    void showFigures();
    QTableView* table(const QString& name, ResultLinesModel* model);

    ResultLinesModel* recipe_ = nullptr;
    ResultLinesModel* formula_ = nullptr;
    QLabel* AfwijkingLabel = nullptr;
    QLabel* PrijsLabel = nullptr;
    QLabel* MeldingLabel = nullptr;
    std::optional<double> deviation_;
    std::optional<double> price_;
    std::optional<double> priceBefore_;
};

} // namespace kelvora
