// SPDX-License-Identifier: GPL-3.0-or-later
// Any text given to the XML decoder either decodes or is refused with a
// PacketFormatError. A decoded packet is written as XML (or refused with a
// clear PacketFormatError, never written unreadable); that XML reads back to
// the same packet, and encodes again to the same bytes.
#include "store/PacketCodec.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    kelvora::Packet p;
    try {
        p = kelvora::decodeXml(bytes);
    } catch (const kelvora::PacketFormatError&) {
        return 0;
    }
    std::string xml;
    try {
        xml = kelvora::encodeXml(p);
    } catch (const kelvora::PacketFormatError&) {
        return 0; // refused to export: fine, as long as it says so
    }
    try {
        kelvora::Packet again = kelvora::decodeXml(xml);
        if (again.fields() != p.fields()) std::abort();
        if (kelvora::encodeBinary(again) != kelvora::encodeBinary(p)) std::abort();
        if (kelvora::encodeXml(again) != xml) std::abort();
    } catch (const kelvora::PacketFormatError&) {
        std::abort(); // Kelvora wrote XML that it cannot read back
    }
    return 0;
}
