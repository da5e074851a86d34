// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/RecipeFormat.h"

#include "interchange/GlazeChemReader.h"
#include "interchange/GlazyJsonReader.h"
#include "interchange/GlazyYamlReader.h"
#include "interchange/GzipData.h"
#include "interchange/HyperGlazeReader.h"
#include "interchange/ImportBounds.h"
#include "interchange/ImportError.h"
#include "interchange/ImportText.h"
#include "interchange/InsightXmlReader.h"
#include "interchange/LipglossReader.h"
#include "interchange/SankeyReader.h"
#include "interchange/TextDecoder.h"
#include "interchange/TextRecipeReader.h"

#include <array>
#include <utility>

namespace kelvora {

namespace {
constexpr std::array<std::pair<RecipeFormat, std::string_view>, 8> kNames{{
    {RecipeFormat::GlazyYaml, "glazy-yaml"},
    {RecipeFormat::GlazyJson, "glazy-json"},
    {RecipeFormat::InsightXml, "insight-xml"},
    {RecipeFormat::GlazeChem, "glazechem"},
    {RecipeFormat::HyperGlaze, "hyperglaze"},
    {RecipeFormat::Sankey, "sankey"},
    {RecipeFormat::Lipgloss, "lipgloss"},
    {RecipeFormat::Text, "text"},
}};

// Whether some line, without its leading blanks (and a YAML list dash),
// starts with `prefix`.
bool someLineStarts(const std::vector<std::string_view>& lines, std::string_view prefix,
                    bool noCase = false) {
    for (std::string_view line : lines) {
        const std::size_t from = line.find_first_not_of(" \t-");
        if (from == std::string_view::npos) continue;
        line.remove_prefix(from);
        if (noCase ? ImportText::startsWithNoCase(line, prefix) : line.substr(0, prefix.size()) == prefix)
            return true;
    }
    return false;
}

RecipeFormat recogniseText(std::string_view text) {
    const std::size_t from = text.find_first_not_of(" \t\n");
    if (from == std::string_view::npos) return RecipeFormat::Text;
    const std::string_view body = text.substr(from);
    const std::vector<std::string_view> lines = ImportText::lines(body.substr(0, 1 << 20));
    if (body.front() == '{' || body.front() == '[') {
        if (body.find("\"other_attributes\"") != std::string_view::npos ||
            body.find("\"glaze_calculator_ids\"") != std::string_view::npos)
            return RecipeFormat::Lipgloss;
        if (body.find("\"materialComponents\"") != std::string_view::npos ||
            body.find("\"percentageAnalysis\"") != std::string_view::npos ||
            body.find("\"data\"") != std::string_view::npos)
            return RecipeFormat::GlazyJson;
    }
    if (body.front() == '<') {
        if (someLineStarts(lines, "A:") && someLineStarts(lines, "E:")) return RecipeFormat::Sankey;
        const std::string head = ImportText::lowerAscii(body.substr(0, 4096));
        if (head.find("<recipes") != std::string::npos || head.find("<recipe ") != std::string::npos ||
            head.find("<materials") != std::string::npos || head.find("<material ") != std::string::npos)
            return RecipeFormat::InsightXml;
    }
    if (someLineStarts(lines, "filetype") && body.find("GlazeChem") != std::string_view::npos)
        return RecipeFormat::GlazeChem;
    if (someLineStarts(lines, "Glaze name:", true)) return RecipeFormat::HyperGlaze;
    if (someLineStarts(lines, "Type: Recipe") || someLineStarts(lines, "Type: Material") ||
        (someLineStarts(lines, "Ingredients:") && someLineStarts(lines, "Percentage:")))
        return RecipeFormat::GlazyYaml;
    if (someLineStarts(lines, "component =") || someLineStarts(lines, "formula ="))
        return RecipeFormat::GlazeChem;
    if (someLineStarts(lines, "A:") && someLineStarts(lines, "E:")) return RecipeFormat::Sankey;
    return RecipeFormat::Text;
}
} // namespace

std::optional<RecipeFormat> recipeFormatByName(std::string_view name) {
    for (const auto& [format, text] : kNames)
        if (text == name) return format;
    return std::nullopt;
}

std::string_view recipeFormatName(RecipeFormat format) {
    for (const auto& [f, text] : kNames)
        if (f == format) return text;
    return {};
}

RecipeFormat recogniseRecipeFormat(std::string_view bytes) {
    try {
        ImportBounds::checkSize(bytes.size());
        return recogniseText(TextDecoder::decode(GzipData::unpackIfPacked(bytes)));
    } catch (const ImportError&) {
        // Unreadable bytes: the text reader will say what is wrong with them.
        return RecipeFormat::Text;
    }
}

ImportedFile readRecipeFile(std::string_view bytes, RecipeFormat format) {
    ImportBounds::checkSize(bytes.size());
    // HyperGlaze collections come from old Macintosh programs; the rest from Windows.
    const ByteEncoding fallback =
        format == RecipeFormat::HyperGlaze ? ByteEncoding::MacRoman : ByteEncoding::Cp1252;
    const std::string text = TextDecoder::decode(GzipData::unpackIfPacked(bytes), fallback);
    ImportedFile file;
    switch (format) {
    case RecipeFormat::GlazyYaml:
        file = GlazyYamlReader::read(text);
        break;
    case RecipeFormat::GlazyJson:
        file = GlazyJsonReader::read(text);
        break;
    case RecipeFormat::InsightXml:
        file = InsightXmlReader::read(text);
        break;
    case RecipeFormat::GlazeChem:
        file = GlazeChemReader::read(text);
        break;
    case RecipeFormat::HyperGlaze:
        file = HyperGlazeReader::read(text);
        break;
    case RecipeFormat::Sankey:
        file = SankeyReader::read(text);
        break;
    case RecipeFormat::Lipgloss:
        file = LipglossReader::read(text);
        break;
    case RecipeFormat::Text:
        file = TextRecipeReader::read(text);
        break;
    }
    ImportBounds::check(file);
    return file;
}

} // namespace kelvora
