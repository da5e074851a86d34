// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/SlotChoice.h"

#include "common/Utf8.h"
#include "model/TableLayouts.h"

namespace kelvora {

namespace {
int slotCount(int kind) {
    if (kind == 1) return TableLayouts::recipeSlots;
    if (kind == 2) return TableLayouts::additionSlots;
    return 0;
}

std::string nameField(int kind, int n) {
    return kind == 1 ? TableLayouts::matField(n) : TableLayouts::tvsField(n);
}
} // namespace

std::vector<std::string> SlotChoice::offeredNames(const View& glazes, int kind) {
    std::vector<std::string> names;
    for (int n = 1; n <= slotCount(kind); ++n) {
        const std::string stored = glazes.asText(nameField(kind, n));
        const std::string_view trimmed = utf8::trim(stored);
        if (!trimmed.empty()) names.emplace_back(trimmed);
    }
    return names;
}

std::string SlotChoice::storedName(const View& glazes, int kind, const std::string& choice) {
    const int slots = slotCount(kind);
    for (int n = 1; n <= slots; ++n)
        if (glazes.asText(nameField(kind, n)) == choice) return choice;
    if (choice.empty()) return choice;
    for (int n = 1; n <= slots; ++n) {
        std::string stored = glazes.asText(nameField(kind, n));
        if (utf8::trim(stored) == choice) return stored;
    }
    return choice;
}

} // namespace kelvora
