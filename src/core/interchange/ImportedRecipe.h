// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/NullNumber.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kelvora {

// What a recipe file says about where a recipe comes from, in the fixed
// order of the "Bron:" block of the description.
enum class SourceField {
    Cone,         // cone text that names no Seger cone (an Orton cone, as a rule)
    Atmosphere,   // oxidation, reduction, ...
    Surface,      // glossy, matte, ...
    Transparency, // transparent, opaque, ...
    Colour,
    Kind,   // the file's own type or category text
    Tested, // tested or not
    Source, // book, person or site it comes from
    Author, // who entered it
    Date,   // as the file writes it
    Code,   // code number
    Keywords,
    Url,
    Total, // the amounts' total when it was not 100
};

// One line of a recipe as the file gives it.
struct ImportedLine {
    std::string name;       // material name as in the file, trimmed
    std::string materialId; // the file's own key of the material (Glazy ID), "" when none
    double amount = kNullNumber;
    bool addition = false;
    // Why the potter must settle this line before it can be imported (a range,
    // no number); empty when the line is clear.
    std::string unsettled;
    int line = 0;     // line in the file, 0 when the format has none
    std::string text; // the line as written, for messages and the description
};

// A recipe as a reader found it, before any name is resolved.
struct ImportedRecipe {
    std::string name;
    int line = 0;
    std::vector<ImportedLine> lines; // recipe lines and additions in the file's order
    std::string description;
    // Cone text of the file ("6", "9 - 10", "SK 6a - 8"); a Seger cone goes to
    // the cone fields, anything else into the "Bron:" block.
    std::string cone;
    std::vector<std::pair<SourceField, std::string>> source;
    // Fields only Kelvora's own exports carry, taken over as they stand.
    std::optional<std::string> skva, sktt, catg;

    void addSource(SourceField field, std::string text) {
        if (text.find_first_not_of(" \t") != std::string::npos) source.emplace_back(field, std::move(text));
    }
};

// How a file gives a material's chemistry.
enum class AnalysisKind {
    None,          // no chemistry (stains, gums)
    WeightPercent, // oxide weight percentages
    Molar,         // mols per formula unit
};

struct AnalysisEntry {
    std::string symbol; // as the file writes it: "SiO2", "LOI", "KNaO", "H2O"
    double value = 0.0;
};

// A material a file carries: for resolving recipe lines and for creating it.
struct ImportedMaterial {
    std::string name;
    std::string id;                   // the file's own key, "" when none
    std::vector<std::string> aliases; // other names the file gives it (aka, code, mapto, Other Names)
    AnalysisKind kind = AnalysisKind::None;
    std::vector<AnalysisEntry> analysis;
    double loi = kNullNumber; // a stated loss on ignition, weight %
    std::string description;
    int line = 0;
};

// Everything one file holds.
struct ImportedFile {
    std::vector<ImportedRecipe> recipes;
    std::vector<ImportedMaterial> materials;
};

} // namespace kelvora
