// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/TextDecoder.h"

#include "common/Translate.h"

#include "common/Utf8.h"
#include "interchange/ImportError.h"
#include "interchange/ImportText.h"

#include <array>
#include <cstdint>
#include <iconv.h>
#include <mutex>

namespace kelvora {

namespace {
std::string fromUtf16(std::string_view bytes, bool bigEndian) {
    if (bytes.size() % 2 != 0)
        throw ImportError(translate("Import", "het bestand breekt midden in een UTF-16-teken af"));
    std::string out;
    out.reserve(bytes.size());
    auto unit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<std::uint32_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
    };
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        std::uint32_t cp = unit(i);
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            if (i + 2 >= bytes.size())
                throw ImportError(translate("Import", "onvolledig UTF-16-tekenpaar aan het eind"));
            const std::uint32_t low = unit(i + 2);
            if (low < 0xDC00 || low > 0xDFFF)
                throw ImportError(translate("Import", "ongeldig UTF-16-tekenpaar"));
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
            throw ImportError(translate("Import", "ongeldig UTF-16-tekenpaar"));
        }
        ImportText::appendUtf8(out, cp);
    }
    return out;
}

// The UTF-8 of the bytes 0x80..0xFF of a code page, from the C library's
// converters; a byte the code page leaves undefined reads as U+FFFD.
using HighHalf = std::array<std::string, 128>;

HighHalf buildHighHalf(const char* codePage) {
    iconv_t cd = iconv_open("UTF-8", codePage);
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw ImportError(
            fillIn(translate("Import", "tekenset %1 is op dit systeem niet beschikbaar"), {codePage}));
    HighHalf table;
    for (int b = 0x80; b <= 0xFF; ++b) {
        char in = static_cast<char>(b);
        char out[8];
        char* inPtr = &in;
        char* outPtr = out;
        std::size_t inLeft = 1, outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
            table[static_cast<std::size_t>(b - 0x80)] = "\xEF\xBF\xBD";
        else
            table[static_cast<std::size_t>(b - 0x80)] =
                std::string(out, static_cast<std::size_t>(outPtr - out));
    }
    iconv_close(cd);
    return table;
}

const HighHalf& highHalf(ByteEncoding encoding) {
    static std::once_flag cp1252Once, macOnce;
    static HighHalf cp1252, mac;
    if (encoding == ByteEncoding::MacRoman) {
        std::call_once(macOnce, [] { mac = buildHighHalf("MACINTOSH"); });
        return mac;
    }
    std::call_once(cp1252Once, [] { cp1252 = buildHighHalf("CP1252"); });
    return cp1252;
}

std::string fromSingleByte(std::string_view bytes, ByteEncoding encoding) {
    const HighHalf& table = highHalf(encoding);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80)
            out += c;
        else
            out += table[b - 0x80];
    }
    return out;
}

std::string normaliseLineEnds(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

enum class Bom { None, Utf8, Utf16Le, Utf16Be };
Bom bomOf(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return Bom::Utf8;
    if (bytes.substr(0, 2) == "\xFF\xFE") return Bom::Utf16Le;
    if (bytes.substr(0, 2) == "\xFE\xFF") return Bom::Utf16Be;
    return Bom::None;
}
} // namespace

bool TextDecoder::isUnicode(std::string_view bytes) {
    const Bom bom = bomOf(bytes);
    if (bom == Bom::Utf16Le || bom == Bom::Utf16Be) return true;
    return utf8::isValid(bom == Bom::Utf8 ? bytes.substr(3) : bytes);
}

std::string TextDecoder::decode(std::string_view bytes, ByteEncoding fallback) {
    std::string text;
    switch (bomOf(bytes)) {
    case Bom::Utf16Le:
        text = fromUtf16(bytes.substr(2), false);
        break;
    case Bom::Utf16Be:
        text = fromUtf16(bytes.substr(2), true);
        break;
    case Bom::Utf8:
    case Bom::None: {
        const std::string_view body = bomOf(bytes) == Bom::Utf8 ? bytes.substr(3) : bytes;
        if (body.find('\0') != std::string_view::npos)
            throw ImportError(translate("Import",
                                        "het bestand bevat NUL-tekens: geen tekstbestand, of UTF-16 zonder "
                                        "bytevolgordeteken"));
        text = utf8::isValid(body) ? std::string(body) : fromSingleByte(body, fallback);
        break;
    }
    }
    if (text.find('\0') != std::string::npos)
        throw ImportError(translate("Import", "het bestand bevat NUL-tekens"));
    return normaliseLineEnds(text);
}

} // namespace kelvora
