// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/DataFileReader.h"

#include "common/RegularFile.h"
#include "common/Translate.h"

#include <charconv>
#include <cmath>

namespace kelvora {

std::optional<double> DataFileReader::number(const pugi::xml_attribute& attribute) {
    if (!attribute) return std::nullopt;
    std::string text = attribute.as_string();
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::string DataFileReader::parse(pugi::xml_document& doc, const std::string& path) {
    std::string bytes, reason;
    if (!RegularFile::read(path, bytes, reason, maxBytes))
        return translate("DataFile", "niet te lezen: bestand bestaat niet");
    if (!reason.empty()) return fillIn(translate("DataFile", "niet te lezen: %1"), {reason});
    const pugi::xml_parse_result parsed = doc.load_buffer(bytes.data(), bytes.size());
    if (!parsed) return fillIn(translate("DataFile", "niet te lezen: %1"), {parsed.description()});
    return {};
}

std::string DataFileReader::lineOf(const std::string& path, const pugi::xml_node& node) {
    const std::ptrdiff_t offset = node.offset_debug();
    if (offset < 0) return {};
    std::string bytes, reason;
    if (!RegularFile::read(path, bytes, reason, maxBytes) || !reason.empty()) return {};
    int line = 1;
    for (std::ptrdiff_t i = 0; i < offset && static_cast<std::size_t>(i) < bytes.size(); ++i)
        if (bytes[static_cast<std::size_t>(i)] == '\n') ++line;
    return fillIn(translate("DataFile", " regel %1"), {std::to_string(line)});
}

} // namespace kelvora
