// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "notebook/KilnLog.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

// One step of a firing schedule: rise (or fall) to `target` °C at `rate`
// °C per hour, or over `minutes` minutes, and hold there `hold` minutes.
// Exactly one of rate and minutes is given (the other is 0).
struct ScheduleStep {
    double rate = 0;   // °C/h
    int minutes = 0;   // duration of the ramp instead of a rate
    double target = 0; // °C
    double hold = 0;   // minutes
    bool operator==(const ScheduleStep&) const = default;
};

// A point of a firing's course: hours since the start and the temperature.
struct SchedulePoint {
    double hours = 0;
    double celsius = 0;
    bool operator==(const SchedulePoint&) const = default;
};

// A schedule written as steps "RATE:TARGET[:HOLD]" separated by ',' or ';'
// or line ends, e.g. "100:600:0, 150:1220:15". RATE is degrees per hour or
// a duration "2h30"; a rate or target may end in "F" (Fahrenheit, converted
// here to Celsius, to one decimal) or "C". HOLD is minutes. Decimals use '.'.
struct FiringSchedule {
    static constexpr std::size_t maxSteps = 40;
    static constexpr double maxRate = 9999;   // °C/h
    static constexpr double maxTarget = 1600; // °C
    static constexpr double maxHold = 6000;   // minutes
    static constexpr int maxMinutes = 99 * 60 + 59;

    // NotebookError naming the step and what is wrong.
    static std::vector<ScheduleStep> parse(std::string_view text);
    // The stored form, in °C, that parse() reads back to the same steps.
    static std::string text(const std::vector<ScheduleStep>& steps);

    // One row of a schedule table: the rate (or a duration "2:30" or
    // "2h30"), the target and the hold, as typed.
    using Cells = std::array<std::string, 3>;
    // The steps of a table's rows, read as parse() reads a step, with '.' or
    // ',' as decimal separator; blank rows are passed over. NotebookError
    // naming the row of the table.
    static std::vector<ScheduleStep> fromCells(const std::vector<Cells>& rows);
    // A step as a table row, in °C, the duration as "h:mm", with `decimal`
    // as decimal separator; fromCells() reads it back to the same step.
    static Cells cells(const ScheduleStep& step, char decimal = '.');

    // The kiln's room temperature where a plotted schedule starts.
    static constexpr double roomCelsius = 20;
    // The planned course of `steps` from `startCelsius`: the start, the end
    // of each ramp and the end of each hold (a hold of 0 adds no point). A
    // ramp at a rate takes |target - from| / rate hours, up or down alike.
    static std::vector<SchedulePoint> curve(const std::vector<ScheduleStep>& steps,
                                            double startCelsius = roomCelsius);
    // The readings of a log as points of the same kind.
    static std::vector<SchedulePoint> curve(const std::vector<KilnReading>& log);

    static double celsiusFromFahrenheit(double fahrenheit);
    static double celsiusRateFromFahrenheit(double fahrenheitPerHour);
};

} // namespace kelvora
