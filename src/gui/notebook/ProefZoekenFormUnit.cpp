// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/ProefZoekenFormUnit.h"

#include "common/Prompter.h"
#include "model/RecordNames.h"
#include "notebook/TestSheetPrinter.h"
#include "store/GlazeBook.h"
#include "store/Notebook.h"
#include "widgets/ErrorBox.h"
#include "widgets/ScreenFit.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPageSize>
#include <QPrintDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace kelvora {

namespace {
QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

enum Column { CodeColumn, GlazeColumn, DateColumn, ClayColumn, FiringsColumn, ColumnCount };

// A drop-down of one of the notebook's fixed lists, with "all" first; the
// stored code of a choice is its item data.
template <typename Choice> QComboBox* choiceBox(const char* name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->addItem(QString());
    for (const Choice choice : Choices<Choice>::all())
        box->addItem(QString::fromUtf8(Choices<Choice>::text(choice)),
                     QString::fromLatin1(Choices<Choice>::code(choice)));
    return box;
}

template <typename Choice> std::optional<Choice> chosen(const QComboBox* box) {
    const QString code = box->currentData().toString();
    if (code.isEmpty()) return std::nullopt;
    return Choices<Choice>::fromCode(code.toStdString());
}

QLineEdit* lineEdit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setClearButtonEnabled(true);
    return edit;
}

// The firings a test was in, each with the cone it reached.
QString firingsOf(const NotebookData& data, const Proef& test) {
    QStringList parts;
    for (const TileResult* result : data.resultsOf(test.code)) {
        const Stook* firing = data.firing(result->firing);
        parts << (firing && !firing->cone.empty()
                      ? TProefZoekenForm::tr("%1 (kegel %2)").arg(qs(result->firing), qs(firing->cone))
                      : qs(result->firing));
    }
    return parts.join(QStringLiteral("; "));
}
} // namespace

TProefZoekenForm::TProefZoekenForm(const Notebook& notebook, const GlazeBook& glazes, Prompter& prompter,
                                   QWidget* parent)
    : QDialog(parent), notebook_(notebook), glazes_(glazes), prompter_(prompter),
      printer_(QPrinter::HighResolution) {
    setObjectName(QStringLiteral("ProefZoekenForm"));
    printer_.setDocName(QString::fromLatin1(ReportPrinter::jobTitle));
    askPrinter_ = [](QPrinter& printer, QWidget* over) {
        QPrintDialog dialog(&printer, over);
        dialog.setObjectName(QStringLiteral("PrintDialog1"));
        dialog.setWindowTitle(tr("Afdrukken"));
        return dialog.exec() == QDialog::Accepted;
    };
    buildLayout();

    connect(ZoekenButton, &QPushButton::clicked, this, ui::guarded(this, [this] { search(); }));
    connect(ResultatenTabel, &QTableView::doubleClicked, this, [this] { chooseCurrent(); });
    ResultatenTabel->installEventFilter(this);
    connect(TestbladButton, &QPushButton::clicked, this, ui::guarded(this, [this] { printSheets(); }));
    connect(EtikettenButton, &QPushButton::clicked, this, ui::guarded(this, [this] { printLabels(); }));
    connect(SluitenButton, &QPushButton::clicked, this, &QDialog::accept);
    retranslate();
}

void TProefZoekenForm::buildLayout() {
    CodeLabel = new QLabel(this);
    CodeEdit = lineEdit("CodeEdit", this);
    GlazuurLabel = new QLabel(this);
    GlazuurEdit = lineEdit("GlazuurEdit", this);
    ScherfLabel = new QLabel(this);
    ScherfEdit = lineEdit("ScherfEdit", this);
    KegelLabel = new QLabel(this);
    KegelEdit = lineEdit("KegelEdit", this);
    AtmosfeerLabel = new QLabel(this);
    AtmosfeerCB = choiceBox<Atmosphere>("AtmosfeerCB", this);
    OvenLabel = new QLabel(this);
    OvenEdit = lineEdit("OvenEdit", this);
    StatusLabel = new QLabel(this);
    StatusCB = choiceBox<GlazeStatus>("StatusCB", this);
    VanafLabel = new QLabel(this);
    VanafEdit = lineEdit("VanafEdit", this);
    TotLabel = new QLabel(this);
    TotEdit = lineEdit("TotEdit", this);
    GebrekLabel = new QLabel(this);
    GebrekCB = choiceBox<Defect>("GebrekCB", this);

    // Each caption's mnemonic takes the focus to its field.
    const std::pair<QLabel*, QWidget*> buddies[] = {
        {CodeLabel, CodeEdit},   {GlazuurLabel, GlazuurEdit},   {ScherfLabel, ScherfEdit},
        {KegelLabel, KegelEdit}, {AtmosfeerLabel, AtmosfeerCB}, {OvenLabel, OvenEdit},
        {StatusLabel, StatusCB}, {VanafLabel, VanafEdit},       {TotLabel, TotEdit},
        {GebrekLabel, GebrekCB}};
    for (const auto& [label, field] : buddies)
        label->setBuddy(field);
    auto* left = new QFormLayout;
    left->addRow(CodeLabel, CodeEdit);
    left->addRow(GlazuurLabel, GlazuurEdit);
    left->addRow(ScherfLabel, ScherfEdit);
    left->addRow(KegelLabel, KegelEdit);
    left->addRow(AtmosfeerLabel, AtmosfeerCB);
    auto* right = new QFormLayout;
    right->addRow(OvenLabel, OvenEdit);
    right->addRow(StatusLabel, StatusCB);
    right->addRow(VanafLabel, VanafEdit);
    right->addRow(TotLabel, TotEdit);
    right->addRow(GebrekLabel, GebrekCB);
    auto* fields = new QWidget;
    auto* columns = new QHBoxLayout(fields);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    ZoekenButton = new QPushButton(this);
    ZoekenButton->setObjectName(QStringLiteral("ZoekenButton"));
    // Enter in any field searches.
    ZoekenButton->setDefault(true);
    AantalLabel = new QLabel(this);
    AantalLabel->setObjectName(QStringLiteral("AantalLabel"));
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(AantalLabel, 1);
    searchRow->addWidget(ZoekenButton);

    results_ = new QStandardItemModel(0, ColumnCount, this);
    ResultatenTabel = new QTableView(this);
    ResultatenTabel->setObjectName(QStringLiteral("ResultatenTabel"));
    ResultatenTabel->setModel(results_);
    ResultatenTabel->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ResultatenTabel->setSelectionBehavior(QAbstractItemView::SelectRows);
    ResultatenTabel->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ResultatenTabel->setTabKeyNavigation(false);
    ResultatenTabel->verticalHeader()->hide();
    ResultatenTabel->verticalHeader()->setDefaultSectionSize(ResultatenTabel->fontMetrics().height() + 6);
    // The columns are fitted to what they show after every search; the
    // potter may still widen one.
    ResultatenTabel->horizontalHeader()->setStretchLastSection(true);

    EtiketSoortLabel = new QLabel(this);
    EtiketSoortCB = new QComboBox(this);
    EtiketSoortCB->setObjectName(QStringLiteral("EtiketSoortCB"));
    EtiketSoortCB->addItem(QString(), static_cast<int>(TestSheetPrinter::LabelLayout::StickerSheet));
    EtiketSoortCB->addItem(QString(), static_cast<int>(TestSheetPrinter::LabelLayout::LabelPrinter));
    EtiketSoortLabel->setBuddy(EtiketSoortCB);
    TestbladButton = new QPushButton(this);
    TestbladButton->setObjectName(QStringLiteral("TestbladButton"));
    EtikettenButton = new QPushButton(this);
    EtikettenButton->setObjectName(QStringLiteral("EtikettenButton"));
    SluitenButton = new QPushButton(this);
    SluitenButton->setObjectName(QStringLiteral("SluitenButton"));
    auto* labelRow = new QHBoxLayout;
    labelRow->addWidget(EtiketSoortLabel);
    labelRow->addWidget(EtiketSoortCB, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(TestbladButton);
    buttons->addWidget(EtikettenButton);
    buttons->addStretch(1);
    buttons->addWidget(SluitenButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ui::scrolling(fields, this));
    layout->addLayout(searchRow);
    layout->addWidget(ResultatenTabel, 1);
    layout->addLayout(labelRow);
    layout->addLayout(buttons);
    resize(860, 620);
}

void TProefZoekenForm::retranslate() {
    setWindowTitle(tr("Proeven zoeken"));
    const std::pair<QLabel*, QString> captions[] = {{CodeLabel, tr("&Code:")},
                                                    {GlazuurLabel, tr("&Glazuur:")},
                                                    {ScherfLabel, tr("Sc&herf:")},
                                                    {KegelLabel, tr("&Kegel:")},
                                                    {AtmosfeerLabel, tr("&Atmosfeer:")},
                                                    {OvenLabel, tr("&Oven:")},
                                                    {StatusLabel, tr("S&tatus:")},
                                                    {VanafLabel, tr("Gemengd &vanaf:")},
                                                    {TotLabel, tr("Gemengd tot en &met:")},
                                                    {GebrekLabel, tr("Ge&brek:")},
                                                    {EtiketSoortLabel, tr("&Etiketten op:")}};
    for (const auto& [label, text] : captions)
        label->setText(text);
    const std::pair<QWidget*, QString> names[] = {{CodeEdit, tr("Code")},
                                                  {GlazuurEdit, tr("Glazuur")},
                                                  {ScherfEdit, tr("Scherf")},
                                                  {KegelEdit, tr("Kegel")},
                                                  {AtmosfeerCB, tr("Atmosfeer")},
                                                  {OvenEdit, tr("Oven")},
                                                  {StatusCB, tr("Status")},
                                                  {VanafEdit, tr("Gemengd vanaf")},
                                                  {TotEdit, tr("Gemengd tot en met")},
                                                  {GebrekCB, tr("Gebrek")},
                                                  {EtiketSoortCB, tr("Etiketten op")},
                                                  {ResultatenTabel, tr("Gevonden proeven")},
                                                  {AantalLabel, tr("Aantal gevonden proeven")}};
    for (const auto& [widget, name] : names)
        widget->setAccessibleName(name);
    for (QLineEdit* date : {VanafEdit, TotEdit}) {
        date->setPlaceholderText(tr("dd-mm-jjjj"));
        date->setToolTip(tr("Een datum als dd-mm-jjjj; leeg laat de datum vrij."));
    }
    KegelEdit->setToolTip(tr("De kegel die een stook bereikte, of die bij een foto staat."));
    for (QComboBox* box : {AtmosfeerCB, StatusCB, GebrekCB})
        box->setItemText(0, tr("(alle)"));
    EtiketSoortCB->setItemText(0, tr("A4-vel met 3 × 8 etiketten van 70 × 37 mm"));
    EtiketSoortCB->setItemText(1, tr("Etikettenprinter, één etiket per blad"));
    ZoekenButton->setText(tr("&Zoeken"));
    TestbladButton->setText(tr("Testblad afdrukken..."));
    EtikettenButton->setText(tr("Etiketten afdrukken..."));
    SluitenButton->setText(tr("Sluiten"));
    results_->setHorizontalHeaderLabels(
        {tr("Code"), tr("Glazuur"), tr("Gemengd"), tr("Scherf"), tr("Stoken (kegel)")});
    if (!AantalLabel->text().isEmpty()) showCount();
}

void TProefZoekenForm::showCount() {
    const int count = results_->rowCount();
    AantalLabel->setText(count == 1 ? tr("1 proef gevonden") : tr("%1 proeven gevonden").arg(count));
}

void TProefZoekenForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(event);
}

void TProefZoekenForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ui::fitToScreen(this);
    ui::guard(this, [this] { search(); });
}

std::optional<TestQuery> TProefZoekenForm::query() const {
    TestQuery q;
    q.code = CodeEdit->text().trimmed().toStdString();
    q.glaze = GlazuurEdit->text().trimmed().toStdString();
    q.clayBody = ScherfEdit->text().trimmed().toStdString();
    q.cone = KegelEdit->text().trimmed().toStdString();
    q.atmosphere = chosen<Atmosphere>(AtmosfeerCB);
    q.kiln = OvenEdit->text().trimmed().toStdString();
    q.status = chosen<GlazeStatus>(StatusCB);
    q.defect = chosen<Defect>(GebrekCB);
    for (auto [edit, date] : {std::pair{VanafEdit, &q.from}, std::pair{TotEdit, &q.to}}) {
        const QString typed = edit->text().trimmed();
        if (typed.isEmpty()) continue;
        *date = CalendarDate::parse(typed.toStdString());
        if (!*date) {
            prompter_.message(
                tr("'%1' is geen datum. Schrijf een datum als dd-mm-jjjj.").arg(typed).toStdString());
            edit->setFocus();
            return std::nullopt;
        }
    }
    return q;
}

void TProefZoekenForm::search() {
    const auto q = query();
    if (!q) return;
    // The status is the glaze's: read from the glazes only when asked for.
    std::vector<std::pair<std::string, std::optional<GlazeStatus>>> statuses;
    GlazeStatusOf statusOf;
    if (q->status) {
        for (const Glaze& glaze : glazes_.glazes())
            statuses.emplace_back(glaze.naam, Choices<GlazeStatus>::fromCode(glaze.stat));
        statusOf = [&statuses](const std::string& glaze) -> std::optional<GlazeStatus> {
            for (const auto& [name, status] : statuses)
                if (RecordNames::same(name, glaze)) return status;
            return std::nullopt;
        };
    }
    const NotebookData& data = notebook_.data();
    const auto found = findTests(data, *q, statusOf);
    results_->removeRows(0, results_->rowCount());
    for (const Proef* test : found) {
        QList<QStandardItem*> row;
        row << new QStandardItem(qs(test->code)) << new QStandardItem(qs(test->glaze))
            << new QStandardItem(qs(test->date)) << new QStandardItem(qs(test->clayBody))
            << new QStandardItem(firingsOf(data, *test));
        results_->appendRow(row);
    }
    showCount();
    ResultatenTabel->resizeColumnsToContents();
    if (results_->rowCount() > 0) ResultatenTabel->setCurrentIndex(results_->index(0, CodeColumn));
}

bool TProefZoekenForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ResultatenTabel && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter opens the test here, instead of searching again.
            chooseCurrent();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TProefZoekenForm::chooseCurrent() {
    const QModelIndex current = ResultatenTabel->currentIndex();
    if (!current.isValid()) return;
    const int row = current.row();
    Q_EMIT testChosen(results_->item(row, GlazeColumn)->text(), results_->item(row, CodeColumn)->text());
}

std::vector<const Proef*> TProefZoekenForm::selectedTests() const {
    QModelIndexList rows = ResultatenTabel->selectionModel()->selectedRows(CodeColumn);
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<const Proef*> tests;
    for (const QModelIndex& index : rows)
        if (const Proef* test = notebook_.data().test(index.data().toString().toStdString()))
            tests.push_back(test);
    return tests;
}

void TProefZoekenForm::printSheets() {
    const auto tests = selectedTests();
    if (tests.empty()) {
        prompter_.message(tr("Kies eerst een of meer proeven in de lijst.").toStdString());
        return;
    }
    // A label's page size left from printing labels gives way to A4.
    if (printer_.pageLayout().pageSize().id() == QPageSize::Custom)
        printer_.setPageSize(QPageSize(QPageSize::A4));
    if (!askPrinter_(printer_, this)) return;
    TestSheetPrinter::printSheets(printer_, notebook_, tests, [this](const Proef& test) {
        if (const auto glaze = glazes_.findGlaze(test.glaze)) return SheetHeading::of(tr("Proef"), *glaze);
        SheetHeading heading;
        heading.title = tr("Proef");
        heading.glaze = qs(test.glaze);
        return heading;
    });
}

void TProefZoekenForm::printLabels() {
    const auto tests = selectedTests();
    if (tests.empty()) {
        prompter_.message(tr("Kies eerst een of meer proeven in de lijst.").toStdString());
        return;
    }
    const auto layout = static_cast<TestSheetPrinter::LabelLayout>(EtiketSoortCB->currentData().toInt());
    TestSheetPrinter::prepareForLabels(printer_, layout);
    if (!askPrinter_(printer_, this)) return;
    TestSheetPrinter::printLabels(printer_, tests, layout);
}

} // namespace kelvora
