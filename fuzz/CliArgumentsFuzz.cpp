// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary command lines (one word per line) to kelvora-cli's commands
// on a data folder with the starter tables: every line must end in an exit
// status of 0, 1 or 2 with the program still standing. Words naming another
// folder are skipped, so that no fuzzed command writes outside the fuzz folder.
#include "CliRun.h"
#include "FuzzFolder.h"

#include "store/DataFiles.h"
#include "store/PacketCodec.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The fuzz folder with the starter tables read once, made the current
// folder so that relative file names of commands land there.
struct CliFolder {
    kelvora::fuzz::FuzzFolder folder;
    std::filesystem::path& path = folder.path;
    kelvora::Packet materials, glazes;
    CliFolder() {
        auto m = kelvora::readPacketFile(std::string(KELVORA_DATA_SOURCE) + "/mat.xml");
        auto g = kelvora::readPacketFile(std::string(KELVORA_DATA_SOURCE) + "/glz.xml");
        if (!m || !g) std::abort();
        materials = std::move(*m);
        glazes = std::move(*g);
        if (::chdir(path.c_str()) != 0) std::abort();
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static CliFolder folder;
    std::vector<std::string> words;
    std::istringstream lines(std::string(reinterpret_cast<const char*>(data), size));
    for (std::string word; std::getline(lines, word);) {
        if (word.find('/') != std::string::npos || word.rfind("..", 0) == 0) return 0;
        words.push_back(word);
    }
    if (words.size() > 16) return 0;
    const std::string db = (folder.path / "db").string();
    std::filesystem::create_directories(db);
    kelvora::writePacketFile(kelvora::DataFiles::materials(db), folder.materials);
    kelvora::writePacketFile(kelvora::DataFiles::glazes(db), folder.glazes);
    words.insert(words.begin(), {"--db", db});
    std::ostringstream out, err;
    const int status = kelvora::cli::run(words, folder.path / "kelvora-cli", out, err);
    if (status < 0 || status > 2) std::abort();
    return 0;
}
