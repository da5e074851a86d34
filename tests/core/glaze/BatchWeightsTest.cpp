// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/BatchWeights.h"
#include "model/TableLayouts.h"
#include "store/PacketCodec.h"
#include "store/RecordMapper.h"
#include "support/EngineFixtures.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

TEST(BatchWeightsTest, StarterSeladonForTwoAndAHalfKilos) {
    // Seladon of the starter data: feldspar 35, quartz 35, whiting 18, kaolin
    // 12 and 1.5 parts of red iron oxide on top; its stored price is
    // (35 x 1.20 + 35 x 0.55 + 18 x 0.60 + 12 x 0.85 + 1.5 x 4.00) / 101.5 per kg.
    auto packet = readPacketFile(std::string(KELVORA_DATA_SOURCE) + "/glz.xml");
    ASSERT_TRUE(packet);
    View glazes("GlzCDS");
    glazes.declareFields(TableLayouts::glazes());
    glazes.setIndexFieldNames("naam");
    glazes.openPacket(std::move(*packet));
    ASSERT_TRUE(glazes.findKey("Seladon"));

    const BatchWeights batch = BatchWeights::compute(GlazeMapper::current(glazes), 2500);
    struct Expected {
        const char* name;
        double grams;
        bool addition;
    };
    const std::vector<Expected> expected{{"Kaliveldspaat", 875, false},
                                         {"Kwarts", 875, false},
                                         {"Krijt", 450, false},
                                         {"Kaolien", 300, false},
                                         {"Rood ijzeroxide", 37.5, true}};
    ASSERT_EQ(batch.rows.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(batch.rows[i].name, expected[i].name);
        EXPECT_NEAR(batch.rows[i].grams, expected[i].grams, 1e-9);
        EXPECT_EQ(batch.rows[i].addition, expected[i].addition);
    }
    EXPECT_NEAR(batch.total, 2537.5, 1e-9);
    // 88.25 / 101.5 per kg x 2.5375 kg = 88.25 x 0.025.
    EXPECT_NEAR(batch.cost, 2.20625, 1e-9);
}

TEST(BatchWeightsTest, SkipsBlankNamesAndZeroAmountsAndKeepsSlotOrder) {
    View glazes("GlzCDS");
    glazes.declareFields(TableLayouts::glazes());
    glazes.openPacket(glazesPacket({{{"prys", "2"},
                                     {"mat1", "Veldspaat"},
                                     {"mtp1", "60"},
                                     {"mat2", "   "},
                                     {"mtp2", "10"},
                                     {"mat3", "Krijt"},
                                     {"mtp3", "0"},
                                     {"mat5", "Kwarts"},
                                     {"mtp5", "30"},
                                     {"tvs1", "Rutiel"},
                                     {"tvp1", "0"},
                                     {"tvs3", "Kobaltcarbonaat"},
                                     {"tvp3", "0.5"}}}));
    glazes.first();
    const BatchWeights batch = BatchWeights::compute(GlazeMapper::current(glazes), 200);
    ASSERT_EQ(batch.rows.size(), 3u);
    EXPECT_EQ(batch.rows[0].name, "Veldspaat");
    EXPECT_DOUBLE_EQ(batch.rows[0].grams, 120);
    EXPECT_EQ(batch.rows[1].name, "Kwarts");
    EXPECT_DOUBLE_EQ(batch.rows[1].grams, 60);
    EXPECT_EQ(batch.rows[2].name, "Kobaltcarbonaat");
    EXPECT_DOUBLE_EQ(batch.rows[2].grams, 1);
    EXPECT_TRUE(batch.rows[2].addition);
    EXPECT_DOUBLE_EQ(batch.total, 181);
    EXPECT_DOUBLE_EQ(batch.cost, 0.362);
}

} // namespace
} // namespace kelvora::test
