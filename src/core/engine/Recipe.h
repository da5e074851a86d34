// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/TableLayouts.h"
#include "store/Packet.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kelvora {

class View;

// The two kinds of slot a glaze names its materials in: the recipe proper
// (`matN`, `mtpN`, `mtmN`) and the additions on top of it (`tvsN`, `tvpN`).
enum class SlotKind { Recipe, Addition };

// The glaze editor's tabs and older callers count the kinds 1 and 2; any
// other number names no kind of slot.
std::optional<SlotKind> slotKindFromNumber(int number);

// One recipe slot: a material name with its weight percentage and its mol
// amount. An empty amount is NaN, as in the store; it reads as 0.
struct RecipeSlot {
    std::string name;
    double mtp = kNullNumber;
    double mtm = kNullNumber;
};

// One addition: a material name and its parts on top of 100 parts of recipe.
struct AdditionSlot {
    std::string name;
    double tvp = kNullNumber;
};

// What a glaze record holds of its recipe, as a plain value: the mode
// (`molp`, "M" or "P"), the twelve recipe slots and the five additions.
struct Recipe {
    static constexpr int slotCount = TableLayouts::recipeSlots;
    static constexpr int additionCount = TableLayouts::additionSlots;

    // Positions of the recipe's fields in a glazes packet.
    struct Fields {
        int molp = -1;
        std::array<int, slotCount> mat{}, mtp{}, mtm{};
        std::array<int, additionCount> tvs{}, tvp{};
    };
    // Throws the view's StoreError when it is closed or lacks one of the fields.
    static Fields fieldsOf(const View& glazes);
    // Fills `recipe` from one row; reuses its strings' storage.
    static void read(const Packet& glazes, const Row& row, const Fields& fields, Recipe& recipe);

    // A name holding nothing but blanks (spaces and control characters, as
    // utf8::trim removes them) leaves its slot free.
    static bool isBlank(std::string_view name) {
        for (const char c : name)
            if (static_cast<unsigned char>(c) > ' ') return false;
        return true;
    }
    // An amount as a calculation reads it: empty is 0.
    static double amount(double value) { return isNullNumber(value) ? 0.0 : value; }

    std::string molp;
    // Not "slots": Qt defines that word as a macro in every window's sources.
    std::array<RecipeSlot, slotCount> recipeSlots;
    std::array<AdditionSlot, additionCount> additions;
};

} // namespace kelvora
