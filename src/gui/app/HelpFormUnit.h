// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "store/SettingsFile.h"
#include "store/SettingsTable.h"

#include <QMainWindow>

class QTextBrowser;
class QToolBar;
class QToolButton;

namespace kelvora {

// The help viewer: the user manual beside the program, in a browser view that
// follows the links between its pages. Every time the window appears it opens
// the manual's start page. It is not modal; closing it only hides it.
class THelpForm : public QMainWindow {
    Q_OBJECT
public:
    explicit THelpForm(SettingsFile& settings, QWidget* parent = nullptr);
    ~THelpForm() override;

    // Shows the viewer, or brings it to the front when it is already shown
    // (then the page the user is reading stays).
    void showHelp();
    // The position and size read from the settings file at creation. The
    // window system places the viewer when it first appears in a run.
    const settings::Placement& storedPlacement() const { return stored_; }
    // Shows this page of the manual in the viewer (after showHelp, which
    // opens the start page).
    void showPage(const QString& file);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FormCreate();
    void FormDestroy();
    void Button1Click();
    // The title and the tool tip in the program's language.
    void retranslate();
    // The note that the manual is missing, in the program's language.
    void showMissingManual(const QString& page);
    bool missingShown_ = false;
    void ToolButton1Click();

    SettingsFile& settings_;
    settings::Placement stored_;
    // The controls; tests find them by their object names.
    QToolBar* ToolBar1 = nullptr;
    QToolButton* ToolButton1 = nullptr;
    QTextBrowser* WebBrowser1 = nullptr;
};

} // namespace kelvora
