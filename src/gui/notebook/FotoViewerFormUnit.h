// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "notebook/Foto.h"

#include <QDialog>
#include <QImage>

#include <vector>

class QLabel;
class QPushButton;

namespace kelvora {

class Notebook;

// The photo viewer: one photo of a test as large as the window allows
// (keeping its shape), with its title, cone, atmosphere, test and firing;
// "Vorige" and "Volgende" (and the Left and Right keys) go through the
// photos of the test. A photo whose file is missing shows the path where it
// was expected.
class TFotoViewerForm : public QDialog {
    Q_OBJECT
public:
    explicit TFotoViewerForm(const Notebook& notebook, QWidget* parent = nullptr);

    // Shows the photos of a test as the notebook holds them now, from the
    // one at `index` (counted from 0; kept inside the list).
    void showPhotos(const QString& testCode, int index);
    // The photo shown, counted from 0; -1 when the test has none.
    int current() const { return current_; }

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void retranslate();
    void step(int by);
    void showCurrent();
    void scaleImage();

    const Notebook& notebook_;
    QString test_;
    std::vector<Foto> photos_;
    int current_ = -1;
    QImage image_; // the photo as read, null when there is none to show
    QString placeholder_;
    // The controls; tests find them by their object names.
    QLabel* FotoLabel = nullptr;
    QLabel* TitelCaption = nullptr;
    QLabel* TitelLabel = nullptr;
    QLabel* KegelCaption = nullptr;
    QLabel* KegelLabel = nullptr;
    QLabel* AtmosfeerCaption = nullptr;
    QLabel* AtmosfeerLabel = nullptr;
    QLabel* ProefCaption = nullptr;
    QLabel* ProefLabel = nullptr;
    QLabel* StookCaption = nullptr;
    QLabel* StookLabel = nullptr;
    QLabel* PositieLabel = nullptr;
    QPushButton* VorigeButton = nullptr;
    QPushButton* VolgendeButton = nullptr;
    QPushButton* SluitenButton = nullptr;
};

} // namespace kelvora
