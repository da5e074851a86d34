// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/ChemiePage.h"

#include "store/RecordMapper.h"

#include "common/NumberFormat.h"
#include "glaze/ChemistryDataFiles.h"
#include "glaze/ViewFollower.h"
#include "store/View.h"
#include "widgets/ErrorBox.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

namespace kelvora {

namespace {
const QColor kOutside(0xc0, 0x1c, 0x28);

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QString number(double value, int decimals) {
    return text(numfmt::formatFixed(value, decimals));
}

// A trace too small for the decimals shown reads "< 0,001" rather than a
// zero that contradicts its being listed at all.
QString amount(double value, int decimals) {
    const double smallest = std::pow(10.0, -decimals);
    if (value > 0 && value < smallest / 2) return QStringLiteral("< ") + number(smallest, decimals);
    return number(value, decimals);
}

QString optionalNumber(const std::optional<double>& value, int decimals) {
    return value ? number(*value, decimals) : QStringLiteral("–");
}

QTableWidgetItem* cell(const QString& value, bool numeric) {
    auto* item = new QTableWidgetItem(value);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    if (numeric) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
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

    OxideGrid = new QTableWidget(0, 4, this);
    OxideGrid->setObjectName(QStringLiteral("OxideGrid"));
    OxideGrid->setHorizontalHeaderLabels({QStringLiteral("Oxide"), QStringLiteral("Seger"),
                                          QStringLiteral("Gew. %"), QStringLiteral("Mol %")});
    OxideGrid->verticalHeader()->setVisible(false);
    OxideGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    OxideGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);

    SiAlLbl = new QLabel(this);
    SiAlLbl->setObjectName(QStringLiteral("SiAlLbl"));
    R2oRoLbl = new QLabel(this);
    R2oRoLbl->setObjectName(QStringLiteral("R2oRoLbl"));
    LoiLbl = new QLabel(this);
    LoiLbl->setObjectName(QStringLiteral("LoiLbl"));
    LoiLbl->setToolTip(QStringLiteral("Gloeiverlies van de ruwe grondstoffen (water, CO2) bij het stoken"));
    ExpansionSetCB = new QComboBox(this);
    ExpansionSetCB->setObjectName(QStringLiteral("ExpansionSetCB"));
    for (const auto& set : expansionSets_) {
        ExpansionSetCB->addItem(text(set.label()), text(set.name()));
        ExpansionSetCB->setItemData(ExpansionSetCB->count() - 1, text(set.source().citation()),
                                    Qt::ToolTipRole);
    }
    ExpansionLbl = new QLabel(this);
    ExpansionLbl->setObjectName(QStringLiteral("ExpansionLbl"));
    ExpansionLbl->setWordWrap(true);
    LimitsLbl = new QLabel(this);
    LimitsLbl->setObjectName(QStringLiteral("LimitsLbl"));
    LimitsLbl->setWordWrap(true);
    OutsideLbl = new QLabel(this);
    OutsideLbl->setObjectName(QStringLiteral("OutsideLbl"));
    OutsideLbl->setWordWrap(true);
    OutsideLbl->setTextFormat(Qt::PlainText);
    StullButton = new QPushButton(QStringLiteral("Stull-diagram..."), this);
    StullButton->setObjectName(QStringLiteral("StullButton"));

    auto* figuresBox = new QGroupBox(QStringLiteral("Kengetallen"), this);
    auto* form = new QFormLayout(figuresBox);
    form->addRow(QStringLiteral("SiO2 : Al2O3"), SiAlLbl);
    form->addRow(QStringLiteral("R2O : RO"), R2oRoLbl);
    form->addRow(QStringLiteral("Gloeiverlies (%)"), LoiLbl);
    form->addRow(QStringLiteral("Uitzettingsfactoren"), ExpansionSetCB);
    form->addRow(QStringLiteral("Lineaire uitzetting"), ExpansionLbl);
    auto* limitsBox = new QGroupBox(QStringLiteral("Grenswaarden"), this);
    auto* limits = new QVBoxLayout(limitsBox);
    limits->addWidget(LimitsLbl);
    limits->addWidget(OutsideLbl);
    limits->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addWidget(figuresBox);
    right->addWidget(limitsBox, 1);
    right->addWidget(StullButton, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(OxideGrid, 3);
    layout->addLayout(right, 2);

    connect(ExpansionSetCB, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(StullButton, &QPushButton::clicked, this, [this] { emit stullChartRequested(); });
    follower_ = std::make_unique<ViewFollower>(glazes_, [this] { refresh(); });
    refresh();
}

ChemiePage::~ChemiePage() = default;

void ChemiePage::refresh() {
    ui::guard(this, [this] {
        OxideGrid->setRowCount(0);
        figures_ = {};
        fit_ = {};
        if (!dataError_.empty()) {
            LimitsLbl->setText(QStringLiteral("Chemische gegevens niet gevonden: ") + text(dataError_));
            return;
        }
        if (!glazes_.active() || glazes_.isEmpty()) return;
        const int setIndex = ExpansionSetCB->currentIndex();
        const ExpansionFactorSet* set =
            setIndex >= 0 ? &expansionSets_[static_cast<std::size_t>(setIndex)] : nullptr;
        const Glaze glaze = GlazeMapper::current(glazes_);
        figures_ =
            ChemistryFigures::compute(glaze, MaterialLookup(MaterialMapper::all(materials_)), *masses_, set);
        fit_ = limitSets_.bestFit(glaze.skva, glaze.sktt, figures_);

        for (const Oxide& oxide : OxideCatalogue::all()) {
            const auto i = static_cast<std::size_t>(oxide.position - 1);
            if (figures_.seger[i] == 0) continue;
            const int row = OxideGrid->rowCount();
            OxideGrid->insertRow(row);
            OxideGrid->setItem(row, 0, cell(text(std::string(oxide.label)), false));
            OxideGrid->item(row, 0)->setData(Qt::UserRole, text(std::string(oxide.stem)));
            OxideGrid->setItem(row, 1, cell(amount(figures_.seger[i], 3), true));
            OxideGrid->setItem(row, 2, cell(amount(figures_.weightPercent[i], 2), true));
            OxideGrid->setItem(row, 3, cell(amount(figures_.molPercent[i], 2), true));
        }
        SiAlLbl->setText(optionalNumber(figures_.sio2Al2o3, 2));
        R2oRoLbl->setText(optionalNumber(figures_.r2oRo, 2));
        LoiLbl->setText(optionalNumber(figures_.loi, 1));
        QString expansion = figures_.expansionLinear
                                ? number(*figures_.expansionLinear, 1) + QStringLiteral(" × 10⁻⁷/K")
                                : QStringLiteral("–");
        if (!figures_.expansionUnset.empty()) {
            QStringList unset;
            for (const auto& label : figures_.expansionUnset)
                unset << text(label);
            expansion += QStringLiteral(" (zonder ") + unset.join(QStringLiteral(", ")) +
                         QStringLiteral(": geen factor in deze reeks)");
        }
        ExpansionLbl->setText(expansion);
        ExpansionLbl->setToolTip(set ? text(set->source().citation()) : QString());
        markOutside();
    });
}

void ChemiePage::markOutside() {
    for (QLabel* label : {SiAlLbl, R2oRoLbl}) {
        label->setStyleSheet(QString());
        label->setToolTip(QString());
    }
    if (!fit_.set) {
        LimitsLbl->setText(QStringLiteral("Geen grenswaarden voor de kegels van dit glazuur."));
        OutsideLbl->clear();
        return;
    }
    QString heading = text(fit_.set->name);
    if (fit_.candidates > 1)
        heading +=
            QStringLiteral(" (de best passende van %1 tabellen voor deze kegels)").arg(fit_.candidates);
    LimitsLbl->setText(heading + QStringLiteral("\nBron: ") + text(fit_.set->source.citation()));
    if (fit_.outside.empty()) {
        OutsideLbl->setStyleSheet(QString());
        OutsideLbl->setText(QStringLiteral("Alle waarden binnen de grenzen."));
        return;
    }
    QStringList lines;
    for (const auto& v : fit_.outside) {
        const QString range = number(v.min, 2) + QStringLiteral(" – ") + number(v.max, 2);
        const QString tip = text(fit_.set->name) + QStringLiteral(": ") + keyLabel(v.key) +
                            QStringLiteral(" tussen ") + range;
        lines << keyLabel(v.key) + QStringLiteral(" ") + number(v.value, 3) + QStringLiteral(" buiten ") +
                     range;
        QLabel* ratio = v.key == "sio2_al2o3" ? SiAlLbl : v.key == "r2o_ro" ? R2oRoLbl : nullptr;
        if (ratio) {
            ratio->setStyleSheet(QStringLiteral("color: %1; font-weight: bold").arg(kOutside.name()));
            ratio->setToolTip(tip);
        }
        // Every oxide row the limit covers is marked.
        for (const LimitSets::Limit& limit : fit_.set->limits) {
            if (limit.key != v.key) continue;
            for (const auto& stem : limit.of)
                for (int row = 0; row < OxideGrid->rowCount(); ++row)
                    if (OxideGrid->item(row, 0)->data(Qt::UserRole).toString() == text(stem))
                        for (int column = 0; column < OxideGrid->columnCount(); ++column) {
                            OxideGrid->item(row, column)->setForeground(kOutside);
                            OxideGrid->item(row, column)->setToolTip(tip);
                        }
        }
    }
    OutsideLbl->setStyleSheet(QStringLiteral("color: %1").arg(kOutside.name()));
    OutsideLbl->setText(lines.join(QLatin1Char('\n')));
}

} // namespace kelvora
