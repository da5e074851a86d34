#include "materials/MatFormUnit.h"

#include "common/LanguageHolder.h"
#include "common/Prompter.h"
#include "common/TranslationTable.h"
#include "materials/PercentToMolConverter.h"
#include "model/OxideCatalogue.h"
#include "model/TableLayouts.h"
#include "store/SettingsTable.h"
#include "widgets/DBComboBox.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DBMemo.h"
#include "widgets/DBNavigator.h"
#include "widgets/ErrorBox.h"
#include "widgets/ViewAutoSave.h"
#include "widgets/WindowPlacement.h"

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

#include <array>

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

// Geometry of the analysis pages, in pixels.
constexpr int OxideTop = 58;
constexpr int OxideRowStep = 24;
constexpr int OxideColumnStep = 160;
constexpr int OxideLabelWidth = 50;
constexpr int OxideEditWidth = 88;
constexpr int FieldHeight = 21;

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

QLabel* label(const QString& text, QWidget* parent, int left, int top) {
    auto* l = new QLabel(text, parent);
    l->move(left, top);
    l->adjustSize();
    return l;
}

} // namespace

TMatForm::TMatForm(LanguageHolder& language, Prompter& prompter, SettingsFile& settings, QWidget* parent)
    : QDialog(parent), language_(language), prompter_(prompter), settings_(settings) {
    setObjectName(QStringLiteral("MatForm"));
    setWindowTitle(QStringLiteral("Onderhoud grondstoffen"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(701, 542);
    // Modal over the window that opens it only, so the help viewer and the
    // lookup window stay usable beside it.
    setWindowModality(Qt::WindowModal);
    MatCDS.declareFields(TableLayouts::materials());
    MatCDS.setIndexFieldNames("naam");
    buildControls();
    setTabOrder();
    autoSave_ = new ui::ViewAutoSave(MatCDS, this);
    DBNavigator1->setPrompter(&prompter_);
    FormCreate();
}

TMatForm::~TMatForm() {
    FormDestroy();
}

void TMatForm::buildControls() {
    DBNavigator1 = new ui::DBNavigator(this);
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    DBNavigator1->setVisibleButtons(ui::DBNavigator::Editing);
    DBNavigator1->setView(&MatCDS);
    DBNavigator1->move(8, 8);
    DBNavigator1->adjustSize();

    HelpButton = new QPushButton(helpIcon(Qt::white), QStringLiteral("Help"), this);
    HelpButton->setObjectName(QStringLiteral("HelpButton"));
    HelpButton->setGeometry(224, 8, 75, 25);
    HelpButton->setAutoDefault(false);
    // Like the navigator's buttons, a click leaves the focus in the control
    // being typed into: its text is written once, by the action itself.
    HelpButton->setFocusPolicy(Qt::NoFocus);
    connect(HelpButton, &QPushButton::clicked, this, [this] { HelpButtonClick(); });

    CloseButton = new QPushButton(QStringLiteral("Sluiten"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setGeometry(618, 8, 75, 25);
    CloseButton->setAutoDefault(false);
    CloseButton->setFocusPolicy(Qt::NoFocus);
    connect(CloseButton, &QPushButton::clicked, this, [this] { close(); });

    DBGrid1 = new ui::DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setView(&MatCDS, {{"naam", QStringLiteral("naam"), 140}});
    DBGrid1->setGridReadOnly(true);
    // The grid is as wide as its one 140-pixel column with the row marker
    // and the scroll bar beside it.
    DBGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int gridWidth = 140 + DBGrid1->verticalHeader()->sizeHint().width() + 2 * DBGrid1->frameWidth() +
                          DBGrid1->verticalScrollBar()->sizeHint().width();
    DBGrid1->setGeometry(8, 41, gridWidth, 493);

    NaamLbl = label(QStringLiteral("Naam"), this, 200, 41);
    NaamLbl->setObjectName(QStringLiteral("NaamLbl"));
    NaamEdit = new ui::DBEdit(&MatCDS, "naam", this);
    NaamEdit->setObjectName(QStringLiteral("NaamEdit"));
    NaamEdit->setGeometry(200, 57, 289, 23);
    bindings_.push_back(NaamEdit);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(200, 86, 493, 448);
    AlgemeenTS = new QWidget;
    AlgemeenTS->setObjectName(QStringLiteral("AlgemeenTS"));
    OmschrijvingTS = new QWidget;
    OmschrijvingTS->setObjectName(QStringLiteral("OmschrijvingTS"));
    SamenstProcTS = new QWidget;
    SamenstProcTS->setObjectName(QStringLiteral("SamenstProcTS"));
    PageControl1->addTab(AlgemeenTS, QStringLiteral("Algemeen"));
    PageControl1->addTab(OmschrijvingTS, QStringLiteral("Omschrijving"));
    PageControl1->addTab(SamenstProcTS, QStringLiteral("Samenst. proc."));
    PageControl1->setCurrentWidget(AlgemeenTS);

    // "Algemeen": four fields in a row, each under its label, and the conversion.
    PrijsLbl = label(QStringLiteral("Prijs"), AlgemeenTS, 8, 6);
    PrijsLbl->setObjectName(QStringLiteral("PrijsLbl"));
    PrijsEdit = new ui::DBEdit(&MatCDS, "prys", AlgemeenTS);
    PrijsEdit->setObjectName(QStringLiteral("PrijsEdit"));
    PrijsEdit->setGeometry(8, 22, 88, FieldHeight);
    MolgewichtLbl = label(QStringLiteral("Molgewicht"), AlgemeenTS, 104, 6);
    MolgewichtLbl->setObjectName(QStringLiteral("MolgewichtLbl"));
    MolgewichtEdit = new ui::DBEdit(&MatCDS, "molg", AlgemeenTS);
    MolgewichtEdit->setObjectName(QStringLiteral("MolgewichtEdit"));
    MolgewichtEdit->setGeometry(104, 22, 88, FieldHeight);
    MolgewichtEdit->setDisplayFormat(MolgFormat);
    MolProcLbl = label(QStringLiteral("Mol/Proc"), AlgemeenTS, 200, 6);
    MolProcLbl->setObjectName(QStringLiteral("MolProcLbl"));
    MolProcCB = new ui::DBComboBox(&MatCDS, "molproc", ui::DBComboBox::Style::Editable, AlgemeenTS);
    MolProcCB->setObjectName(QStringLiteral("MolProcCB"));
    MolProcCB->setItems({QStringLiteral("M"), QStringLiteral("P")});
    MolProcCB->lineEdit()->setMaxLength(1);
    MolProcCB->setGeometry(200, 22, 64, FieldHeight);
    BeschikbaarLbl = label(QStringLiteral("Beschikbaar"), AlgemeenTS, 272, 6);
    BeschikbaarLbl->setObjectName(QStringLiteral("BeschikbaarLbl"));
    BeschikbaarCB = new ui::DBComboBox(&MatCDS, "besc", ui::DBComboBox::Style::Editable, AlgemeenTS);
    BeschikbaarCB->setObjectName(QStringLiteral("BeschikbaarCB"));
    BeschikbaarCB->setItems({QStringLiteral("J"), QStringLiteral("N")});
    BeschikbaarCB->lineEdit()->setMaxLength(1);
    BeschikbaarCB->setGeometry(272, 22, 64, FieldHeight);
    bindings_.insert(bindings_.end(), {PrijsEdit, MolgewichtEdit, MolProcCB, BeschikbaarCB});

    Proc2MolButton = new QPushButton(QStringLiteral("% ==> Mol"), AlgemeenTS);
    Proc2MolButton->setObjectName(QStringLiteral("Proc2MolButton"));
    Proc2MolButton->setToolTip(QString::fromUtf8(Proc2MolHint));
    Proc2MolButton->setGeometry(376, 20, 88, 25);
    Proc2MolButton->setAutoDefault(false);
    Proc2MolButton->setFocusPolicy(Qt::TabFocus);
    connect(Proc2MolButton, &QPushButton::clicked, this, [this] { Proc2MolButtonClick(); });

    molarEdits_ = buildOxideFields(AlgemeenTS, false);

    // "Omschrijving": the supplier and the free description.
    LeverancierLbl = label(QStringLiteral("Leverancier"), OmschrijvingTS, 8, 6);
    LeverancierLbl->setObjectName(QStringLiteral("LeverancierLbl"));
    LeverancierEdit = new ui::DBEdit(&MatCDS, "levr", OmschrijvingTS);
    LeverancierEdit->setObjectName(QStringLiteral("LeverancierEdit"));
    LeverancierEdit->setGeometry(8, 22, 289, 23);
    OmschrijvingMemo = new ui::DBMemo(&MatCDS, "omsc", OmschrijvingTS);
    OmschrijvingMemo->setObjectName(QStringLiteral("OmschrijvingMemo"));
    OmschrijvingMemo->setGeometry(8, 54, 469, 356);
    bindings_.insert(bindings_.end(), {LeverancierEdit, OmschrijvingMemo});

    // "Samenst. proc.": the percentages, laid out as the molar values.
    auto* procHint = label(QStringLiteral("Samenstelling in gewichtsprocenten.\nZet Mol/Proc op P en druk op "
                                          "\"% ==> Mol\" op het tabblad Algemeen."),
                           SamenstProcTS, 8, 6);
    procHint->setObjectName(QStringLiteral("ProcHintLbl"));
    percentEdits_ = buildOxideFields(SamenstProcTS, true);
}

std::vector<TMatForm::OxideEdit> TMatForm::buildOxideFields(QWidget* page, bool percentages) {
    std::vector<OxideEdit> edits;
    const QColor uncommon = palette().color(QPalette::ToolTipBase);
    const auto& columns = oxideColumns();
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const int left = 8 + static_cast<int>(c) * OxideColumnStep;
        for (std::size_t r = 0; r < columns[c].size(); ++r) {
            const OxideCell& cell = columns[c][r];
            const Oxide* oxide = OxideCatalogue::byStem(cell.stem);
            const int top = OxideTop + static_cast<int>(r) * OxideRowStep;
            const std::string field = percentages ? oxide->percentField() : std::string(oxide->stem);
            auto* caption =
                new QLabel(QString::fromUtf8(oxide->label.data(), qsizetype(oxide->label.size())), page);
            caption->setGeometry(left, top, OxideLabelWidth, FieldHeight);
            caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            auto* edit = new ui::DBEdit(&MatCDS, field, page);
            edit->setObjectName(QString::fromStdString(field + "Edit"));
            edit->setGeometry(left + OxideLabelWidth, top, OxideEditWidth, FieldHeight);
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
            edits.push_back({cell.stem, edit});
            bindings_.push_back(edit);
        }
    }
    return edits;
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
    appliedTaal_ = TaalNone;
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
    const int taal = language_.taal();
    if (taal != appliedTaal_) {
        appliedTaal_ = taal;
        applyCaptions(taal);
    }
}

void TMatForm::applyCaptions(int taal) {
    auto caption = [taal](const char* key) { return QString::fromStdString(Translate(key, taal)); };
    setWindowTitle(caption("matformcaption"));
    PageControl1->setTabText(PageControl1->indexOf(AlgemeenTS), caption("algemeents"));
    PageControl1->setTabText(PageControl1->indexOf(OmschrijvingTS), caption("omschrijvingts"));
    PageControl1->setTabText(PageControl1->indexOf(SamenstProcTS), caption("samenstproc"));
    PrijsLbl->setText(caption("prijs"));
    PrijsLbl->adjustSize();
    MolgewichtLbl->setText(caption("molgewicht"));
    MolgewichtLbl->adjustSize();
    BeschikbaarLbl->setText(caption("beschikbaar"));
    BeschikbaarLbl->adjustSize();
}

void TMatForm::FormHide() {
    // Writes the table back when anything was posted since the window opened.
    ui::guard(this, [this] { MatCDS.close(); });
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
        PercentToMolConverter::convert(MatCDS, prompter_);
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
    switch (prompter_.ask(SaveQuestion)) {
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
    QDialog::keyPressEvent(event);
}

void TMatForm::reject() {
    // A post that fails (a text that is no number) keeps the window open
    // with everything typed; so does a table that cannot be written back.
    if (!settleBeforeClosing()) return;
    if (!ui::guard(this, [this] { MatCDS.close(); })) return;
    QDialog::reject();
}

} // namespace kelvora
