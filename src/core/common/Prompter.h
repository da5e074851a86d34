// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace kelvora {

// The one way the core speaks to the user. The desktop program answers with
// message boxes; tests and the command line answer with a script.
class Prompter {
public:
    virtual ~Prompter() = default;
    // A plain message box: the text, an OK button, "Kelvora" as caption.
    virtual void message(const std::string& text) = 0;
    // A Yes/No confirmation; only Yes returns true.
    virtual bool confirm(const std::string& text) = 0;
    // An information box with an OK button.
    virtual void information(const std::string& text) = 0;

    enum class Answer { Yes, No, Cancel };
    // A question that can be cancelled: Yes, No and Cancel, Yes the default.
    // Where the user cannot cancel (no window), it is a Yes/No confirmation.
    virtual Answer ask(const std::string& text) { return confirm(text) ? Answer::Yes : Answer::No; }
};

// Says nothing and answers every confirmation with No (benchmarks, batch work).
class SilentPrompter : public Prompter {
public:
    void message(const std::string&) override {}
    bool confirm(const std::string&) override { return false; }
    void information(const std::string&) override {}
};

} // namespace kelvora
