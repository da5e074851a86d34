// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

namespace kelvora {

// The settings file: a sectioned text file of integer values.
// Every read and every write opens the file for that one operation and releases
// it at once, so two copies of the program sharing the file see each other's
// last writes. Section and key names are matched without regard to ASCII case.
class IniFile {
public:
    // `path` is the settings file's full path; it is used as given, also in
    // the error message of a failed write.
    explicit IniFile(std::string path);

    const std::string& path() const { return path_; }

    // The value of `key` in `section`, or `defaultValue` when the file, the
    // section or the key is missing, the file cannot be read, or the value is
    // not an integer. An integer is an optional sign followed by decimal digits,
    // or hexadecimal digits after "$" or "0x" ("0X"), and must fit in an int.
    // Blanks around the value are ignored. The first matching section and the
    // first matching key in it count.
    int readInteger(std::string_view section, std::string_view key, int defaultValue) const;

    // Writes `value` as decimal text. A missing file or section is created, an
    // existing key's value is replaced, every other line stays byte for byte.
    // New lines take the line end of the file (CRLF or LF; LF for a new file).
    // The file is replaced atomically (temporary file in the same folder,
    // fsync, rename), so a failed write leaves the old file whole.
    // Throws StoreError "Unable to write to <path>" when the file cannot be
    // written (read-only file or folder, missing folder, unreadable old file).
    // Throws std::invalid_argument for a name that cannot be stored (empty, or
    // holding a line break, "=" in a key, "]" in a section).
    void writeInteger(std::string_view section, std::string_view key, int value);

private:
    std::string path_;
};

// The settings file of an executable: its full path with the extension
// replaced by ".INI" ("/opt/kelvora/kelvora.bin" -> "/opt/kelvora/kelvora.INI");
// an executable without extension gets ".INI" appended.
std::string settingsPathForExecutable(const std::string& exePath);

// Parses a settings value as readInteger does; false when it is not an integer.
bool parseSettingsInteger(std::string_view text, int& value);

// The rules of IniFile applied to the file's text held in memory, for a
// settings object that reads the file once and writes it once.
// The value of `key` in `section` of `content`, as IniFile::readInteger reads it.
int readSettingsInteger(std::string_view content, std::string_view section, std::string_view key,
                        int defaultValue);
// `content` with `value` written as IniFile::writeInteger writes it (same
// name checks, std::invalid_argument for an unusable name).
std::string settingsWithValue(std::string_view content, std::string_view section, std::string_view key,
                              int value);
// Replaces the settings file at `path` with `content` as IniFile::writeInteger
// does (through a symbolic link, atomically); StoreError "Unable to write to <path>".
void writeSettingsFile(const std::string& path, std::string_view content);

} // namespace kelvora
