// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

namespace kelvora {

// The "About Kelvora" box: the program's name, logo and version, and its maker.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // The version the program was built as ("0.9.9.1"), or "" without one.
    static QString ReadFileVersion();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildLayout();
    void FormShow();
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
