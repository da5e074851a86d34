// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "store/View.h"
#include <functional>

#include <QFlags>
#include <QWidget>

#include <array>
#include <string>

class QToolButton;

namespace kelvora {
class Prompter;
}

namespace kelvora::ui {

// A strip of buttons that moves through a view and edits it: first, prior,
// next, last, insert, delete, edit, post, cancel. A window chooses which
// buttons it shows. Each button has a hint in the program's language; delete
// asks the user first.
// Typed text in the bound controls is written before a post or a move.
// clicked() follows every button whose action ran to its end.
class DBNavigator : public QWidget, private ViewObserver {
    Q_OBJECT
public:
    enum Button {
        First = 0x001,
        Prior = 0x002,
        Next = 0x004,
        Last = 0x008,
        Insert = 0x010,
        Delete = 0x020,
        Edit = 0x040,
        Post = 0x080,
        Cancel = 0x100,
    };
    Q_DECLARE_FLAGS(Buttons, Button)
    static constexpr Buttons Moves = Buttons(First | Prior | Next | Last);
    static constexpr Buttons Editing = Buttons(First | Prior | Next | Last | Insert | Delete | Post | Cancel);

    explicit DBNavigator(QWidget* parent = nullptr);
    ~DBNavigator() override;

    void setView(View* view);
    // Who asks before a delete; the window's prompter (message boxes until set).
    void setPrompter(Prompter* prompter) { prompter_ = prompter; }
    View* view() const { return view_; }
    void setVisibleButtons(Buttons buttons);
    Buttons visibleButtons() const { return visible_; }

    // The button itself, for tests and for windows that need to reach it.
    QToolButton* button(Button which) const;
    // Runs a button's action as a click does (behind the error box).
    void click(Button which);

    // The hint of a button and the question before a delete, in the
    // program's language at the moment of asking.
    static QString hint(Button which);
    static std::string deleteQuestion();
    // Asked after the delete question was answered Yes; false keeps the
    // record (a window that must ask more, e.g. about what belongs to it).
    void setBeforeDelete(std::function<bool()> ask) { beforeDelete_ = std::move(ask); }

Q_SIGNALS:
    // Before a button's action runs (a search field clears itself before
    // "+", so the new record is not filtered out of sight).
    void aboutToRun(kelvora::ui::DBNavigator::Button button);
    void clicked(kelvora::ui::DBNavigator::Button button);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void viewChanged(View& view, ViewEvent event, int field) override;
    void viewDestroyed(View& view) override;
    void run(Button which);
    void updateButtons();
    static int slot(Button which);

    View* view_ = nullptr;
    Prompter* prompter_ = nullptr;
    std::function<bool()> beforeDelete_;
    Buttons visible_ = Editing;
    std::array<QToolButton*, 9> buttons_{};
};

} // namespace kelvora::ui

Q_DECLARE_OPERATORS_FOR_FLAGS(kelvora::ui::DBNavigator::Buttons)
