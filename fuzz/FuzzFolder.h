// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdlib>
#include <filesystem>
#include <string>

namespace kelvora::fuzz {

// A private folder for the files a fuzz target writes, removed when the
// program ends. Memory-backed when possible: every write syncs, which is
// slow on a disk.
struct FuzzFolder {
    std::filesystem::path path;
    FuzzFolder() {
        std::error_code ec;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "kelvora-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        path = pattern;
    }
    ~FuzzFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    FuzzFolder(const FuzzFolder&) = delete;
    FuzzFolder& operator=(const FuzzFolder&) = delete;
};

} // namespace kelvora::fuzz
