// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPointF>
#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

class QChart;
class QChartView;
class QComboBox;
class QPushButton;
class QScatterSeries;

namespace kelvora {

class View;
class ViewFollower;

// The window "Stull-diagram": every calculated glaze of the table as a point
// of its Seger SiO2 against its Al2O3, over the surface regions of Stull's
// chart. The current glaze stands out; hovering a point names it; clicking it
// emits glazeChosen so that the editor can make that glaze current. It
// follows the glazes view: a calculation or another current glaze shows.
class TStullChartForm : public QWidget {
    Q_OBJECT
public:
    struct Point {
        QString name;
        QString category;
        double sio2 = 0;
        double al2o3 = 0;
    };

    explicit TStullChartForm(View& glazes, QWidget* parent = nullptr);
    ~TStullChartForm() override;

    // Reads the glazes again (names, categories, formulas, which is current).
    void refresh();
    // The glazes drawn now (after the category filter), in table order.
    const std::vector<Point>& shownPoints() const { return shown_; }
    QString currentName() const { return current_; }
    // The glaze drawn at (or nearest to within a small distance of) a point
    // in chart values; empty when none.
    QString nameAt(const QPointF& value) const;
    bool exportPng(const QString& path);
    bool exportPdf(const QString& path);

    QChartView* ChartView = nullptr;
    QComboBox* CategorieCB = nullptr;
    QPushButton* PngButton = nullptr;
    QPushButton* PdfButton = nullptr;

signals:
    void glazeChosen(const QString& name);

private:
    void addRegions();
    void fillSeries();
    void pointHovered(const QPointF& point, bool state);
    void pointClicked(const QPointF& point);

    const View& glazes_;
    std::vector<Point> all_;
    std::vector<Point> shown_;
    QString current_;
    QChart* chart_ = nullptr;
    QScatterSeries* glazeSeries_ = nullptr;
    QScatterSeries* currentSeries_ = nullptr;
    std::unique_ptr<ViewFollower> follower_;
};

} // namespace kelvora
