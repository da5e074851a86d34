// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/TableLayouts.h"
#include "store/PacketCodec.h"
#include "store/View.h"
#include "support/EngineFixtures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kelvora::test {
namespace {

class EngineCliTest : public ::testing::Test {
protected:
    TempDir dir;

    void seedStarter() { ASSERT_TRUE(writeStarterTables(dir.path().string())); }
    CliRun run(const std::string& arguments) { return runCli(dir.path().string(), arguments); }
    double stored(const char* table, const std::string& name, const char* field) {
        View view("check", dir.file(std::string(table) + ".cds"));
        view.setIndexFieldNames("naam");
        view.open();
        EXPECT_TRUE(view.findKey(name));
        return view.asNumber(field);
    }
};

TEST_F(EngineCliTest, CalcStoresTheGlazeAndPrintsItsReport) {
    seedStarter();
    const std::string before = readBytes(dir.file("glz.cds"));
    // Spoil the stored price so that the calculation visibly writes it again.
    {
        View glazes("GlzCDS", dir.file("glz.cds"));
        glazes.setIndexFieldNames("naam");
        glazes.open();
        ASSERT_TRUE(glazes.findKey("Seladon"));
        glazes.edit();
        glazes.setNumber("prys", 99);
        glazes.post();
        glazes.close();
    }
    const CliRun r = run("calc Seladon");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, readBytes(fixture("report_seladon_starter.txt")));
    // (35 x 1.20 + 35 x 0.55 + 18 x 0.60 + 12 x 0.85 + 1.5 x 4.00) / 101.5
    EXPECT_NEAR(stored("glz", "Seladon", "prys"), 88.25 / 101.5, 1e-12);
    EXPECT_EQ(run("report Seladon").out, r.out);
}

TEST_F(EngineCliTest, UnknownNamesAreErrors) {
    seedStarter();
    for (const char* command : {"calc Onbekend", "report Onbekend", "convert Onbekend"}) {
        SCOPED_TRACE(command);
        const CliRun r = run(command);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("\"Onbekend\""), std::string::npos) << r.err;
    }
    EXPECT_EQ(run("calc").status, 2);
}

TEST_F(EngineCliTest, MessagesGoToStandardErrorOneLinePerBreak) {
    writePacketFile(dir.file("mat.cds"),
                    materialsPacket({{{"naam", "Kwarts"}, {"molg", "60.1"}, {"prys", "0"}, {"sio2", "1"}}}));
    writePacketFile(dir.file("glz.cds"), glazesPacket({{{"naam", "Glas"},
                                                        {"molp", "M"},
                                                        {"mat1", "Kwarts"},
                                                        {"mtm1", "1"},
                                                        {"mat2", "Zand"},
                                                        {"mtm2", "1"}}}));
    const CliRun r = run("calc Glas");
    // The unknown material with an amount stops the calculation.
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "Er zijn materialen bij waarvan de prijs 0 is\nDe prijsberekening klopt waarschijnlijk niet\n"
              "Proc. GetMG: kan materiaal niet vinden: Zand\n");
    EXPECT_EQ(r.out, "");
}

TEST_F(EngineCliTest, CalcAllListsEveryGlaze) {
    seedStarter();
    const CliRun r = run("calc-all");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    const auto glazes = readPacketFile(std::string(KELVORA_DATA_SOURCE) + "/glz.xml");
    ASSERT_TRUE(glazes);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), static_cast<long>(glazes->rows.size()));
    EXPECT_NE(r.out.find("Seladon                                       0.87  1200 - 1240 gr. C\n"),
              std::string::npos)
        << r.out;
}

TEST_F(EngineCliTest, CalcAllStoresTheOthersAndLeavesAStoppedGlazeAsItWas) {
    writePacketFile(dir.file("mat.cds"),
                    materialsPacket({{{"naam", "Krijt"}, {"molg", "100.1"}, {"prys", "1"}, {"cao", "1"}}}));
    writePacketFile(
        dir.file("glz.cds"),
        glazesPacket({{{"naam", "A"}, {"molp", "M"}, {"mat1", "Krijt"}, {"mtm1", "2"}},
                      {{"naam", "B"}, {"molp", "M"}, {"mat1", "Krjt"}, {"mtm1", "2"}, {"prys", "7"}}}));
    const CliRun r = run("calc-all");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "B: Proc. GetMG: kan materiaal niet vinden: Krjt\n");
    EXPECT_DOUBLE_EQ(stored("glz", "A", "cao"), 1.0);
    EXPECT_DOUBLE_EQ(stored("glz", "A", "mtm1"), 1.0);
    EXPECT_DOUBLE_EQ(stored("glz", "B", "mtm1"), 2.0);
    EXPECT_DOUBLE_EQ(stored("glz", "B", "prys"), 7.0);
    EXPECT_EQ(stored("glz", "B", "cao"), 0.0);
}

TEST_F(EngineCliTest, ImportAppendsOrChangesNothing) {
    writePacketFile(dir.file("mat.cds"), materialsPacket({{{"naam", "Krijt"}}}));
    CliRun r = run("import '" + fixture("mat_import_three.xml") + "'");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "3 materials imported\n");
    const std::string after = readBytes(dir.file("mat.cds"));
    r = run("import '" + fixture("mat_import_price_not_a_number_midway.xml") + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("duur"), std::string::npos) << r.err;
    EXPECT_EQ(readBytes(dir.file("mat.cds")), after);
}

TEST_F(EngineCliTest, ConvertStoresTheMolarAnalysis) {
    writePacketFile(dir.file("mat.cds"),
                    materialsPacket({{{"naam", "Veldspaat"},
                                      {"molproc", "P"},
                                      {"k2oproc", "16.9"},
                                      {"al2o3proc", "18.4"},
                                      {"sio2proc", "64.7"}},
                                     {{"naam", "Krijt"}, {"molproc", "M"}, {"cao", "1"}}}));
    CliRun r = run("convert Veldspaat");
    EXPECT_EQ(r.status, 0);
    EXPECT_NEAR(stored("mat", "Veldspaat", "molg"), 557.396449704142, 1e-9);
    EXPECT_NEAR(stored("mat", "Veldspaat", "sio2"), 6.000590731423958, 1e-12);
    r = run("convert Krijt");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "Samenstelling is niet in procenten ingevoerd\nVoer percentages in en zet Mol/proc op P\n");
}

} // namespace
} // namespace kelvora::test
