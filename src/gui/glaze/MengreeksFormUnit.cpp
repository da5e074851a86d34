// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/MengreeksFormUnit.h"

#include <QEvent>

#include "blend/BlendPlan.h"
#include "common/Prompter.h"
#include "glaze/BlendTileView.h"
#include "glaze/ChemistryDataFiles.h"
#include "glaze/LimitSets.h"
#include "glaze/MolarMassTable.h"
#include "glaze/ReportPrinter.h"
#include "model/RecordNames.h"
#include "store/BlendBook.h"
#include "store/GlazeBook.h"
#include "widgets/ErrorBox.h"

#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageSize>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <optional>

namespace kelvora {

namespace {
QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QString joined(const std::vector<std::string>& lines) {
    QString all;
    for (const auto& line : lines)
        all += text(line) + QLatin1Char('\n');
    return all;
}
} // namespace

struct TMengreeksForm::Ui {
    QComboBox* saved = nullptr;
    QPushButton* save = nullptr;
    QLineEdit* name = nullptr;
    QComboBox* kind = nullptr;
    QComboBox* corners[4] = {};
    QLabel* cornerLabels[4] = {};
    QSpinBox* cells = nullptr;
    QSpinBox* rows = nullptr;
    QSpinBox* columns = nullptr;
    QSpinBox* low = nullptr;
    QSpinBox* high = nullptr;
    QLabel* fixedSize = nullptr;
    QDoubleSpinBox* amount = nullptr;
    QComboBox* unit = nullptr;
    QSpinBox* margin = nullptr;
    QFormLayout* form = nullptr;
    BlendTileView* tile = nullptr;
    QLabel* status = nullptr;
    QPlainTextEdit* details = nullptr;
    QPushButton* makeGlaze = nullptr;
    QPushButton* print = nullptr;
    QPushButton* stull = nullptr;
};

// The limit tables and molar masses; without them the cells go unchecked.
struct TMengreeksForm::Chemistry {
    std::optional<LimitSets> limits;
    std::optional<MolarMassTable> masses;
};

struct TMengreeksForm::Current {
    std::optional<BlendPlan> plan;
};

TMengreeksForm::TMengreeksForm(GlazeBook& book, Prompter& prompter, const std::string& chemistryFolder,
                               QWidget* parent)
    : QDialog(parent), book_(book), prompter_(prompter), ui_(std::make_unique<Ui>()),
      chemistry_(std::make_unique<Chemistry>()), current_(std::make_unique<Current>()) {
    setObjectName(QStringLiteral("MengreeksForm"));
    captions_.windowTitle(this, QT_TR_NOOP("Mengreeks"));
    // A row's label, with its buddy for the shortcut.
    const auto rowLabel = [this](const char* source, QWidget* buddy) {
        auto* label = captions_.text(new QLabel, source);
        label->setBuddy(buddy);
        return label;
    };
    try {
        chemistry_->limits = LimitSets::loadFolder(ChemistryDataFiles::limitsFolder(chemistryFolder));
        chemistry_->masses = MolarMassTable::load(ChemistryDataFiles::molarMasses(chemistryFolder));
    } catch (const std::exception&) {
        chemistry_->limits.reset(); // the tile then shows no limit colours
    }

    auto* form = new QFormLayout;
    ui_->form = form;
    ui_->saved = new QComboBox;
    ui_->saved->setObjectName(QStringLiteral("OpgeslagenBox"));
    captions_.keep(QT_TR_NOOP("(een bewaarde reeks openen)"),
                   [this](const QString& t) { ui_->saved->setPlaceholderText(t); });
    form->addRow(rowLabel(QT_TR_NOOP("&Opgeslagen"), ui_->saved), ui_->saved);
    ui_->name = new QLineEdit(tr("Mengreeks"));
    ui_->name->setObjectName(QStringLiteral("NaamEdit"));
    ui_->name->setMaxLength(20);
    form->addRow(rowLabel(QT_TR_NOOP("&Naam"), ui_->name), ui_->name);
    ui_->kind = new QComboBox;
    ui_->kind->setObjectName(QStringLiteral("SoortBox"));
    const std::pair<const char*, BlendKind> kinds[] = {
        {QT_TR_NOOP("Lijn (2 glazuren)"), BlendKind::Line},
        {QT_TR_NOOP("Driehoek (3 glazuren)"), BlendKind::Triaxial},
        {QT_TR_NOOP("Raster (4 glazuren)"), BlendKind::Biaxial},
        {QT_TR_NOOP("Currie 7 \u00d7 5 (4 glazuren)"), BlendKind::Currie}};
    for (const auto& [source, kind] : kinds) {
        const int at = ui_->kind->count();
        ui_->kind->addItem(QString(), static_cast<int>(kind));
        captions_.keep(source, [this, at](const QString& t) { ui_->kind->setItemText(at, t); });
    }
    form->addRow(rowLabel(QT_TR_NOOP("&Soort"), ui_->kind), ui_->kind);
    const char* letters[] = {"A", "B", "C", "D"};
    for (int c = 0; c < 4; ++c) {
        auto* box = new QComboBox;
        box->setObjectName(QStringLiteral("Hoek") + QLatin1String(letters[c]));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->completer()->setFilterMode(Qt::MatchContains);
        box->completer()->setCompletionMode(QCompleter::PopupCompletion);
        box->setMinimumContentsLength(24);
        ui_->corners[c] = box;
        ui_->cornerLabels[c] = new QLabel;
        const QString letter = QLatin1String(letters[c]);
        captions_.keep(QT_TR_NOOP("Hoek &%1"), [label = ui_->cornerLabels[c], letter](const QString& t) {
            label->setText(t.arg(letter));
        });
        ui_->cornerLabels[c]->setBuddy(box);
        form->addRow(ui_->cornerLabels[c], box);
    }
    auto spin = [](const char* name, int low, int high, int value) {
        auto* box = new QSpinBox;
        box->setObjectName(QLatin1String(name));
        box->setRange(low, high);
        box->setValue(value);
        return box;
    };
    // The size in one row, whatever the kind: the spin boxes a kind does not
    // use are hidden inside it (a form row hidden after showing would leave
    // its room empty).
    ui_->cells = spin("CellenSpin", 2, BlendLimits::maxLineCells, 11);
    captions_.keep(QT_TR_NOOP(" cellen"), [this](const QString& t) { ui_->cells->setSuffix(t); });
    ui_->rows = spin("RijenSpin", 2, BlendLimits::maxBiaxialSide, 5);
    captions_.keep(QT_TR_NOOP(" rijen"), [this](const QString& t) { ui_->rows->setSuffix(t); });
    ui_->columns = spin("KolommenSpin", 2, BlendLimits::maxBiaxialSide, 5);
    captions_.keep(QT_TR_NOOP(" kolommen"), [this](const QString& t) { ui_->columns->setSuffix(t); });
    ui_->fixedSize = captions_.text(new QLabel, QT_TR_NOOP("7 rijen \u00d7 5 kolommen"));
    ui_->fixedSize->setObjectName(QStringLiteral("VasteGrootteLbl"));
    auto* sizeRow = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{ui_->cells, ui_->rows, ui_->columns, ui_->fixedSize})
        sizeRow->addWidget(w);
    auto* sizeLabel = captions_.text(new QLabel, QT_TR_NOOP("&Grootte"));
    sizeLabel->setBuddy(ui_->cells);
    form->addRow(sizeLabel, sizeRow);
    ui_->low = spin("VanSpin", 0, 99, 0);
    ui_->low->setSuffix(QStringLiteral(" %"));
    ui_->high = spin("TotSpin", 1, 100, 100);
    ui_->high->setSuffix(QStringLiteral(" %"));
    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(ui_->low, 1);
    rangeRow->addWidget(captions_.text(new QLabel, QT_TR_NOOP("tot")));
    rangeRow->addWidget(ui_->high, 1);
    auto* rangeLabel = captions_.text(new QLabel, QT_TR_NOOP("B van"));
    rangeLabel->setBuddy(ui_->low);
    form->addRow(rangeLabel, rangeRow);
    ui_->amount = new QDoubleSpinBox;
    ui_->amount->setObjectName(QStringLiteral("HoeveelheidSpin"));
    ui_->amount->setRange(0.1, BlendSettings::maxAmount);
    ui_->amount->setDecimals(1);
    ui_->amount->setValue(20.0);
    ui_->unit = new QComboBox;
    ui_->unit->setObjectName(QStringLiteral("EenheidBox"));
    ui_->unit->addItems({QStringLiteral("ml"), QStringLiteral("g")});
    auto* amountRow = new QHBoxLayout;
    amountRow->addWidget(ui_->amount, 1);
    amountRow->addWidget(ui_->unit);
    auto* amountLabel = captions_.text(new QLabel, QT_TR_NOOP("&Per cel"));
    amountLabel->setBuddy(ui_->amount);
    form->addRow(amountLabel, amountRow);
    ui_->margin = spin("MargeSpin", 0, 100, 10);
    ui_->margin->setSuffix(QStringLiteral(" %"));
    form->addRow(rowLabel(QT_TR_NOOP("&Marge"), ui_->margin), ui_->margin);

    ui_->tile = new BlendTileView;
    ui_->status = new QLabel;
    ui_->status->setObjectName(QStringLiteral("StatusLbl"));
    ui_->status->setWordWrap(true);
    ui_->status->setMinimumHeight(ui_->status->fontMetrics().lineSpacing() * 2 + 4);
    ui_->status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui_->details = new QPlainTextEdit;
    ui_->details->setObjectName(QStringLiteral("CelDetails"));
    ui_->details->setReadOnly(true);
    ui_->details->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    ui_->details->setMinimumWidth(360);

    auto* middle = new QVBoxLayout;
    middle->addWidget(ui_->tile, 1);
    middle->addWidget(ui_->status);
    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(middle, 1);
    columns->addWidget(ui_->details);

    auto* buttons = new QDialogButtonBox;
    ui_->makeGlaze = captions_.text(buttons->addButton(QString(), QDialogButtonBox::ActionRole),
                                    QT_TR_NOOP("Maak &glazuur"));
    ui_->makeGlaze->setObjectName(QStringLiteral("MaakGlazuurButton"));
    ui_->save = captions_.text(buttons->addButton(QString(), QDialogButtonBox::ActionRole),
                               QT_TR_NOOP("&Bewaar reeks"));
    ui_->save->setObjectName(QStringLiteral("BewaarButton"));
    ui_->stull = captions_.text(buttons->addButton(QString(), QDialogButtonBox::ActionRole),
                                QT_TR_NOOP("S&tull-diagram"));
    ui_->stull->setObjectName(QStringLiteral("StullButton"));
    ui_->print = captions_.text(buttons->addButton(QString(), QDialogButtonBox::ActionRole),
                                QT_TR_NOOP("&Afdrukken..."));
    ui_->print->setObjectName(QStringLiteral("AfdrukkenButton"));
    QPushButton* close =
        captions_.text(buttons->addButton(QString(), QDialogButtonBox::RejectRole), QT_TR_NOOP("Sluiten"));
    close->setObjectName(QStringLiteral("SluitenButton"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);

    const auto later = [this] { ui::guard(this, [this] { rebuild(); }); };
    connect(ui_->kind, &QComboBox::currentIndexChanged, this, later);
    for (QComboBox* box : ui_->corners)
        connect(box, &QComboBox::currentTextChanged, this, later);
    for (QSpinBox* box : {ui_->cells, ui_->rows, ui_->columns, ui_->low, ui_->high, ui_->margin})
        connect(box, &QSpinBox::valueChanged, this, later);
    connect(ui_->amount, &QDoubleSpinBox::valueChanged, this, later);
    connect(ui_->unit, &QComboBox::currentIndexChanged, this, later);
    connect(ui_->tile, &BlendTileView::cellChosen, this,
            [this](int number) { ui::guard(this, [&] { showCell(number); }); });
    connect(ui_->makeGlaze, &QPushButton::clicked, this,
            [this] { ui::guard(this, [this] { makeGlaze(); }); });
    connect(ui_->save, &QPushButton::clicked, this, [this] { ui::guard(this, [this] { saveBlend(); }); });
    connect(ui_->saved, &QComboBox::textActivated, this,
            [this](const QString& name) { ui::guard(this, [&] { openSaved(name); }); });
    connect(ui_->stull, &QPushButton::clicked, this, [this] {
        if (!current_->plan) return;
        QStringList names;
        QList<QPointF> points;
        for (std::size_t i = 0; i < current_->plan->grid.cells.size(); ++i) {
            const auto& f = current_->plan->mixes[i].formula;
            names << tr("cel %1").arg(current_->plan->grid.cells[i].number);
            points << QPointF(oxideIn(f, "sio2"), oxideIn(f, "al2o3"));
        }
        Q_EMIT stullChartRequested(ui_->name->text().trimmed(), names, points);
    });
    connect(ui_->print, &QPushButton::clicked, this, [this] { ui::guard(this, [this] { printSheet(); }); });

    ui::guard(this, [this] { fillSaved(); });
    reloadGlazes();
    resize(1100, 600);
}

TMengreeksForm::~TMengreeksForm() = default;

void TMengreeksForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        captions_.apply();
        ui::guard(this, [this] { rebuild(); });
    }
    QDialog::changeEvent(event);
}

void TMengreeksForm::reloadGlazes() {
    QStringList names;
    for (const auto& name : book_.glazeNames())
        names << text(name);
    for (QComboBox* box : ui_->corners) {
        const QString keep = box->currentText();
        const QSignalBlocker quiet(box);
        box->clear();
        box->addItems(names);
        box->setCurrentIndex(-1);
        box->setEditText(keep);
    }
    rebuild();
}

void TMengreeksForm::startFrom(const QString& glaze) {
    ui_->corners[0]->setEditText(glaze);
}

BlendSettings TMengreeksForm::settings() const {
    BlendSettings settings;
    settings.name = ui_->name->text().trimmed().toStdString();
    settings.kind = static_cast<BlendKind>(ui_->kind->currentData().toInt());
    settings.cells = ui_->cells->value();
    settings.rows = ui_->rows->value();
    settings.columns = ui_->columns->value();
    settings.low = ui_->low->value() / 100.0;
    settings.high = ui_->high->value() / 100.0;
    settings.amount = ui_->amount->value();
    settings.grams = ui_->unit->currentIndex() == 1;
    settings.margin = ui_->margin->value() / 100.0;
    const int corners = BlendGrid::cornersOf(settings.kind);
    for (int c = 0; c < corners; ++c)
        settings.corners.push_back(ui_->corners[c]->currentText().trimmed().toStdString());
    return settings;
}

void TMengreeksForm::fillSaved() {
    const QSignalBlocker quiet(ui_->saved);
    ui_->saved->clear();
    for (const auto& blend : BlendBook(book_.dataDir()).all())
        ui_->saved->addItem(text(blend.name));
    ui_->saved->setCurrentIndex(-1);
}

void TMengreeksForm::saveBlend() {
    BlendBook(book_.dataDir()).save(settings());
    fillSaved();
}

void TMengreeksForm::openSaved(const QString& name) {
    const auto blend = BlendBook(book_.dataDir()).find(name.toStdString());
    if (!blend) return;
    // One rebuild for the whole blend, not one per control.
    std::vector<std::unique_ptr<QSignalBlocker>> quiet;
    for (QObject* o : std::initializer_list<QObject*>{
             ui_->kind, ui_->cells, ui_->rows, ui_->columns, ui_->low, ui_->high, ui_->amount, ui_->unit,
             ui_->margin, ui_->corners[0], ui_->corners[1], ui_->corners[2], ui_->corners[3]})
        quiet.push_back(std::make_unique<QSignalBlocker>(o));
    ui_->name->setText(text(blend->name));
    ui_->kind->setCurrentIndex(ui_->kind->findData(static_cast<int>(blend->kind)));
    ui_->cells->setMaximum(blend->kind == BlendKind::Triaxial ? BlendLimits::maxTriaxialSide
                                                              : BlendLimits::maxLineCells);
    ui_->cells->setValue(blend->cells);
    ui_->rows->setValue(blend->rows);
    ui_->columns->setValue(blend->columns);
    ui_->low->setValue(static_cast<int>(std::lround(blend->low * 100)));
    ui_->high->setValue(static_cast<int>(std::lround(blend->high * 100)));
    ui_->amount->setValue(blend->amount);
    ui_->unit->setCurrentIndex(blend->grams ? 1 : 0);
    ui_->margin->setValue(static_cast<int>(std::lround(blend->margin * 100)));
    for (std::size_t c = 0; c < 4; ++c)
        ui_->corners[c]->setEditText(c < blend->corners.size() ? text(blend->corners[c]) : QString());
    quiet.clear();
    rebuild();
}

void TMengreeksForm::rebuild() {
    const BlendSettings settings = this->settings();
    const BlendKind kind = settings.kind;

    // Only the controls this kind uses can be used.
    const int corners = static_cast<int>(settings.corners.size());
    for (int c = 0; c < 4; ++c) {
        // Unused corners stay in place, greyed (a row hidden after showing
        // would leave its room empty).
        ui_->corners[c]->setEnabled(c < corners);
        ui_->cornerLabels[c]->setEnabled(c < corners);
    }
    ui_->cells->setVisible(kind == BlendKind::Line || kind == BlendKind::Triaxial);
    ui_->cells->setMaximum(kind == BlendKind::Triaxial ? BlendLimits::maxTriaxialSide
                                                       : BlendLimits::maxLineCells);
    ui_->cells->setSuffix(kind == BlendKind::Triaxial ? tr(" per zijde") : tr(" cellen"));
    ui_->rows->setVisible(kind == BlendKind::Biaxial);
    ui_->columns->setVisible(kind == BlendKind::Biaxial);
    ui_->fixedSize->setVisible(kind == BlendKind::Currie);
    ui_->low->setEnabled(kind == BlendKind::Line);
    ui_->high->setEnabled(kind == BlendKind::Line);

    current_->plan.reset();
    std::vector<BlendTileView::Cell> cells;
    const bool chosen = std::none_of(settings.corners.begin(), settings.corners.end(),
                                     [](const std::string& name) { return name.empty(); });
    try {
        if (!chosen) throw BlendError(tr("Kies de hoekglazuren.").toStdString());
        current_->plan = BlendPlan::make(settings, book_);
        ui_->status->clear();
    } catch (const BlendError& e) {
        ui_->status->setText(text(e.what()));
    }
    const BlendPlan* plan = current_->plan ? &*current_->plan : nullptr;
    ui_->makeGlaze->setEnabled(plan != nullptr);
    ui_->print->setEnabled(plan != nullptr);
    ui_->stull->setEnabled(plan != nullptr);
    if (plan) {
        std::vector<BlendPlan::Limits> limits;
        if (chemistry_->limits && chemistry_->masses)
            limits = plan->limitCheck(*chemistry_->limits, *chemistry_->masses, book_.catalogue());
        for (std::size_t i = 0; i < plan->grid.cells.size(); ++i) {
            const BlendCell& cell = plan->grid.cells[i];
            const auto& f = plan->mixes[i].formula;
            const double sio2 = oxideIn(f, "sio2");
            const double al2o3 = oxideIn(f, "al2o3");
            QColor colour(QStringLiteral("#eeeeee"));
            if (i < limits.size())
                colour = limits[i] == BlendPlan::Limits::Inside    ? QColor(QStringLiteral("#c8e6c9"))
                         : limits[i] == BlendPlan::Limits::Outside ? QColor(QStringLiteral("#ffcdd2"))
                                                                   : colour;
            cells.push_back({cell.number, cell.row, cell.column,
                             al2o3 > 0.0 ? QString::number(sio2 / al2o3, 'f', 1) : QStringLiteral("-"),
                             colour, plan->mixes[i].tooLarge.empty() ? QString() : QStringLiteral("*")});
        }
        const auto tileShape = kind == BlendKind::Line       ? BlendTileView::Shape::Strip
                               : kind == BlendKind::Triaxial ? BlendTileView::Shape::Triangle
                                                             : BlendTileView::Shape::Grid;
        ui_->tile->setCells(tileShape, plan->grid.rows, plan->grid.columns, std::move(cells));
        if (chemistry_->limits)
            ui_->status->setText(
                tr("Groen: binnen de grenswaarden van de kegels van hoek A; rood: erbuiten."));
    } else {
        ui_->tile->setCells(BlendTileView::Shape::Grid, 1, 1, {});
    }
    showCell(ui_->tile->chosen() > 0 ? ui_->tile->chosen() : 1);
}

void TMengreeksForm::showCell(int number) {
    const BlendPlan* plan = current_->plan ? &*current_->plan : nullptr;
    if (!plan || number < 1 || number > static_cast<int>(plan->grid.cells.size())) {
        ui_->details->clear();
        return;
    }
    ui_->tile->setChosen(number);
    ui_->details->setPlainText(joined(plan->cellText(static_cast<std::size_t>(number - 1))));
}

void TMengreeksForm::makeGlaze() {
    if (!current_->plan || ui_->tile->chosen() < 1) return;
    const View& glazes = book_.glazeView();
    if (glazes.state() == ViewState::Edit || glazes.state() == ViewState::Insert) {
        prompter_.message(tr("Sla eerst het glazuur op dat in bewerking is.").toStdString());
        return;
    }
    const BlendPlan& plan = *current_->plan;
    if (plan.settings.name.empty()) {
        prompter_.message(tr("Geef de mengreeks eerst een naam.").toStdString());
        return;
    }
    const Glaze glaze = plan.cellGlaze(static_cast<std::size_t>(ui_->tile->chosen() - 1), book_.catalogue());
    if (RecordNames::taken(glaze.naam, book_.glazeNames())) {
        prompter_.message(tr("Er is al een glazuur met de naam %1.").arg(text(glaze.naam)).toStdString());
        return;
    }
    book_.addGlaze(glaze);
    book_.save();
    // The blend is kept with its glaze, so that it can be opened again.
    BlendBook(book_.dataDir()).save(plan.settings);
    fillSaved();
    prompter_.information(tr("Glazuur %1 opgeslagen.").arg(text(glaze.naam)).toStdString());
    reloadGlazes();
}

void TMengreeksForm::printSheet() {
    if (!current_->plan) return;
    printer_.setDocName(QString::fromLatin1(ReportPrinter::jobTitle));
    // Currie's grid of 35 cells needs the larger sheet.
    printer_.setPageSize(
        QPageSize(current_->plan->grid.kind == BlendKind::Currie ? QPageSize::A3 : QPageSize::A4));
    // The sheet is headed with the series and the cones of its first corner.
    const BlendSettings& settings = current_->plan->settings;
    SheetHeading heading;
    heading.title = tr("Mengreeks");
    heading.glaze = text(settings.name);
    if (!settings.corners.empty())
        if (const auto corner = book_.findGlaze(settings.corners.front()))
            heading.cones = SheetHeading::conesOf(corner->skva, corner->sktt);
    ReportPrinter::printWithDialog(this, printer_, current_->plan->sheet(), heading);
}

} // namespace kelvora
