// SPDX-License-Identifier: GPL-3.0-or-later
#include "EngineTestBase.h"

namespace kelvora::test {
namespace {

struct RangeCase {
    const char* what;
    Values formula;
    int from, to;
};

// Centres and half-widths worked out by hand from the classification and the
// per-oxide adjustments; halves round to the even ten.
TEST_F(EngineTest, FiringRangeClassifiesAdjustsAndRounds) {
    const std::vector<RangeCase> cases{
        {"worked example: 1214.8 +- 24",
         {{"cao", "0.7"}, {"k2o", "0.3"}, {"al2o3", "0.4"}, {"sio2", "3.5"}},
         1190,
         1230},
        {"half-width 25 rounds down to 20",
         {{"cao", "0.7"}, {"k2o", "0.3"}, {"al2o3", "0.5"}, {"sio2", "3.5"}},
         1200,
         1240},
        {"half-width 35 rounds up to 40, centre 1255 to 1260", {{"al2o3", "1.5"}}, 1220, 1300},
        {"all zero is leadless", {}, 1160, 1200},
        {"PbO exactly 0.2 is lead; 1065 rounds to 1060", {{"pbo", "0.2"}}, 1040, 1080},
        {"PbO 0.19 with B2O3 0.1 is boron", {{"pbo", "0.19"}, {"b2o3", "0.1"}}, 1070, 1110},
        {"a little lead and boron is no type", {{"pbo", "0.05"}, {"b2o3", "0.05"}}, 0, 0},
        {"MgO below 0.1 lowers by 20", {{"mgo", "0.05"}}, 1140, 1180},
        {"MgO 0.1 changes nothing", {{"mgo", "0.1"}}, 1160, 1200},
        {"MgO 0.5 raises by 12", {{"mgo", "0.5"}}, 1170, 1210},
        {"CaO in leadless: 6 per mol", {{"cao", "2"}}, 1150, 1190},
        {"CaO in boron: 5 per mol", {{"cao", "2"}, {"b2o3", "0.1"}}, 1070, 1110},
        {"CaO in lead: nothing", {{"cao", "2"}, {"pbo", "1"}}, 1020, 1060},
        {"ZnO, BaO, SrO in lead: nothing",
         {{"pbo", "1"}, {"zno", "1"}, {"bao", "1"}, {"sro", "1"}},
         1020,
         1060},
        {"ZnO in leadless", {{"zno", "0.5"}}, 1120, 1160},
        {"BaO in leadless: 1155 and H 15", {{"bao", "1"}}, 1140, 1180},
        {"SrO in leadless", {{"sro", "0.25"}}, 1140, 1180},
        {"fluxes", {{"na2o", "0.2"}, {"li2o", "0.1"}}, 1120, 1160},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dm.GlzCDS.close();
        dm.GlzCDS.openPacket(glazesPacket({c.formula}));
        dm.EstimateTemperature();
        EXPECT_EQ(dm.GlzCDS.state(), ViewState::Browse);
        EXPECT_EQ(num("tmpv"), c.from);
        EXPECT_EQ(num("tmpt"), c.to);
    }
}

TEST_F(EngineTest, ConeListHasFortyConesInOrder) {
    ASSERT_EQ(dm.ConeList.size(), 40u);
    EXPECT_EQ(dm.ConeList.front(), "022 - 600");
    EXPECT_EQ(dm.ConeList[6], "016 - 750");
    EXPECT_EQ(dm.ConeList[7], "015a - 790");
    EXPECT_EQ(dm.ConeList[27], "6a - 1200");
    EXPECT_EQ(dm.ConeList[28], "7 - 1230");
    EXPECT_EQ(dm.ConeList[36], "15 - 1435");
    EXPECT_EQ(dm.ConeList.back(), "18 - 1500");
}

} // namespace
} // namespace kelvora::test
