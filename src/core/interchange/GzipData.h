// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

namespace kelvora {

// gzip data as a Glazy dump comes (.yaml.gz).
class GzipData {
public:
    // Whether the bytes start with the gzip signature.
    static bool isPacked(std::string_view bytes);
    // The unpacked bytes of gzip data, or the bytes as they are when they are
    // no gzip data. Throws ImportError for a broken or cut-off stream and for
    // one that unpacks to more than ImportBounds::kMaxBytes.
    static std::string unpackIfPacked(std::string_view bytes);
};

} // namespace kelvora
