// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace kelvora::cli {

// The language of kelvora-cli's messages: chosen with "--lang en|de|nl"
// among the global options in front of the command, or with KELVORA_LANG.
// Without either no catalogue is loaded and every message is its source
// text, as scripts and files that read the output expect.
struct CliLanguage {
    std::string code;  // "en", "de", "nl"; empty when none was asked for
    std::string error; // why the request was refused; empty when it was fine

    // Takes "--lang CODE" out of the options in front of the command (a
    // "--db DIR" there is passed over and kept); the option wins over
    // `environment` (KELVORA_LANG's value, or null). An empty variable
    // counts as unset.
    static CliLanguage take(std::vector<std::string>& words, const char* environment);

    static bool known(const std::string& code);

    // Loads every kelvora_*_<code>.qm of the first catalogue folder that has
    // one ("translations" beside the program, or the installed share
    // folder) and lets the core translate through them. Returns how many
    // catalogues were loaded.
    int install(const std::filesystem::path& executable) const;
    // The same from a given folder.
    int installFrom(const std::filesystem::path& folder) const;
};

} // namespace kelvora::cli
