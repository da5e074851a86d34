// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/VervangGrondstofFormUnit.h"

#include "common/NumberFormat.h"
#include "common/Prompter.h"
#include "engine/GlzDMUnit.h"
#include "solver/NewGlazeWriter.h"
#include "solver/SolverError.h"
#include "solver/SubstitutionComparison.h"
#include "widgets/ErrorBox.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <map>

namespace kelvora {

namespace {
QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

QTableWidgetItem* cell(const QString& text, bool number = false) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QTableWidget* table(QWidget* parent, const char* name, const QStringList& headings) {
    auto* t = new QTableWidget(0, static_cast<int>(headings.size()), parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setHorizontalHeaderLabels(headings);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(22);
    t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return t;
}

// Fields copied from the original to the new glaze besides its recipe.
} // namespace

TVervangGrondstofForm::TVervangGrondstofForm(TGlzDM& dm, Prompter& prompter, QWidget* parent)
    : QDialog(parent), dm_(dm), prompter_(prompter) {
    setObjectName(QStringLiteral("VervangGrondstofForm"));
    setWindowTitle(tr("Vervang grondstof"));

    GlazuurLabel = new QLabel(this);
    GlazuurLabel->setObjectName(QStringLiteral("GlazuurLabel"));
    VervangCB = new QComboBox(this);
    VervangCB->setObjectName(QStringLiteral("VervangCB"));
    auto* top = new QHBoxLayout;
    top->addWidget(GlazuurLabel, 1);
    top->addWidget(new QLabel(tr("Vervang:"), this));
    top->addWidget(VervangCB, 1);

    auto* candidatesBox = new QGroupBox(tr("Door"), this);
    auto* candidatesLayout = new QVBoxLayout(candidatesBox);
    ZoekEdit = new QLineEdit(candidatesBox);
    ZoekEdit->setObjectName(QStringLiteral("ZoekEdit"));
    ZoekEdit->setPlaceholderText(tr("Zoeken..."));
    ZoekEdit->setClearButtonEnabled(true);
    KandidatenLijst = new QListWidget(candidatesBox);
    KandidatenLijst->setObjectName(QStringLiteral("KandidatenLijst"));
    candidatesLayout->addWidget(ZoekEdit);
    candidatesLayout->addWidget(KandidatenLijst);

    auto* resultBox = new QGroupBox(tr("Oud en nieuw"), this);
    auto* resultLayout = new QVBoxLayout(resultBox);
    ReceptTabel = table(resultBox, "ReceptTabel", {tr("Grondstof"), tr("Oud %"), tr("Nieuw %")});
    FormuleTabel = table(resultBox, "FormuleTabel", {tr("Oxide"), tr("Oud"), tr("Nieuw")});
    MeldingLabel = new QLabel(resultBox);
    MeldingLabel->setObjectName(QStringLiteral("MeldingLabel"));
    MeldingLabel->setWordWrap(true);
    MeldingLabel->setStyleSheet(QStringLiteral("color: #a00000;"));
    AfwijkingLabel = new QLabel(resultBox);
    AfwijkingLabel->setObjectName(QStringLiteral("AfwijkingLabel"));
    PrijsLabel = new QLabel(resultBox);
    PrijsLabel->setObjectName(QStringLiteral("PrijsLabel"));
    resultLayout->addWidget(ReceptTabel, 2);
    resultLayout->addWidget(FormuleTabel, 3);
    resultLayout->addWidget(AfwijkingLabel);
    resultLayout->addWidget(PrijsLabel);
    resultLayout->addWidget(MeldingLabel);

    auto* columns = new QHBoxLayout;
    columns->addWidget(candidatesBox, 2);
    columns->addWidget(resultBox, 3);

    NaamEdit = new QLineEdit(this);
    NaamEdit->setObjectName(QStringLiteral("NaamEdit"));
    NaamEdit->setMaxLength(40);
    OvernemenButton = new QPushButton(tr("Overnemen"), this);
    OvernemenButton->setObjectName(QStringLiteral("OvernemenButton"));
    SluitenButton = new QPushButton(tr("Sluiten"), this);
    SluitenButton->setObjectName(QStringLiteral("SluitenButton"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(tr("Naam nieuw glazuur:"), this));
    bottom->addWidget(NaamEdit, 1);
    bottom->addWidget(OvernemenButton);
    bottom->addWidget(SluitenButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(columns, 1);
    layout->addLayout(bottom);
    resize(820, 640);

    solveTimer_ = new QTimer(this);
    solveTimer_->setSingleShot(true);
    solveTimer_->setInterval(0);
    connect(solveTimer_, &QTimer::timeout, this, ui::guarded(this, [this] { solve(); }));
    connect(ZoekEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        for (int i = 0; i < KandidatenLijst->count(); ++i) {
            QListWidgetItem* item = KandidatenLijst->item(i);
            item->setHidden(!text.isEmpty() && !item->text().contains(text, Qt::CaseInsensitive));
        }
    });
    connect(KandidatenLijst, &QListWidget::itemChanged, this, [this] { scheduleSolve(); });
    connect(VervangCB, &QComboBox::currentIndexChanged, this, [this] {
        if (glaze_ && VervangCB->currentIndex() >= 0)
            NaamEdit->setText(qs(glaze_->naam) + tr(" zonder ") + VervangCB->currentText());
        scheduleSolve();
    });
    connect(OvernemenButton, &QPushButton::clicked, this, ui::guarded(this, [this] { storeGlaze(); }));
    connect(SluitenButton, &QPushButton::clicked, this, &QDialog::accept);
    showResult();
}

void TVervangGrondstofForm::loadCurrentGlaze() {
    glaze_.reset();
    if (dm_.GlzCDS.active() && dm_.GlzCDS.recNo() >= 0) glaze_ = dm_.currentGlaze();

    GlazuurLabel->setText(tr("Glazuur: ") + (glaze_ ? qs(glaze_->naam) : QString()));
    const QSignalBlocker blockCombo(VervangCB);
    const QSignalBlocker blockList(KandidatenLijst);
    VervangCB->clear();
    if (glaze_)
        for (const auto& name : GlazeSubstitution::recipeMaterials(*glaze_))
            VervangCB->addItem(qs(name));
    KandidatenLijst->clear();
    {
        QStringList names;
        for (const Material& material : dm_.book().materials()) {
            const QString name = qs(material.naam);
            if (name.trimmed().isEmpty() || names.contains(name)) continue;
            names << name;
            auto* item = new QListWidgetItem(name, KandidatenLijst);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
            item->setCheckState(Qt::Unchecked);
        }
    }
    if (glaze_ && VervangCB->count() > 0)
        NaamEdit->setText(qs(glaze_->naam) + tr(" zonder ") + VervangCB->currentText());
    scheduleSolve();
}

std::vector<std::string> TVervangGrondstofForm::candidates() const {
    std::vector<std::string> names;
    for (int i = 0; i < KandidatenLijst->count(); ++i)
        if (KandidatenLijst->item(i)->checkState() == Qt::Checked)
            names.push_back(KandidatenLijst->item(i)->text().toStdString());
    return names;
}

void TVervangGrondstofForm::scheduleSolve() {
    solveTimer_->start();
}

void TVervangGrondstofForm::solve() {
    solved_ = false;
    message_.clear();
    result_ = {};
    if (!glaze_ || VervangCB->currentIndex() < 0) {
        message_ = tr("Geen glazuur om in te vervangen.").toStdString();
    } else if (candidates().empty()) {
        message_ = tr("Kies de grondstoffen die %1 vervangen.").arg(VervangCB->currentText()).toStdString();
    } else {
        try {
            result_ = GlazeSubstitution::solve(dm_.materialLookup(), *glaze_,
                                               VervangCB->currentText().toStdString(), candidates());
            solved_ = result_.recipe.solved;
            message_ = result_.recipe.message;
        } catch (const SolverError& e) {
            message_ = e.what();
        }
    }
    showResult();
}

void TVervangGrondstofForm::showResult() {
    MeldingLabel->setText(qs(message_));
    OvernemenButton->setEnabled(solved_);
    ReceptTabel->setRowCount(0);
    FormuleTabel->setRowCount(0);
    const auto& r = result_.recipe;
    AfwijkingLabel->setText(tr("Afwijking: ") +
                            (solved_ ? qs(numfmt::formatPattern(r.deviation, "#0.0###")) : QString()));
    PrijsLabel->setText(
        tr("Kostprijs / KG: ") +
        (solved_ ? qs(numfmt::formatPattern(r.price, "##0.00")) + tr(" (was ") +
                       qs(numfmt::formatPattern(glaze_ ? Recipe::amount(glaze_->prys) : 0.0, "##0.00")) +
                       QStringLiteral(")")
                 : QString()));
    if (!glaze_) return;

    const auto percent = [](const std::optional<double>& value) {
        return value ? qs(numfmt::formatPattern(*value, "##0.00")) : QString();
    };
    for (const auto& line : SubstitutionComparison::recipe(*glaze_, solved_ ? &r : nullptr)) {
        const int row = ReceptTabel->rowCount();
        ReceptTabel->insertRow(row);
        ReceptTabel->setItem(row, 0, cell(qs(line.name)));
        ReceptTabel->setItem(row, 1, cell(percent(line.before), true));
        ReceptTabel->setItem(row, 2, cell(percent(line.after), true));
    }
    if (!solved_) return;
    for (const auto& line : SubstitutionComparison::formula(result_.before, r.formula)) {
        const int row = FormuleTabel->rowCount();
        FormuleTabel->insertRow(row);
        const std::string_view label = line.oxide->label;
        FormuleTabel->setItem(row, 0, cell(QString::fromUtf8(label.data(), static_cast<int>(label.size()))));
        FormuleTabel->setItem(row, 1, cell(qs(numfmt::formatPattern(line.before, "#0.###")), true));
        FormuleTabel->setItem(row, 2, cell(qs(numfmt::formatPattern(line.after, "#0.###")), true));
    }
}

void TVervangGrondstofForm::storeGlaze() {
    if (solveTimer_->isActive()) {
        solveTimer_->stop();
        solve();
    }
    if (!solved_) return;
    const std::string name = NaamEdit->text().trimmed().toStdString();
    NewGlaze glaze = NewGlaze::fromResult(name, result_.recipe);
    glaze.additions = result_.additions;
    if (glaze_) glaze.inheritFrom(*glaze_);
    NewGlazeWriter::store(dm_, glaze);
    prompter_.information(tr("Het nieuwe glazuur %1 is opgeslagen en berekend.").arg(qs(name)).toStdString());
    Q_EMIT glazeStored(qs(name));
}

} // namespace kelvora
