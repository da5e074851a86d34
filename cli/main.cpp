// SPDX-License-Identifier: GPL-3.0-or-later
// kelvora-cli: the Kelvora core from the command line, for batch work and scripts.
#include "CliLanguage.h"
#include "CliRun.h"

#include "common/NumberFormat.h"
#include "common/Translate.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    kelvora::numfmt::useSeparatorOfEnvironment();
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) exe = std::filesystem::absolute(argv[0], ec);
    std::vector<std::string> words(argv + 1, argv + argc);
    const auto language = kelvora::cli::CliLanguage::take(words, std::getenv("KELVORA_LANG"));
    if (!language.error.empty()) {
        std::cerr << language.error << "\n";
        kelvora::cli::usage(std::cerr);
        return 2;
    }
    if (!language.code.empty() && language.install(exe) == 0)
        std::cerr << kelvora::fillIn(kelvora::translate("Cli", "kelvora-cli: no translations for '%1' found"),
                                     {language.code})
                  << "\n";
    return kelvora::cli::run(std::move(words), exe, std::cout, std::cerr);
}
