// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace kelvora {

// Where the two tables live: the data folder beside the program (the current
// directory once the program has started) and the file names inside it.
struct DataFiles {
    static constexpr const char* folder = "db0991";
    static constexpr const char* materialsName = "mat.cds";
    static constexpr const char* glazesName = "glz.cds";
    static constexpr const char* blendsName = "mgr.cds";  // saved blends, made at the first save
    static constexpr const char* aliasesName = "als.cds"; // other names of materials, made at the first save

    static std::string materials(const std::string& dir = folder) { return dir + "/" + materialsName; }
    static std::string glazes(const std::string& dir = folder) { return dir + "/" + glazesName; }
    static std::string blends(const std::string& dir = folder) { return dir + "/" + blendsName; }

    // The test notebook's tables and photo folder, made at first use.
    static constexpr const char* testsName = "prf.cds";
    static constexpr const char* firingsName = "stk.cds";
    static constexpr const char* tileResultsName = "prfstk.cds";
    static constexpr const char* photosName = "foto.cds";
    static constexpr const char* scheduleTemplatesName = "stkschm.cds";
    static constexpr const char* photoFolder = "foto";
    static std::string inFolder(const std::string& dir, const char* name) { return dir + "/" + name; }
    static std::string aliases(const std::string& dir = folder) { return dir + "/" + aliasesName; }
};

} // namespace kelvora
