// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/FiringFit.h"

#include "common/Translate.h"
#include "engine/GlzDMUnit.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kelvora {

namespace {

const std::vector<std::string>& coneTable() {
    static const std::vector<std::string> table = TGlzDM::buildConeList();
    return table;
}

std::string coneName(int position) {
    const std::string& entry = coneTable()[static_cast<std::size_t>(position - 1)];
    return entry.substr(0, entry.find(' '));
}

// The temperature of a cone table entry ("6a - 1200" gives 1200).
double coneTemperature(int position) {
    const std::string& entry = coneTable()[static_cast<std::size_t>(position - 1)];
    return std::stod(entry.substr(entry.rfind(' ') + 1));
}

std::string degrees(double value) {
    return std::to_string(static_cast<long>(std::lround(value)));
}

} // namespace

std::string FiringFit::coneRange(int fromCone, int toCone) {
    if (fromCone == toCone) return "SK " + coneName(fromCone);
    return "SK " + coneName(fromCone) + "\u2013" + coneName(toCone);
}

FiringFit FiringFit::assess(const LimitSets& limits, const ChemistryFigures& figures, double low, double high,
                            const std::string& from, const std::string& to) {
    FiringFit fit;
    std::size_t fewest = std::numeric_limits<std::size_t>::max();
    for (const LimitSets::Set& set : limits.sets()) {
        const std::size_t outside = LimitSets::check(set, figures).size();
        if (outside < fewest) {
            fewest = outside;
            fit.sets.clear();
        }
        if (outside == fewest) fit.sets.push_back(&set);
    }
    if (fit.sets.empty()) return fit;
    fit.outside = fewest;
    // One range per distinct cone span, in the order of the cone table.
    std::vector<std::pair<int, int>> spans;
    for (const auto* set : fit.sets)
        spans.emplace_back(set->fromCone, set->toCone);
    std::sort(spans.begin(), spans.end());
    spans.erase(std::unique(spans.begin(), spans.end()), spans.end());
    for (const auto& [a, b] : spans)
        fit.cones += (fit.cones.empty() ? "" : ", ") + coneRange(a, b);

    // The entered cones; one alone stands for both.
    auto first = LimitSets::conePosition(from);
    auto last = LimitSets::conePosition(to);
    if (!first) first = last;
    if (!last) last = first;
    if (!first || !(low > 0) || !(high > 0) || !std::isfinite(low) || !std::isfinite(high)) return fit;
    if (*first > *last) std::swap(first, last);
    const int count = static_cast<int>(coneTable().size());
    std::string where;
    // More than one cone away: past the cone next to the entered range.
    if (*first > 1 && high < coneTemperature(*first - 1))
        where = translate("FiringFit", "De schatting (%1–%2 °C) ligt ver onder de ingevoerde kegels %3");
    else if (*last < count && low > coneTemperature(*last + 1))
        where = translate("FiringFit", "De schatting (%1–%2 °C) ligt ver boven de ingevoerde kegels %3");
    if (where.empty()) return fit;
    fit.note = fillIn(where, {degrees(low), degrees(high), coneRange(*first, *last)});
    if (!fit.cones.empty())
        fit.note +=
            fillIn(fit.outside == 0
                       ? translate("FiringFit", "; de samenstelling past bij de limieten voor %1")
                       : translate("FiringFit", "; de samenstelling past het best bij de limieten voor %1"),
                   {fit.cones});
    return fit;
}

} // namespace kelvora
