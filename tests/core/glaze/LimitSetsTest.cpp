// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/LimitSets.h"
#include "glaze/ChemistryDataFiles.h"
#include "model/TableLayouts.h"
#include "store/PacketCodec.h"
#include "store/RecordMapper.h"
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
    return ChemistryFigures::compute(GlazeMapper::current(glazes),
                                     MaterialLookup(MaterialMapper::all(materials)),
                                     MolarMassTable::builtIn(), nullptr);
}

std::vector<std::string> names(const std::vector<const LimitSets::Set*>& sets) {
    std::vector<std::string> out;
    for (const auto* set : sets)
        out.push_back(set->name);
    return out;
}

TEST(LimitSetsTest, FiringRangeComesFromTheCones) {
    const std::vector<std::string> earthenware{"SK 08a-02a alkalisch (Rhodes)", "SK 08a-02a lood (Rhodes)"};
    const std::vector<std::string> stoneware{"SK 5a-7 glans (Cushing)", "SK 5a-7 mat (Cushing)",
                                             "SK 5a-7 satijn (Cushing)"};
    const std::vector<std::string> high{"SK 8-10 glans (Cushing)", "SK 8-10 mat (Cushing)",
                                        "SK 8-11 steengoed en porselein (Rhodes)",
                                        "SK 8-10 satijn (Cushing)"};
    struct Case {
        const char* skva;
        const char* sktt;
        std::vector<std::string> sets; // empty: none
    };
    const std::vector<Case> cases{
        {"05a - 1000", "03a - 1040", earthenware},
        {"5a - 1180", "7 - 1230", stoneware},
        {"8 - 1250", "10 - 1300", high},
        {"6a", "", stoneware}, // a typed cone name, the other empty
        {"", "9 - 1280", high},
        {"10 - 1300", "8 - 1250", high},                                         // given the wrong way round
        {"11 - 1320", "12 - 1350", {"SK 8-11 steengoed en porselein (Rhodes)"}}, // only one reaches SK 11
        {"022 - 600", "020 - 670", {}},                                          // far below every set
        {"", "", {}},
        {"kegel zes", "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.skva) + " / " + c.sktt);
        EXPECT_EQ(names(dataSets().forCones(c.skva, c.sktt)), c.sets);
    }
}

TEST(LimitSetsTest, HighFiredGlazeWithTooMuchLimeAndTooLittleAlumina) {
    const auto set = LimitSets::load(std::string(KELVORA_DATA_SOURCE) + "/limits/hoog-steengoed-rhodes.xml");
    // Against Rhodes' cone 8-12 limits: KNaO 0.2-0.4, CaO 0.4-0.7, B2O3 0.1-0.3,
    // Al2O3 0.3-0.5, SiO2 3-5.
    const auto f = figuresOf({{"k2o", "0.15"},
                              {"na2o", "0.05"},
                              {"cao", "0.8"},
                              {"b2o3", "0.2"},
                              {"al2o3", "0.2"},
                              {"sio2", "3.5"}});
    const auto outside = LimitSets::check(set, f);
    ASSERT_EQ(outside.size(), 2u);
    EXPECT_EQ(outside[0].key, "cao");
    EXPECT_DOUBLE_EQ(outside[0].value, 0.8);
    EXPECT_DOUBLE_EQ(outside[0].min, 0.4);
    EXPECT_DOUBLE_EQ(outside[0].max, 0.7);
    EXPECT_EQ(outside[1].key, "al2o3");
    EXPECT_DOUBLE_EQ(outside[1].value, 0.2);
    // KNaO 0.15 + 0.05 sits on its lower bound and passes.
}

TEST(LimitSetsTest, AGlazeIsCheckedAgainstTheSetOfItsConesItFitsBest) {
    const LimitSets sets = LimitSets::loadFolder(std::string(KELVORA_FIXTURES) + "/limit_choice");
    // Both fixture sets cover SK 6a: "glans" allows Al2O3 0.1-0.3 and SiO2
    // 3-4, "mat" Al2O3 0.3-0.5 and SiO2 2-3.
    struct Case {
        const char* al2o3;
        const char* sio2;
        const char* set;
        std::vector<std::string> outside;
    };
    const std::vector<Case> cases{
        {"0.25", "3.5", "glans", {}},
        {"0.45", "2.5", "mat", {}},
        {"0.45", "3.5", "glans", {"al2o3"}},      // one value outside either way: the first file wins
        {"0.6", "2.5", "mat", {"al2o3"}},         // two outside "glans", one outside "mat"
        {"0.6", "5", "glans", {"al2o3", "sio2"}}, // two outside either way
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.al2o3) + " / " + c.sio2);
        const auto fit =
            sets.bestFit("6a - 1200", "", figuresOf({{"cao", "1"}, {"al2o3", c.al2o3}, {"sio2", c.sio2}}));
        ASSERT_NE(fit.set, nullptr);
        EXPECT_EQ(fit.set->name, c.set);
        EXPECT_EQ(fit.candidates, 2u);
        std::vector<std::string> keys;
        for (const auto& v : fit.outside)
            keys.push_back(v.key);
        EXPECT_EQ(keys, c.outside);
    }
    const auto none = sets.bestFit("10 - 1300", "", figuresOf({{"cao", "1"}}));
    EXPECT_EQ(none.set, nullptr);
    EXPECT_TRUE(none.outside.empty());
}

// The example glazes are what a new potter tries first: each must sit inside
// a published limit table for its own cones, as the Chemie page shows it.
TEST(LimitSetsTest, EveryExampleGlazeIsInsideTheLimitsOfItsCones) {
    const std::string data = KELVORA_DATA_SOURCE;
    View glazes("GlzCDS");
    glazes.openPacket(*readPacketFile(data + "/glz.xml"));
    View materials("MatCDS");
    materials.setIndexFieldNames("naam");
    materials.openPacket(*readPacketFile(data + "/mat.xml"));
    const MolarMassTable masses = MolarMassTable::load(ChemistryDataFiles::molarMasses(data));
    ASSERT_FALSE(glazes.isEmpty());
    for (glazes.first(); !glazes.eof(); glazes.next()) {
        SCOPED_TRACE(glazes.asText("naam"));
        const auto figures = ChemistryFigures::compute(
            GlazeMapper::current(glazes), MaterialLookup(MaterialMapper::all(materials)), masses, nullptr);
        const auto fit = dataSets().bestFit(glazes.asText("skva"), glazes.asText("sktt"), figures);
        ASSERT_NE(fit.set, nullptr);
        for (const auto& v : fit.outside)
            ADD_FAILURE() << fit.set->name << ": " << v.key << " " << v.value << " outside " << v.min << "-"
                          << v.max;
        // Its description names the same table: the generator chooses as the program does.
        EXPECT_NE(glazes.asText("omsc").find("grenswaarden " + fit.set->name + "."), std::string::npos)
            << glazes.asText("omsc");
    }
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
    ASSERT_FALSE(dataSets().sets().empty());
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
