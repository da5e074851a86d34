// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/Choices.h"

#include "common/Translate.h"
#include "notebook/NotebookText.h"

#include <algorithm>
#include <mutex>
#include <set>

namespace kelvora {

namespace {

template <typename Choice> struct Entry {
    Choice choice;
    const char* code;
    const char* text;
};

template <typename Choice> struct Table;

template <> struct Table<Atmosphere> {
    static constexpr Entry<Atmosphere> entries[] = {
        {Atmosphere::Oxidation, "ox", QT_TRANSLATE_NOOP("Choices", "oxidatie")},
        {Atmosphere::Neutral, "neu", QT_TRANSLATE_NOOP("Choices", "neutraal")},
        {Atmosphere::Reduction, "red", QT_TRANSLATE_NOOP("Choices", "reductie")},
        {Atmosphere::SaltSoda, "zout", QT_TRANSLATE_NOOP("Choices", "zout/soda")},
        {Atmosphere::Wood, "hout", QT_TRANSLATE_NOOP("Choices", "hout")},
        {Atmosphere::Raku, "raku", QT_TRANSLATE_NOOP("Choices", "raku")},
        {Atmosphere::Luster, "lus", QT_TRANSLATE_NOOP("Choices", "luster")}};
};
template <> struct Table<Application> {
    static constexpr Entry<Application> entries[] = {
        {Application::Dip, "dom", QT_TRANSLATE_NOOP("Choices", "dompelen")},
        {Application::Pour, "gie", QT_TRANSLATE_NOOP("Choices", "gieten")},
        {Application::Brush, "kwa", QT_TRANSLATE_NOOP("Choices", "kwasten")},
        {Application::Spray, "spu", QT_TRANSLATE_NOOP("Choices", "spuiten")}};
};
template <> struct Table<Defect> {
    static constexpr Entry<Defect> entries[] = {
        {Defect::Crawling, "kr", QT_TRANSLATE_NOOP("Choices", "kruipen")},
        {Defect::Pinholes, "sp", QT_TRANSLATE_NOOP("Choices", "speldenprikken")},
        {Defect::Crazing, "hs", QT_TRANSLATE_NOOP("Choices", "haarscheuren")},
        {Defect::Shivering, "as", QT_TRANSLATE_NOOP("Choices", "afschilferen")},
        {Defect::Running, "lo", QT_TRANSLATE_NOOP("Choices", "lopen")},
        {Defect::Blisters, "bl", QT_TRANSLATE_NOOP("Choices", "blazen")}};
};
template <> struct Table<GlazeStatus> {
    static constexpr Entry<GlazeStatus> entries[] = {
        {GlazeStatus::Testing, "T", QT_TRANSLATE_NOOP("Choices", "testen")},
        {GlazeStatus::Production, "P", QT_TRANSLATE_NOOP("Choices", "productie")},
        {GlazeStatus::Stopped, "G", QT_TRANSLATE_NOOP("Choices", "gestopt")}};
};

template <typename Choice> const Entry<Choice>& entryOf(Choice choice) {
    for (const auto& e : Table<Choice>::entries)
        if (e.choice == choice) return e;
    return Table<Choice>::entries[0]; // every enumerator has an entry
}

// A translated word kept for the program's lifetime, so that text() hands out
// a pointer that stays valid as the table's own words do. The set holds at
// most one copy of each word of each language used.
const char* lasting(const std::string& word) {
    static std::mutex guard;
    static std::set<std::string> words;
    const std::lock_guard<std::mutex> lock(guard);
    return words.insert(word).first->c_str();
}

} // namespace

template <typename Choice> const std::vector<Choice>& Choices<Choice>::all() {
    static const std::vector<Choice> list = [] {
        std::vector<Choice> v;
        for (const auto& e : Table<Choice>::entries)
            v.push_back(e.choice);
        return v;
    }();
    return list;
}

template <typename Choice> const char* Choices<Choice>::code(Choice choice) {
    return entryOf(choice).code;
}

template <typename Choice> const char* Choices<Choice>::text(Choice choice) {
    const char* source = entryOf(choice).text;
    const std::string shown = translate("Choices", source);
    return shown == source ? source : lasting(shown);
}

template <typename Choice> std::optional<Choice> Choices<Choice>::fromCode(std::string_view code) {
    for (const auto& e : Table<Choice>::entries)
        if (code == e.code) return e.choice;
    return std::nullopt;
}

template <typename Choice> std::optional<Choice> Choices<Choice>::parse(std::string_view typed) {
    const std::string word = notebook::lowered(typed);
    for (const auto& e : Table<Choice>::entries)
        if (word == notebook::lowered(e.code) || word == e.text ||
            word == notebook::lowered(translate("Choices", e.text)))
            return e.choice;
    return std::nullopt;
}

template <typename Choice> std::string Choices<Choice>::listText() {
    std::string out;
    for (const auto& e : Table<Choice>::entries)
        out += (out.empty() ? "" : ", ") + translate("Choices", e.text);
    return out;
}

template struct Choices<Atmosphere>;
template struct Choices<Application>;
template struct Choices<Defect>;
template struct Choices<GlazeStatus>;

std::string defectCodes(const std::vector<Defect>& defects) {
    std::string out;
    for (const Defect d : Choices<Defect>::all())
        if (std::find(defects.begin(), defects.end(), d) != defects.end())
            out += (out.empty() ? "" : ",") + std::string(Choices<Defect>::code(d));
    return out;
}

std::vector<Defect> defectsFromCodes(std::string_view codes) {
    std::vector<Defect> out;
    while (!codes.empty()) {
        const auto comma = codes.find(',');
        if (const auto d = Choices<Defect>::fromCode(codes.substr(0, comma))) out.push_back(*d);
        codes = comma == std::string_view::npos ? std::string_view() : codes.substr(comma + 1);
    }
    return out;
}

} // namespace kelvora
