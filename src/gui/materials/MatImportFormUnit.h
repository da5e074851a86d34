// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "store/DataFiles.h"
#include <QDialog>

#include <memory>

class QFileDialog;
class QLabel;
class QLineEdit;
class QPushButton;

namespace Ui {
class TMatImportForm;
}

namespace kelvora {

class Prompter;

// The material import window, shown modally from the import menu: appends
// the materials of a table file (XML or binary packet) to the materials file.
class TMatImportForm : public QDialog {
    Q_OBJECT
public:
    inline static const std::string DataFile = DataFiles::materials();

    explicit TMatImportForm(Prompter& prompter, QWidget* parent = nullptr);
    ~TMatImportForm() override;
    // The data folder whose materials file the import appends to (by
    // default the one in the current folder).
    void setDataFolder(const std::string& folder) { materialsFile_ = DataFiles::materials(folder); }

    void BrwoeseButtonClick();
    void ImportButtonClick();

Q_SIGNALS:
    // F1: the user asks for this window's page of the manual.
    void helpRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildLayout();
    // Every text of the window and its file dialog in the program's language.
    void retranslate();
    void makeOpenDialog();
    std::unique_ptr<Ui::TMatImportForm> form_;
    void FormCreate();
    Prompter& prompter_;
    std::string materialsFile_ = DataFile;
    // The controls; tests find them by their object names.
    QLabel* Label1 = nullptr;
    QLineEdit* FileEdit = nullptr;
    QPushButton* BrwoeseButton = nullptr;
    QPushButton* ImportButton = nullptr;
    // The open-file dialog "Import bestand", made once and reused.
    QFileDialog* OpenDialog1 = nullptr;
};

} // namespace kelvora
