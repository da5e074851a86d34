// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/KilnLog.h"

#include "common/Translate.h"
#include "notebook/FiringSchedule.h"
#include "notebook/NotebookError.h"
#include "notebook/NotebookText.h"

#include <cmath>
#include <cstdio>
#include <optional>

namespace kelvora {

namespace {

using notebook::storedNumber;

std::string_view trimmed(std::string_view text) {
    return notebook::trimmed(text, " \"\r");
}

// The fields of a line, without blanks and the quotes of a CSV.
std::vector<std::string_view> fieldsOf(std::string_view line, char separator) {
    auto parts = notebook::split(line, separator);
    for (auto& part : parts)
        part = trimmed(part);
    return parts;
}

// "h:mm", "h:mm:ss" or whole minutes; nothing otherwise.
std::optional<int> seconds(std::string_view text) {
    std::vector<std::string_view> parts = fieldsOf(text, ':');
    if (parts.size() > 3) return std::nullopt;
    long total = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const auto& p = parts[i];
        if (p.empty() || p.size() > 6) return std::nullopt;
        long value = 0;
        for (const char c : p) {
            if (c < '0' || c > '9') return std::nullopt;
            value = value * 10 + (c - '0');
        }
        if (i > 0 && value >= 60) return std::nullopt;
        total = total * 60 + value;
    }
    if (parts.size() <= 2) total *= 60; // "h:mm" and plain minutes end in minutes
    if (total > 30L * 24 * 3600) return std::nullopt;
    return static_cast<int>(total);
}

bool namesFahrenheit(std::string_view line) {
    return line.find("°F") != std::string_view::npos || line.find("F)") != std::string_view::npos ||
           line.find("Fahrenheit") != std::string_view::npos ||
           line.find("fahrenheit") != std::string_view::npos;
}

} // namespace

std::vector<KilnReading> KilnLog::parse(std::string_view text) {
    const char separator = text.find('\t') != std::string_view::npos  ? '\t'
                           : text.find(';') != std::string_view::npos ? ';'
                                                                      : ',';
    std::vector<KilnReading> readings;
    bool fahrenheit = false;
    std::size_t lineNumber = 0;
    for (std::size_t start = 0; start <= text.size();) {
        const auto end = text.find('\n', start);
        const std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start);
        start = end == std::string_view::npos ? text.size() + 1 : end + 1;
        ++lineNumber;
        if (trimmed(line).empty()) continue;
        const auto parts = fieldsOf(line, separator);
        const auto time = parts.size() >= 2 ? seconds(parts[0]) : std::nullopt;
        // With ',' between the fields a decimal comma cannot occur.
        const auto temperature = parts.size() >= 2 ? (separator == ',' ? notebook::storedNumberFrom(parts[1])
                                                                       : notebook::typedNumber(parts[1]))
                                                   : std::nullopt;
        if (!time || !temperature) {
            if (readings.empty()) {
                fahrenheit = fahrenheit || namesFahrenheit(line);
                continue; // a header
            }
            throw NotebookError(
                fillIn(translate("Notebook",
                                 "Regel %1 van het stooklog is geen meting (tijd, temperatuur, opmerking)."),
                       {std::to_string(lineNumber)}));
        }
        if (readings.size() == maxReadings)
            throw NotebookError(fillIn(translate("Notebook", "Een stooklog heeft hoogstens %1 metingen."),
                                       {std::to_string(maxReadings)}));
        KilnReading r;
        r.seconds = *time;
        r.celsius = fahrenheit ? FiringSchedule::celsiusFromFahrenheit(*temperature) : *temperature;
        if (r.celsius < -50 || r.celsius > maxCelsius)
            throw NotebookError(fillIn(
                translate("Notebook", "Regel %1 van het stooklog: %2 °C kan geen oventemperatuur zijn."),
                {std::to_string(lineNumber), storedNumber(r.celsius)}));
        for (std::size_t i = 2; i < parts.size(); ++i)
            r.note += (i > 2 ? " " : "") + std::string(parts[i]);
        readings.push_back(std::move(r));
    }
    return readings;
}

std::string KilnLog::text(const std::vector<KilnReading>& readings) {
    std::string out;
    for (const auto& r : readings) {
        char time[32];
        std::snprintf(time, sizeof time, "%d:%02d:%02d", r.seconds / 3600, r.seconds / 60 % 60,
                      r.seconds % 60);
        std::string note;
        for (const char c : r.note)
            note += c == '\t' || c == '\n' || c == '\r' ? ' ' : c;
        out += std::string(time) + "\t" + storedNumber(r.celsius) + (note.empty() ? "" : "\t" + note) + "\n";
    }
    return out;
}

} // namespace kelvora
