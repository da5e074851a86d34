// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace kelvora {

// Reading values from the JSON files other tools write, where a number may
// come as a string and any field may be missing or null. Objects keep the
// file's order of their keys, so that an analysis lists its oxides as written.
class JsonValue {
public:
    // The document; a syntax error refuses it with the line it stands on.
    static nlohmann::ordered_json parse(std::string_view text);
    // A string or number field as text ("" when missing or null).
    static std::string text(const nlohmann::ordered_json& object, const char* key);
    static std::string text(const nlohmann::ordered_json& value);
    // A number or a numeric string; nothing when missing, null or empty.
    // Throws ImportError for anything else, naming the recipe and what the
    // value is of.
    static std::optional<double> number(const nlohmann::ordered_json& value, const std::string& recipe,
                                        const std::string& of);
    // true, 1, "1", "true".
    static bool flag(const nlohmann::ordered_json& value);
};

} // namespace kelvora
