// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/ExpansionFactorSet.h"

#include "common/Translate.h"
#include "glaze/DataFileReader.h"

#include <pugixml.hpp>

#include <algorithm>
#include <filesystem>
#include <stdexcept>

namespace kelvora {

namespace {
[[noreturn]] void fail(const std::string& path, const std::string& what) {
    throw std::runtime_error(fillIn(translate("DataFile", "Uitzettingsfactoren %1: %2"), {path, what}));
}
} // namespace

ExpansionFactorSet ExpansionFactorSet::load(const std::string& path) {
    pugi::xml_document doc;
    if (const std::string problem = DataFileReader::parse(doc, path); !problem.empty()) fail(path, problem);
    const pugi::xml_node root = doc.child("expansion-factors");
    if (!root) fail(path, translate("DataFile", "geen <expansion-factors>"));
    ExpansionFactorSet set;
    set.name_ = root.attribute("name").as_string();
    set.label_ = root.attribute("label").as_string(set.name_.c_str());
    if (set.name_.empty()) fail(path, translate("DataFile", "zonder naam"));
    const std::string basis = root.attribute("basis").as_string();
    if (basis == "weight")
        set.basis_ = Basis::Weight;
    else if (basis == "mol")
        set.basis_ = Basis::Mole;
    else
        fail(path, translate("DataFile", "basis moet weight of mol zijn"));
    set.source_ = {root.attribute("author").as_string(), root.attribute("title").as_string(),
                   root.attribute("year").as_string()};
    for (const pugi::xml_node node : root.children("factor")) {
        const std::string stem = node.attribute("stem").as_string();
        const std::string at = DataFileReader::lineOf(path, node);
        const Oxide* oxide = OxideCatalogue::byStem(stem);
        if (!oxide) fail(path + at, fillIn(translate("DataFile", "onbekend oxide %1"), {stem}));
        // A factor written as text must not quietly count as 0.
        const auto value = DataFileReader::number(node.attribute("value"));
        if (!value)
            fail(path + at, fillIn(translate("DataFile", "geen geldige factor (een getal) voor %1"), {stem}));
        if (set.factors_[static_cast<std::size_t>(oxide->position - 1)])
            fail(path + at, fillIn(translate("DataFile", "%1 staat er twee keer in"), {stem}));
        Factor factor;
        factor.value = *value;
        if (node.attribute("above") || node.attribute("slope")) {
            const auto above = DataFileReader::number(node.attribute("above"));
            const auto slope = DataFileReader::number(node.attribute("slope"));
            if (!above || !slope)
                fail(path + at,
                     fillIn(translate("DataFile", "above en slope moeten getallen zijn voor %1"), {stem}));
            factor.above = *above;
            factor.slope = *slope;
        }
        set.factors_[static_cast<std::size_t>(oxide->position - 1)] = factor;
    }
    return set;
}

std::vector<std::string> ExpansionFactorSet::missing() const {
    std::vector<std::string> stems;
    for (const Oxide& oxide : OxideCatalogue::all())
        if (!factors_[static_cast<std::size_t>(oxide.position - 1)]) stems.emplace_back(oxide.stem);
    return stems;
}

std::vector<ExpansionFactorSet> ExpansionFactorSet::loadFolder(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        if (entry.path().extension() == ".xml") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    std::vector<ExpansionFactorSet> sets;
    for (const auto& file : files)
        sets.push_back(load(file));
    return sets;
}

ExpansionFactorSet::Result
ExpansionFactorSet::linear(const std::array<double, OxideCatalogue::count>& weightPercent,
                           const std::array<double, OxideCatalogue::count>& molPercent) const {
    const auto& share = basis_ == Basis::Weight ? weightPercent : molPercent;
    // Weight factors are per 1 %, Appen-style mol factors per 100 %.
    const double scale = basis_ == Basis::Weight ? 1.0 : 0.01;
    Result result;
    for (const Oxide& oxide : OxideCatalogue::all()) {
        const auto i = static_cast<std::size_t>(oxide.position - 1);
        if (share[i] == 0) continue;
        const auto& factor = factors_[i];
        if (!factor) {
            result.unset.emplace_back(oxide.label);
            continue;
        }
        double value = factor->value;
        if (factor->above && share[i] > *factor->above) value += factor->slope * (share[i] - *factor->above);
        result.linear += share[i] * value * scale;
    }
    return result;
}

} // namespace kelvora
