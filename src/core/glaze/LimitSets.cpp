// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/LimitSets.h"

#include "common/Translate.h"
#include "engine/GlzDMUnit.h"
#include "glaze/DataFileReader.h"

#include <pugixml.hpp>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <stdexcept>

namespace kelvora {

namespace {
[[noreturn]] void fail(const std::string& path, const std::string& what) {
    throw std::runtime_error(fillIn(translate("DataFile", "Grenswaarden %1: %2"), {path, what}));
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool isRatio(const std::string& key) {
    return key == "sio2_al2o3" || key == "r2o_ro";
}
} // namespace

std::optional<int> LimitSets::conePosition(const std::string& cone) {
    const std::string wanted = trimmed(cone);
    if (wanted.empty()) return std::nullopt;
    static const std::vector<std::string> table = TGlzDM::buildConeList();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const std::string& entry = table[i];
        if (entry == wanted || entry.substr(0, entry.find(' ')) == wanted) return static_cast<int>(i + 1);
    }
    return std::nullopt;
}

LimitSets::Set LimitSets::load(const std::string& path) {
    pugi::xml_document doc;
    if (const std::string problem = DataFileReader::parse(doc, path); !problem.empty()) fail(path, problem);
    const pugi::xml_node root = doc.child("limit-set");
    if (!root) fail(path, translate("DataFile", "geen <limit-set>"));
    Set set;
    set.name = root.attribute("name").as_string();
    const auto from = conePosition(root.attribute("from").as_string());
    const auto to = conePosition(root.attribute("to").as_string());
    if (set.name.empty() || !from || !to || *from > *to)
        fail(path, translate("DataFile", "naam of kegels ontbreken"));
    set.fromCone = *from;
    set.toCone = *to;
    set.source = {root.attribute("author").as_string(), root.attribute("title").as_string(),
                  root.attribute("year").as_string()};
    for (const pugi::xml_node node : root.children("limit")) {
        Limit limit;
        limit.key = node.attribute("key").as_string();
        if (!isRatio(limit.key)) {
            std::istringstream oxides(node.attribute("oxides").as_string(limit.key.c_str()));
            for (std::string stem; oxides >> stem;) {
                if (!OxideCatalogue::byStem(stem))
                    fail(path, fillIn(translate("DataFile", "onbekend oxide %1"), {stem}));
                limit.of.push_back(stem);
            }
        }
        const std::string at = DataFileReader::lineOf(path, node);
        const auto min = DataFileReader::number(node.attribute("min"));
        const auto max = DataFileReader::number(node.attribute("max"));
        if (!min || !max)
            fail(path + at, fillIn(translate("DataFile", "grens zonder geldige min en max (getallen): %1"),
                                   {limit.key}));
        if (*min > *max)
            fail(path + at, fillIn(translate("DataFile", "min groter dan max: %1"), {limit.key}));
        limit.min = *min;
        limit.max = *max;
        set.limits.push_back(std::move(limit));
    }
    return set;
}

LimitSets LimitSets::loadFolder(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        if (entry.path().extension() == ".xml") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    LimitSets sets;
    for (const auto& file : files)
        sets.sets_.push_back(load(file));
    return sets;
}

std::vector<const LimitSets::Set*> LimitSets::forCones(const std::string& skva,
                                                       const std::string& sktt) const {
    auto from = conePosition(skva);
    auto to = conePosition(sktt);
    if (!from) from = to;
    if (!to) to = from;
    if (!from) return {};
    if (*from > *to) std::swap(from, to);
    std::vector<const Set*> best;
    int bestOverlap = 0;
    for (const Set& set : sets_) {
        const int overlap = std::min(*to, set.toCone) - std::max(*from, set.fromCone) + 1;
        if (overlap <= 0 || overlap < bestOverlap) continue;
        if (overlap > bestOverlap) best.clear();
        best.push_back(&set);
        bestOverlap = overlap;
    }
    return best;
}

LimitSets::Fit LimitSets::bestFit(const std::string& skva, const std::string& sktt,
                                  const ChemistryFigures& figures) const {
    Fit fit;
    const auto candidates = forCones(skva, sktt);
    fit.candidates = candidates.size();
    for (const Set* set : candidates) {
        auto outside = check(*set, figures);
        if (!fit.set || outside.size() < fit.outside.size()) {
            fit.set = set;
            fit.outside = std::move(outside);
        }
    }
    return fit;
}

std::optional<double> LimitSets::valueOf(const Limit& limit, const ChemistryFigures& figures) {
    if (limit.key == "sio2_al2o3") return figures.sio2Al2o3;
    if (limit.key == "r2o_ro") return figures.r2oRo;
    double total = 0;
    for (const auto& stem : limit.of)
        total += figures.seger[static_cast<std::size_t>(OxideCatalogue::byStem(stem)->position - 1)];
    return total;
}

std::vector<LimitSets::Violation> LimitSets::check(const Set& set, const ChemistryFigures& figures) {
    std::vector<Violation> outside;
    for (const Limit& limit : set.limits) {
        const auto value = valueOf(limit, figures);
        // Formulas are sums of products; a value that only misses a bound in
        // the last digits is on it.
        constexpr double slack = 1e-9;
        if (value && (*value < limit.min - slack || *value > limit.max + slack))
            outside.push_back({limit.key, *value, limit.min, limit.max});
    }
    return outside;
}

} // namespace kelvora
