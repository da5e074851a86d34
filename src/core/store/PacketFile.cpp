// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Translate.h"
#include "store/AtomicFile.h"
#include "store/DataFolderLock.h"
#include "store/PacketCodec.h"
#include "store/PathParts.h"
#include "store/StoreTransaction.h"

namespace kelvora {

using path::folderOf;

namespace {
// While this program holds the folder: a change of several tables left half
// made is completed before any table is read or written, and temporary files
// of this table left by a killed write go.
void removeLeftovers(const std::string& path) {
    const std::string folder = folderOf(path);
    if (!DataFolderLock::heldByThisProcess(folder)) return;
    StoreTransaction::recoverIfPending(folder);
    AtomicFile::removeStaleTemporaries(path);
}
} // namespace

Packet decodePacket(std::string_view bytes) {
    if (looksBinary(bytes)) return decodeBinary(bytes);
    std::size_t i = bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    if (i < bytes.size() && bytes[i] == '<') return decodeXml(bytes);
    throw PacketFormatError(translate("PacketFormat", "it is not a data packet"));
}

std::optional<Packet> readPacketFile(const std::string& path, FileIdentity* identity) {
    removeLeftovers(path);
    std::string bytes;
    if (!readWholeFile(path, bytes, kMaxXmlBytes + 1, identity)) return std::nullopt;
    if (bytes.empty()) return std::nullopt;
    try {
        return decodePacket(bytes);
    } catch (const PacketFormatError& e) {
        throw PacketFormatError(
            fillIn(translate("StoreError", "Cannot read data file \"%1\": %2."), {path, e.what()}));
    }
}

void writePacketFile(const std::string& path, const Packet& packet, const FileIdentity* expected) {
    removeLeftovers(path);
    AtomicFile::write(path, encodeBinary(packet), expected);
}

void writeXmlPacketFile(const std::string& path, const Packet& packet) {
    std::string xml;
    try {
        xml = encodeXml(packet);
    } catch (const PacketFormatError& e) {
        throw PacketFormatError(
            fillIn(translate("StoreError", "Cannot write \"%1\" as XML: %2."), {path, e.what()}));
    }
    AtomicFile::write(path, xml);
}

} // namespace kelvora
