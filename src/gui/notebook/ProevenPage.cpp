// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/ProevenPage.h"

#include "common/Prompter.h"
#include "model/RecordNames.h"
#include "notebook/CalendarDate.h"
#include "notebook/FotoDialog.h"
#include "notebook/NotebookError.h"
#include "notebook/NotebookLabels.h"
#include "notebook/ProefDialog.h"
#include "notebook/ResultaatDialog.h"
#include "store/Notebook.h"
#include "widgets/ErrorBox.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace kelvora {

namespace {

enum TestColumn { TestCode, TestDate, TestClay, TestFirings, TestRating, TestDefects, TestColumns };
enum ResultColumn {
    ResultFiring,
    ResultDate,
    ResultPlace,
    ResultSurface,
    ResultTransparency,
    ResultColour,
    ResultDefects,
    ResultRating,
    ResultNotes,
    ResultColumns
};

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QTableWidget* table(const char* name, int columns) {
    auto* t = new QTableWidget(0, columns);
    t->setObjectName(QLatin1String(name));
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->verticalHeader()->hide();
    // Columns as wide as their heading and contents at any font.
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setStretchLastSection(true);
    t->setTabKeyNavigation(false);
    t->setWordWrap(false);
    return t;
}

void setCell(QTableWidget* t, int row, int column, const QString& value) {
    auto* item = new QTableWidgetItem(value);
    item->setToolTip(value);
    t->setItem(row, column, item);
}

QString defectsText(const std::vector<Defect>& defects) {
    QStringList words;
    for (Defect d : Choices<Defect>::all())
        if (std::find(defects.begin(), defects.end(), d) != defects.end())
            words << QString::fromUtf8(Choices<Defect>::text(d));
    return words.join(QStringLiteral(", "));
}

QString ratingText(int rating) {
    return rating > 0 ? QString::number(rating) : QString();
}

// What stands in for a photo whose file is missing or cannot be read.
QImage placeholder() {
    QImage image(ThumbnailCache::edge, ThumbnailCache::edge, QImage::Format_ARGB32);
    image.fill(QColor(0xe0, 0xe0, 0xe0));
    QPainter painter(&image);
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 2, Qt::DashLine));
    painter.drawRect(image.rect().adjusted(2, 2, -3, -3));
    painter.drawLine(12, 12, ThumbnailCache::edge - 12, ThumbnailCache::edge - 12);
    painter.drawLine(12, ThumbnailCache::edge - 12, ThumbnailCache::edge - 12, 12);
    return image;
}

// The image types Qt can show and the notebook keeps, for the file dialog.
QStringList photoPatterns() {
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const std::string extension = format.toLower().toStdString();
        try {
            Notebook::imageExtension("x." + extension);
            patterns << QStringLiteral("*.") + text(extension);
        } catch (const NotebookError&) {
            // Qt reads it, but it is no photo the notebook keeps.
        }
    }
    return patterns;
}

} // namespace

ProevenPage::ProevenPage(Prompter& prompter, Notebook& notebook, CurrentGlaze currentGlaze, QWidget* parent)
    : QWidget(parent), prompter_(prompter), notebook_(notebook), currentGlaze_(std::move(currentGlaze)) {
    setObjectName(QStringLiteral("ProevenPage"));
    setAcceptDrops(true);
    chooseFiles_ = [](QWidget* parentWindow, const QString& caption, const QString& filter) {
        return QFileDialog::getOpenFileNames(parentWindow, caption, QString(), filter);
    };

    testsLabel_ = new QLabel;
    tests_ = table("ProevenTabel", TestColumns);
    testsLabel_->setBuddy(tests_);

    newButton_ = new QPushButton;
    newButton_->setObjectName(QStringLiteral("NieuweProefButton"));
    editButton_ = new QPushButton;
    editButton_->setObjectName(QStringLiteral("ProefBewerkenButton"));
    resultButton_ = new QPushButton;
    resultButton_->setObjectName(QStringLiteral("ResultaatButton"));
    photoButton_ = new QPushButton;
    photoButton_->setObjectName(QStringLiteral("FotoToevoegenButton"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {newButton_, editButton_, resultButton_, photoButton_})
        buttons->addWidget(b);
    buttons->addStretch(1);

    resultsLabel_ = new QLabel;
    results_ = table("ResultatenTabel", ResultColumns);
    resultsLabel_->setBuddy(results_);

    photosLabel_ = new QLabel;
    photos_ = new QListWidget;
    photos_->setObjectName(QStringLiteral("FotoLijst"));
    photos_->setViewMode(QListView::IconMode);
    photos_->setMovement(QListView::Static);
    photos_->setFlow(QListView::LeftToRight);
    photos_->setWrapping(false);
    photos_->setResizeMode(QListView::Adjust);
    photos_->setIconSize(QSize(ThumbnailCache::edge, ThumbnailCache::edge));
    photos_->setWordWrap(true);
    photos_->setTextElideMode(Qt::ElideMiddle);
    // The list is no drop target of its own: a drop on it is the page's.
    photos_->setDragDropMode(QAbstractItemView::NoDragDrop);
    photos_->setAcceptDrops(false);
    photos_->setDragEnabled(false);
    photos_->setMinimumHeight(ThumbnailCache::edge + 3 * fontMetrics().height());
    photosLabel_->setBuddy(photos_);
    missing_ = new QLabel;
    missing_->setObjectName(QStringLiteral("OntbrekendLbl"));
    missing_->setTextFormat(Qt::PlainText);
    missing_->setWordWrap(true);
    missing_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    missing_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(testsLabel_);
    layout->addWidget(tests_, 2);
    layout->addLayout(buttons);
    layout->addWidget(resultsLabel_);
    layout->addWidget(results_, 1);
    layout->addWidget(photosLabel_);
    layout->addWidget(photos_);
    layout->addWidget(missing_);

    connect(tests_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { showSelected(); });
    connect(tests_, &QTableWidget::cellDoubleClicked, this, [this] {
        if (!readOnly_) editTest();
    });
    connect(newButton_, &QPushButton::clicked, this, [this] { newTest(); });
    connect(editButton_, &QPushButton::clicked, this, [this] { editTest(); });
    connect(resultButton_, &QPushButton::clicked, this, [this] { editResult(); });
    connect(photoButton_, &QPushButton::clicked, this, [this] { choosePhotos(); });
    connect(photos_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        emit photoOpenRequested(selectedTestCode(), item->data(Qt::UserRole).toInt());
    });

    retranslate();
}

void ProevenPage::retranslate() {
    testsLabel_->setText(tr("&Proeven"));
    tests_->setHorizontalHeaderLabels(
        {tr("Code"), tr("Datum"), tr("Kleisoort"), tr("Stoken"), tr("Beste waardering"), tr("Gebreken")});
    tests_->setAccessibleName(tr("Proeven van dit glazuur"));
    newButton_->setText(tr("&Nieuwe proef"));
    newButton_->setToolTip(tr("Een nieuwe proef met het recept zoals het nu is"));
    editButton_->setText(tr("Proef &bewerken..."));
    resultButton_->setText(tr("&Resultaat..."));
    photoButton_->setText(tr("&Foto toevoegen..."));
    photoButton_->setToolTip(tr("Foto's kunnen ook op deze pagina worden neergezet"));
    resultsLabel_->setText(tr("Res&ultaten per stook"));
    results_->setHorizontalHeaderLabels({tr("Stook"), tr("Datum"), tr("Plaats"), tr("Oppervlak"),
                                         tr("Transparantie"), tr("Kleur"), tr("Gebreken"), tr("Waardering"),
                                         tr("Notities")});
    results_->setAccessibleName(tr("Resultaten van de gekozen proef"));
    photosLabel_->setText(tr("F&oto's"));
    photos_->setAccessibleName(tr("Foto's van de gekozen proef"));
    // The rows hold translated words too.
    showTests(selectedTestCode().toStdString());
}

void ProevenPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void ProevenPage::setGlazeName(const QString& name) {
    glaze_ = name.toStdString();
    showTests({});
}

void ProevenPage::selectTest(const QString& code) {
    showTests(code.toStdString());
}

void ProevenPage::refresh() {
    showTests(selectedTestCode().toStdString());
}

void ProevenPage::setReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    setAcceptDrops(!readOnly);
    updateButtons();
}

void ProevenPage::setFileChooser(FileChooser chooser) {
    chooseFiles_ = std::move(chooser);
}

QString ProevenPage::selectedTestCode() const {
    const int row = tests_->currentRow();
    if (row < 0 || row >= static_cast<int>(shownTests_.size())) return {};
    return text(shownTests_[static_cast<std::size_t>(row)]);
}

void ProevenPage::showTests(const std::string& select) {
    const NotebookData& d = notebook_.data();
    shownTests_.clear();
    {
        const QSignalBlocker blocker(tests_->selectionModel());
        tests_->setRowCount(0);
        if (!glaze_.empty()) {
            for (const Proef& t : d.tests) {
                if (!RecordNames::same(t.glaze, glaze_)) continue;
                const int row = tests_->rowCount();
                tests_->insertRow(row);
                shownTests_.push_back(t.code);
                QStringList firings;
                int best = 0;
                std::vector<Defect> defects;
                for (const TileResult* r : d.resultsOf(t.code)) {
                    const Stook* firing = d.firing(r->firing);
                    firings << (firing ? NotebookLabels::firing(*firing) : text(r->firing));
                    best = std::max(best, r->rating);
                    defects.insert(defects.end(), r->defects.begin(), r->defects.end());
                }
                setCell(tests_, row, TestCode, text(t.code));
                setCell(tests_, row, TestDate, text(t.date));
                setCell(tests_, row, TestClay, text(t.clayBody));
                setCell(tests_, row, TestFirings, firings.join(QStringLiteral("; ")));
                setCell(tests_, row, TestRating, ratingText(best));
                setCell(tests_, row, TestDefects, defectsText(defects));
            }
        }
        int row = 0;
        for (std::size_t i = 0; i < shownTests_.size(); ++i)
            if (shownTests_[i] == select) row = static_cast<int>(i);
        if (!shownTests_.empty()) tests_->setCurrentCell(row, TestCode);
    }
    tests_->resizeColumnsToContents();
    showSelected();
}

void ProevenPage::showSelected() {
    const std::string code = selectedTestCode().toStdString();
    showResults(code);
    showPhotos(code);
    updateButtons();
}

void ProevenPage::showResults(const std::string& code) {
    const NotebookData& d = notebook_.data();
    results_->setRowCount(0);
    if (code.empty()) return;
    for (const TileResult* r : d.resultsOf(code)) {
        const int row = results_->rowCount();
        results_->insertRow(row);
        const Stook* firing = d.firing(r->firing);
        QString defects = defectsText(r->defects);
        if (!r->defectNotes.empty())
            defects =
                defects.isEmpty() ? text(r->defectNotes) : tr("%1 (%2)").arg(defects, text(r->defectNotes));
        setCell(results_, row, ResultFiring, firing ? NotebookLabels::firing(*firing) : text(r->firing));
        setCell(results_, row, ResultDate, firing ? text(firing->date) : QString());
        setCell(results_, row, ResultPlace, text(r->place));
        setCell(results_, row, ResultSurface, text(r->surface));
        setCell(results_, row, ResultTransparency, text(r->transparency));
        setCell(results_, row, ResultColour, text(r->colour));
        setCell(results_, row, ResultDefects, defects);
        setCell(results_, row, ResultRating, ratingText(r->rating));
        setCell(results_, row, ResultNotes, text(r->notes));
    }
    results_->resizeColumnsToContents();
}

void ProevenPage::showPhotos(const std::string& code) {
    photos_->clear();
    QStringList missing;
    int index = 0;
    const std::vector<const Foto*> shown =
        code.empty() ? std::vector<const Foto*>{} : notebook_.data().photosOf(code);
    // Room under each picture for a file name such as "K-2026-014-12.jpeg".
    const int width = std::max(ThumbnailCache::edge + 24,
                               fontMetrics().horizontalAdvance(QStringLiteral("K-2026-014-12.jpeg")) + 16);
    for (const Foto* photo : shown) {
        const QString path = QDir::toNativeSeparators(text(notebook_.photoPath(*photo)));
        const QImage image = thumbnails_.thumbnail(text(notebook_.photoPath(*photo)));
        const QString file = QFileInfo(text(photo->file)).fileName();
        QString caption = photo->title.empty() ? file : text(photo->title);
        if (!notebook_.photoPresent(*photo)) {
            caption = tr("Ontbreekt: %1").arg(file);
            missing << tr("Foto niet gevonden: %1").arg(path);
        } else if (image.isNull()) {
            caption = tr("Niet te tonen: %1").arg(file);
        }
        QStringList about{caption, path};
        if (!photo->cone.empty()) about << tr("kegel %1").arg(text(photo->cone));
        if (photo->atmosphere) about << QString::fromUtf8(Choices<Atmosphere>::text(*photo->atmosphere));
        if (!photo->firing.empty()) about << tr("stook %1").arg(text(photo->firing));
        auto* item =
            new QListWidgetItem(QIcon(QPixmap::fromImage(image.isNull() ? placeholder() : image)), caption);
        item->setData(Qt::UserRole, index++);
        item->setToolTip(about.join(QLatin1Char('\n')));
        item->setData(Qt::AccessibleTextRole, about.join(QStringLiteral(", ")));
        item->setSizeHint(QSize(width, ThumbnailCache::edge + 3 * fontMetrics().height()));
        photos_->addItem(item);
    }
    missing_->setText(missing.join(QLatin1Char('\n')));
    missing_->setVisible(!missing.isEmpty());
}

void ProevenPage::updateButtons() {
    const bool selected = !selectedTestCode().isEmpty();
    newButton_->setEnabled(!readOnly_);
    editButton_->setEnabled(!readOnly_ && selected);
    resultButton_->setEnabled(!readOnly_ && selected);
    photoButton_->setEnabled(!readOnly_ && selected);
}

template <class Change> void ProevenPage::change(const std::string& select, Change&& action) {
    ui::guard(this, [&] {
        try {
            action();
        } catch (const std::exception& e) {
            prompter_.message(e.what());
        }
    });
    // Also after a failure: a change whose journal stands is in the notebook.
    showTests(select);
    emit notebookChanged();
}

void ProevenPage::newTest() {
    if (readOnly_) return;
    std::optional<Glaze> glaze;
    ui::guard(this, [&] { glaze = currentGlaze_ ? currentGlaze_() : std::nullopt; });
    if (!glaze || Recipe::isBlank(glaze->naam)) {
        prompter_.message(tr("Er is geen glazuur om een proef van te maken.").toStdString());
        return;
    }
    if (glaze->recipe.materialNames().empty()) {
        prompter_.message(
            tr("Het recept van %1 is leeg; er is geen proef gemaakt.").arg(text(glaze->naam)).toStdString());
        return;
    }
    const CalendarDate today = CalendarDate::today();
    const Proef test = Proef::mixedFrom(*glaze, notebook_.suggestTestCode(today.year), today.text());
    // The page shows the glaze the editor shows, and the new test in it.
    glaze_ = glaze->naam;
    change(test.code, [&] { notebook_.addTest(test); });
}

void ProevenPage::editTest() {
    const std::string code = selectedTestCode().toStdString();
    const Proef* test = notebook_.data().test(code);
    if (readOnly_ || !test) return;
    ProefDialog dialog(prompter_, *test, this);
    if (dialog.exec() != QDialog::Accepted) return;
    change(code, [&] { notebook_.updateTest(dialog.test()); });
}

void ProevenPage::editResult() {
    const std::string code = selectedTestCode().toStdString();
    if (readOnly_ || code.empty()) return;
    if (notebook_.data().firings.empty()) {
        prompter_.message(
            tr("Er is nog geen stook vastgelegd. Leg eerst de stook vast (Bestand › Stoken).").toStdString());
        return;
    }
    ResultaatDialog dialog(prompter_, notebook_.data(), code, this);
    if (dialog.exec() != QDialog::Accepted) return;
    change(code, [&] { notebook_.setResult(dialog.result()); });
}

void ProevenPage::choosePhotos() {
    if (readOnly_ || selectedTestCode().isEmpty()) return;
    const QStringList patterns = photoPatterns();
    QString filter = tr("Alle bestanden (*)");
    if (!patterns.isEmpty())
        filter = tr("Foto's (%1)").arg(patterns.join(QLatin1Char(' '))) + QStringLiteral(";;") + filter;
    const QStringList files = chooseFiles_ ? chooseFiles_(this, tr("Foto toevoegen"), filter) : QStringList();
    if (!files.isEmpty()) addPhotos(files, true);
}

void ProevenPage::addPhotos(const QStringList& files, bool ask) {
    const std::string code = selectedTestCode().toStdString();
    if (readOnly_) return;
    if (code.empty()) {
        prompter_.message(tr("Kies eerst de proef waar de foto's bij horen.").toStdString());
        return;
    }
    QStringList kept;
    QStringList refused;
    for (const QString& file : files) {
        try {
            Notebook::imageExtension(file.toStdString());
            kept << file;
        } catch (const NotebookError& e) {
            refused << text(e.what());
        }
    }
    if (!refused.isEmpty()) prompter_.message(refused.join(QLatin1Char('\n')).toStdString());
    if (kept.isEmpty()) return;

    Foto details;
    details.test = code;
    if (ask) {
        FotoDialog dialog(notebook_.data(), code, kept, this);
        if (dialog.exec() != QDialog::Accepted) return;
        details = dialog.photo();
    }
    // Each photo is its own change: those copied before a failure stay.
    change(code, [&] {
        for (const QString& file : kept)
            notebook_.addPhoto({file.toStdString(), details});
    });
}

bool ProevenPage::accepts(const QMimeData* mime) const {
    if (readOnly_ || !mime || !mime->hasUrls()) return false;
    const QList<QUrl> urls = mime->urls();
    return std::any_of(urls.begin(), urls.end(), [](const QUrl& u) { return u.isLocalFile(); });
}

void ProevenPage::dragEnterEvent(QDragEnterEvent* event) {
    if (accepts(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ProevenPage::dragMoveEvent(QDragMoveEvent* event) {
    if (accepts(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ProevenPage::dropEvent(QDropEvent* event) {
    if (!accepts(event->mimeData())) {
        event->ignore();
        return;
    }
    QStringList files;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) files << url.toLocalFile();
    event->acceptProposedAction();
    // After the drop is over: a message must not hold up the program the files came from.
    QMetaObject::invokeMethod(
        this, [this, files] { addPhotos(files, false); }, Qt::QueuedConnection);
}

} // namespace kelvora
