// Opening and writing a 100,000-row materials table, and key lookup.
#include "model/OxideCatalogue.h"
#include "model/TableLayouts.h"
#include "store/PacketCodec.h"
#include "store/View.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <random>

using namespace kelvora;

namespace {
constexpr int kRows = 100000;

std::string nameOf(int i) {
    return "Materiaal " + std::to_string((i * 7919) % kRows);
}

// Rows as a real materials table holds them: a name, a short description,
// supplier, price, molecular weight and an analysis of a handful of oxides,
// entered as percentages and converted to mols (values with a few decimals).
Packet bigMaterials() {
    Packet p(TableLayouts::materials());
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> oxide(0, OxideCatalogue::count - 1);
    std::uniform_int_distribution<int> milli(1, 99999);
    auto value = [&] { return milli(rng) / 1000.0; };
    for (int i = 0; i < kRows; ++i) {
        Row r = p.emptyRow();
        p.setText(r, 0, nameOf(i));
        p.setText(r, 1, "Analyse volgens leverancier, partij " + std::to_string(i));
        p.setNumber(r, p.fieldIndex("prys"), value());
        p.setNumber(r, p.fieldIndex("molg"), value() * 10);
        p.setText(r, p.fieldIndex("levr"), "Leverancier");
        p.setText(r, p.fieldIndex("besc"), "J");
        p.setText(r, p.fieldIndex("molproc"), "P");
        for (int k = 0; k < 8; ++k) {
            const Oxide& o = OxideCatalogue::at(oxide(rng) + 1);
            p.setNumber(r, p.fieldIndex(o.stem), value() / 10);
            p.setNumber(r, p.fieldIndex(o.percentField()), value());
        }
        p.rows.push_back(std::move(r));
    }
    // The store writes rows in name order; so does this file.
    std::stable_sort(p.rows.begin(), p.rows.end(),
                     [&p](const Row& a, const Row& b) { return p.text(a, 0) < p.text(b, 0); });
    return p;
}

const std::string& fileOf(bool xml) {
    static const std::string dir = [] {
        auto d = std::filesystem::temp_directory_path() / "kelvora-bench";
        std::filesystem::create_directories(d);
        Packet p = bigMaterials();
        writePacketFile((d / "mat.cds").string(), p);
        writeXmlPacketFile((d / "mat.xml").string(), p);
        return d.string();
    }();
    static const std::string bin = dir + "/mat.cds", xmlf = dir + "/mat.xml";
    return xml ? xmlf : bin;
}

void openView(View& v, bool xml) {
    v.setFileName(fileOf(xml));
    v.declareFields(TableLayouts::materials());
    v.setIndexFieldNames("naam");
    v.open();
}

void BM_OpenBinary(benchmark::State& state) {
    fileOf(false);
    for (auto _ : state) {
        View v("MatCDS");
        openView(v, false);
        benchmark::DoNotOptimize(v.recordCount());
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(fileOf(false)));
}

void BM_OpenXml(benchmark::State& state) {
    fileOf(true);
    for (auto _ : state) {
        View v("MatCDS");
        openView(v, true);
        benchmark::DoNotOptimize(v.recordCount());
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(fileOf(true)));
}

void BM_CloseWithWrite(benchmark::State& state) {
    View v("MatCDS");
    openView(v, false);
    std::string out = fileOf(false) + ".out";
    v.setFileName(out);
    for (auto _ : state) {
        writePacketFile(out, v.packet());
    }
}

void BM_KeyLookup(benchmark::State& state) {
    View v("MatCDS");
    openView(v, false);
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(v.findKey(nameOf(i)));
        i = (i + 1) % kRows;
    }
}

// Heap memory held by one open 100,000-row view.
void BM_OpenViewMemory(benchmark::State& state) {
    fileOf(false);
    for (auto _ : state) {
        auto before = mallinfo2().uordblks;
        View v("MatCDS");
        openView(v, false);
        auto after = mallinfo2().uordblks;
        state.counters["view_MB"] = static_cast<double>(after - before) / (1024.0 * 1024.0);
    }
}
} // namespace

BENCHMARK(BM_OpenViewMemory)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenBinary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenXml)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CloseWithWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeyLookup);
