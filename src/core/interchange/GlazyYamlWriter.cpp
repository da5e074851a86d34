// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/GlazyYamlWriter.h"

#include "interchange/ExportNumber.h"
#include "interchange/PercentAnalysis.h"

#include <yaml-cpp/yaml.h>

namespace kelvora {

namespace {
// Names and texts are always quoted, so that a name such as "123" or "yes"
// stays text for every YAML reader.
void text(YAML::Emitter& out, const char* key, const std::string& value) {
    out << YAML::Key << key << YAML::Value << YAML::DoubleQuoted << value;
}

void number(YAML::Emitter& out, const std::string& key, double value) {
    out << YAML::Key << key << YAML::Value << ExportNumber::text(value);
}

void analysis(YAML::Emitter& out, const PercentAnalysis& analysis) {
    if (!analysis.known) return;
    out << YAML::Key << "Percent Analysis" << YAML::Value << YAML::BeginMap;
    for (const auto& oxide : OxideCatalogue::all()) {
        const double value = analysis.percent[static_cast<std::size_t>(oxide.position - 1)];
        if (value != 0.0) number(out, std::string(oxide.label), value);
    }
    number(out, "LOI", analysis.loi);
    out << YAML::EndMap;
}

int materialId(const ExportSet& set, const std::string& name) {
    for (std::size_t i = 0; i < set.materials.size(); ++i)
        if (set.materials[i].naam == name) return static_cast<int>(i) + 1;
    return 0;
}
} // namespace

std::string GlazyYamlWriter::write(const ExportSet& set) {
    YAML::Emitter out;
    out.SetOutputCharset(YAML::EmitNonAscii);
    out << YAML::Comment(exportProducer() + "; Seger formula on one mol of " + exportFluxSet());
    out << YAML::BeginSeq;
    int id = 0;
    for (const auto& material : set.materials) {
        out << YAML::BeginMap;
        out << YAML::Key << "ID" << YAML::Value << ++id;
        text(out, "Name", material.naam);
        out << YAML::Key << "Type" << YAML::Value << "Material";
        if (!material.omsc.empty()) text(out, "Description", material.omsc);
        analysis(out, PercentAnalysis::of(material));
        out << YAML::EndMap;
    }
    for (const auto& glaze : set.glazes) {
        const auto lines = ExportSet::lines(glaze);
        out << YAML::BeginMap;
        out << YAML::Key << "ID" << YAML::Value << ++id;
        text(out, "Name", glaze.naam);
        out << YAML::Key << "Type" << YAML::Value << "Recipe";
        if (!glaze.catg.empty()) text(out, "Subtype", glaze.catg);
        if (const std::string cones = exportSegerCones(glaze); !cones.empty()) text(out, "Cone", cones);
        if (!glaze.oxrd.empty())
            out << YAML::Key << "Atmospheres" << YAML::Value << YAML::Flow << YAML::BeginSeq
                << YAML::DoubleQuoted << glaze.oxrd << YAML::EndSeq;
        if (!glaze.omsc.empty()) text(out, "Description", glaze.omsc);
        out << YAML::Key << "Ingredients" << YAML::Value << YAML::BeginSeq;
        for (const auto& line : lines) {
            out << YAML::BeginMap;
            if (const int ingredient = materialId(set, line.name))
                out << YAML::Key << "ID" << YAML::Value << ingredient;
            text(out, "Name", line.name);
            out << YAML::Key << "Percentage" << YAML::Value << ExportNumber::amount(line.amount);
            if (line.addition) out << YAML::Key << "Additional" << YAML::Value << true;
            out << YAML::EndMap;
        }
        out << YAML::EndSeq;
        analysis(out, PercentAnalysis::mix(lines, set));
        out << YAML::Key << "Kelvora" << YAML::Value << YAML::BeginMap;
        text(out, "Version", KELVORA_VERSION);
        text(out, "Flux Set", exportFluxSet());
        text(out, "SK From", glaze.skva);
        text(out, "SK To", glaze.sktt);
        text(out, "Category", glaze.catg);
        out << YAML::EndMap;
        out << YAML::EndMap;
    }
    out << YAML::EndSeq;
    return std::string(out.c_str()) + "\n";
}

} // namespace kelvora
