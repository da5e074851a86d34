// SPDX-License-Identifier: GPL-3.0-or-later
#include "blend/BlendPlan.h"

#include "common/NumberFormat.h"
#include "common/Translate.h"
#include "engine/Calculate.h"
#include "glaze/ChemistryFigures.h"
#include "glaze/LimitSets.h"
#include "store/GlazeBook.h"

#include <algorithm>
#include <stdexcept>

namespace kelvora {

namespace {

BlendGrid gridFor(const BlendSettings& s) {
    try {
        switch (s.kind) {
        case BlendKind::Line:
            return BlendGrid::line(s.cells, s.low, s.high);
        case BlendKind::Triaxial:
            return BlendGrid::triaxial(s.cells);
        case BlendKind::Biaxial:
            return BlendGrid::biaxial(s.rows, s.columns);
        case BlendKind::Currie:
            return BlendGrid::currie();
        }
    } catch (const std::invalid_argument& e) {
        throw BlendError(e.what());
    }
    return {};
}

std::string letter(std::size_t corner) {
    return std::string(1, static_cast<char>('A' + corner));
}

std::string padded(std::string text, std::size_t width) {
    // Width in characters, not bytes: names may hold letters beyond ASCII.
    std::size_t chars = 0;
    for (unsigned char c : text)
        chars += (c & 0xC0) != 0x80;
    if (chars < width) text.append(width - chars, ' ');
    return text;
}

} // namespace

BlendPlan BlendPlan::make(const BlendSettings& settings, GlazeBook& book) {
    BlendPlan plan;
    plan.settings = settings;
    plan.grid = gridFor(settings);
    if (settings.corners.size() != static_cast<std::size_t>(plan.grid.corners()))
        throw BlendError(fillIn(translate("Blend", "Deze mengreeks heeft %1 hoekglazuren."),
                                {std::to_string(plan.grid.corners())}));
    if (!(settings.amount > 0.0 && settings.amount <= BlendSettings::maxAmount))
        throw BlendError(
            translate("Blend", "De hoeveelheid per cel moet groter dan 0 en hoogstens 10000 zijn."));
    if (!(settings.margin >= 0.0 && settings.margin <= 1.0))
        throw BlendError(translate("Blend", "De marge ligt tussen 0 en 100 %."));
    const MaterialLookup& lookup = book.catalogue();
    for (const auto& name : settings.corners) {
        const auto glaze = book.findGlaze(name);
        if (!glaze) throw BlendError(fillIn(translate("Blend", "Onbekend glazuur: %1"), {name}));
        plan.corners.push_back(BlendCorner::of(*glaze, lookup));
    }
    for (const BlendCell& cell : plan.grid.cells)
        plan.mixes.push_back(BlendMix::of(plan.corners, cell.weights, lookup));
    plan.amounts = BlendAmounts::of(plan.grid, settings.amount, settings.margin);
    return plan;
}

std::string BlendPlan::cellName(int number) const {
    return settings.name + " \u2013 cel " + std::to_string(number);
}

Glaze BlendPlan::cellGlaze(std::size_t cell, const MaterialLookup& materials) const {
    const BlendMix& mix = mixes.at(cell);
    const BlendCell& where = grid.cells.at(cell);
    if (!mix.tooLarge.empty())
        throw BlendError(
            fillIn(translate("Blend", "Cel %1: %2"), {std::to_string(where.number), mix.tooLarge}));
    Glaze glaze = mix.toGlaze(cellName(where.number));
    applyResult(calculate(glaze.recipe, materials, {}), glaze);
    glaze.omsc = fillIn(translate("Blend", "Mengreeks %1 (%2), cel %3:"),
                        {settings.name, blendKindName(grid.kind), std::to_string(where.number)});
    for (std::size_t c = 0; c < corners.size(); ++c)
        glaze.omsc += std::string(c ? ";" : "") + " " + letter(c) + " " +
                      numfmt::floatText(where.weights[c] * 100.0) + " % " + corners[c].glaze;
    return glaze;
}

std::vector<BlendPlan::Limits> BlendPlan::limitCheck(const LimitSets& limits, const MolarMassTable& masses,
                                                     const MaterialLookup& materials) const {
    std::vector<Limits> states;
    const std::string skva = corners.empty() ? std::string() : corners.front().skva;
    const std::string sktt = corners.empty() ? std::string() : corners.front().sktt;
    for (const BlendMix& mix : mixes) {
        Glaze glaze = mix.toGlaze({});
        glaze.oxides = mix.formula;
        const ChemistryFigures figures = ChemistryFigures::compute(glaze, materials, masses, nullptr);
        const LimitSets::Fit fit = limits.bestFit(skva, sktt, figures);
        states.push_back(!fit.set ? Limits::NoTable : fit.outside.empty() ? Limits::Inside : Limits::Outside);
    }
    return states;
}

std::vector<std::string> BlendPlan::cellText(std::size_t i) const {
    const BlendCell& cell = grid.cells.at(i);
    const BlendMix& mix = mixes.at(i);
    const std::string unit = settings.grams ? "g" : "ml";
    std::vector<std::string> lines{fillIn(translate("Blend", "Cel %1"), {std::to_string(cell.number)})};
    for (std::size_t c = 0; c < corners.size(); ++c)
        lines.push_back("  " + letter(c) + " " +
                        padded(numfmt::formatFixed(cell.weights[c] * 100.0, 1) + " %", 9) + corners[c].glaze);
    lines.push_back(translate("Blend", "Recept"));
    for (const auto& line : mix.base)
        lines.push_back("  " + padded(line.name, 40) + numfmt::formatFixed(line.amount, 2));
    if (!mix.additions.empty()) {
        lines.push_back(translate("Blend", "Toevoegingen"));
        for (const auto& line : mix.additions)
            lines.push_back("+ " + padded(line.name, 40) + numfmt::formatFixed(line.amount, 2));
    }
    if (!mix.tooLarge.empty())
        lines.push_back(fillIn(translate("Blend", "Te groot voor één glazuur: %1"), {mix.tooLarge}));
    lines.push_back(translate("Blend", "Seger formule"));
    for (const Oxide& oxide : OxideCatalogue::all()) {
        const double value = mix.formula[static_cast<std::size_t>(oxide.position - 1)];
        if (value != 0.0)
            lines.push_back("  " + padded(std::string(oxide.label), 8) + numfmt::formatFixed(value, 3));
    }
    const double sio2 = oxideIn(mix.formula, "sio2");
    const double al2o3 = oxideIn(mix.formula, "al2o3");
    if (al2o3 > 0.0) lines.push_back("SiO2:Al2O3 " + numfmt::formatFixed(sio2 / al2o3, 2));
    std::string pour = fillIn(translate("Blend", "Gieten (%1):"), {unit});
    for (std::size_t c = 0; c < corners.size(); ++c)
        pour += " " + letter(c) + " " + numfmt::formatFixed(amounts.perCell[i][c], 1);
    lines.push_back(pour);
    return lines;
}

std::vector<std::string> BlendPlan::sheet() const {
    const std::string unit = settings.grams ? "g" : "ml";
    std::vector<std::string> lines;
    lines.push_back(fillIn(translate("Blend", "Mengreeks %1 (%2, %3 cellen, %4 %5 per cel)"),
                           {settings.name, blendKindName(grid.kind), std::to_string(grid.cells.size()),
                            numfmt::formatFixed(settings.amount, 1), unit}));
    lines.emplace_back();
    for (std::size_t c = 0; c < corners.size(); ++c)
        lines.push_back(
            letter(c) + "  " + padded(corners[c].glaze, 40) +
            fillIn(translate("Blend", "maak %1 %2"), {numfmt::formatFixed(amounts.total[c], 1), unit}));
    lines.push_back(
        fillIn(translate("Blend", "Weeg van elk hoekglazuur evenveel droog af en breng ze op gelijk "
                                  "volume; dan is elke %1 van een hoekglazuur even zwaar en mengt de "
                                  "cel naar volume."),
               {unit}));
    lines.emplace_back();
    // The cells as they lie on the tile: a row of boxes per grid row, each
    // box the cell's number and the amount of every end glaze.
    // A line wraps every five cells, as a strip of tiles would.
    const std::size_t width = 14;
    const bool line = grid.kind == BlendKind::Line;
    const int sheetRows = line ? (static_cast<int>(grid.cells.size()) + 4) / 5 : grid.rows;
    for (int row = 0; row < sheetRows; ++row) {
        std::vector<std::string> box(corners.size() + 1);
        bool any = false;
        for (std::size_t i = 0; i < grid.cells.size(); ++i) {
            const BlendCell& cell = grid.cells[i];
            if ((line ? cell.column / 5 : cell.row) != row) continue;
            any = true;
            box[0] += padded(fillIn(translate("Blend", "cel %1"), {std::to_string(cell.number)}) +
                                 (mixes[i].tooLarge.empty() ? "" : "*"),
                             width);
            for (std::size_t c = 0; c < corners.size(); ++c)
                box[c + 1] += padded(letter(c) + " " + numfmt::formatFixed(amounts.perCell[i][c], 1), width);
        }
        if (!any) continue;
        for (auto& text : box) {
            while (!text.empty() && text.back() == ' ')
                text.pop_back();
            lines.push_back(text);
        }
        lines.emplace_back();
    }
    if (std::any_of(mixes.begin(), mixes.end(), [](const BlendMix& m) { return !m.tooLarge.empty(); }))
        lines.push_back(translate("Blend", "* te veel grondstoffen voor één glazuur"));
    return lines;
}

} // namespace kelvora
