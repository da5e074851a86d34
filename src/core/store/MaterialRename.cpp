// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/MaterialRename.h"
#include "common/Translate.h"

#include "store/PacketCodec.h"
#include "store/RecordMapper.h"
#include "store/StoreTransaction.h"
#include "store/View.h"

#include <filesystem>
#include <optional>

#include <utility>

namespace kelvora {

int MaterialRename::countGlazes(const std::string& glazesFile, const std::string& oldName) {
    if (Recipe::isBlank(oldName)) return 0;
    auto packet = readPacketFile(glazesFile);
    if (!packet) return 0;
    const GlazeMapper mapper(*packet);
    Glaze glaze;
    int count = 0;
    for (const Row& row : packet->rows) {
        mapper.read(*packet, row, glaze);
        if (glaze.recipe.uses(oldName)) ++count;
    }
    return count;
}

int MaterialRename::renameTogether(View& materials, const std::string& glazesFile, const std::string& oldName,
                                   const std::string& newName) {
    FileIdentity readFrom;
    std::optional<Packet> glazes = readPacketFile(glazesFile, &readFrom);
    int changed = 0;
    if (glazes) {
        const GlazeMapper mapper(*glazes);
        Glaze glaze;
        for (Row& row : glazes->rows) {
            mapper.read(*glazes, row, glaze);
            if (glaze.recipe.rename(oldName, newName) == 0) continue;
            mapper.write(*glazes, row, glaze);
            ++changed;
        }
    }
    if (changed == 0) {
        materials.save();
        return 0;
    }
    StoreTransaction change(std::filesystem::path(glazesFile).parent_path().string());
    materials.saveWith(change);
    change.write(glazesFile, *glazes, &readFrom);
    change.commit();
    return changed;
}

std::string MaterialRename::questionText(int glazeCount) {
    return fillIn(
        translate("MaterialRename", "Ook de glazuren die deze grondstof gebruiken aanpassen? (%1 glazuren)"),
        {std::to_string(glazeCount)});
}

int MaterialRename::followRename(Prompter& prompter, View& materials, const std::string& glazesFile,
                                 const std::string& oldName, const std::string& newName) {
    const int count = oldName == newName ? 0 : countGlazes(glazesFile, oldName);
    if (count == 0 || !prompter.confirm(questionText(count))) {
        materials.save();
        return 0;
    }
    return renameTogether(materials, glazesFile, oldName, newName);
}

} // namespace kelvora
