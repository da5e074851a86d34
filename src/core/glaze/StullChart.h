// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "glaze/ChemistryDataFiles.h"
#include "glaze/DataSource.h"

#include <string>
#include <vector>

namespace kelvora {

// Stull's chart of surface against Seger SiO2 and Al2O3, read from its data
// file: the surface regions (which do not overlap), the crazing zone drawn
// over them, and his best-gloss line. The window paints it and the core
// places a glaze on it; neither holds a coordinate of its own.
class StullChart {
public:
    struct Point {
        double sio2 = 0;
        double al2o3 = 0;
    };
    struct Region {
        std::string key;    // "matte", "bright", ...
        std::string label;  // Dutch name shown to the user
        std::string colour; // "#rrggbb"
        bool overlay = false;
        std::vector<Point> outline; // closed polygon
    };
    struct Line {
        std::string key;
        std::string label;
        std::vector<Point> points;
    };
    // Where a glaze stands: its surface region (nullptr off the chart) and
    // whether it lies in the crazing zone too.
    struct Place {
        const Region* surface = nullptr;
        const Region* overlay = nullptr;
        // "underfired,crazing", "bright", or empty off the chart.
        std::string keys() const;
        // "Onderstookt, craquelé", or empty off the chart.
        std::string labels() const;
    };

    // Throws std::runtime_error naming the file (and the line of a bad
    // region) when it is not a chart.
    static StullChart load(const std::string& path);

    const DataSource& source() const { return source_; }
    const std::vector<Region>& regions() const { return regions_; }
    const std::vector<Line>& lines() const { return lines_; }
    Point lowest() const { return lowest_; }
    Point highest() const { return highest_; }

    // The regions holding a point (an edge counts as inside; the first
    // region in file order wins among surfaces).
    Place place(double sio2, double al2o3) const;

private:
    DataSource source_;
    std::vector<Region> regions_;
    std::vector<Line> lines_;
    Point lowest_;
    Point highest_{7.2, 1.0};
};

// Where Stull's chart (read from the chemistry data folder `dir`) puts a
// glaze: the keys of StullChart::Place, such as "underfired,crazing".
std::string stullRegion(double sio2, double al2o3, const std::string& dir = ChemistryDataFiles::folder);

} // namespace kelvora
