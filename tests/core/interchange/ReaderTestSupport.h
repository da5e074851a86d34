// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "interchange/ImportedRecipe.h"
#include "interchange/RecipeFormat.h"
#include "support/TempDir.h"

#include <sstream>
#include <string>

namespace kelvora::test {

// A fixture of tests/fixtures/interchange read in the given format.
inline ImportedFile readFixture(const std::string& name, RecipeFormat format) {
    return readRecipeFile(readBytes(fixture("interchange/" + name)), format);
}

// A recipe's lines in one string: "name=amount;+addition=amount;unsettled=?".
inline std::string linesOf(const ImportedRecipe& r) {
    std::ostringstream out;
    for (std::size_t i = 0; i < r.lines.size(); ++i) {
        const ImportedLine& l = r.lines[i];
        out << (i ? ";" : "") << (l.addition ? "+" : "") << l.name << '=';
        if (l.unsettled.empty())
            out << l.amount;
        else
            out << '?';
    }
    return out.str();
}

// A material's analysis in one string: "SiO2 70;Al2O3 18".
inline std::string analysisOf(const ImportedMaterial& m) {
    std::ostringstream out;
    for (std::size_t i = 0; i < m.analysis.size(); ++i)
        out << (i ? ";" : "") << m.analysis[i].symbol << ' ' << m.analysis[i].value;
    return out.str();
}

// The recipe's source fields in one string: "Atmosphere=Reduction, Wood|...".
inline std::string sourceOf(const ImportedRecipe& r) {
    static const char* const kNames[] = {"Cone", "Atmosphere", "Surface", "Transparency", "Colour",
                                         "Kind", "Tested",     "Source",  "Author",       "Date",
                                         "Code", "Keywords",   "Url",     "Total"};
    std::string out;
    for (const auto& [field, text] : r.source)
        out += (out.empty() ? "" : "|") + std::string(kNames[static_cast<int>(field)]) + "=" + text;
    return out;
}

} // namespace kelvora::test
