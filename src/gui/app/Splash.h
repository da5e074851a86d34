// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QWidget>

namespace kelvora {

// The picture shown while the program creates its windows. It has no border,
// sits in the middle of the screen and never becomes the main window.
class TSplashForm : public QWidget {
    Q_OBJECT
public:
    explicit TSplashForm(QWidget* parent = nullptr);
    // Shows the splash and paints it at once, before the long creation step.
    void showAndPaint();
};

} // namespace kelvora
