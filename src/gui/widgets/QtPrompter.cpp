#include "widgets/QtPrompter.h"

#include <QApplication>
#include <QMessageBox>

namespace kelvora::ui {

namespace {
const QString kTitle = QStringLiteral("Kelvora");

QWidget* ownerWindow() {
    return QApplication::activeWindow();
}

Prompter*& current() {
    static Prompter* instance = nullptr;
    return instance;
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

Prompter& prompter() {
    static QtPrompter qtPrompter;
    return current() ? *current() : qtPrompter;
}

void setPrompter(Prompter* prompter) {
    current() = prompter;
}

} // namespace kelvora::ui
