// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "notebook/Foto.h"
#include "notebook/Proef.h"
#include "notebook/Stook.h"
#include "notebook/TileResult.h"

#include <string>
#include <vector>

namespace kelvora {

// A schedule saved under a name, to be used again for a new firing.
struct ScheduleTemplate {
    std::string name;
    std::vector<ScheduleStep> steps;
};

// Everything the notebook of one data folder holds, as values.
struct NotebookData {
    std::vector<Proef> tests;
    std::vector<Stook> firings;
    std::vector<TileResult> results;
    std::vector<Foto> photos;
    std::vector<ScheduleTemplate> templates;

    const Proef* test(std::string_view code) const;
    const Stook* firing(std::string_view code) const;
    // The results of a test, in firing order as stored.
    std::vector<const TileResult*> resultsOf(std::string_view test) const;
    std::vector<const Foto*> photosOf(std::string_view test) const;
};

} // namespace kelvora
