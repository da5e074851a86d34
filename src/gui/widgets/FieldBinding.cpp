// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/FieldBinding.h"

#include "common/NumberFormat.h"
#include "common/TypedDecimal.h"
#include "common/Utf8.h"
#include "store/StoreError.h"
#include "widgets/ErrorBox.h"

#include <QCoreApplication>

#include <utility>

namespace kelvora::ui {

void checkFitsField(const View& view, int field, std::string_view text, const std::string& caption) {
    const FieldDef& def = view.fields()[static_cast<std::size_t>(field)];
    if (def.type != FieldType::Text || def.width <= 0) return;
    const std::size_t length = utf8::length(text);
    if (length <= static_cast<std::size_t>(def.width)) return;
    throw StoreError(
        QCoreApplication::translate("kelvora::ui::FieldBinding",
                                    "Het veld '%1' houdt ten hoogste %2 tekens; de tekst heeft er %3. "
                                    "Maak hem korter: er is niets opgeslagen.")
            // One call fills all three, so a caption holding "%2" stays as it is.
            .arg(QString::fromStdString(caption), QString::number(def.width), QString::number(length))
            .toStdString());
}

FieldBinding::~FieldBinding() = default; // ViewObserver leaves the view

void FieldBinding::viewDestroyed(View&) {
    view_ = nullptr;
    pending_ = false;
}

void FieldBinding::setDataField(View* view, std::string field) {
    if (view_) view_->removeObserver(this);
    view_ = view;
    field_ = std::move(field);
    pending_ = false;
    if (view_) view_->addObserver(this);
    refresh();
}

void FieldBinding::setDisplayFormat(std::string format) {
    format_ = std::move(format);
    if (!pending_) refresh();
}

bool FieldBinding::fieldAvailable() const {
    return view_ && view_->active() && view_->hasField(field_);
}

bool FieldBinding::fieldWritable() const {
    return fieldAvailable() && !view_->readOnly();
}

std::string FieldBinding::fieldDisplayText(bool editing) const {
    if (!fieldAvailable() || view_->isEmpty()) return {};
    if (editing || format_.empty() || view_->isNull(field_)) return view_->asText(field_);
    const FieldType type = view_->fields()[static_cast<std::size_t>(view_->fieldIndex(field_))].type;
    if (type != FieldType::Float && type != FieldType::Integer) return view_->asText(field_);
    return numfmt::formatPattern(view_->asNumber(field_), format_);
}

std::string FieldBinding::storableText() const {
    std::string text = typedText();
    // A decimal point or comma typed alone is the decimal one, whichever the
    // locale uses; the store refuses anything else with its own message.
    if (view_->fields()[static_cast<std::size_t>(view_->fieldIndex(field_))].type == FieldType::Float)
        return numfmt::withLocaleDecimal(text);
    return text;
}

bool FieldBinding::isMyField(int field) const {
    return fieldAvailable() && field >= 0 && view_->fieldIndex(field_) == field;
}

void FieldBinding::refresh() {
    Busy busy(busy_);
    updateWritable();
    showField();
}

bool FieldBinding::userChangedText(QWidget* control) {
    if (busy() || !view_) return true;
    if (!pending_ && view_->state() == ViewState::Browse) {
        bool ok;
        {
            // Starting the edit makes every control of the view show the row
            // again; this one keeps what the user just typed.
            Busy busy(busy_);
            ok = guard(control, [this] { view_->edit(); });
        }
        if (!ok) {
            refresh();
            return false;
        }
    }
    pending_ = true;
    return true;
}

void FieldBinding::userLeftControl(QWidget* control) {
    if (!pending_ || busy()) return;
    guard(control, [this] { commitPendingText(); });
}

void FieldBinding::commitPendingText() {
    if (!pending_ || !fieldAvailable()) return;
    checkFitsField(*view_, view_->fieldIndex(field_), typedText(), fieldCaption());
    if (view_->state() == ViewState::Browse) {
        Busy busy(busy_);
        view_->edit();
    }
    {
        Busy busy(busy_);
        view_->setText(field_, storableText());
    }
    pending_ = false;
}

void FieldBinding::viewChanged(View& view, ViewEvent event, int field) {
    if (&view != view_) return;
    // What the binding itself sets off (the edit that typing starts, the
    // field it writes) must not overwrite the text being typed.
    if (busy() && event != ViewEvent::UpdateRecord) return;
    switch (event) {
    case ViewEvent::UpdateRecord:
        commitPendingText();
        break;
    case ViewEvent::Opened:
    case ViewEvent::Closed:
    case ViewEvent::Scrolled:
    case ViewEvent::DataChanged:
        // Another row, or the same row posted: whatever was pending belonged
        // to an edit the view has settled.
        pending_ = false;
        refresh();
        break;
    case ViewEvent::StateChanged:
        if (view_->state() == ViewState::Browse) pending_ = false; // posted or cancelled
        if (!pending_) refresh();
        break;
    case ViewEvent::FieldChanged:
        if (!isMyField(field)) break;
        // The program wrote the field (a calculation, a drop): its value wins.
        pending_ = false;
        refresh();
        break;
    }
}

} // namespace kelvora::ui
