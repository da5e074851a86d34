// SPDX-License-Identifier: GPL-3.0-or-later
// Imports at scale: time linear in the number of records, and a materials file
// that always stays readable, however many records are added.
#include "materials/MaterialImporter.h"
#include "model/TableLayouts.h"
#include "store/PacketCodec.h"
#include "store/StoreError.h"
#include "support/TempDir.h"

#include <chrono>
#include <gtest/gtest.h>

using namespace kelvora;
using kelvora::test::readBytes;
using kelvora::test::TempDir;

namespace {
Packet materialRows(std::size_t count, const std::string& namePrefix) {
    Packet p(TableLayouts::materials());
    p.rows.resize(count);
    if (!namePrefix.empty())
        for (std::size_t i = 0; i < count; ++i)
            p.setText(p.rows[i], 0, namePrefix + std::to_string(i));
    return p;
}
} // namespace

TEST(ImportScale, TwoHundredThousandEmptyRecordsImportInLinearTime) {
    // Each record used to be inserted before the previous one, which moved
    // every row after it: 200,000 records took minutes. The bound here is
    // generous for a busy machine; the benchmark kelvora_bench_import shows
    // the real time (well under a second).
    TempDir dir;
    const std::string materials = dir.file("mat.cds"), source = dir.file("bron.cds");
    writePacketFile(materials, materialRows(3, "Bestaand "));
    writePacketFile(source, materialRows(200000, ""));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(MaterialImporter::importFile(materials, source), 200000);
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 10.0);
    auto back = readPacketFile(materials);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->rows.size(), 200003u);
    // Appended after the stored records, in the order of the source.
    EXPECT_EQ(back->text(back->rows[2], 0), "Bestaand 2");
    EXPECT_FALSE(back->isMaterialized(back->rows[3]));
}

TEST(ImportScale, RepeatedImportsNeverLeaveAnUnreadableFile) {
    // Imports of 15,000 name-only materials, again and again: each one either
    // appends its records or, once the file's rows would need more memory
    // than a reader allows, is refused with the reader's message before the
    // file is touched. The file reads after every attempt.
    TempDir dir;
    const std::string materials = dir.file("mat.cds"), source = dir.file("bron.cds");
    writePacketFile(materials, materialRows(0, ""));
    writePacketFile(source, materialRows(15000, "Naam "));
    std::size_t expected = 0;
    int refused = 0;
    for (int attempt = 1; attempt <= 6; ++attempt) {
        SCOPED_TRACE("import " + std::to_string(attempt));
        const std::string before = readBytes(materials);
        try {
            EXPECT_EQ(MaterialImporter::importFile(materials, source), 15000);
            expected += 15000;
        } catch (const StoreError& e) {
            ++refused;
            EXPECT_NE(std::string(e.what()).find("its rows would need more than"), std::string::npos)
                << e.what();
            EXPECT_EQ(readBytes(materials), before);
        }
        auto back = readPacketFile(materials);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->rows.size(), expected);
    }
    EXPECT_GT(refused, 0);
    EXPECT_GE(expected, 45000u);
}
