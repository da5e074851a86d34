// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/StullChart.h"

#include "common/Translate.h"
#include "glaze/ChemistryDataFiles.h"
#include "glaze/DataFileReader.h"

#include <pugixml.hpp>

#include <cmath>
#include <sstream>
#include <stdexcept>

namespace kelvora {

namespace {

[[noreturn]] void fail(const std::string& path, const std::string& what) {
    throw std::runtime_error(fillIn(translate("DataFile", "Stull-diagram %1: %2"), {path, what}));
}

// "x y; x y; ..." as points; nothing when a pair is not two finite numbers.
bool parsePoints(const std::string& text, std::vector<StullChart::Point>& out) {
    std::istringstream pairs(text);
    std::string pair;
    while (std::getline(pairs, pair, ';')) {
        std::istringstream numbers(pair);
        numbers.imbue(std::locale::classic());
        StullChart::Point p;
        std::string rest;
        if (!(numbers >> p.sio2 >> p.al2o3)) {
            // A blank piece (after the last ';') is allowed.
            if (pair.find_first_not_of(" \t\r\n") == std::string::npos) continue;
            return false;
        }
        if (numbers >> rest) return false;
        if (!std::isfinite(p.sio2) || !std::isfinite(p.al2o3)) return false;
        out.push_back(p);
    }
    return true;
}

bool isColour(const std::string& text) {
    if (text.size() != 7 || text[0] != '#') return false;
    for (std::size_t i = 1; i < text.size(); ++i)
        if (!std::isxdigit(static_cast<unsigned char>(text[i]))) return false;
    return true;
}

double cross(const StullChart::Point& a, const StullChart::Point& b, const StullChart::Point& p) {
    return (b.sio2 - a.sio2) * (p.al2o3 - a.al2o3) - (b.al2o3 - a.al2o3) * (p.sio2 - a.sio2);
}

bool onSegment(const StullChart::Point& a, const StullChart::Point& b, const StullChart::Point& p) {
    constexpr double eps = 1e-9;
    if (std::abs(cross(a, b, p)) > eps) return false;
    return p.sio2 >= std::min(a.sio2, b.sio2) - eps && p.sio2 <= std::max(a.sio2, b.sio2) + eps &&
           p.al2o3 >= std::min(a.al2o3, b.al2o3) - eps && p.al2o3 <= std::max(a.al2o3, b.al2o3) + eps;
}

// Even-odd rule; a point on an edge is inside.
bool inside(const std::vector<StullChart::Point>& polygon, const StullChart::Point& p) {
    bool in = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const auto& a = polygon[i];
        const auto& b = polygon[j];
        if (onSegment(a, b, p)) return true;
        if ((a.al2o3 > p.al2o3) != (b.al2o3 > p.al2o3)) {
            const double x = a.sio2 + (p.al2o3 - a.al2o3) * (b.sio2 - a.sio2) / (b.al2o3 - a.al2o3);
            if (p.sio2 < x) in = !in;
        }
    }
    return in;
}

} // namespace

std::string StullChart::Place::keys() const {
    std::string out = surface ? surface->key : std::string();
    if (overlay) out += (out.empty() ? "" : ",") + overlay->key;
    return out;
}

std::string StullChart::Place::labels() const {
    std::string out = surface ? surface->label : std::string();
    if (overlay) {
        std::string label = overlay->label;
        // "Craquelé" reads lower-case after a comma.
        if (!out.empty() && !label.empty() && label[0] >= 'A' && label[0] <= 'Z')
            label[0] = static_cast<char>(label[0] - 'A' + 'a');
        out += (out.empty() ? "" : ", ") + label;
    }
    return out;
}

StullChart StullChart::load(const std::string& path) {
    pugi::xml_document doc;
    if (const std::string problem = DataFileReader::parse(doc, path); !problem.empty()) fail(path, problem);
    const pugi::xml_node root = doc.child("stull-chart");
    if (!root) fail(path, translate("DataFile", "geen <stull-chart>"));
    StullChart chart;
    chart.source_ = {root.attribute("author").as_string(), root.attribute("title").as_string(),
                     root.attribute("year").as_string()};
    if (chart.source_.author.empty() || chart.source_.year.empty())
        fail(path, translate("DataFile", "de bron ontbreekt"));
    const double bounds[4] = {
        root.attribute("sio2-min").as_double(NAN), root.attribute("al2o3-min").as_double(NAN),
        root.attribute("sio2-max").as_double(NAN), root.attribute("al2o3-max").as_double(NAN)};
    for (double b : bounds)
        if (!std::isfinite(b)) fail(path, translate("DataFile", "de grenzen van het diagram ontbreken"));
    chart.lowest_ = {bounds[0], bounds[1]};
    chart.highest_ = {bounds[2], bounds[3]};
    if (!(chart.lowest_.sio2 < chart.highest_.sio2) || !(chart.lowest_.al2o3 < chart.highest_.al2o3))
        fail(path, translate("DataFile", "de grenzen van het diagram kloppen niet"));

    for (const pugi::xml_node node : root.children()) {
        const std::string kind = node.name();
        if (kind != "region" && kind != "line") continue;
        const std::string key = node.attribute("key").as_string();
        const std::string where = "<" + kind + " key=\"" + key + "\">" + DataFileReader::lineOf(path, node);
        std::vector<Point> points;
        if (key.empty()) fail(path, fillIn(translate("DataFile", "<%1> zonder key"), {kind}));
        if (!parsePoints(node.child_value(), points))
            fail(path, fillIn(translate("DataFile", "%1: geen reeks getallenparen"), {where}));
        for (const Point& p : points)
            if (p.sio2 < chart.lowest_.sio2 || p.sio2 > chart.highest_.sio2 ||
                p.al2o3 < chart.lowest_.al2o3 || p.al2o3 > chart.highest_.al2o3)
                fail(path, fillIn(translate("DataFile", "%1: punt buiten het diagram"), {where}));
        if (kind == "line") {
            if (points.size() < 2)
                fail(path, fillIn(translate("DataFile", "%1: minder dan twee punten"), {where}));
            chart.lines_.push_back({key, node.attribute("label").as_string(), std::move(points)});
            continue;
        }
        if (points.size() < 3)
            fail(path, fillIn(translate("DataFile", "%1: minder dan drie punten"), {where}));
        Region region{key, node.attribute("label").as_string(), node.attribute("colour").as_string(),
                      node.attribute("overlay").as_bool(false), std::move(points)};
        if (region.label.empty() || !isColour(region.colour))
            fail(path, fillIn(translate("DataFile", "%1: naam of kleur (#rrggbb) ontbreekt"), {where}));
        for (const Region& other : chart.regions_)
            if (other.key == key)
                fail(path, fillIn(translate("DataFile", "%1: komt twee keer voor"), {where}));
        chart.regions_.push_back(std::move(region));
    }
    if (chart.regions_.empty()) fail(path, "geen gebieden");
    return chart;
}

StullChart::Place StullChart::place(double sio2, double al2o3) const {
    Place result;
    if (!std::isfinite(sio2) || !std::isfinite(al2o3)) return result;
    const Point p{sio2, al2o3};
    for (const Region& region : regions_) {
        if (!inside(region.outline, p)) continue;
        if (region.overlay) {
            if (!result.overlay) result.overlay = &region;
        } else if (!result.surface) {
            result.surface = &region;
        }
    }
    // The crazing zone speaks of a glaze with a surface, not of a point off
    // the chart.
    if (!result.surface) result.overlay = nullptr;
    return result;
}

std::string stullRegion(double sio2, double al2o3, const std::string& dir) {
    return StullChart::load(ChemistryDataFiles::stullChart(dir)).place(sio2, al2o3).keys();
}

} // namespace kelvora
