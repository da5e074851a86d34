// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/AnalysisReport.h"
#include "common/NumberFormat.h"
#include "model/TableLayouts.h"
#include "store/RecordMapper.h"
#include "support/EngineFixtures.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

class AnalysisReportTest : public ::testing::Test {
protected:
    View glazes{"GlzCDS"};
    void open(const Values& record) {
        glazes.declareFields(TableLayouts::glazes());
        glazes.openPacket(glazesPacket({record}));
    }
    void TearDown() override { numfmt::setDecimalSeparator('.'); }
};

TEST_F(AnalysisReportTest, UnequalColumnsMoveLeftAndAluminaComesBeforeBoron) {
    open({{"li2o", "0.1"},
          {"na2o", "0.2"},
          {"k2o", "0.15"},
          {"mgo", "0.25"},
          {"cao", "0.3"},
          {"b2o3", "0.5"},
          {"al2o3", "0.35"},
          {"sio2", "3.2"},
          {"tio2", "0.05"},
          {"zro2", "0.1"}});
    const auto rows =
        AnalysisReport::formulaRows(AnalysisReport::BuildSegerColumns(GlazeMapper::current(glazes)));
    const std::vector<std::string> expected{
        " 0.100 Li2O      0.350 Al2O3     3.200 SiO2 ",
        " 0.200 Na2O      0.500 B2O3      0.050 TiO2 ",
        " 0.150 K2O           0.100 ZrO2 ",
        " 0.250 MgO          ",
        " 0.300 CaO          ",
    };
    EXPECT_EQ(rows, expected);
}

TEST_F(AnalysisReportTest, TinyNegativeWideAndAllFifteenBasicAmountsAreListed) {
    Values record{{"sio2", "123.4567"}, {"al2o3", "-10"}, {"tio2", "0.0004"}};
    for (const char* stem : {"li2o", "na2o", "k2o", "beo", "mgo", "cao", "sro", "bao", "feo", "coo", "cuo",
                             "nio", "mno", "zno", "pbo"})
        record.emplace_back(stem, "0.01");
    open(record);
    const auto columns = AnalysisReport::BuildSegerColumns(GlazeMapper::current(glazes));
    ASSERT_EQ(columns.basic.size(), 15u);
    EXPECT_EQ(columns.basic.back(), " 0.010 PbO  ");
    EXPECT_EQ(columns.neutral, std::vector<std::string>{"-10.000 Al2O3"});
    EXPECT_EQ(columns.acid, (std::vector<std::string>{"123.457 SiO2 ", " 0.000 TiO2 "}));
    EXPECT_EQ(AnalysisReport::formulaRows(columns).size(), 15u);
}

TEST_F(AnalysisReportTest, NeverCalculatedGlazeReport) {
    open({{"naam", "Proef"},
          {"catg", "Transparant"},
          {"skva", "5a - 1180"},
          {"sktt", "7 - 1230"},
          {"mat1", "Veldspaat"},
          {"mtp1", "45.26"},
          {"mat2", "Krijt"},
          {"mat3", ""},
          {"mtp3", "5"},
          {"tvs1", "Rutiel"},
          {"tvp1", "0"},
          {"tvs2", "Ijzeroxide"},
          {"tvp2", "2"},
          {"omsc", "Eerste regel\r\nTweede regel"}});
    const std::vector<std::string> expected{
        "Glazuur: Proef",
        "",
        "Categorie: Transparant",
        "",
        "Temperatuur:",
        "Ingevoerd van SK: 5a - 1180 tot SK: 7 - 1230",
        "Berekend van :  gr. C tot:  gr. C",
        "",
        "Seger formule:",
        "",
        "Recept:",
        "Veldspaat                                  45.3",
        "                                            5.0",
        "",
        "Evt. toevoegingen:",
        "Ijzeroxide                                  2.0",
        "",
        "Uitzettings coefficient: 0.00 x 10 E-5",
        "Kostprijs: 0.00",
        "",
        "Eerste regel",
        "Tweede regel",
    };
    EXPECT_EQ(AnalysisReport::build(GlazeMapper::current(glazes), 0.0), expected);
}

TEST_F(AnalysisReportTest, NumbersUseTheUsersDecimalSeparator) {
    open({{"naam", "G"},
          {"tmpv", "1190"},
          {"tmpt", "1230"},
          {"cao", "1"},
          {"mat1", "Krijt"},
          {"mtp1", "100"},
          {"prys", "2.476"}});
    numfmt::setDecimalSeparator(',');
    const auto lines = AnalysisReport::build(GlazeMapper::current(glazes), 6.125);
    EXPECT_EQ(lines[6], "Berekend van : 1190 gr. C tot: 1230 gr. C");
    EXPECT_EQ(lines[9], " 1,000 CaO          ");
    EXPECT_EQ(lines[12], "Krijt                                     100,0");
    EXPECT_EQ(lines[16], "Uitzettings coefficient: 6,13 x 10 E-5");
    EXPECT_EQ(lines[17], "Kostprijs: 2,48");
}

TEST_F(AnalysisReportTest, PrintCopyDoubleSpacesTheRecipeBlock) {
    const std::vector<std::string> report{
        "Glazuur: G", "",        "Recept:", "A  1.0",      "", "Evt. toevoegingen:", "Kostprijs: 1.00",
        "",           "Recept:", "x",       "Kostprijs: z"};
    const std::vector<std::string> expected{
        "", "Glazuur: G",         "", "Recept:",         "", "A  1.0",  "", "",
        "", "Evt. toevoegingen:", "", "Kostprijs: 1.00", "", "Recept:", "", "x",
        "", "Kostprijs: z"};
    EXPECT_EQ(AnalysisReport::printCopy(report), expected);
}

} // namespace
} // namespace kelvora::test
