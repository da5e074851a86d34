// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/GzipData.h"

#include "common/Translate.h"

#include "interchange/ImportBounds.h"
#include "interchange/ImportError.h"

#include <zlib.h>

namespace kelvora {

bool GzipData::isPacked(std::string_view bytes) {
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0x1F &&
           static_cast<unsigned char>(bytes[1]) == 0x8B;
}

std::string GzipData::unpackIfPacked(std::string_view bytes) {
    if (!isPacked(bytes)) return std::string(bytes);
    ImportBounds::checkSize(bytes.size());
    z_stream stream{};
    // 16 + MAX_WBITS: a gzip header and trailer around the deflate data.
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK)
        throw ImportError(translate("Import", "gzip kan niet worden uitgepakt"));
    std::string out;
    char buffer[1 << 16];
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    int rc = Z_OK;
    do {
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = sizeof buffer;
        rc = inflate(&stream, Z_NO_FLUSH);
        if (rc != Z_OK && rc != Z_STREAM_END) {
            inflateEnd(&stream);
            throw ImportError(fillIn(translate("Import", "beschadigd gzip-bestand (na %1 uitgepakte bytes)"),
                                     {std::to_string(out.size())}));
        }
        out.append(buffer, sizeof buffer - stream.avail_out);
        if (out.size() > ImportBounds::kMaxBytes) {
            inflateEnd(&stream);
            ImportBounds::checkSize(out.size());
        }
    } while (rc != Z_STREAM_END && (stream.avail_in > 0 || stream.avail_out == 0));
    inflateEnd(&stream);
    if (rc != Z_STREAM_END)
        throw ImportError(fillIn(translate("Import", "afgebroken gzip-bestand (na %1 uitgepakte bytes)"),
                                 {std::to_string(out.size())}));
    return out;
}

} // namespace kelvora
