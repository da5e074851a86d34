// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "glaze/Captions.h"

#include <QDialog>

class QComboBox;
class QFileDialog;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace kelvora {

class GlazeBook;
class Prompter;

// The window "Exporteren" (Bestand > "Exporteren..."): writes the current
// glaze, the glazes chosen in its list or all glazes of the book, in one of
// the formats other glaze programs read, to the file the user names. The
// writing is the core's (writeExport); errors go to the error box.
class TExportForm : public QDialog {
    Q_OBJECT
public:
    // `current` is the glaze the editor shows ("" when none).
    TExportForm(GlazeBook& book, Prompter& prompter, const QString& current, QWidget* parent = nullptr);
    ~TExportForm() override;

    // The glazes to choose from, read again from the book.
    void reloadGlazes();

protected:
    void changeEvent(QEvent* event) override;

private:
    // The formats' names in the language now chosen.
    void showFormatCaptions();
    void buildLayout();
    void updateChoice();
    void browse();
    void exportClick();
    std::vector<std::string> chosenNames() const;

    GlazeBook& book_;
    Prompter& prompter_;
    QString current_;
    // The controls; tests find them by their object names.
    QRadioButton* HuidigRB = nullptr;
    QRadioButton* GekozenRB = nullptr;
    QRadioButton* AllesRB = nullptr;
    QListWidget* GlazenLB = nullptr;
    QComboBox* FormaatCB = nullptr;
    QLineEdit* FileEdit = nullptr;
    QPushButton* BladerButton = nullptr;
    QPushButton* ExportButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QFileDialog* SaveDialog = nullptr;
    Captions captions_{staticMetaObject.className()};
};

} // namespace kelvora
