// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/MolarMassTable.h"

#include "common/Translate.h"
#include "engine/OxideMolarMass.h"
#include "glaze/DataFileReader.h"

#include <pugixml.hpp>

#include <stdexcept>

namespace kelvora {

namespace {
[[noreturn]] void fail(const std::string& path, const std::string& what) {
    throw std::runtime_error(fillIn(translate("DataFile", "Molmassabestand %1: %2"), {path, what}));
}
} // namespace

MolarMassTable MolarMassTable::load(const std::string& path) {
    pugi::xml_document doc;
    if (const std::string problem = DataFileReader::parse(doc, path); !problem.empty()) fail(path, problem);
    const pugi::xml_node root = doc.child("molar-masses");
    if (!root) fail(path, translate("DataFile", "geen <molar-masses>"));
    MolarMassTable table;
    table.source_ = {root.attribute("author").as_string(), root.attribute("title").as_string(),
                     root.attribute("year").as_string()};
    std::array<bool, OxideCatalogue::count> seen{};
    for (const pugi::xml_node node : root.children("oxide")) {
        const std::string stem = node.attribute("stem").as_string();
        const std::string at = DataFileReader::lineOf(path, node);
        const Oxide* oxide = OxideCatalogue::byStem(stem);
        if (!oxide) fail(path + at, fillIn(translate("DataFile", "onbekend oxide %1"), {stem}));
        const auto mass = DataFileReader::number(node.attribute("mass"));
        if (!mass || !(*mass > 0))
            fail(path + at,
                 fillIn(translate("DataFile", "geen geldige molmassa (een positief getal) voor %1"), {stem}));
        const auto i = static_cast<std::size_t>(oxide->position - 1);
        if (seen[i]) fail(path + at, fillIn(translate("DataFile", "%1 staat er twee keer in"), {stem}));
        table.masses_[i] = *mass;
        seen[i] = true;
    }
    for (const Oxide& oxide : OxideCatalogue::all())
        if (!seen[static_cast<std::size_t>(oxide.position - 1)])
            fail(path, fillIn(translate("DataFile", "geen molmassa voor %1"), {oxide.stem}));
    return table;
}

MolarMassTable MolarMassTable::builtIn() {
    MolarMassTable table;
    for (const Oxide& oxide : OxideCatalogue::all())
        table.masses_[static_cast<std::size_t>(oxide.position - 1)] = OxideMolarMass::at(oxide.position);
    table.source_ = {"IUPAC", "Standard atomic weights (sums rounded to 0.1 g/mol)", "2023"};
    return table;
}

} // namespace kelvora
