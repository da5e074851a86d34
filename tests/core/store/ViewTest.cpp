// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/View.h"
#include "common/NumberFormat.h"
#include "model/TableLayouts.h"
#include "store/PacketCodec.h"
#include "store/StoreError.h"
#include "support/TempDir.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

using namespace kelvora;
using kelvora::test::readBytes;
using kelvora::test::TempDir;

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

// A materials file in a temp folder, and a view on it configured as the
// maintenance window's.
struct ViewFixture : ::testing::Test {
    TempDir dir;
    std::string path = dir.file("mat.cds");
    View view{"MatCDS", path};

    void write(std::initializer_list<const char*> names) { writePacketFile(path, materials(names)); }
    void openSorted() {
        view.declareFields(TableLayouts::materials());
        view.setIndexFieldNames("naam");
        view.open();
        view.setLogChanges(false);
    }
    std::vector<std::string> names() {
        std::vector<std::string> out;
        int f = view.fieldIndex("naam");
        for (int r = 0; r < view.recordCount(); ++r)
            out.push_back(view.textAt(r, f));
        return out;
    }
    std::string message(const std::function<void()>& action) {
        try {
            action();
        } catch (const StoreError& e) {
            return e.what();
        }
        return "(no error)";
    }
};

} // namespace

TEST_F(ViewFixture, OpensInByteOrderStableForEqualNames) {
    Packet p = materials({"kaolien", "Veldspaat", "kwarts", "kaolien", "Árbol"});
    p.setText(p.rows[0], p.fieldIndex("levr"), "first");
    p.setText(p.rows[3], p.fieldIndex("levr"), "second");
    writePacketFile(path, p);
    openSorted();
    EXPECT_EQ(names(), (std::vector<std::string>{"Veldspaat", "kaolien", "kaolien", "kwarts", "Árbol"}));
    EXPECT_EQ(view.state(), ViewState::Browse);
    EXPECT_EQ(view.recNo(), 0);
    ASSERT_TRUE(view.findKey("kaolien"));
    EXPECT_EQ(view.asText("levr"), "first");
}

TEST_F(ViewFixture, KeyLookupIsCaseSensitiveAndKeepsPositionWhenNotFound) {
    write({"Kaolien", "Kwarts", "Zinkoxide"});
    openSorted();
    view.last();
    EXPECT_FALSE(view.findKey("kwarts"));
    EXPECT_EQ(view.asText("naam"), "Zinkoxide");
    EXPECT_FALSE(view.findKey("Kwarts "));
    EXPECT_TRUE(view.findKey("Kwarts"));
    EXPECT_EQ(view.asText("naam"), "Kwarts");
}

TEST_F(ViewFixture, UnchangedViewLeavesFileUntouched) {
    write({"A", "B"});
    struct stat before {};
    ::stat(path.c_str(), &before);
    std::string bytes = readBytes(path);
    openSorted();
    view.next();
    view.edit(); // edit without a change is dropped when moving
    view.first();
    view.close();
    struct stat after {};
    ::stat(path.c_str(), &after);
    EXPECT_EQ(readBytes(path), bytes);
    EXPECT_EQ(before.st_mtim.tv_sec, after.st_mtim.tv_sec);
    EXPECT_EQ(before.st_mtim.tv_nsec, after.st_mtim.tv_nsec);
}

TEST_F(ViewFixture, PostedRowReachesFileUnpostedEditDoesNot) {
    write({"A", "B"});
    openSorted();
    view.edit();
    view.setText("levr", "posted");
    view.post();
    view.next();
    view.edit();
    view.setText("levr", "never posted");
    view.close();

    View again("MatCDS", path);
    again.setIndexFieldNames("naam");
    again.open();
    EXPECT_EQ(again.asText("levr"), "posted");
    again.next();
    EXPECT_EQ(again.asText("levr"), "");
}

TEST_F(ViewFixture, MovingPostsChangedEditAndDropsUnchanged) {
    write({"A", "B", "C"});
    openSorted();
    view.edit();
    view.setText("levr", "x");
    view.next(); // posts
    EXPECT_EQ(view.state(), ViewState::Browse);
    EXPECT_TRUE(view.changedSinceOpen());
    view.prior();
    EXPECT_EQ(view.asText("levr"), "x");

    View other("MatCDS", path);
    write({"A"});
    other.open();
    other.edit();
    other.first(); // nothing changed: dropped, and no write needed
    EXPECT_FALSE(other.changedSinceOpen());
}

TEST_F(ViewFixture, PostedRowsTakeTheirPlaceInOrder) {
    write({"B", "D"});
    openSorted();
    view.insert();
    view.setText("naam", "C");
    view.post();
    EXPECT_EQ(view.asText("naam"), "C");
    EXPECT_EQ(view.recNo(), 1);
    view.first();
    view.edit();
    view.setText("naam", "E"); // renamed: moves to the end
    view.post();
    EXPECT_EQ(names(), (std::vector<std::string>{"C", "D", "E"}));
    EXPECT_EQ(view.recNo(), 2);
    view.insert();
    view.setText("naam", "D"); // an equal name goes after the existing one
    view.setText("levr", "new");
    view.post();
    EXPECT_EQ(view.recNo(), 2);
    EXPECT_TRUE(view.findKey("D"));
    EXPECT_EQ(view.asText("levr"), "");
}

TEST_F(ViewFixture, EditOnEmptyTableInsertsAndStoresOnlySetFields) {
    writePacketFile(path, Packet(TableLayouts::glazes()));
    view.declareFields(TableLayouts::glazes());
    view.open();
    view.edit();
    EXPECT_EQ(view.state(), ViewState::Insert);
    view.setText("naam", "Celadon");
    view.post();
    view.close();
    auto packet = readPacketFile(path);
    ASSERT_TRUE(packet);
    ASSERT_EQ(packet->rows.size(), 1u);
    for (int f = 0; f < packet->fieldCount(); ++f)
        EXPECT_EQ(packet->isNull(packet->rows[0], f),
                  packet->fields()[static_cast<std::size_t>(f)].name != "naam");
}

TEST_F(ViewFixture, FieldValuesAsTextAndNumber) {
    numfmt::setDecimalSeparator(',');
    write({"A"});
    openSorted();
    view.edit();
    view.setText("naam", std::string(50, 'x'));
    EXPECT_EQ(view.asText("naam"), std::string(40, 'x'));
    view.setText("levr", std::string(45, 'e') + "é");
    view.setText("levr", "ééééééééééééééééééééééééééééééééééééééééééé"); // 43 two-byte characters
    EXPECT_EQ(view.asText("levr").size(), 80u);
    view.setText("prys", "2,5");
    EXPECT_EQ(view.asNumber("prys"), 2.5);
    EXPECT_EQ(view.asText("prys"), "2,5");
    view.setText("prys", "");
    EXPECT_TRUE(view.isNull("prys"));
    EXPECT_EQ(view.asNumber("prys"), 0);
    EXPECT_EQ(view.asText("prys"), "");
    view.setNumber("molg", 1.0 / 3);
    EXPECT_EQ(view.asText("molg"), "0,333333333333333");
    view.setNumber("molg", std::numeric_limits<double>::infinity());
    EXPECT_TRUE(view.isNull("molg")) << "a non-finite number is never stored";
    numfmt::setDecimalSeparator('.');
}

TEST_F(ViewFixture, NumberTextRefusedWithFieldMessageAndNothingElseLost) {
    numfmt::setDecimalSeparator(',');
    write({"A"});
    openSorted();
    view.edit();
    view.setText("prys", "3,5");
    for (const char* bad : {"abc", "1,5x", "nan", "inf", "1e999"}) {
        EXPECT_EQ(message([&] { view.setText("prys", bad); }),
                  std::string("'") + bad + "' is not a valid floating point value for field 'prys'");
    }
    EXPECT_EQ(view.asNumber("prys"), 3.5);
    EXPECT_EQ(view.state(), ViewState::Edit);
    numfmt::setDecimalSeparator('.');
}

TEST_F(ViewFixture, StoreMessagesCarryTheViewName) {
    EXPECT_EQ(message([&] { view.open(); }),
              "MatCDS: Missing data provider or data packet: " + path + " (bestand bestaat niet)");
    test::writeBytes(path, "");
    EXPECT_EQ(message([&] { view.open(); }),
              "MatCDS: Missing data provider or data packet: " + path + " (bestand is leeg)");
    View withoutFile("MatCDS");
    EXPECT_EQ(message([&] { withoutFile.open(); }), "MatCDS: Missing data provider or data packet");
    EXPECT_FALSE(view.active());
    EXPECT_EQ(message([&] { view.edit(); }), "MatCDS: Cannot perform this operation on a closed dataset");
    EXPECT_EQ(message([&] { view.insert(); }), "MatCDS: Cannot perform this operation on a closed dataset");
    EXPECT_EQ(view.asText("naam"), "") << "reading a closed view gives the empty value";

    write({"A"});
    view.setReadOnly(true);
    openSorted();
    EXPECT_EQ(message([&] { view.edit(); }), "MatCDS: Cannot modify a read-only dataset");
    EXPECT_EQ(message([&] { view.insert(); }), "MatCDS: Cannot modify a read-only dataset");
    EXPECT_EQ(message([&] { view.remove(); }), "MatCDS: Cannot modify a read-only dataset");
    EXPECT_EQ(message([&] { (void)view.asText("xyz"); }), "MatCDS: Field 'xyz' not found");
}

TEST_F(ViewFixture, DeclaredFieldsKeepTheirTypeAndMissingOnesAreAdded) {
    FieldDefs fields = TableLayouts::materials();
    fields.erase(fields.begin() + 3); // molg
    writePacketFile(path, Packet(fields));
    view.declareFields(TableLayouts::materials());
    view.open();
    EXPECT_TRUE(view.hasField("molg"));
    view.close();

    fields = TableLayouts::materials();
    fields[2].type = FieldType::Text; // prys as text
    fields[2].width = 10;
    writePacketFile(path, Packet(fields));
    EXPECT_EQ(message([&] { view.open(); }),
              "MatCDS: Type mismatch for field 'prys', expecting: Float actual: String");

    fields = TableLayouts::materials();
    fields[0].width = 20; // a text width is not compared
    writePacketFile(path, Packet(fields));
    view.open();
    EXPECT_TRUE(view.active());
}

TEST_F(ViewFixture, DeleteMovesToNextAndIsWritten) {
    write({"A", "B", "C"});
    openSorted();
    view.next();
    view.remove();
    EXPECT_EQ(view.asText("naam"), "C");
    view.remove();
    EXPECT_EQ(view.asText("naam"), "A");
    view.remove();
    EXPECT_TRUE(view.isEmpty());
    EXPECT_EQ(message([&] { view.remove(); }), "MatCDS: Cannot perform this operation on an empty dataset");
    view.close();
    EXPECT_EQ(readPacketFile(path)->rows.size(), 0u);
}

TEST_F(ViewFixture, NextPastLastSetsEndOfTable) {
    write({"A", "B"});
    openSorted();
    int seen = 0;
    for (view.first(); !view.eof(); view.next())
        ++seen;
    EXPECT_EQ(seen, 2);
    EXPECT_EQ(view.asText("naam"), "B");
}

TEST_F(ViewFixture, FailedWriteKeepsOldFileAndRows) {
    write({"A"});
    std::string old = readBytes(path);
    openSorted();
    view.edit();
    view.setText("levr", "changed");
    view.post();
    // Make the folder's place unusable: the temp file cannot be created.
    std::filesystem::rename(dir.path(), dir.path().string() + ".moved");
    std::string err = message([&] { view.close(); });
    std::filesystem::rename(dir.path().string() + ".moved", dir.path());
    EXPECT_NE(err.find("MatCDS: Cannot write file"), std::string::npos) << err;
    EXPECT_TRUE(view.active()) << "rows are kept when the write fails";
    EXPECT_EQ(readBytes(path), old);
    view.close(); // now it can be written
    View again("MatCDS", path);
    again.open();
    EXPECT_EQ(again.asText("levr"), "changed");
}

TEST_F(ViewFixture, ObserversHearUpdateRecordBeforePost) {
    write({"A"});
    openSorted();
    struct TypingControl : ViewObserver {
        std::string typed;
        std::vector<ViewEvent> events;
        void viewChanged(View& v, ViewEvent e, int) override {
            events.push_back(e);
            if (e == ViewEvent::UpdateRecord && !typed.empty()) {
                std::string t = typed;
                typed.clear();
                v.setText("levr", t);
            }
        }
    } control;
    view.addObserver(&control);
    view.edit();
    control.typed = "typed but not yet written";
    view.next(); // moving must not lose what the control holds
    view.removeObserver(&control);
    EXPECT_EQ(view.asText("levr"), "typed but not yet written");
    EXPECT_TRUE(view.changedSinceOpen());
}

TEST_F(ViewFixture, CancelRestoresAndDropsInsert) {
    write({"A"});
    openSorted();
    view.edit();
    view.setText("levr", "before");
    view.setNumber("prys", 2.5);
    view.post();
    view.edit();
    view.setText("naam", "Z");
    view.setText("levr", "first change");
    view.setText("levr", "second change");
    view.setNumber("prys", 9);
    view.clear(view.fieldIndex("prys"));
    view.setText("molg", "1");
    view.cancel();
    EXPECT_EQ(view.asText("naam"), "A");
    EXPECT_EQ(view.asText("levr"), "before");
    EXPECT_EQ(view.asNumber("prys"), 2.5);
    EXPECT_TRUE(view.isNull("molg"));
    view.insert();
    EXPECT_EQ(view.recordCount(), 2);
    view.cancel();
    EXPECT_EQ(view.recordCount(), 1);
}

TEST_F(ViewFixture, MissingFileIsNamedWithItsFullPath) {
    // A relative name is reported as the full path the program looked at.
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    View relative("GlzCDS", "db0991/glz.cds");
    const std::string shown = message([&] { relative.open(); });
    std::filesystem::current_path(before);
    EXPECT_EQ(shown, "GlzCDS: Missing data provider or data packet: " +
                         (dir.path() / "db0991/glz.cds").string() + " (bestand bestaat niet)");
}

TEST_F(ViewFixture, SaveWritesPostedWorkAndStaysOpen) {
    write({"A", "B"});
    openSorted();
    const std::string before = readBytes(path);
    view.save(); // nothing posted: nothing written
    EXPECT_EQ(readBytes(path), before);

    view.edit();
    view.setText("levr", "typed");
    view.save(); // an unposted edit is not written either
    EXPECT_EQ(readBytes(path), before);
    view.post();
    view.next();
    view.save();
    EXPECT_TRUE(view.active());
    EXPECT_EQ(view.state(), ViewState::Browse);
    EXPECT_EQ(view.asText("naam"), "B") << "the current row stays";
    {
        View other("Other", path);
        other.setIndexFieldNames("naam");
        other.open();
        ASSERT_TRUE(other.findKey("A"));
        EXPECT_EQ(other.asText("levr"), "typed");
    }
    // A second save without changes leaves the file alone (every write puts
    // a new file in place, so the same inode means no write); a delete is written.
    const auto inodeOf = [](const std::string& p) {
        struct stat st {};
        return ::stat(p.c_str(), &st) == 0 ? st.st_ino : ino_t{0};
    };
    const ino_t inode = inodeOf(path);
    view.save();
    EXPECT_EQ(inodeOf(path), inode);
    view.remove();
    view.save();
    View after("After", path);
    after.open();
    EXPECT_EQ(after.recordCount(), 1);
}

TEST_F(ViewFixture, FailedSaveKeepsTheRowsAndSaysWhy) {
    write({"A"});
    openSorted();
    view.edit();
    view.setText("levr", "kept");
    view.post();
    // A folder in place of the file: no write can succeed, for any user.
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    const std::string error = message([&] { view.save(); });
    EXPECT_EQ(error.rfind("MatCDS: ", 0), 0u) << error;
    EXPECT_NE(error, "(no error)");
    EXPECT_TRUE(view.active());
    EXPECT_EQ(view.asText("levr"), "kept");
    std::filesystem::remove(path);
    view.save(); // the rows were kept: the next write has them
    View after("After", path);
    after.open();
    EXPECT_EQ(after.asText("levr"), "kept");
}

namespace {
// A control that keeps the view it follows and forgets it when told.
struct FollowingControl : ViewObserver {
    View* view = nullptr;
    int heard = 0;
    void follow(View& v) {
        view = &v;
        v.addObserver(this);
    }
    void viewChanged(View&, ViewEvent, int) override { ++heard; }
    void viewDestroyed(View& v) override {
        EXPECT_EQ(&v, view);
        view = nullptr;
    }
};
} // namespace

TEST(ViewObserverLifetime, ViewDestroyedBeforeItsControls) {
    auto control = std::make_unique<FollowingControl>();
    {
        View view("TestCDS");
        view.openPacket(materials({"A", "B"}));
        control->follow(view);
        view.next();
        EXPECT_GT(control->heard, 0);
    } // the view goes first: the control is told and drops it
    EXPECT_EQ(control->view, nullptr);
    control.reset(); // and leaves no view behind (clean under AddressSanitizer)
}

TEST(ViewObserverLifetime, ControlsDestroyedBeforeTheirView) {
    View view("TestCDS");
    view.openPacket(materials({"A", "B"}));
    auto first = std::make_unique<FollowingControl>();
    auto second = std::make_unique<FollowingControl>();
    first->follow(view);
    second->follow(view);
    first.reset(); // unsubscribes itself; the view must not call it again
    view.next();
    EXPECT_EQ(second->heard, 1);
    second.reset();
    view.prior(); // nobody left to tell
    view.close();
}
