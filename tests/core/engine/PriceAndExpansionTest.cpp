// SPDX-License-Identifier: GPL-3.0-or-later
#include "EngineTestBase.h"

namespace kelvora::test {
namespace {

class PriceTest : public EngineTest {
protected:
    static std::vector<Values> pricedMaterials() {
        return {{{"naam", "Twee"}, {"molg", "100"}, {"prys", "2"}, {"cao", "1"}},
                {{"naam", "Een"}, {"molg", "50"}, {"prys", "1"}, {"mgo", "1"}},
                {{"naam", "Twintig"}, {"molg", "80"}, {"prys", "20"}, {"zno", "1"}},
                {{"naam", "Drie"}, {"molg", "60"}, {"prys", "3"}, {"cao", "1"}}};
    }
    static Values percentGlaze(Values extra) {
        Values v{{"naam", "G"},  {"molp", "P"},   {"mat1", "Twee"},
                 {"mtp1", "60"}, {"mat2", "Een"}, {"mtp2", "40"}};
        v.insert(v.end(), extra.begin(), extra.end());
        return v;
    }
};

TEST_F(PriceTest, AdditionsCountInCostAndBatchWeight) {
    // (60 x 2 + 40 x 1 + 5 x 20) / 105
    open({percentGlaze({{"tvs1", "Twintig"}, {"tvp1", "5"}})}, pricedMaterials());
    dm.CalcGlaze(false, false);
    EXPECT_NEAR(num("prys"), 2.4761904761904763, 1e-12);
}

TEST_F(PriceTest, WithoutAdditionsIsWeightedAverage) {
    open({percentGlaze({})}, pricedMaterials());
    dm.CalcGlaze(false, false);
    EXPECT_NEAR(num("prys"), 1.6, 1e-12);
}

TEST_F(PriceTest, EqualPricesGiveThatPriceWhateverTheAdditions) {
    open({{{"naam", "G"},
           {"molp", "P"},
           {"mat1", "Drie"},
           {"mtp1", "100"},
           {"tvs1", "Drie"},
           {"tvp1", "12.5"},
           {"tvs3", "Drie"},
           {"tvp3", "7"}}},
         pricedMaterials());
    dm.CalcGlaze(false, false);
    EXPECT_NEAR(num("prys"), 3.0, 1e-12);
}

TEST_F(PriceTest, AdditionNotFoundCostsNothingButWeighs) {
    open({percentGlaze({{"tvs1", "Onbekend"}, {"tvp1", "10"}})}, pricedMaterials());
    dm.CalcGlaze(false, false);
    EXPECT_NEAR(num("prys"), 160.0 / 110.0, 1e-12);
}

TEST_F(PriceTest, AdditionsOfMinusHundredLeaveThePriceEmpty) {
    open({percentGlaze(
             {{"prys", "5"}, {"tvs1", "Twintig"}, {"tvp1", "-60"}, {"tvs2", "Een"}, {"tvp2", "-40"}})},
         pricedMaterials());
    dm.CalcGlaze(false, false);
    EXPECT_TRUE(null("prys"));
    EXPECT_EQ(dm.GlzCDS.state(), ViewState::Browse);
    EXPECT_FALSE(null("tmpv"));
}

struct ExpansionCase {
    const char* what;
    Values formula;
    double expected;
};

TEST_F(EngineTest, ExpansionIsMassWeightedMeanOfFactors) {
    const std::vector<ExpansionCase> cases{
        {"never calculated", {}, 0.0},
        {"silica", {{"sio2", "1"}}, 0.8},
        {"soda and silica", {{"na2o", "1"}, {"sio2", "1"}}, 5.471580671580672},
        {"magnesia", {{"mgo", "0.3"}}, 1.0},
        {"boron", {{"b2o3", "2"}}, 0.1},
        {"only oxides without a factor", {{"geo2", "1"}, {"feo", "0.5"}, {"p2o5", "1"}}, 0.0},
        // Lime 56.1 x 5.0, alumina 40.8 x 5.0, silica 180.3 x 0.8; GeO2 ignored.
        {"mixed",
         {{"cao", "1"}, {"al2o3", "0.4"}, {"sio2", "3"}, {"geo2", "1"}},
         (280.5 + 204.0 + 144.24) / 277.2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dm.GlzCDS.close();
        dm.GlzCDS.openPacket(glazesPacket({c.formula}));
        EXPECT_NEAR(dm.CalcExpansion(), c.expected, 1e-12);
    }
}

} // namespace
} // namespace kelvora::test

namespace kelvora::test {
namespace {

// Values beyond the range of a double or of the integer temperature fields
// must never be stored: the fields are left empty instead.
TEST_F(EngineTest, OverflowingResultsAreStoredEmpty) {
    open({{{"naam", "G"},
           {"molp", "M"},
           {"mat1", "Krijt"},
           {"mtm1", "1"},
           {"tvs1", "Kalium veldspaat"},
           {"tvp1", "1e308"}}});
    dm.CalcGlaze(false, false);
    EXPECT_TRUE(null("prys")); // 1e308 x 2.00 overflows the cost
    EXPECT_DOUBLE_EQ(num("cao"), 1.0);

    dm.GlzCDS.close();
    dm.GlzCDS.openPacket(glazesPacket({{{"sio2", "1e9"}}}));
    dm.EstimateTemperature();
    EXPECT_TRUE(null("tmpv"));
    EXPECT_TRUE(null("tmpt"));
}

} // namespace
} // namespace kelvora::test
