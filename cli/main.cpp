// SPDX-License-Identifier: GPL-3.0-or-later
// kelvora-cli: the Kelvora core from the command line, for batch work and scripts.
#include "CommandRegistry.h"

#include "common/DataLocation.h"
#include "common/NumberFormat.h"
#include "store/DataFiles.h"
#include "store/DataFolderLock.h"
#include "store/StoreError.h"

#include <cstring>
#include <filesystem>
#include <iostream>
#include <set>
#include <unistd.h>

namespace kelvora::cli {

namespace {
std::vector<Command>& registry() {
    static std::vector<Command> list;
    return list;
}

std::filesystem::path executablePath(const char* argv0) {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) exe = std::filesystem::absolute(argv0, ec);
    return exe;
}

// Commands that write the tables of the data folder. Each holds the folder's
// lock while it runs, so that two writers never lose each other's changes;
// the reading commands (list, show, report, export) take no lock.
bool writesDataFolder(const std::string& name) {
    static const std::set<std::string> writers{"import", "calc", "calc-all", "convert", "recalc-using"};
    return writers.count(name) != 0;
}

void usage(std::ostream& err) {
    err << "usage: kelvora-cli [--db DIR] COMMAND [ARGS]\n"
           "       kelvora-cli --help | --version\n"
           "  --db DIR   folder holding mat.cds and glz.cds (default: db0991 beside kelvora-cli,\n"
           "             or ~/.local/share/kelvora/db0991 for an installed kelvora-cli)\n"
           "commands:\n";
    for (const auto& c : registry())
        if (c.usage[0]) err << "  " << c.usage << "\n";
}

void version(std::ostream& out, const kelvora::DataLocation& where, const std::string& db) {
    out << "kelvora-cli " << KELVORA_VERSION << "\n"
        << "Licence: GPL-3.0-or-later; there is NO WARRANTY, to the extent permitted by law.\n"
        << "data:     " << db << "\n"
        << "settings: " << where.settingsFile.string() << "\n";
}
} // namespace

DataFolderLock lockFolder(const std::string& folder) {
    return DataFolderLock::acquire(folder, kLockWait);
}

CommandRegistrar::CommandRegistrar(const char* name, const char* usage, CommandFn run) {
    registry().push_back({name, usage, run});
}

const std::vector<Command>& commands() {
    return registry();
}

} // namespace kelvora::cli

int main(int argc, char** argv) {
    using namespace kelvora::cli;
    kelvora::numfmt::useSeparatorOfEnvironment();
    std::vector<std::string> words(argv + 1, argv + argc);
    std::string db;
    if (words.size() >= 2 && words[0] == "--db") {
        db = words[1];
        words.erase(words.begin(), words.begin() + 2);
    }
    if (words.size() == 1 && (words[0] == "--help" || words[0] == "-h")) {
        usage(std::cout);
        return 0;
    }
    if (words.empty()) {
        usage(std::cerr);
        return 2;
    }
    const bool wantsVersion = words.size() == 1 && words[0] == "--version";
    if (db.empty() || wantsVersion) {
        try {
            // Without --db the program's own rule decides the data folder; an
            // installed kelvora-cli gets its starter tables on first use.
            // The desktop program beside kelvora-cli names the settings file.
            const auto where = kelvora::DataLocation::find(executablePath(argv[0]).parent_path() / "kelvora",
                                                           kelvora::UserFolders::fromEnvironment());
            if (wantsVersion) {
                version(std::cout, where, db.empty() ? where.dataFolder.string() : db);
                return 0;
            }
            where.prepare();
            db = where.dataFolder.string();
        } catch (const std::exception& e) {
            std::cerr << e.what() << "\n";
            return 1;
        }
    }
    for (const auto& c : commands()) {
        if (words[0] != c.name) continue;
        CliContext ctx{db, std::vector<std::string>(words.begin() + 1, words.end()), std::cout, std::cerr};
        try {
            kelvora::DataFolderLock lock;
            if (writesDataFolder(c.name)) lock = lockFolder(db);
            int rc = c.run(ctx);
            if (rc == 2) usage(std::cerr);
            return rc;
        } catch (const std::exception& e) {
            std::cerr << e.what() << "\n";
            return 1;
        }
    }
    usage(std::cerr);
    return 2;
}
