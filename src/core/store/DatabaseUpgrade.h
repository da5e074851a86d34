// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Prompter.h"
#include "common/Translate.h"
#include "store/DataFiles.h"

#include <string>

namespace kelvora {

// Takes over the data files of the previous version (0.9.0.2), which lives in
// a folder "kelvora" beside this version's folder. Both files are copied byte
// for byte over this version's files, after this version's files have been
// saved once as ".bak" copies.
//
// Every file that is read is read whole before anything is written, and every
// file is written atomically, so an upgrade either replaces both tables or
// leaves both as they were.
class DatabaseUpgrade {
public:
    // The six files, relative to the current directory (the executable's folder).
    struct Paths {
        std::string previousGlazes = "../kelvora/db/glz.cds";
        std::string previousMaterials = "../kelvora/db/mat.cds";
        std::string glazes = DataFiles::glazes();
        std::string materials = DataFiles::materials();
        std::string glazesBackup = "db0991/glz.bak";
        std::string materialsBackup = "db0991/mat.bak";
    };

    // The prompter's texts, shown through translate("DatabaseUpgrade", ...).
    static constexpr const char* NoPreviousVersion = QT_TRANSLATE_NOOP(
        "DatabaseUpgrade",
        "Er zijn geen databestanden van een vorige versie aanwezig.\r\nConversie is niet mogelijk.");
    static constexpr const char* Question =
        QT_TRANSLATE_NOOP("DatabaseUpgrade", "Converteren database: wilt u doorgaan?");
    static constexpr const char* Done = QT_TRANSLATE_NOOP("DatabaseUpgrade", "Database geconverteerd");

    // The upgrade as the user starts it: tells when there is nothing to take
    // over, asks for confirmation, copies, and says it is done. Returns true
    // when the files were taken over. A file that cannot be read or written
    // throws FileError ("Cannot open file ..." / "Cannot create file ...",
    // with the full path and the system's reason) and changes no data file.
    static bool run(Prompter& prompter, const Paths& paths);
    // The same with the standard paths.
    static bool run(Prompter& prompter);

    // Copies one file atomically: the destination is either the whole source
    // or what it was. A missing or unreadable source leaves it untouched.
    static void copyDataFile(const std::string& source, const std::string& destination);
};

} // namespace kelvora
