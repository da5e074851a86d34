// SPDX-License-Identifier: GPL-3.0-or-later
// Any byte string given to the binary decoder either decodes or is refused
// with a PacketFormatError; a decoded packet encodes back to the same bytes.
#include "store/PacketCodec.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        kelvora::Packet p = kelvora::decodeBinary(bytes);
        if (kelvora::encodeBinary(p) != bytes) std::abort();
    } catch (const kelvora::PacketFormatError&) {
    }
    return 0;
}
