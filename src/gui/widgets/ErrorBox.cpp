// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ErrorBox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>

#include <utility>

namespace kelvora::ui {

namespace {
ErrorSink& sink() {
    static ErrorSink instance;
    return instance;
}

} // namespace

void showErrorBox(QWidget* parent, const std::string& text) {
    if (sink()) {
        sink()(parent, text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Kelvora"), QString::fromStdString(text),
                    QMessageBox::Ok, parent);
    box.exec();
}

ErrorSink setErrorSink(ErrorSink newSink) {
    ErrorSink previous = std::move(sink());
    sink() = std::move(newSink);
    return previous;
}

ErrorBoxCapture::ErrorBoxCapture() {
    previous_ = setErrorSink([this](QWidget*, const std::string& text) { shown.push_back(text); });
}

ErrorBoxCapture::~ErrorBoxCapture() {
    setErrorSink(std::move(previous_));
}

namespace detail {

void reportException(QWidget* parent, const std::exception& error) noexcept {
    try {
        showErrorBox(parent, error.what());
    } catch (...) {
        // Nothing sensible is left to do when the error box itself fails.
    }
}

void reportUnknown(QWidget* parent) noexcept {
    try {
        showErrorBox(parent,
                     QCoreApplication::translate("kelvora::ui::ErrorBox", "Onbekende fout").toStdString());
    } catch (...) {
    }
}

} // namespace detail
} // namespace kelvora::ui
