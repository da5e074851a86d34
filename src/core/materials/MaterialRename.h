// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Prompter.h"

#include <string>

namespace kelvora {

// Lets a renamed material follow into the recipes that use it. Glazes refer
// to materials by name only, so without this a rename leaves those recipes
// pointing at a name that no longer exists.
//
// How the materials window uses it: when the user posts a material whose
// `naam` changed, call
//     MaterialRename::followRename(prompter, DataFiles::glazes(), oldName, newName);
// after the materials view has posted the new name. When glazes use the old
// name it asks questionText(N) ("Ook de glazuren die deze grondstof gebruiken
// aanpassen? (N glazuren)") through prompter.confirm(); Ja replaces the name in
// every recipe and addition slot of those glazes and writes the glazes file
// once, atomically; Nee leaves the glazes file untouched byte for byte, so
// only the material is renamed. Store errors (an unreadable or unwritable
// glazes file) are thrown as StoreError/FileError with the message the user
// must see; the glazes file is then left exactly as it was.
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

    // Replaces `oldName` by `newName` in every recipe line and addition of a
    // glazes data file, all or nothing: either every glaze that
    // uses the old name is changed and the file replaced atomically, or the
    // error is thrown and the file keeps its old bytes. Returns the number of
    // glazes changed; with none the file is not written.
    static int replaceInFile(const std::string& glazesFile, const std::string& oldName,
                             const std::string& newName);

    // "Ook de glazuren die deze grondstof gebruiken aanpassen? (N glazuren)"
    static std::string questionText(int glazeCount);

    // The whole exchange: counts, asks when glazes use the old name, and on
    // Ja replaces. Returns the number of glazes changed (0 after Nee, when no
    // glaze uses the name, or when the name did not change).
    static int followRename(Prompter& prompter, const std::string& glazesFile, const std::string& oldName,
                            const std::string& newName);
};

} // namespace kelvora
