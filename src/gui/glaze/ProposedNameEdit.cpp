// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/ProposedNameEdit.h"

#include <QEvent>

namespace kelvora {

ProposedNameEdit::ProposedNameEdit(QWidget* parent) : QLineEdit(parent) {}

void ProposedNameEdit::propose(const std::string& wanted, const std::vector<std::string>& taken) {
    proposal_ = ProposedName::make(wanted, taken);
    setText(QString::fromStdString(proposal_.name));
    showNote();
}

void ProposedNameEdit::showNote() {
    setToolTip(proposal_.shortened ? tr("Ingekort; de hele naam komt in de omschrijving: %1")
                                         .arg(QString::fromStdString(proposal_.whole))
                                   : QString());
}

void ProposedNameEdit::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) showNote();
    QLineEdit::changeEvent(event);
}

void ProposedNameEdit::describe(NewGlaze& glaze) const {
    glaze.name = text().trimmed().toStdString();
    glaze.describeShortenedName(proposal_);
}

} // namespace kelvora
