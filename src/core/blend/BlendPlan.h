// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "blend/BlendMix.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvora {

class GlazeBook;
class LimitSets;
class MolarMassTable;

// What a potter asks of a blend: the kind, the corner glazes by name, its
// size and range, and how much of each cell to mix. The same settings drive
// the window, the command line and the printed sheet.
struct BlendSettings {
    std::string name; // the series, for stored cells and the sheet
    BlendKind kind = BlendKind::Line;
    std::vector<std::string> corners;
    int cells = 11; // a line's cells, a triangle's cells per side
    int rows = 5, columns = 5;
    double low = 0.0, high = 1.0; // a line's range of B (fractions)
    double amount = 20.0;         // per cell
    bool grams = false;           // amount in g, else ml
    double margin = 0.0;          // 0.1 = 10 % extra of each end glaze

    // The sizes the kind takes by default (11 in a line, 6 a side, 5 x 5).
    static int defaultCells(BlendKind kind) { return kind == BlendKind::Triaxial ? 6 : 11; }
    // The largest amount per cell (a litre, or a kilogram).
    static constexpr double maxAmount = 10000.0;
};

// A blend worked out: the grid, each corner's dry recipe, each cell's mix
// (recipe, formula, whether it fits a glaze) and what to pour.
struct BlendPlan {
    BlendSettings settings;
    BlendGrid grid;
    std::vector<BlendCorner> corners;
    std::vector<BlendMix> mixes; // one per cell
    BlendAmounts amounts;

    // BlendError with a Dutch message for a size or amount out of bounds, a
    // wrong number of corners, an unknown or uncalculable corner glaze.
    static BlendPlan make(const BlendSettings& settings, GlazeBook& book);

    // "<name> – cel N"
    std::string cellName(int number) const;
    // The cell as a calculated glaze in mode P whose description names the
    // series and the corners' weights; BlendError when it does not fit.
    Glaze cellGlaze(std::size_t cell, const MaterialLookup& materials) const;
    // Each cell's place against the limit table its first corner's cones
    // fit best: inside, outside, or no table for those cones.
    enum class Limits { Inside, Outside, NoTable };
    std::vector<Limits> limitCheck(const LimitSets& limits, const MolarMassTable& masses,
                                   const MaterialLookup& materials) const;

    // What the window shows of one cell: its weights, recipe, additions,
    // Seger formula, SiO2:Al2O3 and what to pour of each end glaze.
    std::vector<std::string> cellText(std::size_t cell) const;

    // The printed batch sheet: per end glaze the total to prepare with the
    // volumetric rule, then the cells laid out as on the tile.
    std::vector<std::string> sheet() const;
};

} // namespace kelvora
