// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
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

    static double celsiusFromFahrenheit(double fahrenheit);
    static double celsiusRateFromFahrenheit(double fahrenheitPerHour);
};

} // namespace kelvora
