// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/Glaze.h"
#include "notebook/NotebookData.h"
#include "notebook/NotebookMerge.h"

#include <cstddef>
#include <map>
#include <string>

namespace kelvora {

class GlazeBook;
class Notebook;

// A glaze with its tests, the firings they were in, their results and their
// photos as one zip file (a "Kelvora-map"), to take to another data folder.
// The zip holds the rows as data packets, the photos under "foto/", and a
// manifest ("kelvora-map.txt") with the size and CRC-32 of every entry.
//
// Reading trusts nothing in the file: an entry with an absolute path, a
// ".." or a backslash in its name, an entry larger than it may be, one the
// manifest does not list, or one whose size or checksum differs from the
// manifest is refused (NotebookError) before anything is used.
class NotebookArchive {
public:
    static constexpr const char* manifestName = "kelvora-map.txt";
    static constexpr std::size_t maxEntries = 2000;
    static constexpr std::size_t maxEntryBytes = 64u * 1024u * 1024u;
    static constexpr std::size_t maxTotalBytes = 512u * 1024u * 1024u;

    // What a zip holds, checked.
    struct Contents {
        Glaze glaze;
        NotebookData notebook;
        std::map<std::string, std::string> photos; // file as the rows name it → bytes
    };

    // Writes `glaze` of the book with its notebook to `zipPath` (replaced
    // atomically). NotebookError for an unknown glaze or a photo whose file
    // is missing.
    static void write(const GlazeBook& book, const Notebook& notebook, const std::string& glaze,
                      const std::string& zipPath);
    static Contents read(const std::string& zipPath);

    // What importing `contents` would do; nothing is written.
    struct Preview {
        bool glazeAdded = false; // false: a glaze of that name is there and is kept
        NotebookMerge merge;
        std::vector<std::string> lines() const;
    };
    static Preview preview(const GlazeBook& book, const Notebook& notebook, const Contents& contents);
    // Writes what the preview showed, as one change: the glaze when it is
    // new, the notebook's tables and the photos.
    static void apply(GlazeBook& book, Notebook& notebook, const Contents& contents, const Preview& preview);
};

} // namespace kelvora
