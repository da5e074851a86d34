// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/UpgradeDBFormUnit.h"

#include "common/Prompter.h"
#include "store/DatabaseUpgrade.h"
#include "ui_UpgradeDBFormUnit.h"
#include "widgets/ErrorBox.h"
#include "widgets/WindowPlacement.h"
#include "widgets/WindowShortcuts.h"

#include <QLabel>
#include <QPushButton>

namespace kelvora {

TUpgradeDBForm::TUpgradeDBForm(Prompter& prompter, QWidget* parent) : QDialog(parent), prompter_(prompter) {
    setObjectName(QStringLiteral("UpgradeDBForm"));
    setWindowTitle(tr("Upgrade database"));
    // Modal over the window that opens it only, so the help viewer and the
    // lookup window stay usable beside it.
    setWindowModality(Qt::WindowModal);
    buildLayout();
    connect(UpgradeButton, &QPushButton::clicked, this, [this] { UpgradeButtonClick(); });

    ui::WindowShortcuts::addHelp(this, [this] { Q_EMIT helpRequested(); });
    FormCreate();
}

TUpgradeDBForm::~TUpgradeDBForm() = default;

void TUpgradeDBForm::buildLayout() {
    Ui::TUpgradeDBForm form;
    form.setupUi(this);
    Label1 = form.Label1;
    Label2 = form.Label2;
    Label3 = form.Label3;
    Label4 = form.Label4;
    Label5 = form.Label5;
    UpgradeButton = form.UpgradeButton;
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
