// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "notebook/Proef.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace kelvora {

class Prompter;

// "Proef bewerken": every field of a test as the potter keeps it; the
// recipe as mixed is shown and cannot be changed. OK takes the fields only
// when each reads as what it must be; otherwise the reason is said and the
// dialog stays open.
class ProefDialog : public QDialog {
    Q_OBJECT
public:
    ProefDialog(Prompter& prompter, const Proef& test, QWidget* parent = nullptr);

    // The test with the fields as confirmed.
    const Proef& test() const { return test_; }

    void accept() override;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void retranslate();
    void fill(const Proef& test);
    Proef typed() const;

    Prompter& prompter_;
    Proef test_;
    struct Field {
        QLabel* label = nullptr;
        QLineEdit* edit = nullptr;
    };
    Field date_, batch_, water_, gravity_, sieve_, clay_, bisque_, seconds_, coats_, thickness_, layering_;
    QLabel* applicationLabel_ = nullptr;
    QComboBox* application_ = nullptr;
    QLabel* notesLabel_ = nullptr;
    QPlainTextEdit* notes_ = nullptr;
    QLabel* recipeLabel_ = nullptr;
    QPlainTextEdit* recipe_ = nullptr;
};

} // namespace kelvora
