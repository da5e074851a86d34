// Opening and writing a 100,000-row materials table, and key lookup.
#include "model/OxideCatalogue.h"
#include "model/TableLayouts.h"
#include "store/PacketCodec.h"
#include "store/View.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <sys/resource.h>

using namespace kelvora;

namespace {
constexpr int kRows = 100000;

std::string nameOf(int i) {
    return "Materiaal " + std::to_string((i * 7919) % kRows);
}

// Realistic rows: a name, a description, price, weight, and a full molar and
// percentage analysis, as a converted material has.
Packet bigMaterials() {
    Packet p(TableLayouts::materials());
    std::mt19937 rng(42);
    std::uniform_real_distribution<double> u(0, 2);
    for (int i = 0; i < kRows; ++i) {
        Row r = p.emptyRow();
        p.setText(r, 0, nameOf(i));
        p.setText(r, 1, "Analyse volgens leverancier, partij " + std::to_string(i));
        for (int f = 2; f < p.fieldCount(); ++f)
            if (!p.isText(f)) p.setNumber(r, f, u(rng));
        p.setText(r, p.fieldIndex("levr"), "Leverancier");
        p.setText(r, p.fieldIndex("besc"), "J");
        p.setText(r, p.fieldIndex("molproc"), "P");
        p.rows.push_back(std::move(r));
    }
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
    for (auto _ : state) {
        View v("MatCDS");
        openView(v, false);
        benchmark::DoNotOptimize(v.recordCount());
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(fileOf(false)));
}

void BM_OpenXml(benchmark::State& state) {
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

// Resident memory of one open 100,000-row view, measured in a fresh process
// state as the growth of the peak resident set.
void BM_OpenViewMemory(benchmark::State& state) {
    for (auto _ : state) {
        rusage before{};
        getrusage(RUSAGE_SELF, &before);
        View v("MatCDS");
        openView(v, false);
        rusage after{};
        getrusage(RUSAGE_SELF, &after);
        state.counters["peak_rss_MB"] = static_cast<double>(after.ru_maxrss) / 1024.0;
    }
}
} // namespace

BENCHMARK(BM_OpenViewMemory)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenBinary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenXml)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CloseWithWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeyLookup);
