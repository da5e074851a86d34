// SPDX-License-Identifier: GPL-3.0-or-later
// Exact refusals of the two codecs: each hostile or damaged packet is refused
// with a message that names what is wrong and where, and whatever is accepted
// writes back unchanged.
#include "model/TableLayouts.h"
#include "store/Crc32.h"
#include "store/PacketCodec.h"
#include "support/TempDir.h"

#include <cstring>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

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

template <typename T> void put(std::string& out, T value) {
    char buf[sizeof(T)];
    std::memcpy(buf, &value, sizeof(T));
    out.append(buf, sizeof(T));
}

// Writes the CRC of everything before the last four bytes into them.
std::string sealed(std::string bytes) {
    std::uint32_t crc = crc32(bytes.data(), bytes.size() - 4);
    std::memcpy(bytes.data() + bytes.size() - 4, &crc, 4);
    return bytes;
}

struct FieldSpec {
    std::string name;
    std::uint8_t type;
    std::uint32_t width;
};

// A binary packet put together byte by byte, following BinaryPacketFormat.txt.
std::string binaryPacket(const std::vector<FieldSpec>& fields, std::uint32_t rowCount,
                         const std::string& rows) {
    std::string out("KLVPKT\r\n", 8);
    put<std::uint32_t>(out, 1);
    put<std::uint32_t>(out, static_cast<std::uint32_t>(fields.size()));
    for (const auto& f : fields) {
        put<std::uint16_t>(out, static_cast<std::uint16_t>(f.name.size()));
        out += f.name;
        put<std::uint8_t>(out, f.type);
        put<std::uint32_t>(out, f.width);
    }
    put<std::uint32_t>(out, rowCount);
    out += rows;
    put<std::uint32_t>(out, 0);
    return sealed(out);
}

std::string textValue(const std::string& text) {
    std::string out;
    put<std::uint32_t>(out, static_cast<std::uint32_t>(text.size()));
    return out + text;
}

// naam (text 40), omsc (memo), prys (float)
const std::vector<FieldSpec> kThree = {{"naam", 1, 40}, {"omsc", 2, 0}, {"prys", 3, 0}};

std::string xmlPacket(const std::string& rows, const std::string& extraFields = {}) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<DATAPACKET Version=\"2.0\"><METADATA><FIELDS>"
           "<FIELD attrname=\"naam\" fieldtype=\"string\" WIDTH=\"40\"/>"
           "<FIELD attrname=\"omsc\" fieldtype=\"bin.hex\" SUBTYPE=\"Text\"/>"
           "<FIELD attrname=\"prys\" fieldtype=\"r8\"/>" +
           extraFields + "</FIELDS></METADATA><ROWDATA>" + rows + "</ROWDATA></DATAPACKET>\n";
}
} // namespace

TEST(PacketRefusal, ChecksumIsCheckedBeforeTheVersion) {
    std::string good = binaryPacket(kThree, 0, "");
    std::string newer = good;
    newer[8] = 2;
    EXPECT_NE(errorOf([&] { decodeBinary(newer); }).find("damaged or incomplete"), std::string::npos);
    EXPECT_NE(errorOf([&] { decodeBinary(sealed(newer)); }).find("format version 2"), std::string::npos);
}

TEST(PacketRefusal, BinaryPacketsThatWouldNotWriteBackAreRefused) {
    const std::string oneRow = std::string(1, '\x06') + textValue("Klei"); // omsc and prys empty
    ASSERT_EQ(errorOf([&] { decodeBinary(binaryPacket(kThree, 1, oneRow)); }), "(no error)");
    // A width counts characters: four bytes of three characters fit a width of 3.
    ASSERT_EQ(
        errorOf([&] {
            decodeBinary(binaryPacket({{"naam", 1, 3}}, 1, std::string(1, '\x00') + textValue("Kl\xC3\xA9")));
        }),
        "(no error)");
    struct Case {
        const char* what;
        std::string bytes;
        const char* message;
    } cases[] = {
        {"width with its top bit set", binaryPacket({{"naam", 1, 0x80000028u}}, 0, ""),
         "field 'naam' has an invalid width"},
        {"text that is not UTF-8", binaryPacket(kThree, 1, std::string(1, '\x06') + textValue("Kl\xC3\x28i")),
         "field 'naam' of row 1 holds text that is not valid UTF-8"},
        {"lone surrogate in UTF-8",
         binaryPacket(kThree, 1, std::string(1, '\x06') + textValue("\xED\xA0\x80")),
         "field 'naam' of row 1 holds text that is not valid UTF-8"},
        {"text longer than its field's width",
         binaryPacket({{"naam", 1, 4}}, 1, std::string(1, '\x00') + textValue("Kleis")),
         "field 'naam' of row 1 holds a text of 5 characters, longer than its width of 4"},
        {"empty text not marked empty",
         binaryPacket(kThree, 2, oneRow + std::string(1, '\x06') + textValue("")),
         "field 'naam' of row 2 holds an empty text that is not marked empty"},
        {"bits past the last field", binaryPacket(kThree, 1, std::string(1, '\x0E') + textValue("Klei")),
         "row 1 has an invalid null map"},
        {"field name that is not UTF-8", binaryPacket({{"na\xFFm", 1, 40}}, 0, ""),
         "field 1 has a name that is not valid UTF-8"},
        {"field twice in other capitals", binaryPacket({{"naam", 1, 40}, {"NAAM", 2, 0}}, 0, ""),
         "field 'NAAM' appears twice"},
        {"too many fields", binaryPacket(std::vector<FieldSpec>(4097, {"x", 3, 0}), 0, ""),
         "at most 4096 fields"},
    };
    for (const auto& c : cases)
        EXPECT_NE(errorOf([&] { decodeBinary(c.bytes); }).find(c.message), std::string::npos)
            << c.what << ": " << errorOf([&] { decodeBinary(c.bytes); });
}

TEST(PacketRefusal, XmlRefusalsNameTheRowAndField) {
    struct Case {
        const char* what;
        std::string xml;
        const char* message;
    } cases[] = {
        {"NUL reference", xmlPacket("<ROW naam=\"a\"/><ROW naam=\"b&#0;c\"/>"),
         "field 'naam' of row 2 holds the character reference '&#0;', which is no valid character"},
        {"surrogate reference", xmlPacket("<ROW omsc=\"&#xD800;\"/>"),
         "field 'omsc' of row 1 holds the character reference '&#xD800;'"},
        {"reference past Unicode", xmlPacket("<ROW omsc=\"&#1114112;\"/>"),
         "field 'omsc' of row 1 holds the character reference '&#1114112;'"},
        {"invalid UTF-8", xmlPacket("<ROW naam=\"ok\"/><ROW naam=\"ok\"/><ROW naam=\"\xC3\x28\"/>"),
         "field 'naam' of row 3 holds text that is not valid UTF-8"},
        {"attribute twice", xmlPacket("<ROW naam=\"a\" naam=\"b\"/>"), "row 1 has the field 'naam' twice"},
        {"field twice in other capitals", xmlPacket("<ROW prys=\"1\" PRYS=\"2\"/>"),
         "row 1 has the field 'PRYS' twice"},
        {"other attribute twice", xmlPacket("<ROW RowState=\"4\" RowState=\"4\"/>"),
         "row 1 has the attribute 'RowState' twice"},
        {"field definition attribute twice",
         xmlPacket("", "<FIELD attrname=\"molg\" fieldtype=\"r8\" fieldtype=\"i4\"/>"),
         "field definition 4 has the attribute 'fieldtype' twice"},
        {"NUL byte", xmlPacket(std::string("<ROW naam=\"a\0b\"/>", 18)),
         "field 'naam' of row 1 holds the character NUL"},
    };
    for (const auto& c : cases) {
        std::string err = errorOf([&] { decodeXml(c.xml); });
        EXPECT_NE(err.find(c.message), std::string::npos) << c.what << ": " << err;
    }
}

TEST(PacketRefusal, XmlHeaderFieldLimitAndDuplicatesAreFoundInOnePass) {
    std::string fields; // with the three of xmlPacket(): 4,095
    for (int i = 0; i < 4092; ++i)
        fields += "<FIELD attrname=\"f" + std::to_string(i) + "\" fieldtype=\"r8\"/>";
    const std::string g = "<FIELD attrname=\"g\" fieldtype=\"r8\"/>";
    // 4,096 fields, the last one a second "F0": refused as a duplicate.
    std::string dup = xmlPacket("", fields + "<FIELD attrname=\"F0\" fieldtype=\"r8\"/>");
    EXPECT_NE(errorOf([&] { decodeXml(dup); }).find("field 'F0' appears twice"), std::string::npos);
    // 4,096 distinct fields are read; one more is refused.
    Packet full = decodeXml(xmlPacket("<ROW f4091=\"7\"/>", fields + g));
    EXPECT_EQ(full.fieldCount(), 4096);
    EXPECT_EQ(full.number(full.rows[0], 4094), 7);
    std::string over = xmlPacket("", fields + g + "<FIELD attrname=\"h\" fieldtype=\"r8\"/>");
    EXPECT_NE(errorOf([&] { decodeXml(over); }).find("it has more than 4096 fields"), std::string::npos);
}

TEST(PacketRefusal, RowsThatWouldNeedTooMuchMemoryAreRefused) {
    // 4096 float fields, one value per row: 520 bytes a row in the file, but
    // a row with a value holds a slot for every field.
    std::vector<FieldSpec> wide;
    for (int i = 0; i < 4096; ++i)
        wide.push_back({"f" + std::to_string(i), 3, 0});
    std::string row(512, '\xFF');
    row[0] = '\xFE';
    put<double>(row, 1.5);
    const int rows = 2000;
    std::string rowBytes;
    for (int r = 0; r < rows; ++r)
        rowBytes += row;
    std::string bytes = binaryPacket(wide, rows, rowBytes);
    std::string err = errorOf([&] { decodeBinary(bytes); });
    const std::size_t limitMiB = (kRowMemoryFloor + kRowMemoryPerInputByte * bytes.size()) >> 20;
    EXPECT_NE(err.find("its rows would need more than " + std::to_string(limitMiB) + " MiB of memory"),
              std::string::npos)
        << err;
    // The same rows, a few of them, are fine.
    Packet few = decodeBinary(binaryPacket(wide, 3, row + row + row));
    EXPECT_EQ(few.number(few.rows[2], 0), 1.5);

    // A row count far beyond what the file could hold is refused before anything is allocated.
    std::string huge = binaryPacket({{"naam", 1, 40}}, 8u << 20, std::string(8u << 20, '\x01'));
    EXPECT_NE(errorOf([&] { decodeBinary(huge); }).find("its rows would need more than"), std::string::npos);
}

TEST(PacketRefusal, ExportAsXmlAlwaysReadsBackOrIsRefused) {
    TempDir dir;
    Packet p(TableLayouts::materials());
    Row r = p.emptyRow();
    p.setText(r, p.fieldIndex("naam"), "Stuurtekens");
    p.setText(r, p.fieldIndex("omsc"), std::string("bel\x07, tab\t, esc\x1B, del\x7F, einde\x1F"));
    p.rows.push_back(r);
    writeXmlPacketFile(dir.file("ok.xml"), p);
    auto back = readPacketFile(dir.file("ok.xml"));
    ASSERT_TRUE(back);
    EXPECT_EQ(encodeBinary(*back), encodeBinary(p));

    p.setText(p.rows[0], p.fieldIndex("omsc"), std::string("a\0b", 3));
    std::string path = dir.file("nul.xml");
    EXPECT_EQ(errorOf([&] { writeXmlPacketFile(path, p); }),
              "Cannot write \"" + path +
                  "\" as XML: field 'omsc' of row 1 holds the character NUL, which XML cannot carry.");
    EXPECT_FALSE(std::filesystem::exists(path));

    Packet odd(FieldDefs{{"twee woorden", FieldType::Float, 0}});
    EXPECT_NE(errorOf([&] { encodeXml(odd); }).find("field 'twee woorden' has a name that XML cannot carry"),
              std::string::npos);
}

TEST(PacketRefusal, AcceptedBinaryFilesWriteBackByteForByte) {
    const std::string rows = std::string(1, '\x06') + textValue("Klei") + std::string(1, '\x00') +
                             textValue("Veldspaat") + textValue("memo") +
                             std::string("\0\0\0\0\0\0\xF8\x3F", 8);
    std::vector<std::string> files = {
        binaryPacket(kThree, 0, ""), binaryPacket(kThree, 2, rows),
        binaryPacket({{"naam", 1, 0x7FFFFFFFu}, {"tmpv", 4, 0}}, 1, std::string(1, '\x03')),
        binaryPacket({{"x", 3, 17}}, 1, std::string(1, '\x01')), // a width on a float field is kept
    };
    for (const auto& bytes : files)
        EXPECT_EQ(encodeBinary(decodeBinary(bytes)), bytes);
}
