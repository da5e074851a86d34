// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/QtPrompter.h"

#include <QApplication>
#include <QMessageBox>

namespace kelvora::ui {

namespace {
const QString kTitle = QStringLiteral("Kelvora");

QWidget* ownerWindow() {
    return QApplication::activeWindow();
}

} // namespace

void QtPrompter::message(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, kTitle, QString::fromStdString(text), QMessageBox::Ok,
                    ownerWindow());
    box.exec();
}

bool QtPrompter::confirm(const std::string& text) {
    QMessageBox box(QMessageBox::Question, kTitle, QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, ownerWindow());
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtPrompter::information(const std::string& text) {
    QMessageBox box(QMessageBox::Information, kTitle, QString::fromStdString(text), QMessageBox::Ok,
                    ownerWindow());
    box.exec();
}

Prompter::Answer QtPrompter::ask(const std::string& text) {
    QMessageBox box(QMessageBox::Question, kTitle, QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, ownerWindow());
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

} // namespace kelvora::ui
