// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "notebook/CalendarDate.h"
#include "notebook/Choices.h"
#include "notebook/NotebookData.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kelvora {

// What a search of the tests asks; an empty criterion asks nothing, and a
// test is found when it meets every criterion given.
struct TestQuery {
    std::string code;     // part of the code (case aside)
    std::string glaze;    // the glaze's name (case and outer blanks aside)
    std::string clayBody; // part of the clay body (case aside)
    // A cone the test was fired to: a word of a firing's peak cone ("6" is
    // found in "6 buigt, 7 staat", not in "06"), or of one of its photos.
    std::string cone;
    std::optional<Atmosphere> atmosphere; // of a firing it was in, or of a photo
    std::string kiln;                     // a kiln it was fired in (case aside)
    std::optional<GlazeStatus> status;    // of its glaze
    std::optional<CalendarDate> from;     // mixed on or after
    std::optional<CalendarDate> to;       // mixed on or before
    std::optional<Defect> defect;         // in one of its results
};

// The status of a glaze by name; nothing when it has none or is unknown.
using GlazeStatusOf = std::function<std::optional<GlazeStatus>(const std::string& glaze)>;

// The tests that meet `query`, in code order.
std::vector<const Proef*> findTests(const NotebookData& notebook, const TestQuery& query,
                                    const GlazeStatusOf& statusOf = {});

} // namespace kelvora
