// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/NotebookRules.h"

#include "common/Translate.h"
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
        throw NotebookError(fillIn(translate("Notebook", "%1 moet tussen %2 en %3 liggen."),
                                   {what, notebook::storedNumber(low), notebook::storedNumber(high)}));
}

void checkCode(std::string_view code, const std::string& what) {
    if (!NotebookRules::isCode(code))
        throw NotebookError(
            fillIn(translate("Notebook", "%1 '%2' is geen geldige code: 1 tot 20 letters, cijfers of -_./"),
                   {what, code}));
}

std::string dateMessage(const std::string& what, std::string_view date) {
    return fillIn(translate("Notebook", "%1 '%2' is geen datum als dd-mm-jjjj."), {what, date});
}

void checkDate(const std::string& date, const std::string& what) {
    const auto parsed = CalendarDate::parse(date);
    if (!date.empty() && (!parsed || parsed->text() != date)) throw NotebookError(dateMessage(what, date));
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
    if (!date) throw NotebookError(dateMessage(what, typed));
    return date->text();
}

void NotebookRules::check(const Proef& t) {
    checkCode(t.code, translate("Notebook", "De proefcode"));
    if (t.glaze.empty()) throw NotebookError(translate("Notebook", "Een proef hoort bij een glazuur."));
    checkDate(t.date, fillIn(translate("Notebook", "De datum van proef %1"), {t.code}));
    if (!isNullNumber(t.batchGrams) && !BatchWeights::validSize(t.batchGrams))
        throw NotebookError(
            fillIn(translate("Notebook", "Het gewicht van het mengsel is meer dan 0 en hoogstens %1 g."),
                   {notebook::storedNumber(BatchWeights::maxGrams)}));
    within(t.waterGrams, 0, BatchWeights::maxGrams, translate("Notebook", "Het water (g)"));
    within(t.specificGravity, 1.0, 3.0, translate("Notebook", "Het soortelijk gewicht"));
    within(t.seconds, 0, 3600, translate("Notebook", "De dompel- of giettijd (s)"));
    within(t.coats, 1, 20, translate("Notebook", "Het aantal lagen"));
    if (!isNullNumber(t.coats) && t.coats != std::floor(t.coats))
        throw NotebookError(translate("Notebook", "Het aantal lagen is een heel getal."));
}

void NotebookRules::check(const Stook& f) {
    checkCode(f.code, translate("Notebook", "De stookcode"));
    checkDate(f.date, fillIn(translate("Notebook", "De datum van stook %1"), {f.code}));
    // The schedule and the log are checked as they are read back from the stored text.
    FiringSchedule::parse(FiringSchedule::text(f.schedule));
    for (const auto& reading : f.log)
        if (reading.seconds < 0 || !std::isfinite(reading.celsius))
            throw NotebookError(fillIn(
                translate("Notebook", "Een meting van het stooklog van %1 is geen tijd met een temperatuur."),
                {f.code}));
    KilnLog::parse(KilnLog::text(f.log));
}

void NotebookRules::check(const TileResult& r) {
    checkCode(r.firing, translate("Notebook", "De stookcode"));
    checkCode(r.test, translate("Notebook", "De proefcode"));
    if (r.rating < 0 || r.rating > 5)
        throw NotebookError(translate("Notebook", "De waardering is 1 tot 5 (of leeg)."));
}

void NotebookRules::check(const Foto& p) {
    checkCode(p.test, translate("Notebook", "De proefcode"));
    if (!p.firing.empty()) checkCode(p.firing, translate("Notebook", "De stookcode"));
    if (p.file.empty() || p.file.front() == '/' || p.file.find("..") != std::string::npos)
        throw NotebookError(
            translate("Notebook", "Een foto staat in de map foto van de gegevensmap, met een relatief pad."));
}

} // namespace kelvora
