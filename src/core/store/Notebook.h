// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "notebook/NotebookData.h"
#include "store/FileIdentity.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kelvora {

class StoreTransaction;

// The test notebook of one data folder: tests, firings, results, photos and
// saved schedules, in five tables of the store beside the glazes (made at
// the first change that needs them; a folder without them has an empty
// notebook) and the photos in the folder "foto" there.
//
// Every change is checked first (NotebookRules, the links between records,
// the field widths) and then written as one change of every table it
// touches through StoreTransaction: a test with its results and photos is
// in all its tables or in none. Photos are copied in before the tables are
// written; when the tables cannot be written the copies are removed again.
// A table another program changed since it was read is not overwritten.
class Notebook {
public:
    static constexpr std::size_t maxPhotoBytes = 64u * 1024u * 1024u;

    explicit Notebook(std::string dataDir);

    const std::string& dataDir() const { return dataDir_; }
    // Reads every table there is. Store errors and NotebookError (a damaged
    // memo) are thrown as they come.
    void load();
    const NotebookData& data() const { return data_; }

    // The code to suggest for a new test or firing in `year`.
    std::string suggestTestCode(int year) const;
    std::string suggestFiringCode(int year) const;

    // NotebookError for a code that is taken or a record that breaks a rule.
    void addTest(const Proef& test);
    // By code. The recipe as mixed stays as it was stored.
    void updateTest(const Proef& test);
    void addFiring(const Stook& firing);
    // Adds the result of a test in a firing, or replaces the one there is.
    void setResult(const TileResult& result);
    // When a glaze goes: takes its tests out with their results and photos
    // (and the photo files, once the tables are written); the firings stay,
    // as other tests share them. The number of tests taken out.
    int removeTestsOf(const std::string& glaze);
    // When a glaze is renamed: its tests follow. The number of tests changed.
    int renameGlaze(const std::string& from, const std::string& to);
    // Stores a schedule under its name, replacing one of the same name.
    void saveTemplate(const ScheduleTemplate& schedule);

    // A photo to bring in: the file to copy (left untouched) and what the
    // photo shows (its `file` is chosen here).
    struct NewPhoto {
        std::string source;
        Foto photo;
    };
    // Returns the photo as stored, with its path in the data folder.
    Foto addPhoto(const NewPhoto& photo);
    // A new test with its results and photos, as one change.
    void record(const Proef& test, const std::vector<TileResult>& results,
                const std::vector<NewPhoto>& photos);

    // A photo file to put into the data folder with a change: its bytes and
    // its path relative to the folder ("foto/...").
    struct PhotoFile {
        std::string file;
        std::string bytes;
    };
    // Replaces the notebook by `next` (what every change above comes down
    // to; also how another folder's notebook is merged in), bringing the
    // photo files in. `alsoWrite` may add other tables of the folder to the
    // same change (the glaze that comes with merged tests).
    void commit(NotebookData next, const std::vector<PhotoFile>& files,
                const std::function<void(StoreTransaction&)>& alsoWrite = {});

    // Where a photo's file lies, and whether it is there.
    std::string photoPath(const Foto& photo) const;
    bool photoPresent(const Foto& photo) const;
    // A free path "foto/<code>-<n>.<ext>" for a photo of `test`, given the
    // paths of `taken` that are not on disk yet.
    std::string freePhotoFile(const std::string& test, const std::string& extension,
                              const std::vector<std::string>& taken = {}) const;
    // The extension of an image file Kelvora keeps ("jpg", "png", ...), in
    // lower case; NotebookError for any other file.
    static std::string imageExtension(const std::string& path);

private:
    static constexpr std::size_t tableCount = 5;
    std::array<std::string, tableCount> paths() const;
    static void checkLinks(const NotebookData& data);
    std::string dataDir_;
    NotebookData data_;
    std::array<std::optional<FileIdentity>, tableCount> identities_;
    std::array<std::string, tableCount> bytes_; // each table as read or last written
};

} // namespace kelvora
