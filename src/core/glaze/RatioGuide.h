// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "glaze/DataSource.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvora {

// The potters' rule of thumb for the surface by the Seger SiO2:Al2O3 ratio
// (matte, satin, gloss), read from its data file. A guide beside Stull's
// chart, never part of it.
class RatioGuide {
public:
    struct Band {
        std::string key;   // "matte", "satin", "gloss"
        std::string label; // Dutch
        double from = 0;   // ratio, inclusive
        double below = 0;  // ratio, exclusive
    };

    // Throws std::runtime_error naming the file when it is not a guide.
    static RatioGuide load(const std::string& path);

    const std::string& name() const { return name_; }
    const DataSource& source() const { return source_; }
    const std::vector<Band>& bands() const { return bands_; }
    // The band of a ratio; nothing outside every band or for no ratio.
    const Band* bandOf(std::optional<double> ratio) const;

private:
    std::string name_;
    DataSource source_;
    std::vector<Band> bands_;
};

} // namespace kelvora
