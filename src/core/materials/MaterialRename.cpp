// SPDX-License-Identifier: GPL-3.0-or-later
#include "materials/MaterialRename.h"

#include "store/PacketCodec.h"

#include <utility>

#include <vector>

namespace kelvora {

namespace {
// The name fields of a glaze: twelve recipe slots, then five additions.
const std::vector<std::string>& slotFields() {
    static const std::vector<std::string> fields = [] {
        std::vector<std::string> f;
        for (int n = 1; n <= 12; ++n)
            f.push_back("mat" + std::to_string(n));
        for (int n = 1; n <= 5; ++n)
            f.push_back("tvs" + std::to_string(n));
        return f;
    }();
    return fields;
}

// A blank name (a material being inserted has no old name) is used by no glaze:
// blank slots are empty places, not references.
bool isBlank(const std::string& name) {
    return name.find_first_not_of(" \t") == std::string::npos;
}

bool usesName(const View& glazes, int row, const std::vector<int>& fields, const std::string& name) {
    if (isBlank(name)) return false;
    for (const int field : fields)
        if (glazes.textAt(row, field) == name) return true;
    return false;
}

std::vector<int> slotIndexes(const View& glazes) {
    std::vector<int> indexes;
    for (const auto& field : slotFields())
        indexes.push_back(glazes.fieldIndex(field));
    return indexes;
}
} // namespace

int MaterialRename::countGlazes(View& glazes, const std::string& oldName) {
    const auto fields = slotIndexes(glazes);
    int count = 0;
    for (int row = 0; row < glazes.recordCount(); ++row)
        if (usesName(glazes, row, fields, oldName)) ++count;
    return count;
}

int MaterialRename::countGlazes(const std::string& glazesFile, const std::string& oldName) {
    auto packet = readPacketFile(glazesFile);
    if (!packet) return 0;
    View glazes("GlzCDS");
    glazes.setReadOnly(true);
    glazes.openPacket(std::move(*packet));
    return countGlazes(glazes, oldName);
}

int MaterialRename::replaceInView(View& glazes, const std::string& oldName, const std::string& newName) {
    const auto fields = slotIndexes(glazes);
    int changed = 0;
    for (int row = 0; row < glazes.recordCount(); ++row) {
        if (!usesName(glazes, row, fields, oldName)) continue;
        glazes.moveTo(row);
        glazes.edit();
        for (const int field : fields)
            if (glazes.asText(field) == oldName) glazes.setText(field, newName);
        glazes.post();
        ++changed;
    }
    return changed;
}

int MaterialRename::replaceInFile(const std::string& glazesFile, const std::string& oldName,
                                  const std::string& newName) {
    View glazes("GlzCDS", glazesFile);
    glazes.setLogChanges(false);
    glazes.open();
    int changed = 0;
    try {
        changed = replaceInView(glazes, oldName, newName);
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
