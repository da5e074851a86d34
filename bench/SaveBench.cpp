// SPDX-License-Identifier: GPL-3.0-or-later
// The write a window makes after each posting action: one edited glaze in a
// glazes table of 1,000 or 10,000 glazes, written whole and atomically (temporary
// file, fsync, rename, fsync of the folder) while the view stays open.
#include "model/OxideCatalogue.h"
#include "model/TableLayouts.h"
#include "store/PacketCodec.h"
#include "store/RecordMapper.h"
#include "store/View.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <random>
#include <string>

using namespace kelvora;

namespace {

// Glazes as a studio keeps them: a name, a description, a recipe of six
// materials with both columns, two additions and the computed oxides.
Packet glazes(int count) {
    Packet p(TableLayouts::glazes());
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> milli(1, 99999);
    auto value = [&] { return milli(rng) / 1000.0; };
    for (int i = 0; i < count; ++i) {
        Row r = p.emptyRow();
        p.setText(r, p.fieldIndex("naam"), "Glazuur " + std::to_string(100000 + i));
        p.setText(r, p.fieldIndex("omsc"),
                  "Proefbrand " + std::to_string(i) + ", zijdemat, kegel 6 oxiderend.");
        p.setText(r, p.fieldIndex("molp"), "P");
        p.setNumber(r, p.fieldIndex("prys"), value());
        for (int n = 1; n <= 6; ++n) {
            p.setText(r, p.fieldIndex(SlotFields::name(SlotKind::Recipe, n)),
                      "Materiaal " + std::to_string(n));
            p.setNumber(r, p.fieldIndex(SlotFields::amount(SlotKind::Recipe, n)), value());
            p.setNumber(r, p.fieldIndex(SlotFields::mols(n)), value() / 100);
        }
        for (int n = 1; n <= 2; ++n) {
            p.setText(r, p.fieldIndex(SlotFields::name(SlotKind::Addition, n)),
                      "Kleurstof " + std::to_string(n));
            p.setNumber(r, p.fieldIndex(SlotFields::amount(SlotKind::Addition, n)), value() / 10);
        }
        for (int k = 1; k <= OxideCatalogue::count; ++k)
            p.setNumber(r, p.fieldIndex(OxideCatalogue::at(k).stem), value() / 100);
        p.rows.push_back(std::move(r));
    }
    return p;
}

void BM_SaveAfterPost(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const auto dir = std::filesystem::temp_directory_path() / ("kelvora-savebench-" + std::to_string(count));
    std::filesystem::create_directories(dir);
    const std::string file = (dir / "glz.cds").string();
    writePacketFile(file, glazes(count));
    View view("GlzCDS", file);
    view.declareFields(TableLayouts::glazes());
    view.setIndexFieldNames("naam");
    view.open();
    view.setLogChanges(false);
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        view.edit();
        view.setText("oxrd", round++ % 2 ? "Ox." : "Red.");
        view.post();
        state.ResumeTiming();
        view.save();
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
    view.close();
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_SaveAfterPost)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
