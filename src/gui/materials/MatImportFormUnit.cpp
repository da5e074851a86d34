// SPDX-License-Identifier: GPL-3.0-or-later
#include "materials/MatImportFormUnit.h"

#include "common/Prompter.h"
#include "materials/MaterialImporter.h"
#include "ui_MatImportFormUnit.h"
#include "widgets/ErrorBox.h"
#include "widgets/WindowPlacement.h"
#include "widgets/WindowShortcuts.h"

#include <QEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kelvora {

TMatImportForm::TMatImportForm(Prompter& prompter, QWidget* parent) : QDialog(parent), prompter_(prompter) {
    setObjectName(QStringLiteral("MatImportForm"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // Modal over the window that opens it only, so the help viewer and the
    // lookup window stay usable beside it.
    setWindowModality(Qt::WindowModal);
    buildLayout();
    connect(BrwoeseButton, &QPushButton::clicked, this, [this] { BrwoeseButtonClick(); });
    connect(ImportButton, &QPushButton::clicked, this, [this] { ImportButtonClick(); });

    ui::WindowShortcuts::addHelp(this, [this] { Q_EMIT helpRequested(); });
    retranslate();
    FormCreate();
}

void TMatImportForm::makeOpenDialog() {
    // Qt's file dialog takes its own texts from Qt's catalogue when it is
    // made: one made in another language replaces it, in the folder it was in.
    QString folder;
    if (OpenDialog1) {
        folder = OpenDialog1->directory().absolutePath();
        delete OpenDialog1;
    }
    OpenDialog1 = new QFileDialog(this, tr("Import bestand"));
    OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
    OpenDialog1->setFileMode(QFileDialog::ExistingFile);
    OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
    // Files written on other systems often carry lower-case extensions.
    OpenDialog1->setNameFilters({tr("XML Files (*.XML *.xml)"), tr("CDS Files (*.CDS *.cds)")});
    OpenDialog1->selectNameFilter(OpenDialog1->nameFilters().first());
    OpenDialog1->setDefaultSuffix(QStringLiteral("XML"));
    OpenDialog1->setSizeGripEnabled(true);
    if (!folder.isEmpty()) OpenDialog1->setDirectory(folder);
}

TMatImportForm::~TMatImportForm() = default;

void TMatImportForm::retranslate() {
    form_->retranslateUi(this);
    // Never while the dialog is open: it is modal, so no language is chosen then.
    if (!OpenDialog1 || !OpenDialog1->isVisible()) makeOpenDialog();
}

void TMatImportForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && form_) retranslate();
    QDialog::changeEvent(event);
}

void TMatImportForm::buildLayout() {
    form_ = std::make_unique<Ui::TMatImportForm>();
    form_->setupUi(this);
    Label1 = form_->Label1;
    FileEdit = form_->FileEdit;
    BrwoeseButton = form_->BrwoeseButton;
    ImportButton = form_->ImportButton;
    for (QWidget* w : {static_cast<QWidget*>(FileEdit), static_cast<QWidget*>(BrwoeseButton),
                       static_cast<QWidget*>(ImportButton)})
        w->setFixedHeight(ui::heightAtLeast(w, 25));
    ui::fitFixedSize(this, QSize(564, 115));
}

void TMatImportForm::FormCreate() {
    // It keeps no settings and applies no translation.
}

void TMatImportForm::BrwoeseButtonClick() {
    if (OpenDialog1->exec() != QDialog::Accepted) return;
    const QStringList chosen = OpenDialog1->selectedFiles();
    if (!chosen.isEmpty()) FileEdit->setText(chosen.first());
}

void TMatImportForm::ImportButtonClick() {
    // The name is taken as typed; a file that is not there is the store's
    // error once the user has confirmed.
    const std::string source = FileEdit->text().toStdString();
    ui::guard(this, [&] { MaterialImporter::confirmAndImport(prompter_, materialsFile_, source); });
}

} // namespace kelvora
