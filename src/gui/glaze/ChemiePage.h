// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "glaze/Captions.h"
#include "glaze/ChemistryFigures.h"
#include "glaze/FiringFit.h"
#include "glaze/LimitSets.h"
#include "glaze/RatioGuide.h"
#include "glaze/StullChart.h"

#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace kelvora {

class OxideFiguresModel;
class View;
class ViewFollower;

// The glaze editor's page "Chemie": the current glaze's Seger formula with
// weight % and mol % beside it, the ratios, the loss on ignition, a linear
// expansion coefficient from a chosen set of published factors, and the
// check against the limit set of the glaze's firing range; where Stull's chart
// and the SiO2:Al2O3 rule of thumb place it; which cone ranges' limits it fits
// best, with a note when the firing estimate disagrees with its cones.
// It reads the chemistry data files from `dataFolder` and follows the glazes
// view: every figure comes from the recipe as it stands on screen, calculated
// afresh, and a line says so while that recipe is not yet stored with its
// results. Tests find its controls by object name.
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
    const FiringFit& firingFit() const { return firing_; }
    // The text of the line over the figures; empty while they are the stored ones.
    QString previewNote() const;

signals:
    // "Stull-diagram..." was pressed; the editor opens the chart.
    void stullChartRequested();
    // "Mengreeks...": a blend starting from the current glaze.
    void blendRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    void markOutside();
    void showPlace(const Glaze& glaze);
    QLabel* previewLbl_ = nullptr;
    OxideFiguresModel* oxideModel_ = nullptr;
    QTableView* oxideGrid_ = nullptr;
    QLabel* siAlLbl_ = nullptr;
    QLabel* r2oRoLbl_ = nullptr;
    QLabel* loiLbl_ = nullptr;
    QComboBox* expansionSetCB_ = nullptr;
    QLabel* expansionLbl_ = nullptr;
    QLabel* limitsLbl_ = nullptr;
    QLabel* outsideLbl_ = nullptr;
    QLabel* stullLbl_ = nullptr;
    QLabel* fitLbl_ = nullptr;
    QPushButton* stullButton_ = nullptr;
    QPushButton* blendButton_ = nullptr;
    View& glazes_;
    const View& materials_;
    std::optional<MolarMassTable> masses_;
    std::vector<ExpansionFactorSet> expansionSets_;
    LimitSets limitSets_;
    std::optional<StullChart> stullChart_;
    std::optional<RatioGuide> ratioGuide_;
    std::string placeError_;
    std::string dataError_;
    ChemistryFigures figures_;
    LimitSets::Fit fit_;
    FiringFit firing_;
    std::unique_ptr<ViewFollower> follower_;
    Captions captions_{staticMetaObject.className()};
};

} // namespace kelvora
