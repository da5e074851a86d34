// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

#include <memory>

class QComboBox;
class QDialogButtonBox;

namespace Ui {
class TVerwijderMatForm;
}

namespace kelvora {

class Prompter;
class SettingsFile;
class TGlzDM;

// The dialog that chooses a material to remove from the current glaze: it
// offers the names in the recipe slots (wat = 1) or in the addition slots
// (wat = 2). It changes nothing itself; the caller reads chosenMaterial()
// after OK.
class TVerwijderMatForm : public QDialog {
    Q_OBJECT
public:
    TVerwijderMatForm(TGlzDM& dataModule, Prompter& prompter, SettingsFile& settings,
                      QWidget* parent = nullptr);
    ~TVerwijderMatForm() override;

    // Set by the caller before every showing; 0 means nobody set it.
    int wat = 0;
    // The material the user chose (empty when none), for the caller after OK.
    QString chosenMaterial() const;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The designed form's texts and the title in the language now chosen.
    void retranslate();
    void buildLayout();
    void FormCreate();
    void FormShow();
    void FormDestroy();
    TGlzDM& dataModule_;
    Prompter& prompter_;
    SettingsFile& settings_;
    // The controls; tests find them by their object names.
    QComboBox* MatCB = nullptr;
    QDialogButtonBox* Buttons = nullptr;
    std::unique_ptr<Ui::TVerwijderMatForm> form_;
};

} // namespace kelvora
