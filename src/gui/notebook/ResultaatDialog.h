// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "notebook/NotebookData.h"

#include <QDialog>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace kelvora {

class Prompter;

// "Resultaat": how a test came out of one of the firings there are: where
// it stood, the surface, transparency and colour, its defects, a rating
// and notes. Choosing a firing the test already has a result of shows that
// result, which OK then replaces.
class ResultaatDialog : public QDialog {
    Q_OBJECT
public:
    // `notebook` must hold at least one firing.
    ResultaatDialog(Prompter& prompter, const NotebookData& notebook, const std::string& testCode,
                    QWidget* parent = nullptr);

    // The result as confirmed.
    const TileResult& result() const { return result_; }

    void accept() override;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void retranslate();
    void showFiring(int index);
    TileResult typed() const;

    Prompter& prompter_;
    const NotebookData& notebook_;
    std::string testCode_;
    TileResult result_;
    QLabel* firingLabel_ = nullptr;
    QComboBox* firing_ = nullptr;
    struct Field {
        QLabel* label = nullptr;
        QLineEdit* edit = nullptr;
    };
    Field place_, surface_, transparency_, colour_, defectNotes_;
    QLabel* defectsLabel_ = nullptr;
    std::vector<QCheckBox*> defects_; // in the order of the fixed list
    QLabel* ratingLabel_ = nullptr;
    QSpinBox* rating_ = nullptr;
    QLabel* notesLabel_ = nullptr;
    QPlainTextEdit* notes_ = nullptr;
};

} // namespace kelvora
