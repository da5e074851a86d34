// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/ConeText.h"

#include "common/Utf8.h"
#include "engine/GlzDMUnit.h"

#include <array>
#include <utility>
#include <vector>

namespace kelvora {

namespace {
// Orton Standard Temperature Equivalent Chart, large cones heated at
// 150 °C/h, as published on mauipotter.com/resources_cone_chart.html and
// potterystore.co.nz ("Pyrometric Cone Chart (Orton Standard)"); the two
// give the same figures. Orton's own chart lists other columns for other
// heating rates (60 °C/h bends cones lower), so the rate is said beside
// every temperature taken from here.
constexpr std::array<std::pair<std::string_view, int>, 35> kOrton{{
    {"022", 600}, {"021", 614}, {"020", 635}, {"019", 683}, {"018", 717}, {"017", 747}, {"016", 792},
    {"015", 804}, {"014", 838}, {"013", 852}, {"012", 884}, {"011", 894}, {"010", 900}, {"09", 923},
    {"08", 955},  {"07", 984},  {"06", 999},  {"05", 1046}, {"04", 1060}, {"03", 1101}, {"02", 1120},
    {"01", 1137}, {"1", 1154},  {"2", 1162},  {"3", 1168},  {"4", 1186},  {"5", 1196},  {"6", 1222},
    {"7", 1240},  {"8", 1263},  {"9", 1280},  {"10", 1305}, {"11", 1315}, {"12", 1326}, {"13", 1346},
}};

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// The text split at one "-" into up to two trimmed parts; none for more.
std::optional<std::pair<std::string, std::string>> range(std::string_view text) {
    const auto dash = text.find('-');
    if (dash == std::string_view::npos) return std::make_pair(std::string(utf8::trim(text)), std::string());
    if (text.find('-', dash + 1) != std::string_view::npos) return std::nullopt;
    return std::make_pair(std::string(utf8::trim(text.substr(0, dash))),
                          std::string(utf8::trim(text.substr(dash + 1))));
}

// "6a" -> "6a - 1200" from the program's Seger cone list.
std::optional<std::string> segerEntry(std::string cone) {
    cone = lowerAscii(cone);
    if (cone.rfind("sk", 0) == 0) cone = std::string(utf8::trim(cone.substr(2)));
    if (cone.empty()) return std::nullopt;
    static const std::vector<std::string> list = TGlzDM::buildConeList();
    for (const auto& entry : list)
        if (entry.substr(0, entry.find(' ')) == cone) return entry;
    return std::nullopt;
}
} // namespace

std::optional<int> ConeText::ortonCelsius(std::string_view cone) {
    std::string text(utf8::trim(cone));
    for (const auto& [name, celsius] : kOrton)
        if (name == text) return celsius;
    return std::nullopt;
}

ConeText ConeText::read(std::string_view text) {
    ConeText result;
    const std::string_view trimmed = utf8::trim(text);
    if (trimmed.empty()) return result;
    const auto parts = range(trimmed);
    if (parts && lowerAscii(trimmed).rfind("sk", 0) == 0) {
        const auto from = segerEntry(parts->first);
        const auto to = parts->second.empty() ? from : segerEntry(parts->second);
        if (from && to) {
            result.segerFrom = from;
            result.segerTo = to;
            return result;
        }
    }
    if (parts) {
        const auto from = ortonCelsius(parts->first);
        const auto to = parts->second.empty() ? from : ortonCelsius(parts->second);
        if (from && to) {
            result.description =
                "Orton " + parts->first + (parts->second.empty() ? "" : " - " + parts->second) + " (" +
                std::to_string(*from) + (parts->second.empty() ? "" : " - " + std::to_string(*to)) +
                " \xC2\xB0"
                "C bij 150 \xC2\xB0"
                "C/uur)";
            return result;
        }
    }
    result.description = std::string(trimmed);
    return result;
}

} // namespace kelvora
