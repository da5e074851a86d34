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
};

// The prompter every window uses. The program keeps a QtPrompter here; tests
// install a RecordingPrompter for the time of a test.
Prompter& prompter();
void setPrompter(Prompter* prompter); // nullptr restores the QtPrompter

} // namespace kelvora::ui
