// SPDX-License-Identifier: GPL-3.0-or-later
// Rows to values and back: the one mapping between the tables and the model.
#include "store/RecordMapper.h"
#include "model/TableLayouts.h"
#include "store/GlazeBook.h"
#include "store/PacketCodec.h"
#include "support/EngineFixtures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

// A glaze with every field holding a value of its own, so that a field
// mapped to the wrong place shows.
Glaze everyFieldSet() {
    Glaze g;
    g.naam = "Alles";
    g.omsc = "Regel een\r\nRegel twee";
    g.datm = "10-12-2026";
    g.skva = "5a";
    g.sktt = "6a";
    g.catg = "2.0 Glanzende glazuren";
    g.brtm = "elektrisch";
    g.oxrd = "oxiderend";
    g.tstd = "J";
    g.levm = "L";
    g.imgf = "foto/alles.png";
    g.stat = "P";
    g.gbop = "Ouder";
    g.prys = 1.25;
    g.tmpv = 1180;
    g.tmpt = 1220;
    g.recipe.molp = "P";
    for (std::size_t i = 0; i < g.recipe.recipeSlots.size(); ++i)
        g.recipe.recipeSlots[i] = {"Grondstof " + std::to_string(i + 1), 1.0 + static_cast<double>(i),
                                   0.01 * static_cast<double>(i + 1)};
    for (std::size_t i = 0; i < g.recipe.additions.size(); ++i)
        g.recipe.additions[i] = {"Toevoeging " + std::to_string(i + 1), 0.5 + static_cast<double>(i)};
    for (std::size_t k = 0; k < g.oxides.size(); ++k)
        g.oxides[k] = 0.001 * static_cast<double>(k + 1);
    return g;
}

Material everyMaterialFieldSet() {
    Material m;
    m.naam = "Veldspaat";
    m.omsc = "Analyse van de leverancier";
    m.levr = "Groothandel";
    m.besc = "J";
    m.molproc = "P";
    m.prys = 1.2;
    m.molg = 556.8;
    for (std::size_t k = 0; k < m.oxides.size(); ++k) {
        m.oxides[k] = 0.1 * static_cast<double>(k + 1);
        m.percents[k] = 1.0 + static_cast<double>(k);
    }
    return m;
}

TEST(RecordMapperTest, EveryFieldGoesToItsOwnPlaceAndComesBack) {
    Packet glazes(TableLayouts::glazes());
    const GlazeMapper glazeMapper(glazes);
    Row row = glazes.emptyRow();
    const Glaze glaze = everyFieldSet();
    glazeMapper.write(glazes, row, glaze);
    EXPECT_EQ(glazeMapper.read(glazes, row), glaze);
    // A few places checked by field name, the slot layout among them.
    EXPECT_EQ(glazes.text(row, glazes.fieldIndex("mat3")), "Grondstof 3");
    EXPECT_EQ(glazes.number(row, glazes.fieldIndex("mtp3")), 3.0);
    EXPECT_EQ(glazes.number(row, glazes.fieldIndex("mtm12")), 0.12);
    EXPECT_EQ(glazes.text(row, glazes.fieldIndex("tvs5")), "Toevoeging 5");
    EXPECT_EQ(glazes.number(row, glazes.fieldIndex("tvp2")), 1.5);
    EXPECT_EQ(glazes.number(row, glazes.fieldIndex("sio2")),
              0.001 * OxideCatalogue::byStem("sio2")->position);

    Packet materials(TableLayouts::materials());
    const MaterialMapper materialMapper(materials);
    Row mrow = materials.emptyRow();
    const Material material = everyMaterialFieldSet();
    materialMapper.write(materials, mrow, material);
    EXPECT_EQ(materialMapper.read(materials, mrow), material);
    EXPECT_EQ(materials.number(mrow, materials.fieldIndex("k2oproc")),
              1.0 + (OxideCatalogue::byStem("k2o")->position - 1));
}

TEST(RecordMapperTest, EmptyStaysEmptyAndAWholeDegreeFieldIsRounded) {
    Packet glazes(TableLayouts::glazes());
    const GlazeMapper mapper(glazes);
    Row row = glazes.emptyRow();
    Glaze glaze;
    glaze.naam = "Leeg";
    glaze.tmpv = 1180.4;
    mapper.write(glazes, row, glaze);
    EXPECT_TRUE(glazes.isNull(row, glazes.fieldIndex("prys")));
    EXPECT_TRUE(glazes.isNull(row, glazes.fieldIndex("mtp1")));
    EXPECT_EQ(glazes.number(row, glazes.fieldIndex("tmpv")), 1180.0);
    const Glaze back = mapper.read(glazes, row);
    EXPECT_TRUE(isNullNumber(back.recipe.recipeSlots[0].mtp));
    EXPECT_EQ(back.oxide("sio2"), 0.0); // empty reads as 0 where a figure is asked
}

TEST(RecordMapperTest, ATableWithoutAFieldReadsItEmptyAndIsNotWrittenThere) {
    FieldDefs fields;
    for (const auto& f : TableLayouts::glazes())
        if (f.name != "imgf" && f.name != "mat12") fields.push_back(f);
    Packet older(fields);
    const GlazeMapper mapper(older);
    Row row = older.emptyRow();
    mapper.write(older, row, everyFieldSet());
    const Glaze back = mapper.read(older, row);
    EXPECT_EQ(back.imgf, "");
    EXPECT_EQ(back.recipe.recipeSlots[11].name, "");
    EXPECT_EQ(back.recipe.recipeSlots[10].name, "Grondstof 11");
    EXPECT_EQ(older.fieldCount(), static_cast<int>(TableLayouts::glazes().size()) - 2);
}

// The starter tables read into values and written back through the glaze
// book give the same bytes: nothing is lost, moved or reformatted.
TEST(RecordMapperTest, StarterTablesRoundTripThroughTheBookByteForByte) {
    TempDir dir;
    const std::string folder = dir.path().string();
    ASSERT_TRUE(writeStarterTables(dir.path().string()));
    const std::string materialsBefore = readBytes(dir.file("mat.cds"));
    const std::string glazesBefore = readBytes(dir.file("glz.cds"));

    GlazeBook book(folder);
    book.load();
    ASSERT_GT(book.glazeCount(), 20);
    for (int i = 0; i < book.glazeCount(); ++i)
        book.updateGlazeAt(i, book.glazeAt(i));
    for (const Material& material : book.materials())
        ASSERT_TRUE(book.updateMaterial(material.naam, material));
    // Posted, so both tables are written again.
    EXPECT_TRUE(book.glazeView().changedSinceOpen());
    book.close();
    EXPECT_EQ(readBytes(dir.file("glz.cds")), glazesBefore);
    EXPECT_EQ(readBytes(dir.file("mat.cds")), materialsBefore);
}

// The catalogue a calculation uses reads only some fields of each material:
// those it holds must be the material's own.
TEST(RecordMapperTest, TheBooksCatalogueHoldsEveryMaterialAsStored) {
    TempDir dir;
    auto packet = readPacketFile(std::string(KELVORA_DATA_SOURCE) + "/mat.xml");
    ASSERT_TRUE(packet);
    writePacketFile(dir.file("mat.cds"), *packet);
    GlazeBook book(dir.path().string());
    book.loadMaterials();
    const MaterialLookup& catalogue = book.catalogue();
    int checked = 0;
    for (const Material& material : book.materials()) {
        SCOPED_TRACE(material.naam);
        const MaterialData* data = catalogue.find(material.naam);
        ASSERT_NE(data, nullptr);
        if (catalogue.nameOf(*data) != material.naam || data->row != checked++) continue;
        EXPECT_EQ(data->molg, Recipe::amount(material.molg));
        EXPECT_EQ(data->prys, Recipe::amount(material.prys));
        for (std::size_t k = 0; k < material.oxides.size(); ++k)
            EXPECT_EQ(data->oxides[k], Recipe::amount(material.oxides[k])) << k;
    }
    EXPECT_EQ(checked, static_cast<int>(book.materials().size()));
}

TEST(RecordMapperTest, ApplyWritesOnlyWhatDiffersIntoTheCurrentRecord) {
    View view("GlzCDS");
    view.declareFields(TableLayouts::glazes());
    view.openPacket(glazesPacket({{{"naam", "G"}, {"mat1", "Krijt"}, {"mtp1", "10"}}}));
    Glaze glaze = GlazeMapper::current(view);
    EXPECT_EQ(glaze.recipe.recipeSlots[0].name, "Krijt");
    GlazeMapper::apply(view, glaze);
    EXPECT_EQ(view.state(), ViewState::Edit);
    EXPECT_FALSE(view.modified()); // the same value changes nothing
    glaze.recipe.recipeSlots[1] = {"Kwarts", 20, kNullNumber};
    GlazeMapper::apply(view, glaze);
    EXPECT_TRUE(view.modified());
    view.post();
    EXPECT_EQ(view.asText("mat2"), "Kwarts");
    EXPECT_EQ(view.asNumber("mtp2"), 20.0);
    EXPECT_TRUE(view.isNull("mtm2"));
}

} // namespace
} // namespace kelvora::test
