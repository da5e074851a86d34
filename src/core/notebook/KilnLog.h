// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

// One reading of a firing's log: seconds since the start, the temperature
// in °C and an optional note.
struct KilnReading {
    int seconds = 0;
    double celsius = 0;
    std::string note;
    bool operator==(const KilnReading&) const = default;
};

// The log of readings, pasted from a spreadsheet (tab-separated) or read
// from the CSV file a kiln controller writes (';' or ','). A line holds the
// time ("h:mm", "h:mm:ss" or minutes), the temperature and an optional note;
// lines before the first reading that are no reading (a header) are passed
// over. A header that names °F ("F)", "°F", "Fahrenheit") makes every
// temperature Fahrenheit, converted to °C.
struct KilnLog {
    static constexpr std::size_t maxReadings = 100000;
    static constexpr double maxCelsius = 1800;

    // NotebookError naming the line when a later line is no reading.
    static std::vector<KilnReading> parse(std::string_view text);
    // The stored form (tab-separated, "h:mm:ss"), which parse() reads back.
    static std::string text(const std::vector<KilnReading>& readings);
};

} // namespace kelvora
