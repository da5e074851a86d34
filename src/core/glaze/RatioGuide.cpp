// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/RatioGuide.h"

#include "common/Translate.h"
#include "glaze/DataFileReader.h"

#include <pugixml.hpp>

#include <cmath>
#include <stdexcept>

namespace kelvora {

namespace {
[[noreturn]] void fail(const std::string& path, const std::string& what) {
    throw std::runtime_error(fillIn(translate("DataFile", "Vuistregel %1: %2"), {path, what}));
}
} // namespace

RatioGuide RatioGuide::load(const std::string& path) {
    pugi::xml_document doc;
    if (const std::string problem = DataFileReader::parse(doc, path); !problem.empty()) fail(path, problem);
    const pugi::xml_node root = doc.child("ratio-guide");
    if (!root) fail(path, translate("DataFile", "geen <ratio-guide>"));
    RatioGuide guide;
    guide.name_ = root.attribute("name").as_string();
    guide.source_ = {root.attribute("author").as_string(), root.attribute("title").as_string(),
                     root.attribute("year").as_string()};
    if (guide.name_.empty() || guide.source_.author.empty())
        fail(path, translate("DataFile", "naam of bron ontbreekt"));
    double previous = 0;
    for (const pugi::xml_node node : root.children("band")) {
        Band band{node.attribute("key").as_string(), node.attribute("label").as_string(),
                  node.attribute("from").as_double(0), node.attribute("below").as_double(NAN)};
        const std::string where = "<band key=\"" + band.key + "\">";
        if (band.key.empty() || band.label.empty())
            fail(path, fillIn(translate("DataFile", "%1: key of label ontbreekt"), {where}));
        if (!std::isfinite(band.from) || !std::isfinite(band.below) || band.from < previous ||
            !(band.from < band.below))
            fail(path, fillIn(translate("DataFile", "%1: grenzen ontbreken of lopen niet op"), {where}));
        previous = band.below;
        guide.bands_.push_back(band);
    }
    if (guide.bands_.empty()) fail(path, translate("DataFile", "geen banden"));
    return guide;
}

const RatioGuide::Band* RatioGuide::bandOf(std::optional<double> ratio) const {
    if (!ratio || !std::isfinite(*ratio)) return nullptr;
    for (const Band& band : bands_)
        if (*ratio >= band.from && *ratio < band.below) return &band;
    return nullptr;
}

} // namespace kelvora
