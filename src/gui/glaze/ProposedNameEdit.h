// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "solver/NewGlazeWriter.h"

#include <QLineEdit>

#include <string>
#include <vector>

namespace kelvora {

// The name field of a dialog that makes a glaze: it proposes a name that fits
// and is free, says in its tooltip when the proposal was shortened, and hands
// the whole text to the glaze's description when the proposal is kept. The
// potter may type any other name; a name too long is refused when storing.
class ProposedNameEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit ProposedNameEdit(QWidget* parent = nullptr);

    void propose(const std::string& wanted, const std::vector<std::string>& taken);
    // The name as typed, without blanks around it, and the description that
    // goes with it.
    void describe(NewGlaze& glaze) const;

protected:
    void changeEvent(QEvent* event) override;

private:
    // The tooltip saying the name was shortened, when it was.
    void showNote();
    ProposedName proposal_;
};

} // namespace kelvora
