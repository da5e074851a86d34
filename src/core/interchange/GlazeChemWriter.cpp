// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/GlazeChemWriter.h"

#include "interchange/ExportNumber.h"
#include "interchange/PercentAnalysis.h"

namespace kelvora {

namespace {
constexpr const char* kEnd = "\r\n";

// A value stays on its key's line: a line break inside it becomes a blank.
std::string oneLine(std::string value) {
    for (char& c : value)
        if (c == '\r' || c == '\n') c = ' ';
    return value;
}

void field(std::string& out, const char* key, const std::string& value) {
    out += std::string(key) + " = " + oneLine(value) + kEnd;
}

// A memo: the first line after "note = |", each further line starting with "|".
void note(std::string& out, const std::string& memo) {
    if (memo.empty()) return;
    std::string text = "note = |";
    for (std::size_t i = 0; i < memo.size(); ++i) {
        if (memo[i] == '\r' && i + 1 < memo.size() && memo[i + 1] == '\n') continue;
        if (memo[i] == '\r' || memo[i] == '\n')
            text += std::string(kEnd) + "|";
        else
            text += memo[i];
    }
    out += text + kEnd;
}

void header(std::string& out, const char* filetype) {
    field(out, "filetype", filetype);
    field(out, "version", "2");
    field(out, "dbname", exportProducer());
    field(out, "I", "|" + exportProducer() + "; Seger formula on one mol of " + exportFluxSet());
    out += kEnd;
}
} // namespace

std::string GlazeChemWriter::glazes(const ExportSet& set) {
    std::string out;
    header(out, "GlazeChem Glazes");
    for (const auto& glaze : set.glazes) {
        field(out, "name", glaze.naam);
        field(out, "type", glaze.catg);
        field(out, "range", exportSegerCones(glaze));
        field(out, "firetype", glaze.oxrd);
        field(out, "kelvora_skva", glaze.skva);
        field(out, "kelvora_sktt", glaze.sktt);
        field(out, "kelvora_catg", glaze.catg);
        for (const auto& line : ExportSet::lines(glaze)) {
            field(out, line.addition ? "addition" : "component", line.name);
            field(out, line.addition ? "addamount" : "amount", ExportNumber::amount(line.amount));
        }
        note(out, glaze.omsc);
        out += kEnd;
    }
    return out;
}

std::string GlazeChemWriter::materials(const ExportSet& set) {
    std::string out;
    header(out, "GlazeChem Materials");
    for (const auto& material : set.materials) {
        field(out, "name", material.naam);
        const PercentAnalysis analysis = PercentAnalysis::of(material);
        std::string formula;
        if (analysis.known) {
            formula = "%";
            for (const auto& oxide : OxideCatalogue::all()) {
                const double value = analysis.percent[static_cast<std::size_t>(oxide.position - 1)];
                if (value != 0.0)
                    formula += " " + ExportNumber::text(value) + " " + std::string(oxide.label) + " ";
            }
            formula += " " + ExportNumber::text(analysis.loi) + " LOI";
        }
        field(out, "formula", formula);
        note(out, material.omsc);
        out += kEnd;
    }
    return out;
}

} // namespace kelvora
