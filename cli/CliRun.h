// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace kelvora::cli {

// Runs one command line (the words after the program's name): finds the
// data folder, takes the lock of every folder the command may write, runs
// it. `executable` is where the program lies (for the default data folder).
// Returns the exit status: 0, 1 for a failure, 2 for a usage error.
int run(std::vector<std::string> words, const std::filesystem::path& executable, std::ostream& out,
        std::ostream& err);

// The usage text: the global options and every command's line.
void usage(std::ostream& err);

} // namespace kelvora::cli
