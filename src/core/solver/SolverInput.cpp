// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/SolverInput.h"

#include "common/NumberFormat.h"
#include "common/Translate.h"
#include "model/OxideCatalogue.h"
#include "solver/LinearProgram.h"

#include <cmath>
#include <cstdio>

namespace kelvora::SolverInput {

namespace {

std::vector<std::string> splitList(std::string_view list) {
    std::vector<std::string> items(1);
    for (char c : list) {
        if (c == ',')
            items.emplace_back();
        else
            items.back() += c;
    }
    return items;
}

// "k2o=0.3,cao=0.7": a comma that starts no "stem=" belongs to a number
// written with a decimal comma ("k2o=0,3,cao=0,7").
std::vector<std::pair<std::string, std::string>> splitAssignments(std::string_view list) {
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const auto& piece : splitList(list)) {
        const auto eq = piece.find('=');
        if (eq == std::string::npos) {
            if (pairs.empty())
                throw SolverSyntaxError(fillIn(translate("Solver", "Geen oxide vóór %1"), {piece}));
            pairs.back().second += "," + piece;
        } else {
            pairs.emplace_back(piece.substr(0, eq), piece.substr(eq + 1));
        }
    }
    return pairs;
}

double required(const std::string& text) {
    const auto value = number(text);
    if (!value) throw SolverSyntaxError(fillIn(translate("Solver", "Geen getal: %1"), {text}));
    return *value;
}

std::size_t oxideIndex(const std::string& stem) {
    const Oxide* oxide = OxideCatalogue::byStem(stem);
    if (!oxide) throw SolverError(fillIn(translate("Solver", "Onbekend oxide: %1"), {stem}));
    return static_cast<std::size_t>(oxide->position - 1);
}

// Short enough for a message whatever the value: 1e+101, not 101 digits.
std::string shown(double value) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", value);
    return buf;
}

bool within(double value, double low, double high) {
    return std::isfinite(value) && value >= low && value <= high;
}

[[noreturn]] void outside(const std::string& what, double value, double low, double high) {
    throw SolverError(fillIn(translate("Solver", "%1: %2 ligt niet tussen %3 en %4."),
                             {what, shown(value), shown(low), shown(high)}));
}

} // namespace

std::optional<double> number(std::string_view text) {
    std::string local(text);
    for (char& c : local)
        if (c == '.' || c == ',') c = numfmt::decimalSeparator();
    const auto value = numfmt::parseFloat(local);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

OxideValues target(std::string_view list) {
    OxideValues values{};
    for (const auto& [stem, value] : splitAssignments(list))
        values[oxideIndex(stem)] = required(value);
    return values;
}

std::vector<OxideRange> ranges(std::string_view list) {
    std::vector<OxideRange> out;
    for (const auto& [stem, value] : splitAssignments(list)) {
        const auto dots = value.find("..");
        if (dots == std::string::npos)
            throw SolverSyntaxError(fillIn(translate("Solver", "Geen bereik: %1"), {value}));
        OxideRange range;
        range.stem = stem;
        const auto colon = stem.find(':');
        if (colon == std::string::npos) {
            oxideIndex(stem);
        } else {
            oxideIndex(stem.substr(0, colon));
            oxideIndex(stem.substr(colon + 1));
        }
        range.low = required(value.substr(0, dots));
        const std::string high = value.substr(dots + 2);
        range.high = high.empty() ? LinearProgram::infinity : required(high);
        out.push_back(range);
    }
    return out;
}

std::vector<std::string> names(std::string_view list) {
    auto out = splitList(list);
    for (const auto& name : out)
        if (name.empty())
            throw SolverSyntaxError(translate("Solver", "Lege naam in de lijst van grondstoffen"));
    return out;
}

void checkTarget(const OxideValues& target, const OxideValues& weights) {
    for (const auto& oxide : OxideCatalogue::all()) {
        const auto k = static_cast<std::size_t>(oxide.position - 1);
        if (!within(target[k], 0.0, maxSeger))
            outside(fillIn(translate("Solver", "Doel %1"), {oxide.label}), target[k], 0.0, maxSeger);
        if (!within(weights[k], 0.0, maxWeight))
            outside(fillIn(translate("Solver", "Gewicht %1"), {oxide.label}), weights[k], 0.0, maxWeight);
    }
}

void checkRanges(const std::vector<OxideRange>& ranges) {
    for (const auto& range : ranges) {
        const double limit = range.isRatio() ? maxRatio : maxSeger;
        const std::string what = fillIn(translate("Solver", "Bereik %1"), {range.describe()});
        if (!within(range.low, 0.0, limit))
            outside(fillIn(translate("Solver", "%1, ondergrens"), {what}), range.low, 0.0, limit);
        // An open upper end is infinite on purpose.
        if (range.high != LinearProgram::infinity && !within(range.high, 0.0, limit))
            outside(fillIn(translate("Solver", "%1, bovengrens"), {what}), range.high, 0.0, limit);
    }
}

void checkMaterials(const std::vector<SolverMaterial>& materials) {
    for (const auto& m : materials) {
        const std::string what = fillIn(translate("Solver", "Grondstof %1"), {m.name});
        if (!within(m.prys, -maxPrice, maxPrice))
            outside(fillIn(translate("Solver", "%1, prijs"), {what}), m.prys, -maxPrice, maxPrice);
        if (!within(m.molg, -maxMolg, maxMolg))
            outside(fillIn(translate("Solver", "%1, molgewicht"), {what}), m.molg, -maxMolg, maxMolg);
        for (const auto& oxide : OxideCatalogue::all()) {
            const double value = m.oxides[static_cast<std::size_t>(oxide.position - 1)];
            if (!within(value, -maxAnalysis, maxAnalysis))
                outside(what + ", " + std::string(oxide.label), value, -maxAnalysis, maxAnalysis);
        }
    }
}

} // namespace kelvora::SolverInput
