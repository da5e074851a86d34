// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/ReceptImportFormUnit.h"

#include <QEvent>

#include "common/Prompter.h"
#include "common/RegularFile.h"
#include "glaze/ImportPreviewModels.h"
#include "interchange/ImportBounds.h"
#include "interchange/ImportError.h"
#include "interchange/ImportPlan.h"
#include "interchange/ImportWriter.h"
#include "interchange/RecipeFormat.h"
#include "store/AliasBook.h"
#include "store/GlazeBook.h"
#include "widgets/WindowPlacement.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace kelvora {

namespace {

constexpr RecipeFormat kFormats[] = {
    RecipeFormat::GlazyYaml,  RecipeFormat::GlazyJson, RecipeFormat::InsightXml, RecipeFormat::GlazeChem,
    RecipeFormat::HyperGlaze, RecipeFormat::Sankey,    RecipeFormat::Lipgloss,   RecipeFormat::Text};

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

std::vector<std::string> materialNames(const GlazeBook& book) {
    std::vector<std::string> names;
    for (const auto& m : book.materials())
        names.push_back(m.naam);
    return names;
}

QTableView* previewTable(const char* name, QAbstractItemModel* model) {
    auto* view = new QTableView;
    view->setObjectName(QLatin1String(name));
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setStretchLastSection(true);
    view->setTabKeyNavigation(false);
    return view;
}

} // namespace

struct TReceptImportForm::Ui {
    QLabel* source = nullptr;
    QComboBox* format = nullptr;
    QTableView* materials = nullptr;
    QTableView* recipes = nullptr;
    ImportMaterialsModel* materialsModel = nullptr;
    ImportRecipesModel* recipesModel = nullptr;
    QGroupBox* choiceBox = nullptr;
    QLabel* choiceAbout = nullptr;
    QButtonGroup* choices = nullptr;
    QRadioButton* mapTo = nullptr;
    QComboBox* mapTarget = nullptr;
    QCheckBox* remember = nullptr;
    QRadioButton* fromAnalysis = nullptr;
    QCheckBox* outsideConfirmed = nullptr;
    QRadioButton* withoutAnalysis = nullptr;
    QRadioButton* skip = nullptr;
    QLabel* summary = nullptr;
    QPushButton* importButton = nullptr;
};

struct TReceptImportForm::State {
    bool sourceChosen = false; // the source line names a file or pasted text
    std::string bytes;         // what was read, kept to read again in another format
    QString source;
    bool pasted = false;
    ImportedFile file;
    std::optional<ImportPlan> plan;
    std::vector<Alias> aliases;
    int shownMaterial = -1;
    bool filling = false; // the choice controls are being set from the plan
};

TReceptImportForm::TReceptImportForm(GlazeBook& book, Prompter& prompter, const std::string& chemistryFolder,
                                     QWidget* parent)
    : QDialog(parent), book_(book), prompter_(prompter), chemistryFolder_(chemistryFolder),
      ui_(std::make_unique<Ui>()), state_(std::make_unique<State>()) {
    setObjectName(QStringLiteral("ReceptImportForm"));
    captions_.windowTitle(this, QT_TR_NOOP("Recepten importeren"));

    auto* fileButton = captions_.text(new QPushButton, QT_TR_NOOP("&Bestand..."));
    fileButton->setObjectName(QStringLiteral("BestandButton"));
    auto* pasteButton = captions_.text(new QPushButton, QT_TR_NOOP("&Plakken..."));
    pasteButton->setObjectName(QStringLiteral("PlakkenButton"));
    ui_->format = new QComboBox;
    ui_->format->setObjectName(QStringLiteral("FormaatBox"));
    ui_->format->addItem(QString(), -1);
    captions_.keep(QT_TR_NOOP("herkennen"), [this](const QString& t) { ui_->format->setItemText(0, t); });
    for (RecipeFormat format : kFormats)
        ui_->format->addItem(QString::fromLatin1(recipeFormatName(format).data(),
                                                 static_cast<qsizetype>(recipeFormatName(format).size())),
                             static_cast<int>(format));
    auto* formatLabel = captions_.text(new QLabel, QT_TR_NOOP("&Formaat"));
    formatLabel->setBuddy(ui_->format);
    ui_->source = new QLabel;
    showNoSource();
    ui_->source->setObjectName(QStringLiteral("BronLbl"));
    ui_->source->setWordWrap(true);
    auto* top = new QHBoxLayout;
    top->addWidget(fileButton);
    top->addWidget(pasteButton);
    top->addWidget(formatLabel);
    top->addWidget(ui_->format);
    top->addWidget(ui_->source, 1);

    ui_->materialsModel = new ImportMaterialsModel(this);
    ui_->recipesModel = new ImportRecipesModel(this);
    ui_->materials = previewTable("GrondstoffenTabel", ui_->materialsModel);
    captions_.keep(QT_TR_NOOP("Grondstoffen in het bestand"),
                   [w = ui_->materials](const QString& t) { w->setAccessibleName(t); });
    ui_->recipes = previewTable("ReceptenTabel", ui_->recipesModel);
    captions_.keep(QT_TR_NOOP("Recepten in het bestand"),
                   [w = ui_->recipes](const QString& t) { w->setAccessibleName(t); });

    ui_->choiceBox = new QGroupBox;
    captions_.title(ui_->choiceBox, QT_TR_NOOP("Grondstof"));
    ui_->choiceBox->setObjectName(QStringLiteral("KeuzeGroep"));
    ui_->choiceAbout = new QLabel;
    ui_->choiceAbout->setObjectName(QStringLiteral("KeuzeUitleg"));
    ui_->choiceAbout->setWordWrap(true);
    ui_->choices = new QButtonGroup(this);
    ui_->mapTo = captions_.text(new QRadioButton, QT_TR_NOOP("&Koppelen aan"));
    ui_->mapTo->setObjectName(QStringLiteral("KoppelenRadio"));
    ui_->mapTarget = new QComboBox;
    ui_->mapTarget->setObjectName(QStringLiteral("KoppelenBox"));
    ui_->mapTarget->setEditable(true);
    ui_->mapTarget->setInsertPolicy(QComboBox::NoInsert);
    ui_->mapTarget->setMinimumContentsLength(24);
    captions_.keep(QT_TR_NOOP("Grondstof om aan te koppelen"),
                   [w = ui_->mapTarget](const QString& t) { w->setAccessibleName(t); });
    ui_->remember = captions_.text(new QCheckBox, QT_TR_NOOP("&onthouden"));
    ui_->remember->setObjectName(QStringLiteral("OnthoudenCheck"));
    ui_->fromAnalysis = captions_.text(new QRadioButton, QT_TR_NOOP("Nieuw uit &analyse"));
    ui_->fromAnalysis->setObjectName(QStringLiteral("AnalyseRadio"));
    ui_->outsideConfirmed = captions_.text(new QCheckBox, QT_TR_NOOP("stoffen buiten de oxiden &weglaten"));
    ui_->outsideConfirmed->setObjectName(QStringLiteral("BuitenCheck"));
    ui_->withoutAnalysis = captions_.text(new QRadioButton, QT_TR_NOOP("Nieuw &zonder analyse"));
    ui_->withoutAnalysis->setObjectName(QStringLiteral("ZonderRadio"));
    ui_->skip =
        captions_.text(new QRadioButton, QT_TR_NOOP("&Overslaan (met de recepten die hem gebruiken)"));
    ui_->skip->setObjectName(QStringLiteral("OverslaanRadio"));
    int id = 0;
    for (QRadioButton* b : {ui_->mapTo, ui_->fromAnalysis, ui_->withoutAnalysis, ui_->skip})
        ui_->choices->addButton(b, id++);
    auto* mapRow = new QHBoxLayout;
    mapRow->addWidget(ui_->mapTo);
    mapRow->addWidget(ui_->mapTarget, 1);
    mapRow->addWidget(ui_->remember);
    auto* analysisRow = new QHBoxLayout;
    analysisRow->addWidget(ui_->fromAnalysis);
    analysisRow->addWidget(ui_->outsideConfirmed);
    analysisRow->addStretch(1);
    auto* choiceLayout = new QVBoxLayout(ui_->choiceBox);
    choiceLayout->addWidget(ui_->choiceAbout);
    choiceLayout->addLayout(mapRow);
    choiceLayout->addLayout(analysisRow);
    choiceLayout->addWidget(ui_->withoutAnalysis);
    choiceLayout->addWidget(ui_->skip);

    ui_->summary = new QLabel;
    ui_->summary->setObjectName(QStringLiteral("SamenvattingLbl"));
    ui_->summary->setWordWrap(true);
    auto* buttons = new QDialogButtonBox;
    ui_->importButton = captions_.text(buttons->addButton(QString(), QDialogButtonBox::AcceptRole),
                                       QT_TR_NOOP("&Importeren"));
    ui_->importButton->setObjectName(QStringLiteral("ImporterenButton"));
    ui_->importButton->setEnabled(false);
    auto* closeButton =
        captions_.text(buttons->addButton(QString(), QDialogButtonBox::RejectRole), QT_TR_NOOP("&Sluiten"));
    closeButton->setObjectName(QStringLiteral("SluitenButton"));

    auto* materialsPart = new QWidget;
    auto* materialsLayout = new QVBoxLayout(materialsPart);
    materialsLayout->setContentsMargins(0, 0, 0, 0);
    auto* materialsLabel = captions_.text(new QLabel, QT_TR_NOOP("&Grondstoffen"));
    materialsLabel->setBuddy(ui_->materials);
    materialsLayout->addWidget(materialsLabel);
    materialsLayout->addWidget(ui_->materials, 1);
    materialsLayout->addWidget(ui_->choiceBox);
    auto* recipesPart = new QWidget;
    auto* recipesLayout = new QVBoxLayout(recipesPart);
    recipesLayout->setContentsMargins(0, 0, 0, 0);
    auto* recipesLabel = captions_.text(new QLabel, QT_TR_NOOP("&Recepten"));
    recipesLabel->setBuddy(ui_->recipes);
    recipesLayout->addWidget(recipesLabel);
    recipesLayout->addWidget(ui_->recipes, 1);
    auto* split = new QSplitter(Qt::Horizontal);
    split->setChildrenCollapsible(false);
    split->addWidget(materialsPart);
    split->addWidget(recipesPart);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(split, 1);
    layout->addWidget(ui_->summary);
    layout->addWidget(buttons);

    connect(fileButton, &QPushButton::clicked, this, &TReceptImportForm::chooseFile);
    connect(pasteButton, &QPushButton::clicked, this, &TReceptImportForm::pasteText);
    connect(ui_->format, &QComboBox::activated, this, [this] {
        if (!state_->bytes.empty()) read(state_->bytes, state_->source, state_->pasted);
    });
    connect(ui_->materials->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { showMaterial(current.row()); });
    connect(ui_->choices, &QButtonGroup::idClicked, this, [this] { applyChoice(); });
    connect(ui_->mapTarget, &QComboBox::currentTextChanged, this, [this] {
        if (ui_->mapTo->isChecked()) applyChoice();
    });
    for (QCheckBox* box : {ui_->remember, ui_->outsideConfirmed})
        connect(box, &QCheckBox::toggled, this, [this] { applyChoice(); });
    connect(ui_->importButton, &QPushButton::clicked, this, &TReceptImportForm::importNow);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

    showMaterial(-1);
    ui::fitInitialSize(this, QSize(960, 600));
}

TReceptImportForm::~TReceptImportForm() = default;

void TReceptImportForm::showNoSource() {
    ui_->source->setText(tr("Kies een bestand of plak een recept."));
}

void TReceptImportForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        captions_.apply();
        if (!state_->sourceChosen) showNoSource();
        showPlan();
    }
    QDialog::changeEvent(event);
}

void TReceptImportForm::setReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    showPlan();
}

bool TReceptImportForm::openFile(const QString& path) {
    std::string bytes, reason;
    const std::string file = path.toStdString();
    if (!RegularFile::read(file, bytes, reason, ImportBounds::kMaxBytes + 1)) reason = "bestaat niet";
    if (!reason.empty()) {
        prompter_.message(tr("Kan %1 niet lezen: %2").arg(path, text(reason)).toStdString());
        return false;
    }
    return read(bytes, path, false);
}

bool TReceptImportForm::openText(const QString& pasted) {
    return read(pasted.toStdString(), tr("geplakte tekst"), true);
}

bool TReceptImportForm::read(const std::string& bytes, const QString& source, bool pasted) {
    state_->sourceChosen = true;
    state_->bytes = bytes;
    state_->source = source;
    state_->pasted = pasted;
    state_->plan.reset();
    state_->shownMaterial = -1;
    const int chosen = ui_->format->currentData().toInt();
    // Pasted text is read as text unless the potter chose a format.
    const RecipeFormat format = chosen >= 0 ? static_cast<RecipeFormat>(chosen)
                                : pasted    ? RecipeFormat::Text
                                            : recogniseRecipeFormat(bytes);
    try {
        ImportBounds::checkSize(bytes.size());
        state_->file = readRecipeFile(bytes, format);
        AliasBook aliases(book_.dataDir(), AliasBook::shippedFile(chemistryFolder_));
        aliases.load();
        state_->aliases = aliases.all();
        std::vector<Material> materials = book_.materials();
        state_->plan.emplace(state_->file, materials, book_.glazeNames(), state_->aliases);
    } catch (const std::exception& e) {
        state_->file = {};
        ui_->source->setText(tr("%1: niet gelezen").arg(source));
        showPlan();
        prompter_.message(e.what());
        return false;
    }
    const auto name = recipeFormatName(format);
    ui_->source->setText(
        tr("%1 (%2)").arg(source, QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))));
    showPlan();
    if (!state_->plan->materials().empty()) ui_->materials->selectRow(0);
    return true;
}

void TReceptImportForm::chooseFile() {
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Recepten importeren"), QString(),
        tr("Receptbestanden (*.yaml *.yml *.gz *.json *.xml *.glz *.mat *.txt *.csv);;Alle bestanden (*)"));
    if (!path.isEmpty()) openFile(path);
}

void TReceptImportForm::pasteText() {
    bool ok = false;
    const QString pasted = QInputDialog::getMultiLineText(
        this, tr("Plak recept"), tr("Plak het recept (naam, dan per regel grondstof en hoeveelheid):"),
        QString(), &ok);
    if (ok && !pasted.trimmed().isEmpty()) openText(pasted);
}

void TReceptImportForm::showPlan() {
    const ImportPlan* plan = state_->plan ? &*state_->plan : nullptr;
    const int row = state_->shownMaterial;
    ui_->materialsModel->show(plan);
    ui_->recipesModel->show(plan);
    ui_->materials->resizeColumnsToContents();
    ui_->recipes->resizeColumnsToContents();
    if (plan && row >= 0 && row < static_cast<int>(plan->materials().size())) {
        ui_->materials->selectionModel()->blockSignals(true);
        ui_->materials->selectRow(row);
        ui_->materials->selectionModel()->blockSignals(false);
    }
    showMaterial(row);

    if (!plan) {
        ui_->summary->clear();
        ui_->importButton->setEnabled(false);
        return;
    }
    int skipped = 0;
    for (const auto& r : plan->recipes())
        skipped += r.skipped ? 1 : 0;
    const auto problems = plan->problems();
    const int recipes = static_cast<int>(plan->newGlazes().size());
    const int materials = static_cast<int>(plan->newMaterials().size());
    // Until everything is settled the line says what is left, not what
    // would be written.
    QString summary =
        problems.empty()
            ? tr("Bij Importeren worden opgeslagen: %1 recept(en), %2 nieuwe grondstof(fen).")
                  .arg(recipes)
                  .arg(materials)
            : tr("Nog te regelen: %1").arg(text(problems.front())) +
                  (problems.size() > 1 ? tr(" (en %1 meer)").arg(problems.size() - 1) : QString());
    if (skipped > 0) summary += QLatin1Char(' ') + tr("%1 recept(en) overgeslagen.").arg(skipped);
    if (readOnly_) summary += QLatin1Char(' ') + tr("Alleen lezen: er wordt niets opgeslagen.");
    ui_->summary->setText(summary);
    ui_->importButton->setEnabled(!readOnly_ && plan->settled() && recipes > 0);
}

void TReceptImportForm::showMaterial(int row) {
    state_->shownMaterial = row;
    const bool shown = state_->plan && row >= 0 && row < static_cast<int>(state_->plan->materials().size());
    ui_->choiceBox->setEnabled(shown);
    state_->filling = true;
    if (!shown) {
        ui_->choiceAbout->setText(tr("Kies een grondstof in de lijst."));
        ui_->mapTarget->clear();
        state_->filling = false;
        return;
    }
    const PlannedMaterial& m = state_->plan->materials()[static_cast<std::size_t>(row)];
    QStringList about;
    about << tr("'%1': %2").arg(text(m.name), text(m.state()));
    if (!m.recipes.empty()) {
        QStringList users;
        for (const auto& r : m.recipes)
            users << text(r);
        about << tr("Gebruikt in: %1").arg(users.join(QStringLiteral(", ")));
    }
    for (const auto& note : m.notes)
        about << text(note);
    if (const std::string problem = m.problem(); !problem.empty()) about << text(problem);
    ui_->choiceAbout->setText(about.join(QLatin1Char('\n')));

    // Suggestions first, then every material; none is chosen for the potter.
    ui_->mapTarget->clear();
    QStringList names;
    for (const auto& s : m.resolution.suggestions)
        names << text(s);
    const int suggestions = static_cast<int>(names.size());
    for (const auto& name : materialNames(book_))
        if (!names.contains(text(name))) names << text(name);
    ui_->mapTarget->addItems(names);
    if (suggestions > 0) ui_->mapTarget->insertSeparator(suggestions);
    ui_->mapTarget->setCurrentIndex(-1);
    if (m.choice == MaterialChoice::MapTo) ui_->mapTarget->setCurrentText(text(m.mapTo));
    ui_->mapTarget->lineEdit()->setPlaceholderText(
        suggestions > 0 ? tr("lijkt op: %1").arg(names.mid(0, suggestions).join(QStringLiteral(", ")))
                        : tr("(kies een grondstof)"));

    const bool hasAnalysis = m.fileMaterial && m.fileMaterial->kind != AnalysisKind::None;
    ui_->fromAnalysis->setEnabled(hasAnalysis);
    ui_->outsideConfirmed->setVisible(m.conversion && !m.conversion->outside.empty());
    ui_->outsideConfirmed->setChecked(m.outsideConfirmed);
    ui_->remember->setChecked(m.remember);
    ui_->choices->setExclusive(false);
    for (QAbstractButton* b : ui_->choices->buttons())
        b->setChecked(false);
    ui_->choices->setExclusive(true);
    switch (m.choice) {
    case MaterialChoice::MapTo:
        ui_->mapTo->setChecked(true);
        break;
    case MaterialChoice::FromAnalysis:
        ui_->fromAnalysis->setChecked(true);
        break;
    case MaterialChoice::WithoutAnalysis:
        ui_->withoutAnalysis->setChecked(true);
        break;
    case MaterialChoice::Skip:
        ui_->skip->setChecked(true);
        break;
    case MaterialChoice::Open:
        break;
    }
    ui_->remember->setEnabled(m.choice == MaterialChoice::MapTo);
    state_->filling = false;
}

void TReceptImportForm::applyChoice() {
    const int row = state_->shownMaterial;
    if (state_->filling || !state_->plan || row < 0 ||
        row >= static_cast<int>(state_->plan->materials().size()))
        return;
    PlannedMaterial& m = state_->plan->materials()[static_cast<std::size_t>(row)];
    switch (ui_->choices->checkedId()) {
    case 0: {
        // Only a name the store has counts as a choice.
        const std::string target = ui_->mapTarget->currentText().trimmed().toStdString();
        const auto names = materialNames(book_);
        const bool known = std::find(names.begin(), names.end(), target) != names.end();
        m.choice = MaterialChoice::MapTo;
        m.mapTo = known ? target : std::string();
        m.remember = ui_->remember->isChecked();
        break;
    }
    case 1:
        m.choice = MaterialChoice::FromAnalysis;
        break;
    case 2:
        m.choice = MaterialChoice::WithoutAnalysis;
        break;
    case 3:
        m.choice = MaterialChoice::Skip;
        break;
    default:
        return;
    }
    m.outsideConfirmed = ui_->outsideConfirmed->isChecked();
    state_->plan->update();
    showPlan();
}

void TReceptImportForm::importNow() {
    if (readOnly_ || !state_->plan || !state_->plan->settled()) return;
    QStringList stored;
    for (const auto& glaze : state_->plan->newGlazes())
        stored << text(glaze.naam);
    try {
        AliasBook aliases(book_.dataDir(), AliasBook::shippedFile(chemistryFolder_));
        aliases.load();
        const ImportWriter::Written written = ImportWriter::write(*state_->plan, book_, aliases);
        prompter_.information(tr("%1 recepten en %2 nieuwe grondstoffen opgeslagen.")
                                  .arg(written.glazes)
                                  .arg(written.materials)
                                  .toStdString());
    } catch (const std::exception& e) {
        // The writer left every table as it was; the book reads them again.
        try {
            book_.load();
        } catch (const std::exception&) {
        }
        prompter_.message(tr("Er is niets geïmporteerd: %1").arg(text(e.what())).toStdString());
        return;
    }
    state_->plan.reset();
    state_->bytes.clear();
    ui_->source->setText(tr("Geïmporteerd: %1").arg(stored.join(QStringLiteral(", "))));
    showPlan();
    Q_EMIT imported(stored);
}

} // namespace kelvora
