// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/AnalysisReport.h"

#include "common/NumberFormat.h"
#include "common/Translate.h"
#include "common/Utf8.h"
#include "model/Material.h"
#include "model/OxideCatalogue.h"

#include <algorithm>

namespace kelvora {

namespace {
// Left-aligned in `width` code points; a longer text is kept whole.
std::string padRight(std::string text, std::size_t width) {
    const std::size_t length = utf8::length(text);
    if (length < width) text.append(width - length, ' ');
    return text;
}

std::string entry(double amount, std::string_view label) {
    return numfmt::formatFixed(amount, 3, 6) + " " + padRight(std::string(label), 5);
}

void addColumn(std::vector<std::string>& column, const Glaze& glaze,
               std::initializer_list<const char*> stems) {
    for (const char* stem : stems) {
        const double amount = glaze.oxide(stem);
        if (amount != 0.0) column.push_back(entry(amount, OxideCatalogue::byStem(stem)->label));
    }
}

// A memo brings its own line breaks; each becomes a report line.
void addMemo(std::vector<std::string>& lines, const std::string& memo) {
    std::size_t start = 0;
    while (true) {
        const std::size_t end = memo.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            if (start < memo.size() || start == 0) lines.push_back(memo.substr(start));
            return;
        }
        lines.push_back(memo.substr(start, end - start));
        start = end + (memo.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
}

// A whole number of degrees as the report has always shown it; empty stays empty.
std::string recipeHeading() {
    return translate("Report", "Recept:");
}

std::string costTemplate() {
    return translate("Report", "Kostprijs: %1");
}

std::string degrees(double value) {
    return isNullNumber(value) ? std::string() : std::to_string(static_cast<long>(value));
}

std::string cell(const std::vector<std::string>& column, std::size_t row) {
    return row < column.size() ? column[row] : std::string();
}
} // namespace

AnalysisReport::SegerColumns AnalysisReport::BuildSegerColumns(const Glaze& glaze) {
    SegerColumns columns;
    for (const auto& oxide : OxideCatalogue::group(OxideGroup::Basic)) {
        const double amount = glaze.oxide(oxide.stem);
        if (amount != 0.0) columns.basic.push_back(entry(amount, oxide.label));
    }
    // The report has always listed alumina before boron.
    addColumn(columns.neutral, glaze,
              {"al2o3", "b2o3", "as2o3", "sb2o3", "fe2o3", "bi2o3", "mn2o3", "cr2o3", "v2o5"});
    for (const auto& oxide : OxideCatalogue::group(OxideGroup::Acid)) {
        const double amount = glaze.oxide(oxide.stem);
        if (amount != 0.0) columns.acid.push_back(entry(amount, oxide.label));
    }
    return columns;
}

std::vector<std::string> AnalysisReport::formulaRows(const SegerColumns& columns) {
    const std::size_t rows = std::max({columns.basic.size(), columns.neutral.size(), columns.acid.size()});
    std::vector<std::string> lines;
    for (std::size_t r = 0; r < rows; ++r)
        lines.push_back(cell(columns.basic, r) + "    " + cell(columns.neutral, r) + "    " +
                        cell(columns.acid, r));
    return lines;
}

void AnalysisReport::AddRecipeLine(std::vector<std::string>& lines, const std::string& name, double amount) {
    amount = Recipe::amount(amount);
    if (amount == 0.0) return;
    lines.push_back(padRight(name, 42) + numfmt::formatFixed(amount, 1, 5));
}

std::vector<std::string> AnalysisReport::linesWithoutAnalysis(const Glaze& glaze,
                                                              const MaterialLookup& materials) {
    std::vector<std::string> names;
    for (const auto& slot : glaze.recipe.recipeSlots) {
        if (Recipe::isBlank(slot.name)) continue;
        const MaterialData* material = materials.find(slot.name);
        if (material && material->withoutAnalysis) names.push_back(slot.name);
    }
    return names;
}

std::vector<std::string> AnalysisReport::build(const Glaze& glaze, double expansion,
                                               const std::vector<std::string>& withoutAnalysis) {
    const SegerColumns columns = BuildSegerColumns(glaze);
    std::vector<std::string> lines;
    lines.push_back(fillIn(translate("Report", "Glazuur: %1"), {glaze.naam}));
    lines.emplace_back();
    lines.push_back(fillIn(translate("Report", "Categorie: %1"), {glaze.catg}));
    lines.emplace_back();
    lines.push_back(translate("Report", "Temperatuur:"));
    lines.push_back(fillIn(translate("Report", "Ingevoerd van SK: %1 tot SK: %2"), {glaze.skva, glaze.sktt}));
    lines.push_back(fillIn(translate("Report", "Berekend van : %1 gr. C tot: %2 gr. C"),
                           {degrees(glaze.tmpv), degrees(glaze.tmpt)}));
    lines.emplace_back();
    lines.push_back(translate("Report", "Seger formule:"));
    for (auto& row : formulaRows(columns))
        lines.push_back(std::move(row));
    for (const auto& name : withoutAnalysis)
        lines.push_back(Material::withoutAnalysisNote(name));
    lines.emplace_back();
    lines.push_back(recipeHeading());
    for (const auto& slot : glaze.recipe.recipeSlots)
        AddRecipeLine(lines, slot.name, slot.mtp);
    lines.emplace_back();
    lines.push_back(translate("Report", "Evt. toevoegingen:"));
    for (const auto& addition : glaze.recipe.additions)
        AddRecipeLine(lines, addition.name, addition.tvp);
    lines.emplace_back();
    lines.push_back(fillIn(translate("Report", "Uitzettings coefficient: %1 x 10 E-5"),
                           {numfmt::formatPattern(expansion, "##0.00")}));
    lines.push_back(fillIn(costTemplate(), {numfmt::formatFixed(Recipe::amount(glaze.prys), 2, 4)}));
    lines.emplace_back();
    addMemo(lines, glaze.omsc);
    return lines;
}

std::vector<std::string> AnalysisReport::printCopy(const std::vector<std::string>& report) {
    std::vector<std::string> out;
    out.emplace_back();
    bool doubleSpaced = false;
    // The report was built in the same language, so its headings are found
    // by the same translated texts.
    const std::string recipe = recipeHeading();
    const std::string cost = costTemplate().substr(0, costTemplate().find("%1"));
    for (const auto& line : report) {
        out.push_back(line);
        if (!doubleSpaced && line == recipe) doubleSpaced = true;
        if (doubleSpaced && line.compare(0, cost.size(), cost) == 0) doubleSpaced = false;
        if (doubleSpaced) out.emplace_back();
    }
    return out;
}

} // namespace kelvora
