// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/AmountText.h"

#include <charconv>
#include <cmath>
#include <string>

namespace kelvora {

namespace {
std::string_view withoutSignAndPercent(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (!text.empty() && text.back() == '%') text.remove_suffix(1);
    return text;
}
} // namespace

std::optional<double> AmountText::parse(std::string_view text) {
    text = withoutSignAndPercent(text);
    if (text.empty()) return std::nullopt;
    std::string digits;
    int separators = 0, count = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digits += c;
            ++count;
        } else if (c == '.' || c == ',') {
            digits += '.';
            ++separators;
        } else {
            return std::nullopt;
        }
    }
    if (separators > 1 || count == 0) return std::nullopt;
    if (digits.front() == '.') digits.insert(digits.begin(), '0');
    double value = 0.0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool AmountText::looksNumeric(std::string_view text) {
    text = withoutSignAndPercent(text);
    bool digit = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c != '.' && c != ',')
            return false;
    }
    return digit;
}

bool AmountText::isRange(std::string_view text) {
    if (!text.empty() && text.back() == '%') text.remove_suffix(1);
    for (const std::string_view dash : {"-", "\xE2\x80\x93", "\xE2\x80\x94"}) {
        const auto at = text.find(dash);
        if (at == std::string_view::npos || at == 0) continue;
        std::string_view from = text.substr(0, at), to = text.substr(at + dash.size());
        while (!from.empty() && from.back() == ' ')
            from.remove_suffix(1);
        while (!to.empty() && to.front() == ' ')
            to.remove_prefix(1);
        if (!from.empty() && from.back() == '%') from.remove_suffix(1);
        if (parse(from) && parse(to)) return true;
    }
    return false;
}

} // namespace kelvora
