// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "glaze/ChemistryFigures.h"
#include "glaze/DataSource.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvora {

// Published Seger-formula limits per firing range, one data file per set.
// The candidates for a glaze are the sets whose cone range overlaps the
// glaze's own cones (skva..sktt, placed through the cone table) the most; a
// range may have several (glossy, satin and matte, or two authors), and the
// glaze is checked against the candidate it fits best.
class LimitSets {
public:
    struct Limit {
        std::string key;             // oxide stem, a combination ("kna2o") or a ratio
        std::vector<std::string> of; // the oxides summed; empty for a ratio
        double min = 0;
        double max = 0;
    };
    struct Set {
        std::string name;
        int fromCone = 0; // positions 1..40 in the cone table
        int toCone = 0;
        DataSource source;
        std::vector<Limit> limits;
    };
    struct Violation {
        std::string key;
        double value = 0;
        double min = 0;
        double max = 0;
    };
    struct Fit {
        const Set* set = nullptr; // nullptr: no set for these cones
        std::vector<Violation> outside;
        std::size_t candidates = 0;
    };

    // Every *.xml set of a folder, in file-name order; a missing folder gives
    // none. Throws std::runtime_error naming a file that is not a limit set.
    static LimitSets loadFolder(const std::string& folder);
    static Set load(const std::string& path);

    const std::vector<Set>& sets() const { return sets_; }
    // The position 1..40 of a cone text in the cone table: the whole entry
    // ("6a - 1200") or its cone name alone ("6a"); nothing when unknown.
    static std::optional<int> conePosition(const std::string& cone);
    // The sets for a glaze fired from cone `skva` to `sktt` (either may be
    // empty; the other then stands for both), in file order; none when the
    // cones are unknown or no set overlaps them.
    std::vector<const Set*> forCones(const std::string& skva, const std::string& sktt) const;
    // The candidate with the fewest values outside its limits, the first in
    // file order on a tie, with those values.
    Fit bestFit(const std::string& skva, const std::string& sktt, const ChemistryFigures& figures) const;
    // Each limited value of the figures outside its range, in the set's order.
    static std::vector<Violation> check(const Set& set, const ChemistryFigures& figures);
    // The value a limit looks at, or nothing (a ratio with divisor 0).
    static std::optional<double> valueOf(const Limit& limit, const ChemistryFigures& figures);

private:
    std::vector<Set> sets_;
};

} // namespace kelvora
