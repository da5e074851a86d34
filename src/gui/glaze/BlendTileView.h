// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QString>
#include <QWidget>

#include <vector>

namespace kelvora {

// The cells of a blend as they lie on the test tile: a strip for a line, a
// triangle for a triaxial, a grid for a biaxial or Currie's grid. Each cell
// shows its number and SiO2:Al2O3 on the colour of its limit check; a click
// chooses it.
class BlendTileView : public QWidget {
    Q_OBJECT
public:
    struct Cell {
        int number = 0;
        int row = 0;
        int column = 0;
        QString ratio;  // SiO2:Al2O3, "-" without Al2O3
        QColor colour;  // of the limit check
        QString marker; // "*" for a cell too large for a glaze
    };
    enum class Shape { Strip, Triangle, Grid };

    explicit BlendTileView(QWidget* parent = nullptr);
    void setCells(Shape shape, int rows, int columns, std::vector<Cell> cells);
    void setChosen(int number);
    int chosen() const { return chosen_; }
    int cellCount() const { return static_cast<int>(cells_.size()); }
    // Where a cell is drawn now (tests click there); empty for no such cell.
    QRect cellRect(int number) const;
    QSize sizeHint() const override;

signals:
    void cellChosen(int number);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Cell (row, column) in units of one cell, from the top left.
    QPointF place(const Cell& cell) const;
    double cellSize() const;

    Shape shape_ = Shape::Strip;
    int rows_ = 1;
    int columns_ = 1;
    std::vector<Cell> cells_;
    int chosen_ = 0;
};

} // namespace kelvora
