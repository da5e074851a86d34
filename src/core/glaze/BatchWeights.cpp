// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/BatchWeights.h"

#include "common/NumberFormat.h"
#include "common/Translate.h"
#include "common/Utf8.h"

namespace kelvora {

BatchWeights BatchWeights::compute(const Glaze& glaze, double batchGrams) {
    BatchWeights batch;
    auto add = [&](const std::string& name, double amount, bool addition) {
        const double percent = Recipe::amount(amount);
        if (Recipe::isBlank(name) || percent == 0) return;
        const double grams = percent * batchGrams / 100.0;
        batch.rows.push_back({name, percent, grams, addition});
        batch.total += grams;
    };
    for (const auto& slot : glaze.recipe.recipeSlots)
        add(slot.name, slot.mtp, false);
    for (const auto& addition : glaze.recipe.additions)
        add(addition.name, addition.tvp, true);
    batch.cost = Recipe::amount(glaze.prys) * batch.total / 1000.0;
    return batch;
}

std::vector<std::string> BatchWeights::sheet(const std::string& glazeName, double batchGrams) const {
    auto padded = [](std::string text, std::size_t width) {
        const std::size_t length = utf8::length(text);
        if (length < width) text.append(width - length, ' ');
        return text;
    };
    std::vector<std::string> lines{
        fillIn(translate("Batch", "Batch: %1"), {glazeName}), "",
        fillIn(translate("Batch", "Batchgrootte: %1 g"), {numfmt::formatFixed(batchGrams, 1)}), ""};
    for (const Row& row : rows)
        lines.push_back(padded((row.addition ? "+ " : "  ") + row.name, 44) +
                        numfmt::formatFixed(row.percent, 2, 7) + " %" +
                        numfmt::formatFixed(row.grams, 1, 12) + " g");
    lines.emplace_back();
    lines.push_back(padded(translate("Batch", "  Totaal"), 53) + numfmt::formatFixed(total, 1, 12) + " g");
    lines.push_back(fillIn(translate("Batch", "Kostprijs: %1"), {numfmt::formatFixed(cost, 2)}));
    return lines;
}

} // namespace kelvora
