// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/MaterialNameCompletion.h"

#include "glaze/MaterialNameMatch.h"
#include "glaze/NameSuggestions.h"
#include "model/Recipe.h"
#include "widgets/DBEdit.h"
#include "widgets/ErrorBox.h"

#include <QAction>
#include <QCompleter>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QStringListModel>
#include <QStyle>

#include <algorithm>

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

namespace {
const char* const kUnknown = "unknownMaterial";
const char* const kPlainTip = "plainToolTip";
const char* const kOfferAction = "NameSuggestionsAction";
} // namespace

void MaterialNameCompletion::attach(DBEdit* edit) {
    edit->setCompleter(completer_);
    edit->installEventFilter(this);
    edit->setProperty(kPlainTip, edit->toolTip());
    auto* offer = new QAction(edit->style()->standardIcon(QStyle::SP_MessageBoxWarning),
                              tr("Bedoelde grondstof kiezen"), edit);
    offer->setObjectName(QString::fromLatin1(kOfferAction));
    edit->addAction(offer, QLineEdit::TrailingPosition);
    // Shown only beside a name that matches no material.
    offer->setVisible(false);
    connect(offer, &QAction::triggered, this, [this, edit] { offerNames(edit); });
    // A value the record brings (another glaze, a calculation) is checked at
    // once; what the user types, when the field is left.
    // (The completion list may hold the focus while the user types: what
    // tells typing apart is the edit's modified flag, which setText clears.)
    connect(edit, &QLineEdit::textChanged, this, [this, edit] {
        if (!edit->isModified()) check(edit);
    });
}

bool MaterialNameCompletion::isMarkedUnknown(const DBEdit* edit) {
    return edit->property(kUnknown).toBool();
}

void MaterialNameCompletion::check(DBEdit* edit) {
    const std::string text = edit->text().toStdString();
    bool unknown = false;
    if (!Recipe::isBlank(text) && materials_ && materials_->active()) {
        const auto& all = names();
        unknown = std::find(all.begin(), all.end(), text) == all.end();
    }
    auto* offer = edit->findChild<QAction*>(QString::fromLatin1(kOfferAction));
    edit->setProperty(kUnknown, unknown);
    if (!unknown) {
        edit->setStyleSheet(QString());
        edit->setToolTip(edit->property(kPlainTip).toString());
        if (offer) offer->setVisible(false);
        return;
    }
    edit->setStyleSheet(QStringLiteral("QLineEdit { color: #c01c28; border: 1px solid #c01c28; }"));
    QStringList closest;
    for (const auto& name : closestNames(text, names()))
        closest << QString::fromStdString(name);
    QString tip = tr("Geen grondstof heet '%1'.").arg(edit->text().trimmed());
    if (!closest.isEmpty())
        tip +=
            QLatin1Char('\n') + tr("Bedoeld: %1? Klik op het teken rechts in het veld om er een te kiezen.")
                                    .arg(closest.join(QStringLiteral(", ")));
    edit->setToolTip(tip);
    if (offer) offer->setVisible(!closest.isEmpty());
}

void MaterialNameCompletion::offerNames(DBEdit* edit) {
    auto* menu = new QMenu(edit);
    menu->setObjectName(QStringLiteral("NameSuggestionsMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const auto& name : closestNames(edit->text().toStdString(), names())) {
        const QString choice = QString::fromStdString(name);
        menu->addAction(choice, this, [this, edit, choice] { take(edit, choice); });
    }
    menu->popup(edit->mapToGlobal(QPoint(edit->width(), edit->height())));
}

void MaterialNameCompletion::take(DBEdit* edit, const QString& name) {
    guard(edit, [edit, &name] {
        View* v = edit->dataView();
        if (!v || !v->active() || v->readOnly()) return;
        if (v->state() == ViewState::Browse) v->edit();
        // Written into the field as a drop is: the control shows it at once.
        v->setText(edit->dataField(), name.toStdString());
    });
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
    case QEvent::LanguageChange:
        // The offer's text and the note on an unknown name, in the new language.
        if (auto* offer = edit->findChild<QAction*>(QString::fromLatin1(kOfferAction)))
            offer->setText(tr("Bedoelde grondstof kiezen"));
        if (isMarkedUnknown(edit)) check(edit);
        break;
    case QEvent::FocusOut: {
        // The edit writes its text when it is left; the correction comes first.
        // A popup (the completion list itself) taking the focus is not leaving.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            correct(edit);
            check(edit);
        }
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            correct(edit);
            check(edit);
        }
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
