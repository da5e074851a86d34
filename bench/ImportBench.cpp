// SPDX-License-Identifier: GPL-3.0-or-later
// Importing materials from a table file: every record costs the same whatever
// the size of the source and of the materials table. The import of 200,000
// empty records should take well under a second.
#include "materials/MaterialImporter.h"
#include "model/TableLayouts.h"
#include "store/PacketCodec.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>

using namespace kelvora;

namespace {
// A folder of its own for one benchmark, removed at the end.
struct Scratch {
    std::filesystem::path folder;
    Scratch() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kelvora-bench-XXXXXX").string();
        folder = ::mkdtemp(pattern.data());
    }
    ~Scratch() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
};

Packet rows(std::size_t count, bool named) {
    Packet p(TableLayouts::materials());
    p.rows.resize(count);
    if (named)
        for (std::size_t i = 0; i < count; ++i)
            p.setText(p.rows[i], 0, "Materiaal " + std::to_string(i));
    return p;
}

// state.range(0) records imported into a table of 1,000 materials; the second
// argument: 0 empty records, 1 records with only a name.
void BM_ImportRecords(benchmark::State& state) {
    Scratch scratch;
    const std::string materials = (scratch.folder / "mat.cds").string();
    const std::string source = (scratch.folder / "bron.cds").string();
    writePacketFile(source, rows(static_cast<std::size_t>(state.range(0)), state.range(1) != 0));
    const Packet start = rows(1000, true);
    for (auto _ : state) {
        state.PauseTiming();
        writePacketFile(materials, start);
        state.ResumeTiming();
        benchmark::DoNotOptimize(MaterialImporter::importFile(materials, source));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ImportRecords)
    ->Args({50000, 0})
    ->Args({100000, 0})
    ->Args({200000, 0})
    ->Args({50000, 1})
    ->Unit(benchmark::kMillisecond);
} // namespace
