// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/NotebookRules.h"

#include "glaze/BatchWeights.h"
#include "notebook/CalendarDate.h"
#include "notebook/NotebookError.h"
#include "notebook/NotebookText.h"

#include <cmath>
#include <cstdio>

namespace kelvora {

namespace {

// An empty (NaN) number passes; a given one must lie within [low, high].
void within(double value, double low, double high, const std::string& what) {
    if (isNullNumber(value)) return;
    if (!std::isfinite(value) || value < low || value > high)
        throw NotebookError(what + " moet tussen " + notebook::storedNumber(low) + " en " +
                            notebook::storedNumber(high) + " liggen.");
}

void checkCode(std::string_view code, const std::string& what) {
    if (!NotebookRules::isCode(code))
        throw NotebookError(what + " '" + std::string(code) +
                            "' is geen geldige code: 1 tot 20 letters, cijfers of -_./");
}

void checkDate(const std::string& date, const std::string& what) {
    const auto parsed = CalendarDate::parse(date);
    if (!date.empty() && (!parsed || parsed->text() != date))
        throw NotebookError(what + " '" + date + "' is geen datum als dd-mm-jjjj.");
}

} // namespace

bool NotebookRules::isCode(std::string_view code) {
    if (code.empty() || code.size() > 20) return false;
    for (const char c : code) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                        c == '-' || c == '_' || c == '.' || c == '/';
        if (!ok) return false;
    }
    return true;
}

std::string NotebookRules::nextCode(char letter, int year, const std::vector<std::string>& codes) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "%c-%04d-", letter, year);
    const std::string_view head(prefix);
    long highest = 0;
    for (const auto& code : codes) {
        if (code.size() <= head.size() || code.compare(0, head.size(), head) != 0) continue;
        const std::string_view tail = std::string_view(code).substr(head.size());
        if (tail.size() > 6) continue;
        long n = 0;
        bool digits = true;
        for (const char c : tail) {
            digits = digits && c >= '0' && c <= '9';
            n = n * 10 + (c - '0');
        }
        if (digits && n > highest) highest = n;
    }
    std::string sequence = std::to_string(highest + 1);
    if (sequence.size() < 3) sequence.insert(0, 3 - sequence.size(), '0');
    return std::string(head) + sequence;
}

std::string NotebookRules::storedDate(std::string_view typed, const std::string& what) {
    const auto date = CalendarDate::parse(typed);
    if (!date) throw NotebookError(what + " '" + std::string(typed) + "' is geen datum als dd-mm-jjjj.");
    return date->text();
}

void NotebookRules::check(const Proef& t) {
    checkCode(t.code, "De proefcode");
    if (t.glaze.empty()) throw NotebookError("Een proef hoort bij een glazuur.");
    checkDate(t.date, "De datum van proef " + t.code);
    if (!isNullNumber(t.batchGrams) && !BatchWeights::validSize(t.batchGrams))
        throw NotebookError("Het gewicht van het mengsel is meer dan 0 en hoogstens " +
                            notebook::storedNumber(BatchWeights::maxGrams) + " g.");
    within(t.waterGrams, 0, BatchWeights::maxGrams, "Het water (g)");
    within(t.specificGravity, 1.0, 3.0, "Het soortelijk gewicht");
    within(t.seconds, 0, 3600, "De dompel- of giettijd (s)");
    within(t.coats, 1, 20, "Het aantal lagen");
    if (!isNullNumber(t.coats) && t.coats != std::floor(t.coats))
        throw NotebookError("Het aantal lagen is een heel getal.");
}

void NotebookRules::check(const Stook& f) {
    checkCode(f.code, "De stookcode");
    checkDate(f.date, "De datum van stook " + f.code);
    // The schedule and the log are checked as they are read back from the stored text.
    FiringSchedule::parse(FiringSchedule::text(f.schedule));
    for (const auto& reading : f.log)
        if (reading.seconds < 0 || !std::isfinite(reading.celsius))
            throw NotebookError("Een meting van het stooklog van " + f.code +
                                " is geen tijd met een temperatuur.");
    KilnLog::parse(KilnLog::text(f.log));
}

void NotebookRules::check(const TileResult& r) {
    checkCode(r.firing, "De stookcode");
    checkCode(r.test, "De proefcode");
    if (r.rating < 0 || r.rating > 5) throw NotebookError("De waardering is 1 tot 5 (of leeg).");
}

void NotebookRules::check(const Foto& p) {
    checkCode(p.test, "De proefcode");
    if (!p.firing.empty()) checkCode(p.firing, "De stookcode");
    if (p.file.empty() || p.file.front() == '/' || p.file.find("..") != std::string::npos)
        throw NotebookError("Een foto staat in de map foto van de gegevensmap, met een relatief pad.");
}

} // namespace kelvora
