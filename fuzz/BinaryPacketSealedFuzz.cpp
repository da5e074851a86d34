// SPDX-License-Identifier: GPL-3.0-or-later
// Like BinaryPacketFuzz, but the input's last four bytes are first replaced by
// the CRC-32 of the bytes before them, so that mutations reach the field
// definitions and rows instead of stopping at the checksum. Any sealed input
// either decodes or is refused with a PacketFormatError; a decoded packet
// encodes back to exactly the same bytes.
#include "store/Crc32.h"
#include "store/PacketCodec.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::uint32_t crc = kelvora::crc32(bytes.data(), size - 4);
    std::memcpy(bytes.data() + size - 4, &crc, 4);
    try {
        kelvora::Packet p = kelvora::decodeBinary(bytes);
        if (kelvora::encodeBinary(p) != bytes) std::abort();
    } catch (const kelvora::PacketFormatError&) {
    }
    return 0;
}
