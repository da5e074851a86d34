// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/InsightXmlWriter.h"

#include "interchange/ExportNumber.h"
#include "interchange/PercentAnalysis.h"

#include <pugixml.hpp>
#include <sstream>

namespace kelvora {

namespace {
pugi::xml_node start(pugi::xml_document& doc, const char* root) {
    doc.append_child(pugi::node_comment)
        .set_value(
            (" " + exportProducer() + "; Seger formula on one mol of " + exportFluxSet() + " ").c_str());
    auto top = doc.append_child(root);
    top.append_attribute("version") = "1.0";
    top.append_attribute("encoding") = "UTF-8";
    return top;
}

std::string text(const pugi::xml_document& doc) {
    std::ostringstream out;
    doc.save(out, "  ", pugi::format_indent | pugi::format_no_declaration, pugi::encoding_utf8);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + out.str();
}

void number(pugi::xml_node node, const char* name, double value) {
    node.append_attribute(name) = ExportNumber::text(value).c_str();
}
} // namespace

std::string InsightXmlWriter::recipes(const ExportSet& set) {
    pugi::xml_document doc;
    auto top = start(doc, "recipes");
    int id = 0;
    for (const auto& glaze : set.glazes) {
        const auto lines = ExportSet::lines(glaze);
        double total = 0.0;
        for (const auto& line : lines)
            total += line.amount;
        auto recipe = top.append_child("recipe");
        recipe.append_attribute("name") = glaze.naam.c_str();
        recipe.append_attribute("id") = ++id;
        number(recipe, "batchsize", total);
        auto recipeLines = recipe.append_child("recipelines");
        for (const auto& line : lines) {
            auto node = recipeLines.append_child("recipeline");
            node.append_attribute("material") = line.name.c_str();
            node.append_attribute("amount") = ExportNumber::amount(line.amount).c_str();
            node.append_attribute("unitabbr") = "g";
            node.append_attribute("conversion") = "1.0000";
            node.append_attribute("added") = line.addition ? "1" : "0";
        }
        if (!glaze.omsc.empty()) recipe.append_child("notes").text() = glaze.omsc.c_str();
        auto own = recipe.append_child("kelvora");
        own.append_attribute("version") = KELVORA_VERSION;
        own.append_attribute("fluxes") = exportFluxSet().c_str();
        own.append_attribute("skva") = glaze.skva.c_str();
        own.append_attribute("sktt") = glaze.sktt.c_str();
        own.append_attribute("catg") = glaze.catg.c_str();
        own.append_attribute("oxrd") = glaze.oxrd.c_str();
    }
    return text(doc);
}

std::string InsightXmlWriter::materials(const ExportSet& set) {
    pugi::xml_document doc;
    auto top = start(doc, "materials");
    for (const auto& material : set.materials) {
        const PercentAnalysis analysis = PercentAnalysis::of(material);
        auto node = top.append_child("material");
        node.append_attribute("name") = material.naam.c_str();
        node.append_attribute("descrip") = material.omsc.c_str();
        if (!analysis.known) continue;
        number(node, "loi", analysis.loi);
        auto oxides = node.append_child("oxides");
        for (const auto& oxide : OxideCatalogue::all()) {
            const double value = analysis.percent[static_cast<std::size_t>(oxide.position - 1)];
            if (value == 0.0) continue;
            auto entry = oxides.append_child("oxide");
            entry.append_attribute("symbol") = std::string(oxide.label).c_str();
            number(entry, "percent", value);
            entry.append_attribute("tolerance") = "";
        }
        auto volatile_ = node.append_child("volatiles").append_child("volatile");
        volatile_.append_attribute("symbol") = "LOI";
        volatile_.append_attribute("name") = "Loss on Ignition";
        number(volatile_, "percent", analysis.loi);
    }
    return text(doc);
}

} // namespace kelvora
