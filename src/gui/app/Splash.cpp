// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Splash.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QScreen>

namespace kelvora {

TSplashForm::TSplashForm(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("SplashForm"));
    setFixedSize(305, 314);
    setCursor(Qt::BusyCursor);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(rect());
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    panel->setAutoFillBackground(true);
    QPalette silver = panel->palette();
    silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    silver.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(silver);

    auto* picture = new QLabel(panel);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(2, 2, 301, 255);
    picture->setScaledContents(true);
    picture->setPixmap(QPixmap(QStringLiteral(":/images/splash.png")));

    auto* title = new QLabel(tr("Kelvora - Glazuurberekening"), panel);
    title->setObjectName(QStringLiteral("Label1"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    font.setBold(true);
    font.setItalic(true);
    font.setUnderline(true);
    title->setFont(font);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(2, 262, 301, 22);

    auto* starting = new QLabel(tr("Opstarten..."), panel);
    starting->setObjectName(QStringLiteral("Label2"));
    starting->setAlignment(Qt::AlignCenter);
    starting->setGeometry(2, 290, 301, 18);

    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        QRect frame = geometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TSplashForm::showAndPaint() {
    show();
    repaint();
    QApplication::processEvents();
}

} // namespace kelvora
