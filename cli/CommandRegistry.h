// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "store/DataFiles.h"
#include "store/DataFolderLock.h"

#include <chrono>
#include <ostream>
#include <string>
#include <vector>

namespace kelvora::cli {

struct CliContext {
    std::string dbDir;             // folder holding mat.cds and glz.cds
    std::vector<std::string> args; // the words after the command name
    std::ostream& out;
    std::ostream& err;
    std::string matPath() const { return DataFiles::materials(dbDir); }
    std::string glzPath() const { return DataFiles::glazes(dbDir); }
};

// Exit codes: 0 done, 1 an error (message on err), 2 wrong usage.
using CommandFn = int (*)(CliContext&);

// What a command may write, declared where it is registered. Before the
// command runs, main() takes the lock of every folder it may write into, so
// that no writing command can run beside another Kelvora program's writes.
struct Writes {
    enum class Target {
        Nothing,             // reads only
        DataFolder,          // the tables of the data folder
        DataFolderWithOption, // the data folder, when `option` is among the arguments
        FileArgument,        // the file named by argument `argument` (counted from 0)
    };
    Target target = Target::Nothing;
    const char* option = nullptr;
    int argument = -1;

    static constexpr Writes nothing() { return {}; }
    static constexpr Writes dataFolder() { return {Target::DataFolder, nullptr, -1}; }
    static constexpr Writes dataFolderWith(const char* option) {
        return {Target::DataFolderWithOption, option, -1};
    }
    static constexpr Writes fileArgument(int argument) { return {Target::FileArgument, nullptr, argument}; }
};

struct Command {
    const char* name;
    const char* usage;
    CommandFn run;
    Writes writes;
};

// Commands register themselves from their own files with a static registrar;
// each says what it writes (see Writes).
struct CommandRegistrar {
    CommandRegistrar(const char* name, const char* usage, CommandFn run, Writes writes);
};

// The folders a run of `command` with `ctx` may write into; main() holds
// their locks while it runs.
std::vector<std::string> foldersWritten(const Command& command, const CliContext& ctx);

const std::vector<Command>& commands();

// How long a writing command waits for another Kelvora program to finish with
// the data folder before it gives up (exit 1, DataFolderBusy's message).
inline constexpr std::chrono::seconds kLockWait{10};
// The lock of `folder` for a command that writes there.
DataFolderLock lockFolder(const std::string& folder);

// The chemistry data beside the program, or in the share folder of an
// installed one (<prefix>/bin/kelvora-cli, <prefix>/share/kelvora/data).
std::string chemistryFolder();

} // namespace kelvora::cli
