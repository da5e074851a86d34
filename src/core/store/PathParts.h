// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace kelvora::path {

// The folder of a file path as the store's system calls need it: "." for a
// bare name, "/" for a file in the root.
inline std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// The file's own name, without its folder.
inline std::string baseOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace kelvora::path
