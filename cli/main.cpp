// SPDX-License-Identifier: GPL-3.0-or-later
// kelvora-cli: the Kelvora core from the command line, for batch work and scripts.
#include "CliRun.h"

#include "common/NumberFormat.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    kelvora::numfmt::useSeparatorOfEnvironment();
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) exe = std::filesystem::absolute(argv[0], ec);
    return kelvora::cli::run(std::vector<std::string>(argv + 1, argv + argc), exe, std::cout, std::cerr);
}
