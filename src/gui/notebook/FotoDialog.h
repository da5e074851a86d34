// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "notebook/NotebookData.h"

#include <QDialog>
#include <QStringList>

#include <string>

class QComboBox;
class QLabel;
class QLineEdit;

namespace kelvora {

// "Foto toevoegen": what the chosen photos of a test show: a title, the
// cone and atmosphere, and the firing (if any). Choosing a firing fills
// the cone and atmosphere that are still empty from that firing.
class FotoDialog : public QDialog {
    Q_OBJECT
public:
    FotoDialog(const NotebookData& notebook, const std::string& testCode, const QStringList& files,
               QWidget* parent = nullptr);

    // What the photos show, with the test's code; the file is chosen by the notebook.
    Foto photo() const;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void retranslate();
    void firingChosen(int index);

    const NotebookData& notebook_;
    std::string testCode_;
    QStringList files_;
    QLabel* filesLabel_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    QLineEdit* title_ = nullptr;
    QLabel* coneLabel_ = nullptr;
    QLineEdit* cone_ = nullptr;
    QLabel* atmosphereLabel_ = nullptr;
    QComboBox* atmosphere_ = nullptr;
    QLabel* firingLabel_ = nullptr;
    QComboBox* firing_ = nullptr;
};

} // namespace kelvora
