// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace kelvora {

// Where the chemistry data files lie: the folder "data" beside the program
// (the current directory once the program has started), holding the molar
// masses, one file per set of expansion factors, one per limit set,
// Stull's chart and the SiO2:Al2O3 rule of thumb.
struct ChemistryDataFiles {
    static constexpr const char* folder = "data";

    static std::string molarMasses(const std::string& dir = folder) { return dir + "/molar_masses.xml"; }
    static std::string expansionFolder(const std::string& dir = folder) { return dir + "/expansion"; }
    static std::string limitsFolder(const std::string& dir = folder) { return dir + "/limits"; }
    static std::string stullChart(const std::string& dir = folder) { return dir + "/stull/stull-1912.xml"; }
    static std::string ratioGuide(const std::string& dir = folder) {
        return dir + "/guides/silica-alumina.xml";
    }
};

} // namespace kelvora
