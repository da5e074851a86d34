#include "glaze/BatchWeights.h"

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

} // namespace kelvora
