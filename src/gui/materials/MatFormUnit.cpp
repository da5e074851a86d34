// SPDX-License-Identifier: GPL-3.0-or-later
#include "materials/MatFormUnit.h"

#include "common/Prompter.h"
#include "engine/GlazeRecalculation.h"
#include "materials/NameListFit.h"
#include "materials/PercentToMolConverter.h"
#include "model/OxideCatalogue.h"
#include "model/TableLayouts.h"
#include "store/DataFiles.h"
#include "store/GlazeBook.h"
#include "store/MaterialRename.h"
#include "store/RecordMapper.h"
#include "store/SettingsTable.h"
#include "widgets/DBComboBox.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
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

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <filesystem>

namespace kelvora {

namespace {

// One oxide of the analysis pages: its stem and whether it is one of the
// less common oxides, which stand out in the tooltip colour.
struct OxideCell {
    std::string_view stem;
    bool uncommon;
};

// The pages' own arrangement: basic, neutral and acid oxides in three
// columns, the common ones at the top of each column.
const std::array<std::vector<OxideCell>, 3>& oxideColumns() {
    static const std::array<std::vector<OxideCell>, 3> columns = {{
        {{"li2o", false},
         {"na2o", false},
         {"k2o", false},
         {"bao", false},
         {"zno", false},
         {"pbo", false},
         {"cao", false},
         {"mgo", false},
         {"sro", true},
         {"feo", true},
         {"coo", true},
         {"cuo", true},
         {"nio", true},
         {"mno", true},
         {"beo", true}},
        {{"b2o3", false},
         {"al2o3", false},
         {"as2o3", true},
         {"sb2o3", true},
         {"fe2o3", true},
         {"bi2o3", true},
         {"mn2o3", true},
         {"cr2o3", true},
         {"v2o5", true}},
        {{"sio2", false},
         {"geo2", false},
         {"tio2", false},
         {"zro2", false},
         {"sno2", false},
         {"mno2", true},
         {"p2o5", true},
         {"as2o5", true},
         {"sb2o5", true}},
    }};
    return columns;
}

constexpr const char* OxideFormat = "#0.###";
constexpr const char* MolgFormat = "###0.##";

QIcon helpIcon(const QColor& ink) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 170));
    p.drawEllipse(QRectF(2, 2, 28, 28));
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(22);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRectF(2, 2, 28, 28), Qt::AlignCenter, QStringLiteral("?"));
    return QIcon(pixmap);
}

} // namespace

// Follows the maintenance view for what the window adds to the controls: the
// implied loss on ignition, and the name a material had when its edit began,
// so a posted rename can be carried into the glazes.
class TMatForm::ViewHooks : public ViewObserver {
public:
    explicit ViewHooks(TMatForm& form) : form_(form) { form.MatCDS.addObserver(this); }

private:
    void viewChanged(View& view, ViewEvent event, int) override {
        if (event == ViewEvent::UpdateRecord) return;
        form_.showImpliedLoss();
        if (event != ViewEvent::StateChanged) return;
        if (view.state() == ViewState::Edit) {
            before_ = MaterialMapper::current(view);
            editing_ = true;
            return;
        }
        if (!editing_) return;
        editing_ = false;
        // A cancelled edit has put the old values back; a posted one shows the new.
        if (view.state() != ViewState::Browse) return;
        const Material after = MaterialMapper::current(view);
        if (after.naam.empty() || before_.naam.empty()) return;
        const bool renamed = after.naam != before_.naam;
        const bool repriced = GlazeRecalculation::affectsGlazes(before_, after);
        if (!renamed && !repriced) return;
        // The questions come once the action that posted is over: first the
        // name (with the materials' write), then the glazes' figures under
        // the name they then use.
        // The rename is written with the glazes that follow it, by the save
        // that the post has scheduled; a rename not yet written carries on
        // from its first name.
        if (renamed) {
            const std::string from = form_.pendingRename_ ? form_.pendingRename_->from : before_.naam;
            form_.pendingRename_ = Rename{from, after.naam};
            if (from == after.naam) form_.pendingRename_.reset();
        }
        if (!repriced) return;
        QMetaObject::invokeMethod(
            &form_, [form = &form_, to = after.naam] { form->offerRecalculation(to); }, Qt::QueuedConnection);
    }

    TMatForm& form_;
    Material before_;
    bool editing_ = false;
};

TMatForm::TMatForm(LanguageHolder&, Prompter& prompter, SettingsFile& settings, QWidget* parent)
    : QDialog(parent), prompter_(prompter), settings_(settings) {
    setObjectName(QStringLiteral("MatForm"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // Modal over the window that opens it only, so the help viewer and the
    // lookup window stay usable beside it.
    setWindowModality(Qt::WindowModal);
    MatCDS.declareFields(TableLayouts::materials());
    MatCDS.setIndexFieldNames("naam");
    ui::setNewMaterialDefaults(MatCDS); // a new material's analysis is in mol
    buildControls();
    setTabOrder();
    autoSave_ = new ui::ViewAutoSave(MatCDS, this);
    autoSave_->setSave([this] { saveMaterials(); });
    DBNavigator1->setPrompter(&prompter_);
    hooks_ = std::make_unique<ViewHooks>(*this);
    ui::installDuplicateNameCheck(MatCDS, prompter_,
                                  [] { return tr("Er bestaat al een grondstof '%1'. Toch bewaren?"); });
    FormCreate();
}

TMatForm::~TMatForm() {
    FormDestroy();
}

void TMatForm::showImpliedLoss() {
    GloeiverliesLbl->setText(MatCDS.active() ? QString::fromStdString(PercentToMolConverter::impliedLossText(
                                                   MaterialMapper::current(MatCDS)))
                                             : QString());
}

void TMatForm::setDataFolder(const std::string& folder) {
    MatCDS.setFileName(DataFiles::materials(folder));
    glazesFile_ = DataFiles::glazes(folder);
}

void TMatForm::saveMaterials() {
    if (!pendingRename_) {
        MatCDS.save();
        return;
    }
    // A failure leaves both tables as they were and the rename pending, so
    // the next save (or closing the window) asks again.
    const Rename rename = *pendingRename_;
    MaterialRename::followRename(prompter_, MatCDS, glazesFile_, rename.from, rename.to);
    pendingRename_.reset();
}

void TMatForm::offerRecalculation(const std::string& material) {
    ui::guard(this, [&] {
        GlazeBook book(std::filesystem::path(MatCDS.fileName()).parent_path().string());
        book.load();
        GlazeRecalculation::offerAfterChange(book, material, prompter_);
        book.close();
    });
}

void TMatForm::buildControls() {
    DBNavigator1 = new ui::DBNavigator(this);
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    DBNavigator1->setVisibleButtons(ui::DBNavigator::Editing);
    DBNavigator1->setView(&MatCDS);

    HelpButton = new QPushButton(helpIcon(Qt::white), QString(), this);
    HelpButton->setObjectName(QStringLiteral("HelpButton"));
    HelpButton->setAutoDefault(false);
    // Like the navigator's buttons, a click leaves the focus in the control
    // being typed into: its text is written once, by the action itself.
    HelpButton->setFocusPolicy(Qt::NoFocus);
    connect(HelpButton, &QPushButton::clicked, this, [this] { HelpButtonClick(); });

    CloseButton = new QPushButton(this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setAutoDefault(false);
    CloseButton->setFocusPolicy(Qt::NoFocus);
    connect(CloseButton, &QPushButton::clicked, this, [this] { close(); });

    DBGrid1 = new ui::DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setView(&MatCDS, {{"naam", QString(), 140}});
    DBGrid1->setGridReadOnly(true);
    DBGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SearchEdit = ui::WindowShortcuts::addSearch(this, DBGrid1, DBNavigator1);
    ui::WindowShortcuts::addHelp(this, [this] { HelpButtonClick(); });
    ui::WindowShortcuts::addPost(this, DBNavigator1);

    NaamLbl = new QLabel(this);
    NaamLbl->setObjectName(QStringLiteral("NaamLbl"));
    NaamEdit = new ui::DBEdit(&MatCDS, "naam", this);
    NaamEdit->setObjectName(QStringLiteral("NaamEdit"));
    bindings_.push_back(NaamEdit);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    AlgemeenTS = new QWidget;
    AlgemeenTS->setObjectName(QStringLiteral("AlgemeenTS"));
    OmschrijvingTS = new QWidget;
    OmschrijvingTS->setObjectName(QStringLiteral("OmschrijvingTS"));
    SamenstProcTS = new QWidget;
    SamenstProcTS->setObjectName(QStringLiteral("SamenstProcTS"));
    PageControl1->addTab(AlgemeenTS, QString());
    PageControl1->addTab(OmschrijvingTS, QString());
    PageControl1->addTab(SamenstProcTS, QString());
    PageControl1->setCurrentWidget(AlgemeenTS);

    // "Algemeen": four fields in a row, each under its label, and the conversion.
    PrijsLbl = new QLabel(AlgemeenTS);
    PrijsLbl->setObjectName(QStringLiteral("PrijsLbl"));
    PrijsEdit = new ui::DBEdit(&MatCDS, "prys", AlgemeenTS);
    PrijsEdit->setObjectName(QStringLiteral("PrijsEdit"));
    MolgewichtLbl = new QLabel(AlgemeenTS);
    MolgewichtLbl->setObjectName(QStringLiteral("MolgewichtLbl"));
    MolgewichtEdit = new ui::DBEdit(&MatCDS, "molg", AlgemeenTS);
    MolgewichtEdit->setObjectName(QStringLiteral("MolgewichtEdit"));
    MolgewichtEdit->setDisplayFormat(MolgFormat);
    MolProcLbl = new QLabel(AlgemeenTS);
    MolProcLbl->setObjectName(QStringLiteral("MolProcLbl"));
    MolProcCB = new ui::DBComboBox(&MatCDS, "molproc", ui::DBComboBox::Style::Editable, AlgemeenTS);
    MolProcCB->setObjectName(QStringLiteral("MolProcCB"));
    // M: a formula in mols, P: an analysis in percent, Z: no analysis (a
    // stain or gum that is weighed and priced but stays out of the formula).
    // The codes are what the file holds, in every language; the tooltip says
    // what they mean.
    MolProcCB->setItems({QStringLiteral("M"), QStringLiteral("P"), QStringLiteral("Z")});
    MolProcCB->lineEdit()->setMaxLength(1);
    BeschikbaarLbl = new QLabel(AlgemeenTS);
    BeschikbaarLbl->setObjectName(QStringLiteral("BeschikbaarLbl"));
    BeschikbaarCB = new ui::DBComboBox(&MatCDS, "besc", ui::DBComboBox::Style::Editable, AlgemeenTS);
    BeschikbaarCB->setObjectName(QStringLiteral("BeschikbaarCB"));
    BeschikbaarCB->setItems({QStringLiteral("J"), QStringLiteral("N")});
    BeschikbaarCB->lineEdit()->setMaxLength(1);
    bindings_.insert(bindings_.end(), {PrijsEdit, MolgewichtEdit, MolProcCB, BeschikbaarCB});

    Proc2MolButton = new QPushButton(AlgemeenTS);
    Proc2MolButton->setObjectName(QStringLiteral("Proc2MolButton"));
    Proc2MolButton->setAutoDefault(false);
    Proc2MolButton->setFocusPolicy(Qt::TabFocus);
    connect(Proc2MolButton, &QPushButton::clicked, this, [this] { Proc2MolButtonClick(); });

    molarEdits_ = buildOxideFields(AlgemeenTS, false);

    // "Omschrijving": the supplier and the free description.
    LeverancierLbl = new QLabel(OmschrijvingTS);
    LeverancierLbl->setObjectName(QStringLiteral("LeverancierLbl"));
    LeverancierEdit = new ui::DBEdit(&MatCDS, "levr", OmschrijvingTS);
    LeverancierEdit->setObjectName(QStringLiteral("LeverancierEdit"));
    OmschrijvingMemo = new ui::DBMemo(&MatCDS, "omsc", OmschrijvingTS);
    OmschrijvingMemo->setObjectName(QStringLiteral("OmschrijvingMemo"));
    bindings_.insert(bindings_.end(), {LeverancierEdit, OmschrijvingMemo});

    // "Samenst. proc.": the percentages, laid out as the molar values.
    ProcHintLbl = new QLabel(SamenstProcTS);
    ProcHintLbl->setObjectName(QStringLiteral("ProcHintLbl"));
    GloeiverliesLbl = new QLabel(SamenstProcTS);
    GloeiverliesLbl->setObjectName(QStringLiteral("GloeiverliesLbl"));
    percentEdits_ = buildOxideFields(SamenstProcTS, true);

    // The layout measures the texts: they are set first.
    retranslate();
    buildLayout();
}

std::vector<TMatForm::OxideEdit> TMatForm::buildOxideFields(QWidget* page, bool percentages) {
    std::vector<OxideEdit> edits;
    const QColor uncommon = palette().color(QPalette::ToolTipBase);
    const auto& columns = oxideColumns();
    for (std::size_t c = 0; c < columns.size(); ++c) {
        for (std::size_t r = 0; r < columns[c].size(); ++r) {
            const OxideCell& cell = columns[c][r];
            const Oxide* oxide = OxideCatalogue::byStem(cell.stem);
            const std::string field = percentages ? oxide->percentField() : std::string(oxide->stem);
            auto* caption =
                new QLabel(QString::fromUtf8(oxide->label.data(), qsizetype(oxide->label.size())), page);
            caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            auto* edit = new ui::DBEdit(&MatCDS, field, page);
            edit->setObjectName(QString::fromStdString(field + "Edit"));
            edit->setDisplayFormat(OxideFormat);
            QFont bold = edit->font();
            bold.setBold(true);
            edit->setFont(bold);
            if (cell.uncommon) {
                QPalette tinted = edit->palette();
                tinted.setColor(QPalette::Base, uncommon);
                edit->setPalette(tinted);
            }
            caption->setBuddy(edit);
            edits.push_back({cell.stem, edit, caption});
            bindings_.push_back(edit);
        }
    }
    return edits;
}

// The window as designed for the default font: the list at the left, the
// name and the pages at the right, 8 pixels from every edge; the analysis
// rows 24 pixels apart. A larger font makes every part as large as it needs.
void TMatForm::buildLayout() {
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(8, 8, 8, 8);
    root->setSpacing(8);

    auto* bar = new QHBoxLayout;
    bar->setSpacing(0);
    bar->addWidget(DBNavigator1);
    bar->addSpacing(16);
    bar->addWidget(HelpButton);
    bar->addStretch(1);
    bar->addWidget(CloseButton);
    for (QPushButton* b : {HelpButton, CloseButton}) {
        b->setMinimumWidth(75);
        b->setFixedHeight(ui::heightAtLeast(b, 25));
    }
    root->addLayout(bar);

    auto* body = new QHBoxLayout;
    body->setSpacing(8);
    auto* list = new QVBoxLayout;
    list->setSpacing(4);
    SearchEdit->setFixedHeight(ui::heightAtLeast(SearchEdit, 23, 6));
    list->addWidget(SearchEdit);
    list->addWidget(DBGrid1, 1);
    body->addLayout(list);
    auto* right = new QVBoxLayout;
    right->setSpacing(0);
    NaamLbl->setMinimumHeight(16);
    right->addWidget(NaamLbl);
    NaamEdit->setFixedSize(ui::atLeast(NaamEdit, 289, QString(36, QLatin1Char('n'))),
                           ui::heightAtLeast(NaamEdit, 23, 6));
    right->addWidget(NaamEdit, 0, Qt::AlignLeft);
    right->addSpacing(6);
    right->addWidget(PageControl1, 1);
    body->addLayout(right, 1);
    root->addLayout(body, 1);

    // "Algemeen": the four fields under their labels, the conversion beside them.
    auto* general = new QVBoxLayout(AlgemeenTS);
    general->setContentsMargins(8, 6, 8, 0);
    general->setSpacing(0);
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    fields->setVerticalSpacing(0);
    const int fieldHeight = ui::heightAtLeast(PrijsEdit, 21, 6);
    const struct {
        QLabel* label;
        QWidget* field;
        int width;
    } row[] = {{PrijsLbl, PrijsEdit, 88},
               {MolgewichtLbl, MolgewichtEdit, 88},
               {MolProcLbl, MolProcCB, 64},
               {BeschikbaarLbl, BeschikbaarCB, 64}};
    int column = 0;
    for (const auto& cell : row) {
        cell.label->setMinimumHeight(16);
        const int width = std::max(ui::atLeast(cell.field, cell.width, QStringLiteral("00000.00")),
                                   cell.field->minimumSizeHint().width());
        cell.field->setFixedSize(width, fieldHeight);
        fields->addWidget(cell.label, 0, column);
        fields->addWidget(cell.field, 1, column, Qt::AlignLeft);
        ++column;
    }
    fields->setColumnMinimumWidth(column++, 24);
    Proc2MolButton->setMinimumWidth(88);
    Proc2MolButton->setFixedHeight(ui::heightAtLeast(Proc2MolButton, 25));
    fields->addWidget(Proc2MolButton, 1, column++, Qt::AlignVCenter);
    fields->setColumnStretch(column, 1);
    general->addLayout(fields);
    const int oxideGap = 14;
    general->addSpacing(oxideGap);
    general->addLayout(oxideGrid(molarEdits_));
    general->addStretch(1);

    // "Omschrijving": the supplier over the description.
    auto* description = new QVBoxLayout(OmschrijvingTS);
    description->setContentsMargins(8, 6, 8, 8);
    description->setSpacing(0);
    LeverancierLbl->setMinimumHeight(16);
    description->addWidget(LeverancierLbl);
    LeverancierEdit->setFixedSize(ui::atLeast(LeverancierEdit, 289, QString(36, QLatin1Char('n'))),
                                  ui::heightAtLeast(LeverancierEdit, 23, 6));
    description->addWidget(LeverancierEdit, 0, Qt::AlignLeft);
    description->addSpacing(9);
    description->addWidget(OmschrijvingMemo, 1);

    // "Samenst. proc.": the hint, then the percentages where the molar values stand.
    auto* composition = new QVBoxLayout(SamenstProcTS);
    composition->setContentsMargins(8, 6, 8, 0);
    composition->setSpacing(0);
    composition->addWidget(ProcHintLbl);
    composition->addSpacing(std::max(6, 16 + fieldHeight + oxideGap - ProcHintLbl->sizeHint().height()));
    QGridLayout* percentages = oxideGrid(percentEdits_);
    // The loss on ignition under the neutral and acid columns, which end
    // well above the basic one.
    const int lossRow = static_cast<int>(oxideColumns()[1].size()) + 1;
    percentages->addWidget(GloeiverliesLbl, lossRow, 3, 1, 5);
    composition->addLayout(percentages);
    composition->addStretch(1);

    nameList_ = new NameListFit(DBGrid1, 184, [this] { refit(); });
    refit();
}

QGridLayout* TMatForm::oxideGrid(const std::vector<OxideEdit>& edits) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(0);
    const int height = ui::heightAtLeast(edits.front().edit, 21, 6);
    grid->setVerticalSpacing(std::max(3, 24 - height));
    std::size_t i = 0;
    const auto& columns = oxideColumns();
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const int left = 3 * static_cast<int>(c);
        for (std::size_t r = 0; r < columns[c].size(); ++r, ++i) {
            const OxideEdit& cell = edits[i];
            cell.caption->setFixedSize(ui::atLeast(cell.caption, 50, cell.caption->text(), 10), height);
            cell.edit->setFixedSize(ui::atLeast(cell.edit, 88, QStringLiteral("0000.000")), height);
            grid->addWidget(cell.caption, static_cast<int>(r), left);
            grid->addWidget(cell.edit, static_cast<int>(r), left + 1);
        }
        if (c + 1 < columns.size()) grid->setColumnMinimumWidth(left + 2, 22);
    }
    grid->setColumnStretch(3 * static_cast<int>(columns.size()), 1);
    return grid;
}

void TMatForm::refit() {
    ui::fitFixedSize(this, QSize(701, 542));
}

void TMatForm::setTabOrder() {
    // Entering a common material walks the common oxides of all three
    // columns first, then the less common ones.
    auto oxideOrder = [](const std::vector<OxideEdit>& edits) {
        std::vector<QWidget*> order;
        for (bool uncommon : {false, true}) {
            std::size_t i = 0;
            for (const auto& column : oxideColumns())
                for (const OxideCell& cell : column) {
                    if (cell.uncommon == uncommon) order.push_back(edits[i].edit);
                    ++i;
                }
        }
        return order;
    };
    std::vector<QWidget*> chain = {DBGrid1, NaamEdit, PrijsEdit, MolgewichtEdit, MolProcCB, BeschikbaarCB};
    for (QWidget* w : oxideOrder(molarEdits_))
        chain.push_back(w);
    chain.push_back(Proc2MolButton);
    chain.push_back(LeverancierEdit);
    chain.push_back(OmschrijvingMemo);
    for (QWidget* w : oxideOrder(percentEdits_))
        chain.push_back(w);
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

ui::DBEdit* TMatForm::molarEdit(std::string_view stem) const {
    for (const auto& e : molarEdits_)
        if (e.stem == stem) return e.edit;
    return nullptr;
}

ui::DBEdit* TMatForm::percentEdit(std::string_view stem) const {
    for (const auto& e : percentEdits_)
        if (e.stem == stem) return e.edit;
    return nullptr;
}

void TMatForm::FormCreate() {
    ui::guard(this, [this] { ui::applyPlacement(this, settings_, settings::MatForm); });
    ui::guard(this, [this] { MatCDS.close(); });
}

void TMatForm::FormDestroy() {
    ui::guard(nullptr, [this] { ui::storePlacement(this, settings_, settings::MatForm); });
}

void TMatForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TMatForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) FormHide();
}

void TMatForm::FormShow() {
    ui::guard(this, [this] {
        MatCDS.open();
        // Every post goes straight into the table.
        MatCDS.setLogChanges(false);
    });
}

void TMatForm::retranslate() {
    const QString title = tr("Onderhoud grondstoffen");
    setWindowTitle(readOnlyRun_ ? ui::ReadOnlyRun::title(title) : title);
    HelpButton->setText(tr("Help"));
    CloseButton->setText(tr("Sluiten"));
    DBGrid1->viewModel()->setColumnTitle(0, tr("naam"));
    NaamLbl->setText(tr("Naam"));
    PageControl1->setTabText(PageControl1->indexOf(AlgemeenTS), tr("Algemeen"));
    PageControl1->setTabText(PageControl1->indexOf(OmschrijvingTS), tr("Omschrijving"));
    PageControl1->setTabText(PageControl1->indexOf(SamenstProcTS), tr("Samenst. proc."));
    PrijsLbl->setText(tr("Prijs"));
    MolgewichtLbl->setText(tr("Molgewicht"));
    MolProcLbl->setText(tr("Mol/Proc"));
    MolProcCB->setToolTip(tr("M: formule in mol, P: analyse in procenten, Z: zonder analyse"));
    BeschikbaarLbl->setText(tr("Beschikbaar"));
    Proc2MolButton->setText(tr("% ==> Mol"));
    Proc2MolButton->setToolTip(tr(Proc2MolHint));
    LeverancierLbl->setText(tr("Leverancier"));
    ProcHintLbl->setText(tr("Samenstelling in gewichtsprocenten.\nZet Mol/Proc op P en druk op "
                            "\"% ==> Mol\" op het tabblad Algemeen."));
    showImpliedLoss();
    // Longer words in another language may need a larger window.
    if (nameList_) refit();
}

void TMatForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(event);
}

void TMatForm::setReadOnlyRun() {
    readOnlyRun_ = true;
    MatCDS.setReadOnly(true);
    retranslate();
    ui::ReadOnlyRun::disableEditing(this, {Proc2MolButton});
}

void TMatForm::FormHide() {
    // Writes the table back when anything was posted since the window opened.
    if (saveNow()) ui::guard(this, [this] { MatCDS.close(); });
}

void TMatForm::HelpButtonClick() {
    Q_EMIT helpRequested();
}

bool TMatForm::saveNow() {
    return autoSave_->saveNow();
}

void TMatForm::Proc2MolButtonClick() {
    ui::guard(this, [this] {
        // What was typed but not yet written takes part in the conversion.
        MatCDS.updateRecord();
        Material material = MaterialMapper::current(MatCDS);
        if (!PercentToMolConverter::convert(material, prompter_)) return;
        MaterialMapper::apply(MatCDS, material);
        MatCDS.post();
    });
}

bool TMatForm::hasUnpostedChanges() const {
    if (MatCDS.state() != ViewState::Edit && MatCDS.state() != ViewState::Insert) return false;
    if (MatCDS.modified()) return true;
    for (const ui::FieldBinding* binding : bindings_)
        if (binding->hasPendingText()) return true;
    return false;
}

bool TMatForm::settleBeforeClosing() {
    if (!hasUnpostedChanges()) return true;
    // Closing would drop what the user typed without a word; ask instead.
    switch (prompter_.ask(tr(SaveQuestion).toStdString())) {
    case Prompter::Answer::Cancel:
        return false; // back to the window, everything typed still there
    case Prompter::Answer::No:
        return ui::guard(this, [this] { MatCDS.cancel(); });
    case Prompter::Answer::Yes:
        break;
    }
    return ui::guard(this, [this] {
        MatCDS.updateRecord();
        MatCDS.post();
    });
}

void TMatForm::keyPressEvent(QKeyEvent* event) {
    // Escape in the description is no request to close the window.
    if (event->key() == Qt::Key_Escape && qobject_cast<QPlainTextEdit*>(focusWidget())) {
        event->accept();
        return;
    }
    if (ui::enterConfirmsField(event, focusWidget())) return;
    QDialog::keyPressEvent(event);
}

void TMatForm::reject() {
    // A post that fails (a text that is no number) keeps the window open
    // with everything typed; so does a table that cannot be written back.
    if (!settleBeforeClosing()) return;
    if (!saveNow() || !ui::guard(this, [this] { MatCDS.close(); })) return;
    QDialog::reject();
}

} // namespace kelvora
