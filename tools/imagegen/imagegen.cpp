// SPDX-License-Identifier: GPL-3.0-or-later
// Draws Kelvora's pictures: the splash picture (a glazed pot with a row of test
// tiles), the monochrome logo, the program icon and the help viewer's close
// button. Run it through the "images" build target; the PNGs it writes into
// src/app/images are committed and compiled in as Qt resources.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>

namespace {

// The outline of a round-bellied pot standing on y = base, centred on cx.
QPainterPath potOutline(double cx, double base, double scale) {
    auto pt = [&](double x, double y) { return QPointF(cx + x * scale, base - y * scale); };
    QPainterPath path;
    path.moveTo(pt(-22, 0));
    path.cubicTo(pt(-60, 20), pt(-78, 80), pt(-46, 122));
    path.cubicTo(pt(-34, 136), pt(-26, 140), pt(-24, 150));
    path.lineTo(pt(-30, 156));
    path.lineTo(pt(30, 156));
    path.lineTo(pt(24, 150));
    path.cubicTo(pt(26, 140), pt(34, 136), pt(46, 122));
    path.cubicTo(pt(78, 80), pt(60, 20), pt(22, 0));
    path.closeSubpath();
    return path;
}

// Where the glaze stops: a wavy line with runs, above the unglazed foot.
QPainterPath glazeEdge(double cx, double base, double scale) {
    auto pt = [&](double x, double y) { return QPointF(cx + x * scale, base - y * scale); };
    QPainterPath path;
    path.moveTo(pt(-90, 200));
    path.lineTo(pt(-90, 34));
    const double xs[] = {-60, -44, -36, -22, -10, 4, 14, 28, 40, 52, 64};
    const double ys[] = {38, 30, 20, 32, 24, 36, 18, 30, 34, 26, 36};
    for (int i = 0; i < 11; ++i)
        path.lineTo(pt(xs[i], ys[i]));
    path.lineTo(pt(90, 36));
    path.lineTo(pt(90, 200));
    path.closeSubpath();
    return path;
}

QImage splashPicture() {
    QImage image(298, 249, QImage::Format_ARGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Kiln-warm wall and a wooden shelf.
    QLinearGradient wall(0, 0, 0, 249);
    wall.setColorAt(0, QColor(58, 40, 34));
    wall.setColorAt(0.7, QColor(120, 74, 48));
    wall.setColorAt(1, QColor(150, 96, 60));
    p.fillRect(image.rect(), wall);
    QRadialGradient glow(200, 70, 160);
    glow.setColorAt(0, QColor(255, 190, 110, 150));
    glow.setColorAt(1, QColor(255, 190, 110, 0));
    p.fillRect(image.rect(), glow);
    p.fillRect(QRectF(0, 200, 298, 49), QColor(92, 62, 40));
    p.fillRect(QRectF(0, 200, 298, 5), QColor(160, 120, 80));

    // The pot: unglazed stoneware foot, celadon glaze running down.
    const double cx = 110, base = 202, scale = 1.05;
    QPainterPath pot = potOutline(cx, base, scale);
    QLinearGradient clay(cx - 80, 0, cx + 80, 0);
    clay.setColorAt(0, QColor(150, 110, 80));
    clay.setColorAt(0.5, QColor(205, 170, 130));
    clay.setColorAt(1, QColor(120, 86, 60));
    p.fillPath(pot, clay);
    p.save();
    p.setClipPath(pot);
    QLinearGradient glaze(cx - 80, 0, cx + 80, 0);
    glaze.setColorAt(0, QColor(40, 92, 88));
    glaze.setColorAt(0.35, QColor(118, 178, 160));
    glaze.setColorAt(0.55, QColor(160, 210, 190));
    glaze.setColorAt(1, QColor(30, 70, 70));
    p.fillPath(glazeEdge(cx, base, scale), glaze);
    // Highlight of the glassy surface.
    QRadialGradient shine(cx - 28, base - 105, 40);
    shine.setColorAt(0, QColor(255, 255, 255, 170));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(cx - 90, base - 170, 180, 170), shine);
    // Iron speckles.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 30, 150));
    const int speckles[][2] = {{-30, 70}, {18, 96}, {40, 60}, {-12, 120}, {-48, 90}, {8, 50}, {30, 130}};
    for (const auto& s : speckles)
        p.drawEllipse(QPointF(cx + s[0] * scale, base - s[1] * scale), 1.3, 1.3);
    p.restore();
    p.setPen(QPen(QColor(40, 28, 22, 160), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pot);

    // Test tiles leaning against the wall, each with a different glaze.
    const QColor tiles[] = {QColor(32, 64, 150), QColor(170, 40, 30), QColor(230, 220, 190),
                            QColor(70, 40, 28)};
    for (int i = 0; i < 4; ++i) {
        const double x = 196 + (i % 2) * 46, y = i < 2 ? 98 : 150;
        QRectF tile(x, y, 38, 48);
        p.setPen(QPen(QColor(60, 40, 30), 1));
        p.setBrush(QColor(205, 175, 140));
        p.drawRoundedRect(tile, 3, 3);
        QPainterPath dip;
        dip.moveTo(x, y);
        dip.lineTo(x + 38, y);
        dip.lineTo(x + 38, y + 30);
        dip.cubicTo(QPointF(x + 28, y + 36), QPointF(x + 14, y + 27), QPointF(x, y + 33));
        dip.closeSubpath();
        QLinearGradient g(x, y, x + 38, y + 30);
        g.setColorAt(0, tiles[i].lighter(140));
        g.setColorAt(1, tiles[i]);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(dip);
        p.setBrush(QColor(255, 255, 255, 90));
        p.drawEllipse(QPointF(x + 11, y + 9), 5, 3);
    }
    return image;
}

QImage logo() {
    QImage image(150, 125, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(20, 20, 20);
    QPainterPath pot = potOutline(75, 92, 0.5);
    p.setPen(QPen(ink, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pot);
    p.save();
    p.setClipPath(pot);
    p.fillPath(glazeEdge(75, 92, 0.5), ink);
    p.restore();
    p.setPen(QPen(ink, 2));
    p.drawLine(QPointF(22, 93), QPointF(128, 93));
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(22);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRectF(0, 96, 150, 28), Qt::AlignCenter, QStringLiteral("KELVORA"));
    return image;
}

QImage icon() {
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath pot = potOutline(32, 62, 0.38);
    p.fillPath(pot, QColor(200, 165, 125));
    p.save();
    p.setClipPath(pot);
    QLinearGradient glaze(0, 0, 64, 0);
    glaze.setColorAt(0, QColor(30, 80, 78));
    glaze.setColorAt(0.45, QColor(150, 205, 185));
    glaze.setColorAt(1, QColor(25, 65, 65));
    p.fillPath(glazeEdge(32, 62, 0.38), glaze);
    p.restore();
    p.setPen(QPen(QColor(40, 28, 22), 1.5));
    p.drawPath(pot);
    return image;
}

// A small door with an arrow leaving it: "close the help".
QImage closeButton() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 60, 30), 1));
    p.setBrush(QColor(180, 130, 70));
    p.drawRect(QRectF(2.5, 1.5, 7, 13));
    p.setBrush(QColor(90, 60, 30));
    p.drawEllipse(QPointF(8, 8.5), 0.8, 0.8);
    p.setPen(QPen(QColor(170, 30, 30), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(9, 8), QPointF(15, 8));
    p.drawPolyline(QPolygonF({QPointF(12.5, 5.5), QPointF(15, 8), QPointF(12.5, 10.5)}));
    return image;
}

bool save(const QImage& image, const QDir& dir, const char* name) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kelvora_imagegen <folder>\n");
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    bool ok = save(splashPicture(), dir, "splash.png");
    ok = save(logo(), dir, "logo.png") && ok;
    ok = save(icon(), dir, "kelvora.png") && ok;
    ok = save(closeButton(), dir, "helpclose.png") && ok;
    return ok ? 0 : 1;
}
