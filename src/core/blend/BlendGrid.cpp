// SPDX-License-Identifier: GPL-3.0-or-later
#include "blend/BlendGrid.h"

#include "common/Translate.h"
#include <stdexcept>

namespace kelvora {

namespace {
void require(bool ok, const std::string& message) {
    if (!ok) throw std::invalid_argument(message);
}
} // namespace

int BlendGrid::cornersOf(BlendKind kind) {
    switch (kind) {
    case BlendKind::Line:
        return 2;
    case BlendKind::Triaxial:
        return 3;
    default:
        return 4;
    }
}

BlendGrid BlendGrid::line(int cells, double low, double high) {
    require(cells >= 2 && cells <= BlendLimits::maxLineCells,
            fillIn(translate("Blend", "Een lijn heeft 2 tot %1 cellen."),
                   {std::to_string(BlendLimits::maxLineCells)}));
    require(low >= 0.0 && high <= 1.0 && low < high,
            translate("Blend", "Het bereik moet binnen 0..100 % liggen, van laag naar hoog."));
    BlendGrid grid;
    grid.kind = BlendKind::Line;
    grid.columns = cells;
    for (int k = 0; k < cells; ++k) {
        const double b = low + (high - low) * k / (cells - 1);
        grid.cells.push_back({k + 1, 0, k, {1.0 - b, b}, {}});
    }
    return grid;
}

BlendGrid BlendGrid::triaxial(int side) {
    require(side >= 2 && side <= BlendLimits::maxTriaxialSide,
            fillIn(translate("Blend", "Een driehoek heeft 2 tot %1 cellen per zijde."),
                   {std::to_string(BlendLimits::maxTriaxialSide)}));
    BlendGrid grid;
    grid.kind = BlendKind::Triaxial;
    grid.rows = grid.columns = side;
    const double steps = side - 1;
    int number = 0;
    // Row i holds the cells with A = (side-1-i)/(side-1) from the top: A's
    // corner is the tip, B and C the two ends of the bottom row.
    for (int i = 0; i < side; ++i)
        for (int j = 0; j <= i; ++j) {
            const int a = side - 1 - i;
            const int c = j;
            const int b = side - 1 - a - c;
            grid.cells.push_back({++number, i, j, {a / steps, b / steps, c / steps}, {}});
        }
    return grid;
}

BlendGrid BlendGrid::biaxial(int rows, int columns) {
    require(rows >= 2 && columns >= 2 && rows <= BlendLimits::maxBiaxialSide &&
                columns <= BlendLimits::maxBiaxialSide,
            fillIn(translate("Blend", "Een raster heeft 2 tot %1 rijen en kolommen."),
                   {std::to_string(BlendLimits::maxBiaxialSide)}));
    BlendGrid grid;
    grid.kind = BlendKind::Biaxial;
    grid.rows = rows;
    grid.columns = columns;
    int number = 0;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const double x = static_cast<double>(c) / (columns - 1);
            const double y = static_cast<double>(r) / (rows - 1);
            grid.cells.push_back({++number, r, c, {(1 - x) * (1 - y), x * (1 - y), (1 - x) * y, x * y}, {}});
        }
    return grid;
}

BlendGrid BlendGrid::currie() {
    BlendGrid grid = biaxial(7, 5);
    grid.kind = BlendKind::Currie;
    for (BlendCell& cell : grid.cells) {
        const int r = cell.row, c = cell.column;
        cell.parts = {(4 - c) * (6 - r), c * (6 - r), (4 - c) * r, c * r};
        // The weights exactly as the parts give them.
        for (std::size_t i = 0; i < 4; ++i)
            cell.weights[i] = cell.parts[i] / 24.0;
    }
    return grid;
}

std::optional<BlendKind> blendKindFromName(const std::string& name) {
    for (BlendKind kind : {BlendKind::Line, BlendKind::Triaxial, BlendKind::Biaxial, BlendKind::Currie})
        if (name == blendKindName(kind)) return kind;
    return std::nullopt;
}

const char* blendKindName(BlendKind kind) {
    switch (kind) {
    case BlendKind::Line:
        return "line";
    case BlendKind::Triaxial:
        return "triaxial";
    case BlendKind::Biaxial:
        return "biaxial";
    case BlendKind::Currie:
        return "currie";
    }
    return "";
}

} // namespace kelvora
