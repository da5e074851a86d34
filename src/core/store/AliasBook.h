// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "store/FileIdentity.h"
#include "store/Packet.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

class StoreTransaction;

// Another name of a material, as other tools and books write it.
struct Alias {
    std::string name;     // "Custer Feldspar"
    std::string material; // the Kelvora material it means: "Custer-type veldspaat"
};

// The other names of materials a data folder knows (als.cds beside the
// materials). A folder without the table knows the names Kelvora ships
// (data/aliases.xml); the first alias stored makes the table from those and
// the new one. Names are compared by their NameKey.
class AliasBook {
public:
    // The longest alias name and material name the table holds, in characters.
    static constexpr std::size_t nameWidth = 80;
    static constexpr std::size_t materialWidth = 40;

    // The shipped list in the chemistry data folder `dataFolder`.
    static std::string shippedFile(const std::string& dataFolder);

    AliasBook(std::string dataDir, std::string shippedFile);

    // Reads the folder's table, or the shipped list where the folder has none
    // (a missing shipped list reads as empty). Store errors and a shipped
    // list that cannot be read are thrown as StoreError.
    void load();
    const std::vector<Alias>& all() const { return aliases_; }
    // The material an alias names; nothing for a name without an alias.
    std::optional<std::string> find(std::string_view name) const;

    // Why an alias cannot be stored (blank, too long), or "" when it can.
    static std::string refusal(const Alias& alias);
    // Puts the loaded aliases with `added` (an alias of a name already known
    // is replaced) into `change`, to be written with the other tables of the
    // change; refuses when the table changed since load(). StoreError for an
    // alias that cannot be stored.
    void writeWith(StoreTransaction& change, const std::vector<Alias>& added);
    // The same, written on its own at once.
    void add(const std::vector<Alias>& added);

private:
    Packet packetWith(const std::vector<Alias>& added) const;
    std::string dataDir_;
    std::string shippedFile_;
    std::vector<Alias> aliases_;
    std::optional<FileIdentity> identity_; // of the table read, when there was one
};

} // namespace kelvora
