// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/StokenFormUnit.h"

#include "common/NumberFormat.h"
#include "common/Prompter.h"
#include "model/RecordNames.h"
#include "notebook/CalendarDate.h"
#include "notebook/NotebookError.h"
#include "notebook/NotebookRules.h"
#include "store/AtomicFile.h"
#include "store/Notebook.h"
#include "widgets/ErrorBox.h"
#include "widgets/ReadOnlyRun.h"
#include "widgets/ScreenFit.h"

#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace kelvora {

namespace {

// A controller's log of a long firing, a reading every few seconds, stays
// far below this.
constexpr std::size_t kMaxLogBytes = 16u * 1024u * 1024u;

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

std::string utf8(const QString& s) {
    return s.trimmed().toStdString();
}

QTableWidgetItem* readOnlyItem(const QString& shown) {
    auto* item = new QTableWidgetItem(shown);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

QTableWidget* listTable(QWidget* parent, const char* name, int columns) {
    auto* table = new QTableWidget(0, columns, parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves a list for the next control instead of walking its cells.
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void setHeadings(QTableWidget* table, const QStringList& headings) {
    table->setHorizontalHeaderLabels(headings);
}

template <typename Choice> QString choiceText(const std::optional<Choice>& c) {
    return c ? QString::fromUtf8(Choices<Choice>::text(*c)) : QString();
}

} // namespace

TStokenForm::TStokenForm(Prompter& prompter, Notebook& notebook, QWidget* parent)
    : QWidget(parent, Qt::Window), prompter_(prompter), notebook_(notebook) {
    setObjectName(QStringLiteral("StokenForm"));
    buildLayout();
    retranslate();
    ui::guard(this, [this] { refresh(); });
}

TStokenForm::~TStokenForm() = default;

void TStokenForm::buildLayout() {
    StokenTabel = listTable(this, "StokenTabel", 6);

    auto* fields = new QWidget(this);
    const auto label = [fields](QLabel*& lbl, QWidget* buddy) {
        lbl = new QLabel(fields);
        lbl->setBuddy(buddy);
        return lbl;
    };
    CodeEdit = new QLineEdit(fields);
    CodeEdit->setObjectName(QStringLiteral("CodeEdit"));
    DatumEdit = new QLineEdit(fields);
    DatumEdit->setObjectName(QStringLiteral("DatumEdit"));
    OvenCB = new QComboBox(fields);
    OvenCB->setObjectName(QStringLiteral("OvenCB"));
    OvenCB->setEditable(true);
    OvenCB->setInsertPolicy(QComboBox::NoInsert);
    KegelEdit = new QLineEdit(fields);
    KegelEdit->setObjectName(QStringLiteral("KegelEdit"));
    AtmosfeerCB = new QComboBox(fields);
    AtmosfeerCB->setObjectName(QStringLiteral("AtmosfeerCB"));
    AtmosfeerCB->addItem(QString(), -1);
    const auto& atmospheres = Choices<Atmosphere>::all();
    for (std::size_t i = 0; i < atmospheres.size(); ++i)
        AtmosfeerCB->addItem(QString::fromUtf8(Choices<Atmosphere>::text(atmospheres[i])),
                             static_cast<int>(i));
    ReductieEdit = new QLineEdit(fields);
    ReductieEdit->setObjectName(QStringLiteral("ReductieEdit"));
    NotitiesEdit = new QPlainTextEdit(fields);
    NotitiesEdit->setObjectName(QStringLiteral("NotitiesEdit"));
    NotitiesEdit->setTabChangesFocus(true);
    NotitiesEdit->setMaximumHeight(NotitiesEdit->fontMetrics().lineSpacing() * 4);
    auto* form = new QFormLayout(fields);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(label(CodeLbl, CodeEdit), CodeEdit);
    form->addRow(label(DatumLbl, DatumEdit), DatumEdit);
    form->addRow(label(OvenLbl, OvenCB), OvenCB);
    form->addRow(label(KegelLbl, KegelEdit), KegelEdit);
    form->addRow(label(AtmosfeerLbl, AtmosfeerCB), AtmosfeerCB);
    form->addRow(label(ReductieLbl, ReductieEdit), ReductieEdit);
    form->addRow(label(NotitiesLbl, NotitiesEdit), NotitiesEdit);

    SchemaTabel = new QTableWidget(0, 3, this);
    SchemaTabel->setObjectName(QStringLiteral("SchemaTabel"));
    SchemaTabel->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // The first heading is the longest; it is read whole at any font size.
    SchemaTabel->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    SchemaTabel->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    SchemaTabel->setMinimumHeight(SchemaTabel->fontMetrics().lineSpacing() * 9);
    SchemaLbl = new QLabel(this);
    SchemaLbl->setBuddy(SchemaTabel);
    StapToevoegenButton = new QPushButton(this);
    StapToevoegenButton->setObjectName(QStringLiteral("StapToevoegenButton"));
    StapVerwijderenButton = new QPushButton(this);
    StapVerwijderenButton->setObjectName(QStringLiteral("StapVerwijderenButton"));
    auto* stepButtons = new QHBoxLayout;
    stepButtons->addWidget(StapToevoegenButton);
    stepButtons->addWidget(StapVerwijderenButton);
    stepButtons->addStretch(1);
    auto* schedule = new QVBoxLayout;
    schedule->addWidget(SchemaLbl);
    schedule->addWidget(SchemaTabel, 1);
    schedule->addLayout(stepButtons);

    chart_ = new QChart;
    chart_->legend()->setAlignment(Qt::AlignBottom);
    hoursAxis_ = new QValueAxis;
    hoursAxis_->setLabelFormat(QStringLiteral("%g"));
    celsiusAxis_ = new QValueAxis;
    celsiusAxis_->setLabelFormat(QStringLiteral("%.0f"));
    chart_->addAxis(hoursAxis_, Qt::AlignBottom);
    chart_->addAxis(celsiusAxis_, Qt::AlignLeft);
    scheduleSeries_ = new QLineSeries;
    scheduleSeries_->setObjectName(QStringLiteral("SchemaSerie"));
    logSeries_ = new QLineSeries;
    logSeries_->setObjectName(QStringLiteral("LogSerie"));
    for (QLineSeries* series : {scheduleSeries_, logSeries_}) {
        chart_->addSeries(series);
        series->attachAxis(hoursAxis_);
        series->attachAxis(celsiusAxis_);
    }
    GrafiekView = new QChartView(chart_, this);
    GrafiekView->setObjectName(QStringLiteral("GrafiekView"));
    GrafiekView->setRenderHint(QPainter::Antialiasing);
    // Room for the axes' labels and titles at any font size.
    GrafiekView->setMinimumHeight(GrafiekView->fontMetrics().lineSpacing() * 24);
    LogLbl = new QLabel(this);
    LogLbl->setObjectName(QStringLiteral("LogLbl"));

    ProevenTabel = listTable(this, "ProevenTabel", 7);
    ProevenTabel->setSelectionMode(QAbstractItemView::NoSelection);
    ProevenLbl = new QLabel(this);
    ProevenLbl->setBuddy(ProevenTabel);

    const auto button = [this](QPushButton*& b, const char* name) {
        b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button(NieuweButton, "NieuweButton"));
    buttons->addWidget(button(SjabloonBewarenButton, "SjabloonBewarenButton"));
    buttons->addWidget(button(SjabloonGebruikenButton, "SjabloonGebruikenButton"));
    buttons->addWidget(button(LogButton, "LogButton"));
    buttons->addStretch(1);
    buttons->addWidget(button(BewarenButton, "BewarenButton"));

    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(fields);
    rightLayout->addLayout(schedule);
    rightLayout->addWidget(GrafiekView, 2);
    rightLayout->addWidget(LogLbl);
    rightLayout->addWidget(ProevenLbl);
    rightLayout->addWidget(ProevenTabel, 1);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(StokenTabel);
    splitter->addWidget(ui::scrolling(right, splitter));
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    splitter->setChildrenCollapsible(false);
    splitter->setSizes({380, 800});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    resize(1180, 780);

    NaamDialog = new QInputDialog(this);
    NaamDialog->setObjectName(QStringLiteral("NaamDialog"));
    NaamDialog->setInputMode(QInputDialog::TextInput);
    SjabloonDialog = new QInputDialog(this);
    SjabloonDialog->setObjectName(QStringLiteral("SjabloonDialog"));
    SjabloonDialog->setComboBoxEditable(false);

    LogDialog = new QDialog(this);
    LogDialog->setObjectName(QStringLiteral("LogDialog"));
    LogUitlegLbl = new QLabel(LogDialog);
    LogUitlegLbl->setWordWrap(true);
    LogTekst = new QPlainTextEdit(LogDialog);
    LogTekst->setObjectName(QStringLiteral("LogTekst"));
    LogTekst->setTabChangesFocus(true);
    LogUitlegLbl->setBuddy(LogTekst);
    LogBestandButton = new QPushButton(LogDialog);
    LogBestandButton->setObjectName(QStringLiteral("LogBestandButton"));
    LogOkButton = new QPushButton(LogDialog);
    LogOkButton->setObjectName(QStringLiteral("LogOkButton"));
    LogOkButton->setDefault(true);
    LogAnnulerenButton = new QPushButton(LogDialog);
    LogAnnulerenButton->setObjectName(QStringLiteral("LogAnnulerenButton"));
    auto* logButtons = new QHBoxLayout;
    logButtons->addWidget(LogBestandButton);
    logButtons->addStretch(1);
    logButtons->addWidget(LogAnnulerenButton);
    logButtons->addWidget(LogOkButton);
    auto* logLayout = new QVBoxLayout(LogDialog);
    logLayout->addWidget(LogUitlegLbl);
    logLayout->addWidget(LogTekst, 1);
    logLayout->addLayout(logButtons);
    LogDialog->resize(560, 420);

    connect(StokenTabel, &QTableWidget::itemSelectionChanged, this,
            ui::guarded(this, [this] { firingChosen(); }));
    const auto changed = [this] { changed_ = true; };
    for (QLineEdit* edit : {CodeEdit, DatumEdit, KegelEdit, ReductieEdit, OvenCB->lineEdit()})
        connect(edit, &QLineEdit::textEdited, this, changed);
    connect(OvenCB, &QComboBox::activated, this, changed);
    connect(AtmosfeerCB, &QComboBox::activated, this, changed);
    connect(NotitiesEdit, &QPlainTextEdit::textChanged, this, changed);
    connect(SchemaTabel, &QTableWidget::itemChanged, this, [this] {
        changed_ = true;
        updatePlot();
    });
    connect(StapToevoegenButton, &QPushButton::clicked, this, ui::guarded(this, [this] { addStep(); }));
    connect(StapVerwijderenButton, &QPushButton::clicked, this, ui::guarded(this, [this] { removeStep(); }));
    connect(NieuweButton, &QPushButton::clicked, this, ui::guarded(this, [this] {
                if (settleChanges()) newFiring();
            }));
    connect(BewarenButton, &QPushButton::clicked, this, ui::guarded(this, [this] { save(); }));
    connect(SjabloonBewarenButton, &QPushButton::clicked, this,
            ui::guarded(this, [this] { saveTemplate(); }));
    connect(SjabloonGebruikenButton, &QPushButton::clicked, this,
            ui::guarded(this, [this] { useTemplate(); }));
    connect(LogButton, &QPushButton::clicked, this, ui::guarded(this, [this] { readLog(); }));
    connect(LogBestandButton, &QPushButton::clicked, LogDialog,
            ui::guarded(LogDialog, [this] { readLogFile(); }));
    connect(LogOkButton, &QPushButton::clicked, LogDialog, &QDialog::accept);
    connect(LogAnnulerenButton, &QPushButton::clicked, LogDialog, &QDialog::reject);
}

void TStokenForm::retranslate() {
    setWindowTitle(readOnly_ ? ui::ReadOnlyRun::title(tr("Stoken")) : tr("Stoken"));
    setHeadings(StokenTabel,
                {tr("Code"), tr("Datum"), tr("Oven"), tr("Kegel"), tr("Atmosfeer"), tr("Proeven")});
    StokenTabel->setAccessibleName(tr("Stoken"));
    CodeLbl->setText(tr("Code"));
    DatumLbl->setText(tr("Datum (dd-mm-jjjj)"));
    OvenLbl->setText(tr("Oven"));
    KegelLbl->setText(tr("Kegel bereikt"));
    KegelEdit->setToolTip(tr("Zoals de meetkegels het lieten zien, bijvoorbeeld \"6 buigt, 7 staat\""));
    AtmosfeerLbl->setText(tr("Atmosfeer"));
    ReductieLbl->setText(tr("Reductie vanaf"));
    ReductieEdit->setToolTip(tr("Wanneer de reductie begon: een temperatuur of een tijd"));
    NotitiesLbl->setText(tr("Notities"));
    for (QLabel* lbl : {CodeLbl, DatumLbl, OvenLbl, KegelLbl, AtmosfeerLbl, ReductieLbl, NotitiesLbl})
        lbl->buddy()->setAccessibleName(lbl->text());
    SchemaLbl->setText(tr("Stookschema"));
    setHeadings(SchemaTabel, {tr("Snelheid (°C/uur) of duur (u:mm)"), tr("Doel (°C)"), tr("Houdtijd (min)")});
    SchemaTabel->setAccessibleName(tr("Stookschema"));
    SchemaTabel->setToolTip(
        tr("Graden Fahrenheit mogen ook: schrijf een F achter het getal, bijvoorbeeld 1832F"));
    StapToevoegenButton->setText(tr("Stap toevoegen"));
    StapVerwijderenButton->setText(tr("Stap verwijderen"));
    ProevenLbl->setText(tr("Proeven in deze stook"));
    setHeadings(ProevenTabel, {tr("Proef"), tr("Glazuur"), tr("Plaats"), tr("Oppervlak"), tr("Kleur"),
                               tr("Gebreken"), tr("Waardering")});
    ProevenTabel->setAccessibleName(tr("Proeven in deze stook"));
    chart_->setTitle(tr("Stookschema"));
    hoursAxis_->setTitleText(tr("Tijd (uur)"));
    celsiusAxis_->setTitleText(tr("Temperatuur (°C)"));
    scheduleSeries_->setName(tr("Schema"));
    logSeries_->setName(tr("Log"));
    GrafiekView->setAccessibleName(tr("Grafiek van het stookschema"));
    NieuweButton->setText(tr("Nieuwe stook"));
    BewarenButton->setText(tr("Bewaren"));
    SjabloonBewarenButton->setText(tr("Schema als sjabloon bewaren..."));
    SjabloonGebruikenButton->setText(tr("Sjabloon gebruiken..."));
    LogButton->setText(tr("Log inlezen..."));
    NaamDialog->setWindowTitle(tr("Schema als sjabloon bewaren"));
    NaamDialog->setLabelText(tr("Naam van het sjabloon:"));
    SjabloonDialog->setWindowTitle(tr("Sjabloon gebruiken"));
    SjabloonDialog->setLabelText(tr("Sjabloon:"));
    LogDialog->setWindowTitle(tr("Log inlezen"));
    LogUitlegLbl->setText(tr("Plak de metingen uit een rekenblad (tijd, temperatuur, opmerking), of kies het "
                             "CSV-bestand dat de ovenregelaar schreef:"));
    LogTekst->setAccessibleName(tr("Metingen"));
    LogBestandButton->setText(tr("Bestand kiezen..."));
    LogOkButton->setText(tr("Inlezen"));
    LogAnnulerenButton->setText(tr("Annuleren"));
    updatePlot();
}

void TStokenForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void TStokenForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ui::fitToScreen(this);
}

void TStokenForm::closeEvent(QCloseEvent* event) {
    bool settled = false;
    ui::guard(this, [&] { settled = settleChanges(); });
    if (settled)
        QWidget::closeEvent(event);
    else
        event->ignore();
}

void TStokenForm::refresh() {
    fillKilns();
    fillFirings();
    const NotebookData& data = notebook_.data();
    if (changed_) {
        // What the user typed stays; only the lists around it follow the notebook.
        markShownRow();
        showTests(code_);
        return;
    }
    if (!code_.isEmpty() && data.firing(utf8(code_))) {
        selectFiring(code_);
    } else if (!data.firings.empty()) {
        selectFiring(text(data.firings.back().code));
    } else {
        newFiring();
    }
}

void TStokenForm::fillFirings() {
    const NotebookData& data = notebook_.data();
    const QSignalBlocker blocker(StokenTabel);
    StokenTabel->clearSelection();
    StokenTabel->setRowCount(static_cast<int>(data.firings.size()));
    for (int row = 0; row < StokenTabel->rowCount(); ++row) {
        const Stook& f = data.firings[static_cast<std::size_t>(row)];
        const auto tests = std::count_if(data.results.begin(), data.results.end(), [&](const TileResult& r) {
            return RecordNames::same(r.firing, f.code);
        });
        const QStringList cells{
            text(f.code),          text(f.date), text(f.kiln), text(f.cone), choiceText(f.atmosphere),
            QString::number(tests)};
        for (int column = 0; column < cells.size(); ++column)
            StokenTabel->setItem(row, column, readOnlyItem(cells[column]));
    }
    StokenTabel->resizeColumnsToContents();
}

void TStokenForm::fillKilns() {
    QStringList kilns;
    std::vector<std::string> seen;
    for (const Stook& f : notebook_.data().firings)
        if (!f.kiln.empty() && !RecordNames::taken(f.kiln, seen)) {
            seen.push_back(f.kiln);
            kilns << text(f.kiln);
        }
    std::sort(kilns.begin(), kilns.end(),
              [](const QString& a, const QString& b) { return a.localeAwareCompare(b) < 0; });
    const QString typed = OvenCB->currentText();
    OvenCB->clear();
    OvenCB->addItems(kilns);
    OvenCB->setCurrentText(typed);
}

void TStokenForm::firingChosen() {
    const auto rows = StokenTabel->selectionModel()->selectedRows();
    if (rows.isEmpty()) return;
    const QString chosen = StokenTabel->item(rows.first().row(), 0)->text();
    if (chosen == code_) return;
    if (changed_) {
        // The list points at the firing the fields show until the user has answered.
        markShownRow();
        if (!settleChanges()) return;
    }
    selectFiring(chosen);
}

void TStokenForm::markShownRow() {
    const QSignalBlocker blocker(StokenTabel);
    StokenTabel->clearSelection();
    for (int row = 0; row < StokenTabel->rowCount(); ++row)
        if (StokenTabel->item(row, 0)->text() == code_) StokenTabel->selectRow(row);
}

bool TStokenForm::settleChanges() {
    if (!changed_ || readOnly_) return true;
    const QString shown = code_.isEmpty() ? tr("De nieuwe stook") : tr("Stook %1").arg(code_);
    switch (prompter_.ask(tr("%1 is gewijzigd. Eerst bewaren?").arg(shown).toStdString())) {
    case Prompter::Answer::Yes:
        save();
        return true;
    case Prompter::Answer::No:
        changed_ = false;
        return true;
    case Prompter::Answer::Cancel:
        break;
    }
    return false;
}

bool TStokenForm::selectFiring(const QString& code) {
    for (int row = 0; row < StokenTabel->rowCount(); ++row)
        if (RecordNames::same(utf8(StokenTabel->item(row, 0)->text()), utf8(code))) {
            code_ = StokenTabel->item(row, 0)->text();
            {
                const QSignalBlocker blocker(StokenTabel);
                StokenTabel->clearSelection();
                StokenTabel->selectRow(row);
            }
            showFiring(notebook_.data().firing(utf8(code_)));
            return true;
        }
    return false;
}

QString TStokenForm::currentCode() const {
    return code_;
}

void TStokenForm::showFiring(const Stook* firing) {
    const Stook empty;
    const Stook& f = firing ? *firing : empty;
    CodeEdit->setText(text(f.code));
    DatumEdit->setText(text(f.date));
    OvenCB->setCurrentText(text(f.kiln));
    KegelEdit->setText(text(f.cone));
    AtmosfeerCB->setCurrentIndex(0);
    if (f.atmosphere) {
        const auto& all = Choices<Atmosphere>::all();
        const auto at = std::find(all.begin(), all.end(), *f.atmosphere) - all.begin();
        AtmosfeerCB->setCurrentIndex(AtmosfeerCB->findData(static_cast<int>(at)));
    }
    ReductieEdit->setText(text(f.reductionStart));
    NotitiesEdit->setPlainText(text(f.notes));
    log_ = f.log;
    showSchedule(f.schedule);
    showTests(text(f.code));
    updateEnabled();
    changed_ = false;
}

void TStokenForm::showSchedule(const std::vector<ScheduleStep>& steps) {
    {
        const QSignalBlocker blocker(SchemaTabel);
        SchemaTabel->setRowCount(static_cast<int>(steps.size()));
        for (int row = 0; row < SchemaTabel->rowCount(); ++row) {
            const auto cells =
                FiringSchedule::cells(steps[static_cast<std::size_t>(row)], numfmt::decimalSeparator());
            for (int column = 0; column < 3; ++column)
                SchemaTabel->setItem(row, column,
                                     new QTableWidgetItem(text(cells[static_cast<std::size_t>(column)])));
        }
    }
    updatePlot();
}

void TStokenForm::showTests(const QString& code) {
    const NotebookData& data = notebook_.data();
    ProevenTabel->setRowCount(0);
    if (code.isEmpty()) return;
    for (const TileResult& r : data.results) {
        if (!RecordNames::same(r.firing, utf8(code))) continue;
        const Proef* test = data.test(r.test);
        QStringList defects;
        for (const Defect d : r.defects)
            defects << QString::fromUtf8(Choices<Defect>::text(d));
        const QStringList cells{text(r.test),
                                test ? text(test->glaze) : QString(),
                                text(r.place),
                                text(r.surface),
                                text(r.colour),
                                defects.join(QStringLiteral(", ")),
                                r.rating > 0 ? QString::number(r.rating) : QString()};
        const int row = ProevenTabel->rowCount();
        ProevenTabel->insertRow(row);
        for (int column = 0; column < cells.size(); ++column)
            ProevenTabel->setItem(row, column, readOnlyItem(cells[column]));
    }
    ProevenTabel->resizeColumnsToContents();
}

std::vector<ScheduleStep> TStokenForm::scheduleSteps() const {
    std::vector<FiringSchedule::Cells> rows;
    for (int row = 0; row < SchemaTabel->rowCount(); ++row) {
        FiringSchedule::Cells cells;
        for (int column = 0; column < 3; ++column) {
            const QTableWidgetItem* item = SchemaTabel->item(row, column);
            cells[static_cast<std::size_t>(column)] = item ? utf8(item->text()) : std::string();
        }
        rows.push_back(cells);
    }
    return FiringSchedule::fromCells(rows);
}

void TStokenForm::updatePlot() {
    std::vector<SchedulePoint> planned;
    try {
        planned = FiringSchedule::curve(scheduleSteps());
    } catch (const NotebookError&) {
        // A step still being typed: the plot waits for it; saving says what is wrong.
        return;
    }
    const std::vector<SchedulePoint> logged = FiringSchedule::curve(log_);
    double hours = 1, celsius = 100;
    const auto fill = [&](QLineSeries* series, const std::vector<SchedulePoint>& points) {
        QList<QPointF> list;
        for (const SchedulePoint& p : points) {
            list << QPointF(p.hours, p.celsius);
            hours = std::max(hours, p.hours);
            celsius = std::max(celsius, p.celsius);
        }
        series->replace(list);
        series->setVisible(!points.empty());
        for (QLegendMarker* marker : chart_->legend()->markers(series))
            marker->setVisible(!points.empty());
    };
    fill(scheduleSeries_, planned);
    fill(logSeries_, logged);
    hoursAxis_->setRange(0, std::ceil(hours));
    celsiusAxis_->setRange(0, std::ceil(celsius / 100) * 100);
    LogLbl->setText(log_.empty() ? tr("Geen log bij deze stook.")
                                 : tr("Log: %1 metingen (bewaard met de stook)").arg(log_.size()));
}

void TStokenForm::updateEnabled() {
    const bool edit = !readOnly_;
    for (QWidget* w : std::initializer_list<QWidget*>{
             DatumEdit, OvenCB, KegelEdit, AtmosfeerCB, ReductieEdit, NotitiesEdit, StapToevoegenButton,
             NieuweButton, BewarenButton, SjabloonBewarenButton, SjabloonGebruikenButton, LogButton})
        w->setEnabled(edit);
    // A stored firing keeps its code: results and photos name it.
    CodeEdit->setEnabled(edit && code_.isEmpty());
    StapVerwijderenButton->setEnabled(edit && SchemaTabel->rowCount() > 0);
    // Typing or F2 opens a cell; moving through the table does not.
    const QAbstractItemView::EditTriggers typing = QAbstractItemView::DoubleClicked |
                                                   QAbstractItemView::EditKeyPressed |
                                                   QAbstractItemView::AnyKeyPressed;
    SchemaTabel->setEditTriggers(edit ? typing : QAbstractItemView::NoEditTriggers);
}

void TStokenForm::setReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    updateEnabled();
    retranslate();
}

void TStokenForm::newFiring() {
    {
        const QSignalBlocker blocker(StokenTabel);
        StokenTabel->clearSelection();
    }
    code_.clear();
    showFiring(nullptr);
    const CalendarDate today = CalendarDate::today();
    CodeEdit->setText(text(notebook_.suggestFiringCode(today.year)));
    DatumEdit->setText(text(today.text()));
    changed_ = false;
    CodeEdit->setFocus();
}

void TStokenForm::save() {
    if (readOnly_) return;
    const Stook* stored = code_.isEmpty() ? nullptr : notebook_.data().firing(utf8(code_));
    Stook f = stored ? *stored : Stook{};
    if (!stored) f.code = utf8(CodeEdit->text());
    f.date = NotebookRules::storedDate(utf8(DatumEdit->text()), tr("De datum").toStdString());
    f.kiln = utf8(OvenCB->currentText());
    f.cone = utf8(KegelEdit->text());
    const int atmosphere = AtmosfeerCB->currentData().toInt();
    f.atmosphere.reset();
    if (atmosphere >= 0) f.atmosphere = Choices<Atmosphere>::all()[static_cast<std::size_t>(atmosphere)];
    f.reductionStart = utf8(ReductieEdit->text());
    f.notes = NotitiesEdit->toPlainText().toStdString();
    f.schedule = scheduleSteps();
    f.log = log_;
    if (stored) {
        NotebookData next = notebook_.data();
        for (Stook& old : next.firings)
            if (RecordNames::same(old.code, f.code)) old = f;
        notebook_.commit(std::move(next), {});
    } else {
        notebook_.addFiring(f);
    }
    code_ = text(f.code);
    changed_ = false;
    refresh();
    emit firingSaved(code_);
}

void TStokenForm::saveTemplate() {
    if (readOnly_) return;
    const std::vector<ScheduleStep> steps = scheduleSteps();
    if (steps.empty()) {
        prompter_.message(tr("Het schema heeft nog geen stappen.").toStdString());
        return;
    }
    NaamDialog->setTextValue(QString());
    if (NaamDialog->exec() != QDialog::Accepted) return;
    const std::string name = utf8(NaamDialog->textValue());
    if (name.empty()) {
        prompter_.message(tr("Geef het sjabloon een naam.").toStdString());
        return;
    }
    for (const ScheduleTemplate& t : notebook_.data().templates)
        if (RecordNames::same(t.name, name) &&
            !prompter_.confirm(
                tr("Er is al een sjabloon \"%1\". Vervangen?").arg(text(t.name)).toStdString()))
            return;
    notebook_.saveTemplate({name, steps});
}

void TStokenForm::useTemplate() {
    if (readOnly_) return;
    const auto& templates = notebook_.data().templates;
    if (templates.empty()) {
        prompter_.message(
            tr("Er zijn nog geen sjablonen. Bewaar eerst een schema als sjabloon.").toStdString());
        return;
    }
    QStringList names;
    for (const ScheduleTemplate& t : templates)
        names << text(t.name);
    SjabloonDialog->setComboBoxItems(names);
    SjabloonDialog->setTextValue(names.first());
    if (SjabloonDialog->exec() != QDialog::Accepted) return;
    const std::string chosen = utf8(SjabloonDialog->textValue());
    for (const ScheduleTemplate& t : templates)
        if (RecordNames::same(t.name, chosen)) {
            showSchedule(t.steps);
            changed_ = true;
            updateEnabled();
            return;
        }
}

void TStokenForm::readLog() {
    if (readOnly_) return;
    LogTekst->clear();
    if (LogDialog->exec() != QDialog::Accepted) return;
    const std::vector<KilnReading> readings = KilnLog::parse(LogTekst->toPlainText().toStdString());
    if (readings.empty()) {
        prompter_.message(tr("Er staan geen metingen in.").toStdString());
        return;
    }
    log_ = readings;
    changed_ = true;
    updatePlot();
}

void TStokenForm::readLogFile() {
    const QString path = QFileDialog::getOpenFileName(LogDialog, tr("Log inlezen"), QString(),
                                                      tr("Logbestanden (*.csv *.txt);;Alle bestanden (*)"));
    if (path.isEmpty()) return;
    std::string bytes;
    if (!readWholeFile(path.toStdString(), bytes, kMaxLogBytes)) {
        prompter_.message(tr("Kan %1 niet lezen.").arg(path).toStdString());
        return;
    }
    LogTekst->setPlainText(QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

void TStokenForm::addStep() {
    const int row = SchemaTabel->rowCount();
    SchemaTabel->insertRow(row);
    for (int column = 0; column < 3; ++column)
        SchemaTabel->setItem(row, column, new QTableWidgetItem);
    SchemaTabel->setCurrentCell(row, 0);
    SchemaTabel->setFocus();
    updateEnabled();
}

void TStokenForm::removeStep() {
    const int row = SchemaTabel->currentRow();
    if (row < 0) return;
    SchemaTabel->removeRow(row);
    changed_ = true;
    updatePlot();
    updateEnabled();
}

} // namespace kelvora
