// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace kelvora {

// The four ways potters blend glazes, and the weights of the end (corner)
// glazes in every cell. Pure arithmetic; a cell's weights sum to 1.
enum class BlendKind { Line, Triaxial, Biaxial, Currie };

struct BlendCell {
    int number = 0; // 1, 2, ... as written on the tile
    int row = 0;    // where it lies on the tile, from the top left
    int column = 0;
    std::vector<double> weights; // one per corner, A first
    // Currie's grid: the weights in whole parts out of 24 (A, B, C, D).
    std::vector<int> parts;
};

struct BlendGrid {
    BlendKind kind = BlendKind::Line;
    int rows = 1;
    int columns = 1;
    std::vector<BlendCell> cells;
    int corners() const { return cornersOf(kind); }
    // How many end glazes a kind blends: 2, 3 or 4.
    static int cornersOf(BlendKind kind);

    // A line of `cells` (at least 2) from A to B: cell k (0..n-1) has
    // A = (n-1-k)/(n-1), B = k/(n-1). With a range, B runs from `low` to
    // `high` (fractions 0..1, low < high) instead of 0 to 1, A being the rest.
    static BlendGrid line(int cells, double low = 0.0, double high = 1.0);
    // A triangle with `side` cells per side (at least 2): cell (i, j) with
    // i + j <= side-1 has A = i/(side-1), C = j/(side-1) and B the rest;
    // row i from the top (A's corner), column j.
    static BlendGrid triaxial(int side);
    // A grid of rows x columns (each at least 2) between four corners: with
    // x = column/(columns-1) and y = row/(rows-1), A (top left) (1-x)(1-y),
    // B (top right) x(1-y), C (bottom left) (1-x)y, D (bottom right) xy.
    static BlendGrid biaxial(int rows, int columns);
    // Ian Currie's grid: the biaxial grid of 7 rows by 5 columns, numbered 1
    // to 35 from the top left; its weights times 24 are whole numbers
    // (A = (4-c)(6-r), B = c(6-r), C = (4-c)r, D = cr), mixed as parts of 24.
    static BlendGrid currie();
};

// The smallest and largest sizes a blend may have, so that a grid is
// something a potter can lay on a tile.
namespace BlendLimits {
constexpr int maxLineCells = 41;
constexpr int maxTriaxialSide = 11;
constexpr int maxBiaxialSide = 11;
} // namespace BlendLimits

// "line", "triaxial", "biaxial", "currie"; nothing for another word.
std::optional<BlendKind> blendKindFromName(const std::string& name);
const char* blendKindName(BlendKind kind);

} // namespace kelvora
