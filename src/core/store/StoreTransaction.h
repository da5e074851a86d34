// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "store/FileIdentity.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kelvora {

class Packet;
class View;

// Changes to several tables of one data folder, all or nothing: renaming a
// material together with the recipes that use it, importing materials and
// glazes together.
//
//   StoreTransaction change(dataFolder);
//   materials.saveWith(change);   // a View with posted changes
//   glazes.saveWith(change);
//   change.commit();              // both tables new, or both as they were
//
// commit() writes every new table beside its old one (".<name>.kelvora-new"),
// flushed to disk; then records the intent in the folder's journal
// (".kelvora.journal", written atomically: from this moment the change
// counts as made); then renames each new table over its old one; then
// removes the journal. A program killed before the journal leaves the old
// tables and some new files beside them; one killed after it leaves the
// journal. Either way the next program that takes the folder's lock
// (DataFolderLock) calls recover(), which removes the new files without a
// journal (the tables stay all old) or completes the renames the journal
// names (the tables become all new). While this program holds the lock, a
// table that is read or written completes a pending journal first, so no
// table is ever read or written between the two halves of a change.
class StoreTransaction {
public:
    static constexpr const char* journalName = ".kelvora.journal";
    static constexpr const char* stagedSuffix = ".kelvora-new";

    // A change of the tables of `folder`, the data folder where the journal is kept.
    explicit StoreTransaction(std::string folder);
    // A transaction that was not committed changes nothing.
    ~StoreTransaction() = default;
    StoreTransaction(const StoreTransaction&) = delete;
    StoreTransaction& operator=(const StoreTransaction&) = delete;

    // `packet` is to replace the table file `path`. It is encoded now, so a
    // table a reader would refuse is refused here (TableRules). With
    // `expected`, commit() refuses when the file is no longer that one.
    // `written` is told the identity of the new file once the change is made.
    void write(const std::string& path, const Packet& packet, const FileIdentity* expected = nullptr,
               std::function<void(const FileIdentity&)> written = {});

    // Makes the change; throws the store's error. A failure before the
    // journal is written leaves every table as it was and the folder as it
    // was. A failure after it (a rename that fails) is completed at once when
    // possible; when not, commit() throws, the change stands recorded and the
    // next open of the folder completes it; the tables count as written.
    // Needs the folder's lock: held by this process already, or taken now
    // (refused at once with DataFolderBusy while another program holds it).
    void commit();

    // Completes or undoes a change a killed program left in `folder` (see
    // above). Call it only while this process holds the folder's lock.
    // Returns whether there was anything to do; throws FileError when a new
    // table the journal names is missing or damaged (nothing is then changed).
    static bool recover(const std::string& folder);
    // recover() when the folder holds a journal; costs one look otherwise.
    static void recoverIfPending(const std::string& folder);

    // Where the new file of the table `target` is written beside it.
    static std::string stagedPathFor(const std::string& target);

private:
    struct Table {
        std::string path;   // as given
        std::string target; // the file the rename replaces (links followed)
        std::string bytes;
        std::optional<FileIdentity> expected;
        std::function<void(const FileIdentity&)> written;
        FileIdentity staged; // of the new file once it is written
    };
    void stage(Table& table);
    void discardStaged();
    std::string folder_;
    std::vector<Table> tables_;
    bool committed_ = false;
};

} // namespace kelvora
