// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/MaterialResolver.h"

#include "interchange/NameKey.h"

#include <algorithm>
#include <sstream>

namespace kelvora {

namespace {
// Edit distance between two keys, byte by byte.
std::size_t distance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

std::vector<std::string> words(const std::string& key) {
    std::istringstream in(key);
    std::vector<std::string> out;
    for (std::string word; in >> word;)
        out.push_back(word);
    return out;
}

// How alike two keys are, 0..1: the better of their spelling (edit distance
// over the longer length) and the share of words they have in common.
double likeness(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return 0.0;
    const double spelling =
        1.0 - static_cast<double>(distance(a, b)) / static_cast<double>(std::max(a.size(), b.size()));
    const auto wa = words(a), wb = words(b);
    std::size_t shared = 0;
    for (const auto& w : wa)
        if (w.size() > 1 && std::find(wb.begin(), wb.end(), w) != wb.end()) ++shared;
    const double common = static_cast<double>(shared) / static_cast<double>(std::max(wa.size(), wb.size()));
    return std::max(spelling, common);
}

// Below this a material is no suggestion at all.
constexpr double kLeastLikeness = 0.4;
} // namespace

MaterialResolver::MaterialResolver(std::vector<std::string> materialNames, std::vector<Alias> aliases,
                                   const std::vector<ImportedMaterial>& fileMaterials)
    : names_(std::move(materialNames)), aliases_(std::move(aliases)), fileMaterials_(fileMaterials) {
    for (const auto& name : names_)
        keys_.push_back(NameKey::of(name));
}

Resolution MaterialResolver::direct(const std::string& name) const {
    for (const auto& known : names_)
        if (known == name) return {Resolved::Exact, known, {}};
    const std::string key = NameKey::of(name);
    if (key.empty()) return {};
    for (std::size_t i = 0; i < names_.size(); ++i)
        if (keys_[i] == key) return {Resolved::Normalised, names_[i], {}};
    for (const Alias& alias : aliases_) {
        if (NameKey::of(alias.name) != key) continue;
        // An alias of a material this folder does not hold resolves nothing.
        if (std::find(names_.begin(), names_.end(), alias.material) != names_.end())
            return {Resolved::Alias, alias.material, {}};
    }
    return {};
}

const ImportedMaterial* MaterialResolver::fileMaterial(const std::string& name,
                                                       const std::string& materialId) const {
    if (!materialId.empty())
        for (const auto& material : fileMaterials_)
            if (material.id == materialId) return &material;
    const std::string key = NameKey::of(name);
    if (key.empty()) return nullptr;
    for (const auto& material : fileMaterials_)
        if (NameKey::of(material.name) == key) return &material;
    for (const auto& material : fileMaterials_)
        for (const auto& other : material.aliases)
            if (NameKey::of(other) == key) return &material;
    return nullptr;
}

Resolution MaterialResolver::resolve(const std::string& name, const std::string& materialId) const {
    Resolution found = direct(name);
    if (found.how != Resolved::Unknown) return found;
    if (const ImportedMaterial* own = fileMaterial(name, materialId)) {
        std::vector<std::string> others{own->name};
        others.insert(others.end(), own->aliases.begin(), own->aliases.end());
        for (const auto& other : others) {
            if (other == name) continue;
            const Resolution viaFile = direct(other);
            if (viaFile.how != Resolved::Unknown) return {Resolved::FileAlias, viaFile.material, {}};
        }
    }
    found.suggestions = suggest(name);
    return found;
}

std::vector<std::string> MaterialResolver::suggest(const std::string& name) const {
    const std::string key = NameKey::of(name);
    std::vector<std::pair<double, std::string>> scored;
    auto consider = [&](double score, const std::string& material) {
        if (score < kLeastLikeness) return;
        for (auto& [best, known] : scored)
            if (known == material) {
                best = std::max(best, score);
                return;
            }
        scored.emplace_back(score, material);
    };
    for (std::size_t i = 0; i < names_.size(); ++i)
        consider(likeness(key, keys_[i]), names_[i]);
    for (const Alias& alias : aliases_)
        if (std::find(names_.begin(), names_.end(), alias.material) != names_.end())
            consider(likeness(key, NameKey::of(alias.name)), alias.material);
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<std::string> out;
    for (std::size_t i = 0; i < scored.size() && i < maxSuggestions; ++i)
        out.push_back(scored[i].second);
    return out;
}

} // namespace kelvora
