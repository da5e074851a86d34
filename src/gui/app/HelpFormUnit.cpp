// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HelpFormUnit.h"

#include "app/Installation.h"
#include "widgets/ErrorBox.h"
#include "widgets/WindowPlacement.h"

#include <QEvent>
#include <QFileInfo>
#include <QScrollBar>
#include <QShowEvent>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

namespace kelvora {

THelpForm::THelpForm(SettingsFile& settings, QWidget* parent) : QMainWindow(parent), settings_(settings) {
    setObjectName(QStringLiteral("HelpForm"));
    setWindowIcon(QIcon(QStringLiteral(":/images/kelvora.png")));
    resize(783, 540);

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFixedHeight(29);
    ToolBar1->setIconSize(QSize(16, 16));
    addToolBar(Qt::TopToolBarArea, ToolBar1);
    ToolButton1 = new QToolButton(ToolBar1);
    ToolButton1->setObjectName(QStringLiteral("ToolButton1"));
    ToolButton1->setIcon(QIcon(QStringLiteral(":/images/helpclose.png")));
    ToolButton1->setAutoRaise(true);
    ToolBar1->addWidget(ToolButton1);
    connect(ToolButton1, &QToolButton::clicked, this, [this] { ToolButton1Click(); });

    WebBrowser1 = new QTextBrowser(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setOpenLinks(true);
    WebBrowser1->setOpenExternalLinks(true);
    setCentralWidget(WebBrowser1);

    retranslate();
    FormCreate();
}

void THelpForm::retranslate() {
    setWindowTitle(tr("Kelvora - Help"));
    ToolButton1->setToolTip(tr("Help afsluiten"));
}

void THelpForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        if (missingShown_) showMissingManual(ui::manualStartPage());
    }
    QMainWindow::changeEvent(event);
}

void THelpForm::showMissingManual(const QString& page) {
    missingShown_ = true;
    WebBrowser1->setHtml(tr("<h2>Handleiding niet gevonden</h2>"
                            "<p>De handleiding hoort te staan in:</p><p><tt>%1</tt></p>"
                            "<p>Installeer Kelvora opnieuw om de handleiding terug te zetten.</p>")
                             .arg(page.toHtmlEscaped()));
}

THelpForm::~THelpForm() {
    FormDestroy();
}

void THelpForm::FormCreate() {
    // Read as every window reads its place; the window system's own placement
    // wins when the viewer first appears, so the values are kept, not applied.
    ui::guard(this, [this] { stored_ = ui::readPlacement(settings_, settings::HelpForm); });
}

void THelpForm::FormDestroy() {
    ui::guard(nullptr, [this] { ui::storePlacement(this, settings_, settings::HelpForm); });
}

void THelpForm::showHelp() {
    if (!isVisible()) show();
    raise();
    activateWindow();
}

void THelpForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // A window coming back from the task bar is not a new showing.
    if (!event->spontaneous()) Button1Click();
}

void THelpForm::Button1Click() {
    const QString page = ui::manualStartPage();
    if (!QFileInfo::exists(page)) {
        showMissingManual(page);
        return;
    }
    missingShown_ = false;
    const QUrl url = QUrl::fromLocalFile(page);
    if (WebBrowser1->source() == url)
        WebBrowser1->reload();
    else
        WebBrowser1->setSource(url);
    WebBrowser1->verticalScrollBar()->setValue(0);
}

void THelpForm::showPage(const QString& file) {
    missingShown_ = false;
    WebBrowser1->setSource(QUrl::fromLocalFile(file));
}

void THelpForm::ToolButton1Click() {
    close();
}

} // namespace kelvora
