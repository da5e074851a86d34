#include "store/AtomicFile.h"
#include "store/PacketCodec.h"

namespace kelvora {

Packet decodePacket(std::string_view bytes) {
    if (looksBinary(bytes)) return decodeBinary(bytes);
    std::size_t i = bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    if (i < bytes.size() && bytes[i] == '<') return decodeXml(bytes);
    throw PacketFormatError("it is not a data packet");
}

std::optional<Packet> readPacketFile(const std::string& path) {
    std::string bytes;
    if (!readWholeFile(path, bytes, kMaxXmlBytes + 1)) return std::nullopt;
    if (bytes.empty()) return std::nullopt;
    try {
        return decodePacket(bytes);
    } catch (const PacketFormatError& e) {
        throw PacketFormatError("Cannot read data file \"" + path + "\": " + e.what() + ".");
    }
}

void writePacketFile(const std::string& path, const Packet& packet) {
    AtomicFile::write(path, encodeBinary(packet));
}

void writeXmlPacketFile(const std::string& path, const Packet& packet) {
    AtomicFile::write(path, encodeXml(packet));
}

} // namespace kelvora
