// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/FotoViewerFormUnit.h"

#include "store/Notebook.h"
#include "widgets/ScreenFit.h"

#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeySequence>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace kelvora {

namespace {
QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

QLabel* valueLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(true);
    return label;
}
} // namespace

TFotoViewerForm::TFotoViewerForm(const Notebook& notebook, QWidget* parent)
    : QDialog(parent), notebook_(notebook) {
    setObjectName(QStringLiteral("FotoViewerForm"));

    FotoLabel = new QLabel(this);
    FotoLabel->setObjectName(QStringLiteral("FotoLabel"));
    FotoLabel->setAlignment(Qt::AlignCenter);
    FotoLabel->setWordWrap(true);
    FotoLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The photo follows the window's size; the label never asks for the
    // photo's own size.
    FotoLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    FotoLabel->setMinimumSize(240, 180);

    TitelCaption = new QLabel(this);
    TitelLabel = valueLabel("TitelLabel", this);
    KegelCaption = new QLabel(this);
    KegelLabel = valueLabel("KegelLabel", this);
    AtmosfeerCaption = new QLabel(this);
    AtmosfeerLabel = valueLabel("AtmosfeerLabel", this);
    ProefCaption = new QLabel(this);
    ProefLabel = valueLabel("ProefLabel", this);
    StookCaption = new QLabel(this);
    StookLabel = valueLabel("StookLabel", this);
    auto* details = new QFormLayout;
    details->addRow(TitelCaption, TitelLabel);
    details->addRow(KegelCaption, KegelLabel);
    details->addRow(AtmosfeerCaption, AtmosfeerLabel);
    details->addRow(ProefCaption, ProefLabel);
    details->addRow(StookCaption, StookLabel);

    PositieLabel = new QLabel(this);
    PositieLabel->setObjectName(QStringLiteral("PositieLabel"));
    VorigeButton = new QPushButton(this);
    VorigeButton->setObjectName(QStringLiteral("VorigeButton"));
    VolgendeButton = new QPushButton(this);
    VolgendeButton->setObjectName(QStringLiteral("VolgendeButton"));
    SluitenButton = new QPushButton(this);
    SluitenButton->setObjectName(QStringLiteral("SluitenButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(PositieLabel);
    buttons->addStretch(1);
    buttons->addWidget(VorigeButton);
    buttons->addWidget(VolgendeButton);
    buttons->addWidget(SluitenButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FotoLabel, 1);
    layout->addLayout(details);
    layout->addLayout(buttons);
    resize(720, 640);

    connect(VorigeButton, &QPushButton::clicked, this, [this] { step(-1); });
    connect(VolgendeButton, &QPushButton::clicked, this, [this] { step(+1); });
    connect(SluitenButton, &QPushButton::clicked, this, &QDialog::accept);
    // The arrow keys page through the photos wherever the focus is; a
    // button would otherwise take them to move the focus.
    auto* previous = new QShortcut(QKeySequence(Qt::Key_Left), this);
    connect(previous, &QShortcut::activated, this, [this] { step(-1); });
    auto* next = new QShortcut(QKeySequence(Qt::Key_Right), this);
    connect(next, &QShortcut::activated, this, [this] { step(+1); });

    retranslate();
    showCurrent();
}

void TFotoViewerForm::retranslate() {
    setWindowTitle(tr("Foto"));
    TitelCaption->setText(tr("Titel:"));
    KegelCaption->setText(tr("Kegel:"));
    AtmosfeerCaption->setText(tr("Atmosfeer:"));
    ProefCaption->setText(tr("Proef:"));
    StookCaption->setText(tr("Stook:"));
    VorigeButton->setText(tr("Vorige"));
    VolgendeButton->setText(tr("Volgende"));
    SluitenButton->setText(tr("Sluiten"));
    VorigeButton->setToolTip(tr("Vorige foto (pijl links)"));
    VolgendeButton->setToolTip(tr("Volgende foto (pijl rechts)"));
    FotoLabel->setAccessibleName(tr("Foto"));
    TitelLabel->setAccessibleName(tr("Titel"));
    KegelLabel->setAccessibleName(tr("Kegel"));
    AtmosfeerLabel->setAccessibleName(tr("Atmosfeer"));
    ProefLabel->setAccessibleName(tr("Proef"));
    StookLabel->setAccessibleName(tr("Stook"));
    PositieLabel->setAccessibleName(tr("Welke foto"));
    // The texts built from the photo are in the language too.
    showCurrent();
}

void TFotoViewerForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(event);
}

void TFotoViewerForm::showPhotos(const QString& testCode, int index) {
    test_ = testCode;
    photos_.clear();
    for (const Foto* photo : notebook_.data().photosOf(testCode.toStdString()))
        photos_.push_back(*photo);
    current_ = photos_.empty() ? -1 : std::clamp(index, 0, static_cast<int>(photos_.size()) - 1);
    showCurrent();
    show();
    raise();
    activateWindow();
}

void TFotoViewerForm::step(int by) {
    if (photos_.empty()) return;
    const int next = std::clamp(current_ + by, 0, static_cast<int>(photos_.size()) - 1);
    if (next == current_) return;
    current_ = next;
    showCurrent();
}

void TFotoViewerForm::showCurrent() {
    image_ = QImage();
    placeholder_.clear();
    const bool any = current_ >= 0 && current_ < static_cast<int>(photos_.size());
    VorigeButton->setEnabled(any && current_ > 0);
    VolgendeButton->setEnabled(any && current_ + 1 < static_cast<int>(photos_.size()));
    if (!any) {
        placeholder_ = test_.isEmpty() ? QString() : tr("Proef %1 heeft geen foto's.").arg(test_);
        for (QLabel* value : {TitelLabel, KegelLabel, AtmosfeerLabel, StookLabel})
            value->clear();
        ProefLabel->setText(test_);
        PositieLabel->clear();
        scaleImage();
        return;
    }
    const Foto& photo = photos_[static_cast<std::size_t>(current_)];
    const QString path = qs(notebook_.photoPath(photo));
    QImageReader reader(path);
    // Photos from a phone stand as they were taken.
    reader.setAutoTransform(true);
    image_ = reader.read();
    if (image_.isNull())
        placeholder_ = QFileInfo::exists(path) ? tr("Deze foto is niet te lezen:\n%1").arg(path)
                                               : tr("Foto ontbreekt. Verwacht op:\n%1").arg(path);
    TitelLabel->setText(qs(photo.title));
    KegelLabel->setText(qs(photo.cone));
    AtmosfeerLabel->setText(photo.atmosphere ? QString::fromUtf8(Choices<Atmosphere>::text(*photo.atmosphere))
                                             : QString());
    ProefLabel->setText(qs(photo.test));
    StookLabel->setText(qs(photo.firing));
    PositieLabel->setText(tr("Foto %1 van %2").arg(current_ + 1).arg(photos_.size()));
    scaleImage();
}

void TFotoViewerForm::scaleImage() {
    if (image_.isNull()) {
        FotoLabel->setPixmap(QPixmap());
        FotoLabel->setText(placeholder_);
        return;
    }
    const QSize room = FotoLabel->contentsRect().size();
    if (room.isEmpty()) {
        FotoLabel->clear();
        return;
    }
    const qreal ratio = devicePixelRatioF();
    QPixmap shown =
        QPixmap::fromImage(image_.scaled(room * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    shown.setDevicePixelRatio(ratio);
    FotoLabel->setPixmap(shown);
}

void TFotoViewerForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    scaleImage();
}

void TFotoViewerForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ui::fitToScreen(this);
    scaleImage();
}

} // namespace kelvora
