// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/NameClash.h"

#include "common/Utf8.h"
#include "store/View.h"

namespace kelvora {

bool NameClash::sameName(std::string_view a, std::string_view b) {
    return utf8::equalsIgnoreCaseAscii(utf8::trim(a), utf8::trim(b));
}

std::optional<std::string> NameClash::otherRowNamed(const View& view, std::string_view field,
                                                    std::string_view name) {
    if (!view.active() || utf8::trim(name).empty()) return std::nullopt;
    const int index = view.fieldIndex(field);
    const int current = view.recNo();
    for (int row = 0; row < view.recordCount(); ++row) {
        if (row == current) continue;
        std::string other = view.textAt(row, index);
        if (sameName(other, name)) return other;
    }
    return std::nullopt;
}

bool NameClash::nameIsNew(const View& view, std::string_view field) {
    if (view.state() == ViewState::Insert) return true;
    if (view.state() != ViewState::Edit) return false;
    return !sameName(view.keyBeforeEdit(), view.asText(field));
}

} // namespace kelvora
