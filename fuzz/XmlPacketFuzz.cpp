// Any text given to the XML decoder either decodes or is refused with a
// PacketFormatError; a decoded packet survives a round trip through XML.
#include "store/PacketCodec.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        kelvora::Packet p = kelvora::decodeXml(bytes);
        kelvora::Packet again = kelvora::decodeXml(kelvora::encodeXml(p));
        if (again.rows.size() != p.rows.size() || again.fields() != p.fields()) std::abort();
    } catch (const kelvora::PacketFormatError&) {
    }
    return 0;
}
