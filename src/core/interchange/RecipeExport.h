// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/Glaze.h"
#include "model/Material.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

// The formats Kelvora writes recipes in for other tools. The names are the
// values of the command line's --format option.
enum class ExportFormat {
    GlazyYaml,  // "glazy-yaml": recipe and material records of the dump's shape
    InsightXml, // "insight-xml": recipe XML, materials in a second file
    GlazeChem,  // "glazechem": a .glz file, materials in the .mat beside it
    Text,       // "text": for e-mail and forums
    Csv,        // "csv": one row per recipe line
};

std::span<const ExportFormat> exportFormats();
std::optional<ExportFormat> exportFormatByName(std::string_view name);
std::string_view exportFormatName(ExportFormat format);

// One recipe line as exported: material, weight parts, addition or not.
struct ExportLine {
    std::string name;
    double amount = 0.0;
    bool addition = false;
};

// What an export is made of: the glazes in the order chosen and the materials
// their lines name (each once, in order of first use; a name the catalogue
// does not hold has no entry here).
struct ExportSet {
    std::vector<Glaze> glazes;
    std::vector<Material> materials;

    // The glazes with the catalogue's materials they use.
    static ExportSet of(std::vector<Glaze> glazes, const std::vector<Material>& catalogue);
    // The glaze's recipe lines then additions, blank places left out. The
    // amounts are the percentage column (for a glaze entered in mols the one
    // its last calculation stored); an empty amount is 0.
    static std::vector<ExportLine> lines(const Glaze& glaze);
    const Material* material(std::string_view name) const;
};

// A file an export writes. `suffix` is empty for the file the user named;
// a second file (the materials) replaces that file's extension by `suffix`.
struct ExportFile {
    std::string suffix;
    std::string content;
};

// The files of an export in the given format; the first is the main file.
std::vector<ExportFile> exportRecipes(const ExportSet& set, ExportFormat format);

// Where a file of an export goes beside `path` (the main file: `path` itself).
std::string exportPath(const std::string& path, const ExportFile& file);

// Writes every file of the export, each replaced as a whole (AtomicFile).
// Returns the paths written, main file first.
std::vector<std::string> writeExport(const std::string& path, const ExportSet& set, ExportFormat format);

// The glaze's cones as a cone text of other programs, "SK 05a - 03a"
// (Seger, so that nobody takes them for Orton cones); "" when its cone
// fields hold no entry of the cone list.
std::string exportSegerCones(const Glaze& glaze);

// "Kelvora 0.9.9.1": the program and version every export names.
std::string exportProducer();
// The oxides the exported Seger formulas are brought to one mol on, as one
// text: "Li2O, Na2O, K2O, ...".
std::string exportFluxSet();

} // namespace kelvora
