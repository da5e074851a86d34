// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/MaterialLookup.h"

#include "model/Material.h"

#include <cstring>

namespace kelvora {

namespace {
// Names are short; eight bytes at a time with a multiply-and-fold mix spread
// them well enough for a table that is at most half full.
std::size_t hashName(std::string_view name) {
    constexpr std::uint64_t k = 0x9E3779B97F4A7C15ull;
    std::uint64_t h = name.size() * k;
    std::size_t at = 0;
    for (; at + 8 <= name.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, name.data() + at, 8);
        h = (h ^ word) * k;
        h ^= h >> 32;
    }
    if (at < name.size()) {
        // The last eight bytes, overlapping the words before; a short name
        // byte by byte.
        std::uint64_t word = 0;
        if (name.size() >= 8)
            std::memcpy(&word, name.data() + name.size() - 8, 8);
        else
            for (; at < name.size(); ++at)
                word = word << 8 | static_cast<unsigned char>(name[at]);
        h = (h ^ word) * k;
        h ^= h >> 32;
    }
    h *= k;
    return static_cast<std::size_t>(h ^ (h >> 29));
}

bool sameName(const std::string& stored, std::string_view name) {
    return stored.size() == name.size() && std::memcmp(stored.data(), name.data(), name.size()) == 0;
}

double numberOrZero(double value) {
    return isNullNumber(value) ? 0.0 : value;
}
} // namespace

MaterialLookup::MaterialLookup(const std::vector<Material>& materials) : MaterialLookup(materials.size()) {
    for (const Material& material : materials)
        add(material);
}

MaterialLookup::MaterialLookup(std::size_t expected) {
    std::size_t capacity = 16;
    while (capacity < 2 * expected)
        capacity *= 2;
    slots_.assign(capacity, Slot{});
    mask_ = capacity - 1;
    materials_.reserve(expected);
    names_.reserve(expected);
}

void MaterialLookup::add(const Material& material) {
    // The table stays at most half full, however many are added.
    if (2 * (materials_.size() + 1) > slots_.size()) {
        std::vector<Slot> old = std::move(slots_);
        slots_.assign(old.size() * 2, Slot{});
        mask_ = slots_.size() - 1;
        for (const Slot& slot : old) {
            if (slot.entry < 0) continue;
            std::size_t at = slot.hash & mask_;
            while (slots_[at].entry >= 0)
                at = (at + 1) & mask_;
            slots_[at] = slot;
        }
    }
    const int row = static_cast<int>(position_++);
    const std::string& name = material.naam;
    const std::size_t hash = hashName(name);
    std::size_t at = hash & mask_;
    for (; slots_[at].entry >= 0; at = (at + 1) & mask_) {
        const Slot& slot = slots_[at];
        // A later material of the same name is never found.
        if (slot.hash == hash && sameName(names_[static_cast<std::size_t>(slot.entry)], name)) return;
    }
    slots_[at] = {hash, size()};
    MaterialData data;
    data.row = row;
    data.molg = numberOrZero(material.molg);
    data.prys = numberOrZero(material.prys);
    data.withoutAnalysis = material.withoutAnalysis();
    for (std::size_t k = 0; k < data.oxides.size(); ++k) {
        data.oxides[k] = numberOrZero(material.oxides[k]);
        if (data.oxides[k] != 0.0)
            data.present[static_cast<std::size_t>(data.presentCount++)] = static_cast<std::uint8_t>(k);
    }
    materials_.push_back(data);
    names_.push_back(name);
}

const MaterialData* MaterialLookup::find(std::string_view name) const {
    if (slots_.empty()) return nullptr;
    const std::size_t hash = hashName(name);
    for (std::size_t at = hash & mask_; slots_[at].entry >= 0; at = (at + 1) & mask_) {
        const Slot& slot = slots_[at];
        if (slot.hash == hash && sameName(names_[static_cast<std::size_t>(slot.entry)], name))
            return &materials_[static_cast<std::size_t>(slot.entry)];
    }
    return nullptr;
}

} // namespace kelvora
