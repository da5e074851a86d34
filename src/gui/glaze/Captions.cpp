// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/Captions.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QWidget>

namespace kelvora {

QString Captions::tr(const char* source) const {
    return QCoreApplication::translate(context_, source);
}

void Captions::keep(const char* source, std::function<void(const QString&)> set) {
    set(tr(source));
    kept_.emplace_back(source, std::move(set));
}

void Captions::toolTip(QWidget* widget, const char* source) {
    QPointer<QWidget> target(widget);
    keep(source, [target](const QString& t) {
        if (target) target->setToolTip(t);
    });
}

void Captions::title(QGroupBox* box, const char* source) {
    QPointer<QGroupBox> target(box);
    keep(source, [target](const QString& t) {
        if (target) target->setTitle(t);
    });
}

void Captions::placeholder(QLineEdit* edit, const char* source) {
    QPointer<QLineEdit> target(edit);
    keep(source, [target](const QString& t) {
        if (target) target->setPlaceholderText(t);
    });
}

void Captions::windowTitle(QWidget* window, const char* source) {
    QPointer<QWidget> target(window);
    keep(source, [target](const QString& t) {
        if (target) target->setWindowTitle(t);
    });
}

void Captions::tab(QTabWidget* tabs, QWidget* page, const char* source) {
    QPointer<QTabWidget> target(tabs);
    QPointer<QWidget> at(page);
    keep(source, [target, at](const QString& t) {
        if (target && at && target->indexOf(at) >= 0) target->setTabText(target->indexOf(at), t);
    });
}

void Captions::apply() const {
    for (const auto& [source, set] : kept_)
        set(tr(source));
}

void Captions::headingsChanged(QAbstractItemModel* model) {
    const int columns = model->columnCount();
    if (columns > 0) Q_EMIT model->headerDataChanged(Qt::Horizontal, 0, columns - 1);
}

} // namespace kelvora
