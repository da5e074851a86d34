// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/FieldDef.h"
#include "store/FileIdentity.h"
#include "store/Packet.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

class StoreTransaction;
class View;

enum class ViewState { Closed, Browse, Edit, Insert };

enum class ViewEvent {
    Opened,       // the view was opened
    Closed,       // the view was closed
    DataChanged,  // rows were added, removed, reordered or posted
    Scrolled,     // another row became current
    StateChanged, // browse / edit / insert changed
    FieldChanged, // one field of the current row changed (field index given)
    UpdateRecord, // controls holding typed text must write it into the fields now
};

// Data-aware controls follow a view through this interface. The subscription
// is safe from both sides: an observer that goes away leaves every view it
// watched, and a view that goes away tells its observers (viewDestroyed), so
// neither ever holds a pointer to the other after its end, whichever goes first.
class ViewObserver {
public:
    ViewObserver() = default;
    ViewObserver(const ViewObserver&) = delete;
    ViewObserver& operator=(const ViewObserver&) = delete;
    virtual ~ViewObserver();
    virtual void viewChanged(View& view, ViewEvent event, int field) = 0;

protected:
    // `view` is being destroyed and has already forgotten this observer;
    // drop every pointer to it.
    virtual void viewDestroyed(View& view) { (void)view; }

private:
    friend class View;
    std::vector<View*> watched_;
};

// A record-at-a-time table view over one data file: the whole table in memory,
// a current row and the editing states. Errors are StoreError with the view's
// name in front of the message, except the number-conversion error.
class View {
public:
    explicit View(std::string name, std::string fileName = {});
    ~View(); // closes, as close() does; a failing write is lost here. Tells the observers.
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    const std::string& name() const { return name_; }
    const std::string& fileName() const { return fileName_; }
    void setFileName(std::string fileName) { fileName_ = std::move(fileName); }
    // Fields the view binds by name when it opens. A field the file holds must
    // have the declared type; one it lacks (an older file) is added, empty in
    // every row, and written with the table's next write. Without declared
    // fields the view shows the file's.
    void declareFields(FieldDefs fields) { declared_ = std::move(fields); }
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool readOnly() const { return readOnly_; }
    // Order by one field ("naam"), ascending, byte order, stable for equal keys;
    // "" keeps the order the rows have. Setting the order in force changes nothing.
    void setIndexFieldNames(const std::string& field);
    const std::string& indexFieldNames() const { return orderField_; }
    void setLogChanges(bool on) { logChanges_ = on; }
    bool logChanges() const { return logChanges_; }
    bool changedSinceOpen() const { return changed_; }

    // Reads the whole file. Fails, leaving the view closed, when the file is
    // missing, empty, damaged, of a newer format, or holds a declared field
    // with another type.
    void open();
    // Opens on a packet in memory (tests, import of a file read elsewhere).
    void openPacket(Packet packet);
    // Drops an unposted edit, writes the file when something was posted since
    // open (atomically), then closes. A failed write leaves the view open.
    // The write is refused when the file on disk is no longer the one the
    // view read (another program changed it); the file is then untouched.
    void close();
    // Writes the file now when something was posted or deleted since the
    // last write, and stays open in the state it is in. A failed write
    // throws the store's error and keeps every row in memory.
    void save();
    // Adds the rows this view holds to `transaction` instead of writing them
    // now: they replace the view's file together with the transaction's other
    // tables, and once it commits they count as written. Needs browse state
    // (post or cancel first). The view must stay open until the commit.
    void saveWith(StoreTransaction& transaction);
    // Whether something was posted or deleted since the last write.
    bool hasUnsavedChanges() const { return unsaved_; }
    bool active() const { return state_ != ViewState::Closed; }
    ViewState state() const { return state_; }
    bool inEditState() const { return state_ == ViewState::Edit; }

    void edit();
    // Starts a new row; the defaults (if set) fill it, and a new row that the
    // user leaves as it is still counts as unmodified.
    void insert();
    // Starts a new row after the last one, as insert() does before the current one.
    void append();
    void setNewRowDefaults(std::function<void(View&)> fill) { newRowDefaults_ = std::move(fill); }
    // Runs at every post once typed text is in the fields, before the row
    // takes its place; a check that throws keeps the edit open and unposted.
    // An empty function removes it.
    void setBeforePost(std::function<void(View&)> check) { beforePost_ = std::move(check); }
    // The order key the row had when its edit began (edit state only).
    const std::string& keyBeforeEdit() const { return keyBefore_; }
    void post();
    void cancel();
    void remove(); // delete the current row
    void first();
    void prior();
    void next();
    void last();
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    int recordCount() const;
    bool isEmpty() const { return recordCount() == 0; }
    int recNo() const { return current_; } // 0-based, -1 when there is no row
    void moveTo(int index);                // settles a pending edit as moving does

    // Key lookup on the order field: settles a pending edit, then makes the
    // first row whose key equals `value` exactly current. False: nothing moves.
    bool findKey(std::string_view value);

    // Field access on the current row. Reading a closed view or one without
    // rows gives the empty value.
    const FieldDefs& fields() const;
    int fieldIndex(std::string_view name) const; // throws "Field '%s' not found"
    bool hasField(std::string_view name) const;
    std::string asText(std::string_view field) const;
    double asNumber(std::string_view field) const;
    bool isNull(std::string_view field) const;
    std::string asText(int field) const;
    double asNumber(int field) const;
    bool isNull(int field) const;
    // Writing needs edit or insert state. Text into a numeric field: "" empties
    // it, anything else must be a number in the user's locale.
    void setText(std::string_view field, std::string_view text);
    void setNumber(std::string_view field, double value);
    void setText(int field, std::string_view text);
    void setNumber(int field, double value);
    void clear(int field);
    // Whether a field of the pending edit or insertion was changed.
    bool modified() const { return modified_; }

    // Any row, for grids.
    std::string textAt(int row, int field) const;
    double numberAt(int row, int field) const;

    // Asks the observers to write what the user typed into the fields.
    void updateRecord();
    // Subscribes an observer until either side goes away or it unsubscribes.
    void addObserver(ViewObserver* observer);
    void removeObserver(ViewObserver* observer);

    // The table as it stands (for export); valid while open.
    const Packet& packet() const { return packet_; }

private:
    // Writes the rows over the file, checked against the file last read or
    // written; fails with the store's message and keeps the rows.
    void writeBack();
    std::string prefixed(const std::string& message) const;
    [[noreturn]] void fail(const std::string& message) const;
    void requireOpen() const;
    void requireWritable() const;
    void requireEditing() const;
    void checkClosedRead(std::string_view field) const;
    void settlePending();       // post if modified, drop otherwise
    void placeCurrentInOrder(); // after a post
    void sortRows();
    void startNewRow(bool atEnd);
    void notify(ViewEvent event, int field = -1);
    void bind(Packet& packet) const;
    const Row* currentRow() const;
    int keyField() const;

    std::string name_;
    std::string fileName_;
    FieldDefs declared_;
    bool readOnly_ = false;
    std::string orderField_;
    bool logChanges_ = true;
    bool changed_ = false;
    bool unsaved_ = false; // posted or deleted since the last write
    ViewState state_ = ViewState::Closed;
    Packet packet_;
    int current_ = -1;
    bool eof_ = true;
    bool bof_ = true;
    bool modified_ = false;
    Row backup_;             // the row as it was before edit
    bool hasBackup_ = false; // whether backup_ holds the row being edited
    std::string keyBefore_;  // order key of the row before edit
    std::vector<ViewObserver*> observers_;
    std::function<void(View&)> newRowDefaults_;
    std::function<void(View&)> beforePost_;
    // Which file open() read, and under which name; a write checks it first.
    std::optional<FileIdentity> readIdentity_;
    std::string readPath_;
};

} // namespace kelvora
