// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "glaze/Captions.h"
#include <QPointF>
#include <QString>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

class QChart;
class QChartView;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineSeries;
class QPushButton;
class QScatterSeries;
class QValueAxis;

namespace kelvora {

class View;
class ViewFollower;

// The window "Stull-diagram": every calculated glaze of the table as a point
// of its Seger SiO2 against its Al2O3, over the surface regions of Stull's
// chart as its data file gives them. The potters' SiO2:Al2O3 rule of thumb
// can be shown as separate guide lines. The current glaze stands out;
// hovering a point names it with its Stull region; clicking it emits
// glazeChosen so that the editor can make that glaze current. It follows the
// glazes view: a calculation or another current glaze shows.
class TStullChartForm : public QWidget {
    Q_OBJECT
public:
    struct Point {
        QString name;
        QString category;
        double sio2 = 0;
        double al2o3 = 0;
    };

    // Without a data folder it reads the program's own chemistry data (beside
    // the program, or in the share folder of an installed one).
    explicit TStullChartForm(View& glazes, QWidget* parent = nullptr, const std::string& dataFolder = {});
    ~TStullChartForm() override;

    // Reads the chart and the guide again from another chemistry data folder.
    void setChemistryDataFolder(const std::string& dataFolder);
    // Reads the glazes again (names, categories, formulas, which is current).
    void refresh();
    // The glazes drawn now (after the category filter), in table order.
    const std::vector<Point>& shownPoints() const { return shown_; }
    QString currentName() const { return current_; }
    // The glaze drawn at (or nearest to within a small distance of) a point
    // in chart values; empty when none.
    QString nameAt(const QPointF& value) const;
    // The cells of a blend as one more series ("Mengreeks <name>"), each
    // named on hover; an empty list takes the series away.
    void showBlend(const QString& name, const std::vector<Point>& cells);
    const std::vector<Point>& blendPoints() const { return blend_; }
    // The chart as a picture or a page, every glaze point labelled with its
    // name (names on hover are no help on paper); the page is headed with
    // the current glaze, its cones and the date.
    bool exportPng(const QString& path);
    bool exportPdf(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

signals:
    void glazeChosen(const QString& name);

private:
    void buildChart();
    void fillSeries();
    void pointHovered(const QPointF& point, bool state);
    void pointClicked(const QPointF& point);

    const View& glazes_;
    std::string dataFolder_;
    std::vector<Point> all_;
    std::vector<Point> shown_;
    QString current_;
    QString currentCones_;
    double maxSio2_ = 7.2;
    double maxAl2o3_ = 1.0;
    QChart* chart_ = nullptr;
    QValueAxis* xAxis_ = nullptr;
    QValueAxis* yAxis_ = nullptr;
    QChartView* chartView_ = nullptr;
    QComboBox* categorieCB_ = nullptr;
    QCheckBox* guideCB_ = nullptr;
    QPushButton* pngButton_ = nullptr;
    QPushButton* pdfButton_ = nullptr;
    QLabel* sourceLbl_ = nullptr;
    QScatterSeries* glazeSeries_ = nullptr;
    QScatterSeries* currentSeries_ = nullptr;
    QScatterSeries* blendSeries_ = nullptr;
    std::vector<Point> blend_;
    QString blendName_;
    std::vector<QLineSeries*> guideLines_;
    struct Data;
    std::unique_ptr<Data> data_;
    std::unique_ptr<ViewFollower> follower_;
    Captions captions_{staticMetaObject.className()};
};

} // namespace kelvora
