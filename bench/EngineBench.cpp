// Cost of one glaze calculation over a realistic materials table, and of
// recalculating a whole glazes file.
#include "common/NumberFormat.h"
#include "common/Prompter.h"
#include "engine/GlzDMUnit.h"
#include "model/OxideCatalogue.h"
#include "model/TableLayouts.h"
#include "store/PacketCodec.h"

#include <benchmark/benchmark.h>

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
    for (int g = 0; g < count; ++g) {
        Row row = packet.emptyRow();
        packet.setText(row, index("naam"), "Glazuur " + std::to_string(100000 + g));
        packet.setText(row, index("molp"), mode);
        for (int n = 1; n <= TableLayouts::recipeSlots; ++n) {
            packet.setText(row, index(TableLayouts::matField(n)), materialName((g * 13 + n * 83) % 1000));
            packet.setNumber(row, index(TableLayouts::mtpField(n)), 3.0 + n);
            packet.setNumber(row, index(TableLayouts::mtmField(n)), 0.05 * n);
        }
        for (int n = 1; n <= 2; ++n) {
            packet.setText(row, index(TableLayouts::tvsField(n)), materialName((g + n * 311) % 1000));
            packet.setNumber(row, index(TableLayouts::tvpField(n)), 1.5 * n);
        }
        packet.rows.push_back(std::move(row));
    }
    return packet;
}

// One calculation of a 12-slot glaze. The amounts are put back before each
// run (inside the timing) so that every run scales and normalises again.
void calcGlaze(benchmark::State& state, const char* mode, bool calculate = true) {
    SilentPrompter prompter;
    TGlzDM dm(prompter, "unused");
    dm.MatCDS.openPacket(materials(1000));
    dm.GlzCDS.openPacket(glazes(1, mode));
    std::vector<int> mtp, mtm;
    for (int n = 1; n <= TableLayouts::recipeSlots; ++n) {
        mtp.push_back(dm.GlzCDS.fieldIndex(TableLayouts::mtpField(n)));
        mtm.push_back(dm.GlzCDS.fieldIndex(TableLayouts::mtmField(n)));
    }
    for (auto _ : state) {
        dm.GlzCDS.edit();
        for (int n = 0; n < TableLayouts::recipeSlots; ++n) {
            dm.GlzCDS.setNumber(mtp[static_cast<std::size_t>(n)], 4.0 + n);
            dm.GlzCDS.setNumber(mtm[static_cast<std::size_t>(n)], 0.05 * (n + 1));
        }
        dm.GlzCDS.post();
        if (calculate) dm.CalcGlaze(false, false);
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
