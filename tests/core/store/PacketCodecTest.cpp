// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/PacketCodec.h"
#include "model/TableLayouts.h"
#include "store/AtomicFile.h"
#include "store/View.h"
#include "support/TempDir.h"

#include <cerrno>
#include <gtest/gtest.h>

using namespace kelvora;
using kelvora::test::fixture;
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

Packet sampleMaterials() {
    Packet p(TableLayouts::materials());
    Row r = p.emptyRow();
    p.setText(r, p.fieldIndex("naam"), "Veldspaat kali");
    p.setText(r, p.fieldIndex("omsc"), "Theoretisch: K2O·Al2O3·6SiO2\r\nRegel 2 <&>\"\t");
    p.setNumber(r, p.fieldIndex("molg"), 556.66);
    p.setNumber(r, p.fieldIndex("prys"), 1.0 / 3);
    p.setNumber(r, p.fieldIndex("k2o"), 1);
    p.setNumber(r, p.fieldIndex("sio2"), 6);
    p.setNumber(r, p.fieldIndex("sb2o5proc"), -1.5e-300);
    p.rows.push_back(r);
    p.rows.push_back(p.emptyRow()); // a row with every value empty
    return p;
}

void expectSameRows(const Packet& a, const Packet& b) {
    ASSERT_EQ(a.fields(), b.fields());
    ASSERT_EQ(a.rows.size(), b.rows.size());
    for (std::size_t r = 0; r < a.rows.size(); ++r)
        for (int f = 0; f < a.fieldCount(); ++f) {
            ASSERT_EQ(a.isNull(a.rows[r], f), b.isNull(b.rows[r], f)) << r << ":" << f;
            if (a.isNull(a.rows[r], f)) continue;
            if (a.isText(f))
                EXPECT_EQ(a.text(a.rows[r], f), b.text(b.rows[r], f));
            else
                EXPECT_EQ(a.number(a.rows[r], f), b.number(b.rows[r], f)); // exact: no digits lost
        }
}
} // namespace

TEST(PacketCodec, BothEncodingsRoundTripExactly) {
    Packet p = sampleMaterials();
    expectSameRows(p, decodeBinary(encodeBinary(p)));
    expectSameRows(p, decodeXml(encodeXml(p)));
    expectSameRows(p, decodePacket(encodeXml(p)));
    EXPECT_EQ(encodeBinary(decodeBinary(encodeBinary(p))), encodeBinary(p));
}

TEST(PacketCodec, XmlLayoutOfTheDataPacket) {
    std::string xml = encodeXml(sampleMaterials());
    EXPECT_EQ(
        xml.rfind(
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<DATAPACKET Version=\"2.0\">", 0),
        0u);
    EXPECT_NE(xml.find("<FIELD attrname=\"naam\" fieldtype=\"string\" WIDTH=\"40\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<FIELD attrname=\"omsc\" fieldtype=\"bin.hex\" SUBTYPE=\"Text\"/>"),
              std::string::npos);
    EXPECT_NE(xml.find("<FIELD attrname=\"prys\" fieldtype=\"r8\"/>"), std::string::npos);
    EXPECT_NE(xml.find("molg=\"556.66\""), std::string::npos) << "floats use '.' whatever the locale";
    EXPECT_NE(xml.find("<ROW/>"), std::string::npos) << "empty values are left out";
    Packet glazes(TableLayouts::glazes());
    EXPECT_NE(encodeXml(glazes).find("<FIELD attrname=\"tmpv\" fieldtype=\"i4\"/>"), std::string::npos);
}

TEST(PacketCodec, ReadsPacketWrittenByAnotherProgram) {
    auto p = readPacketFile(fixture("glz_written_elsewhere.xml"));
    ASSERT_TRUE(p);
    // The layout of the glaze table before it grew the status and parent fields.
    const FieldDefs& now = TableLayouts::glazes();
    ASSERT_EQ(p->fields(), FieldDefs(now.begin(), now.end() - 2))
        << "lower-case width and extra attributes are accepted";
    // Originals (1) and deleted rows (2) of a change log are skipped.
    ASSERT_EQ(p->rows.size(), 3u);
    const Row& celadon = p->rows[0];
    EXPECT_EQ(p->text(celadon, p->fieldIndex("naam")), "Celadon kegel 10");
    EXPECT_EQ(p->text(celadon, p->fieldIndex("omsc")), "Regel één\r\nRegel twee & <drie>");
    EXPECT_EQ(p->number(celadon, p->fieldIndex("tmpv")), 1190);
    EXPECT_TRUE(p->isNull(celadon, p->fieldIndex("mat3")));
    EXPECT_EQ(p->text(p->rows[1], p->fieldIndex("naam")), "Aangepast");
    EXPECT_EQ(p->number(p->rows[1], p->fieldIndex("fe2o3")), 0.015);
}

TEST(PacketCodec, RefusesDamagedAndForeignFiles) {
    struct Case {
        const char* file;
        const char* reason;
    } cases[] = {
        {"mat_truncated.cds", "damaged or incomplete"},
        {"mat_bad_checksum.cds", "damaged or incomplete"},
        {"mat_newer_version.cds", "format version 2"},
        {"not_a_packet.cds", "not a data packet"},
        {"xml_doctype.xml", "document type declaration"},
        {"xml_unknown_entity.xml", "unknown entity '&foo;'"},
        {"xml_not_wellformed.xml", "well-formed"},
        {"xml_text_in_float.xml", "'1,5' is not a valid number for field 'prys'"},
    };
    for (const auto& c : cases) {
        std::string path = fixture(c.file);
        std::string err = errorOf([&] { readPacketFile(path); });
        EXPECT_NE(err.find(path), std::string::npos) << c.file << ": " << err;
        EXPECT_NE(err.find(c.reason), std::string::npos) << c.file << ": " << err;
    }
}

TEST(PacketCodec, RefusesOversizedXmlBeforeParsing) {
    std::string big(kMaxXmlBytes + 1, ' ');
    EXPECT_NE(errorOf([&] { decodeXml(big); }).find("256 MiB"), std::string::npos);
}

TEST(PacketCodec, EveryTruncationOfABinaryFileIsRefused) {
    std::string bytes = encodeBinary(sampleMaterials());
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        std::string cut = bytes.substr(0, n);
        EXPECT_ANY_THROW(decodeBinary(cut)) << n;
    }
}

TEST(PacketCodec, DamagedViewFileIsNeverWrittenOver) {
    TempDir dir;
    std::string path = dir.file("mat.cds");
    std::string damaged = readBytes(fixture("mat_bad_checksum.cds"));
    test::writeBytes(path, damaged);
    View view("MatCDS", path);
    std::string err = errorOf([&] { view.open(); });
    EXPECT_EQ(err.rfind("MatCDS: Cannot read data file", 0), 0u) << err;
    EXPECT_FALSE(view.active());
    view.close();
    EXPECT_EQ(readBytes(path), damaged);
}

TEST(AtomicFile, WriterFailingAfterNBytesLeavesOldFileWhole) {
    TempDir dir;
    std::string path = dir.file("glz.cds");
    Packet p = sampleMaterials();
    writePacketFile(path, p);
    std::string old = readBytes(path);
    p.setText(p.rows[1], p.fieldIndex("naam"), std::string(40, 'n'));
    for (std::size_t limit : {std::size_t(0), std::size_t(1), std::size_t(100), old.size() - 1}) {
        std::size_t written = 0;
        AtomicFile::setWriteFunctionForTesting([&](int fd, const void* data, std::size_t size) -> ssize_t {
            if (written >= limit) {
                errno = ENOSPC;
                return -1;
            }
            std::size_t n = std::min(size, limit - written);
            written += n;
            return ::write(fd, data, n);
        });
        std::string err = errorOf([&] { writePacketFile(path, p); });
        AtomicFile::setWriteFunctionForTesting(nullptr);
        EXPECT_NE(err.find("No space left on device"), std::string::npos) << err;
        EXPECT_EQ(readBytes(path), old) << "after " << limit << " bytes";
    }
    // No temporary files are left behind.
    int files = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.path()))
        files += e.is_regular_file();
    EXPECT_EQ(files, 1);
}

TEST(AtomicFile, XmlToViewToBinaryAndBack) {
    TempDir dir;
    std::string path = dir.file("glz.cds");
    test::writeBytes(path, readBytes(fixture("glz_written_elsewhere.xml")));
    View view("GlzCDS", path);
    view.declareFields(TableLayouts::glazes());
    view.setIndexFieldNames("naam");
    view.open();
    view.edit();
    view.setText("oxrd", "Reductie");
    view.post();
    view.close(); // now written in binary
    std::string first = readBytes(path);
    ASSERT_TRUE(looksBinary(first));

    View again("GlzCDS", path);
    again.declareFields(TableLayouts::glazes());
    again.setIndexFieldNames("naam");
    again.open();
    EXPECT_EQ(again.recordCount(), 3);
    ASSERT_TRUE(again.findKey("Celadon kegel 10"));
    EXPECT_EQ(again.asText("oxrd"), "");
    ASSERT_TRUE(again.findKey("Aangepast"));
    EXPECT_EQ(again.asText("oxrd"), "Reductie");
    again.edit();
    again.setText("oxrd", "Reductie");
    again.post();
    again.close(); // same content, written again: same bytes
    EXPECT_EQ(readBytes(path), first);
}
