// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/RecipeExport.h"

#include "common/Translate.h"

#include "engine/GlzDMUnit.h"
#include "interchange/CsvRecipeWriter.h"
#include "interchange/GlazeChemWriter.h"
#include "interchange/GlazyYamlWriter.h"
#include "interchange/InsightXmlWriter.h"
#include "interchange/TextRecipeWriter.h"
#include "store/AtomicFile.h"
#include "store/StoreError.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <utility>

namespace kelvora {

namespace {
constexpr std::array<std::pair<ExportFormat, std::string_view>, 5> kNames{{
    {ExportFormat::GlazyYaml, "glazy-yaml"},
    {ExportFormat::InsightXml, "insight-xml"},
    {ExportFormat::GlazeChem, "glazechem"},
    {ExportFormat::Text, "text"},
    {ExportFormat::Csv, "csv"},
}};
constexpr std::array<ExportFormat, 5> kFormats{ExportFormat::GlazyYaml, ExportFormat::InsightXml,
                                               ExportFormat::GlazeChem, ExportFormat::Text,
                                               ExportFormat::Csv};
} // namespace

std::span<const ExportFormat> exportFormats() {
    return kFormats;
}

std::optional<ExportFormat> exportFormatByName(std::string_view name) {
    for (const auto& [format, text] : kNames)
        if (text == name) return format;
    return std::nullopt;
}

std::string_view exportFormatName(ExportFormat format) {
    for (const auto& [f, text] : kNames)
        if (f == format) return text;
    return {};
}

ExportSet ExportSet::of(std::vector<Glaze> glazes, const std::vector<Material>& catalogue) {
    ExportSet set;
    set.glazes = std::move(glazes);
    for (const auto& glaze : set.glazes)
        for (const auto& line : lines(glaze)) {
            if (set.material(line.name)) continue;
            for (const auto& material : catalogue)
                if (material.naam == line.name) {
                    set.materials.push_back(material);
                    break;
                }
        }
    return set;
}

std::vector<ExportLine> ExportSet::lines(const Glaze& glaze) {
    std::vector<ExportLine> lines;
    for (const auto& slot : glaze.recipe.recipeSlots)
        if (!Recipe::isBlank(slot.name)) lines.push_back({slot.name, Recipe::amount(slot.mtp), false});
    for (const auto& slot : glaze.recipe.additions)
        if (!Recipe::isBlank(slot.name)) lines.push_back({slot.name, Recipe::amount(slot.tvp), true});
    return lines;
}

const Material* ExportSet::material(std::string_view name) const {
    for (const auto& material : materials)
        if (material.naam == name) return &material;
    return nullptr;
}

std::vector<ExportFile> exportRecipes(const ExportSet& set, ExportFormat format) {
    switch (format) {
    case ExportFormat::GlazyYaml:
        return {{"", GlazyYamlWriter::write(set)}};
    case ExportFormat::InsightXml:
        return {{"", InsightXmlWriter::recipes(set)}, {".materials.xml", InsightXmlWriter::materials(set)}};
    case ExportFormat::GlazeChem:
        return {{"", GlazeChemWriter::glazes(set)}, {".mat", GlazeChemWriter::materials(set)}};
    case ExportFormat::Text:
        return {{"", TextRecipeWriter::write(set)}};
    case ExportFormat::Csv:
        return {{"", CsvRecipeWriter::write(set)}};
    }
    return {};
}

std::string exportPath(const std::string& path, const ExportFile& file) {
    if (file.suffix.empty()) return path;
    return std::filesystem::path(path).replace_extension(file.suffix).string();
}

std::vector<std::string> writeExport(const std::string& path, const ExportSet& set, ExportFormat format) {
    const std::vector<ExportFile> files = exportRecipes(set, format);
    std::vector<std::string> paths;
    for (const auto& file : files) {
        const std::string target = exportPath(path, file);
        for (const auto& earlier : paths)
            if (earlier == target)
                throw StoreError(
                    fillIn(translate("Export", "De materialen zouden '%1' overschrijven: kies een "
                                               "bestandsnaam met een andere extensie."),
                           {path}));
        paths.push_back(target);
    }
    for (std::size_t i = 0; i < files.size(); ++i)
        AtomicFile::write(paths[i], files[i].content);
    return paths;
}

std::string exportSegerCones(const Glaze& glaze) {
    static const std::vector<std::string> cones = TGlzDM::buildConeList();
    // A list entry is the cone, " - ", its temperature.
    auto cone = [](const std::string& entry) -> std::optional<std::string> {
        if (std::find(cones.begin(), cones.end(), entry) == cones.end()) return std::nullopt;
        return entry.substr(0, entry.find(" - "));
    };
    const auto from = cone(glaze.skva), to = cone(glaze.sktt);
    if (!from) return {};
    return "SK " + *from + (to && *to != *from ? " - " + *to : "");
}

std::string exportProducer() {
    return std::string("Kelvora ") + KELVORA_VERSION;
}

std::string exportFluxSet() {
    std::string text;
    for (const auto& oxide : OxideCatalogue::group(OxideGroup::Basic))
        text += (text.empty() ? "" : ", ") + std::string(oxide.label);
    return text;
}

} // namespace kelvora
