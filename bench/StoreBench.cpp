// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and writing a 100,000-row materials table, and key lookup; opening
// hostile files (many fields, many empty rows, a huge row count) with the
// memory each takes.
#include "model/MaterialLookup.h"
#include "model/OxideCatalogue.h"
#include "model/TableLayouts.h"
#include "store/Crc32.h"
#include "store/PacketCodec.h"
#include "store/RecordMapper.h"
#include "store/View.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <malloc.h>
#include <random>
#include <sys/resource.h>
#include <unistd.h>

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

// The same file opened and turned into values with the material catalogue
// built from them, as the glaze book does for a calculation.
void BM_OpenBinaryAsValues(benchmark::State& state) {
    fileOf(false);
    for (auto _ : state) {
        View v("MatCDS");
        openView(v, false);
        MaterialLookup catalogue(static_cast<std::size_t>(v.recordCount()));
        MaterialMapper::forEach(v, FieldParts::Input, [&](const Material& m) { catalogue.add(m); });
        benchmark::DoNotOptimize(catalogue.size());
    }
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
// Peak resident memory of a fresh process that opens `path` (as the
// materials window when `declared`, else as an import source): this program
// run again with KELVORA_BENCH_OPEN set, which opens and reports before main.
double peakRssMiB(const std::string& path, bool declared) {
    std::string cmd = "KELVORA_BENCH_OPEN='" + path + "' KELVORA_BENCH_DECLARED=" + (declared ? "1" : "0") +
                      " /proc/" + std::to_string(::getpid()) + "/exe";
    FILE* p = ::popen(cmd.c_str(), "r");
    double kib = -1;
    if (p && std::fscanf(p, "%lf", &kib) != 1) kib = -1;
    if (p) ::pclose(p);
    return kib / 1024.0;
}

const bool kMemoryProbe = [] {
    const char* path = std::getenv("KELVORA_BENCH_OPEN");
    if (!path) return false;
    try {
        View v(std::getenv("KELVORA_BENCH_DECLARED")[0] == '1' ? "MatCDS" : "ImpCDS", path);
        if (std::getenv("KELVORA_BENCH_DECLARED")[0] == '1') {
            v.declareFields(TableLayouts::materials());
            v.setIndexFieldNames("naam");
        }
        v.open();
    } catch (const std::exception&) {
        // a refusal is a result too: its memory is what counts here
    }
    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld\n", usage.ru_maxrss);
    std::fflush(stdout);
    ::_exit(0);
}();

template <typename T> void put(std::string& out, T value) {
    char buf[sizeof(T)];
    std::memcpy(buf, &value, sizeof(T));
    out.append(buf, sizeof(T));
}

std::string benchFile(const std::string& name, const std::function<std::string()>& make) {
    auto path = (std::filesystem::temp_directory_path() / "kelvora-bench" / name).string();
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << make();
    return path;
}

// 4,000 fields and 200,000 rows without a value: 1.4 MB of XML.
const std::string& emptyRowsXml() {
    static const std::string path = benchFile("empty-rows.xml", [] {
        std::string xml = "<?xml version=\"1.0\"?><DATAPACKET Version=\"2.0\"><METADATA><FIELDS>";
        for (int i = 0; i < 4000; ++i)
            xml += "<FIELD attrname=\"f" + std::to_string(i) + "\" fieldtype=\"string\" WIDTH=\"9\"/>";
        xml += "</FIELDS></METADATA><ROWDATA>";
        for (int r = 0; r < 200000; ++r)
            xml += "<ROW/>";
        return xml + "</ROWDATA></DATAPACKET>";
    });
    return path;
}

// 8 MB of binary rows: one text field, 8 million rows of one byte (all empty).
const std::string& hugeRowCountBinary() {
    static const std::string path = benchFile("huge-row-count.cds", [] {
        std::string out("KLVPKT\r\n", 8);
        put<std::uint32_t>(out, 1);
        put<std::uint32_t>(out, 1);
        put<std::uint16_t>(out, 4);
        out += "naam";
        put<std::uint8_t>(out, 1);
        put<std::uint32_t>(out, 40);
        put<std::uint32_t>(out, 8u << 20);
        out.append(8u << 20, '\x01');
        put<std::uint32_t>(out, crc32(out.data(), out.size()));
        return out;
    });
    return path;
}

// A header of 160,000 fields (refused: more than any table needs).
const std::string& wideHeaderXml() {
    static const std::string path = benchFile("wide-header.xml", [] {
        std::string xml = "<?xml version=\"1.0\"?><DATAPACKET Version=\"2.0\"><METADATA><FIELDS>";
        for (int i = 0; i < 160000; ++i)
            xml += "<FIELD attrname=\"f" + std::to_string(i) + "\" fieldtype=\"r8\"/>";
        return xml + "</FIELDS></METADATA><ROWDATA/></DATAPACKET>";
    });
    return path;
}

void openPlain(const std::string& path) {
    View v("ImpCDS", path);
    v.open();
    benchmark::DoNotOptimize(v.recordCount());
}

// Opens a hostile file again and again (a refusal counts as done) and reports
// the memory one opening takes against the bound 64 MiB + 8 x the file's size.
void hostile(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        try {
            openPlain(path);
        } catch (const StoreError&) {
        }
    }
    const double mib = static_cast<double>(std::filesystem::file_size(path)) / (1024.0 * 1024.0);
    state.counters["file_MiB"] = mib;
    state.counters["peak_rss_MiB"] = peakRssMiB(path, false);
    state.counters["bound_MiB"] = 64 + 8 * mib;
}

void BM_OpenEmptyRowsXml(benchmark::State& state) {
    hostile(state, emptyRowsXml());
}
void BM_OpenHugeRowCountBinary(benchmark::State& state) {
    hostile(state, hugeRowCountBinary());
}
void BM_OpenWideHeaderXml(benchmark::State& state) {
    hostile(state, wideHeaderXml());
}

// The memory an open of the 100,000-row table takes, against the same bound.
void BM_OpenBinaryPeakMemory(benchmark::State& state) {
    fileOf(false);
    for (auto _ : state) {
        state.counters["peak_rss_MiB"] = peakRssMiB(fileOf(false), true);
    }
    const double mib = static_cast<double>(std::filesystem::file_size(fileOf(false))) / (1024.0 * 1024.0);
    state.counters["file_MiB"] = mib;
    state.counters["bound_MiB"] = 64 + 8 * mib;
}
} // namespace

BENCHMARK(BM_OpenViewMemory)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenBinary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenBinaryAsValues)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenXml)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CloseWithWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeyLookup);
BENCHMARK(BM_OpenBinaryPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenEmptyRowsXml)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenHugeRowCountBinary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenWideHeaderXml)->Unit(benchmark::kMillisecond);
