// SPDX-License-Identifier: GPL-3.0-or-later
// Tables that grow: a file written before the program knew a field opens with
// that field empty, and the next write stores it.
#include "model/TableLayouts.h"
#include "store/PacketCodec.h"
#include "store/StoreError.h"
#include "store/View.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace kelvora;
using kelvora::test::fixture;
using kelvora::test::readBytes;
using kelvora::test::TempDir;

namespace {
std::string messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "(no error)";
}

void openGlazes(View& view) {
    view.declareFields(TableLayouts::glazes());
    view.setIndexFieldNames("naam");
    view.open();
}
} // namespace

TEST(GrowingTable, FileWithoutAFieldOpensWithItEmptyAndKeepsEverythingElse) {
    // The fixture has every glaze field but "molp" (its rows even carry a
    // molp attribute, which without a field definition is no value).
    TempDir dir;
    const std::string path = dir.file("glz.cds");
    std::filesystem::copy_file(fixture("glz_missing_field.xml"), path);
    const std::string before = readBytes(path);

    View view("GlzCDS", path);
    openGlazes(view);
    ASSERT_TRUE(view.hasField("molp"));
    EXPECT_EQ(view.recordCount(), 3);
    ASSERT_TRUE(view.findKey("Celadon kegel 10"));
    EXPECT_TRUE(view.isNull("molp"));
    EXPECT_EQ(view.asText("mat1"), "Veldspaat kali");
    EXPECT_EQ(view.asText("tmpv"), "1190");
    ASSERT_TRUE(view.findKey("Zonder status"));
    EXPECT_TRUE(view.isNull("molp"));

    // Opening and closing without a change writes nothing.
    view.close();
    EXPECT_EQ(readBytes(path), before);
}

TEST(GrowingTable, NextWriteStoresTheNewFieldWithEveryRow) {
    TempDir dir;
    const std::string path = dir.file("glz.cds");
    std::filesystem::copy_file(fixture("glz_missing_field.xml"), path);
    {
        View view("GlzCDS", path);
        openGlazes(view);
        ASSERT_TRUE(view.findKey("Aangepast"));
        view.edit();
        view.setText("molp", "P");
        view.post();
        view.close();
    }
    auto packet = readPacketFile(path);
    ASSERT_TRUE(packet);
    ASSERT_TRUE(looksBinary(readBytes(path)));
    const int molp = packet->fieldIndex("molp");
    ASSERT_GE(molp, 0);
    EXPECT_EQ(packet->fields()[static_cast<std::size_t>(molp)], (FieldDef{"molp", FieldType::Text, 1}));
    EXPECT_EQ(packet->fieldCount(), static_cast<int>(TableLayouts::glazes().size()));

    View again("GlzCDS", path);
    openGlazes(again);
    ASSERT_TRUE(again.findKey("Aangepast"));
    EXPECT_EQ(again.asText("molp"), "P");
    EXPECT_EQ(again.asText("fe2o3"), "0.015");
    ASSERT_TRUE(again.findKey("Celadon kegel 10"));
    EXPECT_TRUE(again.isNull("molp"));
    EXPECT_EQ(again.asText("mtm2"), "0.7");
}

TEST(GrowingTable, NumberAndTextFieldsAreAddedToRowsWithAndWithoutValues) {
    // A table of only names, and one whole empty row: the added fields are
    // empty in both, and the empty row stays without values.
    TempDir dir;
    const std::string path = dir.file("mat.cds");
    Packet old(FieldDefs{{"naam", FieldType::Text, 40}});
    Row named;
    old.setText(named, 0, "Kwarts");
    old.rows.push_back(named);
    old.rows.push_back(old.emptyRow());
    writePacketFile(path, old);

    View view("MatCDS", path);
    view.declareFields(TableLayouts::materials());
    view.open();
    ASSERT_EQ(view.fields().size(), TableLayouts::materials().size());
    view.first();
    EXPECT_EQ(view.asText("naam"), "Kwarts");
    EXPECT_TRUE(view.isNull("prys"));
    EXPECT_TRUE(view.isNull("omsc"));
    view.edit();
    view.setNumber(view.fieldIndex("prys"), 1.25);
    view.post();
    view.next();
    EXPECT_TRUE(view.isNull("naam"));
    EXPECT_TRUE(view.isNull("sio2"));
    view.close();

    auto packet = readPacketFile(path);
    ASSERT_TRUE(packet);
    EXPECT_EQ(packet->fields(), TableLayouts::materials());
    EXPECT_EQ(packet->number(packet->rows[0], packet->fieldIndex("prys")), 1.25);
    EXPECT_FALSE(packet->isMaterialized(packet->rows[1]));
}

TEST(GrowingTable, ADeclaredFieldOfAnotherTypeAndANewerFileAreStillRefused) {
    TempDir dir;
    const std::string path = dir.file("mat.cds");
    FieldDefs fields = TableLayouts::materials();
    fields[2].type = FieldType::Text; // prys as text
    fields[2].width = 10;
    writePacketFile(path, Packet(fields));
    View view("MatCDS", path);
    view.declareFields(TableLayouts::materials());
    EXPECT_EQ(messageOf([&] { view.open(); }),
              "MatCDS: Type mismatch for field 'prys', expecting: Float actual: String");
    EXPECT_FALSE(view.active());

    std::filesystem::copy_file(fixture("mat_newer_version.cds"), path,
                               std::filesystem::copy_options::overwrite_existing);
    const std::string newer = messageOf([&] { view.open(); });
    EXPECT_NE(newer.find("format version 2, which this version of Kelvora cannot read"), std::string::npos)
        << newer;
    EXPECT_FALSE(view.active());
}
