// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Prompter.h"

class QWidget;

namespace kelvora::ui {

// The desktop program's prompter: message boxes titled "Kelvora", over the
// active window. Confirmations offer Yes and No with No as the safe default.
class QtPrompter : public Prompter {
public:
    void message(const std::string& text) override;
    bool confirm(const std::string& text) override;
    void information(const std::string& text) override;
    // Ja, Nee and Annuleren with Ja the default; Escape and the close button
    // answer Annuleren.
    Answer ask(const std::string& text) override;
};

} // namespace kelvora::ui
