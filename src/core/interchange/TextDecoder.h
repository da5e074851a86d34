// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

namespace kelvora {

// The single-byte code page a file's bytes are read in when they are not
// UTF-8: Windows programs wrote cp1252, old Macintosh programs Mac Roman.
enum class ByteEncoding { Cp1252, MacRoman };

// Turns the bytes of a text file into UTF-8 with "\n" line ends, whatever
// the program that wrote it used: UTF-8 with or without a byte order mark,
// UTF-16 with one (either byte order), or a single-byte code page for bytes
// that are not UTF-8. CRLF and a lone CR both end a line. Throws ImportError
// for UTF-16 that breaks off or pairs its surrogates wrongly, and for a NUL
// byte in a file without a byte order mark (UTF-16 without one, or no text).
class TextDecoder {
public:
    static std::string decode(std::string_view bytes, ByteEncoding fallback = ByteEncoding::Cp1252);
    // Whether the bytes are UTF-16 or UTF-8 by their byte order mark or their
    // content, so that no code page is needed to read them.
    static bool isUnicode(std::string_view bytes);
};

} // namespace kelvora
