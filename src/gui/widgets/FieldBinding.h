// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "store/View.h"

#include <string>
#include <string_view>

class QWidget;

namespace kelvora::ui {

// Refuses (the store's error, naming `caption` and the width) a text longer
// than the width of a text field of `view`; nothing is ever cut silently.
void checkFitsField(const View& view, int field, std::string_view text, const std::string& caption);

// What every data-aware control shares: it shows one field of a view's current
// row and follows the view as it moves, opens, closes, posts and cancels.
//
// The rule that keeps typed text safe: when the user starts typing, the control
// puts the view into edit (an empty view starts a new row) and holds the text
// as "pending". The text goes into the field when the view asks for it
// (ViewEvent::UpdateRecord, sent before a post, a move or a calculation reads
// the fields), when the control is left with Tab or the mouse, or when Return
// is pressed. A text the field refuses (no number in a numeric field) raises
// the store's error and stays pending in the control, so nothing is lost.
//
// The control classes derive from a Qt widget and from this class.
class FieldBinding : public ViewObserver {
public:
    FieldBinding(const FieldBinding&) = delete;
    FieldBinding& operator=(const FieldBinding&) = delete;

    // Binds the control to `field` of `view`; nullptr unbinds. Either may go
    // first: a destroyed view leaves the control unbound and empty.
    void setDataField(View* view, std::string field);
    View* dataView() const { return view_; }
    const std::string& dataField() const { return field_; }

    // True while typed text waits to be written into the field.
    bool hasPendingText() const { return pending_; }
    // Writes pending text into the field. Throws the store's error (and keeps
    // the text pending) when the field refuses it, and refuses a text longer
    // than a text field's width with a message naming the field and its
    // width: nothing is cut off without the user knowing.
    void commitPendingText();

    // Display format for numeric fields ("#0.###"), used while the control
    // does not have the keyboard focus; the plain value is shown for editing.
    void setDisplayFormat(std::string format);
    const std::string& displayFormat() const { return format_; }

protected:
    FieldBinding() = default;
    ~FieldBinding() override;

    // The widget tells the binding that the user changed its text. Puts the
    // view into edit if it is browsing; a refusal is shown in the error box
    // and the control shows the field again. Returns false then.
    bool userChangedText(QWidget* control);
    // The control loses the focus or Return was pressed: write pending text,
    // behind the error box.
    void userLeftControl(QWidget* control);

    // True when the view is open and has the field.
    bool fieldAvailable() const;
    // True when the user may type: the field is available and the view is
    // writable.
    bool fieldWritable() const;
    // The field's value as the control should show it.
    std::string fieldDisplayText(bool editing) const;

    // Shows the field's current value (or nothing when unavailable).
    virtual void showField() = 0;
    // The text the user typed.
    virtual std::string typedText() const = 0;
    // What the user calls the field (the control's label); the field's name
    // when the control has none.
    virtual std::string fieldCaption() const { return field_; }
    // Called when the view opens, closes or changes its read-only state, so
    // the control can allow or refuse typing.
    virtual void updateWritable() {}

    void viewChanged(View& view, ViewEvent event, int field) override;
    void viewDestroyed(View& view) override;

    // True while the binding itself writes into the view or shows a value;
    // the widget must not treat its own change as the user's typing.
    bool busy() const { return busy_ > 0; }

private:
    struct Busy {
        explicit Busy(int& counter) : counter_(counter) { ++counter_; }
        ~Busy() { --counter_; }
        int& counter_;
    };
    void refresh();
    // The typed text as the field takes it (either decimal separator in a
    // float field).
    std::string storableText() const;
    bool isMyField(int field) const;

    View* view_ = nullptr;
    std::string field_;
    std::string format_;
    bool pending_ = false;
    int busy_ = 0;
};

} // namespace kelvora::ui
