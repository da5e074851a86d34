// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "notebook/Choices.h"
#include "notebook/FiringSchedule.h"
#include "notebook/KilnLog.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvora {

// A firing, shared by every test that was in the kiln.
struct Stook {
    std::string code; // unique, e.g. "S-2026-003"
    std::string date; // "dd-mm-jjjj"
    std::string kiln;
    std::vector<ScheduleStep> schedule; // as fired
    std::string cone;                   // peak cone reached, as the witness cones showed it
    std::optional<Atmosphere> atmosphere;
    std::string reductionStart; // when reduction started (a temperature or a time, as noted)
    std::string notes;
    std::vector<KilnReading> log; // readings, where there are any
};

} // namespace kelvora
