// SPDX-License-Identifier: GPL-3.0-or-later
// Storing a number through the view: each field type keeps what it can hold,
// and a view with observers tells them about every write.
#include "common/NumberFormat.h"
#include "store/StoreError.h"
#include "store/View.h"
#include "support/EngineFixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kelvora::test {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct NumberCase {
    const char* field;
    double value;
    const char* shown; // asText afterwards; "" is empty
};

class ViewSetNumberTest : public ::testing::Test {
protected:
    ViewSetNumberTest() {
        numfmt::setDecimalSeparator('.');
        view.openPacket(glazesPacket({{{"naam", "G"}, {"prys", "1"}, {"tmpv", "5"}}}));
    }
    View view{"GlzCDS"};
};

TEST_F(ViewSetNumberTest, EachFieldTypeKeepsWhatItCanHold) {
    const NumberCase cases[] = {
        {"prys", 2.5, "2.5"},
        {"prys", -0.125, "-0.125"},
        {"prys", kInf, ""},
        {"prys", std::nan(""), ""},
        // Integers round to the nearest, a half to the even neighbour.
        {"tmpv", 1234.4, "1234"},
        {"tmpv", 1234.5, "1234"},
        {"tmpv", 1235.5, "1236"},
        {"tmpv", -20.0, "-20"},
        {"tmpv", 3e9, ""},
        {"tmpv", -3e9, ""},
        {"tmpv", -kInf, ""},
        // Text fields take the number's text.
        {"naam", 0.25, "0.25"},
        {"omsc", 1e6, "1000000"},
    };
    view.edit();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + std::to_string(c.value));
        view.setNumber(view.fieldIndex(c.field), c.value);
        EXPECT_EQ(view.asText(c.field), c.shown);
        EXPECT_EQ(view.isNull(c.field), std::string(c.shown).empty());
    }
    EXPECT_TRUE(view.modified());
}

TEST_F(ViewSetNumberTest, WritingOutsideAnEditIsRefused) {
    const int prys = view.fieldIndex("prys");
    try {
        view.setNumber(prys, 2.0);
        FAIL() << "no error";
    } catch (const StoreError& e) {
        EXPECT_STREQ(e.what(), "GlzCDS: Dataset not in edit or insert mode");
    }
    EXPECT_EQ(view.asNumber(prys), 1.0);
    view.close();
    try {
        view.setNumber(prys, 2.0);
        FAIL() << "no error";
    } catch (const StoreError& e) {
        EXPECT_STREQ(e.what(), "GlzCDS: Cannot perform this operation on a closed dataset");
    }
}

TEST_F(ViewSetNumberTest, ANumberIsTheFirstValueOfANewOrEmptyRow) {
    // A new row and a row read without any value hold no value slots yet;
    // the first number gives them theirs.
    const int prys = view.fieldIndex("prys");
    view.insert();
    view.setNumber(prys, 2.25);
    view.post();
    EXPECT_EQ(view.asNumber(prys), 2.25);
    EXPECT_TRUE(view.isNull("naam"));

    View empty("GlzCDS");
    empty.openPacket(glazesPacket({{}}));
    ASSERT_EQ(empty.recordCount(), 1);
    empty.edit();
    empty.setNumber(prys, 7.5);
    empty.post();
    EXPECT_EQ(empty.asNumber(prys), 7.5);
}

TEST_F(ViewSetNumberTest, ObserversHearEveryWriteWithItsField) {
    struct Listener : ViewObserver {
        void viewChanged(View&, ViewEvent event, int field) override {
            if (event == ViewEvent::FieldChanged) fields.push_back(field);
        }
        std::vector<int> fields;
    } listener;
    view.edit();
    const int prys = view.fieldIndex("prys"), tmpv = view.fieldIndex("tmpv");
    view.setNumber(prys, 3.0); // nobody listening yet
    view.addObserver(&listener);
    view.setNumber(prys, 4.0);
    view.setNumber(tmpv, kInf);
    view.removeObserver(&listener);
    view.setNumber(prys, 5.0);
    EXPECT_EQ(listener.fields, (std::vector<int>{prys, tmpv}));
    EXPECT_EQ(view.asNumber(prys), 5.0);
}

} // namespace
} // namespace kelvora::test
