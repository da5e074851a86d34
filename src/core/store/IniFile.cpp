// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/IniFile.h"
#include "common/Translate.h"

#include "common/Utf8.h"
#include "store/AtomicFile.h"
#include "store/StoreError.h"

#include <climits>
#include <filesystem>
#include <stdexcept>
#include <utility>
#include <vector>

#include <unistd.h>

namespace kelvora {

namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

// A carriage return that ends no line (a lone one, or one at the very end of the
// file) counts as a blank, so completing such a line never changes its value.
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// One line of the file as byte offsets: its text is [begin, textEnd), its line
// end (nothing, "\n" or "\r\n") is [textEnd, end).
struct Line {
    enum class Kind { Other, Blank, Section, Key };
    std::size_t begin = 0, textEnd = 0, end = 0;
    Kind kind = Kind::Other;
    std::string_view name;      // section or key name, blanks trimmed
    std::size_t valueBegin = 0; // for a key: first byte of the value after "=" and blanks
    std::string_view value;     // for a key: the value, blanks trimmed
};

Line classify(std::string_view content, std::size_t begin, std::size_t textEnd, std::size_t end) {
    Line line;
    line.begin = begin;
    line.textEnd = textEnd;
    line.end = end;
    std::string_view text = content.substr(begin, textEnd - begin);
    std::string_view trimmed = trimBlanks(text);
    if (trimmed.empty()) {
        line.kind = Line::Kind::Blank;
    } else if (trimmed.front() == '[') {
        line.kind = Line::Kind::Section;
        std::string_view inner = trimmed.substr(1);
        line.name = trimBlanks(inner.substr(0, inner.find(']')));
    } else if (trimmed.front() != ';' && text.find('=') != std::string_view::npos) {
        line.kind = Line::Kind::Key;
        std::size_t eq = text.find('=');
        line.name = trimBlanks(text.substr(0, eq));
        std::size_t v = eq + 1;
        while (v < text.size() && isBlank(text[v]))
            ++v;
        line.valueBegin = begin + v;
        line.value = trimBlanks(text.substr(v));
    }
    return line;
}

// Calls `visit` with every line of the file in order, one at a time: the
// file's size costs time, never memory.
template <class Visit> void forEachLine(std::string_view content, Visit&& visit) {
    // A byte-order mark is kept in the file but is no part of the first line's text.
    std::size_t pos = content.starts_with(Utf8Bom) ? Utf8Bom.size() : 0;
    while (pos < content.size()) {
        std::size_t nl = content.find('\n', pos);
        std::size_t end = nl == std::string_view::npos ? content.size() : nl + 1;
        std::size_t textEnd = nl == std::string_view::npos ? content.size() : nl;
        if (textEnd > pos && content[textEnd - 1] == '\r' && nl != std::string_view::npos) --textEnd;
        visit(classify(content, pos, textEnd, end));
        pos = end;
    }
}

// Where a section and a key were found among the lines.
struct Location {
    bool section = false; // the first matching section header was found
    bool key = false;     // and the first matching key line in it
    Line keyLine;
    Line lastEntry;       // last non-blank line of that section (the header when empty)
    bool anyLine = false; // the file has a line after its byte-order mark
    Line lastLine;        // the file's last line
};

Location locate(std::string_view content, std::string_view section, std::string_view key) {
    Location at;
    bool sectionOver = false; // only the first matching section counts
    forEachLine(content, [&](const Line& line) {
        at.anyLine = true;
        at.lastLine = line;
        if (sectionOver) return;
        if (line.kind == Line::Kind::Section) {
            if (at.section) {
                sectionOver = true;
            } else if (utf8::equalsIgnoreCaseAscii(line.name, section)) {
                at.section = true;
                at.lastEntry = line;
            }
            return;
        }
        if (!at.section) return;
        if (line.kind != Line::Kind::Blank) at.lastEntry = line;
        if (!at.key && line.kind == Line::Kind::Key && utf8::equalsIgnoreCaseAscii(line.name, key)) {
            at.key = true;
            at.keyLine = line;
        }
    });
    return at;
}

// The line end new lines get: the style of the file's first line end, LF for a new file.
std::string_view lineEndOf(std::string_view content) {
    std::size_t nl = content.find('\n');
    if (nl != std::string_view::npos && nl > 0 && content[nl - 1] == '\r') return "\r\n";
    return "\n";
}

std::string withValue(std::string_view content, std::string_view section, std::string_view key, int value) {
    const std::string number = std::to_string(value);
    const std::string_view eol = lineEndOf(content);
    const Location at = locate(content, section, key);
    std::string out;
    out.reserve(content.size() + section.size() + key.size() + 32);

    if (at.key) {
        // Keep the key's spelling and the blanks around "="; replace only the value.
        const Line& line = at.keyLine;
        out.append(content.substr(0, line.valueBegin));
        out.append(number);
        out.append(content.substr(line.textEnd));
    } else if (at.section) {
        // After the section's last entry, so blank lines before the next section stay there.
        const Line& last = at.lastEntry;
        std::string entry = std::string(key) + "=" + number;
        out.append(content.substr(0, last.end));
        if (last.end == last.textEnd) {
            out.append(eol); // the file's last line had no line end
            out.append(entry);
        } else {
            out.append(entry);
            out.append(eol);
        }
        out.append(content.substr(last.end));
    } else {
        out.append(content);
        std::string_view body = content.starts_with(Utf8Bom) ? content.substr(Utf8Bom.size()) : content;
        if (!body.empty()) {
            if (!body.ends_with('\n')) out.append(eol);
            if (at.anyLine && at.lastLine.kind != Line::Kind::Blank)
                out.append(eol); // a blank line between sections
        }
        out.append("[").append(section).append("]").append(eol);
        out.append(key).append("=").append(number).append(eol);
    }
    return out;
}

void checkName(std::string_view name, std::string_view forbidden, const char* what) {
    std::string_view trimmed = trimBlanks(name);
    if (trimmed.empty() || trimmed.size() != name.size() ||
        name.find_first_of(forbidden) != std::string_view::npos)
        throw std::invalid_argument(std::string("IniFile: unusable ") + what + " name \"" +
                                    std::string(name) + "\"");
}

// The file a write replaces: a symbolic link's target, so the link stays.
std::string targetOf(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec))) {
        auto resolved = std::filesystem::weakly_canonical(path, ec);
        if (!ec) return resolved.string();
    }
    return path;
}

} // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

bool parseSettingsInteger(std::string_view text, int& value) {
    text = trimBlanks(text);
    long long result = 0;
    if (text.starts_with('$') || text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(text.front() == '$' ? 1 : 2);
        if (text.empty()) return false;
        for (char c : text) {
            int d = hexDigit(c);
            if (d < 0) return false;
            result = result * 16 + d;
            if (result > INT_MAX) return false;
        }
        value = static_cast<int>(result);
        return true;
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return false;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        result = result * 10 + (c - '0');
        if (result > limit) return false;
    }
    value = static_cast<int>(negative ? -result : result);
    return true;
}

int readSettingsInteger(std::string_view content, std::string_view section, std::string_view key,
                        int defaultValue) {
    const Location at = locate(content, section, key);
    if (!at.key) return defaultValue;
    int value = 0;
    return parseSettingsInteger(at.keyLine.value, value) ? value : defaultValue;
}

std::string settingsWithValue(std::string_view content, std::string_view section, std::string_view key,
                              int value) {
    checkName(section, "\r\n]", "section");
    checkName(key, "\r\n=", "key");
    if (key.front() == '[' || key.front() == ';')
        throw std::invalid_argument("IniFile: unusable key name \"" + std::string(key) + "\"");
    return withValue(content, section, key, value);
}

void writeSettingsFile(const std::string& path, std::string_view content) {
    const StoreError failure(fillIn(translate("StoreError", "Unable to write to %1"), {path}));
    const std::string target = targetOf(path);
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0)
        throw failure; // a read-only file refuses the write even where its folder would allow the rename
    try {
        AtomicFile::write(target, content);
    } catch (const StoreError&) {
        throw failure;
    }
}

int IniFile::readInteger(std::string_view section, std::string_view key, int defaultValue) const {
    std::string content;
    try {
        if (!readWholeFile(path_, content)) return defaultValue;
    } catch (const StoreError&) {
        return defaultValue; // an unreadable file reads as a missing one
    }
    return readSettingsInteger(content, section, key, defaultValue);
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
    settingsWithValue({}, section, key, value); // refuses an unusable name before touching the file

    const StoreError failure(fillIn(translate("StoreError", "Unable to write to %1"), {path_}));

    const std::string target = targetOf(path_);

    std::string content;
    bool exists = false;
    try {
        exists = readWholeFile(target, content);
    } catch (const StoreError&) {
        throw failure; // writing would lose the lines that could not be read
    }
    if (exists && ::access(target.c_str(), W_OK) != 0)
        throw failure; // a read-only file refuses the write even where its folder would allow the rename

    try {
        AtomicFile::write(target, withValue(content, section, key, value));
    } catch (const StoreError&) {
        throw failure;
    }
}

std::string settingsPathForExecutable(const std::string& exePath) {
    std::filesystem::path path(exePath);
    path.replace_extension(".INI");
    return path.string();
}

} // namespace kelvora
