// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/NullNumber.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

// The two kinds of place a glaze names its materials in: the recipe proper
// and the additions on top of it.
enum class SlotKind { Recipe, Addition };

// The glaze editor's tabs and older callers count the kinds 1 and 2; any
// other number names no kind of slot.
std::optional<SlotKind> slotKindFromNumber(int number);

// One recipe line: a material name with its weight percentage and its mol
// amount. An empty amount is NaN, as in the store; it reads as 0.
struct RecipeSlot {
    std::string name;
    double mtp = kNullNumber;
    double mtm = kNullNumber;
    bool operator==(const RecipeSlot&) const;
};

// One addition: a material name and its parts on top of 100 parts of recipe.
struct AdditionSlot {
    std::string name;
    double tvp = kNullNumber;
    bool operator==(const AdditionSlot&) const;
};

// A glaze's recipe as a plain value: the mode ("M" mols or "P" percentages),
// twelve recipe lines and five additions.
struct Recipe {
    static constexpr int slotCount = 12;
    static constexpr int additionCount = 5;

    // The one rule for an empty place: a name holding nothing but blanks
    // (spaces and control characters, as utf8::trim removes them) names no
    // material, for the calculation, the batch, the solver and the rename alike.
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

    // The names of the non-blank recipe lines in order, each once.
    std::vector<std::string> materialNames() const;
    // Whether any line or addition names `name` exactly (a blank name never).
    bool uses(std::string_view name) const;
    // Replaces `from` by `to` in every line and addition naming it exactly;
    // the number of places changed.
    int rename(std::string_view from, const std::string& to);
    // Puts `name` into the first blank place of the kind; false when all are taken.
    bool addName(SlotKind kind, const std::string& name);
    // Takes the first place of the kind whose name equals `name` exactly out:
    // the later places move up one and the last is emptied (amounts 0).
    // False when no place holds the name.
    bool removeName(SlotKind kind, std::string_view name);
    // The non-blank names of the kind, trimmed, in order; a name standing in
    // two places is listed twice.
    std::vector<std::string> trimmedNames(SlotKind kind) const;
    // The stored name of the place a trimmed choice stands for: an exact match
    // wins, then the first place whose trimmed name equals the choice; the
    // choice itself when none matches (also for "", the first empty place).
    std::string storedName(SlotKind kind, const std::string& choice) const;

    bool operator==(const Recipe&) const;
};

} // namespace kelvora
