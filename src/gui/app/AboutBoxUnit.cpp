// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutBoxUnit.h"
#include "app/Installation.h"

#include "ui_AboutBoxUnit.h"
#include "widgets/WindowPlacement.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace kelvora {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    buildLayout();
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::retranslate() {
    form_->retranslateUi(this);
    VersieLabel->setText(versionText());
    LicenceLabel->setText(ui::licenceAndFolders());
}

void TAboutBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && form_) retranslate();
    QDialog::changeEvent(event);
}

void TAboutBox::buildLayout() {
    form_ = std::make_unique<Ui::TAboutBox>();
    form_->setupUi(this);
    ProgramIcon = form_->ProgramIcon;
    ProductName = form_->ProductName;
    Version = form_->Version;
    VersieLabel = form_->VersieLabel;
    OKButton = form_->OKButton;
    QPalette white = form_->Panel1->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    form_->Panel1->setPalette(white);
    QFont big = ProductName->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    ProductName->setFont(big);
    // The version text is filled in on each showing: room for it now.
    VersieLabel->setMinimumWidth(ui::atLeast(VersieLabel, 145, versionText(), 0));
    OKButton->setFixedHeight(ui::heightAtLeast(OKButton, 25));

    // Below the designed box: the licence and the folders this run uses.
    auto* notice = LicenceLabel = new QLabel(this);
    notice->setObjectName(QStringLiteral("LicenceLabel"));
    notice->setWordWrap(true);
    notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont small = notice->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    notice->setFont(small);
    retranslate();
    layout()->addWidget(notice);
    // The designed box plus the wrapped note under it.
    const int noteHeight = notice->heightForWidth(361 - 16) + layout()->spacing();
    ui::fitFixedSize(this, QSize(361, 189 + noteHeight));
}

QString TAboutBox::ReadFileVersion() {
#ifdef KELVORA_VERSION
    return QStringLiteral(KELVORA_VERSION);
#else
    return QString();
#endif
}

QString TAboutBox::versionText() {
    return ReadFileVersion() + tr(" (Bèta versie!)");
}

void TAboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TAboutBox::FormShow() {
    VersieLabel->setText(versionText());
    if (const QScreen* s = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
}

} // namespace kelvora
