// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/ExportFormUnit.h"

#include <QEvent>
#include <QLabel>

#include "common/Prompter.h"
#include "interchange/RecipeExport.h"
#include "store/GlazeBook.h"
#include "widgets/ErrorBox.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kelvora {

namespace {
// What the format list shows for each format, in the core's order.
QString formatCaption(ExportFormat format) {
    switch (format) {
    case ExportFormat::GlazyYaml:
        return TExportForm::tr("Glazy (YAML)");
    case ExportFormat::InsightXml:
        return TExportForm::tr("Insight (XML, materialen in .materials.xml)");
    case ExportFormat::GlazeChem:
        return TExportForm::tr("GlazeChem (.glz, materialen in .mat)");
    case ExportFormat::Text:
        return TExportForm::tr("Tekst (e-mail, forum)");
    case ExportFormat::Csv:
        return TExportForm::tr("CSV (een regel per grondstof)");
    }
    return {};
}
} // namespace

TExportForm::TExportForm(GlazeBook& book, Prompter& prompter, const QString& current, QWidget* parent)
    : QDialog(parent), book_(book), prompter_(prompter), current_(current) {
    setObjectName(QStringLiteral("ExportForm"));
    captions_.windowTitle(this, QT_TR_NOOP("Exporteren"));
    setWindowModality(Qt::WindowModal);
    buildLayout();
    connect(HuidigRB, &QRadioButton::toggled, this, &TExportForm::updateChoice);
    connect(GekozenRB, &QRadioButton::toggled, this, &TExportForm::updateChoice);
    connect(AllesRB, &QRadioButton::toggled, this, &TExportForm::updateChoice);
    connect(BladerButton, &QPushButton::clicked, this, ui::guarded(this, [this] { browse(); }));
    connect(ExportButton, &QPushButton::clicked, this, ui::guarded(this, [this] { exportClick(); }));
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    ui::guard(this, [this] { reloadGlazes(); });
}

TExportForm::~TExportForm() = default;

void TExportForm::showFormatCaptions() {
    const auto formats = exportFormats();
    for (int i = 0; i < FormaatCB->count() && i < static_cast<int>(formats.size()); ++i)
        FormaatCB->setItemText(i, formatCaption(formats[static_cast<std::size_t>(i)]));
}

void TExportForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        captions_.apply();
        showFormatCaptions();
    }
    QDialog::changeEvent(event);
}

void TExportForm::buildLayout() {
    auto* which = new QGroupBox(this);
    captions_.title(which, QT_TR_NOOP("Glazuren"));
    HuidigRB = new QRadioButton(which);
    captions_.keep(QT_TR_NOOP("Huidig glazuur: %1"),
                   [this](const QString& t) { HuidigRB->setText(t.arg(current_)); });
    HuidigRB->setObjectName(QStringLiteral("HuidigRB"));
    GekozenRB = captions_.text(new QRadioButton(which), QT_TR_NOOP("Gekozen glazuren"));
    GekozenRB->setObjectName(QStringLiteral("GekozenRB"));
    AllesRB = captions_.text(new QRadioButton(which), QT_TR_NOOP("Alle glazuren"));
    AllesRB->setObjectName(QStringLiteral("AllesRB"));
    GlazenLB = new QListWidget(which);
    GlazenLB->setObjectName(QStringLiteral("GlazenLB"));
    GlazenLB->setSelectionMode(QAbstractItemView::ExtendedSelection);
    captions_.keep(QT_TR_NOOP("Gekozen glazuren"),
                   [this](const QString& t) { GlazenLB->setAccessibleName(t); });
    auto* whichLayout = new QVBoxLayout(which);
    whichLayout->addWidget(HuidigRB);
    whichLayout->addWidget(GekozenRB);
    whichLayout->addWidget(GlazenLB);
    whichLayout->addWidget(AllesRB);
    HuidigRB->setEnabled(!current_.isEmpty());
    (current_.isEmpty() ? GekozenRB : HuidigRB)->setChecked(true);

    FormaatCB = new QComboBox(this);
    FormaatCB->setObjectName(QStringLiteral("FormaatCB"));
    for (const ExportFormat format : exportFormats())
        FormaatCB->addItem(QString(),
                           QString::fromUtf8(exportFormatName(format).data(),
                                             static_cast<qsizetype>(exportFormatName(format).size())));
    FileEdit = new QLineEdit(this);
    FileEdit->setObjectName(QStringLiteral("FileEdit"));
    BladerButton = captions_.text(new QPushButton(this), QT_TR_NOOP("Bladeren..."));
    BladerButton->setObjectName(QStringLiteral("BladerButton"));
    showFormatCaptions();
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(FileEdit, 1);
    fileRow->addWidget(BladerButton);
    auto* form = new QFormLayout;
    auto* formatLabel = captions_.text(new QLabel(this), QT_TR_NOOP("Formaat:"));
    formatLabel->setBuddy(FormaatCB);
    form->addRow(formatLabel, FormaatCB);
    auto* fileLabel = captions_.text(new QLabel(this), QT_TR_NOOP("Bestand:"));
    fileLabel->setBuddy(FileEdit);
    form->addRow(fileLabel, fileRow);

    ExportButton = captions_.text(new QPushButton(this), QT_TR_NOOP("Exporteren"));
    ExportButton->setObjectName(QStringLiteral("ExportButton"));
    ExportButton->setDefault(true);
    CancelButton = captions_.text(new QPushButton(this), QT_TR_NOOP("Annuleren"));
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CancelButton);
    buttons->addWidget(ExportButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(which, 1);
    layout->addLayout(form);
    layout->addLayout(buttons);

    SaveDialog = new QFileDialog(this);
    captions_.windowTitle(SaveDialog, QT_TR_NOOP("Exporteren naar"));
    SaveDialog->setObjectName(QStringLiteral("SaveDialog"));
    SaveDialog->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog->setFileMode(QFileDialog::AnyFile);
    updateChoice();
}

void TExportForm::reloadGlazes() {
    GlazenLB->clear();
    for (const auto& name : book_.glazeNames())
        GlazenLB->addItem(QString::fromStdString(name));
}

void TExportForm::updateChoice() {
    GlazenLB->setEnabled(GekozenRB->isChecked());
}

void TExportForm::browse() {
    SaveDialog->selectFile(FileEdit->text());
    if (SaveDialog->exec() != QDialog::Accepted || SaveDialog->selectedFiles().isEmpty()) return;
    FileEdit->setText(SaveDialog->selectedFiles().first());
}

std::vector<std::string> TExportForm::chosenNames() const {
    std::vector<std::string> names;
    if (HuidigRB->isChecked()) {
        if (!current_.isEmpty()) names.push_back(current_.toStdString());
    } else if (AllesRB->isChecked()) {
        names = book_.glazeNames();
    } else {
        // In list order, whatever order they were clicked in.
        for (int row = 0; row < GlazenLB->count(); ++row)
            if (GlazenLB->item(row)->isSelected()) names.push_back(GlazenLB->item(row)->text().toStdString());
    }
    return names;
}

void TExportForm::exportClick() {
    const auto names = chosenNames();
    if (names.empty()) {
        prompter_.message(tr("Kies eerst een of meer glazuren.").toStdString());
        return;
    }
    const QString file = FileEdit->text().trimmed();
    if (file.isEmpty()) {
        prompter_.message(tr("Kies eerst een bestand.").toStdString());
        return;
    }
    const auto format = exportFormatByName(FormaatCB->currentData().toString().toStdString());
    if (!format) return;
    std::vector<Glaze> glazes;
    for (const auto& name : names) {
        auto glaze = book_.findGlaze(name);
        if (!glaze) {
            prompter_.message(
                tr("Glazuur '%1' bestaat niet meer.").arg(QString::fromStdString(name)).toStdString());
            return;
        }
        glazes.push_back(std::move(*glaze));
    }
    const auto written =
        writeExport(file.toStdString(), ExportSet::of(std::move(glazes), book_.materials()), *format);
    QStringList paths;
    for (const auto& path : written)
        paths << QString::fromStdString(path);
    const QString where = paths.join(tr(" en "));
    prompter_.information((names.size() == 1
                               ? tr("1 glazuur geëxporteerd naar %1").arg(where)
                               : tr("%1 glazuren geëxporteerd naar %2").arg(names.size()).arg(where))
                              .toStdString());
    accept();
}

} // namespace kelvora
