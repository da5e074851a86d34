// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

#include <memory>

class QLabel;
class QPushButton;

namespace Ui {
class TUpgradeDBForm;
}

namespace kelvora {

class Prompter;

// The window that takes over the previous version's data files: a warning
// and the button that starts the upgrade.
class TUpgradeDBForm : public QDialog {
    Q_OBJECT
public:
    explicit TUpgradeDBForm(Prompter& prompter, QWidget* parent = nullptr);
    ~TUpgradeDBForm() override;

    void UpgradeButtonClick();

Q_SIGNALS:
    // F1: the user asks for this window's page of the manual.
    void helpRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildLayout();
    std::unique_ptr<Ui::TUpgradeDBForm> form_;
    void FormCreate();
    Prompter& prompter_;
    // The controls; tests find them by their object names.
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QPushButton* UpgradeButton = nullptr;
};

} // namespace kelvora
