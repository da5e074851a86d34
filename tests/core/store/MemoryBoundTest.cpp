// SPDX-License-Identifier: GPL-3.0-or-later
// Opening any file takes at most 64 MiB + 8 x its size: each hostile input is
// opened in a child process whose address space is limited to that much more
// than it had, so a decoder that over-allocates fails there instead of
// passing unnoticed. (The time these inputs take is measured in bench/StoreBench.)
#include "model/OxideCatalogue.h"
#include "model/TableLayouts.h"
#include "store/Crc32.h"
#include "store/PacketCodec.h"
#include "store/View.h"
#include "support/TempDir.h"

#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <new>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kelvora;
using kelvora::test::TempDir;

#if defined(__SANITIZE_ADDRESS__)
#define KELVORA_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KELVORA_ASAN 1
#endif
#endif

namespace {
// The address space this process uses now, from /proc/self/statm (pages).
std::size_t addressSpaceNow() {
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0;
    statm >> pages;
    return pages * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
}

enum Outcome { Opened = 0, Refused = 1, OutOfMemory = 2, Other = 3 };

// Opens `path` as the materials window would, in a child limited to its
// present address space + 64 MiB + 8 x the file's size.
Outcome openWithinBound(const std::string& path, bool declared) {
    const std::size_t size = std::filesystem::file_size(path);
    pid_t pid = ::fork();
    if (pid == 0) {
        const std::size_t limit = addressSpaceNow() + (64u << 20) + 8 * size;
        struct rlimit rl = {limit, limit};
        if (::setrlimit(RLIMIT_AS, &rl) != 0) ::_exit(Other);
        try {
            View view("MatCDS", path);
            if (declared) view.declareFields(TableLayouts::materials());
            view.setIndexFieldNames(declared ? "naam" : "");
            view.open();
            ::_exit(view.recordCount() > 0 ? Opened : Other);
        } catch (const std::bad_alloc&) {
            ::_exit(OutOfMemory);
        } catch (const StoreError& e) {
            ::_exit(std::strstr(e.what(), "memory") ? Refused : Other);
        } catch (...) {
            ::_exit(Other);
        }
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? static_cast<Outcome>(WEXITSTATUS(status)) : OutOfMemory;
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

template <typename T> void put(std::string& out, T value) {
    char buf[sizeof(T)];
    std::memcpy(buf, &value, sizeof(T));
    out.append(buf, sizeof(T));
}

// 4,000 fields and 200,000 rows without a value: 1.4 MB of XML.
std::string manyEmptyXmlRows() {
    std::string xml = "<?xml version=\"1.0\"?><DATAPACKET Version=\"2.0\"><METADATA><FIELDS>";
    for (int i = 0; i < 4000; ++i)
        xml += "<FIELD attrname=\"f" + std::to_string(i) + "\" fieldtype=\"string\" WIDTH=\"9\"/>";
    xml += "</FIELDS></METADATA><ROWDATA>";
    for (int r = 0; r < 200000; ++r)
        xml += "<ROW/>";
    return xml + "</ROWDATA></DATAPACKET>";
}

// A binary packet of `fields` text fields whose rows carry `perRow` bytes each
// (a null map and perhaps a value), filling about 8 MB.
std::string binaryRows(int fields, const std::string& row) {
    std::string out("KLVPKT\r\n", 8);
    put<std::uint32_t>(out, 1);
    put<std::uint32_t>(out, static_cast<std::uint32_t>(fields));
    for (int i = 0; i < fields; ++i) {
        std::string name = "f" + std::to_string(i);
        put<std::uint16_t>(out, static_cast<std::uint16_t>(name.size()));
        out += name;
        put<std::uint8_t>(out, 1);
        put<std::uint32_t>(out, 9);
    }
    const std::uint32_t rows = static_cast<std::uint32_t>((8u << 20) / row.size());
    put<std::uint32_t>(out, rows);
    for (std::uint32_t r = 0; r < rows; ++r)
        out += row;
    put<std::uint32_t>(out, crc32(out.data(), out.size()));
    return out;
}

// 100,000 materials with a name, a description and a handful of oxides.
Packet benchmarkTable() {
    Packet p(TableLayouts::materials());
    for (int i = 0; i < 100000; ++i) {
        Row r = p.emptyRow();
        p.setText(r, 0, "Materiaal " + std::to_string(i));
        p.setText(r, 1, "Analyse volgens leverancier, partij " + std::to_string(i));
        for (int k = 0; k < 8; ++k)
            p.setNumber(r, p.fieldIndex(OxideCatalogue::at(1 + (i + k * 3) % OxideCatalogue::count).stem),
                        (i % 997) / 100.0);
        p.rows.push_back(std::move(r));
    }
    return p;
}
} // namespace

TEST(MemoryBound, HostileAndLargeFilesOpenWithinTheirBound) {
#ifdef KELVORA_ASAN
    GTEST_SKIP() << "AddressSanitizer reserves terabytes of address space";
#endif
    TempDir dir;
    std::string oneValue(1, '\0'); // one text field, never empty: a null map and a 1-byte text
    put<std::uint32_t>(oneValue, 1);
    oneValue += 'x';
    std::string wideValue(512, '\xFF'); // 4,096 fields, one value a row
    wideValue[0] = '\xFE';
    put<std::uint32_t>(wideValue, 1);
    wideValue += 'x';
    struct Case {
        const char* what;
        std::string bytes;
        bool declared;
        Outcome expected;
    } cases[] = {
        {"XML, 4,000 fields x 200,000 empty rows", manyEmptyXmlRows(), false, Opened},
        {"binary, 8 MB of rows without a value", binaryRows(1, std::string(1, '\x01')), false, Refused},
        {"binary, 4,096 fields, 8 MB of empty rows", binaryRows(4096, std::string(512, '\xFF')), false,
         Opened},
        {"binary, one short text a row", binaryRows(1, oneValue), false, Refused},
        {"binary, 4,096 fields, one value a row", binaryRows(4096, wideValue), false, Refused},
        {"binary, 100,000 materials", encodeBinary(benchmarkTable()), true, Opened},
    };
    for (const auto& c : cases) {
        std::string path = dir.file("case.cds");
        writeFile(path, c.bytes);
        EXPECT_EQ(openWithinBound(path, c.declared), c.expected) << c.what;
    }
}
