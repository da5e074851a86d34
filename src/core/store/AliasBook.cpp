// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/AliasBook.h"
#include "common/Translate.h"

#include "common/Utf8.h"
#include "glaze/DataFileReader.h"
#include "interchange/NameKey.h"
#include "model/Recipe.h"
#include "model/TableLayouts.h"
#include "store/DataFiles.h"
#include "store/PacketCodec.h"
#include "store/StoreTransaction.h"

#include <filesystem>
#include <pugixml.hpp>

namespace kelvora {

std::string AliasBook::shippedFile(const std::string& dataFolder) {
    return dataFolder + "/aliases.xml";
}

AliasBook::AliasBook(std::string dataDir, std::string shippedFile)
    : dataDir_(std::move(dataDir)), shippedFile_(std::move(shippedFile)) {}

void AliasBook::load() {
    aliases_.clear();
    FileIdentity identity;
    if (auto packet = readPacketFile(DataFiles::aliases(dataDir_), &identity)) {
        identity_ = identity;
        const int naam = packet->fieldIndex("naam");
        const int grondstof = packet->fieldIndex("grondstof");
        if (naam < 0 || grondstof < 0)
            throw StoreError(fillIn(translate("Alias", "%1: geen tabel van andere namen"),
                                    {DataFiles::aliases(dataDir_)}));

        for (const Row& row : packet->rows)
            aliases_.push_back({packet->text(row, naam), packet->text(row, grondstof)});
        return;
    }
    identity_.reset();
    std::error_code ec;
    if (!std::filesystem::exists(shippedFile_, ec)) return;
    pugi::xml_document doc;
    if (const std::string why = DataFileReader::parse(doc, shippedFile_); !why.empty()) throw StoreError(why);
    for (const auto& node : doc.child("aliases").children("alias")) {
        Alias alias{node.attribute("name").as_string(), node.attribute("material").as_string()};
        if (const std::string why = refusal(alias); !why.empty())
            throw StoreError(shippedFile_ + DataFileReader::lineOf(shippedFile_, node) + ": " + why);
        aliases_.push_back(std::move(alias));
    }
}

std::optional<std::string> AliasBook::find(std::string_view name) const {
    const std::string key = NameKey::of(name);
    if (key.empty()) return std::nullopt;
    for (const Alias& alias : aliases_)
        if (NameKey::of(alias.name) == key) return alias.material;
    return std::nullopt;
}

std::string AliasBook::refusal(const Alias& alias) {
    if (NameKey::of(alias.name).empty()) return translate("Alias", "een andere naam mag niet leeg zijn");
    if (Recipe::isBlank(alias.material))
        return fillIn(translate("Alias", "de grondstof van '%1' ontbreekt"), {alias.name});
    if (utf8::length(alias.name) > nameWidth)
        return fillIn(translate("Alias", "de naam '%1' is langer dan %2 tekens"),
                      {alias.name, std::to_string(nameWidth)});
    if (utf8::length(alias.material) > materialWidth)
        return fillIn(translate("Alias", "de grondstof '%1' is langer dan %2 tekens"),
                      {alias.material, std::to_string(materialWidth)});
    return {};
}

Packet AliasBook::packetWith(const std::vector<Alias>& added) const {
    std::vector<Alias> rows = aliases_;
    for (const Alias& alias : added) {
        if (const std::string why = refusal(alias); !why.empty()) throw StoreError(why);
        const std::string key = NameKey::of(alias.name);
        bool replaced = false;
        for (Alias& row : rows)
            if (NameKey::of(row.name) == key) {
                row = alias;
                replaced = true;
            }
        if (!replaced) rows.push_back(alias);
    }
    Packet packet(TableLayouts::aliases());
    const int naam = packet.fieldIndex("naam");
    const int grondstof = packet.fieldIndex("grondstof");
    for (const Alias& alias : rows) {
        Row row;
        packet.materialize(row);
        packet.setText(row, naam, alias.name);
        packet.setText(row, grondstof, alias.material);
        packet.rows.push_back(std::move(row));
    }
    return packet;
}

void AliasBook::writeWith(StoreTransaction& change, const std::vector<Alias>& added) {
    const Packet packet = packetWith(added);
    change.write(DataFiles::aliases(dataDir_), packet, identity_ ? &*identity_ : nullptr,
                 [this](const FileIdentity& written) { identity_ = written; });
    // What the table holds once the change is made; a change that fails is
    // followed by load() again.
    std::vector<Alias> rows;
    const int naam = packet.fieldIndex("naam");
    const int grondstof = packet.fieldIndex("grondstof");
    for (const Row& row : packet.rows)
        rows.push_back({packet.text(row, naam), packet.text(row, grondstof)});
    aliases_ = std::move(rows);
}

void AliasBook::add(const std::vector<Alias>& added) {
    StoreTransaction change(dataDir_);
    writeWith(change, added);
    change.commit();
}

} // namespace kelvora
