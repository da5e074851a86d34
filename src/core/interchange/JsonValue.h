// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace kelvora {

// Reading values from the JSON files other tools write, where a number may
// come as a string and any field may be missing or null.
class JsonValue {
public:
    // The document; a syntax error refuses it with the line it stands on.
    static nlohmann::json parse(std::string_view text);
    // A string or number field as text ("" when missing or null).
    static std::string text(const nlohmann::json& object, const char* key);
    static std::string text(const nlohmann::json& value);
    // A number or a numeric string; nothing when missing, null or empty.
    // Throws ImportError for anything else, naming the recipe and what the
    // value is of.
    static std::optional<double> number(const nlohmann::json& value, const std::string& recipe,
                                        const std::string& of);
    // true, 1, "1", "true".
    static bool flag(const nlohmann::json& value);
};

} // namespace kelvora
