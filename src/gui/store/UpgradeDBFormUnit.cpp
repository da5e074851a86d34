// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/UpgradeDBFormUnit.h"

#include "common/Prompter.h"
#include "store/DatabaseUpgrade.h"
#include "ui_UpgradeDBFormUnit.h"
#include "widgets/ErrorBox.h"
#include "widgets/WindowPlacement.h"
#include "widgets/WindowShortcuts.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace kelvora {

TUpgradeDBForm::TUpgradeDBForm(Prompter& prompter, QWidget* parent) : QDialog(parent), prompter_(prompter) {
    setObjectName(QStringLiteral("UpgradeDBForm"));
    // Modal over the window that opens it only, so the help viewer and the
    // lookup window stay usable beside it.
    setWindowModality(Qt::WindowModal);
    buildLayout();
    connect(UpgradeButton, &QPushButton::clicked, this, [this] { UpgradeButtonClick(); });

    ui::WindowShortcuts::addHelp(this, [this] { Q_EMIT helpRequested(); });
    FormCreate();
}

TUpgradeDBForm::~TUpgradeDBForm() = default;

void TUpgradeDBForm::changeEvent(QEvent* event) {
    // The form's own texts (the warning, the button, the title).
    if (event->type() == QEvent::LanguageChange && form_) form_->retranslateUi(this);
    QDialog::changeEvent(event);
}

void TUpgradeDBForm::buildLayout() {
    form_ = std::make_unique<Ui::TUpgradeDBForm>();
    form_->setupUi(this);
    Label1 = form_->Label1;
    Label2 = form_->Label2;
    Label3 = form_->Label3;
    Label4 = form_->Label4;
    Label5 = form_->Label5;
    UpgradeButton = form_->UpgradeButton;
    UpgradeButton->setFixedHeight(ui::heightAtLeast(UpgradeButton, 25));
    // A larger font makes the window wider, never the warning smaller.
    ui::fitInitialSize(this, QSize(563, 271));
}

void TUpgradeDBForm::FormCreate() {
    // It keeps no settings: it opens where it was designed.
    move(295, 129);
}

void TUpgradeDBForm::UpgradeButtonClick() {
    // The window stays open afterwards, whatever the outcome.
    ui::guard(this, [this] { DatabaseUpgrade::run(prompter_); });
}

} // namespace kelvora
