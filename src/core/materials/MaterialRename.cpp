// SPDX-License-Identifier: GPL-3.0-or-later
#include "materials/MaterialRename.h"

#include "store/PacketCodec.h"
#include "store/RecordMapper.h"
#include "store/View.h"

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

int MaterialRename::replaceInFile(const std::string& glazesFile, const std::string& oldName,
                                  const std::string& newName) {
    View glazes("GlzCDS", glazesFile);
    glazes.setLogChanges(false);
    glazes.open();
    int changed = 0;
    try {
        const GlazeMapper mapper(glazes.packet());
        Glaze glaze;
        for (int row = 0; row < glazes.recordCount(); ++row) {
            mapper.read(glazes.packet(), glazes.packet().rows[static_cast<std::size_t>(row)], glaze);
            if (glaze.recipe.rename(oldName, newName) == 0) continue;
            glazes.moveTo(row);
            mapper.applyTo(glazes, glaze);
            glazes.post();
            ++changed;
        }
        glazes.close(); // one atomic write of the whole table, or none
    } catch (...) {
        // Nothing half-done may reach the disk: forget the file, then close.
        glazes.setFileName({});
        glazes.close();
        throw;
    }
    return changed;
}

std::string MaterialRename::questionText(int glazeCount) {
    return "Ook de glazuren die deze grondstof gebruiken aanpassen? (" + std::to_string(glazeCount) +
           " glazuren)";
}

int MaterialRename::followRename(Prompter& prompter, const std::string& glazesFile,
                                 const std::string& oldName, const std::string& newName) {
    if (oldName == newName) return 0;
    const int count = countGlazes(glazesFile, oldName);
    if (count == 0) return 0;
    if (!prompter.confirm(questionText(count))) return 0;
    return replaceInFile(glazesFile, oldName, newName);
}

} // namespace kelvora
