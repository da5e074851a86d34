// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/FieldDef.h"

namespace kelvora {

const char* fieldTypeName(FieldType type) {
    switch (type) {
    case FieldType::Text:
        return "String";
    case FieldType::Memo:
        return "Memo";
    case FieldType::Float:
        return "Float";
    case FieldType::Integer:
        return "Integer";
    }
    return "Unknown";
}

} // namespace kelvora
