// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "glaze/ChemistryFigures.h"
#include "glaze/LimitSets.h"

#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace kelvora {

class View;
class ViewFollower;

// The glaze editor's page "Chemie": the current glaze's Seger formula with
// weight % and mol % beside it, the ratios, the loss on ignition, a linear
// expansion coefficient from a chosen set of published factors, and the
// check against the limit set of the glaze's firing range. It reads the
// chemistry data files from `dataFolder` and follows the glazes view.
class ChemiePage : public QWidget {
    Q_OBJECT
public:
    ChemiePage(View& glazes, const View& materials, const std::string& dataFolder, QWidget* parent = nullptr);
    ~ChemiePage() override;

    void refresh();
    // The figures and the limit check as now shown.
    const ChemistryFigures& figures() const { return figures_; }
    const std::vector<LimitSets::Violation>& violations() const { return fit_.outside; }
    std::string limitSetName() const { return fit_.set ? fit_.set->name : std::string(); }

    QTableWidget* OxideGrid = nullptr;
    QLabel* SiAlLbl = nullptr;
    QLabel* R2oRoLbl = nullptr;
    QLabel* LoiLbl = nullptr;
    QComboBox* ExpansionSetCB = nullptr;
    QLabel* ExpansionLbl = nullptr;
    QLabel* LimitsLbl = nullptr;
    QLabel* OutsideLbl = nullptr;
    QPushButton* StullButton = nullptr;

signals:
    // "Stull-diagram..." was pressed; the editor opens the chart.
    void stullChartRequested();

private:
    void markOutside();
    View& glazes_;
    const View& materials_;
    std::optional<MolarMassTable> masses_;
    std::vector<ExpansionFactorSet> expansionSets_;
    LimitSets limitSets_;
    std::string dataError_;
    ChemistryFigures figures_;
    LimitSets::Fit fit_;
    std::unique_ptr<ViewFollower> follower_;
};

} // namespace kelvora
