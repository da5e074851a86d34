// SPDX-License-Identifier: GPL-3.0-or-later
// kelvora-cli's command line: the data folder, the command, its locks.
#include "CliRun.h"
#include "CommandRegistry.h"

#include "common/DataLocation.h"
#include "common/NumberFormat.h"
#include "common/Translate.h"
#include "glaze/ChemistryDataFiles.h"
#include "store/DataFiles.h"
#include "store/DataFolderLock.h"
#include "store/StoreError.h"

#include <cstring>
#include <filesystem>
#include <iostream>
#include <unistd.h>

namespace kelvora::cli {

namespace {
std::vector<Command>& registry() {
    static std::vector<Command> list;
    return list;
}

void version(std::ostream& out, const kelvora::DataLocation& where, const std::string& db) {
    out << "kelvora-cli " << KELVORA_VERSION << "\n"
        << translate("Cli",
                     "Licence: GPL-3.0-or-later; there is NO WARRANTY, to the extent permitted by law.")
        << "\n"
        << "data:     " << db << "\n"
        << "settings: " << where.settingsFile.string() << "\n";
}
} // namespace

void usage(std::ostream& err) {
    err << translate("Cli",
                     "usage: kelvora-cli [--lang LANG] [--db DIR] COMMAND [ARGS]\n"
                     "       kelvora-cli --help | --version\n"
                     "  --db DIR   folder holding mat.cds and glz.cds (default: db0991 beside kelvora-cli,\n"
                     "             or ~/.local/share/kelvora/db0991 for an installed kelvora-cli)\n"
                     "  --lang LANG  language of the messages: en, de or nl (or KELVORA_LANG);\n"
                     "             without it they are as always\n"
                     "commands:\n");
    for (const auto& c : registry())
        if (c.usage[0]) err << "  " << translate("Cli", c.usage) << "\n";
}

DataFolderLock lockFolder(const std::string& folder) {
    return DataFolderLock::acquire(folder, kLockWait);
}

CommandRegistrar::CommandRegistrar(const char* name, const char* usage, CommandFn run, Writes writes) {
    registry().push_back({name, usage, run, writes});
}

std::vector<std::string> foldersWritten(const Command& command, const CliContext& ctx) {
    const Writes& w = command.writes;
    switch (w.target) {
    case Writes::Target::Nothing:
        return {};
    case Writes::Target::DataFolder:
        return {ctx.dbDir};
    case Writes::Target::DataFolderWithOption:
        for (const auto& arg : ctx.args)
            if (arg == w.option) return {ctx.dbDir};
        return {};
    case Writes::Target::FileArgument: {
        if (w.argument < 0 || static_cast<std::size_t>(w.argument) >= ctx.args.size()) return {};
        // "-" is standard output, no file of any folder.
        if (ctx.args[static_cast<std::size_t>(w.argument)] == "-") return {};
        const auto folder =
            std::filesystem::path(ctx.args[static_cast<std::size_t>(w.argument)]).parent_path();
        return {folder.empty() ? std::string(".") : folder.string()};
    }
    }
    return {};
}

const std::vector<Command>& commands() {
    return registry();
}

std::string chemistryFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    const auto beside = exe.parent_path() / ChemistryDataFiles::folder;
    if (std::filesystem::is_directory(beside, ec)) return beside.string();
    const auto shared = exe.parent_path().parent_path() / "share" / "kelvora" / ChemistryDataFiles::folder;
    if (std::filesystem::is_directory(shared, ec)) return shared.string();
    return beside.string();
}

} // namespace kelvora::cli

namespace kelvora::cli {

int run(std::vector<std::string> words, const std::filesystem::path& executable, std::ostream& out,
        std::ostream& err) {
    std::string db;
    if (words.size() >= 2 && words[0] == "--db") {
        db = words[1];
        words.erase(words.begin(), words.begin() + 2);
    }
    if (words.size() == 1 && (words[0] == "--help" || words[0] == "-h")) {
        usage(out);
        return 0;
    }
    if (words.empty()) {
        usage(err);
        return 2;
    }
    const bool wantsVersion = words.size() == 1 && words[0] == "--version";
    if (db.empty() || wantsVersion) {
        try {
            // Without --db the program's own rule decides the data folder; an
            // installed kelvora-cli gets its starter tables on first use.
            // The desktop program beside kelvora-cli names the settings file.
            const auto where = kelvora::DataLocation::find(executable.parent_path() / "kelvora",
                                                           kelvora::UserFolders::fromEnvironment());
            if (wantsVersion) {
                version(out, where, db.empty() ? where.dataFolder.string() : db);
                return 0;
            }
            where.prepare();
            db = where.dataFolder.string();
        } catch (const std::exception& e) {
            err << e.what() << "\n";
            return 1;
        }
    }
    for (const auto& c : commands()) {
        if (words[0] != c.name) continue;
        CliContext ctx{db, std::vector<std::string>(words.begin() + 1, words.end()), out, err};
        try {
            // Every folder the command may write is held while it runs.
            std::vector<kelvora::DataFolderLock> locks;
            for (const auto& folder : foldersWritten(c, ctx))
                locks.push_back(lockFolder(folder));
            int rc = c.run(ctx);
            if (rc == 2) usage(err);
            return rc;
        } catch (const std::exception& e) {
            err << e.what() << "\n";
            return 1;
        }
    }
    usage(err);
    return 2;
}

} // namespace kelvora::cli
