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

struct Command {
    const char* name;
    const char* usage;
    CommandFn run;
};

// Commands register themselves from their own files with a static registrar.
struct CommandRegistrar {
    CommandRegistrar(const char* name, const char* usage, CommandFn run);
};

const std::vector<Command>& commands();

// How long a writing command waits for another Kelvora program to finish with
// the data folder before it gives up (exit 1, DataFolderBusy's message).
inline constexpr std::chrono::seconds kLockWait{10};
// The lock of `folder` for a command that writes there.
DataFolderLock lockFolder(const std::string& folder);

} // namespace kelvora::cli
