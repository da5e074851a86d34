// kelvora-cli: the Kelvora core from the command line, for batch work and scripts.
#include "CommandRegistry.h"

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

std::string executableFolder(const char* argv0) {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) exe = std::filesystem::absolute(argv0, ec);
    return exe.parent_path().string();
}

// Commands that write the tables of the data folder. Each holds the folder's
// lock while it runs, so that two writers never lose each other's changes;
// the reading commands (list, show, report, export) take no lock.
bool writesDataFolder(const std::string& name) {
    static const std::set<std::string> writers{"import", "calc", "calc-all", "convert"};
    return writers.count(name) != 0;
}

void usage(std::ostream& err) {
    err << "usage: kelvora-cli [--db DIR] COMMAND [ARGS]\n"
           "  --db DIR   folder holding mat.cds and glz.cds (default: db0991 beside kelvora-cli)\n"
           "commands:\n";
    for (const auto& c : registry())
        if (c.usage[0]) err << "  " << c.usage << "\n";
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
    std::string db = executableFolder(argv[0]) + "/" + kelvora::DataFiles::folder;
    if (words.size() >= 2 && words[0] == "--db") {
        db = words[1];
        words.erase(words.begin(), words.begin() + 2);
    }
    if (words.empty()) {
        usage(std::cerr);
        return 2;
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
