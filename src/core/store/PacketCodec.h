#pragma once
#include "store/Packet.h"
#include "store/StoreError.h"

#include <optional>
#include <string>
#include <string_view>

namespace kelvora {

// A file or buffer that is not a readable data packet; what() says why.
class PacketFormatError : public StoreError {
public:
    using StoreError::StoreError;
};

// Binary encoding (see BinaryPacketFormat.txt).
std::string encodeBinary(const Packet& packet);
Packet decodeBinary(std::string_view bytes);
bool looksBinary(std::string_view bytes);

// XML data-packet encoding. Input over 256 MiB, a DOCTYPE or an unknown
// entity is refused.
inline constexpr std::size_t kMaxXmlBytes = 256u * 1024u * 1024u;
std::string encodeXml(const Packet& packet);
Packet decodeXml(std::string_view bytes);

// Decodes either encoding, recognised by content.
Packet decodePacket(std::string_view bytes);

// Reads a packet file. Returns nothing when the file is missing or empty;
// throws FileError when it cannot be read and PacketFormatError (with the
// file's name and the reason) when it is no valid packet.
std::optional<Packet> readPacketFile(const std::string& path);
// Writes the binary encoding, replacing the file atomically.
void writePacketFile(const std::string& path, const Packet& packet);
void writeXmlPacketFile(const std::string& path, const Packet& packet);

} // namespace kelvora
