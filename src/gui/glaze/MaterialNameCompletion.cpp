// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/MaterialNameCompletion.h"

#include "glaze/MaterialNameMatch.h"
#include "widgets/DBEdit.h"

#include <QCompleter>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QStringListModel>

namespace kelvora::ui {

MaterialNameCompletion::MaterialNameCompletion(View& materials, QObject* parent)
    : QObject(parent), materials_(&materials), completer_(new QCompleter(this)),
      model_(new QStringListModel(this)) {
    completer_->setModel(model_);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    completer_->setCompletionMode(QCompleter::PopupCompletion);
    materials_->addObserver(this);
}

MaterialNameCompletion::~MaterialNameCompletion() = default; // ViewObserver leaves the view

void MaterialNameCompletion::attach(DBEdit* edit) {
    edit->setCompleter(completer_);
    edit->installEventFilter(this);
}

const std::vector<std::string>& MaterialNameCompletion::names() {
    if (stale_) reload();
    return names_;
}

void MaterialNameCompletion::reload() {
    stale_ = false;
    names_.clear();
    QStringList list;
    if (materials_ && materials_->active() && materials_->hasField("naam")) {
        const int field = materials_->fieldIndex("naam");
        const int rows = materials_->recordCount();
        names_.reserve(static_cast<std::size_t>(rows));
        for (int row = 0; row < rows; ++row) {
            std::string name = materials_->textAt(row, field);
            if (name.empty()) continue;
            list << QString::fromStdString(name);
            names_.push_back(std::move(name));
        }
    }
    list.removeDuplicates();
    model_->setStringList(list);
}

void MaterialNameCompletion::correct(DBEdit* edit) {
    // Only what the user typed is corrected; a shown value is the record's.
    if (!edit->hasPendingText()) return;
    const std::string typed = edit->text().toStdString();
    const auto name = matchMaterialName(typed, names());
    if (name && *name != typed) edit->setText(QString::fromStdString(*name));
}

bool MaterialNameCompletion::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<DBEdit*>(watched);
    if (!edit) return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        if (stale_) reload();
        break;
    case QEvent::FocusOut: {
        // The edit writes its text when it is left; the correction comes first.
        // A popup (the completion list itself) taking the focus is not leaving.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) correct(edit);
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) correct(edit);
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void MaterialNameCompletion::viewChanged(View& view, ViewEvent event, int) {
    if (&view != materials_) return;
    if (event == ViewEvent::Opened || event == ViewEvent::Closed || event == ViewEvent::DataChanged)
        stale_ = true;
}

void MaterialNameCompletion::viewDestroyed(View&) {
    materials_ = nullptr;
    stale_ = true;
}

} // namespace kelvora::ui
