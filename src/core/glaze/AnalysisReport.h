// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/Glaze.h"
#include "model/MaterialLookup.h"

#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

// The plain-text analysis of a glaze: name, category, cones
// and temperatures, the Seger formula in three columns, recipe and additions,
// expansion coefficient, cost price and description. The window only shows
// and prints these lines.
class AnalysisReport {
public:
    struct SegerColumns {
        std::vector<std::string> basic;
        std::vector<std::string> neutral;
        std::vector<std::string> acid;
    };

    // The report's lines; `expansion` is the coefficient of the glaze's formula.
    // Each recipe line of a material without analysis (`withoutAnalysis`, see
    // linesWithoutAnalysis) is named under the formula it stays out of.
    static std::vector<std::string> build(const Glaze& glaze, double expansion,
                                          const std::vector<std::string>& withoutAnalysis = {});
    // The materials of the glaze's recipe lines that are marked as without
    // analysis, in slot order.
    static std::vector<std::string> linesWithoutAnalysis(const Glaze& glaze, const MaterialLookup& materials);
    // The copy that is printed: a leading empty line, and the recipe block
    // (from "Recept:" up to the price line) double-spaced.
    static std::vector<std::string> printCopy(const std::vector<std::string>& report);

    // The non-zero oxides of the glaze, one entry ("%6.3f" amount, blank,
    // label padded to five) per oxide. Every non-zero oxide is listed, also
    // when a group has more than twelve.
    static SegerColumns BuildSegerColumns(const Glaze& glaze);
    // Adds "name padded to 42" + "%5.1f" amount unless the amount is 0.
    static void AddRecipeLine(std::vector<std::string>& lines, const std::string& name, double amount);
    // The formula rows: basic, four blanks, neutral, four blanks, acid.
    static std::vector<std::string> formulaRows(const SegerColumns& columns);
};

} // namespace kelvora
