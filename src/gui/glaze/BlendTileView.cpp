// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/BlendTileView.h"

#include <QEvent>

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace kelvora {

namespace {
// A line wraps every this many cells, as a strip of tiles would.
constexpr int kStripWidth = 11;
} // namespace

BlendTileView::BlendTileView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Tegel"));
    setMinimumSize(320, 200);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Tegel met de cellen van de mengreeks"));
}

void BlendTileView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        setAccessibleName(tr("Tegel met de cellen van de mengreeks"));
    QWidget::changeEvent(event);
}

void BlendTileView::setCells(Shape shape, int rows, int columns, std::vector<Cell> cells) {
    shape_ = shape;
    rows_ = std::max(rows, 1);
    columns_ = std::max(columns, 1);
    if (shape_ == Shape::Strip) {
        // Wrapped lines of the strip.
        for (Cell& cell : cells) {
            cell.row = cell.column / kStripWidth;
            cell.column %= kStripWidth;
        }
        rows_ = cells.empty() ? 1 : cells.back().row + 1;
        columns_ = std::min<int>(kStripWidth, static_cast<int>(cells.size()));
    }
    cells_ = std::move(cells);
    if (chosen_ > cellCount()) chosen_ = 0;
    updateGeometry();
    update();
}

void BlendTileView::setChosen(int number) {
    chosen_ = number;
    update();
}

double BlendTileView::cellSize() const {
    const int across = std::max(columns_, 1), down = std::max(rows_, 1);
    return std::max(8.0, std::min((width() - 8.0) / across, (height() - 8.0) / down));
}

QPointF BlendTileView::place(const Cell& cell) const {
    if (shape_ == Shape::Triangle) {
        // Row r holds r+1 cells, centred under the tip.
        return {cell.column + (columns_ - 1 - cell.row) / 2.0, static_cast<double>(cell.row)};
    }
    return {static_cast<double>(cell.column), static_cast<double>(cell.row)};
}

QRect BlendTileView::cellRect(int number) const {
    const double size = cellSize();
    for (const Cell& cell : cells_)
        if (cell.number == number) {
            const QPointF at = place(cell);
            return QRectF(4 + at.x() * size, 4 + at.y() * size, size - 2, size - 2).toRect();
        }
    return {};
}

QSize BlendTileView::sizeHint() const {
    return {std::max(columns_, 1) * 64 + 8, std::max(rows_, 1) * 64 + 8};
}

void BlendTileView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    QFont small = font();
    small.setPointSizeF(std::max(6.0, font().pointSizeF() * 0.85));
    for (const Cell& cell : cells_) {
        const QRect box = cellRect(cell.number);
        painter.setBrush(cell.colour);
        painter.setPen(QPen(cell.number == chosen_ ? palette().highlight().color() : palette().mid().color(),
                            cell.number == chosen_ ? 3 : 1));
        painter.drawRoundedRect(box, 4, 4);
        painter.setPen(palette().text().color());
        painter.setFont(font());
        painter.drawText(box.adjusted(3, 2, -3, -box.height() / 2), Qt::AlignLeft | Qt::AlignTop,
                         QString::number(cell.number) + cell.marker);
        painter.setFont(small);
        painter.drawText(box.adjusted(3, box.height() / 2, -3, -2), Qt::AlignRight | Qt::AlignBottom,
                         cell.ratio);
    }
}

void BlendTileView::mousePressEvent(QMouseEvent* event) {
    for (const Cell& cell : cells_)
        if (cellRect(cell.number).contains(event->position().toPoint())) {
            setChosen(cell.number);
            Q_EMIT cellChosen(cell.number);
            return;
        }
    QWidget::mousePressEvent(event);
}

} // namespace kelvora
