// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "store/FileIdentity.h"
#include "store/Packet.h"
#include "store/RowMemoryBudget.h"
#include "store/StoreError.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelvora {

// A file or buffer that is not a readable data packet; what() says why.
class PacketFormatError : public StoreError {
public:
    using StoreError::StoreError;
};

// No table of Kelvora has more than a hundred fields; a packet with more than
// this many is refused before its rows are read.
inline constexpr std::uint32_t kMaxFields = 4096;

// Binary encoding (see BinaryPacketFormat.txt).
std::string encodeBinary(const Packet& packet);
Packet decodeBinary(std::string_view bytes);
bool looksBinary(std::string_view bytes);

// XML data-packet encoding. Input over 256 MiB, a DOCTYPE or an unknown
// entity is refused.
inline constexpr std::size_t kMaxXmlBytes = 256u * 1024u * 1024u;
// Throws PacketFormatError when a text holds a character that XML cannot
// carry (NUL), rather than write a file that would not read back.
std::string encodeXml(const Packet& packet);
Packet decodeXml(std::string_view bytes);

// Decodes either encoding, recognised by content.
Packet decodePacket(std::string_view bytes);

// Reads a packet file. Returns nothing when the file is missing or empty;
// throws FileError when it cannot be read and PacketFormatError (with the
// file's name and the reason) when it is no valid packet.
// With `identity`, fills in which file was read (see FileIdentity). While
// this program holds the lock of the file's folder, temporary files left by
// an interrupted write of this file are removed first.
std::optional<Packet> readPacketFile(const std::string& path, FileIdentity* identity = nullptr);
// Writes the binary encoding, replacing the file atomically. With `expected`,
// refuses when the file is no longer the one that was read.
void writePacketFile(const std::string& path, const Packet& packet, const FileIdentity* expected = nullptr);
void writeXmlPacketFile(const std::string& path, const Packet& packet);

} // namespace kelvora
