// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "blend/BlendPlan.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvora {

// The blends a potter saved in a data folder (mgr.cds beside the glazes),
// so that a blend can be opened and printed again. The table is made at the
// first save; a folder without it has no saved blends.
class BlendBook {
public:
    explicit BlendBook(std::string dataDir) : dataDir_(std::move(dataDir)) {}

    // In name order. Store errors are thrown as they come.
    std::vector<BlendSettings> all() const;
    std::optional<BlendSettings> find(const std::string& name) const;
    // Stores the blend under its name, replacing a saved blend of the same
    // name (case and blanks aside); the table is written atomically.
    // BlendError for an empty name or one longer than the field.
    void save(const BlendSettings& blend) const;

private:
    std::string dataDir_;
};

} // namespace kelvora
