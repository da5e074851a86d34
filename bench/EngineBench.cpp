// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one glaze calculation over a realistic materials table (the pure
// calculation, the data module's run on the record, and the bare arithmetic
// beneath both), and of recalculating a whole glazes file.
#include "common/NumberFormat.h"
#include "common/Prompter.h"
#include "engine/Calculate.h"
#include "engine/FiringRange.h"
#include "engine/GlzDMUnit.h"
#include "model/OxideCatalogue.h"
#include "model/TableLayouts.h"
#include "store/PacketCodec.h"
#include "store/RecordMapper.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

using namespace kelvora;

std::string materialName(int i) {
    char name[32];
    std::snprintf(name, sizeof name, "Grondstof %04d", i);
    return name;
}

// 1,000 materials, each with a few basic, neutral and acid oxides and a price.
Packet materials(int count) {
    Packet packet(TableLayouts::materials());
    const auto& fields = TableLayouts::materials();
    auto index = [&](const std::string& name) {
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (fields[i].name == name) return static_cast<int>(i);
        return -1;
    };
    const int naam = index("naam"), molg = index("molg"), prys = index("prys");
    for (int i = 0; i < count; ++i) {
        Row row = packet.emptyRow();
        packet.setText(row, naam, materialName(i));
        packet.setNumber(row, molg, 100.0 + i % 500);
        packet.setNumber(row, prys, 0.5 + (i % 40) * 0.25);
        const auto all = OxideCatalogue::all();
        for (int k = 0; k < 4; ++k) {
            const auto& oxide = all[static_cast<std::size_t>((i * 7 + k * 11) % OxideCatalogue::count)];
            packet.setNumber(row, index(std::string(oxide.stem)), 0.1 + 0.3 * k);
        }
        packet.setNumber(row, index("cao"), 0.2 + (i % 5) * 0.1);
        packet.rows.push_back(std::move(row));
    }
    return packet;
}

Packet glazes(int count, const char* mode) {
    Packet packet(TableLayouts::glazes());
    const auto& fields = TableLayouts::glazes();
    auto index = [&](const std::string& name) {
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (fields[i].name == name) return static_cast<int>(i);
        return -1;
    };
    (void)index;
    const GlazeMapper mapper(packet);
    for (int g = 0; g < count; ++g) {
        Glaze glaze;
        glaze.naam = "Glazuur " + std::to_string(100000 + g);
        glaze.recipe.molp = mode;
        for (int n = 1; n <= Recipe::slotCount; ++n) {
            auto& slot = glaze.recipe.recipeSlots[static_cast<std::size_t>(n - 1)];
            slot.name = materialName((g * 13 + n * 83) % 1000);
            slot.mtp = 3.0 + n;
            slot.mtm = 0.05 * n;
        }
        for (int n = 1; n <= 2; ++n) {
            auto& addition = glaze.recipe.additions[static_cast<std::size_t>(n - 1)];
            addition.name = materialName((g + n * 311) % 1000);
            addition.tvp = 1.5 * n;
        }
        Row row = packet.emptyRow();
        mapper.write(packet, row, glaze);
        packet.rows.push_back(std::move(row));
    }
    return packet;
}

// One calculation of a 12-slot glaze. The amounts are put back before each
// run (inside the timing) so that every run scales and normalises again;
// they alternate between two recipes of different proportions, so that every
// run also changes the formula, as pressing "Bereken" after an edit does.
void calcGlaze(benchmark::State& state, const char* mode, bool calculate = true) {
    SilentPrompter prompter;
    TGlzDM dm(prompter, "unused");
    dm.MatCDS.openPacket(materials(1000));
    dm.GlzCDS.openPacket(glazes(1, mode));
    std::vector<int> mtp, mtm;
    for (int n = 1; n <= Recipe::slotCount; ++n) {
        mtp.push_back(dm.GlzCDS.fieldIndex(SlotFields::amount(SlotKind::Recipe, n)));
        mtm.push_back(dm.GlzCDS.fieldIndex(SlotFields::mols(n)));
    }
    bool other = false;
    for (auto _ : state) {
        other = !other;
        const double shift = other ? 1.0 : 0.0;
        dm.GlzCDS.edit();
        for (int n = 0; n < Recipe::slotCount; ++n) {
            dm.GlzCDS.setNumber(mtp[static_cast<std::size_t>(n)], 4.0 + n + shift * 0.5 * n);
            dm.GlzCDS.setNumber(mtm[static_cast<std::size_t>(n)], 0.05 * (n + 1) + shift * 0.01 * n);
        }
        dm.GlzCDS.post();
        if (calculate && !dm.CalcGlaze(false, false)) state.SkipWithError("calculation stopped");
        benchmark::DoNotOptimize(dm.GlzCDS.asNumber(mtp[0]));
    }
}

void BM_CalcGlazeMol(benchmark::State& state) {
    calcGlaze(state, "M");
}
void BM_CalcGlazePercent(benchmark::State& state) {
    calcGlaze(state, "P");
}
// Putting the amounts back alone, to subtract from the two above.
void BM_ResetAmountsOnly(benchmark::State& state) {
    calcGlaze(state, "M", false);
}
BENCHMARK(BM_CalcGlazeMol)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ResetAmountsOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalcGlazePercent)->Unit(benchmark::kMicrosecond);

// The pure calculation alone, on the same glaze and materials: no view is
// read or written.
void pureCalculate(benchmark::State& state, const char* mode) {
    SilentPrompter prompter;
    TGlzDM dm(prompter, "unused");
    dm.MatCDS.openPacket(materials(1000));
    dm.GlzCDS.openPacket(glazes(1, mode));
    const Recipe recipe = dm.currentRecipe();
    const MaterialLookup& lookup = dm.materialLookup();
    for (auto _ : state) {
        const CalcResult result = calculate(recipe, lookup, {});
        if (result.stopped) state.SkipWithError("calculation stopped");
        benchmark::DoNotOptimize(result.mtp.data());
    }
}
void BM_CalculateMol(benchmark::State& state) {
    pureCalculate(state, "M");
}
void BM_CalculatePercent(benchmark::State& state) {
    pureCalculate(state, "P");
}
BENCHMARK(BM_CalculateMol)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculatePercent)->Unit(benchmark::kMicrosecond);

// Only the arithmetic of a percent-mode run over materials already found:
// normalise, derive mols, sum the oxides, scale to one mol of basic oxides,
// sum again, derive and normalise the percentages, price and firing range.
// The floor that the lookup, the messages and the view add to.
void BM_ArithmeticOnly(benchmark::State& state) {
    constexpr std::size_t slots = TableLayouts::recipeSlots;
    constexpr std::size_t oxides = OxideCatalogue::count;
    const Packet table = materials(1000);
    const int molgField = table.fieldIndex("molg"), prysField = table.fieldIndex("prys");
    std::array<std::array<double, oxides>, slots> analysis{};
    std::array<double, slots> molWeight{}, price{};
    for (std::size_t i = 0; i < slots; ++i) {
        const Row& row = table.rows[(static_cast<std::size_t>(i + 1) * 83) % 1000];
        molWeight[i] = table.number(row, molgField);
        price[i] = table.number(row, prysField);
        for (const auto& oxide : OxideCatalogue::all()) {
            const double v = table.number(row, table.fieldIndex(oxide.stem));
            analysis[i][static_cast<std::size_t>(oxide.position - 1)] = std::isnan(v) ? 0.0 : v;
        }
    }
    const std::size_t basic = OxideCatalogue::group(OxideGroup::Basic).size();
    for (auto _ : state) {
        std::array<double, slots> mtp{}, mtm{};
        for (std::size_t i = 0; i < slots; ++i)
            mtp[i] = 4.0 + static_cast<double>(i);
        benchmark::DoNotOptimize(mtp.data());
        double sum = 0.0;
        for (double v : mtp)
            sum += v;
        for (std::size_t i = 0; i < slots; ++i)
            mtm[i] = mtp[i] * 100.0 / sum / molWeight[i];
        std::array<double, oxides> totals{};
        auto addUp = [&] {
            totals.fill(0.0);
            for (std::size_t i = 0; i < slots; ++i)
                for (std::size_t k = 0; k < oxides; ++k)
                    totals[k] += analysis[i][k] * mtm[i];
        };
        addUp();
        double basicSum = 0.0;
        for (std::size_t k = 0; k < basic; ++k)
            basicSum += totals[k];
        for (double& v : mtm)
            v *= 1.0 / basicSum;
        addUp();
        sum = 0.0;
        for (std::size_t i = 0; i < slots; ++i)
            sum += mtp[i] = mtm[i] * molWeight[i];
        double cost = 0.0;
        for (std::size_t i = 0; i < slots; ++i)
            cost += (mtp[i] = mtp[i] * 100.0 / sum) * price[i];
        const FiringRange range = FiringRange::estimate(totals);
        benchmark::DoNotOptimize(cost);
        benchmark::DoNotOptimize(range);
        benchmark::DoNotOptimize(totals.data());
    }
}
BENCHMARK(BM_ArithmeticOnly)->Unit(benchmark::kMicrosecond);

// Recalculating a file of 10,000 glazes: read both files, calculate every
// glaze, write the glazes file back.
void BM_CalcAll10000(benchmark::State& state) {
    const auto dir = std::filesystem::temp_directory_path() / "kelvora-bench-calc-all";
    std::filesystem::create_directories(dir);
    writePacketFile((dir / "mat.cds").string(), materials(1000));
    const Packet fresh = glazes(10000, "P");
    for (auto _ : state) {
        state.PauseTiming();
        writePacketFile((dir / "glz.cds").string(), fresh);
        state.ResumeTiming();
        SilentPrompter prompter;
        TGlzDM dm(prompter, dir.string());
        dm.OpenTables();
        for (int row = 0; row < dm.GlzCDS.recordCount(); ++row) {
            dm.GlzCDS.moveTo(row);
            dm.CalcGlaze(false, false);
        }
        dm.CloseTables();
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_CalcAll10000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
