// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/ChemiePage.h"
#include "glaze/StullNames.h"

#include "store/RecordMapper.h"

#include "common/NumberFormat.h"
#include "glaze/ChemistryDataFiles.h"
#include "glaze/GlazePreview.h"
#include "glaze/OxideFiguresModel.h"
#include "glaze/ViewFollower.h"
#include "store/View.h"
#include "widgets/ErrorBox.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QVBoxLayout>

namespace kelvora {

namespace {
const QColor kOutside(0xc0, 0x1c, 0x28);

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QString number(double value, int decimals) {
    return text(numfmt::formatFixed(value, decimals));
}

QString optionalNumber(const std::optional<double>& value, int decimals) {
    return value ? number(*value, decimals) : QStringLiteral("–");
}

// How a limit key reads in the window: an oxide label, "Na2O + K2O", a ratio.
QString keyLabel(const std::string& key) {
    if (key == "sio2_al2o3") return QStringLiteral("SiO2 : Al2O3");
    if (key == "r2o_ro") return QStringLiteral("R2O : RO");
    if (key == "kna2o") return QStringLiteral("Na2O + K2O");
    if (const Oxide* oxide = OxideCatalogue::byStem(key)) return text(std::string(oxide->label));
    return text(key);
}
} // namespace

ChemiePage::ChemiePage(View& glazes, const View& materials, const std::string& dataFolder, QWidget* parent)
    : QWidget(parent), glazes_(glazes), materials_(materials) {
    setObjectName(QStringLiteral("ChemieTS"));
    try {
        masses_ = MolarMassTable::load(ChemistryDataFiles::molarMasses(dataFolder));
        expansionSets_ = ExpansionFactorSet::loadFolder(ChemistryDataFiles::expansionFolder(dataFolder));
        limitSets_ = LimitSets::loadFolder(ChemistryDataFiles::limitsFolder(dataFolder));
    } catch (const std::exception& e) {
        dataError_ = e.what();
    }
    // Without Stull's chart the other figures still stand.
    try {
        stullChart_ = StullChart::load(ChemistryDataFiles::stullChart(dataFolder));
        ratioGuide_ = RatioGuide::load(ChemistryDataFiles::ratioGuide(dataFolder));
    } catch (const std::exception& e) {
        placeError_ = e.what();
    }

    previewLbl_ = new QLabel(this);
    previewLbl_->setObjectName(QStringLiteral("PreviewLbl"));
    previewLbl_->setWordWrap(true);
    previewLbl_->setTextFormat(Qt::PlainText);
    previewLbl_->setStyleSheet(QStringLiteral("color: %1").arg(kOutside.name()));
    previewLbl_->setVisible(false);

    oxideModel_ = new OxideFiguresModel(this);
    oxideGrid_ = new QTableView(this);
    oxideGrid_->setObjectName(QStringLiteral("OxideGrid"));
    oxideGrid_->setModel(oxideModel_);
    oxideGrid_->verticalHeader()->setVisible(false);
    oxideGrid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    oxideGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    siAlLbl_ = new QLabel(this);
    siAlLbl_->setObjectName(QStringLiteral("SiAlLbl"));
    r2oRoLbl_ = new QLabel(this);
    r2oRoLbl_->setObjectName(QStringLiteral("R2oRoLbl"));
    loiLbl_ = new QLabel(this);
    loiLbl_->setObjectName(QStringLiteral("LoiLbl"));
    captions_.toolTip(loiLbl_,
                      QT_TR_NOOP("Gloeiverlies van de ruwe grondstoffen (water, CO2) bij het stoken"));
    expansionSetCB_ = new QComboBox(this);
    expansionSetCB_->setObjectName(QStringLiteral("ExpansionSetCB"));
    for (const auto& set : expansionSets_) {
        expansionSetCB_->addItem(text(set.label()), text(set.name()));
        expansionSetCB_->setItemData(expansionSetCB_->count() - 1, text(set.source().citation()),
                                     Qt::ToolTipRole);
    }
    expansionLbl_ = new QLabel(this);
    expansionLbl_->setObjectName(QStringLiteral("ExpansionLbl"));
    expansionLbl_->setWordWrap(true);
    limitsLbl_ = new QLabel(this);
    limitsLbl_->setObjectName(QStringLiteral("LimitsLbl"));
    limitsLbl_->setWordWrap(true);
    outsideLbl_ = new QLabel(this);
    outsideLbl_->setObjectName(QStringLiteral("OutsideLbl"));
    outsideLbl_->setWordWrap(true);
    outsideLbl_->setTextFormat(Qt::PlainText);
    stullLbl_ = new QLabel(this);
    stullLbl_->setObjectName(QStringLiteral("StullLbl"));
    stullLbl_->setWordWrap(true);
    fitLbl_ = new QLabel(this);
    fitLbl_->setObjectName(QStringLiteral("FitLbl"));
    fitLbl_->setWordWrap(true);
    fitLbl_->setTextFormat(Qt::PlainText);
    stullButton_ = captions_.text(new QPushButton(this), QT_TR_NOOP("Stull-diagram..."));
    stullButton_->setObjectName(QStringLiteral("StullButton"));
    blendButton_ = captions_.text(new QPushButton(this), QT_TR_NOOP("Mengreeks..."));
    blendButton_->setObjectName(QStringLiteral("MengreeksButton"));

    auto* figuresBox = new QGroupBox(this);
    captions_.title(figuresBox, QT_TR_NOOP("Kengetallen"));
    auto* form = new QFormLayout(figuresBox);
    form->addRow(captions_.text(new QLabel(this), QT_TR_NOOP("SiO2 : Al2O3")), siAlLbl_);
    form->addRow(captions_.text(new QLabel(this), QT_TR_NOOP("R2O : RO")), r2oRoLbl_);
    form->addRow(captions_.text(new QLabel(this), QT_TR_NOOP("Gloeiverlies (%)")), loiLbl_);
    form->addRow(captions_.text(new QLabel(this), QT_TR_NOOP("Uitzettingsfactoren")), expansionSetCB_);
    form->addRow(captions_.text(new QLabel(this), QT_TR_NOOP("Lineaire uitzetting")), expansionLbl_);
    form->addRow(captions_.text(new QLabel(this), QT_TR_NOOP("Oppervlak")), stullLbl_);
    form->addRow(captions_.text(new QLabel(this), QT_TR_NOOP("Past bij kegels")), fitLbl_);
    auto* limitsBox = new QGroupBox(this);
    captions_.title(limitsBox, QT_TR_NOOP("Grenswaarden"));
    auto* limits = new QVBoxLayout(limitsBox);
    limits->addWidget(limitsLbl_);
    limits->addWidget(outsideLbl_);
    limits->addStretch(1);

    // The figures scroll when long notes in a large font need more room than
    // the page has; squeezed, the controls would cut their text.
    auto* rightPane = new QWidget;
    auto* right = new QVBoxLayout(rightPane);
    right->setContentsMargins(0, 0, 0, 0);
    right->addWidget(figuresBox);
    right->addWidget(limitsBox, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(blendButton_);
    buttons->addWidget(stullButton_);
    right->addLayout(buttons);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("ChemieScroll"));
    scroll->setWidget(rightPane);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* columns = new QHBoxLayout;
    columns->addWidget(oxideGrid_, 3);
    columns->addWidget(scroll, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(previewLbl_);
    layout->addLayout(columns, 1);

    connect(expansionSetCB_, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(stullButton_, &QPushButton::clicked, this, [this] { emit stullChartRequested(); });
    connect(blendButton_, &QPushButton::clicked, this, [this] { emit blendRequested(); });
    follower_ = std::make_unique<ViewFollower>(glazes_, [this] { refresh(); });
    refresh();
}

ChemiePage::~ChemiePage() = default;

void ChemiePage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        captions_.apply();
        Captions::headingsChanged(oxideModel_);
        refresh();
    }
    QWidget::changeEvent(event);
}

void ChemiePage::refresh() {
    ui::guard(this, [this] {
        oxideModel_->setFigures({});
        figures_ = {};
        fit_ = {};
        firing_ = {};
        stullLbl_->clear();
        fitLbl_->clear();
        previewLbl_->clear();
        previewLbl_->setVisible(false);
        if (!dataError_.empty()) {
            limitsLbl_->setText(tr("Chemische gegevens niet gevonden: %1").arg(text(dataError_)));
            return;
        }
        if (!glazes_.active() || glazes_.isEmpty()) return;
        const int setIndex = expansionSetCB_->currentIndex();
        const ExpansionFactorSet* set =
            setIndex >= 0 ? &expansionSets_[static_cast<std::size_t>(setIndex)] : nullptr;
        // The recipe as shown, typed changes included, calculated afresh.
        const MaterialLookup lookup(MaterialMapper::all(materials_));
        const GlazePreview preview = GlazePreview::of(GlazeMapper::current(glazes_), lookup);
        if (!preview.calculated) {
            previewLbl_->setText(tr("Dit recept is zo niet te berekenen: %1").arg(text(preview.fault)));
            previewLbl_->setVisible(true);
            return;
        }
        if (!preview.storedCurrent) {
            previewLbl_->setText(tr("Berekend uit het recept zoals het nu op het scherm staat; "
                                    "nog niet berekend en opgeslagen (druk op Bereken)."));
            previewLbl_->setVisible(true);
        }
        const Glaze& glaze = preview.glaze;
        figures_ = ChemistryFigures::compute(glaze, lookup, *masses_, set);
        fit_ = limitSets_.bestFit(glaze.skva, glaze.sktt, figures_);

        oxideModel_->setFigures(figures_);
        siAlLbl_->setText(optionalNumber(figures_.sio2Al2o3, 2));
        r2oRoLbl_->setText(optionalNumber(figures_.r2oRo, 2));
        loiLbl_->setText(optionalNumber(figures_.loi, 1));
        QString expansion = figures_.expansionLinear
                                ? number(*figures_.expansionLinear, 1) + QStringLiteral(" × 10⁻⁷/K")
                                : QStringLiteral("–");
        if (!figures_.expansionUnset.empty()) {
            QStringList unset;
            for (const auto& label : figures_.expansionUnset)
                unset << text(label);
            expansion += QLatin1Char(' ') +
                         tr("(zonder %1: geen factor in deze reeks)").arg(unset.join(QStringLiteral(", ")));
        }
        expansionLbl_->setText(expansion);
        expansionLbl_->setToolTip(set ? text(set->source().citation()) : QString());
        markOutside();
        showPlace(glaze);
    });
}

QString ChemiePage::previewNote() const {
    return previewLbl_->isVisibleTo(this) ? previewLbl_->text() : QString();
}

// Where Stull's chart and the rule of thumb put the glaze, and which cone
// ranges' limits it fits best beside the stored estimate.
void ChemiePage::showPlace(const Glaze& glaze) {
    firing_ = FiringFit::assess(limitSets_, figures_, glaze.tmpv, glaze.tmpt, glaze.skva, glaze.sktt);
    if (stullChart_) {
        const auto place = stullChart_->place(figures_.sum({"sio2"}), figures_.sum({"al2o3"}));
        QString surface =
            place.surface ? tr("Stull: %1").arg(StullNames::place(place)) : tr("Stull: buiten het diagram");
        if (const RatioGuide::Band* band = ratioGuide_->bandOf(figures_.sio2Al2o3))
            surface += QStringLiteral("; ") + tr("vuistregel SiO2:Al2O3: %1").arg(StullNames::band(*band));
        stullLbl_->setText(surface);
        stullLbl_->setToolTip(text(stullChart_->source().citation()));
    } else {
        stullLbl_->setText(tr("Stull-diagram niet gevonden: %1").arg(text(placeError_)));
    }
    QString fit = firing_.cones.empty() ? QStringLiteral("–") : text(firing_.cones);
    fitLbl_->setStyleSheet(QString());
    if (!firing_.note.empty()) {
        fit += QLatin1Char('\n') + text(firing_.note);
        fitLbl_->setStyleSheet(QStringLiteral("color: %1").arg(kOutside.name()));
    }
    fitLbl_->setText(fit);
}

void ChemiePage::markOutside() {
    for (QLabel* label : {siAlLbl_, r2oRoLbl_}) {
        label->setStyleSheet(QString());
        label->setToolTip(QString());
    }
    if (!fit_.set) {
        limitsLbl_->setText(tr("Geen grenswaarden voor de kegels van dit glazuur."));
        outsideLbl_->clear();
        return;
    }
    QString heading = text(fit_.set->name);
    if (fit_.candidates > 1)
        heading +=
            QLatin1Char(' ') + tr("(de best passende van %1 tabellen voor deze kegels)").arg(fit_.candidates);
    limitsLbl_->setText(heading + QLatin1Char('\n') + tr("Bron: %1").arg(text(fit_.set->source.citation())));
    if (fit_.outside.empty()) {
        outsideLbl_->setStyleSheet(QString());
        outsideLbl_->setText(tr("Alle waarden binnen de grenzen."));
        return;
    }
    QStringList lines;
    for (const auto& v : fit_.outside) {
        const QString range = number(v.min, 2) + QStringLiteral(" – ") + number(v.max, 2);
        const QString tip = tr("%1: %2 tussen %3").arg(text(fit_.set->name), keyLabel(v.key), range);
        lines << tr("%1 %2 buiten %3").arg(keyLabel(v.key), number(v.value, 3), range);
        QLabel* ratio = v.key == "sio2_al2o3" ? siAlLbl_ : v.key == "r2o_ro" ? r2oRoLbl_ : nullptr;
        if (ratio) {
            ratio->setStyleSheet(QStringLiteral("color: %1; font-weight: bold").arg(kOutside.name()));
            ratio->setToolTip(tip);
        }
        // Every oxide row the limit covers is marked.
        for (const LimitSets::Limit& limit : fit_.set->limits) {
            if (limit.key != v.key) continue;
            for (const auto& stem : limit.of)
                oxideModel_->markOutside(stem, kOutside, tip);
        }
    }
    outsideLbl_->setStyleSheet(QStringLiteral("color: %1").arg(kOutside.name()));
    outsideLbl_->setText(lines.join(QLatin1Char('\n')));
}

} // namespace kelvora
