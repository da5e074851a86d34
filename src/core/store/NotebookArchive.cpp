// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/NotebookArchive.h"
#include "common/Translate.h"

#include "common/Utf8.h"
#include "model/RecordNames.h"
#include "model/TableLayouts.h"
#include "notebook/NotebookError.h"
#include "store/AtomicFile.h"
#include "store/Crc32.h"
#include "store/GlazeBook.h"
#include "store/Notebook.h"
#include "store/NotebookMapper.h"
#include "store/PacketCodec.h"
#include "store/RecordMapper.h"
#include "store/StoreTransaction.h"

#include <zip.h>

#include <cinttypes>
#include <cstdio>
#include <memory>
#include <set>

namespace kelvora {

namespace {

constexpr const char* kManifestHead = "Kelvora-map 1\n";
constexpr const char* kGlazeEntry = "glazuur.cds";
constexpr const char* kTestsEntry = "proeven.cds";
constexpr const char* kFiringsEntry = "stoken.cds";
constexpr const char* kResultsEntry = "resultaten.cds";
constexpr const char* kPhotosEntry = "fotos.cds";

[[noreturn]] void refuse(const std::string& zipPath, const std::string& why) {
    throw NotebookError(
        fillIn(translate("NotebookArchive", "'%1' is geen bruikbare Kelvora-map: %2"), {zipPath, why}));
}

// A name that stays inside the folder it is unpacked into.
bool safeName(const std::string& name) {
    if (name.empty() || name.size() > 255 || name.front() == '/' || name.back() == '/') return false;
    for (const char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == '\\' || c == ':' || c == 0x7f) return false;
    std::size_t start = 0;
    while (start <= name.size()) {
        const auto slash = name.find('/', start);
        const std::string part = name.substr(start, slash == std::string::npos ? slash : slash - start);
        if (part.empty() || part == "." || part == "..") return false;
        if (slash == std::string::npos) break;
        start = slash + 1;
    }
    return true;
}

std::string hex(std::uint32_t value) {
    char buf[9];
    std::snprintf(buf, sizeof buf, "%08" PRIx32, value);
    return buf;
}

struct ZipCloser {
    void operator()(zip_t* zip) const { zip_discard(zip); }
};

} // namespace

void NotebookArchive::write(const GlazeBook& book, const Notebook& notebook, const std::string& glazeName,
                            const std::string& zipPath) {
    const auto glaze = book.findGlaze(glazeName);
    if (!glaze)
        throw NotebookError(fillIn(translate("NotebookArchive", "Er is geen glazuur '%1'."), {glazeName}));
    const NotebookData& all = notebook.data();
    NotebookData part;
    std::set<std::string> firings;
    for (const Proef& t : all.tests) {
        if (!RecordNames::same(t.glaze, glaze->naam)) continue;
        part.tests.push_back(t);
        for (const TileResult* r : all.resultsOf(t.code)) {
            part.results.push_back(*r);
            firings.insert(r->firing);
        }
        for (const Foto* p : all.photosOf(t.code)) {
            part.photos.push_back(*p);
            if (!p->firing.empty()) firings.insert(p->firing);
        }
    }
    for (const Stook& f : all.firings)
        if (firings.count(f.code)) part.firings.push_back(f);

    // Every entry's bytes, kept alive until the zip is closed.
    std::vector<std::pair<std::string, std::string>> entries;
    Packet glazes(TableLayouts::glazes());
    glazes.rows.emplace_back();
    glazes.materialize(glazes.rows.back());
    GlazeMapper(glazes).write(glazes, glazes.rows.back(), *glaze);
    entries.emplace_back(kGlazeEntry, encodeBinary(glazes));
    entries.emplace_back(kTestsEntry, encodeBinary(NotebookMapper::tablesOf(part.tests)));
    entries.emplace_back(kFiringsEntry, encodeBinary(NotebookMapper::tablesOf(part.firings)));
    entries.emplace_back(kResultsEntry, encodeBinary(NotebookMapper::tablesOf(part.results)));
    entries.emplace_back(kPhotosEntry, encodeBinary(NotebookMapper::tablesOf(part.photos)));
    for (const Foto& p : part.photos) {
        std::string bytes;
        if (!safeName(p.file) || !readWholeFile(notebook.photoPath(p), bytes, maxEntryBytes))
            throw NotebookError(
                fillIn(translate("NotebookArchive", "De foto '%1' ontbreekt."), {notebook.photoPath(p)}));
        entries.emplace_back(p.file, std::move(bytes));
    }
    std::string manifest = kManifestHead;
    for (const auto& [name, bytes] : entries)
        manifest +=
            std::to_string(bytes.size()) + " " + hex(crc32(bytes.data(), bytes.size())) + " " + name + "\n";
    entries.emplace_back(manifestName, std::move(manifest));

    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!target) throw NotebookError(translate("NotebookArchive", "De Kelvora-map kan niet gemaakt worden."));
    zip_t* zip = zip_open_from_source(target, ZIP_TRUNCATE, &error);
    if (!zip) {
        zip_source_free(target);
        throw NotebookError(translate("NotebookArchive", "De Kelvora-map kan niet gemaakt worden."));
    }
    zip_source_keep(target);
    const auto fail = [&](const std::string& why) {
        zip_discard(zip);
        zip_source_free(target);
        throw NotebookError(
            fillIn(translate("NotebookArchive", "De Kelvora-map kan niet gemaakt worden: %1"), {why}));
    };
    for (const auto& [name, bytes] : entries) {
        zip_source_t* source = zip_source_buffer(zip, bytes.data(), bytes.size(), 0);
        if (!source) fail(zip_strerror(zip));
        if (zip_file_add(zip, name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(source);
            fail(zip_strerror(zip));
        }
    }
    if (zip_close(zip) != 0) fail(zip_strerror(zip));
    std::string out;
    if (zip_source_open(target) == 0) {
        char buf[65536];
        for (zip_int64_t n; (n = zip_source_read(target, buf, sizeof buf)) > 0;)
            out.append(buf, static_cast<std::size_t>(n));
        zip_source_close(target);
    }
    zip_source_free(target);
    if (out.empty())
        throw NotebookError(translate("NotebookArchive", "De Kelvora-map kan niet gemaakt worden."));
    AtomicFile::write(zipPath, out);
}

NotebookArchive::Contents NotebookArchive::read(const std::string& zipPath) {
    std::string bytes;
    if (!readWholeFile(zipPath, bytes, maxTotalBytes + 1))
        throw NotebookError(fillIn(translate("NotebookArchive", "Het bestand '%1' is er niet."), {zipPath}));
    if (bytes.size() > maxTotalBytes)
        refuse(zipPath, translate("NotebookArchive", "het bestand is te groot."));
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (!source) refuse(zipPath, translate("NotebookArchive", "het is geen zip-bestand."));
    std::unique_ptr<zip_t, ZipCloser> zip(zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error));
    if (!zip) {
        zip_source_free(source);
        zip_error_fini(&error);
        refuse(zipPath, translate("NotebookArchive", "het is geen zip-bestand."));
    }
    const zip_int64_t count = zip_get_num_entries(zip.get(), 0);
    if (count < 0 || static_cast<std::uint64_t>(count) > maxEntries)
        refuse(zipPath, translate("NotebookArchive", "te veel bestanden."));

    std::map<std::string, std::string> files;
    std::size_t total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(zip.get(), static_cast<zip_uint64_t>(i), 0, &st) != 0 ||
            !(st.valid & ZIP_STAT_NAME))
            refuse(zipPath, translate("NotebookArchive", "een bestand zonder naam."));
        const std::string name = st.name;
        if (!safeName(name))
            refuse(zipPath,
                   fillIn(translate("NotebookArchive", "de naam '%1' wijst buiten de map."), {name}));
        if (files.count(name))
            refuse(zipPath, fillIn(translate("NotebookArchive", "'%1' staat er twee keer in."), {name}));
        if ((st.valid & ZIP_STAT_SIZE) && st.size > maxEntryBytes)
            refuse(zipPath, fillIn(translate("NotebookArchive", "'%1' is te groot."), {name}));
        zip_file_t* file = zip_fopen_index(zip.get(), static_cast<zip_uint64_t>(i), 0);
        if (!file)
            refuse(zipPath, fillIn(translate("NotebookArchive", "'%1' kan niet gelezen worden."), {name}));
        std::string data;
        char buf[65536];
        zip_int64_t n = 0;
        // Read no more than an entry may hold, whatever its header says.
        while ((n = zip_fread(file, buf, sizeof buf)) > 0) {
            data.append(buf, static_cast<std::size_t>(n));
            if (data.size() > maxEntryBytes) break;
        }
        zip_fclose(file);
        if (n < 0) refuse(zipPath, fillIn(translate("NotebookArchive", "'%1' is beschadigd."), {name}));
        if (data.size() > maxEntryBytes)
            refuse(zipPath, fillIn(translate("NotebookArchive", "'%1' is te groot."), {name}));
        total += data.size();
        if (total > maxTotalBytes) refuse(zipPath, translate("NotebookArchive", "de inhoud is te groot."));
        files.emplace(name, std::move(data));
    }

    // The manifest names every other entry with its size and checksum.
    const auto manifest = files.find(manifestName);
    if (manifest == files.end() || manifest->second.rfind(kManifestHead, 0) != 0)
        refuse(zipPath, translate("NotebookArchive", "de inhoudsopgave ontbreekt."));
    std::set<std::string> listed;
    const std::string& text = manifest->second;
    for (std::size_t start = std::string(kManifestHead).size(); start < text.size();) {
        const auto end = text.find('\n', start);
        if (end == std::string::npos)
            refuse(zipPath, translate("NotebookArchive", "de inhoudsopgave is beschadigd."));
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        const auto a = line.find(' '), b = line.find(' ', a == std::string::npos ? a : a + 1);
        if (a == std::string::npos || b == std::string::npos)
            refuse(zipPath, translate("NotebookArchive", "de inhoudsopgave is beschadigd."));
        const std::string size = line.substr(0, a), crc = line.substr(a + 1, b - a - 1),
                          name = line.substr(b + 1);
        const auto it = files.find(name);
        if (it == files.end() || name == manifestName)
            refuse(zipPath, fillIn(translate("NotebookArchive", "'%1' ontbreekt."), {name}));
        if (std::to_string(it->second.size()) != size ||
            hex(crc32(it->second.data(), it->second.size())) != crc)
            refuse(zipPath,
                   fillIn(translate("NotebookArchive", "'%1' klopt niet met de controlegetallen."), {name}));
        listed.insert(name);
    }
    for (const auto& [name, data] : files)
        if (name != manifestName && !listed.count(name))
            refuse(zipPath,
                   fillIn(translate("NotebookArchive", "'%1' staat niet in de inhoudsopgave."), {name}));

    const auto packet = [&](const char* name) {
        const auto it = files.find(name);
        if (it == files.end())
            refuse(zipPath, fillIn(translate("NotebookArchive", "'%1' ontbreekt."), {name}));
        try {
            return decodeBinary(it->second);
        } catch (const StoreError& e) {
            refuse(zipPath, fillIn(translate("NotebookArchive", "'%1': %2"), {name, e.what()}));
        }
    };
    Contents c;
    const Packet glazes = packet(kGlazeEntry);
    if (glazes.rows.size() != 1)
        refuse(zipPath, translate("NotebookArchive", "er hoort precies één glazuur in."));
    c.glaze = GlazeMapper(glazes).read(glazes, glazes.rows[0]);
    if (Recipe::isBlank(c.glaze.naam))
        refuse(zipPath, translate("NotebookArchive", "het glazuur heeft geen naam."));
    c.notebook.tests = NotebookMapper::tests(packet(kTestsEntry));
    c.notebook.firings = NotebookMapper::firings(packet(kFiringsEntry));
    c.notebook.results = NotebookMapper::results(packet(kResultsEntry));
    c.notebook.photos = NotebookMapper::photos(packet(kPhotosEntry));
    for (const Proef& t : c.notebook.tests)
        if (!RecordNames::same(t.glaze, c.glaze.naam))
            refuse(zipPath, fillIn(translate("NotebookArchive", "proef %1 hoort niet bij %2."),
                                   {t.code, c.glaze.naam}));
    for (const Foto& p : c.notebook.photos) {
        const auto it = files.find(p.file);
        if (it == files.end() || p.file.rfind("foto/", 0) != 0)
            refuse(zipPath, fillIn(translate("NotebookArchive", "de foto '%1' ontbreekt."), {p.file}));
        Notebook::imageExtension(p.file); // only images come in
        c.photos[p.file] = it->second;
    }
    return c;
}

NotebookArchive::Preview NotebookArchive::preview(const GlazeBook& book, const Notebook& notebook,
                                                  const Contents& contents) {
    Preview p;
    p.glazeAdded =
        !book.findGlaze(contents.glaze.naam) && !RecordNames::taken(contents.glaze.naam, book.glazeNames());
    p.merge = NotebookMerge::plan(
        notebook.data(), contents.notebook,
        [&](const std::string& test, const std::string& extension, const std::vector<std::string>& taken) {
            return notebook.freePhotoFile(test, extension, taken);
        });
    return p;
}

std::vector<std::string> NotebookArchive::Preview::lines() const {
    std::vector<std::string> out = merge.lines();
    return out;
}

void NotebookArchive::apply(GlazeBook& book, Notebook& notebook, const Contents& contents,
                            const Preview& preview) {
    std::vector<Notebook::PhotoFile> files;
    for (const auto& [from, to] : preview.merge.photoFiles)
        files.push_back({to, contents.photos.at(from)});
    std::function<void(StoreTransaction&)> glaze;
    if (preview.glazeAdded) {
        if (utf8::length(contents.glaze.naam) > RecordNames::width)
            throw NotebookError(
                fillIn(translate("NotebookArchive", "De naam van het glazuur is langer dan %1 tekens."),
                       {std::to_string(RecordNames::width)}));
        book.addGlaze(contents.glaze);
        glaze = [&book](StoreTransaction& change) { book.glazeView().saveWith(change); };
    }
    notebook.commit(preview.merge.merged, files, glaze);
}

} // namespace kelvora
