// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "notebook/NotebookData.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace kelvora {

// What bringing another folder's tests into this folder's notebook does,
// worked out before anything is written, so that it can be shown first.
//
// Tests are matched by code: a test the folder has already is kept as it
// is (nothing of the incoming one is taken, not its results nor photos); a
// new one comes with its results and photos. A firing is matched by code
// too: the same code with the same date and kiln is the same firing; the
// same code for another firing comes in under a new code, and the results
// and photos that name it follow. Photos get a free file name here.
struct NotebookMerge {
    std::vector<std::string> testsAdded, testsKept;
    std::vector<std::string> firingsAdded, firingsKept;
    std::vector<std::pair<std::string, std::string>> firingsRenamed; // incoming code, code here
    std::vector<std::pair<std::string, std::string>> photoFiles;     // incoming file, file here
    NotebookData merged;                                             // the notebook as it will be

    // `freeFile(test, extension, taken)` gives a free photo path in the folder.
    using FreeFile =
        std::function<std::string(const std::string&, const std::string&, const std::vector<std::string>&)>;
    static NotebookMerge plan(const NotebookData& here, const NotebookData& incoming,
                              const FreeFile& freeFile);

    // The preview as lines of text ("toegevoegd: proef K-2026-014").
    std::vector<std::string> lines() const;
};

} // namespace kelvora
