// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/TextRecipeWriter.h"

#include "common/NumberFormat.h"
#include "common/Utf8.h"
#include "glaze/AnalysisReport.h"
#include "interchange/ExportNumber.h"

#include <algorithm>

namespace kelvora {

namespace {
std::string amountText(double amount) {
    std::string text = ExportNumber::amount(amount);
    std::replace(text.begin(), text.end(), '.', numfmt::decimalSeparator());
    return text;
}

// The lines of one kind with their amounts in a column behind the longest name.
void lineBlock(std::string& out, const std::vector<ExportLine>& lines, bool additions) {
    std::size_t width = 0;
    for (const auto& line : lines)
        if (line.addition == additions) width = std::max(width, utf8::length(line.name));
    for (const auto& line : lines) {
        if (line.addition != additions) continue;
        out += line.name + std::string(width - utf8::length(line.name) + 2, ' ') + amountText(line.amount) +
               "\n";
    }
}

// The description's lines that hold text.
std::vector<std::string> memoLines(const std::string& memo) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= memo.size()) {
        std::size_t end = memo.find_first_of("\r\n", start);
        if (end == std::string::npos) end = memo.size();
        const std::string line = memo.substr(start, end - start);
        if (!utf8::trim(line).empty()) lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

bool hasFormula(const Glaze& glaze) {
    for (const auto& oxide : OxideCatalogue::all())
        if (glaze.oxide(oxide.stem) != 0.0) return true;
    return false;
}
} // namespace

std::string TextRecipeWriter::write(const ExportSet& set) {
    std::string out;
    for (const auto& glaze : set.glazes) {
        const auto lines = ExportSet::lines(glaze);
        if (!out.empty()) out += std::string(40, '-') + "\n\n";
        out += "Naam: " + glaze.naam + "\n";
        const std::string cones = exportSegerCones(glaze);
        if (!cones.empty()) out += cones + "\n";
        out += "\n";
        lineBlock(out, lines, false);
        if (std::any_of(lines.begin(), lines.end(), [](const ExportLine& line) { return line.addition; })) {
            out += "\nToevoegingen:\n";
            lineBlock(out, lines, true);
        }
        // One block of remarks, without blank lines: a reader of pasted
        // recipes takes it for the description up to the next blank line.
        out += "\nOpmerkingen:\n";
        if (cones.empty() && (!glaze.skva.empty() || !glaze.sktt.empty()))
            out += "SK van: " + glaze.skva + " tot: " + glaze.sktt + "\n";
        if (!glaze.catg.empty()) out += "Categorie: " + glaze.catg + "\n";
        if (!glaze.oxrd.empty()) out += "Atmosfeer: " + glaze.oxrd + "\n";
        if (hasFormula(glaze)) {
            out += "Seger formule (" + exportProducer() + "; 1 mol " + exportFluxSet() + "):\n";
            for (const auto& row : AnalysisReport::formulaRows(AnalysisReport::BuildSegerColumns(glaze)))
                out += row + "\n";
        } else {
            out += "Seger formule: niet berekend (" + exportProducer() + ")\n";
        }
        for (const auto& line : memoLines(glaze.omsc))
            out += line + "\n";
        out += "\n";
    }
    return out;
}

} // namespace kelvora
