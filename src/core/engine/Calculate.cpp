// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Calculate.h"

#include "common/Translate.h"
#include "engine/FiringRange.h"
#include "model/Material.h"

#include <climits>
#include <cmath>

namespace kelvora {

namespace {
constexpr std::size_t kSlots = Recipe::slotCount;
constexpr std::size_t kAdditions = Recipe::additionCount;
constexpr std::size_t kOxides = OxideCatalogue::count;
using Totals = std::array<double, kOxides>;
using Column = std::array<double, kSlots>;

// The run's messages, in the user's language.
std::string modeMessage() {
    return translate("Calculate", "Optie Mol gew./Perc moet M of p zijn!");
}
std::string notFoundMessage(const std::string& name) {
    return fillIn(translate("Calculate", "Proc. GetMG: kan materiaal niet vinden: %1"), {name});
}
std::string noMolWeightMessage(const std::string& name) {
    return fillIn(translate("Calculate", "Proc. GetMG: materiaal heeft geen molgewicht: %1"), {name});
}
std::string zeroPriceMessage() {
    return translate(
        "Calculate",
        "Er zijn materialen bij waarvan de prijs 0 is\r\nDe prijsberekening klopt waarschijnlijk niet");
}
std::string zeroPercentageMessage() {
    return translate("Calculate", "Totaalpercentage is 0, kan berekening niet uitvoeren");
}
std::string zeroBasicMessage() {
    return translate("Calculate", "Totale hoeveelheid basische elementen is 0\r\nControleer grondstoffen!");
}

// The store never holds a value that overflowed or came from 0/0: such a
// field is left empty, and an empty field reads back as 0. Every
// intermediate column goes through this, so the figures equal those of a
// calculation that wrote each step into the record and read it back.
double stored(double value) {
    return std::isfinite(value) ? value : kNullNumber;
}
double read(double value) {
    return Recipe::amount(value);
}

// Integer fields hold whole numbers within 32 bits; anything else is empty.
double storedInteger(double value) {
    if (!std::isfinite(value)) return kNullNumber;
    const double whole = std::nearbyint(value);
    return whole < INT_MIN || whole > INT_MAX ? kNullNumber : whole;
}

// The lookup of one run: each slot's material (nullptr when blank or not
// found), mol weight and price.
struct Lookup {
    std::array<const MaterialData*, kSlots> material{};
    Column molWeight{};
    Column price{};
    std::array<double, kAdditions> additionPrice{};
    // Lines of materials without analysis: they weigh but bring no oxides.
    std::array<bool, kSlots> withoutAnalysis{};
};

// Oxide totals of the mol column; slots without a material contribute nothing.
Totals totalsOf(const Lookup& lookup, const Column& mtm) {
    Totals totals{};
    for (std::size_t i = 0; i < kSlots; ++i) {
        const double mols = read(mtm[i]);
        const MaterialData* material = lookup.material[i];
        if (mols == 0.0 || !material || lookup.withoutAnalysis[i]) continue;
        // An oxide of 0 would add 0 × a finite amount: nothing.
        for (int j = 0; j < material->presentCount; ++j) {
            const std::size_t k = material->present[static_cast<std::size_t>(j)];
            totals[k] += material->oxides[k] * mols;
        }
    }
    return totals;
}

// Brings the percentages to a total of 100; a total of 0 cannot be brought
// anywhere and is said so.
void normalise(Column& mtp, std::vector<std::string>& messages) {
    double sum = 0.0;
    for (double value : mtp)
        sum += read(value);
    if (sum == 100.0) return;
    if (sum == 0.0) {
        messages.push_back(zeroPercentageMessage());
        return;
    }
    for (double& value : mtp)
        value = stored(read(value) * 100.0 / sum);
}

// The basic oxides, a contiguous run of the catalogue.
struct BasicRange {
    std::size_t first =
        static_cast<std::size_t>(OxideCatalogue::group(OxideGroup::Basic).front().position - 1);
    std::size_t end = first + OxideCatalogue::group(OxideGroup::Basic).size();
};
} // namespace

CalcResult calculate(const Recipe& recipe, const MaterialLookup& materials, const CalcOptions& options) {
    CalcResult result;
    const bool percentMode = recipe.molp == "P";
    if (!percentMode && recipe.molp != "M") {
        result.messages.push_back(modeMessage());
        result.stopped = true;
        return result;
    }

    // Every non-blank slot is looked up once, recipe slots first. A slot
    // whose amount cannot be turned into mols stops the run after all
    // messages are out, so the user sees every fault at once.
    Lookup lookup;
    bool fault = false;
    for (std::size_t i = 0; i < kSlots; ++i) {
        const RecipeSlot& slot = recipe.recipeSlots[i];
        if (Recipe::isBlank(slot.name)) continue;
        const double amount = read(percentMode ? slot.mtp : slot.mtm);
        const MaterialData* material = materials.find(slot.name);
        if (!material) {
            result.messages.push_back(notFoundMessage(slot.name));
            fault = fault || amount != 0.0;
            continue;
        }
        result.lastMaterialRow = material->row;
        lookup.material[i] = material;
        lookup.molWeight[i] = material->molg;
        lookup.price[i] = material->prys;
        if (material->prys == 0.0) result.messages.push_back(zeroPriceMessage());
        if (material->withoutAnalysis) {
            // Its weight goes through the run as if a mol weighed a gram, so
            // that it keeps its share of the batch; it has no oxides to add.
            lookup.withoutAnalysis[i] = true;
            lookup.molWeight[i] = 1.0;
            result.messages.push_back(Material::withoutAnalysisNote(slot.name));
            continue;
        }
        if (material->molg == 0.0 && amount != 0.0) {
            result.messages.push_back(noMolWeightMessage(slot.name));
            fault = true;
        }
    }
    // An addition that cannot be found costs nothing; it still weighs.
    for (std::size_t i = 0; i < kAdditions; ++i) {
        const AdditionSlot& addition = recipe.additions[i];
        if (Recipe::isBlank(addition.name)) continue;
        const MaterialData* material = materials.find(addition.name);
        if (!material) {
            result.messages.push_back(notFoundMessage(addition.name));
            continue;
        }
        result.lastMaterialRow = material->row;
        lookup.additionPrice[i] = material->prys;
        if (material->prys == 0.0) result.messages.push_back(zeroPriceMessage());
    }
    if (fault) {
        result.stopped = true;
        return result;
    }

    Column& mtp = result.mtp;
    Column& mtm = result.mtm;
    for (std::size_t i = 0; i < kSlots; ++i) {
        mtp[i] = recipe.recipeSlots[i].mtp;
        // A line without analysis is given by its weight in either mode.
        mtm[i] = lookup.withoutAnalysis[i] ? recipe.recipeSlots[i].mtp : recipe.recipeSlots[i].mtm;
    }

    if (percentMode) {
        double sum = 0.0;
        for (double value : mtp)
            sum += read(value);
        if (sum == 0.0) {
            result.messages.push_back(zeroPercentageMessage());
            result.stopped = true;
            return result;
        }
        if (!options.percentNotToHundred) normalise(mtp, result.messages);
        // A slot without a mol weight has percentage 0 here (else the run
        // stopped) and keeps the mol amount it had.
        for (std::size_t i = 0; i < kSlots; ++i)
            if (lookup.molWeight[i] != 0.0) mtm[i] = stored(read(mtp[i]) / lookup.molWeight[i]);
    }

    Totals totals = totalsOf(lookup, mtm);
    static const BasicRange basic;
    double basicSum = 0.0;
    for (std::size_t k = basic.first; k < basic.end; ++k)
        basicSum += totals[k];
    if (basicSum == 0.0) {
        result.messages.push_back(zeroBasicMessage());
        result.stopped = true;
        return result;
    }
    if (basicSum != 1.0 && !options.basicNotToOne) {
        const double factor = 1.0 / basicSum;
        for (double& value : mtm)
            value = stored(read(value) * factor);
        totals = totalsOf(lookup, mtm);
    }

    // What the formula fields will hold, and read back as, empty as 0.
    Totals formula{};
    for (std::size_t k = 0; k < kOxides; ++k) {
        result.oxides[k] = stored(totals[k]);
        formula[k] = read(result.oxides[k]);
    }

    for (std::size_t i = 0; i < kSlots; ++i)
        mtp[i] = stored(read(mtm[i]) * lookup.molWeight[i]);
    if (!options.percentNotToHundred) normalise(mtp, result.messages);

    // A line without analysis has no mol amount to store.
    for (std::size_t i = 0; i < kSlots; ++i)
        if (lookup.withoutAnalysis[i]) mtm[i] = kNullNumber;

    double cost = 0.0;
    for (std::size_t i = 0; i < kSlots; ++i)
        cost += read(mtp[i]) * lookup.price[i];
    double batchWeight = 100.0;
    for (std::size_t i = 0; i < kAdditions; ++i) {
        const double parts = read(recipe.additions[i].tvp);
        cost += parts * lookup.additionPrice[i];
        batchWeight += parts;
    }
    // Additions of exactly -100 parts leave no batch to price: the price stays empty.
    result.prys = batchWeight == 0.0 ? kNullNumber : stored(cost / batchWeight);

    const FiringRange range = FiringRange::estimate(formula);
    result.tmpv = storedInteger(range.from);
    result.tmpt = storedInteger(range.to);
    return result;
}

void applyResult(const CalcResult& result, Glaze& glaze) {
    glaze.oxides = result.oxides;
    for (std::size_t i = 0; i < result.mtp.size(); ++i) {
        glaze.recipe.recipeSlots[i].mtp = result.mtp[i];
        glaze.recipe.recipeSlots[i].mtm = result.mtm[i];
    }
    glaze.prys = result.prys;
    glaze.tmpv = result.tmpv;
    glaze.tmpt = result.tmpt;
}

} // namespace kelvora
