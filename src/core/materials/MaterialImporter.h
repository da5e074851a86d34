// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Prompter.h"

#include <string>

namespace kelvora {

// Appends the materials of a table file (XML or binary packet) to a materials
// data file. Name, description, price, molecular weight, supplier and the
// molar analysis are copied through their text form; availability, the entry
// mode and the percentage analysis stay empty.
class MaterialImporter {
public:
    // Appends every record of `sourceFile` to `materialsFile` and returns how
    // many. All or nothing: when any record fails (a missing field, a value
    // the target refuses, an unreadable source) the error is thrown and the
    // materials file is left exactly as it was.
    static int importFile(const std::string& materialsFile, const std::string& sourceFile);

    // The import as the user starts it: asks for confirmation, imports, and
    // says whether it happened. Store errors are thrown, not shown.
    static bool confirmAndImport(Prompter& prompter, const std::string& materialsFile,
                                 const std::string& sourceFile);

    static std::string confirmationText(const std::string& sourceFile);
};

} // namespace kelvora
