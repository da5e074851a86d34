// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/FiringSchedule.h"

#include "common/Translate.h"
#include "notebook/NotebookError.h"
#include "notebook/NotebookText.h"

#include <algorithm>
#include <cmath>

namespace kelvora {

namespace {

using notebook::storedNumber;
using notebook::storedNumberFrom;
using notebook::trimmed;

double oneDecimal(double value) {
    return std::round(value * 10.0) / 10.0;
}

[[noreturn]] void refuse(std::size_t step, const std::string& why) {
    throw NotebookError(
        fillIn(translate("Notebook", "Stap %1 van het stookschema: %2"), {std::to_string(step), why}));
}

// A temperature or rate with an optional unit letter; `fahrenheit` tells which.
std::optional<double> withUnit(std::string_view text, bool& fahrenheit) {
    fahrenheit = false;
    if (!text.empty() && (text.back() == 'F' || text.back() == 'f')) {
        fahrenheit = true;
        text.remove_suffix(1);
    } else if (!text.empty() && (text.back() == 'C' || text.back() == 'c')) {
        text.remove_suffix(1);
    }
    return storedNumberFrom(trimmed(text));
}

// "2h30", "2h", "0h45": minutes; -1 when the text is no duration.
int duration(std::string_view text) {
    const auto h = text.find_first_of("hHuU");
    if (h == std::string_view::npos) return -1;
    const auto hours = storedNumberFrom(text.substr(0, h));
    const std::string_view rest = text.substr(h + 1);
    const auto minutes = rest.empty() ? std::optional<double>(0) : storedNumberFrom(rest);
    if (!hours || !minutes || *hours < 0 || *minutes < 0 || *minutes >= 60 || *hours != std::floor(*hours) ||
        *minutes != std::floor(*minutes) || *hours > 99)
        return -1;
    return static_cast<int>(*hours) * 60 + static_cast<int>(*minutes);
}

ScheduleStep parseStep(std::string_view text, std::size_t n) {
    std::vector<std::string_view> parts = notebook::split(text, ':');
    for (auto& part : parts)
        part = trimmed(part);
    if (parts.size() < 2 || parts.size() > 3)
        refuse(n, translate("Notebook", "schrijf snelheid:doel:houdtijd, bijvoorbeeld 150:1000:10."));
    ScheduleStep step;
    bool fahrenheit = false;
    const int minutes = duration(parts[0]);
    if (minutes >= 0) {
        if (minutes == 0 || minutes > FiringSchedule::maxMinutes)
            refuse(n, translate("Notebook", "de duur ligt niet tussen 0h01 en 99h59."));
        step.minutes = minutes;
    } else {
        const auto rate = withUnit(parts[0], fahrenheit);
        if (!rate)
            refuse(n, fillIn(translate("Notebook", "'%1' is geen snelheid (graden per uur) of duur (2h30)."),
                             {parts[0]}));
        step.rate = fahrenheit ? FiringSchedule::celsiusRateFromFahrenheit(*rate) : *rate;
        if (!(step.rate > 0) || step.rate > FiringSchedule::maxRate)
            refuse(n, fillIn(translate("Notebook", "de snelheid ligt niet tussen 0 en %1 °C per uur."),
                             {storedNumber(FiringSchedule::maxRate)}));
    }
    const auto target = withUnit(parts[1], fahrenheit);
    if (!target) refuse(n, fillIn(translate("Notebook", "'%1' is geen temperatuur."), {parts[1]}));
    step.target = fahrenheit ? FiringSchedule::celsiusFromFahrenheit(*target) : *target;
    if (!(step.target >= 0) || step.target > FiringSchedule::maxTarget)
        refuse(n, fillIn(translate("Notebook", "de doeltemperatuur ligt niet tussen 0 en %1 °C."),
                         {storedNumber(FiringSchedule::maxTarget)}));
    if (parts.size() == 3 && !parts[2].empty()) {
        const auto hold = storedNumberFrom(parts[2]);
        if (!hold || *hold < 0 || *hold > FiringSchedule::maxHold)
            refuse(n, fillIn(translate("Notebook", "de houdtijd is geen aantal minuten tussen 0 en %1."),
                             {storedNumber(FiringSchedule::maxHold)}));
        step.hold = *hold;
    }
    return step;
}

std::string tooManySteps() {
    return fillIn(translate("Notebook", "Een stookschema heeft hoogstens %1 stappen."),
                  {std::to_string(FiringSchedule::maxSteps)});
}

// A cell as parseStep() reads it: ',' as decimal separator becomes '.'.
std::string withPoint(std::string_view cell) {
    std::string out(trimmed(cell));
    std::replace(out.begin(), out.end(), ',', '.');
    return out;
}

std::string withSeparator(std::string text, char decimal) {
    std::replace(text.begin(), text.end(), '.', decimal);
    return text;
}

} // namespace

std::vector<ScheduleStep> FiringSchedule::fromCells(const std::vector<Cells>& rows) {
    std::vector<ScheduleStep> steps;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        Cells cell;
        for (std::size_t i = 0; i < cell.size(); ++i)
            cell[i] = withPoint(rows[row][i]);
        if (cell[0].empty() && cell[1].empty() && cell[2].empty()) continue;
        // A duration typed as "2:30" is read as "2h30"; the ':' separates the cells of a step.
        if (const auto colon = cell[0].find(':'); colon != std::string::npos) cell[0][colon] = 'h';
        for (const auto& c : cell)
            if (c.find_first_of(":;\n") != std::string::npos)
                refuse(row + 1, fillIn(translate("Notebook", "'%1' is geen getal."), {c}));
        if (steps.size() == maxSteps) throw NotebookError(tooManySteps());
        steps.push_back(parseStep(cell[0] + ":" + cell[1] + ":" + cell[2], row + 1));
    }
    return steps;
}

FiringSchedule::Cells FiringSchedule::cells(const ScheduleStep& step, char decimal) {
    std::string rate;
    if (step.minutes > 0) {
        const int m = step.minutes % 60;
        rate = std::to_string(step.minutes / 60) + ":" + (m < 10 ? "0" : "") + std::to_string(m);
    } else {
        rate = withSeparator(storedNumber(step.rate), decimal);
    }
    return {rate, withSeparator(storedNumber(step.target), decimal),
            withSeparator(storedNumber(step.hold), decimal)};
}

std::vector<SchedulePoint> FiringSchedule::curve(const std::vector<ScheduleStep>& steps,
                                                 double startCelsius) {
    std::vector<SchedulePoint> points;
    if (steps.empty()) return points;
    double hours = 0, celsius = startCelsius;
    points.push_back({hours, celsius});
    for (const auto& s : steps) {
        if (s.minutes > 0)
            hours += s.minutes / 60.0;
        else if (s.rate > 0)
            hours += std::abs(s.target - celsius) / s.rate;
        celsius = s.target;
        points.push_back({hours, celsius});
        if (s.hold > 0) {
            hours += s.hold / 60.0;
            points.push_back({hours, celsius});
        }
    }
    return points;
}

std::vector<SchedulePoint> FiringSchedule::curve(const std::vector<KilnReading>& log) {
    std::vector<SchedulePoint> points;
    points.reserve(log.size());
    for (const auto& r : log)
        points.push_back({r.seconds / 3600.0, r.celsius});
    return points;
}

double FiringSchedule::celsiusFromFahrenheit(double fahrenheit) {
    return oneDecimal((fahrenheit - 32.0) * 5.0 / 9.0);
}

double FiringSchedule::celsiusRateFromFahrenheit(double fahrenheitPerHour) {
    // A difference of temperature: no offset, only the size of the degree.
    return oneDecimal(fahrenheitPerHour * 5.0 / 9.0);
}

std::vector<ScheduleStep> FiringSchedule::parse(std::string_view text) {
    std::vector<ScheduleStep> steps;
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto end = text.find_first_of(",;\n", start);
        const std::string_view part =
            trimmed(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (!part.empty()) {
            if (steps.size() == maxSteps) throw NotebookError(tooManySteps());
            steps.push_back(parseStep(part, steps.size() + 1));
        }
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return steps;
}

std::string FiringSchedule::text(const std::vector<ScheduleStep>& steps) {
    std::string out;
    for (const auto& s : steps) {
        if (!out.empty()) out += ",";
        if (s.minutes > 0) {
            const int m = s.minutes % 60;
            out += std::to_string(s.minutes / 60) + "h" + (m < 10 ? "0" : "") + std::to_string(m);
        } else {
            out += storedNumber(s.rate);
        }
        out += ":" + storedNumber(s.target) + ":" + storedNumber(s.hold);
    }
    return out;
}

} // namespace kelvora
