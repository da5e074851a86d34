// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/VervangGrondstofFormUnit.h"

#include <QEvent>

#include "common/NumberFormat.h"
#include "common/Prompter.h"
#include "engine/GlzDMUnit.h"
#include "glaze/MaterialChoiceModel.h"
#include "glaze/ProposedNameEdit.h"
#include "glaze/SolverResultPanel.h"
#include "solver/NewGlazeWriter.h"
#include "solver/SolverError.h"
#include "solver/SubstitutionComparison.h"
#include "widgets/ErrorBox.h"
#include "widgets/ScreenFit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include <map>

namespace kelvora {

namespace {
QString qs(const std::string& text) {
    return QString::fromStdString(text);
}
} // namespace

TVervangGrondstofForm::TVervangGrondstofForm(TGlzDM& dm, Prompter& prompter, QWidget* parent)
    : QDialog(parent), dm_(dm), prompter_(prompter) {
    setObjectName(QStringLiteral("VervangGrondstofForm"));
    captions_.windowTitle(this, QT_TR_NOOP("Vervang grondstof"));

    GlazuurLabel = new QLabel(this);
    GlazuurLabel->setObjectName(QStringLiteral("GlazuurLabel"));
    VervangCB = new QComboBox(this);
    VervangCB->setObjectName(QStringLiteral("VervangCB"));
    auto* top = new QHBoxLayout;
    top->addWidget(GlazuurLabel, 1);
    top->addWidget(captions_.text(new QLabel(this), QT_TR_NOOP("Vervang:")));
    top->addWidget(VervangCB, 1);

    auto* candidatesBox = new QGroupBox(this);
    captions_.title(candidatesBox, QT_TR_NOOP("Door"));
    auto* candidatesLayout = new QVBoxLayout(candidatesBox);
    ZoekEdit = new QLineEdit(candidatesBox);
    ZoekEdit->setObjectName(QStringLiteral("ZoekEdit"));
    captions_.placeholder(ZoekEdit, QT_TR_NOOP("Zoeken..."));
    ZoekEdit->setClearButtonEnabled(true);
    candidates_ = new MaterialChoiceModel(this);
    KandidatenLijst = new QListView(candidatesBox);
    KandidatenLijst->setObjectName(QStringLiteral("KandidatenLijst"));
    KandidatenLijst->setModel(candidates_);
    candidatesLayout->addWidget(ZoekEdit);
    candidatesLayout->addWidget(KandidatenLijst);

    resultPanel_ =
        new SolverResultPanel(tr("Oud en nieuw"), {tr("Grondstof"), tr("Oud %"), tr("Nieuw %")},
                              {tr("Oxide"), tr("Oud"), tr("Nieuw")}, QStringLiteral("FormuleTabel"), this);

    // The columns scroll when the screen is too small for them; the name and
    // the buttons stay in sight.
    auto* inputs = new QWidget;
    auto* columns = new QHBoxLayout(inputs);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->addWidget(candidatesBox, 2);
    columns->addWidget(resultPanel_, 3);
    QScrollArea* scroll = ui::scrolling(inputs, this);
    scroll->setObjectName(QStringLiteral("InvoerScroll"));

    NaamEdit = new ProposedNameEdit(this);
    NaamEdit->setObjectName(QStringLiteral("NaamEdit"));
    OvernemenButton = captions_.text(new QPushButton(this), QT_TR_NOOP("Overnemen"));
    OvernemenButton->setObjectName(QStringLiteral("OvernemenButton"));
    SluitenButton = captions_.text(new QPushButton(this), QT_TR_NOOP("Sluiten"));
    SluitenButton->setObjectName(QStringLiteral("SluitenButton"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(captions_.text(new QLabel(this), QT_TR_NOOP("Naam nieuw glazuur:")));
    bottom->addWidget(NaamEdit, 1);
    bottom->addWidget(OvernemenButton);
    bottom->addWidget(SluitenButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(scroll, 1);
    layout->addLayout(bottom);
    resize(820, 640);

    solveTimer_ = new QTimer(this);
    solveTimer_->setSingleShot(true);
    solveTimer_->setInterval(0);
    connect(solveTimer_, &QTimer::timeout, this, ui::guarded(this, [this] { solve(); }));
    connect(ZoekEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        for (int row = 0; row < candidates_->rowCount(); ++row)
            KandidatenLijst->setRowHidden(row, !candidates_->matches(row, text));
    });
    connect(candidates_, &QAbstractItemModel::dataChanged, this, [this] { scheduleSolve(); });
    connect(VervangCB, &QComboBox::currentIndexChanged, this, [this] {
        proposeName();
        scheduleSolve();
    });
    connect(OvernemenButton, &QPushButton::clicked, this, ui::guarded(this, [this] { storeGlaze(); }));
    connect(SluitenButton, &QPushButton::clicked, this, &QDialog::accept);
    showResult();
    retranslate();
}

void TVervangGrondstofForm::retranslate() {
    captions_.apply();
    resultPanel_->setHeadings(tr("Oud en nieuw"), {tr("Grondstof"), tr("Oud %"), tr("Nieuw %")},
                              {tr("Oxide"), tr("Oud"), tr("Nieuw")});
    if (!GlazuurLabel->text().isEmpty()) showGlazeName();
}

void TVervangGrondstofForm::showGlazeName() {
    GlazuurLabel->setText(tr("Glazuur: %1").arg(glaze_ ? qs(glaze_->naam) : QString()));
}

void TVervangGrondstofForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        scheduleSolve();
    }
    QDialog::changeEvent(event);
}

void TVervangGrondstofForm::loadCurrentGlaze() {
    glaze_.reset();
    if (dm_.GlzCDS.active() && dm_.GlzCDS.recNo() >= 0) glaze_ = dm_.currentGlaze();

    showGlazeName();
    const QSignalBlocker blockCombo(VervangCB);
    VervangCB->clear();
    if (glaze_)
        for (const auto& name : GlazeSubstitution::recipeMaterials(*glaze_))
            VervangCB->addItem(qs(name));
    std::vector<std::string> names;
    for (const Material& material : dm_.book().materials())
        names.push_back(material.naam);
    candidates_->setNames(names);
    proposeName();
    scheduleSolve();
}

void TVervangGrondstofForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ui::fitToScreen(this);
}

void TVervangGrondstofForm::proposeName() {
    if (!glaze_ || VervangCB->currentIndex() < 0) return;
    NaamEdit->propose(glaze_->naam + tr(" zonder ").toStdString() + VervangCB->currentText().toStdString(),
                      dm_.book().glazeNames());
}

std::vector<std::string> TVervangGrondstofForm::candidates() const {
    return candidates_->picked();
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
    resultPanel_->showMessage(qs(message_));
    OvernemenButton->setEnabled(solved_);
    const auto& r = result_.recipe;
    resultPanel_->showFigures(
        solved_ ? std::optional(r.deviation) : std::nullopt, solved_ ? std::optional(r.price) : std::nullopt,
        solved_ ? std::optional(glaze_ ? Recipe::amount(glaze_->prys) : 0.0) : std::nullopt);
    std::vector<ResultLinesModel::Line> recipe;
    std::vector<ResultLinesModel::Line> formula;
    if (glaze_) {
        for (const auto& line : SubstitutionComparison::recipe(*glaze_, solved_ ? &r : nullptr))
            recipe.push_back({line.name, {line.before, line.after}});
        if (solved_)
            for (const auto& line : SubstitutionComparison::formula(result_.before, r.formula))
                formula.push_back({std::string(line.oxide->label), {line.before, line.after}});
    }
    resultPanel_->showRecipe(std::move(recipe));
    resultPanel_->showFormula(std::move(formula));
}

void TVervangGrondstofForm::storeGlaze() {
    if (solveTimer_->isActive()) {
        solveTimer_->stop();
        solve();
    }
    if (!solved_) return;
    NewGlaze glaze = NewGlaze::fromResult({}, result_.recipe);
    NaamEdit->describe(glaze);
    glaze.additions = result_.additions;
    if (glaze_) glaze.inheritFrom(*glaze_);
    NewGlazeWriter::store(dm_, glaze);
    const QString name = qs(glaze.name);
    prompter_.information(tr("Het nieuwe glazuur %1 is opgeslagen en berekend.").arg(name).toStdString());
    Q_EMIT glazeStored(name);
}

} // namespace kelvora
