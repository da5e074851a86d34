// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/StullChartFormUnit.h"

#include "glaze/ViewFollower.h"
#include "store/View.h"
#include "widgets/ErrorBox.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QScatterSeries>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <set>

namespace kelvora {

namespace {

// Surface regions of R. T. Stull, "Influences of variable silica and alumina
// on porcelain glazes of constant RO", Transactions of the American Ceramic
// Society 14 (1912), pp. 62-70: glazes of one flux (0.3 K2O, 0.7 CaO) fired to
// about SK 11, SiO2 and Al2O3 in mol per mol of flux. The boundaries here are
// straight segments that follow his diagram approximately; they show where a
// glaze tends to stand, not sharp edges, and they move with other fluxes,
// with boron and at other cones (the window's footnote says so).
struct Region {
    const char* name;
    QColor colour;
    std::vector<QPointF> outline; // a closed polygon, SiO2 then Al2O3
};

const std::vector<Region>& regions() {
    static const std::vector<Region> list{
        {"Mat",
         QColor(0xb4, 0xa0, 0x7a, 110),
         {{0.5, 0.1}, {0.8, 0.1}, {2.4, 0.4}, {3.6, 0.65}, {4.2, 1.0}, {0.5, 1.0}}},
        {"Halfmat",
         QColor(0xe0, 0xc8, 0x70, 110),
         {{0.8, 0.1}, {1.6, 0.1}, {3.2, 0.4}, {4.6, 0.65}, {4.9, 0.72}, {4.2, 1.0}, {3.6, 0.65}, {2.4, 0.4}}},
        {"Glans",
         QColor(0x7a, 0xb8, 0xd8, 110),
         {{1.1, 0.0},
          {1.6, 0.1},
          {3.2, 0.4},
          {4.6, 0.65},
          {4.9, 0.72},
          {6.0, 0.55},
          {7.2, 0.45},
          {7.2, 0.0}}},
        {"Onderstookt",
         QColor(0x9a, 0x9a, 0x9a, 110),
         {{4.2, 1.0}, {4.9, 0.72}, {6.0, 0.55}, {7.2, 0.45}, {7.2, 1.0}}},
        // Too little silica for the flux: glossy, but the glaze tends to craze.
        {"Craquelé-gevoelig",
         QColor(0xd0, 0x50, 0x50, 90),
         {{1.1, 0.0}, {2.5, 0.0}, {2.5, 0.28}, {1.9, 0.28}, {1.6, 0.1}}},
    };
    return list;
}

constexpr double kMaxSio2 = 7.2;
constexpr double kMaxAl2o3 = 1.0;
const QString kAllCategories = QStringLiteral("(alle categorieën)");

} // namespace

TStullChartForm::TStullChartForm(View& glazes, QWidget* parent)
    : QWidget(parent, Qt::Window), glazes_(glazes) {
    setObjectName(QStringLiteral("StullChartForm"));
    setWindowTitle(QStringLiteral("Stull-diagram"));

    chart_ = new QChart;
    chart_->setTitle(QStringLiteral("Seger SiO2 tegen Al2O3 (Stull, 1912)"));
    chart_->legend()->setAlignment(Qt::AlignBottom);
    ChartView = new QChartView(chart_, this);
    ChartView->setObjectName(QStringLiteral("ChartView"));
    ChartView->setRenderHint(QPainter::Antialiasing);

    auto* xAxis = new QValueAxis;
    xAxis->setRange(0, kMaxSio2);
    xAxis->setTickCount(13);
    xAxis->setLabelFormat(QStringLiteral("%.1f"));
    xAxis->setTitleText(QStringLiteral("SiO2 (mol per mol flux)"));
    auto* yAxis = new QValueAxis;
    yAxis->setRange(0, kMaxAl2o3);
    yAxis->setTickCount(11);
    yAxis->setLabelFormat(QStringLiteral("%.1f"));
    yAxis->setTitleText(QStringLiteral("Al2O3 (mol per mol flux)"));
    chart_->addAxis(xAxis, Qt::AlignBottom);
    chart_->addAxis(yAxis, Qt::AlignLeft);
    addRegions();

    glazeSeries_ = new QScatterSeries;
    glazeSeries_->setName(QStringLiteral("Glazuren"));
    glazeSeries_->setMarkerSize(10);
    glazeSeries_->setColor(QColor(0x20, 0x4a, 0x87));
    glazeSeries_->setBorderColor(Qt::white);
    currentSeries_ = new QScatterSeries;
    currentSeries_->setName(QStringLiteral("Huidig glazuur"));
    currentSeries_->setMarkerSize(16);
    currentSeries_->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    currentSeries_->setColor(QColor(0xe0, 0x1b, 0x24));
    currentSeries_->setBorderColor(Qt::black);
    for (QScatterSeries* series : {glazeSeries_, currentSeries_}) {
        chart_->addSeries(series);
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
        connect(series, &QScatterSeries::hovered, this,
                [this](const QPointF& point, bool state) { pointHovered(point, state); });
        connect(series, &QScatterSeries::clicked, this,
                [this](const QPointF& point) { pointClicked(point); });
    }

    CategorieCB = new QComboBox(this);
    CategorieCB->setObjectName(QStringLiteral("CategorieCB"));
    CategorieCB->setMinimumContentsLength(24);
    PngButton = new QPushButton(QStringLiteral("Exporteer PNG..."), this);
    PngButton->setObjectName(QStringLiteral("PngButton"));
    PdfButton = new QPushButton(QStringLiteral("Exporteer PDF..."), this);
    PdfButton->setObjectName(QStringLiteral("PdfButton"));
    auto* strip = new QHBoxLayout;
    strip->addWidget(new QLabel(QStringLiteral("Categorie"), this));
    strip->addWidget(CategorieCB);
    strip->addStretch(1);
    strip->addWidget(PngButton);
    strip->addWidget(PdfButton);
    auto* source =
        new QLabel(QStringLiteral("Gebieden naar R. T. Stull, Transactions of the American Ceramic "
                                  "Society 14 (1912), flux 0,3 K2O 0,7 CaO bij ca. SK 11; de grenzen zijn "
                                  "bij benadering."),
                   this);
    source->setObjectName(QStringLiteral("SourceLbl"));
    source->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(strip);
    layout->addWidget(ChartView, 1);
    layout->addWidget(source);
    // The legend stands in one row under the chart and elides names that do
    // not fit; with a large font the window opens wide enough for all.
    const QFontMetrics legendFont(chart_->legend()->font());
    int legendWidth = 0;
    for (const QLegendMarker* marker : chart_->legend()->markers())
        legendWidth += legendFont.horizontalAdvance(marker->label()) + 2 * legendFont.height() + 8;
    resize(std::max(900, legendWidth + 120), 680);

    connect(CategorieCB, &QComboBox::currentIndexChanged, this, [this] { fillSeries(); });
    connect(PngButton, &QPushButton::clicked, this, [this] {
        const QString path =
            QFileDialog::getSaveFileName(this, QStringLiteral("Exporteer PNG"), QStringLiteral("stull.png"),
                                         QStringLiteral("PNG (*.png)"));
        if (!path.isEmpty() && !exportPng(path))
            ui::showErrorBox(this, "Kan " + path.toStdString() + " niet schrijven");
    });
    connect(PdfButton, &QPushButton::clicked, this, [this] {
        const QString path =
            QFileDialog::getSaveFileName(this, QStringLiteral("Exporteer PDF"), QStringLiteral("stull.pdf"),
                                         QStringLiteral("PDF (*.pdf)"));
        if (!path.isEmpty() && !exportPdf(path))
            ui::showErrorBox(this, "Kan " + path.toStdString() + " niet schrijven");
    });
    follower_ = std::make_unique<ViewFollower>(glazes, [this] { refresh(); });
    refresh();
}

TStullChartForm::~TStullChartForm() = default;

void TStullChartForm::addRegions() {
    const auto axes = chart_->axes();
    for (const Region& region : regions()) {
        // An area series fills the polygon of its upper line followed by its
        // lower line walked backwards; the outline split in two does that.
        auto* upper = new QLineSeries;
        auto* lower = new QLineSeries;
        const std::size_t half = (region.outline.size() + 1) / 2;
        for (std::size_t i = 0; i < half; ++i)
            upper->append(region.outline[i]);
        for (std::size_t i = region.outline.size(); i-- > half;)
            lower->append(region.outline[i]);
        if (lower->count() == 0) lower->append(region.outline.front());
        auto* area = new QAreaSeries(upper, lower);
        // The area series does not own its boundary lines.
        upper->setParent(area);
        lower->setParent(area);
        area->setName(QString::fromUtf8(region.name));
        area->setColor(region.colour);
        area->setBorderColor(region.colour.darker(160));
        chart_->addSeries(area);
        for (QAbstractAxis* axis : axes)
            area->attachAxis(axis);
    }
}

void TStullChartForm::refresh() {
    ui::guard(this, [this] {
        all_.clear();
        current_.clear();
        std::set<QString> categories;
        if (glazes_.active()) {
            const int naam = glazes_.fieldIndex("naam");
            const int catg = glazes_.fieldIndex("catg");
            const int sio2 = glazes_.fieldIndex("sio2");
            const int al2o3 = glazes_.fieldIndex("al2o3");
            for (int row = 0; row < glazes_.recordCount(); ++row) {
                Point p{QString::fromStdString(glazes_.textAt(row, naam)),
                        QString::fromStdString(glazes_.textAt(row, catg)), glazes_.numberAt(row, sio2),
                        glazes_.numberAt(row, al2o3)};
                // A glaze never calculated has no formula to place.
                if (p.sio2 == 0 && p.al2o3 == 0) continue;
                if (!p.category.isEmpty()) categories.insert(p.category);
                all_.push_back(p);
            }
            if (glazes_.recNo() >= 0)
                current_ = QString::fromStdString(glazes_.textAt(glazes_.recNo(), naam));
        }
        const QString chosen = CategorieCB->currentText();
        const QSignalBlocker block(CategorieCB);
        CategorieCB->clear();
        CategorieCB->addItem(kAllCategories);
        for (const QString& category : categories)
            CategorieCB->addItem(category);
        const int index = CategorieCB->findText(chosen);
        CategorieCB->setCurrentIndex(index >= 0 ? index : 0);
        fillSeries();
    });
}

void TStullChartForm::fillSeries() {
    const QString category = CategorieCB->currentIndex() > 0 ? CategorieCB->currentText() : QString();
    shown_.clear();
    QList<QPointF> points;
    QList<QPointF> current;
    for (const Point& p : all_) {
        if (!category.isEmpty() && p.category != category) continue;
        shown_.push_back(p);
        (p.name == current_ ? current : points).append(QPointF(p.sio2, p.al2o3));
    }
    glazeSeries_->replace(points);
    currentSeries_->replace(current);
}

QString TStullChartForm::nameAt(const QPointF& value) const {
    // Nearest shown glaze within 2 % of the axes' spans.
    QString best;
    double bestDistance = 0.02;
    for (const Point& p : shown_) {
        const double distance =
            std::hypot((p.sio2 - value.x()) / kMaxSio2, (p.al2o3 - value.y()) / kMaxAl2o3);
        if (distance <= bestDistance) {
            best = p.name;
            bestDistance = distance;
        }
    }
    return best;
}

void TStullChartForm::pointHovered(const QPointF& point, bool state) {
    if (!state) {
        QToolTip::hideText();
        return;
    }
    const QString name = nameAt(point);
    if (!name.isEmpty()) QToolTip::showText(QCursor::pos(), name, ChartView);
}

void TStullChartForm::pointClicked(const QPointF& point) {
    const QString name = nameAt(point);
    if (name.isEmpty()) return;
    current_ = name;
    fillSeries();
    emit glazeChosen(name);
}

bool TStullChartForm::exportPng(const QString& path) {
    return ChartView->grab().save(path, "PNG");
}

bool TStullChartForm::exportPdf(const QString& path) {
    QPdfWriter writer(path);
    writer.setTitle(QStringLiteral("Stull-diagram"));
    writer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    ChartView->render(&painter);
    painter.end();
    return true;
}

} // namespace kelvora
