// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainFormUnit.h"

#include "app/Installation.h"
#include "common/LanguageHolder.h"
#include "common/Prompter.h"
#include "store/SettingsTable.h"
#include "ui_MainFormUnit.h"
#include "widgets/ErrorBox.h"
#include "widgets/WindowPlacement.h"
#include "widgets/WindowShortcuts.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>

namespace kelvora {

bool TMainForm::importAllowed(const QString& exePath) {
    return exePath.toUpper() == QString::fromLatin1(DeveloperBuildPath);
}

TMainForm::TMainForm(LanguageHolder& language, SettingsFile& settings, Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), language_(language), settings_(settings), prompter_(prompter) {
    setObjectName(QStringLiteral("MainForm"));
    // Fixed single border: a title bar with minimise and close, no maximise.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setTitle(tr("Kelvora - Glazuur berekening en registratie"));
    setWindowIcon(QIcon(QStringLiteral(":/images/kelvora.png")));
    buildMenus();
    buildControls();
    ui::WindowShortcuts::addHelp(this, [this] { Help2Click(); });
    retranslate();
    FormCreate();
}

TMainForm::~TMainForm() {
    FormDestroy();
}

void TMainForm::buildMenus() {
    QMenuBar* bar = menuBar();

    BestandMenuItem = bar->addMenu(tr("&Bestand"));
    BestandMenuItem->setObjectName(QStringLiteral("BestandMenuItem"));
    GrondstoffenMenuItem = BestandMenuItem->addAction(tr("Grond&stoffen"));
    GrondstoffenMenuItem->setObjectName(QStringLiteral("GrondstoffenMenuItem"));
    connect(GrondstoffenMenuItem, &QAction::triggered, this, [this] { GrondstoffenMenuItemClick(); });
    GlazurenMenuItem = BestandMenuItem->addAction(tr("&Glazuren"));
    GlazurenMenuItem->setObjectName(QStringLiteral("GlazurenMenuItem"));
    connect(GlazurenMenuItem, &QAction::triggered, this, [this] { GlazurenMenuItemClick(); });
    StullMenuItem = BestandMenuItem->addAction(tr("Stull-diagram"));
    StullMenuItem->setObjectName(QStringLiteral("StullMenuItem"));
    connect(StullMenuItem, &QAction::triggered, this, &TMainForm::stullChartRequested);
    MengreeksMenuItem = BestandMenuItem->addAction(tr("&Mengreeks..."));
    MengreeksMenuItem->setObjectName(QStringLiteral("MengreeksMenuItem"));
    connect(MengreeksMenuItem, &QAction::triggered, this, &TMainForm::blendRequested);
    ReceptImportMenuItem = BestandMenuItem->addAction(tr("Recepten &importeren..."));
    ReceptImportMenuItem->setObjectName(QStringLiteral("ReceptImportMenuItem"));
    connect(ReceptImportMenuItem, &QAction::triggered, this, &TMainForm::recipeImportRequested);
    ExportMenuItem = BestandMenuItem->addAction(tr("Ex&porteren..."));
    ExportMenuItem->setObjectName(QStringLiteral("ExportMenuItem"));
    connect(ExportMenuItem, &QAction::triggered, this, &TMainForm::exportRequested);
    StokenMenuItem = BestandMenuItem->addAction(tr("S&token"));
    StokenMenuItem->setObjectName(QStringLiteral("StokenMenuItem"));
    connect(StokenMenuItem, &QAction::triggered, this, &TMainForm::firingsRequested);
    ProefZoekenMenuItem = BestandMenuItem->addAction(tr("Proeven &zoeken..."));
    ProefZoekenMenuItem->setObjectName(QStringLiteral("ProefZoekenMenuItem"));
    connect(ProefZoekenMenuItem, &QAction::triggered, this, &TMainForm::testSearchRequested);
    Import1 = BestandMenuItem->addMenu(tr("Import"));
    Import1->setObjectName(QStringLiteral("Import1"));
    MatImportMenuitem = Import1->addAction(tr("Grondstoffen"));
    MatImportMenuitem->setObjectName(QStringLiteral("MatImportMenuitem"));
    connect(MatImportMenuitem, &QAction::triggered, this, [this] { MatImportMenuitemClick(); });
    Glazuren2 = Import1->addAction(tr("Glazuren"));
    Glazuren2->setObjectName(QStringLiteral("Glazuren2"));
    connect(Glazuren2, &QAction::triggered, this, [this] { Glazuren2Click(); });
    BestandMenuItem->addSeparator()->setObjectName(QStringLiteral("N1"));
    Exit1 = BestandMenuItem->addAction(tr("E&xit"));
    Exit1->setObjectName(QStringLiteral("Exit1"));
    connect(Exit1, &QAction::triggered, this, [this] { Exit1Click(); });

    // The language menu names each language in itself, so it reads the same
    // whatever language is chosen.
    Settings1 = bar->addMenu(tr("&Taal"));
    Settings1->setObjectName(QStringLiteral("Settings1"));
    auto* languages = new QActionGroup(this);
    auto language = [&](QAction*& item, const char* name, const QString& text, int taal) {
        item = Settings1->addAction(text);
        item->setObjectName(QString::fromLatin1(name));
        item->setCheckable(true);
        languages->addAction(item);
        connect(item, &QAction::triggered, this, [this, taal] { chooseLanguage(taal); });
    };
    language(NLMenuItem, "NLMenuItem", QStringLiteral("Nederlands"), TaalDutch);
    language(ENMenuItem, "ENMenuItem", QStringLiteral("English"), TaalEnglish);
    language(DUMenuItem, "DUMenuItem", QStringLiteral("Deutsch"), TaalGerman);

    Systeem1 = bar->addMenu(tr("&Systeem"));
    Systeem1->setObjectName(QStringLiteral("Systeem1"));
    UpgradeDB1 = Systeem1->addAction(tr("Upgrade database vorige versie "));
    UpgradeDB1->setObjectName(QStringLiteral("UpgradeDB1"));
    connect(UpgradeDB1, &QAction::triggered, this, [this] { UpgradeDB1Click(); });

    Help1 = bar->addMenu(tr("&Help"));
    Help1->setObjectName(QStringLiteral("Help1"));
    Help2 = Help1->addAction(tr("&Help"));
    Help2->setObjectName(QStringLiteral("Help2"));
    connect(Help2, &QAction::triggered, this, [this] { Help2Click(); });
    Help1->addSeparator()->setObjectName(QStringLiteral("N2"));
    About1 = Help1->addAction(tr("&Info"));
    About1->setObjectName(QStringLiteral("About1"));
    connect(About1, &QAction::triggered, this, [this] { About1Click(); });
}

void TMainForm::buildControls() {
    auto* client = new QWidget(this);
    Ui::TMainFormClient form;
    form.setupUi(client);
    setCentralWidget(client);
    Image1 = form.Image1;
    Image1->setAttribute(Qt::WA_TranslucentBackground);
    Label1 = form.Label1;
    QFont small = Label1->font();
    small.setPixelSize(13);
    Label1->setFont(small);
    NLbutton = form.NLbutton;
    DUbutton = form.DUbutton;
    for (QPushButton* b : {NLbutton, DUbutton}) {
        b->setFixedHeight(ui::heightAtLeast(b, 25));
        // Hidden in practice; the logo below keeps its place either way.
        QSizePolicy keep = b->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        b->setSizePolicy(keep);
    }
    connect(NLbutton, &QPushButton::clicked, this, [this] { NLbuttonClick(); });
    connect(DUbutton, &QPushButton::clicked, this, [this] { DUbuttonClick(); });

    // A fixed single border. The size is set outright: a layout size
    // constraint would hide the frame from the window system's placement on
    // X11, and the stored position would creep up a title bar every run.
    ui::fitFixedSize(client, QSize(674, 302));
    setFixedSize(client->width(), client->height() + menuBar()->sizeHint().height());
}

void TMainForm::FormCreate() {
    // Only the developer's own build offers the import; the path is compared
    // whole and without regard to case.
    if (!importAllowed(ui::executablePath())) {
        Import1->menuAction()->setEnabled(false);
        Import1->menuAction()->setVisible(false);
    }
    ui::guard(this, [this] { ui::applyPlacement(this, settings_, settings::MainForm); });
    appliedTaal_ = 0;
    // Relative data paths ("db0991/mat.cds") resolve in the working folder:
    // beside the program, or the user's data folder of an installed program.
    ui::guard(this, [] { ui::enterWorkingFolder(); });
}

void TMainForm::FormDestroy() {
    ui::guard(nullptr, [this] { ui::storePlacement(this, settings_, settings::MainForm); });
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TMainForm::FormShow() {
    const int taal = language_.taal();
    NLbutton->setVisible(taal == TaalNone);
    DUbutton->setVisible(taal == TaalNone);
    appliedTaal_ = taal;
    NLMenuItem->setChecked(taal == TaalDutch);
    DUMenuItem->setChecked(taal == TaalGerman);
    ENMenuItem->setChecked(taal == TaalEnglish);
}

void TMainForm::retranslate() {
    BestandMenuItem->setTitle(tr("&Bestand"));
    GrondstoffenMenuItem->setText(tr("Grond&stoffen"));
    GlazurenMenuItem->setText(tr("&Glazuren"));
    StullMenuItem->setText(tr("Stull-diagram"));
    MengreeksMenuItem->setText(tr("&Mengreeks..."));
    ReceptImportMenuItem->setText(tr("Recepten &importeren..."));
    ExportMenuItem->setText(tr("Ex&porteren..."));
    StokenMenuItem->setText(tr("S&token"));
    ProefZoekenMenuItem->setText(tr("Proeven &zoeken..."));
    Import1->setTitle(tr("Import"));
    MatImportMenuitem->setText(tr("Grondstoffen"));
    Glazuren2->setText(tr("Glazuren"));
    Exit1->setText(tr("E&xit"));
    Settings1->setTitle(tr("&Taal"));
    Systeem1->setTitle(tr("&Systeem"));
    UpgradeDB1->setText(tr("Upgrade database vorige versie "));
    Help1->setTitle(tr("&Help"));
    Help2->setText(tr("&Help"));
    About1->setText(tr("&Info"));
    setTitle(tr("Kelvora - Glazuur berekening en registratie"));
}

void TMainForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QMainWindow::changeEvent(event);
}

void TMainForm::setTitle(const QString& title) {
    title_ = title;
    setWindowTitle(readOnlyNotice_ ? title + tr(" (alleen lezen)") : title);
}

void TMainForm::setReadOnlyNotice(bool readOnly) {
    readOnlyNotice_ = readOnly;
    setTitle(title_);
}

void TMainForm::NLbuttonClick() {
    chooseLanguage(TaalDutch);
}

void TMainForm::DUbuttonClick() {
    chooseLanguage(TaalGerman);
}

void TMainForm::chooseLanguage(int taal) {
    language_.setTaal(taal);
    FormShow();
    Q_EMIT languageChosen(taal);
}

void TMainForm::Exit1Click() {
    ui::guard(this, [this] {
        if (prompter_.confirm(tr("Wilt U Kelvora verlaten?").toStdString())) close();
    });
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program, also when the help viewer or
    // the lookup window is still open.
    event->accept();
    QCoreApplication::quit();
}

void TMainForm::GrondstoffenMenuItemClick() {
    Q_EMIT materialsRequested();
}

void TMainForm::GlazurenMenuItemClick() {
    Q_EMIT glazesRequested();
}

void TMainForm::MatImportMenuitemClick() {
    Q_EMIT materialImportRequested();
}

void TMainForm::Glazuren2Click() {
    ui::guard(this,
              [this] { prompter_.message(tr("Functionaliteit nog niet geimplementeerd").toStdString()); });
}

void TMainForm::UpgradeDB1Click() {
    Q_EMIT upgradeRequested();
}

void TMainForm::Help2Click() {
    Q_EMIT helpRequested();
}

void TMainForm::About1Click() {
    Q_EMIT aboutRequested();
}

} // namespace kelvora
