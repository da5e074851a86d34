// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/GlazFormUnit.h"

#include "common/NumberFormat.h"
#include "common/Prompter.h"
#include "engine/GlzDMUnit.h"
#include "glaze/AnalysisReport.h"
#include "glaze/BatchPage.h"
#include "glaze/CategoryBox.h"
#include "glaze/ChemiePage.h"
#include "glaze/ChemistryDataFiles.h"
#include "glaze/GlazeCategories.h"
#include "glaze/GlazePreview.h"
#include "glaze/MaterialNameCompletion.h"
#include "glaze/ReceptZoekenFormUnit.h"
#include "glaze/ReportPrinter.h"
#include "glaze/VervangGrondstofFormUnit.h"
#include "glaze/VerwijderMatFormUnit.h"
#include "glaze/ViewFollower.h"
#include "materials/MatLkupFormUnit.h"
#include "model/OxideCatalogue.h"
#include "model/RecordNames.h"
#include "notebook/ProevenPage.h"
#include "solver/NewGlazeWriter.h"
#include "store/Notebook.h"
#include "store/RecordMapper.h"
#include "store/SettingsTable.h"
#include "widgets/DBComboBox.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DBLabel.h"
#include "widgets/DBMemo.h"
#include "widgets/DBNavigator.h"
#include "widgets/DuplicateNameCheck.h"
#include "widgets/ErrorBox.h"
#include "widgets/FieldKeys.h"
#include "widgets/NewRecordDefaults.h"
#include "widgets/ReadOnlyRun.h"
#include "widgets/ViewAutoSave.h"
#include "widgets/WindowPlacement.h"
#include "widgets/WindowShortcuts.h"

#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

namespace kelvora {

namespace {
// The material name a drag carries: the lookup window's own name, else one
// line of plain text (trimmed, at most a name's width); empty for anything else.
QString draggedMaterial(const QMimeData* data) {
    if (!data) return {};
    const QString own = QString::fromUtf8(data->data(QString::fromLatin1(TMatLkupForm::dragMimeType())));
    const QString name = (own.isEmpty() ? data->text() : own).trimmed();
    if (name.contains(QLatin1Char('\n')) || name.size() > static_cast<int>(RecordNames::width)) return {};
    return name;
}

// The headings of the formula's three columns, as the oxide catalogue names
// the groups.
const char* groupHeading(OxideGroup group) {
    switch (group) {
    case OxideGroup::Basic:
        return QT_TRANSLATE_NOOP("kelvora::TGlazForm", "Basen");
    case OxideGroup::Neutral:
        return QT_TRANSLATE_NOOP("kelvora::TGlazForm", "Neutraal");
    case OxideGroup::Acid:
        return QT_TRANSLATE_NOOP("kelvora::TGlazForm", "Zuren");
    }
    return OxideCatalogue::groupHeading(group);
}

constexpr const char* kSaveQuestion =
    QT_TRANSLATE_NOOP("kelvora::TGlazForm", "Wijzigingen in het glazuur opslaan?");
constexpr const char* kPrintJobTitle = "Kelvora printjob";
constexpr const char* kStale = QT_TRANSLATE_NOOP("kelvora::TGlazForm", "Niet bijgewerkt: druk op Bereken");
constexpr const char* kEditorClosed = QT_TRANSLATE_NOOP(
    "kelvora::TGlazForm",
    "Open eerst het venster Glazuren: grondstoffen worden toegevoegd aan het glazuur dat daar openstaat.");

// Fixed pitch keeps the report's columns under each other; where Courier New
// is not installed the font system picks its metric twin.
QFont reportFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Courier"),
                      QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(10);
    return font;
}

// The printout: bold Courier New of 11 points (15 pixels on a 96 dpi screen).
QFont printFont() {
    QFont font = reportFont();
    font.setPointSize(11);
    font.setBold(true);
    return font;
}

QLabel* heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QPushButton* button(const QString& text, const char* name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    // Return in a field commits the field; it must not also press a button.
    b->setAutoDefault(false);
    return b;
}

ui::DBEdit* edit(View* view, const std::string& field, const char* format, QWidget* parent) {
    auto* e = new ui::DBEdit(view, field, parent);
    e->setObjectName(QString::fromStdString(field));
    if (format) {
        e->setDisplayFormat(format);
        e->setAlignment(Qt::AlignRight);
    }
    return e;
}

void setLines(QTextEdit* view, const std::vector<std::string>& lines) {
    QStringList text;
    for (const auto& line : lines)
        text << QString::fromStdString(line);
    view->setPlainText(text.join(QLatin1Char('\n')));
}

std::vector<std::string> linesOf(const QTextEdit* view) {
    std::vector<std::string> lines;
    for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next())
        lines.push_back(block.text().toStdString());
    return lines;
}

} // namespace

TGlazForm::TGlazForm(TGlzDM& dataModule, Prompter& prompter, SettingsFile& settings, QWidget* parent)
    : QDialog(parent), dataModule_(dataModule), prompter_(prompter), settings_(settings),
      printer_(QPrinter::HighResolution) {
    setObjectName(QStringLiteral("GlazForm"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // Modal over the window that opens it only, so the help viewer and the
    // lookup window stay usable beside it.
    setWindowModality(Qt::WindowModal);
    printer_.setDocName(QString::fromLatin1(kPrintJobTitle));
    buildControls();
    autoSave_ = new ui::ViewAutoSave(dataModule_.GlzCDS, this);
    GlzDBN->setPrompter(&prompter_);
    ui::WindowShortcuts::addHelp(this, [this] { HelpButtonClick(); });
    ui::WindowShortcuts::addPost(this, GlzDBN);
    FormCreate();
    // Material names complete as they are typed and take the material's own
    // spelling when left; a new glaze starts in percentages, dated today.
    auto* names = new ui::MaterialNameCompletion(dataModule_.MatCDS, this);
    for (auto* e : MatEdit)
        names->attach(e);
    for (auto* e : TvsEdit)
        names->attach(e);
    ui::setNewGlazeDefaults(dataModule_.GlzCDS);
    follower_ = std::make_unique<ViewFollower>(dataModule_.GlzCDS, [this] {
        showWhetherStored();
        followMode();
        followTests();
    });
    connect(Basisch1CB, &QCheckBox::toggled, this, [this] { showWhetherStored(); });
    retranslate();
}

void TGlazForm::retranslate() {
    const QString title = tr("Glazuren invoeren onderhouden");
    setWindowTitle(readOnlyRun_ ? ui::ReadOnlyRun::title(title) : title);
    captions_.apply();
    PageControl1->setTabText(PageControl1->indexOf(ChemieTS), tr("Chemie"));
    DBGrid1->setView(glazes(), gridColumns());
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    showBasicTotal();
    ui::installDuplicateNameCheck(dataModule_.GlzCDS, prompter_,
                                  tr("Er bestaat al een glazuur '%1'. Toch bewaren?"));
}

void TGlazForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(event);
}

std::vector<ui::GridColumn> TGlazForm::gridColumns() const {
    return {{"naam", tr("Naam"), 190},      {"datm", tr("Datum"), 80, ui::GridColumn::dateFormat},
            {"skva", tr("SK vanaf"), 84},   {"sktt", tr("SK tot"), 84},
            {"catg", tr("Categorie"), 200}, {"oxrd", tr("Ox./Red."), 80}};
}

TGlazForm::~TGlazForm() {
    ui::removeDuplicateNameCheck(dataModule_.GlzCDS);
    FormDestroy();
}

void TGlazForm::setReadOnlyRun() {
    readOnlyRun_ = true;
    glazes()->setReadOnly(true);
    retranslate();
    applyReadOnlyRun();
}

void TGlazForm::applyReadOnlyRun() {
    if (!readOnlyRun_) return;
    ui::ReadOnlyRun::disableEditing(
        this,
        {BerekenButton, ZoekGrondstoffenButton, ZoekGrondstoffen2Button, VerwijderMatButton,
         VerwToegevMatButton, ReceptZoekenButton, VervangGrondstofButton, Basisch1CB, KopieButton, StatusCB,
         ChemieTS ? ChemieTS->findChild<QPushButton*>(QStringLiteral("MengreeksButton")) : nullptr});
    DBGrid1->setGridReadOnly(true);
    if (ProevenTS) ProevenTS->setReadOnly(true);
}

void TGlazForm::followMode() {
    const bool percentages = glazes()->active() && glazes()->asText("molp") == "P";
    for (std::size_t i = 0; i < MatEdit.size(); ++i) {
        MtmEdit[i]->setFocusPolicy(percentages ? Qt::ClickFocus : Qt::StrongFocus);
        MtpEdit[i]->setFocusPolicy(percentages ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

View* TGlazForm::glazes() const {
    return &dataModule_.GlzCDS;
}

bool TGlazForm::saveNow() {
    return autoSave_->saveNow();
}

// ---- building the window ---------------------------------------------------

void TGlazForm::buildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);

    auto* strip = new QHBoxLayout;
    GlzDBN = new ui::DBNavigator(this);
    GlzDBN->setObjectName(QStringLiteral("GlzDBN"));
    GlzDBN->setVisibleButtons(ui::DBNavigator::Editing);
    GlzDBN->setView(glazes());
    connect(GlzDBN, &ui::DBNavigator::clicked, this, [this] { GlzDBNClick(); });
    HelpButton = captions_.text(button({}, "HelpButton", this), QT_TR_NOOP("Help"));
    connect(HelpButton, &QPushButton::clicked, this, [this] { HelpButtonClick(); });
    CloseButton = captions_.text(button({}, "CloseButton", this), QT_TR_NOOP("Sluiten"));
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    strip->addWidget(GlzDBN);
    strip->addStretch(1);
    strip->addWidget(HelpButton);
    strip->addWidget(CloseButton);
    layout->addLayout(strip);

    layout->addWidget(buildHeader());

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    buildBrowsePage();
    buildRecipePage();
    buildDescriptionPage();
    buildAdditionsPage();
    buildAnalysePage();
    buildBatchPage();
    setChemistryDataFolder(ChemistryDataFiles::folder);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) { PageChanged(index); });
    layout->addWidget(PageControl1, 1);
    buildLayout();
}

// Sizes drawn for the default font become what a larger font needs.
void TGlazForm::buildLayout() {
    const int buttonHeight = ui::heightAtLeast(HelpButton, 25);
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setFixedHeight(buttonHeight);
    // The browse grid's columns start as wide as their contents (within a
    // limit) and can be dragged wider or narrower.
    QHeaderView* columns = DBGrid1->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setStretchLastSection(true);
    auto widenColumns = [this] {
        const int limit = DBGrid1->fontMetrics().horizontalAdvance(QString(40, QLatin1Char('n')));
        const auto& designed = DBGrid1->viewModel()->columns();
        for (int c = 0; c < DBGrid1->viewModel()->columnCount(); ++c) {
            DBGrid1->resizeColumnToContents(c);
            const int wanted = std::max(DBGrid1->horizontalHeader()->sectionSizeHint(c),
                                        std::min(DBGrid1->columnWidth(c), limit));
            DBGrid1->setColumnWidth(c, std::max(designed[static_cast<std::size_t>(c)].width, wanted));
        }
    };
    connect(DBGrid1->model(), &QAbstractItemModel::modelReset, this, widenColumns);
    widenColumns();
    ui::fitFixedSize(this, QSize(774, 503));
}

QWidget* TGlazForm::buildHeader() {
    View* v = glazes();
    auto* header = new QWidget(this);
    auto* grid = new QGridLayout(header);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);

    NaamEdit = edit(v, "naam", nullptr, header);
    PrysEdit = edit(v, "prys", "##0.00", header);
    TmpvEdit = edit(v, "tmpv", nullptr, header);
    TmptEdit = edit(v, "tmpt", nullptr, header);
    // Written by the calculation only.
    for (auto* computed : {PrysEdit, TmpvEdit, TmptEdit}) {
        computed->setEnabled(false);
        computed->setAlignment(Qt::AlignRight);
        computed->setFixedWidth(computed == PrysEdit ? ui::atLeast(computed, 64, QStringLiteral("0000.00"))
                                                     : ui::atLeast(computed, 46, QStringLiteral("0000")));
    }
    skvaEdit = new ui::DBComboBox(v, "skva", ui::DBComboBox::Style::Editable, header);
    skvaEdit->setObjectName(QStringLiteral("skvaEdit"));
    skttEdit = new ui::DBComboBox(v, "sktt", ui::DBComboBox::Style::Editable, header);
    skttEdit->setObjectName(QStringLiteral("skttEdit"));
    for (auto* cone : {skvaEdit, skttEdit}) {
        cone->setFixedWidth(ui::atLeast(cone, 94, QStringLiteral("00a - 0000"), 28));
        cone->setMaxVisibleItems(20);
    }
    OxrdEdit = edit(v, "oxrd", nullptr, header);
    OxrdEdit->setMinimumWidth(ui::atLeast(OxrdEdit, 0, QStringLiteral("Oxidatie")));
    CatgEdit = new CategoryBox(v, "catg", header);
    CatgEdit->setObjectName(QStringLiteral("CatgEdit"));
    CatgEdit->setMaxVisibleItems(20);
    CatgEdit->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    CatgEdit->setMinimumContentsLength(20);

    auto label = [this, header](const char* text, QWidget* buddy) {
        auto* l = captions_.text(new QLabel(header), text);
        l->setBuddy(buddy);
        return l;
    };
    // Row 1: name, price, category; row 2: firing data.
    auto* row1 = new QHBoxLayout;
    row1->addWidget(label(QT_TR_NOOP("Naam"), NaamEdit));
    row1->addWidget(NaamEdit, 3);
    row1->addSpacing(8);
    row1->addWidget(label(QT_TR_NOOP("Kostprijs / KG"), PrysEdit));
    row1->addWidget(PrysEdit);
    row1->addSpacing(8);
    row1->addWidget(label(QT_TR_NOOP("Categorie"), CatgEdit));
    row1->addWidget(CatgEdit, 4);
    auto* row2 = new QHBoxLayout;
    row2->setSpacing(4);
    row2->addWidget(label(QT_TR_NOOP("Temperatuur van (Gr C)"), TmpvEdit));
    row2->addWidget(TmpvEdit);
    row2->addWidget(label(QT_TR_NOOP("SK"), skvaEdit));
    row2->addWidget(skvaEdit);
    row2->addSpacing(6);
    row2->addWidget(label(QT_TR_NOOP("Temperatuur tot (Gr C)"), TmptEdit));
    row2->addWidget(TmptEdit);
    row2->addWidget(label(QT_TR_NOOP("SK"), skttEdit));
    row2->addWidget(skttEdit);
    row2->addSpacing(6);
    row2->addWidget(label(QT_TR_NOOP("Ox./Red."), OxrdEdit));
    row2->addWidget(OxrdEdit, 1);
    grid->addLayout(row1, 0, 0);
    grid->addLayout(row2, 1, 0);
    // The line keeps its room while hidden, so the pages do not jump.
    StaleLbl = captions_.text(new QLabel(header), kStale);
    StaleLbl->setObjectName(QStringLiteral("StaleLbl"));
    StaleLbl->setStyleSheet(QStringLiteral("color: #c01c28; font-weight: bold"));
    captions_.toolTip(
        StaleLbl, QT_TR_NOOP("De Seger-formule, de kostprijs, de temperaturen en de analyse horen bij het "
                             "recept zoals het laatst berekend is, niet bij het recept op het scherm."));
    QSizePolicy keep = StaleLbl->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    StaleLbl->setSizePolicy(keep);
    StaleLbl->setVisible(false);
    grid->addWidget(StaleLbl, 2, 0);
    return header;
}

void TGlazForm::buildBrowsePage() {
    BladerTS = new QWidget;
    BladerTS->setObjectName(QStringLiteral("BladerTS"));
    auto* layout = new QVBoxLayout(BladerTS);
    layout->setContentsMargins(4, 4, 4, 4);
    DBGrid1 = new ui::DBGrid(BladerTS);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setView(glazes(), gridColumns());
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    // Stopped glazes stay out of the list unless asked for.
    ToonGestoptCB = captions_.text(new QCheckBox(BladerTS), QT_TR_NOOP("Gestopte glazuren tonen"));
    ToonGestoptCB->setObjectName(QStringLiteral("ToonGestoptCB"));
    QLineEdit* search = ui::WindowShortcuts::addSearch(this, DBGrid1, GlzDBN, [this](int row) {
        if (ToonGestoptCB->isChecked()) return true;
        View* v = glazes();
        return !v->active() || v->textAt(row, v->fieldIndex("stat")) != "G";
    });
    connect(ToonGestoptCB, &QCheckBox::toggled, search, [search] { ui::WindowShortcuts::refilter(search); });
    auto* filters = new QHBoxLayout;
    filters->addWidget(search, 1);
    filters->addWidget(ToonGestoptCB);
    layout->addLayout(filters);
    layout->addWidget(DBGrid1);
    PageControl1->addTab(BladerTS, {});
    captions_.tab(PageControl1, BladerTS, QT_TR_NOOP("Bladeren"));
}

void TGlazForm::buildRecipePage() {
    View* v = glazes();
    GrondstoffenTS = new QWidget;
    GrondstoffenTS->setObjectName(QStringLiteral("GrondstoffenTS"));
    auto* page = new QVBoxLayout(GrondstoffenTS);
    page->setContentsMargins(6, 4, 6, 2);
    page->setSpacing(3);

    auto* top = new QHBoxLayout;
    ZoekGrondstoffenButton =
        captions_.text(button({}, "ZoekGrondstoffenButton", GrondstoffenTS), QT_TR_NOOP("Grondstoffen..."));
    connect(ZoekGrondstoffenButton, &QPushButton::clicked, this, [this] { ZoekGrondstoffenButtonClick(); });
    BerekenButton = captions_.text(button({}, "BerekenButton", GrondstoffenTS), QT_TR_NOOP("Bereken"));
    connect(BerekenButton, &QPushButton::clicked, this, [this] { BerekenButtonClick(); });
    Basisch1CB = captions_.text(new QCheckBox(GrondstoffenTS), QT_TR_NOOP("Basisch niet naar 1 rekenen"));
    Basisch1CB->setObjectName(QStringLiteral("Basisch1CB"));
    Perc1CB = captions_.text(new QCheckBox(GrondstoffenTS), QT_TR_NOOP("percentage niet naar 100 rekenen"));
    Perc1CB->setObjectName(QStringLiteral("Perc1CB"));
    Perc1CB->setEnabled(false);
    Perc1CB->setVisible(false);
    VerwijderMatButton =
        captions_.text(button({}, "VerwijderMatButton", GrondstoffenTS), QT_TR_NOOP("Verw. mat..."));
    captions_.toolTip(VerwijderMatButton, QT_TR_NOOP("Verwijder een materiaal uit het recept"));
    connect(VerwijderMatButton, &QPushButton::clicked, this, [this] { VerwijderMatButtonClick(); });
    MolpCB = new ui::DBComboBox(v, "molp", ui::DBComboBox::Style::ListOnly, GrondstoffenTS);
    MolpCB->setObjectName(QStringLiteral("MolpCB"));
    MolpCB->setItems({QStringLiteral("M"), QStringLiteral("P")});
    MolpCB->setFixedWidth(ui::atLeast(MolpCB, 48, QStringLiteral("M"), 36));
    auto* molpLabel = captions_.text(new QLabel(GrondstoffenTS), QT_TR_NOOP("Mol gew/Perc."));
    molpLabel->setBuddy(MolpCB);
    top->addWidget(ZoekGrondstoffenButton);
    top->addWidget(BerekenButton);
    top->addSpacing(6);
    top->addWidget(Basisch1CB);
    top->addWidget(Perc1CB);
    top->addSpacing(6);
    top->addWidget(VerwijderMatButton);
    top->addStretch(1);
    top->addWidget(molpLabel);
    top->addWidget(MolpCB);
    page->addLayout(top);

    auto* body = new QHBoxLayout;
    body->setSpacing(14);
    page->addLayout(body, 1);

    // The recipe: one row per slot, the keyboard walks the rows.
    auto* recipe = new QGridLayout;
    recipe->setHorizontalSpacing(4);
    recipe->setVerticalSpacing(2);
    recipe->addWidget(captions_.text(heading({}, GrondstoffenTS), QT_TR_NOOP("Grondstoffen")), 0, 1);
    recipe->addWidget(captions_.text(heading({}, GrondstoffenTS), QT_TR_NOOP("Mol gewicht")), 0, 2);
    recipe->addWidget(captions_.text(heading({}, GrondstoffenTS), QT_TR_NOOP("Percentage")), 0, 3);
    QWidget* previous = MolpCB;
    for (int k = 1; k <= Recipe::slotCount; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        auto* number = new QLabel(QStringLiteral("%1.").arg(k), GrondstoffenTS);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        MatEdit[i] = edit(v, SlotFields::name(SlotKind::Recipe, k), nullptr, GrondstoffenTS);
        MtmEdit[i] = edit(v, SlotFields::mols(k), "##0.0000", GrondstoffenTS);
        MtpEdit[i] = edit(v, SlotFields::amount(SlotKind::Recipe, k), "##0.00", GrondstoffenTS);
        MatEdit[i]->setMinimumWidth(ui::atLeast(MatEdit[i], 190, QString(22, QLatin1Char('n'))));
        MtmEdit[i]->setFixedWidth(ui::atLeast(MtmEdit[i], 74, QStringLiteral("000.0000")));
        MtpEdit[i]->setFixedWidth(ui::atLeast(MtpEdit[i], 66, QStringLiteral("000.00")));
        for (auto* e : {MatEdit[i], MtmEdit[i], MtpEdit[i]})
            e->setFixedHeight(ui::heightAtLeast(e, 22, 6));
        MatEdit[i]->installEventFilter(this);
        MatEdit[i]->setAcceptDrops(true);
        recipe->addWidget(number, k, 0);
        recipe->addWidget(MatEdit[i], k, 1);
        recipe->addWidget(MtmEdit[i], k, 2);
        recipe->addWidget(MtpEdit[i], k, 3);
        for (QWidget* w : {static_cast<QWidget*>(MatEdit[i]), static_cast<QWidget*>(MtmEdit[i]),
                           static_cast<QWidget*>(MtpEdit[i])}) {
            setTabOrder(previous, w);
            previous = w;
        }
    }
    recipe->setRowStretch(Recipe::slotCount + 1, 1);
    addRecipeTools(recipe, Recipe::slotCount + 2);
    body->addLayout(recipe);

    // The computed Seger formula, one column per oxide group.
    const OxideGroup groups[] = {OxideGroup::Basic, OxideGroup::Neutral, OxideGroup::Acid};
    for (OxideGroup group : groups) {
        auto* column = new QGridLayout;
        column->setHorizontalSpacing(4);
        column->setVerticalSpacing(1);
        column->addWidget(captions_.text(heading({}, GrondstoffenTS), groupHeading(group)), 0, 0, 1, 2);
        int row = 1;
        for (const Oxide& oxide : OxideCatalogue::group(group)) {
            auto* caption = new QLabel(QString::fromUtf8(oxide.label.data(), qsizetype(oxide.label.size())),
                                       GrondstoffenTS);
            auto* value = new ui::DBLabel(v, std::string(oxide.stem), GrondstoffenTS);
            value->setObjectName(QString::fromUtf8(oxide.stem.data(), qsizetype(oxide.stem.size())));
            value->setDisplayFormat("#0.###");
            value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            value->setFrameShape(QFrame::StyledPanel);
            value->setFixedSize(ui::atLeast(value, 56, QStringLiteral("00.000"), 8),
                                ui::heightAtLeast(value, 18, 4));
            column->addWidget(caption, row, 0);
            column->addWidget(value, row, 1);
            ++row;
        }
        if (group == OxideGroup::Basic) {
            TotaalBasischLabel = new QLabel(GrondstoffenTS);
            TotaalBasischLabel->setObjectName(QStringLiteral("TotaalBasischLabel"));
            TotaalBasischLabel->setVisible(false);
            column->addWidget(TotaalBasischLabel, row, 0, 1, 2);
            ++row;
        }
        column->setRowStretch(row, 1);
        body->addLayout(column);
    }
    body->addStretch(1);
    PageControl1->addTab(GrondstoffenTS, {});
    captions_.tab(PageControl1, GrondstoffenTS, QT_TR_NOOP("Grondstoffen"));
}

void TGlazForm::buildDescriptionPage() {
    OmschrijvingTS = new QWidget;
    OmschrijvingTS->setObjectName(QStringLiteral("OmschrijvingTS"));
    auto* layout = new QVBoxLayout(OmschrijvingTS);
    layout->setContentsMargins(4, 4, 4, 4);
    // Where the glaze stands in the potter's work, and where it comes from.
    auto* status = new QHBoxLayout;
    auto* statusLabel = captions_.text(new QLabel(OmschrijvingTS), QT_TR_NOOP("&Status"));
    StatusCB = new QComboBox(OmschrijvingTS);
    StatusCB->setObjectName(QStringLiteral("StatusCB"));
    statusLabel->setBuddy(StatusCB);
    for (const char* code : {"", "T", "P", "G"})
        StatusCB->addItem(QString(), QVariant(QString::fromLatin1(code)));
    captions_.keep(QT_TR_NOOP("(geen)"), [this](const QString& t) { StatusCB->setItemText(0, t); });
    captions_.keep(QT_TR_NOOP("Testen"), [this](const QString& t) { StatusCB->setItemText(1, t); });
    captions_.keep(QT_TR_NOOP("Productie"), [this](const QString& t) { StatusCB->setItemText(2, t); });
    captions_.keep(QT_TR_NOOP("Gestopt"), [this](const QString& t) { StatusCB->setItemText(3, t); });
    connect(StatusCB, &QComboBox::activated, this,
            [this](int index) { setStatus(StatusCB->itemData(index).toString()); });
    status->addWidget(statusLabel);
    status->addWidget(StatusCB);
    status->addStretch(1);
    layout->addLayout(status);
    LineageLabel = new QLabel(OmschrijvingTS);
    LineageLabel->setObjectName(QStringLiteral("LineageLabel"));
    LineageLabel->setWordWrap(true);
    layout->addWidget(LineageLabel);
    OmscMemo = new ui::DBMemo(glazes(), "omsc", OmschrijvingTS);
    OmscMemo->setObjectName(QStringLiteral("OmscMemo"));
    layout->addWidget(OmscMemo);
    PageControl1->addTab(OmschrijvingTS, {});
    captions_.tab(PageControl1, OmschrijvingTS, QT_TR_NOOP("Omschrijving"));
}

void TGlazForm::buildAdditionsPage() {
    View* v = glazes();
    ToegevStoffenTS = new QWidget;
    ToegevStoffenTS->setObjectName(QStringLiteral("ToegevStoffenTS"));
    auto* page = new QVBoxLayout(ToegevStoffenTS);
    page->setContentsMargins(6, 4, 6, 4);
    auto* top = new QHBoxLayout;
    ZoekGrondstoffen2Button =
        captions_.text(button({}, "ZoekGrondstoffen2Button", ToegevStoffenTS), QT_TR_NOOP("Grondstoffen..."));
    connect(ZoekGrondstoffen2Button, &QPushButton::clicked, this, [this] { ZoekGrondstoffenButtonClick(); });
    VerwToegevMatButton =
        captions_.text(button({}, "VerwToegevMatButton", ToegevStoffenTS), QT_TR_NOOP("Ver. mat..."));
    captions_.toolTip(VerwToegevMatButton, QT_TR_NOOP("Verwijder een toegevoegde stof"));
    connect(VerwToegevMatButton, &QPushButton::clicked, this, [this] { VerwToegevMatButtonClick(); });
    top->addWidget(ZoekGrondstoffen2Button);
    top->addWidget(VerwToegevMatButton);
    top->addStretch(1);
    page->addLayout(top);

    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(6);
    rows->setVerticalSpacing(3);
    rows->addWidget(captions_.text(heading({}, ToegevStoffenTS), QT_TR_NOOP("Toegevoegde stof")), 0, 1);
    rows->addWidget(heading(QStringLiteral("%"), ToegevStoffenTS), 0, 2);
    QWidget* previous = VerwToegevMatButton;
    for (int k = 1; k <= Recipe::additionCount; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        auto* number = new QLabel(QStringLiteral("%1.").arg(k), ToegevStoffenTS);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        TvsEdit[i] = edit(v, SlotFields::name(SlotKind::Addition, k), nullptr, ToegevStoffenTS);
        TvpEdit[i] = edit(v, SlotFields::amount(SlotKind::Addition, k), nullptr, ToegevStoffenTS);
        TvpEdit[i]->setAlignment(Qt::AlignRight);
        TvsEdit[i]->setFixedWidth(ui::atLeast(TvsEdit[i], 260, QString(30, QLatin1Char('n'))));
        TvpEdit[i]->setFixedWidth(ui::atLeast(TvpEdit[i], 70, QStringLiteral("000.00")));
        TvsEdit[i]->installEventFilter(this);
        TvsEdit[i]->setAcceptDrops(true);
        // An addition's name can itself be dragged onto another name field.
        TvsEdit[i]->setDragEnabled(true);
        rows->addWidget(number, k, 0);
        rows->addWidget(TvsEdit[i], k, 1);
        rows->addWidget(TvpEdit[i], k, 2);
        setTabOrder(previous, TvsEdit[i]);
        setTabOrder(TvsEdit[i], TvpEdit[i]);
        previous = TvpEdit[i];
    }
    rows->setColumnStretch(3, 1);
    page->addLayout(rows);
    page->addStretch(1);
    PageControl1->addTab(ToegevStoffenTS, {});
    captions_.tab(PageControl1, ToegevStoffenTS, QT_TR_NOOP("Toegev. stoffen"));
}

void TGlazForm::buildAnalysePage() {
    AnalyseTS = new QWidget;
    AnalyseTS->setObjectName(QStringLiteral("AnalyseTS"));
    auto* page = new QHBoxLayout(AnalyseTS);
    page->setContentsMargins(4, 4, 4, 4);
    auto* strip = new QVBoxLayout;
    PrintButton = captions_.text(button({}, "PrintButton", AnalyseTS), QT_TR_NOOP("Print"));
    connect(PrintButton, &QPushButton::clicked, this, [this] { PrintButtonClick(); });
    PrinterSetupButton =
        captions_.text(button({}, "PrinterSetupButton", AnalyseTS), QT_TR_NOOP("Printer setup"));
    connect(PrinterSetupButton, &QPushButton::clicked, this, [this] { PrinterSetupButtonClick(); });
    AnalyseButton = captions_.text(button({}, "AnalyseButton", AnalyseTS), QT_TR_NOOP("Toon Analyse"));
    AnalyseButton->setVisible(false);
    connect(AnalyseButton, &QPushButton::clicked, this, [this] { AnalyseButtonClick(); });
    // The print buffer is never shown: it holds the copy that goes to paper.
    RichEdit2 = new QTextEdit(AnalyseTS);
    RichEdit2->setObjectName(QStringLiteral("RichEdit2"));
    RichEdit2->setVisible(false);
    RichEdit2->setReadOnly(true);
    RichEdit2->setFont(printFont());
    strip->addWidget(PrintButton);
    strip->addWidget(PrinterSetupButton);
    strip->addWidget(AnalyseButton);
    strip->addStretch(1);
    RichEdit1 = new QTextEdit(AnalyseTS);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    AnalyseStaleLbl = captions_.text(new QLabel(AnalyseTS), kStale);
    AnalyseStaleLbl->setObjectName(QStringLiteral("AnalyseStaleLbl"));
    AnalyseStaleLbl->setStyleSheet(QStringLiteral("color: #c01c28; font-weight: bold"));
    AnalyseStaleLbl->setVisible(false);
    auto* report = new QVBoxLayout;
    report->addWidget(AnalyseStaleLbl);
    report->addWidget(RichEdit1, 1);
    page->addLayout(strip);
    page->addLayout(report, 1);
    PageControl1->addTab(AnalyseTS, {});
    captions_.tab(PageControl1, AnalyseTS, QT_TR_NOOP("Analyse"));
}

// ---- life of the window -----------------------------------------------------

void TGlazForm::FormCreate() {
    ui::guard(this, [this] {
        ui::applyPlacement(this, settings_, settings::GlazForm);
        QStringList cones;
        for (const auto& cone : dataModule_.ConeList)
            cones << QString::fromStdString(cone);
        skvaEdit->setItems(cones);
        skttEdit->setItems(cones);
        CatgEdit->setCategories(GlazeCategories::all());
    });
}

void TGlazForm::FormShow() {
    ui::guard(this, [this] {
        dataModule_.OpenTables();
        PageControl1->setCurrentWidget(BladerTS);
    });
}

void TGlazForm::FormHide() {
    ui::guard(this, [this] { dataModule_.CloseTables(); });
    Q_EMIT hidden();
}

void TGlazForm::FormDestroy() {
    ui::guard(nullptr, [this] { ui::storePlacement(this, settings_, settings::GlazForm); });
}

void TGlazForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TGlazForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) FormHide();
}

bool TGlazForm::hasUnpostedChanges() {
    View* v = glazes();
    if (!v || !v->active()) return false;
    for (auto* e : findChildren<ui::DBEdit*>())
        if (e->hasPendingText()) return true;
    for (auto* c : findChildren<ui::DBComboBox*>())
        if (c->hasPendingText()) return true;
    if (OmscMemo->hasPendingText()) return true;
    const bool editing = v->state() == ViewState::Edit || v->state() == ViewState::Insert;
    return editing && v->modified();
}

bool TGlazForm::settleBeforeClosing() {
    View* v = glazes();
    if (!hasUnpostedChanges()) return true;
    switch (prompter_.ask(tr(kSaveQuestion).toStdString())) {
    case Prompter::Answer::Cancel:
        return false; // back to the window, everything typed still there
    case Prompter::Answer::No:
        ui::guard(this, [v] { v->cancel(); });
        return true;
    case Prompter::Answer::Yes:
        break;
    }
    // A post that fails (a number field holding text, say) keeps the window
    // open with the typed values, so the user can correct them.
    return ui::guard(this, [v] { v->post(); }) && saveNow();
}

void TGlazForm::keyPressEvent(QKeyEvent* event) {
    // Escape in the description is no request to close the window.
    if (event->key() == Qt::Key_Escape && qobject_cast<QPlainTextEdit*>(focusWidget())) {
        event->accept();
        return;
    }
    if (ui::enterConfirmsField(event, focusWidget())) return;
    QDialog::keyPressEvent(event);
}

void TGlazForm::done(int result) {
    if (!settleBeforeClosing()) return;
    QDialog::done(result);
}

// ---- handlers ---------------------------------------------------------------

int TGlazForm::addTargetKind() const {
    QWidget* page = PageControl1->currentWidget();
    if (page == GrondstoffenTS) return 1;
    if (page == ToegevStoffenTS) return 2;
    return 0;
}

void TGlazForm::ZoekGrondstoffenButtonClick() {
    Q_EMIT lookupRequested();
}

void TGlazForm::HelpButtonClick() {
    Q_EMIT helpRequested();
}

void TGlazForm::addChosenMaterial(const QString& name) {
    ui::guard(this, [this, &name] {
        // With the editor closed its tables are closed too: say so rather than
        // fail half-way into a glaze that nobody is editing.
        if (!isVisible() || !dataModule_.GlzCDS.active() || !dataModule_.MatCDS.active()) {
            prompter_.message(tr(kEditorClosed).toStdString());
            return;
        }
        if (readOnlyRun_) {
            prompter_.message(tr("Er wordt niets toegevoegd: de gegevens zijn in gebruik door een ander "
                                 "Kelvora-programma.")
                                  .toStdString());
            return;
        }
        dataModule_.AddMaterialToRecipe(slotKindFromNumber(addTargetKind()), name.toStdString());
    });
}

void TGlazForm::BerekenButtonClick() {
    ui::guard(this, [this] {
        View* v = glazes();
        // Whatever the calculation reports, the total below reflects the record.
        ui::guard(this, [this, v] {
            v->updateRecord();
            dataModule_.CalcGlaze(Basisch1CB->isChecked(), Perc1CB->isChecked());
        });
        if (Basisch1CB->isChecked()) {
            double total = 0;
            for (const Oxide& oxide : OxideCatalogue::group(OxideGroup::Basic))
                total += v->asNumber(oxide.stem);
            basicTotal_ = total;
        } else {
            basicTotal_.reset();
        }
        showBasicTotal();
    });
}

void TGlazForm::showBasicTotal() {
    if (basicTotal_)
        TotaalBasischLabel->setText(
            tr("Totaal basisch: %1")
                .arg(QString::fromStdString(numfmt::formatPattern(*basicTotal_, "#0.0###"))));
    TotaalBasischLabel->setVisible(basicTotal_.has_value());
}

void TGlazForm::removeFromSlots(int kind) {
    if (!removeDialog_) return;
    removeDialog_->wat = kind;
    if (removeDialog_->exec() != QDialog::Accepted) return;
    ui::guard(this, [this, kind] {
        const auto slotKind = slotKindFromNumber(kind);
        if (!slotKind) return;
        View* v = glazes();
        if (v->state() != ViewState::Edit && v->state() != ViewState::Insert) v->edit();
        // The dialog offers names without the blanks around them; the place
        // meant is the one that holds that name, however it was stored.
        const std::string chosen = removeDialog_->chosenMaterial().toStdString();
        Glaze glaze = dataModule_.currentGlaze();
        const std::string stored = glaze.recipe.storedName(*slotKind, chosen);
        if (glaze.recipe.removeName(*slotKind, stored)) dataModule_.applyToCurrent(glaze);
    });
}

void TGlazForm::VerwijderMatButtonClick() {
    removeFromSlots(1);
}

void TGlazForm::VerwToegevMatButtonClick() {
    removeFromSlots(2);
}

void TGlazForm::MatNaamDragDrop(ui::DBEdit* target, const QString& material) {
    ui::guard(this, [&] {
        View* v = target->dataView();
        if (!v) return;
        if (v->state() != ViewState::Edit && v->state() != ViewState::Insert) v->edit();
        // The material that was dragged, not whichever the lookup shows now.
        v->setText(target->dataField(), material.toStdString());
        v->post();
        v->edit();
    });
}

bool TGlazForm::eventFilter(QObject* watched, QEvent* event) {
    auto* target = qobject_cast<ui::DBEdit*>(watched);
    if (target) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (draggedMaterial(drag->mimeData()).isEmpty()) return true; // nothing a name can be
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QString material = draggedMaterial(drop->mimeData());
            if (material.isEmpty()) return true;
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            MatNaamDragDrop(target, material);
            return true;
        }
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TGlazForm::showWhetherStored() {
    ui::guard(this, [this] {
        View* v = glazes();
        storedCurrent_ = true;
        if (v->active() && !v->isEmpty() && dataModule_.MatCDS.active())
            storedCurrent_ = GlazePreview::of(dataModule_.currentGlaze(), dataModule_.materialLookup(),
                                              {Basisch1CB->isChecked(), false})
                                 .storedCurrent;
        StaleLbl->setVisible(!storedCurrent_);
        AnalyseStaleLbl->setVisible(!storedCurrent_);
    });
}

void TGlazForm::GlzDBNClick() {
    if (PageControl1->currentWidget() == AnalyseTS) AnalyseButtonClick();
}

void TGlazForm::PageChanged(int index) {
    if (PageControl1->widget(index) == AnalyseTS) AnalyseButtonClick();
}

// ---- analysis and printing ----------------------------------------------------

void TGlazForm::AnalyseButtonClick() {
    ui::guard(this, [this] {
        RichEdit1->document()->setDefaultFont(reportFont());
        RichEdit1->setFont(reportFont());
        View* v = glazes();
        if (!v || !v->active()) {
            RichEdit1->clear();
            return;
        }
        const Glaze glaze = dataModule_.currentGlaze();
        setLines(RichEdit1, AnalysisReport::build(
                                glaze, dataModule_.CalcExpansion(),
                                AnalysisReport::linesWithoutAnalysis(glaze, dataModule_.materialLookup())));
    });
}

std::vector<std::string> TGlazForm::reportLines() const {
    return linesOf(RichEdit1);
}

std::vector<std::string> TGlazForm::printBufferLines() const {
    return linesOf(RichEdit2);
}

void TGlazForm::PrintButtonClick() {
    QPrintDialog dialog(&printer_, this);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    dialog.setWindowTitle(tr("Afdrukken"));
    if (dialog.exec() != QDialog::Accepted) return;
    ui::guard(this, [this] {
        setLines(RichEdit2, AnalysisReport::printCopy(reportLines()));
        printReport(printer_);
    });
}

void TGlazForm::printReport(QPrinter& printer) {
    // The printed copy of the analysis, headed with the glaze, its cones,
    // the date and the page number on every sheet.
    std::vector<std::string> lines;
    for (const QString& line : RichEdit2->toPlainText().split(QLatin1Char('\n')))
        lines.push_back(line.toStdString());
    const SheetHeading heading = glazes()->active() && !glazes()->isEmpty()
                                     ? SheetHeading::of(tr("Analyse"), dataModule_.currentGlaze())
                                     : SheetHeading{};
    if (!ReportPrinter::print(printer, lines, heading))
        prompter_.message(tr("Het afdrukken kon niet beginnen.").toStdString());
}

void TGlazForm::PrinterSetupButtonClick() {
    QPageSetupDialog dialog(&printer_, this);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog1"));
    dialog.exec();
}

} // namespace kelvora

namespace kelvora {

// ---- the workbench ----------------------------------------------------------

void TGlazForm::buildBatchPage() {
    const int grams = settings::read(settings_, settings::GlazForm, settings::BatchGram);
    BatchTS = new BatchPage(*glazes(), dataModule_.MatCDS, grams > 0 ? grams : 1000);
    BatchTS->setObjectName(QStringLiteral("BatchTS"));
    BatchTS->setPrinter(&printer_);
    connect(BatchTS, &BatchPage::batchSizeChanged, this, [this](double size) {
        ui::guard(this, [&] {
            settings::write(settings_, settings::GlazForm, settings::BatchGram,
                            static_cast<int>(std::lround(size)));
        });
    });
    PageControl1->addTab(BatchTS, {});
    captions_.tab(PageControl1, BatchTS, QT_TR_NOOP("Batch"));
}

void TGlazForm::buildChemiePage(const std::string& dataFolder) {
    ChemieTS = new ChemiePage(*glazes(), dataModule_.MatCDS, dataFolder);
    ChemieTS->setObjectName(QStringLiteral("ChemieTS"));
    connect(ChemieTS, &ChemiePage::stullChartRequested, this, &TGlazForm::stullChartRequested);
    connect(ChemieTS, &ChemiePage::blendRequested, this,
            [this] { Q_EMIT blendRequested(QString::fromStdString(dataModule_.currentGlaze().naam)); });
}

void TGlazForm::setChemistryDataFolder(const std::string& folder) {
    const int index = PageControl1->indexOf(ChemieTS);
    const bool current = PageControl1->currentWidget() == ChemieTS;
    if (index >= 0) PageControl1->removeTab(index);
    delete ChemieTS;
    buildChemiePage(folder);
    const int at = index >= 0 ? index : PageControl1->indexOf(BatchTS) + 1;
    PageControl1->insertTab(at, ChemieTS, tr("Chemie"));
    if (current) PageControl1->setCurrentWidget(ChemieTS);
    applyReadOnlyRun();
}

// "Recept zoeken..." and "Vervang grondstof..." under the recipe.
void TGlazForm::addRecipeTools(QGridLayout* recipe, int row) {
    ReceptZoekenButton =
        captions_.text(button({}, "ReceptZoekenButton", GrondstoffenTS), QT_TR_NOOP("Recept zoeken..."));
    captions_.toolTip(ReceptZoekenButton, QT_TR_NOOP("Zoek het recept bij een formule, of het goedkoopste"));
    connect(ReceptZoekenButton, &QPushButton::clicked, this, [this] { ReceptZoekenButtonClick(); });
    VervangGrondstofButton = captions_.text(button({}, "VervangGrondstofButton", GrondstoffenTS),
                                            QT_TR_NOOP("Vervang grondstof..."));
    captions_.toolTip(VervangGrondstofButton,
                      QT_TR_NOOP("Vervang een grondstof van dit glazuur door andere"));
    connect(VervangGrondstofButton, &QPushButton::clicked, this, [this] { VervangGrondstofButtonClick(); });
    PlakReceptButton =
        captions_.text(button({}, "PlakReceptButton", GrondstoffenTS), QT_TR_NOOP("Plak recept..."));
    captions_.toolTip(PlakReceptButton,
                      QT_TR_NOOP("Neem een recept over uit geplakte tekst, na een voorbeeld"));
    connect(PlakReceptButton, &QPushButton::clicked, this, [this] { PlakReceptButtonClick(); });
    KopieButton = captions_.text(button({}, "KopieButton", GrondstoffenTS), QT_TR_NOOP("Bewaar als kopie"));
    captions_.toolTip(KopieButton, QT_TR_NOOP("Bewaar dit recept als een nieuw glazuur, gebaseerd op dit"));
    connect(KopieButton, &QPushButton::clicked, this, [this] { KopieButtonClick(); });
    auto* tools = new QHBoxLayout;
    tools->addWidget(KopieButton);
    tools->addWidget(ReceptZoekenButton);
    tools->addWidget(VervangGrondstofButton);
    tools->addWidget(PlakReceptButton);
    tools->addStretch(1);
    recipe->addLayout(tools, row, 1, 1, 3);
}

void TGlazForm::setNotebook(Notebook& notebook) {
    if (ProevenTS) return;
    ProevenTS = new ProevenPage(
        prompter_, notebook,
        [this]() -> std::optional<Glaze> {
            if (!glazes()->active() || glazes()->recordCount() == 0) return std::nullopt;
            return dataModule_.currentGlaze();
        },
        this);
    ProevenTS->setObjectName(QStringLiteral("ProevenTS"));
    // Tests, results and photos need more height than the editor has.
    ProevenScroll = new QScrollArea(this);
    ProevenScroll->setObjectName(QStringLiteral("ProevenScroll"));
    ProevenScroll->setWidgetResizable(true);
    ProevenScroll->setFrameShape(QFrame::NoFrame);
    ProevenScroll->setWidget(ProevenTS);
    PageControl1->addTab(ProevenScroll, {});
    captions_.tab(PageControl1, ProevenScroll, QT_TR_NOOP("Proeven"));
    connect(ProevenTS, &ProevenPage::photoOpenRequested, this, &TGlazForm::photoOpenRequested);
    connect(ProevenTS, &ProevenPage::notebookChanged, this, &TGlazForm::notebookChanged);
    if (readOnlyRun_) ProevenTS->setReadOnly(true);
    notebook_ = &notebook;
    // A glaze with tests asks what becomes of them; nothing goes unasked.
    GlzDBN->setBeforeDelete([this] { return askAboutTests(); });
    connect(GlzDBN, &ui::DBNavigator::clicked, this, [this](ui::DBNavigator::Button which) {
        if (which != ui::DBNavigator::Delete || testsToRemove_.empty()) return;
        const std::string glaze = std::exchange(testsToRemove_, {});
        ui::guard(this, [&] { notebook_->removeTestsOf(glaze); });
        ProevenTS->refresh();
        Q_EMIT notebookChanged();
    });
    followTests();
}

bool TGlazForm::askAboutTests() {
    testsToRemove_.clear();
    View* v = glazes();
    if (!notebook_ || !v->active() || v->recordCount() == 0) return true;
    const std::string name = v->asText("naam");
    int tests = 0, photos = 0;
    for (const Proef& t : notebook_->data().tests)
        if (RecordNames::same(t.glaze, name)) {
            ++tests;
            photos += static_cast<int>(notebook_->data().photosOf(t.code).size());
        }
    if (tests == 0) return true;
    const QString question = tr("Het glazuur '%1' heeft %2 proef(en) met %3 foto('s). Die ook verwijderen? "
                                "Nee bewaart ze in het notitieboek.")
                                 .arg(QString::fromStdString(name))
                                 .arg(tests)
                                 .arg(photos);
    if (prompter_.confirm(question.toStdString())) testsToRemove_ = name;
    return true;
}

void TGlazForm::KopieButtonClick() {
    ui::guard(this, [this] {
        View* v = glazes();
        if (!v->active() || v->recordCount() == 0) return;
        // The copy takes the stored percentages, so they must be the recipe
        // as shown.
        if (v->state() == ViewState::Edit || v->state() == ViewState::Insert || !storedCurrent_) {
            prompter_.message(tr("Bewaar en bereken het glazuur eerst (Bereken).").toStdString());
            return;
        }
        const Glaze source = dataModule_.currentGlaze();
        const ProposedName name =
            ProposedName::make(source.naam + tr(" (kopie)").toStdString(), dataModule_.book().glazeNames());
        NewGlaze copy = NewGlaze::copyOf(source, name.name);
        NewGlazeWriter::store(dataModule_, copy);
        showGlaze(QString::fromStdString(copy.name));
        prompter_.information(tr("Het glazuur is bewaard als %1, gebaseerd op %2.")
                                  .arg(QString::fromStdString(copy.name), QString::fromStdString(source.naam))
                                  .toStdString());
    });
}

void TGlazForm::setStatus(const QString& code) {
    ui::guard(this, [&] {
        View* v = glazes();
        if (!v->active() || v->recordCount() == 0 || v->asText("stat") == code.toStdString()) return;
        if (v->state() != ViewState::Edit && v->state() != ViewState::Insert) v->edit();
        v->setText("stat", code.toStdString());
    });
}

void TGlazForm::followLineage() {
    View* v = glazes();
    const bool shown = v->active() && v->recordCount() > 0;
    const std::string status = shown ? v->asText("stat") : std::string();
    const int at = StatusCB->findData(QString::fromStdString(status));
    StatusCB->setCurrentIndex(at < 0 ? 0 : at);
    if (!shown) {
        LineageLabel->clear();
        return;
    }
    const std::string name = v->asText("naam");
    const std::string parent = v->asText("gbop");
    QStringList children;
    const int naam = v->fieldIndex("naam");
    const int gbop = v->fieldIndex("gbop");
    for (int row = 0; row < v->recordCount(); ++row)
        if (!name.empty() && RecordNames::same(v->textAt(row, gbop), name))
            children << QString::fromStdString(v->textAt(row, naam));
    QStringList parts;
    if (!parent.empty()) parts << tr("Gebaseerd op: %1").arg(QString::fromStdString(parent));
    if (!children.isEmpty()) parts << tr("Afgeleid: %1").arg(children.join(QStringLiteral(", ")));
    LineageLabel->setText(parts.join(QStringLiteral("   ")));
}

void TGlazForm::followTests() {
    followLineage();
    if (!ProevenTS) return;
    const bool shown = glazes()->active() && glazes()->recordCount() > 0;
    const QString name = shown ? QString::fromStdString(glazes()->asText("naam")) : QString();
    if (name != shownTestsOf_) {
        shownTestsOf_ = name;
        ProevenTS->setGlazeName(name);
    }
}

bool TGlazForm::showTest(const QString& glaze, const QString& code) {
    if (!ProevenTS || !showGlaze(glaze)) return false;
    followTests();
    PageControl1->setCurrentWidget(ProevenScroll);
    ProevenTS->selectTest(code);
    return true;
}

bool TGlazForm::showGlaze(const QString& name) {
    bool found = false;
    ui::guard(this, [&] { found = glazes()->active() && glazes()->findKey(name.toStdString()); });
    followTests();
    return found;
}

void TGlazForm::ReceptZoekenButtonClick() {
    if (!receptZoeken_) {
        receptZoeken_ = new TReceptZoekenForm(dataModule_, prompter_, this);
        connect(receptZoeken_, &TReceptZoekenForm::glazeStored, this, &TGlazForm::showGlaze);
    } else {
        receptZoeken_->reloadMaterials();
    }
    // The search starts from the formula and materials of the glaze shown.
    if (glazes()->active() && !glazes()->isEmpty())
        receptZoeken_->setTargetFromGlaze(dataModule_.currentGlaze());
    receptZoeken_->open();
}

void TGlazForm::PlakReceptButtonClick() {
    // The import writes through the same tables: an edit in hand is posted
    // first, and a declined post leaves everything as it is.
    if (!ui::guard(this, [this] {
            if (glazes()->active() && glazes()->state() != ViewState::Browse) glazes()->post();
        }))
        return;
    Q_EMIT recipePasteRequested();
}

void TGlazForm::VervangGrondstofButtonClick() {
    if (!glazes()->active() || glazes()->isEmpty()) return;
    if (!vervangGrondstof_) {
        vervangGrondstof_ = new TVervangGrondstofForm(dataModule_, prompter_, this);
        connect(vervangGrondstof_, &TVervangGrondstofForm::glazeStored, this, &TGlazForm::showGlaze);
    }
    vervangGrondstof_->loadCurrentGlaze();
    vervangGrondstof_->open();
}

} // namespace kelvora
