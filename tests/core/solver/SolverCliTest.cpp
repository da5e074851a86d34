// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/TableLayouts.h"
#include "store/PacketCodec.h"
#include "store/View.h"
#include "support/EngineFixtures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace kelvora::test {
namespace {

// kelvora-cli solve and substitute on the starter data in a throw-away folder.
class SolverCliTest : public ::testing::Test {
protected:
    TempDir dir;

    void SetUp() override { ASSERT_TRUE(writeStarterTables(dir.path().string())); }
    CliRun run(const std::string& arguments) { return runCli(dir.path().string(), arguments); }
    // "NAME<TAB>value" and "key=value" lines as numbers by name.
    static std::map<std::string, double> values(const std::string& out) {
        std::map<std::string, double> found;
        std::istringstream lines(out);
        for (std::string line; std::getline(lines, line);) {
            auto at = line.find('\t');
            if (at == std::string::npos) at = line.find('=');
            if (at != std::string::npos) found[line.substr(0, at)] = std::stod(line.substr(at + 1));
        }
        return found;
    }
};

// Starter materials: theoretical potash feldspar (orthoclase) 556.65, whiting 100.09, quartz 60.08,
// kaolin 258.16 g/mol. K2O 0.3, CaO 0.7, Al2O3 0.4, SiO2 3.5 is feldspar 0.3,
// whiting 0.7, kaolin 0.1 and quartz 3.5 - 1.8 - 0.2 = 1.5 mol: 166.995,
// 70.063, 25.816 and 90.12 g, 352.994 g in all.
TEST_F(SolverCliTest, TargetGivesTheRecipeLines) {
    const CliRun r = run("solve --materials 'Orthoklaas,Krijt,Kwarts,Kaolien' "
                         "--target 'k2o=0.3,cao=0.7,al2o3=0.4,sio2=3.5'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    auto v = values(r.out);
    EXPECT_NEAR(v["Orthoklaas"], 166.995 / 3.52994, 1e-9);
    EXPECT_NEAR(v["Krijt"], 70.063 / 3.52994, 1e-9);
    EXPECT_NEAR(v["Kwarts"], 90.12 / 3.52994, 1e-9);
    EXPECT_NEAR(v["Kaolien"], 25.816 / 3.52994, 1e-9);
    EXPECT_NEAR(v["umf.sio2"], 3.5, 1e-12);
    EXPECT_NEAR(v["umf.al2o3"], 0.4, 1e-12);
    EXPECT_LE(v["deviation"], 1e-9);
    // Starter prices 1.60, 0.60, 0.55, 0.85 per kilogram.
    EXPECT_NEAR(v["prys"], (166.995 * 1.6 + 70.063 * 0.6 + 90.12 * 0.55 + 25.816 * 0.85) / 352.994, 1e-12);
    // The lines stand in the order of the issue: materials, formula, deviation, price.
    EXPECT_EQ(r.out.rfind("Orthoklaas\t", 0), 0u);
    EXPECT_LT(r.out.find("Kaolien\t"), r.out.find("umf.k2o="));
    EXPECT_LT(r.out.find("umf.sio2="), r.out.find("deviation="));
    EXPECT_LT(r.out.find("deviation="), r.out.find("prys="));
    EXPECT_EQ(r.out.find("umf.na2o"), std::string::npos); // zero oxides are left out
}

TEST_F(SolverCliTest, StoreKeepsANewCalculatedGlaze) {
    const CliRun r =
        run("solve --materials 'Orthoklaas,Krijt,Kwarts,Kaolien' "
            "--range 'sio2=3..4,al2o3=0.3..0.5,cao=0.6..0.8' --minimise prys --store 'Goedkoop'");
    ASSERT_EQ(r.status, 0) << r.err;
    auto v = values(r.out);
    View glazes("check", dir.file("glz.cds"));
    glazes.setIndexFieldNames("naam");
    glazes.open();
    ASSERT_TRUE(glazes.findKey("Goedkoop"));
    EXPECT_EQ(glazes.asText("molp"), "P");
    for (const char* stem : {"k2o", "cao", "al2o3", "sio2"})
        EXPECT_NEAR(glazes.asNumber(stem), v[std::string("umf.") + stem], 1e-12) << stem;
    EXPECT_NEAR(glazes.asNumber("prys"), v["prys"], 1e-12);
    EXPECT_GE(v["umf.sio2"], 3 - 1e-9);
    EXPECT_LE(v["umf.al2o3"], 0.5 + 1e-9);
    // A name that is taken, also in another case or with blanks around it,
    // or that is longer than a glaze name may be, is refused and nothing stored.
    const std::string before = readBytes(dir.file("glz.cds"));
    for (const char* name :
         {"Goedkoop", "goedkoop", " GOEDKOOP ", "Een naam die langer is dan veertig tekens telt"}) {
        const CliRun again =
            run(std::string("solve --materials 'Krijt,Kwarts' --target 'cao=1' --store '") + name + "'");
        EXPECT_EQ(again.status, 1) << name;
        EXPECT_FALSE(again.err.empty()) << name;
    }
    EXPECT_EQ(readBytes(dir.file("glz.cds")), before);
}

TEST_F(SolverCliTest, SubstituteReplacesTheMaterial) {
    const CliRun r = run("substitute Seladon Kaliveldspaat --with 'Natronveldspaat,Nefelien syeniet'");
    ASSERT_EQ(r.status, 0) << r.err;
    auto v = values(r.out);
    EXPECT_EQ(v.count("Kaliveldspaat"), 0u);
    EXPECT_EQ(v.count("Nefelien syeniet"), 1u);
    EXPECT_GT(v["deviation"], 0.0);
}

struct ExitCase {
    const char* arguments;
    int status;
    const char* message; // part of the error text, "" for none
};

TEST_F(SolverCliTest, ExitCodes) {
    const ExitCase cases[] = {
        {"solve --materials 'Krijt,Onbekend' --target 'cao=1'", 1, "Onbekende grondstof: Onbekend"},
        {"solve --materials 'Krijt,Kwarts' --target 'xyz=1'", 1, "Onbekend oxide: xyz"},
        {"solve --materials 'Krijt,Kwarts' --range 'al2o3=0.1..0.2'", 1, "het bereik Al2O3 0.1..0.2"},
        {"solve --materials 'Kwarts' --target 'sio2=1'", 1, "basisch oxide"},
        {"substitute Onbekend Kwarts --with 'Kaolien'", 1, "Onbekend glazuur: Onbekend"},
        {"substitute Seladon Talk --with 'Kaolien'", 1, "Talk staat niet in het recept van Seladon"},
        // Values the programme must never see are refused with their name.
        {"solve --materials 'Krijt,Kwarts' --target 'sio2=1e101'", 1,
         "Doel SiO2: 1e+101 ligt niet tussen 0 en 1000."},
        {"solve --materials 'Krijt,Kwarts' --target 'cao=-0.3'", 1,
         "Doel CaO: -0.3 ligt niet tussen 0 en 1000."},
        {"solve --materials 'Krijt,Kwarts' --range 'sio2=1..1e200'", 1,
         "Bereik SiO2 1..1E200, bovengrens: 1e+200 ligt niet tussen 0 en 1000."},
        {"solve --materials 'Krijt,Kwarts' --target 'sio2=1e999'", 2, ""},
        {"solve", 2, ""},
        {"solve --materials 'Krijt'", 2, ""},
        {"solve --materials 'Krijt' --target 'cao=1' --range 'cao=0..1'", 2, ""},
        {"solve --materials 'Krijt' --target 'cao=1' --minimise prys", 2, ""},
        {"solve --materials 'Krijt' --range 'cao=0..1' --minimise prys --maximise cao", 2, ""},
        {"solve --materials 'Krijt' --target 'cao=veel'", 2, ""},
        {"solve --materials 'Krijt' --range 'cao=1'", 2, ""},
        {"solve --materials 'Krijt' --target 'cao=1' --onbekend x", 2, ""},
        {"substitute Seladon Kaliveldspaat", 2, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CliRun r = run(c.arguments);
        EXPECT_EQ(r.status, c.status);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

} // namespace
} // namespace kelvora::test
