// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/TableLayouts.h"
#include "store/View.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

Packet materials(std::initializer_list<const char*> names) {
    Packet p(TableLayouts::materials());
    for (const char* n : names) {
        Row r = p.emptyRow();
        p.setText(r, p.fieldIndex("naam"), n);
        p.rows.push_back(std::move(r));
    }
    return p;
}

struct NewRowDefaultsTest : ::testing::Test {
    View view{"MatCDS"};
    void SetUp() override {
        view.declareFields(TableLayouts::materials());
        view.setIndexFieldNames("naam");
        view.openPacket(materials({"Kaolien", "Kwarts"}));
        view.setNewRowDefaults([](View& v) { v.setText("molproc", "M"); });
    }
};

TEST_F(NewRowDefaultsTest, InsertFillsTheDefaultsAndPostsThemWithTheRow) {
    view.insert();
    EXPECT_EQ(view.asText("molproc"), "M");
    EXPECT_FALSE(view.modified());
    view.setText("naam", "Talk");
    view.post();
    ASSERT_TRUE(view.findKey("Talk"));
    EXPECT_EQ(view.asText("molproc"), "M");
}

TEST_F(NewRowDefaultsTest, ANewRowLeftAsItIsIsDropped) {
    view.insert();
    view.next(); // leaving an untouched new row drops it, defaults or not
    EXPECT_EQ(view.recordCount(), 2);
}

TEST_F(NewRowDefaultsTest, EditingAnExistingRowKeepsItsValue) {
    view.edit();
    EXPECT_EQ(view.asText("molproc"), "");
}

} // namespace
} // namespace kelvora::test
