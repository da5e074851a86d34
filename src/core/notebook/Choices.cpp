// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/Choices.h"

#include "notebook/NotebookText.h"

#include <algorithm>

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
        {Atmosphere::Oxidation, "ox", "oxidatie"},  {Atmosphere::Neutral, "neu", "neutraal"},
        {Atmosphere::Reduction, "red", "reductie"}, {Atmosphere::SaltSoda, "zout", "zout/soda"},
        {Atmosphere::Wood, "hout", "hout"},         {Atmosphere::Raku, "raku", "raku"},
        {Atmosphere::Luster, "lus", "luster"}};
};
template <> struct Table<Application> {
    static constexpr Entry<Application> entries[] = {{Application::Dip, "dom", "dompelen"},
                                                     {Application::Pour, "gie", "gieten"},
                                                     {Application::Brush, "kwa", "kwasten"},
                                                     {Application::Spray, "spu", "spuiten"}};
};
template <> struct Table<Defect> {
    static constexpr Entry<Defect> entries[] = {
        {Defect::Crawling, "kr", "kruipen"},     {Defect::Pinholes, "sp", "speldenprikken"},
        {Defect::Crazing, "hs", "haarscheuren"}, {Defect::Shivering, "as", "afschilferen"},
        {Defect::Running, "lo", "lopen"},        {Defect::Blisters, "bl", "blazen"}};
};
template <> struct Table<GlazeStatus> {
    static constexpr Entry<GlazeStatus> entries[] = {{GlazeStatus::Testing, "T", "testen"},
                                                     {GlazeStatus::Production, "P", "productie"},
                                                     {GlazeStatus::Stopped, "G", "gestopt"}};
};

template <typename Choice> const Entry<Choice>& entryOf(Choice choice) {
    for (const auto& e : Table<Choice>::entries)
        if (e.choice == choice) return e;
    return Table<Choice>::entries[0]; // every enumerator has an entry
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
    return entryOf(choice).text;
}

template <typename Choice> std::optional<Choice> Choices<Choice>::fromCode(std::string_view code) {
    for (const auto& e : Table<Choice>::entries)
        if (code == e.code) return e.choice;
    return std::nullopt;
}

template <typename Choice> std::optional<Choice> Choices<Choice>::parse(std::string_view typed) {
    const std::string word = notebook::lowered(typed);
    for (const auto& e : Table<Choice>::entries)
        if (word == notebook::lowered(e.code) || word == e.text) return e.choice;
    return std::nullopt;
}

template <typename Choice> std::string Choices<Choice>::listText() {
    std::string out;
    for (const auto& e : Table<Choice>::entries)
        out += (out.empty() ? "" : ", ") + std::string(e.text);
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
