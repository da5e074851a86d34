// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/LimitSets.h"
#include "glaze/ChemistryDataFiles.h"
#include "model/TableLayouts.h"
#include "support/EngineFixtures.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

const LimitSets& dataSets() {
    static const LimitSets sets =
        LimitSets::loadFolder(ChemistryDataFiles::limitsFolder(KELVORA_DATA_SOURCE));
    return sets;
}

ChemistryFigures figuresOf(const Values& formula) {
    View glazes("GlzCDS");
    glazes.declareFields(TableLayouts::glazes());
    glazes.openPacket(glazesPacket({formula}));
    glazes.first();
    View materials("MatCDS");
    return ChemistryFigures::compute(glazes, materials, MolarMassTable::builtIn(), nullptr);
}

TEST(LimitSetsTest, FiringRangeComesFromTheCones) {
    struct Case {
        const char* skva;
        const char* sktt;
        const char* set; // nullptr: none
    };
    const std::vector<Case> cases{
        {"05a - 1000", "03a - 1040", "Aardewerk SK 05a-02a"},
        {"5a - 1180", "7 - 1230", "Steengoed SK 6a"},
        {"8 - 1250", "10 - 1300", "Hoog steengoed SK 9-10"},
        {"6a", "", "Steengoed SK 6a"}, // a typed cone name, the other empty
        {"", "9 - 1280", "Hoog steengoed SK 9-10"},
        {"10 - 1300", "8 - 1250", "Hoog steengoed SK 9-10"}, // given the wrong way round
        {"022 - 600", "020 - 670", nullptr},                 // far below every set
        {"", "", nullptr},
        {"kegel zes", "", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.skva) + " / " + c.sktt);
        const auto* set = dataSets().forCones(c.skva, c.sktt);
        if (!c.set) {
            EXPECT_EQ(set, nullptr);
        } else {
            ASSERT_NE(set, nullptr);
            EXPECT_EQ(set->name, c.set);
        }
    }
}

TEST(LimitSetsTest, HighFiredGlazeWithTooMuchLimeAndTooLittleAlumina) {
    const auto* set = dataSets().forCones("9 - 1280", "10 - 1300");
    ASSERT_NE(set, nullptr);
    // Against SK 9-10: KNaO 0.2-0.4, CaO 0.4-0.7, Al2O3 0.3-0.5, SiO2 3-5.
    const auto f =
        figuresOf({{"k2o", "0.15"}, {"na2o", "0.05"}, {"cao", "0.8"}, {"al2o3", "0.2"}, {"sio2", "3.5"}});
    const auto outside = LimitSets::check(*set, f);
    ASSERT_EQ(outside.size(), 2u);
    EXPECT_EQ(outside[0].key, "cao");
    EXPECT_DOUBLE_EQ(outside[0].value, 0.8);
    EXPECT_DOUBLE_EQ(outside[0].min, 0.4);
    EXPECT_DOUBLE_EQ(outside[0].max, 0.7);
    EXPECT_EQ(outside[1].key, "al2o3");
    EXPECT_DOUBLE_EQ(outside[1].value, 0.2);
    // KNaO 0.15 + 0.05 sits on its lower bound and passes.
}

TEST(LimitSetsTest, RatiosAreCheckedToo) {
    const auto set = LimitSets::load(std::string(KELVORA_FIXTURES) + "/limits_ratio_only.xml");
    const auto outside =
        LimitSets::check(set, figuresOf({{"k2o", "0.6"}, {"cao", "0.4"}, {"al2o3", "0.25"}, {"sio2", "3"}}));
    ASSERT_EQ(outside.size(), 2u);
    EXPECT_EQ(outside[0].key, "sio2_al2o3");
    EXPECT_DOUBLE_EQ(outside[0].value, 12);
    EXPECT_EQ(outside[1].key, "r2o_ro");
    EXPECT_DOUBLE_EQ(outside[1].value, 1.5);
}

TEST(LimitSetsTest, EverySetNamesItsSource) {
    ASSERT_EQ(dataSets().sets().size(), 3u);
    for (const auto& set : dataSets().sets()) {
        SCOPED_TRACE(set.name);
        EXPECT_FALSE(set.source.author.empty());
        EXPECT_FALSE(set.source.title.empty());
        EXPECT_EQ(set.source.year.size(), 4u);
        EXPECT_LE(set.fromCone, set.toCone);
        EXPECT_FALSE(set.limits.empty());
    }
}

TEST(LimitSetsTest, AFileThatIsNoLimitSetIsRefusedByName) {
    const std::string path = std::string(KELVORA_FIXTURES) + "/xml_not_wellformed.xml";
    try {
        LimitSets::load(path);
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
}

} // namespace
} // namespace kelvora::test
