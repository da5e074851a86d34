// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "store/PostDeclined.h"

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace kelvora::ui {

// The standard error box: a critical message box titled "Kelvora" holding the
// error's text. Every window handler runs behind guard(), which is the one
// place where the core's exceptions are caught and shown.
void showErrorBox(QWidget* parent, const std::string& text);

// Where error boxes go. The program shows them; tests replace the sink with
// ErrorBoxCapture and read what would have been shown.
using ErrorSink = std::function<void(QWidget* parent, const std::string& text)>;
// Returns the sink it replaces; an empty sink restores the message box.
ErrorSink setErrorSink(ErrorSink sink);

// Runs `handler`. A StoreError or any other std::exception it raises ends the
// handler at that point and is shown in the error box; the program goes on.
// A post the user declined (PostDeclined) ends it too, without a box.
// Returns true when the handler ran to its end.
template <class Handler> bool guard(QWidget* parent, Handler&& handler) noexcept;

// Wraps a handler for connect(): the slot runs behind guard().
template <class Handler> auto guarded(QWidget* parent, Handler handler) {
    return [parent, handler = std::move(handler)](auto&&...) mutable { guard(parent, handler); };
}

// Test helper: while it lives, error boxes are recorded instead of shown.
class ErrorBoxCapture {
public:
    ErrorBoxCapture();
    ~ErrorBoxCapture();
    ErrorBoxCapture(const ErrorBoxCapture&) = delete;
    ErrorBoxCapture& operator=(const ErrorBoxCapture&) = delete;
    std::vector<std::string> shown;

private:
    ErrorSink previous_;
};

namespace detail {
void reportException(QWidget* parent, const std::exception& error) noexcept;
void reportUnknown(QWidget* parent) noexcept;
} // namespace detail

template <class Handler> bool guard(QWidget* parent, Handler&& handler) noexcept {
    try {
        handler();
        return true;
    } catch (const PostDeclined&) {
        // The user said no to a question; the answer is all there is to say.
    } catch (const std::exception& error) {
        // StoreError derives from std::exception; its what() is the user's text.
        detail::reportException(parent, error);
    } catch (...) {
        detail::reportUnknown(parent);
    }
    return false;
}

} // namespace kelvora::ui
