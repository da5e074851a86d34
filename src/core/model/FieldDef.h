// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace kelvora {

enum class FieldType : std::uint8_t { Text = 1, Memo = 2, Float = 3, Integer = 4 };

// The type name used in the store's messages.
const char* fieldTypeName(FieldType type);

struct FieldDef {
    std::string name;
    FieldType type = FieldType::Text;
    int width = 0; // characters, text fields only
    bool operator==(const FieldDef&) const = default;
};

using FieldDefs = std::vector<FieldDef>;

} // namespace kelvora
