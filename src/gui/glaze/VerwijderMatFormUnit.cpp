// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/VerwijderMatFormUnit.h"

#include "common/Prompter.h"
#include "engine/GlzDMUnit.h"
#include "store/SettingsTable.h"
#include "ui_VerwijderMatFormUnit.h"
#include "widgets/ErrorBox.h"
#include "widgets/WindowPlacement.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace kelvora {

TVerwijderMatForm::TVerwijderMatForm(TGlzDM& dataModule, Prompter& prompter, SettingsFile& settings,
                                     QWidget* parent)
    : QDialog(parent), dataModule_(dataModule), prompter_(prompter), settings_(settings) {
    setObjectName(QStringLiteral("VerwijderMatForm"));
    // Modal over the window that opens it only, so the help viewer and the
    // lookup window stay usable beside it.
    setWindowModality(Qt::WindowModal);
    buildLayout();
    QPushButton* cancel = findChild<QPushButton*>(QStringLiteral("CancelButton"));
    QPushButton* ok = Buttons->button(QDialogButtonBox::Ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    FormCreate();
    retranslate();
}

void TVerwijderMatForm::retranslate() {
    form_->retranslateUi(this);
    setWindowTitle(tr("Verwijder materiaal"));
    // A button box sets its standard texts when made; after a change of
    // language they are taken from Qt's own catalogue again (the texts are
    // Qt's, so they are not in Kelvora's).
    const char* qtContext = "QPlatformTheme";
    const char* cancel = "Cancel";
    const char* ok = "OK";
    form_->CancelBox->button(QDialogButtonBox::Cancel)
        ->setText(QCoreApplication::translate(qtContext, cancel));
    Buttons->button(QDialogButtonBox::Ok)->setText(QCoreApplication::translate(qtContext, ok));
}

void TVerwijderMatForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(event);
}

void TVerwijderMatForm::buildLayout() {
    form_ = std::make_unique<Ui::TVerwijderMatForm>();
    Ui::TVerwijderMatForm& form = *form_;
    form.setupUi(this);
    MatCB = form.MatCB;
    // Cancel on the left, OK on the right, whatever the platform's habit:
    // one box per button keeps the order and the standard (translated) texts.
    Buttons = form.Buttons;
    form.CancelBox->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));
    QPushButton* ok = Buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    // The designed size is the whole window, title bar and border included.
    ui::keepOuterSize(this, QSize(306, 129));
}

QString TVerwijderMatForm::chosenMaterial() const {
    return MatCB->currentText();
}

TVerwijderMatForm::~TVerwijderMatForm() {
    FormDestroy();
}

void TVerwijderMatForm::FormCreate() {
    ui::guard(this, [this] { ui::applyPlacement(this, settings_, settings::VerwijderMatForm); });
}

void TVerwijderMatForm::FormDestroy() {
    ui::guard(nullptr, [this] { ui::storePlacement(this, settings_, settings::VerwijderMatForm); });
}

void TVerwijderMatForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TVerwijderMatForm::FormShow() {
    if (wat == 0) {
        ui::guard(this, [this] {
            prompter_.message(tr("VerwijderMatform: error in program, wat = 0").toStdString());
        });
        // Closed once the showing is over, so the caller sees Cancel.
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
        return;
    }
    ui::guard(this, [this] {
        MatCB->clear();
        if (const auto kind = slotKindFromNumber(wat))
            for (const auto& name : dataModule_.currentGlaze().recipe.trimmedNames(*kind))
                MatCB->addItem(QString::fromStdString(name));
        // Nothing chosen until the user chooses.
        MatCB->setCurrentIndex(-1);
        MatCB->setFocus();
    });
}

} // namespace kelvora
