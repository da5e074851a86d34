// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Recipe.h"

#include "common/Utf8.h"

#include <algorithm>
#include <cstring>

namespace kelvora {

namespace {
// Two amounts are the same value when both are empty or both hold the same bits.
bool sameNumber(double a, double b) {
    if (isNullNumber(a) || isNullNumber(b)) return isNullNumber(a) && isNullNumber(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}
} // namespace

bool RecipeSlot::operator==(const RecipeSlot& o) const {
    return name == o.name && sameNumber(mtp, o.mtp) && sameNumber(mtm, o.mtm);
}

bool AdditionSlot::operator==(const AdditionSlot& o) const {
    return name == o.name && sameNumber(tvp, o.tvp);
}

bool Recipe::operator==(const Recipe& o) const {
    return molp == o.molp && recipeSlots == o.recipeSlots && additions == o.additions;
}

std::optional<SlotKind> slotKindFromNumber(int number) {
    if (number == 1) return SlotKind::Recipe;
    if (number == 2) return SlotKind::Addition;
    return std::nullopt;
}

std::vector<std::string> Recipe::materialNames() const {
    std::vector<std::string> names;
    for (const auto& slot : recipeSlots)
        if (!isBlank(slot.name) && std::find(names.begin(), names.end(), slot.name) == names.end())
            names.push_back(slot.name);
    return names;
}

bool Recipe::uses(std::string_view name) const {
    if (isBlank(name)) return false;
    for (const auto& slot : recipeSlots)
        if (slot.name == name) return true;
    for (const auto& addition : additions)
        if (addition.name == name) return true;
    return false;
}

int Recipe::rename(std::string_view from, const std::string& to) {
    if (isBlank(from)) return 0;
    int changed = 0;
    for (auto& slot : recipeSlots)
        if (slot.name == from) {
            slot.name = to;
            ++changed;
        }
    for (auto& addition : additions)
        if (addition.name == from) {
            addition.name = to;
            ++changed;
        }
    return changed;
}

bool Recipe::addName(SlotKind kind, const std::string& name) {
    if (kind == SlotKind::Recipe) {
        for (auto& slot : recipeSlots)
            if (isBlank(slot.name)) {
                slot.name = name;
                return true;
            }
        return false;
    }
    for (auto& addition : additions)
        if (isBlank(addition.name)) {
            addition.name = name;
            return true;
        }
    return false;
}

namespace {
// Moves the places after `at` up one and empties the last; an empty amount
// moves up as 0, as the editor always showed it.
template <typename Slots, typename Clear> void closeGap(Slots& places, std::size_t at, Clear clear) {
    for (std::size_t j = at; j + 1 < places.size(); ++j) {
        places[j] = places[j + 1];
        clear(places[j], false);
    }
    places.back().name.clear();
    clear(places.back(), true);
}
} // namespace

bool Recipe::removeName(SlotKind kind, std::string_view name) {
    if (kind == SlotKind::Recipe) {
        const auto it = std::find_if(recipeSlots.begin(), recipeSlots.end(),
                                     [&](const RecipeSlot& s) { return s.name == name; });
        if (it == recipeSlots.end()) return false;
        closeGap(recipeSlots, static_cast<std::size_t>(it - recipeSlots.begin()),
                 [](RecipeSlot& s, bool last) {
                     s.mtp = last ? 0.0 : amount(s.mtp);
                     s.mtm = last ? 0.0 : amount(s.mtm);
                 });
        return true;
    }
    const auto it = std::find_if(additions.begin(), additions.end(),
                                 [&](const AdditionSlot& s) { return s.name == name; });
    if (it == additions.end()) return false;
    closeGap(additions, static_cast<std::size_t>(it - additions.begin()),
             [](AdditionSlot& s, bool last) { s.tvp = last ? 0.0 : amount(s.tvp); });
    return true;
}

std::vector<std::string> Recipe::trimmedNames(SlotKind kind) const {
    std::vector<std::string> names;
    auto add = [&](const std::string& stored) {
        const std::string_view trimmed = utf8::trim(stored);
        if (!trimmed.empty()) names.emplace_back(trimmed);
    };
    if (kind == SlotKind::Recipe)
        for (const auto& slot : recipeSlots)
            add(slot.name);
    else
        for (const auto& addition : additions)
            add(addition.name);
    return names;
}

std::string Recipe::storedName(SlotKind kind, const std::string& choice) const {
    std::vector<const std::string*> stored;
    if (kind == SlotKind::Recipe)
        for (const auto& slot : recipeSlots)
            stored.push_back(&slot.name);
    else
        for (const auto& addition : additions)
            stored.push_back(&addition.name);
    for (const auto* name : stored)
        if (*name == choice) return choice;
    if (choice.empty()) return choice;
    for (const auto* name : stored)
        if (utf8::trim(*name) == choice) return *name;
    return choice;
}

} // namespace kelvora
