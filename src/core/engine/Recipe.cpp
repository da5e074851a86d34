// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Recipe.h"

#include "store/View.h"

namespace kelvora {

std::optional<SlotKind> slotKindFromNumber(int number) {
    if (number == 1) return SlotKind::Recipe;
    if (number == 2) return SlotKind::Addition;
    return std::nullopt;
}

Recipe::Fields Recipe::fieldsOf(const View& glazes) {
    Fields f;
    f.molp = glazes.fieldIndex("molp");
    for (int n = 1; n <= slotCount; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        f.mat[i] = glazes.fieldIndex(TableLayouts::matField(n));
        f.mtp[i] = glazes.fieldIndex(TableLayouts::mtpField(n));
        f.mtm[i] = glazes.fieldIndex(TableLayouts::mtmField(n));
    }
    for (int n = 1; n <= additionCount; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        f.tvs[i] = glazes.fieldIndex(TableLayouts::tvsField(n));
        f.tvp[i] = glazes.fieldIndex(TableLayouts::tvpField(n));
    }
    return f;
}

void Recipe::read(const Packet& glazes, const Row& row, const Fields& fields, Recipe& recipe) {
    recipe.molp = glazes.text(row, fields.molp);
    for (std::size_t i = 0; i < static_cast<std::size_t>(slotCount); ++i) {
        RecipeSlot& slot = recipe.recipeSlots[i];
        slot.name = glazes.text(row, fields.mat[i]);
        slot.mtp = glazes.number(row, fields.mtp[i]);
        slot.mtm = glazes.number(row, fields.mtm[i]);
    }
    for (std::size_t i = 0; i < static_cast<std::size_t>(additionCount); ++i) {
        AdditionSlot& addition = recipe.additions[i];
        addition.name = glazes.text(row, fields.tvs[i]);
        addition.tvp = glazes.number(row, fields.tvp[i]);
    }
}

} // namespace kelvora
