// SPDX-License-Identifier: GPL-3.0-or-later
// The chemistry data files are refused, with file and line, when a number in
// them is missing, not a number, not finite, or (for molar masses) not
// positive, and when an oxide stands in them twice.
#include "glaze/ChemistryDataFiles.h"
#include "glaze/ExpansionFactorSet.h"
#include "glaze/LimitSets.h"
#include "glaze/MolarMassTable.h"
#include "glaze/RatioGuide.h"
#include "glaze/StullChart.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <sys/stat.h>

namespace kelvora::test {
namespace {

std::string readText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// The line of the first occurrence of `needle` in `text`.
std::string lineOf(const std::string& text, const std::string& needle) {
    const auto at = text.find(needle);
    return " regel " +
           std::to_string(1 + std::count(text.begin(), text.begin() + static_cast<long>(at), '\n'));
}

struct Damage {
    const char* name;
    std::string file; // the damaged file's text
    std::string line; // " regel N" expected in the message
    std::function<void(const std::string&)> load;
};

void expectRefused(const Damage& d) {
    SCOPED_TRACE(d.name);
    const auto path =
        (std::filesystem::temp_directory_path() / (std::string("kelvora_damaged_") + d.name + ".xml"))
            .string();
    std::ofstream(path) << d.file;
    try {
        d.load(path);
        ADD_FAILURE() << "accepted";
    } catch (const std::runtime_error& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find(path + d.line + ":"), std::string::npos) << what;
    }
    std::filesystem::remove(path);
}

TEST(ChemistryDataFilesTest, DamagedFilesAreRefusedNamingFileAndLine) {
    const std::string masses = readText(ChemistryDataFiles::molarMasses(KELVORA_DATA_SOURCE));
    const std::string appen =
        readText(ChemistryDataFiles::expansionFolder(KELVORA_DATA_SOURCE) + "/appen.xml");
    const std::string limits =
        readText(ChemistryDataFiles::limitsFolder(KELVORA_DATA_SOURCE) + "/steengoed-glans.xml");
    const auto loadMasses = [](const std::string& p) { MolarMassTable::load(p); };
    const auto loadFactors = [](const std::string& p) { ExpansionFactorSet::load(p); };
    const auto loadLimits = [](const std::string& p) { LimitSets::load(p); };
    const std::string na2o = "<oxide stem=\"na2o\" mass=\"62.0\"/>";
    const std::string cao = "<factor stem=\"cao\" value=\"130\"/>";
    const std::string zno = "<limit key=\"zno\" min=\"0\" max=\"0.15\"/>";
    const Damage cases[] = {
        {"mass_zero", replaced(masses, na2o, "<oxide stem=\"na2o\" mass=\"0\"/>"), lineOf(masses, na2o),
         loadMasses},
        {"mass_negative", replaced(masses, na2o, "<oxide stem=\"na2o\" mass=\"-62\"/>"), lineOf(masses, na2o),
         loadMasses},
        {"mass_text", replaced(masses, na2o, "<oxide stem=\"na2o\" mass=\"62,0\"/>"), lineOf(masses, na2o),
         loadMasses},
        {"mass_inf", replaced(masses, na2o, "<oxide stem=\"na2o\" mass=\"inf\"/>"), lineOf(masses, na2o),
         loadMasses},
        {"mass_twice", replaced(masses, na2o, na2o + "<oxide stem=\"na2o\" mass=\"62.0\"/>"),
         lineOf(masses, na2o), loadMasses},
        {"factor_text", replaced(appen, cao, "<factor stem=\"cao\" value=\"hoog\"/>"), lineOf(appen, cao),
         loadFactors},
        {"factor_nan", replaced(appen, cao, "<factor stem=\"cao\" value=\"nan\"/>"), lineOf(appen, cao),
         loadFactors},
        {"factor_missing", replaced(appen, cao, "<factor stem=\"cao\"/>"), lineOf(appen, cao), loadFactors},
        {"factor_twice", replaced(appen, cao, cao + "<factor stem=\"cao\" value=\"130\"/>"),
         lineOf(appen, cao), loadFactors},
        {"factor_slope_text",
         replaced(appen, cao, "<factor stem=\"cao\" value=\"130\" above=\"veel\" slope=\"1\"/>"),
         lineOf(appen, cao), loadFactors},
        {"limit_text", replaced(limits, zno, "<limit key=\"zno\" min=\"0\" max=\"weinig\"/>"),
         lineOf(limits, zno), loadLimits},
        {"limit_inf", replaced(limits, zno, "<limit key=\"zno\" min=\"-inf\" max=\"0.15\"/>"),
         lineOf(limits, zno), loadLimits},
        {"limit_reversed", replaced(limits, zno, "<limit key=\"zno\" min=\"0.15\" max=\"0\"/>"),
         lineOf(limits, zno), loadLimits},
    };
    for (const Damage& d : cases)
        expectRefused(d);
}

// A FIFO (or a device) where a data file belongs is refused at once, naming
// the file; waiting on it would hang the program while it holds the lock.
TEST(ChemistryDataFilesTest, AFileThatIsNoRegularFileIsRefusedWithoutWaiting) {
    const std::string folder = ::testing::TempDir() + "kelvora-fifo-data";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder + "/limits");
    const std::string fifo = folder + "/limits/steengoed.xml";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const std::vector<std::pair<const char*, std::function<void()>>> readers{
        {"molar masses", [&] { MolarMassTable::load(fifo); }},
        {"expansion factors", [&] { ExpansionFactorSet::load(fifo); }},
        {"limits", [&] { LimitSets::load(fifo); }},
        {"limits folder", [&] { LimitSets::loadFolder(folder + "/limits"); }},
        {"Stull's chart", [&] { StullChart::load(fifo); }},
        {"ratio guide", [&] { RatioGuide::load(fifo); }},
    };
    for (const auto& [what, read] : readers) {
        SCOPED_TRACE(what);
        try {
            read();
            ADD_FAILURE() << "read a FIFO";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(fifo), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find("niet te lezen"), std::string::npos) << e.what();
        }
    }
    std::filesystem::remove_all(folder);
}

TEST(ChemistryDataFilesTest, TheShippedFilesStillLoad) {
    EXPECT_NO_THROW(MolarMassTable::load(ChemistryDataFiles::molarMasses(KELVORA_DATA_SOURCE)));
    EXPECT_FALSE(
        ExpansionFactorSet::loadFolder(ChemistryDataFiles::expansionFolder(KELVORA_DATA_SOURCE)).empty());
    EXPECT_FALSE(LimitSets::loadFolder(ChemistryDataFiles::limitsFolder(KELVORA_DATA_SOURCE)).sets().empty());
}

// Each factor set says which oxides it has no factor for.
TEST(ChemistryDataFilesTest, FactorSetsListWhatTheyMiss) {
    for (const auto& set :
         ExpansionFactorSet::loadFolder(ChemistryDataFiles::expansionFolder(KELVORA_DATA_SOURCE))) {
        SCOPED_TRACE(set.name());
        for (const Oxide& oxide : OxideCatalogue::all()) {
            const auto missing = set.missing();
            const bool listed =
                std::find(missing.begin(), missing.end(), std::string(oxide.stem)) != missing.end();
            EXPECT_EQ(listed, !set.factor(oxide.position).has_value()) << oxide.stem;
        }
    }
    const auto turner = ExpansionFactorSet::load(ChemistryDataFiles::expansionFolder(KELVORA_DATA_SOURCE) +
                                                 "/english-turner.xml");
    const auto missing = turner.missing();
    for (const char* stem : {"li2o", "sro", "fe2o3", "tio2", "zro2", "sno2", "p2o5"})
        EXPECT_NE(std::find(missing.begin(), missing.end(), stem), missing.end()) << stem;
}

} // namespace
} // namespace kelvora::test
