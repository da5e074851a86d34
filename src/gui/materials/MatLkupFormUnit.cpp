// SPDX-License-Identifier: GPL-3.0-or-later
#include "materials/MatLkupFormUnit.h"

#include "engine/GlzDMUnit.h"
#include "materials/NameListFit.h"
#include "store/SettingsTable.h"
#include "widgets/DBGrid.h"
#include "widgets/DBLabel.h"
#include "widgets/DBNavigator.h"
#include "widgets/ErrorBox.h"
#include "widgets/WindowPlacement.h"

#include <QDrag>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace kelvora {

namespace {

QLabel* caption(const QString& text, bool bold, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

} // namespace

View* TMatLkupForm::materials() const {
    return &dataModule_.MatCDS;
}

ui::DBLabel* TMatLkupForm::value(const char* field, const char* format, bool bold, QWidget* parent) const {
    auto* label = new ui::DBLabel(materials(), field, parent);
    label->setObjectName(QString::fromLatin1(field));
    if (format) label->setDisplayFormat(format);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFixedSize(ui::atLeast(label, 54, QStringLiteral("00.000"), 6), ui::heightAtLeast(label, 19, 5));
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

TMatLkupForm::TMatLkupForm(TGlzDM& dataModule, SettingsFile& settings, QWidget* parent)
    : QDialog(parent), dataModule_(dataModule), settings_(settings) {
    setObjectName(QStringLiteral("MatLkupForm"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);

    // Top bar: moving, adding, the draggable name and its availability.
    auto* bar = new QHBoxLayout;
    MatDBN = new ui::DBNavigator(this);
    MatDBN->setObjectName(QStringLiteral("MatDBN"));
    MatDBN->setVisibleButtons(ui::DBNavigator::Moves);
    MatDBN->setView(materials());
    VoegToebutton = new QPushButton(this);
    VoegToebutton->setObjectName(QStringLiteral("VoegToebutton"));
    VoegToebutton->setAutoDefault(false);
    connect(VoegToebutton, &QPushButton::clicked, this, [this] { DBGrid1DblClick(); });
    NaamLabel = new ui::DBLabel(materials(), "naam", this);
    NaamLabel->setObjectName(QStringLiteral("NaamLabel"));
    NaamLabel->setAutoFillBackground(true);
    QPalette cream = NaamLabel->palette();
    cream.setColor(QPalette::Window, QColor(0xFF, 0xFB, 0xF0));
    cream.setColor(QPalette::WindowText, Qt::black);
    NaamLabel->setPalette(cream);
    NaamLabel->setFrameShape(QFrame::Box);
    NaamLabel->setMargin(2);
    NaamLabel->setCursor(Qt::OpenHandCursor);
    NaamLabel->setMinimumWidth(170);
    NaamLabel->installEventFilter(this);
    auto* nameColumn = new QVBoxLayout;
    nameColumn->setSpacing(1);
    nameColumn->addWidget(NaamLabel);
    auto* available = new QHBoxLayout;
    available->setSpacing(8);
    BeschikbaarCaption = new QLabel(this);
    BeschikbaarCaption->setObjectName(QStringLiteral("BeschikbaarCaption"));
    available->addWidget(BeschikbaarCaption);
    BescLabel = new ui::DBLabel(materials(), "besc", this);
    BescLabel->setObjectName(QStringLiteral("BescLabel"));
    available->addWidget(BescLabel);
    available->addStretch(1);
    nameColumn->addLayout(available);
    CloseButton = new QPushButton(this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setAutoDefault(false);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::hide);
    bar->addWidget(MatDBN, 0, Qt::AlignTop);
    bar->addWidget(VoegToebutton, 0, Qt::AlignTop);
    bar->addSpacing(6);
    bar->addLayout(nameColumn, 1);
    bar->addWidget(CloseButton, 0, Qt::AlignTop);
    layout->addLayout(bar);

    auto* body = new QHBoxLayout;
    body->setSpacing(12);
    DBGrid1 = new ui::DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setView(materials(), {{"naam", QString(), 200}});
    DBGrid1->setGridReadOnly(true);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this, [this] { DBGrid1DblClick(); });
    // The search field over the list: typing narrows it, Enter adds the
    // material shown highlighted, Ctrl+F comes back to it.
    ZoekEdit = new QLineEdit(this);
    ZoekEdit->setObjectName(QStringLiteral("ZoekEdit"));
    ZoekEdit->setClearButtonEnabled(true);
    connect(ZoekEdit, &QLineEdit::textChanged, this, [this](const QString& text) { filterList(text); });
    connect(ZoekEdit, &QLineEdit::returnPressed, this, [this] {
        const int row = DBGrid1->currentIndex().row();
        if (row >= 0 && !DBGrid1->isRowHidden(row)) DBGrid1DblClick();
    });
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
        ZoekEdit->setFocus(Qt::ShortcutFocusReason);
        ZoekEdit->selectAll();
    });
    // A list read again (a material added or renamed elsewhere) keeps the filter.
    QAbstractItemModel* list = DBGrid1->model();
    const auto refilter = [this] { filterList(ZoekEdit->text(), false); };
    connect(list, &QAbstractItemModel::modelReset, this, refilter);
    connect(list, &QAbstractItemModel::layoutChanged, this, refilter);
    connect(list, &QAbstractItemModel::rowsInserted, this, refilter);
    connect(list, &QAbstractItemModel::dataChanged, this, refilter);
    auto* listColumn = new QVBoxLayout;
    listColumn->setSpacing(4);
    listColumn->addWidget(ZoekEdit);
    listColumn->addWidget(DBGrid1, 1);
    body->addLayout(listColumn);

    // The main figures of the current material: price and molecular weight,
    // then its main oxides in three columns.
    auto* right = new QVBoxLayout;
    right->setSpacing(10);
    // Each value under its label.
    auto* main = new QGridLayout;
    main->setHorizontalSpacing(12);
    main->setVerticalSpacing(1);
    PrysLabel = value("prys", "##0.00", false, this);
    MolgLabel = value("molg", "###0.00", false, this);
    MolgLabel->setFixedWidth(ui::atLeast(MolgLabel, 64, QStringLiteral("0000.00"), 6));
    PrijsCaption = caption(QString(), false, this);
    PrijsCaption->setObjectName(QStringLiteral("PrijsCaption"));
    main->addWidget(PrijsCaption, 0, 0);
    main->addWidget(PrysLabel, 1, 0, Qt::AlignLeft);
    MolgewichtCaption = caption(QString(), false, this);
    MolgewichtCaption->setObjectName(QStringLiteral("MolgewichtCaption"));
    main->addWidget(MolgewichtCaption, 0, 1);
    main->addWidget(MolgLabel, 1, 1, Qt::AlignLeft);
    main->setColumnStretch(2, 1);
    right->addLayout(main);
    auto* figures = new QGridLayout;
    figures->setHorizontalSpacing(6);
    figures->setVerticalSpacing(2);
    struct Shown {
        const char* stem;
        const char* label;
        int column;
        int row;
    };
    const Shown shown[] = {{"pbo", "PbO", 0, 0},     {"na2o", "Na2O", 0, 1}, {"k2o", "K2O", 0, 2},
                           {"cao", "CaO", 0, 3},     {"mgo", "MgO", 0, 4},   {"li2o", "Li2O", 0, 5},
                           {"bao", "BaO", 0, 6},     {"zno", "ZnO", 0, 7},   {"b2o3", "B2O3", 1, 0},
                           {"al2o3", "Al2O3", 1, 1}, {"sio2", "SiO2", 2, 0}};
    for (const Shown& s : shown) {
        figures->addWidget(caption(QString::fromLatin1(s.label), true, this), s.row, 2 * s.column);
        figures->addWidget(value(s.stem, "#0.###", true, this), s.row, 2 * s.column + 1);
        if (s.column > 0) figures->setColumnMinimumWidth(2 * s.column, 44);
    }
    figures->setRowStretch(8, 1);
    figures->setColumnStretch(6, 1);
    right->addLayout(figures, 1);
    body->addLayout(right, 1);
    layout->addLayout(body, 1);
    // The layout measures the texts: they are set first.
    retranslate();
    buildLayout();

    FormCreate();
}

void TMatLkupForm::retranslate() {
    setWindowTitle(tr("Grondstoffen zoeken"));
    VoegToebutton->setText(tr("Voeg toe"));
    NaamLabel->setToolTip(tr("Klik hier voor drag & drop"));
    BeschikbaarCaption->setText(tr("Beschikbaar"));
    CloseButton->setText(tr("Sluiten"));
    DBGrid1->viewModel()->setColumnTitle(0, tr("Naam"));
    ZoekEdit->setPlaceholderText(tr("Zoeken..."));
    ZoekEdit->setAccessibleName(tr("Grondstof zoeken"));
    ZoekEdit->setToolTip(tr("Toont alleen de grondstoffen waarvan de naam dit bevat (Ctrl+F)"));
    PrijsCaption->setText(tr("Prijs"));
    MolgewichtCaption->setText(tr("Molgewicht"));
}

void TMatLkupForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        // Longer words in another language may need a larger window.
        ui::fitFixedSize(this, QSize(539, 280));
    }
    QDialog::changeEvent(event);
}

void TMatLkupForm::buildLayout() {
    for (QPushButton* b : {VoegToebutton, CloseButton})
        b->setFixedHeight(ui::heightAtLeast(b, 25));
    // The list starts as designed and grows to its longest name.
    new NameListFit(DBGrid1, 190, [this] { ui::fitFixedSize(this, QSize(539, 280)); });
    ui::fitFixedSize(this, QSize(539, 280));
}

TMatLkupForm::~TMatLkupForm() {
    FormDestroy();
}

const char* TMatLkupForm::dragMimeType() {
    return "application/x-kelvora-material";
}

void TMatLkupForm::FormCreate() {
    ui::guard(this, [this] { ui::applyPlacement(this, settings_, settings::MatLkupForm); });
}

void TMatLkupForm::FormDestroy() {
    ui::guard(nullptr, [this] { ui::storePlacement(this, settings_, settings::MatLkupForm); });
}

void TMatLkupForm::DBGrid1DblClick() {
    View* v = materials();
    // The current record is the highlighted row (the grid keeps them one).
    const QString name = v->active() && !v->isEmpty() ? QString::fromStdString(v->asText("naam")) : QString();
    Q_EMIT materialChosen(name);
}

void TMatLkupForm::filterList(const QString& text, bool keepCurrentShown) {
    const QString wanted = text.trimmed();
    const QAbstractItemModel* list = DBGrid1->model();
    int firstShown = -1;
    for (int row = 0; row < list->rowCount(); ++row) {
        const bool shown =
            wanted.isEmpty() || list->index(row, 0).data().toString().contains(wanted, Qt::CaseInsensitive);
        DBGrid1->setRowHidden(row, !shown);
        if (shown && firstShown < 0) firstShown = row;
    }
    // "Voeg toe" adds the current material: while typing it is one the list
    // shows. A change made elsewhere leaves the current material alone.
    const int current = DBGrid1->currentIndex().row();
    if (keepCurrentShown && firstShown >= 0 && (current < 0 || DBGrid1->isRowHidden(current)))
        DBGrid1->setCurrentIndex(list->index(firstShown, 0));
}

void TMatLkupForm::startNameDrag() {
    View* v = materials();
    if (!v || !v->active() || v->isEmpty()) return;
    auto* data = new QMimeData;
    const QString name = QString::fromStdString(v->asText("naam"));
    // The editor takes the current material on the drop; the text is for
    // anything else the name is dropped on.
    data->setText(name);
    data->setData(QString::fromLatin1(dragMimeType()), name.toUtf8());
    auto* drag = new QDrag(NaamLabel);
    drag->setMimeData(data);
    drag->setPixmap(NaamLabel->grab());
    drag->exec(Qt::CopyAction);
}

bool TMatLkupForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == NaamLabel && event->type() == QEvent::MouseButtonPress) {
        auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton) {
            startNameDrag();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kelvora
