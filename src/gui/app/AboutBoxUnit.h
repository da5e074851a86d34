// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

#include <memory>

class QLabel;
class QPushButton;

namespace Ui {
class TAboutBox;
}

namespace kelvora {

// The "About Kelvora" box: the program's name, logo and version, and its maker.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
    ~TAboutBox() override;

    // The version the program was built as ("0.9.9.1"), or "" without one.
    static QString ReadFileVersion();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildLayout();
    void FormShow();
    // Every text of the box in the program's language.
    void retranslate();
    std::unique_ptr<Ui::TAboutBox> form_;
    QLabel* LicenceLabel = nullptr;
    // The version line as shown: the version and its stage.
    static QString versionText();
    // The controls; tests find them by their object names.
    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* VersieLabel = nullptr;
    QPushButton* OKButton = nullptr;
};

} // namespace kelvora
