// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/BatchPage.h"

#include "store/RecordMapper.h"

#include "common/NumberFormat.h"
#include "glaze/BatchTableModel.h"
#include "glaze/GlazePreview.h"
#include "glaze/ReportPrinter.h"
#include "glaze/ViewFollower.h"
#include "store/View.h"
#include "widgets/ErrorBox.h"

#include <QDoubleSpinBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace kelvora {

namespace {
QString text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

BatchPage::BatchPage(View& glazes, const View& materials, double batchGrams, QWidget* parent)
    : QWidget(parent), glazes_(glazes), materials_(materials), ownPrinter_(QPrinter::HighResolution) {
    setObjectName(QStringLiteral("BatchTS"));
    ownPrinter_.setDocName(QString::fromLatin1(ReportPrinter::jobTitle));

    auto* sizeLabel = captions_.text(new QLabel(this), QT_TR_NOOP("Batchgrootte (gram)"));
    BatchSizeEdit = new QDoubleSpinBox(this);
    BatchSizeEdit->setObjectName(QStringLiteral("BatchSizeEdit"));
    BatchSizeEdit->setLocale(QLocale());
    BatchSizeEdit->setDecimals(1);
    BatchSizeEdit->setRange(0.1, 1000000);
    BatchSizeEdit->setSingleStep(100);
    captions_.keep(QT_TR_NOOP(" g"), [this](const QString& t) { BatchSizeEdit->setSuffix(t); });
    BatchSizeEdit->setValue(batchGrams > 0 ? batchGrams : 1000);
    sizeLabel->setBuddy(BatchSizeEdit);
    PrintButton = captions_.text(new QPushButton(this), QT_TR_NOOP("Print"));
    PrintButton->setObjectName(QStringLiteral("BatchPrintButton"));

    batchModel_ = new BatchTableModel(this);
    BatchGrid = new QTableView(this);
    BatchGrid->setObjectName(QStringLiteral("BatchGrid"));
    BatchGrid->setModel(batchModel_);
    BatchGrid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    // The number columns as wide as their heading or values need, at any font.
    BatchGrid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    BatchGrid->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    BatchGrid->verticalHeader()->setVisible(false);
    BatchGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PreviewLbl = new QLabel(this);
    PreviewLbl->setObjectName(QStringLiteral("BatchPreviewLbl"));
    PreviewLbl->setWordWrap(true);
    PreviewLbl->setTextFormat(Qt::PlainText);
    PreviewLbl->setStyleSheet(QStringLiteral("color: #c01c28"));
    PreviewLbl->setVisible(false);
    TotaalLbl = new QLabel(this);
    TotaalLbl->setObjectName(QStringLiteral("TotaalLbl"));
    KostprijsLbl = new QLabel(this);
    KostprijsLbl->setObjectName(QStringLiteral("KostprijsLbl"));
    for (QLabel* label : {TotaalLbl, KostprijsLbl}) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }

    auto* top = new QHBoxLayout;
    top->addWidget(sizeLabel);
    top->addWidget(BatchSizeEdit);
    top->addStretch(1);
    top->addWidget(PrintButton);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(TotaalLbl);
    bottom->addStretch(1);
    bottom->addWidget(KostprijsLbl);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(PreviewLbl);
    layout->addWidget(BatchGrid, 1);
    layout->addLayout(bottom);

    connect(BatchSizeEdit, &QDoubleSpinBox::valueChanged, this, [this](double grams) {
        refresh();
        emit batchSizeChanged(grams);
    });
    connect(PrintButton, &QPushButton::clicked, this, [this] { PrintButtonClick(); });
    follower_ = std::make_unique<ViewFollower>(glazes_, [this] { refresh(); });
    refresh();
}

BatchPage::~BatchPage() = default;

void BatchPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        captions_.apply();
        Captions::headingsChanged(batchModel_);
        refresh();
    }
    QWidget::changeEvent(event);
}

double BatchPage::batchSize() const {
    return BatchSizeEdit->value();
}

void BatchPage::setBatchSize(double grams) {
    BatchSizeEdit->setValue(grams);
}

std::vector<std::string> BatchPage::sheet() const {
    const std::string name = glazes_.active() && !glazes_.isEmpty() ? glazes_.asText("naam") : std::string();
    return batch_.sheet(name, batchSize());
}

QString BatchPage::previewNote() const {
    return PreviewLbl->isVisibleTo(this) ? PreviewLbl->text() : QString();
}

void BatchPage::refresh() {
    ui::guard(this, [this] {
        batch_ = {};
        PreviewLbl->setVisible(false);
        if (glazes_.active() && !glazes_.isEmpty()) {
            const GlazePreview preview = GlazePreview::of(GlazeMapper::current(glazes_),
                                                          MaterialLookup(MaterialMapper::all(materials_)));
            if (!preview.calculated) {
                PreviewLbl->setText(tr("Dit recept is zo niet te berekenen: %1").arg(text(preview.fault)));
                PreviewLbl->setVisible(true);
            } else {
                batch_ = BatchWeights::compute(preview.glaze, batchSize());
                if (!preview.storedCurrent) {
                    PreviewLbl->setText(
                        tr("Het recept zoals het nu op het scherm staat, naar 100 % gerekend; "
                           "nog niet berekend en opgeslagen (druk op Bereken)."));
                    PreviewLbl->setVisible(true);
                }
            }
        }
        batchModel_->setBatch(batch_);
        TotaalLbl->setText(tr("Totaal: %1 g").arg(text(numfmt::formatFixed(batch_.total, 1))));
        KostprijsLbl->setText(tr("Kostprijs: %1").arg(text(numfmt::formatFixed(batch_.cost, 2))));
    });
}

void BatchPage::PrintButtonClick() {
    const auto lines = sheet();
    ui::guard(this, [&] {
        // The sheet names the glaze it weighs out, its cones and the date.
        SheetHeading heading;
        if (glazes_.active() && !glazes_.isEmpty())
            heading = SheetHeading::of(tr("Batch"), GlazeMapper::current(glazes_));
        ReportPrinter::printWithDialog(this, *printer_, lines, heading);
    });
}

} // namespace kelvora
