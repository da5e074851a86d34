#include "materials/MatImportFormUnit.h"

#include "common/Prompter.h"
#include "materials/MaterialImporter.h"
#include "widgets/ErrorBox.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kelvora {

TMatImportForm::TMatImportForm(Prompter& prompter, QWidget* parent) : QDialog(parent), prompter_(prompter) {
    setObjectName(QStringLiteral("MatImportForm"));
    setWindowTitle(QStringLiteral("MatImportForm"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(564, 115);
    // Modal over the window that opens it only, so the help viewer and the
    // lookup window stay usable beside it.
    setWindowModality(Qt::WindowModal);

    Label1 = new QLabel(QStringLiteral("Importeer vanuit bestand:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(16, 12);
    Label1->adjustSize();

    FileEdit = new QLineEdit(this);
    FileEdit->setObjectName(QStringLiteral("FileEdit"));
    FileEdit->setGeometry(16, 30, 433, 25);
    Label1->setBuddy(FileEdit);

    BrwoeseButton = new QPushButton(QStringLiteral("Bladeren..."), this);
    BrwoeseButton->setObjectName(QStringLiteral("BrwoeseButton"));
    BrwoeseButton->setGeometry(464, 30, 85, 25);
    BrwoeseButton->setAutoDefault(false);
    connect(BrwoeseButton, &QPushButton::clicked, this, [this] { BrwoeseButtonClick(); });

    ImportButton = new QPushButton(QStringLiteral("Importeer"), this);
    ImportButton->setObjectName(QStringLiteral("ImportButton"));
    ImportButton->setGeometry(16, 72, 85, 25);
    ImportButton->setAutoDefault(false);
    connect(ImportButton, &QPushButton::clicked, this, [this] { ImportButtonClick(); });

    OpenDialog1 = new QFileDialog(this, QStringLiteral("Import bestand"));
    OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
    OpenDialog1->setFileMode(QFileDialog::ExistingFile);
    OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
    // Files written on other systems often carry lower-case extensions.
    OpenDialog1->setNameFilters(
        {QStringLiteral("XML Files (*.XML *.xml)"), QStringLiteral("CDS Files (*.CDS *.cds)")});
    OpenDialog1->selectNameFilter(OpenDialog1->nameFilters().first());
    OpenDialog1->setDefaultSuffix(QStringLiteral("XML"));
    OpenDialog1->setSizeGripEnabled(true);

    FormCreate();
}

TMatImportForm::~TMatImportForm() = default;

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
    ui::guard(this, [&] { MaterialImporter::confirmAndImport(prompter_, DataFile, source); });
}

} // namespace kelvora
