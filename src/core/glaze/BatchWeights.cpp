// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/BatchWeights.h"

#include "common/NumberFormat.h"
#include "common/Utf8.h"

namespace kelvora {

namespace {
bool blank(const std::string& name) {
    return name.find_first_not_of(' ') == std::string::npos;
}
} // namespace

BatchWeights BatchWeights::compute(const View& glazes, double batchGrams) {
    BatchWeights batch;
    auto add = [&](const std::string& nameField, const std::string& amountField, bool addition) {
        const std::string name = glazes.asText(nameField);
        const double percent = glazes.asNumber(amountField);
        if (blank(name) || percent == 0) return;
        const double grams = percent * batchGrams / 100.0;
        batch.rows.push_back({name, percent, grams, addition});
        batch.total += grams;
    };
    for (int slot = 1; slot <= 12; ++slot)
        add("mat" + std::to_string(slot), "mtp" + std::to_string(slot), false);
    for (int slot = 1; slot <= 5; ++slot)
        add("tvs" + std::to_string(slot), "tvp" + std::to_string(slot), true);
    batch.cost = glazes.asNumber("prys") * batch.total / 1000.0;
    return batch;
}

std::vector<std::string> BatchWeights::sheet(const std::string& glazeName, double batchGrams) const {
    auto padded = [](std::string text, std::size_t width) {
        const std::size_t length = utf8::length(text);
        if (length < width) text.append(width - length, ' ');
        return text;
    };
    std::vector<std::string> lines{"Batch: " + glazeName, "",
                                   "Batchgrootte: " + numfmt::formatFixed(batchGrams, 1) + " g", ""};
    for (const Row& row : rows)
        lines.push_back(padded((row.addition ? "+ " : "  ") + row.name, 44) +
                        numfmt::formatFixed(row.percent, 2, 7) + " %" +
                        numfmt::formatFixed(row.grams, 1, 12) + " g");
    lines.emplace_back();
    lines.push_back(padded("  Totaal", 53) + numfmt::formatFixed(total, 1, 12) + " g");
    lines.push_back("Kostprijs: " + numfmt::formatFixed(cost, 2));
    return lines;
}

} // namespace kelvora
