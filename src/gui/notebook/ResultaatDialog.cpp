// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/ResultaatDialog.h"

#include "common/Prompter.h"
#include "notebook/NotebookError.h"
#include "notebook/NotebookLabels.h"
#include "notebook/NotebookRules.h"
#include "widgets/ScreenFit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace kelvora {

namespace {
QString text(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

ResultaatDialog::ResultaatDialog(Prompter& prompter, const NotebookData& notebook,
                                 const std::string& testCode, QWidget* parent)
    : QDialog(parent), prompter_(prompter), notebook_(notebook), testCode_(testCode) {
    setObjectName(QStringLiteral("ResultaatDialog"));
    setWindowModality(Qt::WindowModal);

    auto* form = new QFormLayout;
    firingLabel_ = new QLabel;
    firing_ = new QComboBox;
    firing_->setObjectName(QStringLiteral("StookBox"));
    for (const Stook& f : notebook_.firings)
        firing_->addItem(NotebookLabels::firingChoice(f), text(f.code));
    firingLabel_->setBuddy(firing_);
    form->addRow(firingLabel_, firing_);
    const auto addField = [&](Field& field, const char* name) {
        field.label = new QLabel;
        field.edit = new QLineEdit;
        field.edit->setObjectName(QLatin1String(name));
        field.label->setBuddy(field.edit);
        form->addRow(field.label, field.edit);
    };
    addField(place_, "PlaatsEdit");
    addField(surface_, "OppervlakEdit");
    addField(transparency_, "TransparantieEdit");
    addField(colour_, "KleurEdit");

    defectsLabel_ = new QLabel;
    auto* defectGrid = new QGridLayout;
    int i = 0;
    for (Defect d : Choices<Defect>::all()) {
        auto* box = new QCheckBox(QString::fromUtf8(Choices<Defect>::text(d)));
        box->setObjectName(QStringLiteral("Gebrek_%1").arg(QLatin1String(Choices<Defect>::code(d))));
        defectGrid->addWidget(box, i / 3, i % 3);
        defects_.push_back(box);
        ++i;
    }
    form->addRow(defectsLabel_, defectGrid);
    addField(defectNotes_, "GebrekenTekstEdit");

    ratingLabel_ = new QLabel;
    rating_ = new QSpinBox;
    rating_->setObjectName(QStringLiteral("WaarderingBox"));
    rating_->setRange(0, 5);
    ratingLabel_->setBuddy(rating_);
    form->addRow(ratingLabel_, rating_);
    notesLabel_ = new QLabel;
    notes_ = new QPlainTextEdit;
    notes_->setObjectName(QStringLiteral("NotitiesEdit"));
    notes_->setTabChangesFocus(true);
    notesLabel_->setBuddy(notes_);
    form->addRow(notesLabel_, notes_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("AnnulerenButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ResultaatDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form, 1);
    layout->addWidget(buttons);

    connect(firing_, &QComboBox::currentIndexChanged, this, &ResultaatDialog::showFiring);
    // The latest firing the test was in, else the latest firing there is.
    const auto results = notebook_.resultsOf(testCode_);
    int start = firing_->count() - 1;
    if (!results.empty()) start = std::max(0, firing_->findData(text(results.back()->firing)));
    firing_->setCurrentIndex(start);
    showFiring(start);
    retranslate();
}

void ResultaatDialog::retranslate() {
    setWindowTitle(tr("Resultaat van proef %1").arg(text(testCode_)));
    firingLabel_->setText(tr("&Stook"));
    place_.label->setText(tr("&Plaats in de oven"));
    surface_.label->setText(tr("&Oppervlak"));
    transparency_.label->setText(tr("&Transparantie"));
    colour_.label->setText(tr("&Kleur"));
    defectsLabel_->setText(tr("Gebreken"));
    defectNotes_.label->setText(tr("Gebreken &toelichting"));
    ratingLabel_->setText(tr("&Waardering (1-5)"));
    rating_->setSpecialValueText(tr("geen"));
    notesLabel_->setText(tr("&Notities"));
    firing_->setAccessibleName(tr("Stook"));
    for (const Field* f : {&place_, &surface_, &transparency_, &colour_, &defectNotes_})
        f->edit->setAccessibleName(f->label->text().remove(QLatin1Char('&')));
    rating_->setAccessibleName(tr("Waardering"));
    notes_->setAccessibleName(tr("Notities"));
}

void ResultaatDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(event);
}

void ResultaatDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ui::fitToScreen(this);
}

void ResultaatDialog::showFiring(int index) {
    if (index < 0) return;
    const std::string firing = firing_->itemData(index).toString().toStdString();
    TileResult shown;
    for (const TileResult* r : notebook_.resultsOf(testCode_))
        if (r->firing == firing) shown = *r;
    place_.edit->setText(text(shown.place));
    surface_.edit->setText(text(shown.surface));
    transparency_.edit->setText(text(shown.transparency));
    colour_.edit->setText(text(shown.colour));
    const auto& all = Choices<Defect>::all();
    for (std::size_t i = 0; i < all.size(); ++i)
        defects_[i]->setChecked(std::find(shown.defects.begin(), shown.defects.end(), all[i]) !=
                                shown.defects.end());
    defectNotes_.edit->setText(text(shown.defectNotes));
    rating_->setValue(shown.rating);
    notes_->setPlainText(text(shown.notes));
}

TileResult ResultaatDialog::typed() const {
    TileResult r;
    r.firing = firing_->currentData().toString().toStdString();
    if (r.firing.empty()) throw NotebookError(tr("Kies eerst een stook.").toStdString());
    r.test = testCode_;
    r.place = place_.edit->text().trimmed().toStdString();
    r.surface = surface_.edit->text().trimmed().toStdString();
    r.transparency = transparency_.edit->text().trimmed().toStdString();
    r.colour = colour_.edit->text().trimmed().toStdString();
    const auto& all = Choices<Defect>::all();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (defects_[i]->isChecked()) r.defects.push_back(all[i]);
    r.defectNotes = defectNotes_.edit->text().trimmed().toStdString();
    r.rating = rating_->value();
    r.notes = notes_->toPlainText().toStdString();
    NotebookRules::check(r);
    return r;
}

void ResultaatDialog::accept() {
    try {
        result_ = typed();
    } catch (const NotebookError& e) {
        prompter_.message(e.what());
        return;
    }
    QDialog::accept();
}

} // namespace kelvora
