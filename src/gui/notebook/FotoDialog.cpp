// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/FotoDialog.h"

#include "notebook/NotebookLabels.h"
#include "widgets/ScreenFit.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvora {

namespace {
QString text(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

FotoDialog::FotoDialog(const NotebookData& notebook, const std::string& testCode, const QStringList& files,
                       QWidget* parent)
    : QDialog(parent), notebook_(notebook), testCode_(testCode), files_(files) {
    setObjectName(QStringLiteral("FotoDialog"));
    setWindowModality(Qt::WindowModal);

    filesLabel_ = new QLabel;
    filesLabel_->setObjectName(QStringLiteral("BestandenLbl"));
    filesLabel_->setWordWrap(true);
    filesLabel_->setTextFormat(Qt::PlainText);

    auto* form = new QFormLayout;
    titleLabel_ = new QLabel;
    title_ = new QLineEdit;
    title_->setObjectName(QStringLiteral("TitelEdit"));
    titleLabel_->setBuddy(title_);
    form->addRow(titleLabel_, title_);
    firingLabel_ = new QLabel;
    firing_ = new QComboBox;
    firing_->setObjectName(QStringLiteral("StookBox"));
    firing_->addItem(QString());
    for (const Stook& f : notebook_.firings)
        firing_->addItem(NotebookLabels::firingChoice(f), text(f.code));
    firingLabel_->setBuddy(firing_);
    form->addRow(firingLabel_, firing_);
    coneLabel_ = new QLabel;
    cone_ = new QLineEdit;
    cone_->setObjectName(QStringLiteral("KegelEdit"));
    coneLabel_->setBuddy(cone_);
    form->addRow(coneLabel_, cone_);
    atmosphereLabel_ = new QLabel;
    atmosphere_ = new QComboBox;
    atmosphere_->setObjectName(QStringLiteral("AtmosfeerBox"));
    atmosphere_->addItem(QString(), -1);
    for (Atmosphere a : Choices<Atmosphere>::all())
        atmosphere_->addItem(QString::fromUtf8(Choices<Atmosphere>::text(a)), static_cast<int>(a));
    atmosphereLabel_->setBuddy(atmosphere_);
    form->addRow(atmosphereLabel_, atmosphere_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("AnnulerenButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(firing_, &QComboBox::currentIndexChanged, this, &FotoDialog::firingChosen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filesLabel_);
    layout->addLayout(form, 1);
    layout->addWidget(buttons);
    retranslate();
}

void FotoDialog::retranslate() {
    setWindowTitle(tr("Foto toevoegen aan proef %1").arg(text(testCode_)));
    QStringList names;
    for (const QString& f : files_)
        names << QDir::toNativeSeparators(f);
    filesLabel_->setText(tr("Bestanden: %1").arg(names.join(QStringLiteral(", "))));
    titleLabel_->setText(tr("&Titel"));
    firingLabel_->setText(tr("&Stook"));
    firing_->setItemText(0, tr("(geen)"));
    coneLabel_->setText(tr("&Kegel"));
    atmosphereLabel_->setText(tr("&Atmosfeer"));
    atmosphere_->setItemText(0, tr("(niet gekozen)"));
    title_->setAccessibleName(tr("Titel"));
    firing_->setAccessibleName(tr("Stook"));
    cone_->setAccessibleName(tr("Kegel"));
    atmosphere_->setAccessibleName(tr("Atmosfeer"));
}

void FotoDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(event);
}

void FotoDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ui::fitToScreen(this);
}

void FotoDialog::firingChosen(int index) {
    const Stook* firing = notebook_.firing(firing_->itemData(index).toString().toStdString());
    if (!firing) return;
    if (cone_->text().trimmed().isEmpty()) cone_->setText(text(firing->cone));
    if (atmosphere_->currentIndex() <= 0 && firing->atmosphere)
        atmosphere_->setCurrentIndex(atmosphere_->findData(static_cast<int>(*firing->atmosphere)));
}

Foto FotoDialog::photo() const {
    Foto p;
    p.title = title_->text().trimmed().toStdString();
    p.cone = cone_->text().trimmed().toStdString();
    const int atmosphere = atmosphere_->currentData().toInt();
    if (atmosphere >= 0) p.atmosphere = static_cast<Atmosphere>(atmosphere);
    p.test = testCode_;
    p.firing = firing_->currentData().toString().toStdString();
    return p;
}

} // namespace kelvora
