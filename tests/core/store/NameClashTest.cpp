// SPDX-License-Identifier: GPL-3.0-or-later
// Names that say the same, and the check a window runs before a post.
#include "store/NameClash.h"
#include "model/TableLayouts.h"
#include "store/PostDeclined.h"
#include "store/View.h"
#include "support/EngineFixtures.h"

#include <gtest/gtest.h>

namespace kelvora::test {
namespace {

TEST(NameClashTest, BlanksAndCaseAsideNamesAreOne) {
    struct Case {
        const char* a;
        const char* b;
        bool same;
    };
    const Case cases[] = {{"Seladon", "seladon", true},
                          {"Seladon", "  SELADON ", true},
                          {"Seladon", "Seladon 2", false},
                          {"Seladon", "Selad on", false},
                          {"", "  ", true},
                          {"Céladon", "céladon", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        EXPECT_EQ(NameClash::sameName(c.a, c.b), c.same);
    }
}

class NameClashViewTest : public ::testing::Test {
protected:
    NameClashViewTest() {
        view.declareFields(TableLayouts::glazes());
        view.setIndexFieldNames("naam");
        view.openPacket(glazesPacket({{{"naam", "Seladon"}}, {{"naam", "Tenmoku"}}}));
    }
    View view{"GlzCDS"};
};

TEST_F(NameClashViewTest, FindsAnotherRowOfTheSameNameButNeverTheCurrentOne) {
    ASSERT_TRUE(view.findKey("Seladon"));
    EXPECT_FALSE(NameClash::otherRowNamed(view, "naam", "seladon")); // itself
    EXPECT_EQ(NameClash::otherRowNamed(view, "naam", " TENMOKU"), std::optional<std::string>("Tenmoku"));
    EXPECT_FALSE(NameClash::otherRowNamed(view, "naam", "Kaki"));
    EXPECT_FALSE(NameClash::otherRowNamed(view, "naam", "   "));
    view.insert();
    EXPECT_TRUE(NameClash::nameIsNew(view, "naam"));
    EXPECT_EQ(NameClash::otherRowNamed(view, "naam", "seladon"), std::optional<std::string>("Seladon"));
    view.cancel();
}

TEST_F(NameClashViewTest, OnlyANewOrChangedNameCountsAsNew) {
    ASSERT_TRUE(view.findKey("Seladon"));
    EXPECT_FALSE(NameClash::nameIsNew(view, "naam")); // browsing
    view.edit();
    view.setText("omsc", "Groen");
    EXPECT_FALSE(NameClash::nameIsNew(view, "naam"));
    view.setText("naam", " SELADON ");
    EXPECT_FALSE(NameClash::nameIsNew(view, "naam"));
    view.setText("naam", "Tenmoku");
    EXPECT_TRUE(NameClash::nameIsNew(view, "naam"));
    view.cancel();
}

TEST_F(NameClashViewTest, ACheckThatThrowsBeforeThePostKeepsTheEditOpen) {
    int asked = 0;
    bool allow = false;
    view.setBeforePost([&](View& v) {
        ++asked;
        EXPECT_EQ(v.asText("naam"), "Tenmoku"); // typed text is in the fields by now
        if (!allow) throw PostDeclined();
    });
    ASSERT_TRUE(view.findKey("Seladon"));
    view.edit();
    view.setText("naam", "Tenmoku");
    EXPECT_THROW(view.post(), PostDeclined);
    EXPECT_EQ(view.state(), ViewState::Edit);
    EXPECT_EQ(view.asText("naam"), "Tenmoku");
    EXPECT_THROW(view.next(), PostDeclined); // a move posts, and is refused with it
    EXPECT_EQ(view.state(), ViewState::Edit);
    allow = true;
    view.post();
    EXPECT_EQ(view.state(), ViewState::Browse);
    EXPECT_EQ(asked, 3);
    view.setBeforePost({});
    view.edit();
    view.setText("omsc", "x");
    view.post();
    EXPECT_EQ(asked, 3);
}

} // namespace
} // namespace kelvora::test
