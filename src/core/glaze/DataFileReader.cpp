// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/DataFileReader.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>

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

std::string DataFileReader::lineOf(const std::string& path, const pugi::xml_node& node) {
    const std::ptrdiff_t offset = node.offset_debug();
    if (offset < 0) return {};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    int line = 1;
    std::istreambuf_iterator<char> it(in);
    for (std::ptrdiff_t i = 0; i < offset && it != std::istreambuf_iterator<char>(); ++i, ++it)
        if (*it == '\n') ++line;
    return " regel " + std::to_string(line);
}

} // namespace kelvora
