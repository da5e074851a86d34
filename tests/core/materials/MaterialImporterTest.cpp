// SPDX-License-Identifier: GPL-3.0-or-later
#include "materials/MaterialImporter.h"
#include "model/TableLayouts.h"
#include "store/PacketCodec.h"
#include "store/StoreError.h"
#include "store/View.h"
#include "support/EngineFixtures.h"
#include "support/RecordingPrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

class ImporterTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string matFile = dir.file("mat.cds");

    void writeMaterials(const std::vector<Values>& records) {
        writePacketFile(matFile, materialsPacket(records));
    }
    std::vector<std::string> names() {
        View view("check", matFile);
        view.setIndexFieldNames("naam");
        view.open();
        std::vector<std::string> out;
        for (view.first(); !view.eof(); view.next())
            out.push_back(view.asText("naam"));
        return out;
    }
};

TEST_F(ImporterTest, CopiesNameDescriptionPriceWeightSupplierAndMolarAnalysisOnly) {
    writeMaterials({});
    EXPECT_EQ(MaterialImporter::importFile(matFile, fixture("mat_import_three.xml")), 3);
    View view("check", matFile);
    view.setIndexFieldNames("naam");
    view.open();
    ASSERT_EQ(view.recordCount(), 3);
    ASSERT_TRUE(view.findKey("Kalium veldspaat"));
    EXPECT_EQ(view.asText("omsc"), "Theoretisch");
    EXPECT_DOUBLE_EQ(view.asNumber("prys"), 2.5);
    EXPECT_DOUBLE_EQ(view.asNumber("molg"), 556.66);
    EXPECT_EQ(view.asText("levr"), "Leverancier A");
    EXPECT_DOUBLE_EQ(view.asNumber("sio2"), 6.0);
    // Availability, entry mode and the percentage analysis stay behind.
    EXPECT_EQ(view.asText("besc"), "");
    EXPECT_EQ(view.asText("molproc"), "");
    EXPECT_TRUE(view.isNull("k2oproc"));
    ASSERT_TRUE(view.findKey("Krijt"));
    EXPECT_TRUE(view.isNull("omsc") || view.asText("omsc").empty());
    EXPECT_TRUE(view.isNull("sio2"));
    ASSERT_TRUE(view.findKey("Germaniumoxide"));
    EXPECT_DOUBLE_EQ(view.asNumber("geo2"), 1.0);
    EXPECT_TRUE(view.isNull("prys"));
}

TEST_F(ImporterTest, AppendsBesideMaterialsOfTheSameName) {
    writeMaterials({{{"naam", "Krijt"}, {"prys", "9"}}, {{"naam", "Kwarts"}}});
    MaterialImporter::importFile(matFile, fixture("mat_import_three.xml"));
    EXPECT_EQ(names(),
              (std::vector<std::string>{"Germaniumoxide", "Kalium veldspaat", "Krijt", "Krijt", "Kwarts"}));
}

TEST_F(ImporterTest, EmptySourceLeavesTheFileUntouched) {
    writeMaterials({{{"naam", "Krijt"}}});
    const std::string before = readBytes(matFile);
    const auto stamp = std::filesystem::last_write_time(matFile);
    EXPECT_EQ(MaterialImporter::importFile(matFile, fixture("mat_import_empty.xml")), 0);
    EXPECT_EQ(readBytes(matFile), before);
    EXPECT_EQ(std::filesystem::last_write_time(matFile), stamp);
}

TEST_F(ImporterTest, FailureMidwayChangesNothing) {
    const std::vector<std::string> sources{"mat_import_price_not_a_number_midway.xml",
                                           "mat_import_missing_levr.xml", "not_a_packet.cds",
                                           "no_such_file.xml"};
    writeMaterials({{{"naam", "Krijt"}, {"prys", "1"}}});
    const std::string before = readBytes(matFile);
    for (const auto& source : sources) {
        SCOPED_TRACE(source);
        EXPECT_THROW(MaterialImporter::importFile(matFile, fixture(source)), StoreError);
        EXPECT_EQ(readBytes(matFile), before);
    }
    EXPECT_EQ(names(), std::vector<std::string>{"Krijt"});
}

TEST_F(ImporterTest, ConfirmationDecidesAndIsReported) {
    writeMaterials({});
    const std::string source = fixture("mat_import_three.xml");
    RecordingPrompter prompter;
    EXPECT_FALSE(MaterialImporter::confirmAndImport(prompter, matFile, source));
    prompter.answerNext(true);
    EXPECT_TRUE(MaterialImporter::confirmAndImport(prompter, matFile, source));
    const std::string question =
        "Doorgaan met toevoegen gegevens uit bestand\r\n" + source + "\r\n aan de tabel met grondstoffen?";
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{question, "De gegevens worden NIET geimporteerd.",
                                                          question, "De gegevens zijn geimporteerd."}));
    EXPECT_EQ(names().size(), 3u);
}

} // namespace
} // namespace kelvora::test
