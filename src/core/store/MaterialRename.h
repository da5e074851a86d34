// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Prompter.h"

#include <string>

namespace kelvora {

class View;

// Lets a renamed material follow into the recipes that use it. Glazes refer
// to materials by name only, so without this a rename leaves those recipes
// pointing at a name that no longer exists.
//
// How the materials window uses it: when the user posts a material whose
// `naam` changed, the window does not write its materials view on its own but
// calls
//     MaterialRename::followRename(prompter, materialsView, glazesFile, oldName, newName);
// When glazes use the old name it asks questionText(N) ("Ook de glazuren die
// deze grondstof gebruiken aanpassen? (N glazuren)") through
// prompter.confirm(). Ja writes the materials and the glazes with the name
// replaced in every recipe and addition slot together, all or nothing (a
// StoreTransaction): a failure or a killed program never leaves the material
// renamed and the recipes on the old name. Nee writes the materials only and
// leaves the glazes file byte for byte. Store errors are thrown as
// StoreError/FileError with the message the user must see; both files are
// then as they were and the view keeps its posted rename, unsaved, so that
// the next save asks again.
//
// A recipe line or addition uses a material when its name equals the old
// name exactly, as the calculation's lookup compares it (case-sensitive,
// blanks included). A blank old name (a material that is being inserted) is
// used by no glaze.
class MaterialRename {
public:
    // Glazes of a glazes data file whose recipe or additions name `oldName`;
    // 0 when the file does not exist.
    static int countGlazes(const std::string& glazesFile, const std::string& oldName);

    // Writes `materials` (holding the posted rename) and the glazes file with
    // `oldName` replaced by `newName` in every recipe line and addition, in
    // one change of both tables. Returns the number of glazes changed; with
    // none, only the materials are written.
    static int renameTogether(View& materials, const std::string& glazesFile, const std::string& oldName,
                              const std::string& newName);

    // "Ook de glazuren die deze grondstof gebruiken aanpassen? (N glazuren)"
    static std::string questionText(int glazeCount);

    // The whole exchange: counts, asks when glazes use the old name, and
    // writes as described above. Returns the number of glazes changed (0
    // after Nee, when no glaze uses the name, or when the name did not change).
    static int followRename(Prompter& prompter, View& materials, const std::string& glazesFile,
                            const std::string& oldName, const std::string& newName);
};

} // namespace kelvora
