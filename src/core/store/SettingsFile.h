// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace kelvora {

// The settings of one run, held in memory: the file is read once when the
// object is made and written once by save(), with IniFile's rules for names,
// values and line ends. A file larger than MaxBytes is not used: every read
// gives the default, save() leaves the file as it is, and problem() says so
// once. A file that exists but cannot be read reads as a missing one and is
// never replaced (save() fails), so lines that could not be read are not lost.
class SettingsFile {
public:
    // Far more than the program's own few keys can fill; anything larger is
    // no settings file of ours and would only cost time at every start.
    static constexpr std::uintmax_t MaxBytes = 1024 * 1024;

    explicit SettingsFile(std::string path);

    const std::string& path() const { return path_; }
    // False when the file is too large and is left alone.
    bool usable() const { return problem_.empty(); }
    // The message for the user about an unusable file; empty otherwise.
    const std::string& problem() const { return problem_; }

    int readInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // Changes the value in memory. Throws std::invalid_argument for a name
    // that cannot be stored.
    void writeInteger(std::string_view section, std::string_view key, int value);
    // True when a write changed the text since it was read or saved.
    bool changed() const { return changed_; }

    // Writes the file when a value changed and the file is usable. Throws
    // StoreError "Unable to write to <path>" when it cannot be written or
    // would grow past MaxBytes; the values stay in memory.
    void save();

private:
    std::string path_;
    std::string content_;
    std::string problem_;
    bool unreadable_ = false;
    bool changed_ = false;
};

} // namespace kelvora
