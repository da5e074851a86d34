// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/TableRules.h"
#include "common/Translate.h"

#include "common/Utf8.h"
#include "store/PacketCodec.h"
#include "store/RowMemoryBudget.h"

#include <cmath>
#include <cstdint>

namespace kelvora {

std::string TableRules::place(const FieldDef& field, std::size_t row) {
    return fillIn(translate("PacketFormat", "field '%1' of row %2"), {field.name, std::to_string(row + 1)});
}

std::string TableRules::textProblem(const FieldDef& field, std::string_view text) {
    if (!isValidUtf8Text(text)) return translate("PacketFormat", "text that is not valid UTF-8");
    // A text has at least one byte per character, so only a text longer in
    // bytes than the width needs counting.
    if (field.type == FieldType::Text && text.size() > static_cast<std::size_t>(field.width)) {
        const std::size_t characters = utf8::length(text);
        if (characters > static_cast<std::size_t>(field.width))
            return fillIn(translate("PacketFormat", "a text of %1 characters, longer than its width of %2"),
                          {std::to_string(characters), std::to_string(field.width)});
    }
    return {};
}

std::string TableRules::numberProblem(const FieldDef& field, double value) {
    if (isNullNumber(value)) return {};
    if (!std::isfinite(value)) return translate("PacketFormat", "a value that is not a number");
    if (field.type == FieldType::Integer &&
        (value != std::nearbyint(value) || value < INT32_MIN || value > INT32_MAX))
        return fillIn(translate("PacketFormat", "a value that is not a whole number from %1 to %2"),
                      {std::to_string(INT32_MIN), std::to_string(INT32_MAX)});
    return {};
}

void TableRules::checkValues(const Packet& packet) {
    const auto& fields = packet.fields();
    for (std::size_t r = 0; r < packet.rows.size(); ++r) {
        const Row& row = packet.rows[r];
        if (!packet.isMaterialized(row)) continue;
        for (int i = 0; i < packet.fieldCount(); ++i) {
            const FieldDef& f = fields[static_cast<std::size_t>(i)];
            const std::string problem = packet.isText(i) ? textProblem(f, packet.text(row, i))
                                                         : numberProblem(f, packet.number(row, i));
            if (!problem.empty())
                throw PacketFormatError(
                    fillIn(translate("PacketFormat", "%1 holds %2"), {place(f, r), problem}));
        }
    }
}

void TableRules::checkMemory(const Packet& packet, std::size_t encodedBytes) {
    // Counted exactly as the readers count: the rows, then for every row
    // with a value its slots and its long texts.
    RowMemoryBudget budget(encodedBytes);
    budget.reserveRows(packet.rows.size());
    for (const Row& row : packet.rows) {
        if (!packet.isMaterialized(row)) continue;
        bool any = false;
        for (const double v : row.num)
            any = any || !isNullNumber(v);
        for (const std::string& t : row.text)
            any = any || !t.empty();
        if (!any) continue; // written as a row without values, read back without slots
        budget.addSlots(packet.slotBytes());
        for (const std::string& t : row.text)
            if (!t.empty()) budget.addText(t.size());
    }
}

} // namespace kelvora
