// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/CsvRecipeWriter.h"

#include "interchange/ExportNumber.h"

namespace kelvora {

std::string CsvRecipeWriter::field(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string CsvRecipeWriter::write(const ExportSet& set) {
    std::string out = "recept,materiaal,hoeveelheid,toevoeging\r\n";
    for (const auto& glaze : set.glazes)
        for (const auto& line : ExportSet::lines(glaze))
            out += field(glaze.naam) + "," + field(line.name) + "," + ExportNumber::amount(line.amount) +
                   "," + (line.addition ? "ja" : "nee") + "\r\n";
    return out;
}

} // namespace kelvora
