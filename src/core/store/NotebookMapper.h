// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "notebook/NotebookData.h"
#include "store/Packet.h"

#include <vector>

namespace kelvora {

// The one place that knows how the notebook's records lie in their tables.
// Reading takes a table with fewer fields (an older version's) and reads the
// missing ones as empty; writing makes a table of the full layout and
// refuses (NotebookError, naming the field) a text wider than its field.
struct NotebookMapper {
    static Packet tablesOf(const std::vector<Proef>& tests);
    static Packet tablesOf(const std::vector<Stook>& firings);
    static Packet tablesOf(const std::vector<TileResult>& results);
    static Packet tablesOf(const std::vector<Foto>& photos);
    static Packet tablesOf(const std::vector<ScheduleTemplate>& templates);

    static std::vector<Proef> tests(const Packet& packet);
    static std::vector<Stook> firings(const Packet& packet);
    static std::vector<TileResult> results(const Packet& packet);
    static std::vector<Foto> photos(const Packet& packet);
    static std::vector<ScheduleTemplate> templates(const Packet& packet);
};

} // namespace kelvora
