// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/ProefDialog.h"

#include "common/Prompter.h"
#include "notebook/NotebookError.h"
#include "notebook/NotebookLabels.h"
#include "notebook/NotebookRules.h"
#include "notebook/NotebookText.h"
#include "widgets/ScreenFit.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kelvora {

namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

std::string trimmedText(const QLineEdit* edit) {
    return edit->text().trimmed().toStdString();
}

// A number field: empty stays empty; anything that is no number is refused
// with the field's name, before any rule sees it.
double typedNumber(const QLineEdit* edit, const QString& name) {
    const std::string typed = trimmedText(edit);
    if (typed.empty()) return kNullNumber;
    if (const auto value = notebook::typedNumber(typed)) return *value;
    throw NotebookError(ProefDialog::tr("%1: '%2' is geen getal.").arg(name, text(typed)).toStdString());
}

} // namespace

ProefDialog::ProefDialog(Prompter& prompter, const Proef& test, QWidget* parent)
    : QDialog(parent), prompter_(prompter), test_(test) {
    setObjectName(QStringLiteral("ProefDialog"));
    setWindowModality(Qt::WindowModal);

    auto* form = new QFormLayout;
    const auto addField = [&](Field& field, const char* name) {
        field.label = new QLabel;
        field.edit = new QLineEdit;
        field.edit->setObjectName(QLatin1String(name));
        field.label->setBuddy(field.edit);
        form->addRow(field.label, field.edit);
    };
    addField(date_, "DatumEdit");
    addField(batch_, "MengingEdit");
    addField(water_, "WaterEdit");
    addField(gravity_, "SoortelijkGewichtEdit");
    addField(sieve_, "ZeefEdit");
    addField(clay_, "KleiEdit");
    addField(bisque_, "BiscuitEdit");
    applicationLabel_ = new QLabel;
    application_ = new QComboBox;
    application_->setObjectName(QStringLiteral("OpbrengenBox"));
    application_->addItem(QString(), -1);
    for (Application a : Choices<Application>::all())
        application_->addItem(QString::fromUtf8(Choices<Application>::text(a)), static_cast<int>(a));
    applicationLabel_->setBuddy(application_);
    form->addRow(applicationLabel_, application_);
    addField(seconds_, "SecondenEdit");
    addField(coats_, "LagenEdit");
    addField(thickness_, "DikteEdit");
    addField(layering_, "GelaagdEdit");
    notesLabel_ = new QLabel;
    notes_ = new QPlainTextEdit;
    notes_->setObjectName(QStringLiteral("NotitiesEdit"));
    notes_->setTabChangesFocus(true);
    notesLabel_->setBuddy(notes_);
    form->addRow(notesLabel_, notes_);

    recipeLabel_ = new QLabel;
    recipe_ = new QPlainTextEdit;
    recipe_->setObjectName(QStringLiteral("ReceptTekst"));
    recipe_->setReadOnly(true);
    recipe_->setTabChangesFocus(true);
    recipeLabel_->setBuddy(recipe_);
    auto* recipeColumn = new QVBoxLayout;
    recipeColumn->addWidget(recipeLabel_);
    recipeColumn->addWidget(recipe_, 1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(form, 3);
    columns->addLayout(recipeColumn, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("AnnulerenButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ProefDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);

    fill(test);
    retranslate();
}

void ProefDialog::retranslate() {
    setWindowTitle(tr("Proef %1").arg(text(test_.code)));
    date_.label->setText(tr("&Datum (dd-mm-jjjj)"));
    batch_.label->setText(tr("&Menging (g)"));
    water_.label->setText(tr("&Water (g)"));
    gravity_.label->setText(tr("S&oortelijk gewicht"));
    sieve_.label->setText(tr("&Zeef"));
    clay_.label->setText(tr("&Kleisoort"));
    bisque_.label->setText(tr("&Biscuitkegel"));
    applicationLabel_->setText(tr("&Opbrengen"));
    application_->setItemText(0, tr("(niet gekozen)"));
    seconds_.label->setText(tr("&Seconden"));
    coats_.label->setText(tr("&Lagen"));
    thickness_.label->setText(tr("D&ikte"));
    layering_.label->setText(tr("&Gelaagd (over of onder)"));
    notesLabel_->setText(tr("&Notities"));
    recipeLabel_->setText(tr("&Recept zoals gemengd"));
    for (const Field* f : {&date_, &batch_, &water_, &gravity_, &sieve_, &clay_, &bisque_, &seconds_, &coats_,
                           &thickness_, &layering_})
        f->edit->setAccessibleName(f->label->text().remove(QLatin1Char('&')));
    application_->setAccessibleName(tr("Opbrengen"));
    notes_->setAccessibleName(tr("Notities"));
    recipe_->setAccessibleName(tr("Recept zoals gemengd"));
}

void ProefDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(event);
}

void ProefDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ui::fitToScreen(this);
}

void ProefDialog::fill(const Proef& test) {
    date_.edit->setText(text(test.date));
    batch_.edit->setText(NotebookLabels::number(test.batchGrams));
    water_.edit->setText(NotebookLabels::number(test.waterGrams));
    gravity_.edit->setText(NotebookLabels::number(test.specificGravity));
    sieve_.edit->setText(text(test.sieve));
    clay_.edit->setText(text(test.clayBody));
    bisque_.edit->setText(text(test.bisqueCone));
    application_->setCurrentIndex(
        test.application ? application_->findData(static_cast<int>(*test.application)) : 0);
    seconds_.edit->setText(NotebookLabels::number(test.seconds));
    coats_.edit->setText(NotebookLabels::number(test.coats));
    thickness_.edit->setText(text(test.thickness));
    layering_.edit->setText(text(test.layering));
    notes_->setPlainText(text(test.notes));
    recipe_->setPlainText(NotebookLabels::recipe(test.recipe));
    // The amounts in a column after the longest name.
    int widest = 0;
    for (const QString& line : recipe_->toPlainText().split(QLatin1Char('\n')))
        widest =
            std::max(widest, recipe_->fontMetrics().horizontalAdvance(line.section(QLatin1Char('\t'), 0, 0)));
    recipe_->setTabStopDistance(widest + recipe_->fontMetrics().horizontalAdvance(QStringLiteral("MM")));
}

Proef ProefDialog::typed() const {
    Proef t = test_; // code, glaze and the recipe as mixed stay as they are
    const auto name = [](const Field& f) { return f.label->text().remove(QLatin1Char('&')); };
    t.date = NotebookRules::storedDate(trimmedText(date_.edit), tr("De datum").toStdString());
    t.batchGrams = typedNumber(batch_.edit, name(batch_));
    t.waterGrams = typedNumber(water_.edit, name(water_));
    t.specificGravity = typedNumber(gravity_.edit, name(gravity_));
    t.sieve = trimmedText(sieve_.edit);
    t.clayBody = trimmedText(clay_.edit);
    t.bisqueCone = trimmedText(bisque_.edit);
    const int application = application_->currentData().toInt();
    t.application = application < 0 ? std::nullopt : std::optional(static_cast<Application>(application));
    t.seconds = typedNumber(seconds_.edit, name(seconds_));
    t.coats = typedNumber(coats_.edit, name(coats_));
    t.thickness = trimmedText(thickness_.edit);
    t.layering = trimmedText(layering_.edit);
    t.notes = notes_->toPlainText().toStdString();
    NotebookRules::check(t);
    return t;
}

void ProefDialog::accept() {
    try {
        test_ = typed();
    } catch (const NotebookError& e) {
        prompter_.message(e.what());
        return;
    }
    QDialog::accept();
}

} // namespace kelvora
