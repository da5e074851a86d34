// SPDX-License-Identifier: GPL-3.0-or-later
// One set of rules for what a table may hold: a value the readers would refuse
// is refused when it is set and again by both writers, before anything is
// written, with the reader's words.
#include "model/TableLayouts.h"
#include "store/PacketCodec.h"
#include "store/StoreError.h"
#include "store/View.h"
#include "support/TempDir.h"

#include <cmath>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

using namespace kelvora;
using kelvora::test::readBytes;
using kelvora::test::TempDir;

namespace {
std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "(no error)";
}

std::vector<std::string> folderNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

const FieldDefs kFields = {{"naam", FieldType::Text, 8},
                           {"omsc", FieldType::Memo, 0},
                           {"prys", FieldType::Float, 0},
                           {"tmpv", FieldType::Integer, 0}};

Packet twoRows() {
    Packet p(kFields);
    for (const char* name : {"Klei", "Zand"}) {
        Row row;
        p.setText(row, 0, name);
        p.setNumber(row, 2, 1.5);
        p.setNumber(row, 3, 1200);
        p.rows.push_back(row);
    }
    return p;
}
} // namespace

TEST(TableRules, WritersRefuseWhatAReaderWouldRefuseAndWriteNothing) {
    struct Case {
        const char* what;
        std::function<void(Packet&, Row&)> spoil;
        const char* message;
    } cases[] = {
        {"text that is no UTF-8", [](Packet& p, Row& r) { p.setText(r, 0, "Bad\xff"); },
         "field 'naam' of row 2 holds text that is not valid UTF-8"},
        {"memo that is no UTF-8", [](Packet& p, Row& r) { p.setText(r, 1, "half \xC3"); },
         "field 'omsc' of row 2 holds text that is not valid UTF-8"},
        {"text longer than its width", [](Packet& p, Row& r) { p.setText(r, 0, "Veldspaat"); },
         "field 'naam' of row 2 holds a text of 9 characters, longer than its width of 8"},
        {"float that is infinite",
         [](Packet& p, Row& r) { p.setNumber(r, 2, std::numeric_limits<double>::infinity()); },
         "field 'prys' of row 2 holds a value that is not a number"},
        {"integer with a fraction", [](Packet& p, Row& r) { p.setNumber(r, 3, 2.5); },
         "field 'tmpv' of row 2 holds a value that is not a whole number from -2147483648 to 2147483647"},
        {"integer past 32 bits", [](Packet& p, Row& r) { p.setNumber(r, 3, 3e9); },
         "field 'tmpv' of row 2 holds a value that is not a whole number"},
    };
    TempDir dir;
    const std::string binary = dir.file("mat.cds"), xml = dir.file("mat.xml");
    writePacketFile(binary, twoRows());
    writeXmlPacketFile(xml, twoRows());
    const std::string binaryBefore = readBytes(binary), xmlBefore = readBytes(xml);
    const auto namesBefore = folderNames(dir.path());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Packet p = twoRows();
        c.spoil(p, p.rows[1]);
        EXPECT_NE(errorOf([&] { encodeBinary(p); }).find(c.message), std::string::npos)
            << errorOf([&] { encodeBinary(p); });
        EXPECT_NE(errorOf([&] { encodeXml(p); }).find(c.message), std::string::npos)
            << errorOf([&] { encodeXml(p); });
        EXPECT_NE(errorOf([&] { writePacketFile(binary, p); }).find(c.message), std::string::npos);
        EXPECT_NE(errorOf([&] { writeXmlPacketFile(xml, p); }).find(c.message), std::string::npos);
        EXPECT_EQ(readBytes(binary), binaryBefore);
        EXPECT_EQ(readBytes(xml), xmlBefore);
        EXPECT_EQ(folderNames(dir.path()), namesBefore);
    }
}

TEST(TableRules, AValueAtEachEdgeOfTheRulesIsWrittenAndReadBack) {
    Packet p = twoRows();
    p.setText(p.rows[0], 0, "Kl\xC3\xA9i-\xE2\x82\xAC\xF0\x9F\x98\x80"); // 8 characters in 13 bytes
    p.setText(p.rows[0], 1, std::string(100000, 'x'));
    p.setNumber(p.rows[0], 2, -std::numeric_limits<double>::max());
    p.setNumber(p.rows[0], 3, -2147483648.0);
    p.setNumber(p.rows[1], 3, 2147483647.0);
    p.setNumber(p.rows[1], 2, std::numeric_limits<double>::denorm_min());
    const std::string bytes = encodeBinary(p);
    EXPECT_EQ(encodeBinary(decodeBinary(bytes)), bytes);
    EXPECT_EQ(encodeBinary(decodeXml(encodeXml(p))), bytes);
}

TEST(TableRules, ViewRefusesTextThatNoReaderWouldAcceptWhenItIsSet) {
    // A glaze named "Bad\xff" used to be stored and then make the whole table
    // unreadable; now the name is refused at once and the file stays whole.
    TempDir dir;
    const std::string path = dir.file("glz.cds");
    writePacketFile(path, Packet(TableLayouts::glazes()));
    const std::string before = readBytes(path);
    {
        View view("GlzCDS", path);
        view.declareFields(TableLayouts::glazes());
        view.setIndexFieldNames("naam");
        view.open();
        view.insert();
        EXPECT_EQ(errorOf([&] { view.setText("naam", "Bad\xff"); }),
                  "GlzCDS: Field 'naam' cannot hold text that is not valid UTF-8");
        EXPECT_EQ(errorOf([&] { view.setText("omsc", "\xC3("); }),
                  "GlzCDS: Field 'omsc' cannot hold text that is not valid UTF-8");
        EXPECT_FALSE(view.modified());
        // What fits is kept: a text field keeps its width in characters,
        // never half a character.
        view.setText("naam", std::string(38, 'a') + "\xC3\xA9\xC3\xA9\xC3\xA9");
        EXPECT_EQ(view.asText("naam"), std::string(38, 'a') + "\xC3\xA9\xC3\xA9");
        view.post();
        view.close();
    }
    auto back = readPacketFile(path);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->rows.size(), 1u);
    EXPECT_NE(readBytes(path), before);
}

TEST(TableRules, RowsBeyondTheReadersMemoryBudgetAreRefusedBeforeWriting) {
    // A name and 1023 empty numbers a row: a few bytes in the file, a slot
    // for every field in memory. The largest table the writer accepts reads
    // back; one row more is refused with the reader's message and the old
    // file stays.
    FieldDefs wide{{"naam", FieldType::Text, 40}};
    for (int i = 1; i < 1024; ++i)
        wide.push_back({"f" + std::to_string(i), FieldType::Float, 0});
    auto withRows = [&](std::size_t count) {
        Packet p(wide);
        p.rows.resize(count);
        for (Row& row : p.rows)
            p.setText(row, 0, "Kwarts");
        return p;
    };
    auto writes = [&](std::size_t count) {
        return errorOf([&] { encodeBinary(withRows(count)); }) == "(no error)";
    };
    std::size_t low = 1, high = 8000; // low writes, high does not
    ASSERT_TRUE(writes(low));
    ASSERT_FALSE(writes(high));
    while (high - low > 1) {
        const std::size_t mid = (low + high) / 2;
        (writes(mid) ? low : high) = mid;
    }
    const Packet largest = decodeBinary(encodeBinary(withRows(low)));
    EXPECT_EQ(largest.rows.size(), low);
    EXPECT_EQ(largest.text(largest.rows[low - 1], 0), "Kwarts");

    TempDir dir;
    const std::string path = dir.file("mat.cds"), xml = dir.file("mat.xml");
    writePacketFile(path, withRows(1));
    const std::string before = readBytes(path);
    const std::string refused = errorOf([&] { writePacketFile(path, withRows(high)); });
    EXPECT_NE(refused.find("its rows would need more than"), std::string::npos) << refused;
    EXPECT_NE(refused.find("MiB of memory, more than Kelvora allows for a file of this size"),
              std::string::npos);
    EXPECT_EQ(readBytes(path), before);
    EXPECT_NE(errorOf([&] { writeXmlPacketFile(xml, withRows(high)); }).find("its rows would need more than"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(xml));
}
