// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/JsonValue.h"

#include "common/Translate.h"

#include "interchange/AmountText.h"
#include "interchange/ImportError.h"
#include "interchange/ImportText.h"

#include <charconv>
#include <cmath>

namespace kelvora {

nlohmann::ordered_json JsonValue::parse(std::string_view text) {
    try {
        return nlohmann::ordered_json::parse(text.begin(), text.end());
    } catch (const nlohmann::ordered_json::parse_error& e) {
        const int line = e.byte > 0 ? ImportText::lineOf(text, e.byte - 1) : 0;
        throw ImportError::at(
            line, "", fillIn(translate("Import", "geen leesbare JSON (teken %1)"), {std::to_string(e.byte)}));
    }
}

std::string JsonValue::text(const nlohmann::ordered_json& value) {
    if (value.is_string()) return ImportText::trim(value.get<std::string>());
    if (value.is_number_integer()) return std::to_string(value.get<long long>());
    if (value.is_number()) {
        // The shortest text that reads back as the same number: 1.25, not 1.250000.
        char buffer[32];
        const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value.get<double>());
        return ec == std::errc() ? std::string(buffer, end) : std::string();
    }
    return {};
}

std::string JsonValue::text(const nlohmann::ordered_json& object, const char* key) {
    if (!object.is_object()) return {};
    const auto it = object.find(key);
    return it == object.end() ? std::string() : text(*it);
}

std::optional<double> JsonValue::number(const nlohmann::ordered_json& value, const std::string& recipe,
                                        const std::string& of) {
    auto refuse = [&](const std::string& shown) {
        return ImportError::at(0, recipe, fillIn(translate("Import", "%1: '%2' is geen getal"), {of, shown}));
    };
    if (value.is_null()) return std::nullopt;
    if (value.is_number()) {
        const double v = value.get<double>();
        if (std::isfinite(v) && v >= 0) return v;
        throw refuse(value.dump());
    }
    if (value.is_string()) {
        const std::string s = ImportText::trim(value.get<std::string>());
        if (s.empty()) return std::nullopt;
        if (const auto v = AmountText::parse(s)) return v;
        throw refuse(s);
    }
    throw refuse(value.dump());
}

bool JsonValue::flag(const nlohmann::ordered_json& value) {
    if (value.is_boolean()) return value.get<bool>();
    if (value.is_number()) return value.get<double>() != 0;
    const std::string v = ImportText::lowerAscii(text(value));
    return v == "true" || v == "1" || v == "yes";
}

} // namespace kelvora
