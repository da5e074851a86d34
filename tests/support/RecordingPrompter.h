// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Prompter.h"

#include <deque>
#include <string>
#include <vector>

namespace kelvora {

// Test double: keeps every text in the order shown and answers confirmations
// from a script given in advance (No once the script is used up).
class RecordingPrompter : public Prompter {
public:
    enum class Kind { Message, Confirm, Information, Ask };
    struct Entry {
        Kind kind;
        std::string text;
    };

    void message(const std::string& text) override { entries.push_back({Kind::Message, text}); }
    bool confirm(const std::string& text) override {
        entries.push_back({Kind::Confirm, text});
        if (answers.empty()) return false;
        bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void information(const std::string& text) override { entries.push_back({Kind::Information, text}); }
    // Answers from its own script (Cancel once it is used up: nothing is lost).
    Answer ask(const std::string& text) override {
        entries.push_back({Kind::Ask, text});
        if (questionAnswers.empty()) return Answer::Cancel;
        Answer answer = questionAnswers.front();
        questionAnswers.pop_front();
        return answer;
    }

    void answerNext(bool yes) { answers.push_back(yes); }
    void answerNextQuestion(Answer answer) { questionAnswers.push_back(answer); }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& e : entries)
            out.push_back(e.text);
        return out;
    }
    void clear() { entries.clear(); }

    std::vector<Entry> entries;
    std::deque<bool> answers;
    std::deque<Answer> questionAnswers;
};

} // namespace kelvora
