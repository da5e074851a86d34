// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/StullChartFormUnit.h"

#include "glaze/CategoryBox.h"
#include "glaze/StullNames.h"

#include <QEvent>

#include "app/Installation.h"
#include "glaze/ChemistryDataFiles.h"
#include "glaze/RatioGuide.h"
#include "glaze/ReportPrinter.h"
#include "glaze/StullChart.h"
#include "glaze/ViewFollower.h"
#include "store/View.h"
#include "widgets/ErrorBox.h"
#include "widgets/ScreenFit.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGraphicsSimpleTextItem>
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
#include <optional>
#include <set>
#include <stdexcept>

namespace kelvora {

// The chart and the guide as read from the data folder, or why they could not be.
struct TStullChartForm::Data {
    std::optional<StullChart> chart;
    std::optional<RatioGuide> guide;
    QString error;
};

namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QPointF point(const StullChart::Point& p) {
    return {p.sio2, p.al2o3};
}

// Names written beside the points of the chart while it is exported, gone
// again with this object.
class PointLabels {
public:
    PointLabels(QChart* chart, QAbstractSeries* series, const std::vector<TStullChartForm::Point>& points) {
        QFont font = chart->font();
        font.setPointSizeF(std::max(6.0, font.pointSizeF() - 1));
        for (const TStullChartForm::Point& p : points) {
            auto* label = new QGraphicsSimpleTextItem(p.name, chart);
            label->setFont(font);
            label->setBrush(QColor(0x20, 0x20, 0x20));
            // Right of the point and a little above it, so the marker stays clear.
            const QPointF at = chart->mapToPosition(QPointF(p.sio2, p.al2o3), series);
            label->setPos(chart->mapFromScene(at) + QPointF(7, -label->boundingRect().height() + 2));
            labels_.push_back(label);
        }
    }
    ~PointLabels() {
        for (QGraphicsSimpleTextItem* label : labels_)
            delete label;
    }
    PointLabels(const PointLabels&) = delete;
    PointLabels& operator=(const PointLabels&) = delete;

private:
    std::vector<QGraphicsSimpleTextItem*> labels_;
};

} // namespace

TStullChartForm::TStullChartForm(View& glazes, QWidget* parent, const std::string& dataFolder)
    : QWidget(parent, Qt::Window), glazes_(glazes), data_(std::make_unique<Data>()) {
    setObjectName(QStringLiteral("StullChartForm"));
    captions_.windowTitle(this, QT_TR_NOOP("Stull-diagram"));

    chart_ = new QChart;
    captions_.keep(QT_TR_NOOP("Seger SiO2 tegen Al2O3"), [this](const QString& t) { chart_->setTitle(t); });
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chartView_ = new QChartView(chart_, this);
    chartView_->setObjectName(QStringLiteral("ChartView"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    xAxis_ = new QValueAxis;
    xAxis_->setLabelFormat(QStringLiteral("%.1f"));
    captions_.keep(QT_TR_NOOP("SiO2 (mol per mol flux)"),
                   [this](const QString& t) { xAxis_->setTitleText(t); });
    yAxis_ = new QValueAxis;
    yAxis_->setLabelFormat(QStringLiteral("%.1f"));
    captions_.keep(QT_TR_NOOP("Al2O3 (mol per mol flux)"),
                   [this](const QString& t) { yAxis_->setTitleText(t); });
    chart_->addAxis(xAxis_, Qt::AlignBottom);
    chart_->addAxis(yAxis_, Qt::AlignLeft);

    categorieCB_ = new QComboBox(this);
    categorieCB_->setObjectName(QStringLiteral("CategorieCB"));
    categorieCB_->setMinimumContentsLength(24);
    guideCB_ = captions_.text(new QCheckBox(this), QT_TR_NOOP("Vuistregel SiO2:Al2O3 tonen"));
    guideCB_->setObjectName(QStringLiteral("GuideCB"));
    captions_.toolTip(guideCB_,
                      QT_TR_NOOP("Hulplijnen van de vuistregel van pottenbakkers (mat, satijn, glans "
                                 "naar de verhouding SiO2:Al2O3); geen onderdeel van Stulls diagram."));
    pngButton_ = captions_.text(new QPushButton(this), QT_TR_NOOP("Exporteer PNG..."));
    pngButton_->setObjectName(QStringLiteral("PngButton"));
    pdfButton_ = captions_.text(new QPushButton(this), QT_TR_NOOP("Exporteer PDF..."));
    pdfButton_->setObjectName(QStringLiteral("PdfButton"));
    auto* strip = new QHBoxLayout;
    strip->addWidget(captions_.text(new QLabel(this), QT_TR_NOOP("Categorie")));
    strip->addWidget(categorieCB_);
    strip->addWidget(guideCB_);
    strip->addStretch(1);
    sourceLbl_ = new QLabel(this);
    sourceLbl_->setObjectName(QStringLiteral("SourceLbl"));
    sourceLbl_->setWordWrap(true);
    // The export buttons under the chart, beside its source: one row above
    // the chart would be wider than a small screen at a large font.
    auto* foot = new QHBoxLayout;
    foot->addWidget(sourceLbl_, 1);
    foot->addWidget(pngButton_, 0, Qt::AlignBottom);
    foot->addWidget(pdfButton_, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(strip);
    layout->addWidget(chartView_, 1);
    layout->addLayout(foot);

    connect(categorieCB_, &QComboBox::currentIndexChanged, this, [this] { fillSeries(); });
    connect(guideCB_, &QCheckBox::toggled, this, [this](bool on) {
        for (QLineSeries* line : guideLines_) {
            line->setVisible(on);
            for (QLegendMarker* marker : chart_->legend()->markers(line))
                marker->setVisible(on);
        }
    });
    connect(pngButton_, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, tr("Exporteer PNG"),
                                                          QStringLiteral("stull.png"), tr("PNG (*.png)"));
        if (!path.isEmpty() && !exportPng(path))
            ui::showErrorBox(this, tr("Kan %1 niet schrijven").arg(path).toStdString());
    });
    connect(pdfButton_, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, tr("Exporteer PDF"),
                                                          QStringLiteral("stull.pdf"), tr("PDF (*.pdf)"));
        if (!path.isEmpty() && !exportPdf(path))
            ui::showErrorBox(this, tr("Kan %1 niet schrijven").arg(path).toStdString());
    });
    setChemistryDataFolder(dataFolder.empty() ? ui::chemistryDataFolder() : dataFolder);
    follower_ = std::make_unique<ViewFollower>(glazes, [this] { refresh(); });
    refresh();
}

TStullChartForm::~TStullChartForm() = default;

void TStullChartForm::setChemistryDataFolder(const std::string& dataFolder) {
    dataFolder_ = dataFolder;
    *data_ = {};
    try {
        data_->chart = StullChart::load(ChemistryDataFiles::stullChart(dataFolder));
        data_->guide = RatioGuide::load(ChemistryDataFiles::ratioGuide(dataFolder));
    } catch (const std::exception& e) {
        data_->error = text(e.what());
    }
    buildChart();
    fillSeries();
}

void TStullChartForm::buildChart() {
    chart_->removeAllSeries();
    guideLines_.clear();
    if (data_->chart) {
        maxSio2_ = data_->chart->highest().sio2;
        maxAl2o3_ = data_->chart->highest().al2o3;
    }
    xAxis_->setRange(0, maxSio2_);
    xAxis_->setTickCount(static_cast<int>(std::lround(maxSio2_ / 0.6)) + 1);
    yAxis_->setRange(0, maxAl2o3_);
    yAxis_->setTickCount(11);
    const auto attach = [this](QAbstractSeries* series) {
        chart_->addSeries(series);
        series->attachAxis(xAxis_);
        series->attachAxis(yAxis_);
    };

    if (data_->chart) {
        for (const StullChart::Region& region : data_->chart->regions()) {
            // An area series fills the polygon of its upper line followed by
            // its lower line walked backwards; the outline split in two does
            // that. Both halves share the vertex where they meet, since a line
            // of one point fills nothing (a triangle would stay empty).
            auto* upper = new QLineSeries;
            auto* lower = new QLineSeries;
            const std::size_t half = (region.outline.size() + 1) / 2;
            for (std::size_t i = 0; i < half; ++i)
                upper->append(point(region.outline[i]));
            for (std::size_t i = region.outline.size(); i-- > half - 1;)
                lower->append(point(region.outline[i]));
            auto* area = new QAreaSeries(upper, lower);
            upper->setParent(area);
            lower->setParent(area);
            area->setName(StullNames::region(region));
            QColor colour(text(region.colour));
            if (region.overlay) {
                // Crazing lies over a surface region: hatched, so the surface shows through.
                area->setBrush(QBrush(colour, Qt::BDiagPattern));
                area->setPen(QPen(colour.darker(130), 1.5, Qt::DashLine));
            } else {
                colour.setAlpha(110);
                area->setColor(colour);
                area->setBorderColor(colour.darker(160));
            }
            attach(area);
        }
        for (const StullChart::Line& line : data_->chart->lines()) {
            auto* series = new QLineSeries;
            series->setName(StullNames::line(line));
            for (const auto& p : line.points)
                series->append(point(p));
            series->setPen(QPen(QColor(0x20, 0x20, 0x20), 2, Qt::DotLine));
            attach(series);
        }
    }
    if (data_->guide) {
        std::set<double> ratios;
        for (const RatioGuide::Band& band : data_->guide->bands()) {
            if (band.from > 0) ratios.insert(band.from);
            ratios.insert(band.below);
        }
        for (const double ratio : ratios) {
            auto* series = new QLineSeries;
            series->setName(tr("Vuistregel SiO2:Al2O3 = %1").arg(ratio));
            series->append(0, 0);
            const double x = std::min(maxSio2_, ratio * maxAl2o3_);
            series->append(x, x / ratio);
            series->setPen(QPen(QColor(0x40, 0x80, 0x40), 1.5, Qt::DashDotLine));
            attach(series);
            guideLines_.push_back(series);
            const bool on = guideCB_->isChecked();
            series->setVisible(on);
            for (QLegendMarker* marker : chart_->legend()->markers(series))
                marker->setVisible(on);
        }
    }
    guideCB_->setEnabled(!guideLines_.empty());

    glazeSeries_ = new QScatterSeries;
    glazeSeries_->setName(tr("Glazuren"));
    glazeSeries_->setMarkerSize(10);
    glazeSeries_->setColor(QColor(0x20, 0x4a, 0x87));
    glazeSeries_->setBorderColor(Qt::white);
    currentSeries_ = new QScatterSeries;
    currentSeries_->setName(tr("Huidig glazuur"));
    currentSeries_->setMarkerSize(16);
    currentSeries_->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    currentSeries_->setColor(QColor(0xe0, 0x1b, 0x24));
    currentSeries_->setBorderColor(Qt::black);
    // A blend's series is made only when there is one, so that the legend
    // is laid out with it (a legend entry shown later stands out of place).
    blendSeries_ = nullptr;
    if (!blend_.empty()) {
        blendSeries_ = new QScatterSeries;
        blendSeries_->setName(blendName_.isEmpty() ? tr("Mengreeks") : blendName_);
        blendSeries_->setMarkerSize(11);
        blendSeries_->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        blendSeries_->setColor(QColor(0x2e, 0x8b, 0x57));
        blendSeries_->setBorderColor(Qt::white);
    }
    for (QScatterSeries* series : {glazeSeries_, currentSeries_, blendSeries_}) {
        if (!series) continue;
        attach(series);
        connect(series, &QScatterSeries::hovered, this,
                [this](const QPointF& p, bool state) { pointHovered(p, state); });
        connect(series, &QScatterSeries::clicked, this, [this](const QPointF& p) { pointClicked(p); });
    }

    if (data_->chart) {
        const DataSource& source = data_->chart->source();
        QString note =
            tr("Gebieden naar %1, %2 (%3): één flux (0,3 K2O 0,7 CaO) bij ca. SK 11; coördinaten uit "
               "een gepubliceerde reproductie van zijn diagram (Glazy). Bij andere fluxen, met boor of "
               "op andere kegels schuiven de grenzen.")
                .arg(text(source.author), text(source.title), text(source.year));
        if (data_->guide)
            note +=
                QLatin1Char(' ') + tr("De vuistregel (%1) is een hulplijn naar %2, geen deel van Stulls "
                                      "diagram.")
                                       .arg(text(data_->guide->name()), text(data_->guide->source().author));
        sourceLbl_->setText(note);
    } else {
        sourceLbl_->setText(tr("Stull-diagram niet gevonden: %1").arg(data_->error));
    }
    // The legend stands in one row under the chart and elides names that do
    // not fit; with a large font the window opens wide enough for all.
    const QFontMetrics legendFont(chart_->legend()->font());
    int legendWidth = 0;
    for (const QLegendMarker* marker : chart_->legend()->markers())
        if (marker->isVisible())
            legendWidth += legendFont.horizontalAdvance(marker->label()) + 2 * legendFont.height() + 8;
    resize(std::max(std::max(900, width()), legendWidth + 120), std::max(680, height()));
}

void TStullChartForm::refresh() {
    ui::guard(this, [this] {
        all_.clear();
        current_.clear();
        currentCones_.clear();
        std::set<QString> categories;
        if (glazes_.active()) {
            const int naam = glazes_.fieldIndex("naam");
            const int catg = glazes_.fieldIndex("catg");
            const int sio2 = glazes_.fieldIndex("sio2");
            const int al2o3 = glazes_.fieldIndex("al2o3");
            for (int row = 0; row < glazes_.recordCount(); ++row) {
                Point p{text(glazes_.textAt(row, naam)), text(glazes_.textAt(row, catg)),
                        glazes_.numberAt(row, sio2), glazes_.numberAt(row, al2o3)};
                // A glaze never calculated has no formula to place.
                if (p.sio2 == 0 && p.al2o3 == 0) continue;
                if (!p.category.isEmpty()) categories.insert(p.category);
                all_.push_back(p);
            }
            if (glazes_.recNo() >= 0) {
                current_ = text(glazes_.textAt(glazes_.recNo(), naam));
                currentCones_ =
                    SheetHeading::conesOf(glazes_.textAt(glazes_.recNo(), glazes_.fieldIndex("skva")),
                                          glazes_.textAt(glazes_.recNo(), glazes_.fieldIndex("sktt")));
            }
        }
        const QVariant chosen = categorieCB_->currentData();
        const QSignalBlocker block(categorieCB_);
        categorieCB_->clear();
        categorieCB_->addItem(tr("(alle categorieën)"));
        for (const QString& category : categories)
            categorieCB_->addItem(CategoryBox::shown(category.toStdString()), category);
        const int index = chosen.isValid() ? categorieCB_->findData(chosen) : -1;
        categorieCB_->setCurrentIndex(index >= 0 ? index : 0);
        fillSeries();
    });
}

void TStullChartForm::fillSeries() {
    // The stored category, whatever language the box shows it in.
    const QString category =
        categorieCB_->currentIndex() > 0 ? categorieCB_->currentData().toString() : QString();
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
    QList<QPointF> cells;
    for (const Point& p : blend_)
        cells.append(QPointF(p.sio2, p.al2o3));
    if (blendSeries_) blendSeries_->replace(cells);
}

void TStullChartForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        captions_.apply();
        buildChart();
        refresh();
    }
    QWidget::changeEvent(event);
}

void TStullChartForm::showBlend(const QString& name, const std::vector<Point>& cells) {
    blendName_ = name;
    blend_ = cells;
    buildChart();
    fillSeries();
}

QString TStullChartForm::nameAt(const QPointF& value) const {
    // Nearest shown glaze or blend cell within 2 % of the axes' spans.
    QString best;
    double bestDistance = 0.02;
    for (const auto* points : {&shown_, &blend_})
        for (const Point& p : *points) {
            const double distance =
                std::hypot((p.sio2 - value.x()) / maxSio2_, (p.al2o3 - value.y()) / maxAl2o3_);
            if (distance <= bestDistance) {
                best = p.name;
                bestDistance = distance;
            }
        }
    return best;
}

void TStullChartForm::pointHovered(const QPointF& p, bool state) {
    if (!state) {
        QToolTip::hideText();
        return;
    }
    const QString name = nameAt(p);
    if (!name.isEmpty()) QToolTip::showText(QCursor::pos(), name, chartView_);
}

void TStullChartForm::pointClicked(const QPointF& p) {
    const QString name = nameAt(p);
    // A blend's cell is no glaze the editor could show.
    const bool cell =
        std::any_of(blend_.begin(), blend_.end(), [&](const Point& c) { return c.name == name; });
    if (name.isEmpty() || cell) return;
    current_ = name;
    fillSeries();
    emit glazeChosen(name);
}

void TStullChartForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ui::fitToScreen(this);
}

bool TStullChartForm::exportPng(const QString& path) {
    const PointLabels names(chart_, glazeSeries_, shown_);
    const PointLabels cells(chart_, glazeSeries_, blend_);
    return chartView_->grab().save(path, "PNG");
}

bool TStullChartForm::exportPdf(const QString& path) {
    QPdfWriter writer(path);
    writer.setTitle(tr("Stull-diagram"));
    writer.setPageOrientation(QPageLayout::Landscape);
    ReportPrinter::keepMargins(writer);
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    SheetHeading heading;
    heading.title = tr("Stull-diagram");
    heading.glaze = current_;
    heading.cones = currentCones_;
    const QRectF page(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
    const QRectF body = ReportPrinter::drawHeading(painter, page, heading, 1, 1);
    const PointLabels names(chart_, glazeSeries_, shown_);
    const PointLabels cells(chart_, glazeSeries_, blend_);
    chartView_->render(&painter, body);
    painter.end();
    return true;
}

} // namespace kelvora
