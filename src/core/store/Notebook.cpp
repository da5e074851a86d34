// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Notebook.h"
#include "common/Translate.h"

#include "model/RecordNames.h"
#include "notebook/NotebookError.h"
#include "notebook/NotebookRules.h"
#include "store/AtomicFile.h"
#include "store/DataFiles.h"
#include "store/NotebookMapper.h"
#include "store/PacketCodec.h"
#include "store/StoreTransaction.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace kelvora {

namespace fs = std::filesystem;

namespace {

constexpr const char* kImageExtensions[] = {"jpg", "jpeg", "png", "gif", "webp",
                                            "tif", "tiff", "bmp", "heic"};

std::string lowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return text;
}

template <typename Record, typename Key>
void requireUnique(const std::vector<Record>& records, Key key, const std::string& message) {
    for (std::size_t i = 0; i < records.size(); ++i)
        for (std::size_t j = i + 1; j < records.size(); ++j)
            if (RecordNames::same(key(records[i]), key(records[j])))
                throw NotebookError(fillIn(message, {key(records[i])}));
}

} // namespace

Notebook::Notebook(std::string dataDir) : dataDir_(std::move(dataDir)) {
    if (dataDir_.empty()) dataDir_ = ".";
}

std::array<std::string, Notebook::tableCount> Notebook::paths() const {
    return {DataFiles::inFolder(dataDir_, DataFiles::testsName),
            DataFiles::inFolder(dataDir_, DataFiles::firingsName),
            DataFiles::inFolder(dataDir_, DataFiles::tileResultsName),
            DataFiles::inFolder(dataDir_, DataFiles::photosName),
            DataFiles::inFolder(dataDir_, DataFiles::scheduleTemplatesName)};
}

void Notebook::load() {
    const auto files = paths();
    std::array<std::optional<Packet>, tableCount> packets;
    std::array<std::optional<FileIdentity>, tableCount> identities;
    for (std::size_t i = 0; i < tableCount; ++i) {
        FileIdentity identity;
        packets[i] = readPacketFile(files[i], &identity);
        if (packets[i]) identities[i] = identity;
    }
    NotebookData data;
    if (packets[0]) data.tests = NotebookMapper::tests(*packets[0]);
    if (packets[1]) data.firings = NotebookMapper::firings(*packets[1]);
    if (packets[2]) data.results = NotebookMapper::results(*packets[2]);
    if (packets[3]) data.photos = NotebookMapper::photos(*packets[3]);
    if (packets[4]) data.templates = NotebookMapper::templates(*packets[4]);
    data_ = std::move(data);
    identities_ = identities;
    for (std::size_t i = 0; i < tableCount; ++i)
        bytes_[i] = packets[i] ? encodeBinary(*packets[i]) : std::string();
}

std::string Notebook::suggestTestCode(int year) const {
    std::vector<std::string> codes;
    for (const auto& t : data_.tests)
        codes.push_back(t.code);
    return NotebookRules::nextCode('K', year, codes);
}

std::string Notebook::suggestFiringCode(int year) const {
    std::vector<std::string> codes;
    for (const auto& f : data_.firings)
        codes.push_back(f.code);
    return NotebookRules::nextCode('S', year, codes);
}

void Notebook::addTest(const Proef& test) {
    NotebookData next = data_;
    next.tests.push_back(test);
    commit(std::move(next), {});
}

void Notebook::updateTest(const Proef& test) {
    NotebookData next = data_;
    auto it = std::find_if(next.tests.begin(), next.tests.end(),
                           [&](const Proef& t) { return RecordNames::same(t.code, test.code); });
    if (it == next.tests.end())
        throw NotebookError(fillIn(translate("Notebook", "Er is geen proef met de code '%1'."), {test.code}));
    Recipe asMixed = it->recipe;
    *it = test;
    it->recipe = std::move(asMixed);
    commit(std::move(next), {});
}

void Notebook::addFiring(const Stook& firing) {
    NotebookData next = data_;
    next.firings.push_back(firing);
    commit(std::move(next), {});
}

void Notebook::setResult(const TileResult& result) {
    NotebookData next = data_;
    auto it = std::find_if(next.results.begin(), next.results.end(), [&](const TileResult& r) {
        return RecordNames::same(r.firing, result.firing) && RecordNames::same(r.test, result.test);
    });
    if (it == next.results.end())
        next.results.push_back(result);
    else
        *it = result;
    commit(std::move(next), {});
}

int Notebook::removeTestsOf(const std::string& glaze) {
    NotebookData next = data_;
    std::vector<std::string> codes, files;
    for (const auto& t : next.tests)
        if (RecordNames::same(t.glaze, glaze)) codes.push_back(t.code);
    const auto gone = [&](const std::string& code) { return RecordNames::taken(code, codes); };
    std::erase_if(next.tests, [&](const Proef& t) { return gone(t.code); });
    std::erase_if(next.results, [&](const TileResult& r) { return gone(r.test); });
    for (const auto& p : next.photos)
        if (gone(p.test)) files.push_back(photoPath(p));
    std::erase_if(next.photos, [&](const Foto& p) { return gone(p.test); });
    if (codes.empty()) return 0;
    commit(std::move(next), {});
    // Only now: a table that still named a photo would otherwise miss it.
    std::error_code ec;
    for (const auto& file : files)
        fs::remove(file, ec);
    return static_cast<int>(codes.size());
}

int Notebook::renameGlaze(const std::string& from, const std::string& to) {
    NotebookData next = data_;
    int changed = 0;
    for (auto& t : next.tests)
        if (RecordNames::same(t.glaze, from)) {
            t.glaze = to;
            ++changed;
        }
    if (changed > 0) commit(std::move(next), {});
    return changed;
}

void Notebook::saveTemplate(const ScheduleTemplate& schedule) {
    if (RecordNames::same(schedule.name, ""))
        throw NotebookError(translate("Notebook", "Geef het stookschema eerst een naam."));
    NotebookData next = data_;
    auto it = std::find_if(next.templates.begin(), next.templates.end(), [&](const ScheduleTemplate& t) {
        return RecordNames::same(t.name, schedule.name);
    });
    if (it == next.templates.end())
        next.templates.push_back(schedule);
    else
        *it = schedule;
    commit(std::move(next), {});
}

std::string Notebook::imageExtension(const std::string& path) {
    const std::string extension = lowerAscii(fs::path(path).extension().string());
    for (const char* known : kImageExtensions)
        if (extension == std::string(".") + known) return known;
    std::string list;
    for (const char* known : kImageExtensions)
        list += (list.empty() ? "" : ", ") + std::string(known);
    throw NotebookError(
        fillIn(translate("Notebook", "'%1' is geen foto die Kelvora bewaart (%2)."), {path, list}));
}

std::string Notebook::freePhotoFile(const std::string& test, const std::string& extension,
                                    const std::vector<std::string>& taken) const {
    std::string stem;
    for (const char c : test)
        stem += c == '/' || c == '.' ? '_' : c;
    for (int n = 1;; ++n) {
        const std::string file =
            std::string(DataFiles::photoFolder) + "/" + stem + "-" + std::to_string(n) + "." + extension;
        const bool used = std::any_of(data_.photos.begin(), data_.photos.end(),
                                      [&](const Foto& p) { return p.file == file; }) ||
                          std::find(taken.begin(), taken.end(), file) != taken.end();
        std::error_code ec;
        if (!used && !fs::exists(dataDir_ + "/" + file, ec)) return file;
    }
}

Foto Notebook::addPhoto(const NewPhoto& photo) {
    NotebookData next = data_;
    const std::string extension = imageExtension(photo.source);
    PhotoFile file{freePhotoFile(photo.photo.test, extension), {}};
    if (!readWholeFile(photo.source, file.bytes, maxPhotoBytes))
        throw NotebookError(fillIn(translate("Notebook", "Het bestand '%1' is er niet."), {photo.source}));
    Foto stored = photo.photo;
    stored.file = file.file;
    next.photos.push_back(stored);
    commit(std::move(next), {file});
    return stored;
}

void Notebook::record(const Proef& test, const std::vector<TileResult>& results,
                      const std::vector<NewPhoto>& photos) {
    NotebookData next = data_;
    next.tests.push_back(test);
    for (const auto& r : results)
        next.results.push_back(r);
    std::vector<PhotoFile> files;
    std::vector<std::string> taken;
    for (const auto& p : photos) {
        PhotoFile file{freePhotoFile(p.photo.test, imageExtension(p.source), taken), {}};
        if (!readWholeFile(p.source, file.bytes, maxPhotoBytes))
            throw NotebookError(fillIn(translate("Notebook", "Het bestand '%1' is er niet."), {p.source}));
        taken.push_back(file.file);
        Foto stored = p.photo;
        stored.file = file.file;
        next.photos.push_back(stored);
        files.push_back(std::move(file));
    }
    commit(std::move(next), files);
}

void Notebook::checkLinks(const NotebookData& d) {
    requireUnique(
        d.tests, [](const Proef& t) { return t.code; },
        translate("Notebook", "Een proef met de code '%1' bestaat al."));
    requireUnique(
        d.firings, [](const Stook& f) { return f.code; },
        translate("Notebook", "Een stook met de code '%1' bestaat al."));
    requireUnique(
        d.templates, [](const ScheduleTemplate& t) { return t.name; },
        translate("Notebook", "Een stookschema met de naam '%1' bestaat al."));
    requireUnique(
        d.photos, [](const Foto& p) { return p.file; },
        translate("Notebook", "Een foto met het bestand '%1' bestaat al."));
    requireUnique(
        d.results, [](const TileResult& r) { return r.firing + " " + r.test; },
        translate("Notebook", "Het resultaat van stook en proef '%1' bestaat al."));
    for (const auto& t : d.tests)
        NotebookRules::check(t);
    for (const auto& f : d.firings)
        NotebookRules::check(f);
    for (const auto& r : d.results) {
        NotebookRules::check(r);
        if (!d.test(r.test))
            throw NotebookError(
                fillIn(translate("Notebook", "Er is geen proef met de code '%1'."), {r.test}));
        if (!d.firing(r.firing))
            throw NotebookError(
                fillIn(translate("Notebook", "Er is geen stook met de code '%1'."), {r.firing}));
    }
    for (const auto& p : d.photos) {
        NotebookRules::check(p);
        if (!d.test(p.test))
            throw NotebookError(
                fillIn(translate("Notebook", "Er is geen proef met de code '%1'."), {p.test}));
        if (!p.firing.empty() && !d.firing(p.firing))
            throw NotebookError(
                fillIn(translate("Notebook", "Er is geen stook met de code '%1'."), {p.firing}));
    }
}

void Notebook::commit(NotebookData next, const std::vector<PhotoFile>& files,
                      const std::function<void(StoreTransaction&)>& alsoWrite) {
    checkLinks(next);
    for (const auto& f : files) {
        const bool listed = std::any_of(next.photos.begin(), next.photos.end(),
                                        [&](const Foto& p) { return p.file == f.file; });
        if (!listed || f.file.rfind(std::string(DataFiles::photoFolder) + "/", 0) != 0)
            throw NotebookError(translate("Notebook", "Een foto wordt alleen in de map foto bewaard."));
        if (f.bytes.size() > maxPhotoBytes)
            throw NotebookError(fillIn(translate("Notebook", "De foto '%1' is te groot."), {f.file}));
    }
    const std::array<Packet, tableCount> packets{
        NotebookMapper::tablesOf(next.tests), NotebookMapper::tablesOf(next.firings),
        NotebookMapper::tablesOf(next.results), NotebookMapper::tablesOf(next.photos),
        NotebookMapper::tablesOf(next.templates)};
    const auto files_ = paths();
    std::array<std::string, tableCount> bytes;
    StoreTransaction change(dataDir_);
    bool any = false;
    std::array<std::optional<FileIdentity>, tableCount> identities = identities_;
    for (std::size_t i = 0; i < tableCount; ++i) {
        bytes[i] = encodeBinary(packets[i]);
        // A table is made when it first gets a row, and written only when it changed.
        if ((bytes_[i].empty() && packets[i].rows.empty()) || bytes[i] == bytes_[i]) {
            bytes[i] = bytes_[i];
            continue;
        }
        // A table that was not there when read must not be there now either.
        std::error_code ec;
        if (!identities_[i] && fs::exists(files_[i], ec))
            throw FileError(fillIn(
                translate("StoreError", "Unable to write to \"%1\": another program made the file after the "
                                        "notebook was read. Nothing was written; open the notebook again to "
                                        "see the other changes."),
                {files_[i]}));
        change.write(files_[i], packets[i], identities_[i] ? &*identities_[i] : nullptr,
                     [&identities, i](const FileIdentity& written) { identities[i] = written; });
        any = true;
    }

    if (alsoWrite) {
        alsoWrite(change);
        any = true;
    }

    // The photos first: a table never names a photo that is not there.
    std::vector<std::string> copied;
    const auto removeCopies = [&] {
        // Straight to the system: undoing our own copy is no change of the store.
        std::error_code ec;
        for (const auto& path : copied)
            fs::remove(path, ec);
    };
    try {
        if (!files.empty()) fs::create_directories(dataDir_ + "/" + DataFiles::photoFolder);
        for (const auto& f : files) {
            const std::string path = dataDir_ + "/" + f.file;
            std::error_code ec;
            if (fs::exists(path, ec))
                throw NotebookError(fillIn(translate("Notebook", "Er staat al een bestand '%1'."), {f.file}));
            AtomicFile::write(path, f.bytes);
            copied.push_back(path);
        }
        if (any) change.commit();
    } catch (const fs::filesystem_error& e) {
        removeCopies();
        throw FileError(fillIn(translate("StoreError", "Cannot write file \"%1\". %2"),
                               {dataDir_ + "/" + DataFiles::photoFolder, e.code().message()}));

    } catch (...) {
        // After the journal the change stands: the next open completes it.
        std::error_code ec;
        if (!fs::exists(dataDir_ + "/" + StoreTransaction::journalName, ec)) {
            removeCopies();
            throw;
        }
        data_ = std::move(next);
        identities_ = identities;
        bytes_ = bytes;
        throw;
    }
    data_ = std::move(next);
    identities_ = identities;
    bytes_ = bytes;
}

std::string Notebook::photoPath(const Foto& photo) const {
    return dataDir_ + "/" + photo.file;
}

bool Notebook::photoPresent(const Foto& photo) const {
    std::error_code ec;
    return fs::is_regular_file(photoPath(photo), ec);
}

} // namespace kelvora
