// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/ImportPlan.h"

#include "common/Translate.h"

#include "common/NumberFormat.h"
#include "common/Utf8.h"
#include "engine/OxideMolarMass.h"
#include "interchange/ConeText.h"
#include "interchange/ImportError.h"
#include "interchange/NameKey.h"
#include "interchange/RecipeLineText.h"
#include "model/RecordNames.h"

#include <algorithm>
#include <cmath>

namespace kelvora {

namespace {
// How far, in weight % of the oxides, a file's analysis may lie from the
// stored one of the same material before the preview says so.
constexpr double kAnalysisTolerance = 0.5;

const char* const kLineBreak = "\r\n";

std::string rowKey(const std::string& name, const std::string& materialId) {
    return materialId.empty() ? "naam:" + NameKey::of(name) : "id:" + materialId;
}

std::string list(const std::vector<std::string>& items) {
    std::string out;
    for (const auto& item : items)
        out += (out.empty() ? "" : ", ") + item;
    return out;
}

std::string amountText(double amount) {
    return numfmt::formatPattern(amount, "#0.###");
}

// The oxides of a molar formula as weight % of their sum; all 0 without oxides.
std::array<double, OxideCatalogue::count> oxideWeights(const OxideFormula& formula) {
    std::array<double, OxideCatalogue::count> weights{};
    double sum = 0.0;
    for (const Oxide& oxide : OxideCatalogue::all()) {
        const auto k = static_cast<std::size_t>(oxide.position - 1);
        const double mols = isNullNumber(formula[k]) ? 0.0 : formula[k];
        weights[k] = mols * OxideMolarMass::at(oxide.position);
        sum += weights[k];
    }
    if (sum > 0.0)
        for (double& w : weights)
            w = w * 100.0 / sum;
    return weights;
}

bool analysesDiffer(const OxideFormula& a, const OxideFormula& b) {
    const auto wa = oxideWeights(a), wb = oxideWeights(b);
    for (std::size_t k = 0; k < wa.size(); ++k)
        if (std::fabs(wa[k] - wb[k]) > kAnalysisTolerance) return true;
    return false;
}

const char* sourceLabel(SourceField field) {
    switch (field) {
    case SourceField::Cone:
        return "Kegel";
    case SourceField::Atmosphere:
        return "Atmosfeer";
    case SourceField::Surface:
        return "Oppervlak";
    case SourceField::Transparency:
        return "Transparantie";
    case SourceField::Colour:
        return "Kleur";
    case SourceField::Kind:
        return "Soort";
    case SourceField::Tested:
        return "Getest";
    case SourceField::Source:
        return "Bron";
    case SourceField::Author:
        return "Ingevoerd door";
    case SourceField::Date:
        return "Datum";
    case SourceField::Code:
        return "Code";
    case SourceField::Keywords:
        return "Trefwoorden";
    case SourceField::Url:
        return "URL";
    case SourceField::Total:
        return "Totaal";
    }
    return "";
}

// Why a line has no amount, in the chosen language. The readers mark a
// line without any amount with the fixed kNoAmount (which they compare);
// their other reasons are already translated.
std::string unsettledText(const std::string& why) {
    return why == RecipeLineText::kNoAmount ? translate("Import", "geen hoeveelheid") : why;
}

void appendLine(std::string& text, const std::string& line) {
    if (!text.empty()) text += kLineBreak;
    text += line;
}
} // namespace

std::string PlannedMaterial::state() const {
    switch (choice) {
    case MaterialChoice::MapTo:
        return "alias";
    case MaterialChoice::FromAnalysis:
        return "nieuw uit analyse";
    case MaterialChoice::WithoutAnalysis:
        return "zonder analyse";
    case MaterialChoice::Skip:
        return "overgeslagen";
    case MaterialChoice::Open:
        break;
    }
    switch (resolution.how) {
    case Resolved::Exact:
    case Resolved::Normalised:
        return "gelijk";
    case Resolved::Alias:
    case Resolved::FileAlias:
        return "alias";
    case Resolved::Unknown:
        break;
    }
    return "onbekend";
}

std::string PlannedMaterial::material() const {
    switch (choice) {
    case MaterialChoice::MapTo:
        return mapTo;
    case MaterialChoice::FromAnalysis:
    case MaterialChoice::WithoutAnalysis:
        return newName;
    case MaterialChoice::Skip:
        return {};
    case MaterialChoice::Open:
        break;
    }
    return resolution.material;
}

std::string PlannedMaterial::problem() const {
    switch (choice) {
    case MaterialChoice::Open:
        if (resolution.how != Resolved::Unknown) return {};
        if (resolution.suggestions.empty())
            return fillIn(translate("Import", "onbekende grondstof '%1'"), {name});
        return fillIn(translate("Import", "onbekende grondstof '%1' (lijkt op: %2)"),
                      {name, list(resolution.suggestions)});
    case MaterialChoice::MapTo:
        return mapTo.empty() ? fillIn(translate("Import", "grondstof '%1': geen grondstof gekozen"), {name})
                             : std::string();
    case MaterialChoice::FromAnalysis:
        if (!conversion || !fileMaterial || fileMaterial->kind == AnalysisKind::None)
            return fillIn(translate("Import", "grondstof '%1': het bestand geeft geen analyse"), {name});
        if (!conversion->refusal.empty())
            return fillIn(translate("Import", "grondstof '%1': %2"), {name, conversion->refusal});
        if (!conversion->outside.empty() && !outsideConfirmed)
            return fillIn(translate("Import", "grondstof '%1': buiten de %2 oxides: %3 (eerst bevestigen)"),
                          {name, std::to_string(OxideCatalogue::count), list(conversion->outside)});
        return {};
    case MaterialChoice::WithoutAnalysis:
    case MaterialChoice::Skip:
        return {};
    }
    return {};
}

std::string PlannedRecipe::state() const {
    if (skipped) return "overgeslagen";
    return problems.empty() ? "nieuw" : "onbekend";
}

ImportPlan::ImportPlan(const ImportedFile& file, const std::vector<Material>& storeMaterials,
                       const std::vector<std::string>& glazeNames, const std::vector<Alias>& aliases,
                       const std::vector<ImportedMaterial>& extra)
    : storeMaterials_(storeMaterials), glazeNames_(glazeNames), fileRecipes_(file.recipes) {
    std::vector<ImportedMaterial> fileMaterials = file.materials;
    fileMaterials.insert(fileMaterials.end(), extra.begin(), extra.end());
    std::vector<std::string> names;
    for (const auto& material : storeMaterials)
        names.push_back(material.naam);
    const MaterialResolver resolver(names, aliases, fileMaterials);

    std::vector<std::string> keys;
    for (const auto& recipe : fileRecipes_)
        for (const auto& line : recipe.lines) {
            if (NameKey::of(line.name).empty()) continue;
            const std::string key = rowKey(line.name, line.materialId);
            auto at = std::find(keys.begin(), keys.end(), key);
            if (at == keys.end()) {
                keys.push_back(key);
                PlannedMaterial row;
                row.name = line.name;
                row.materialId = line.materialId;
                row.resolution = resolver.resolve(line.name, line.materialId);
                if (const ImportedMaterial* own = resolver.fileMaterial(line.name, line.materialId)) {
                    row.fileMaterial = *own;
                    if (own->kind != AnalysisKind::None) row.conversion = AnalysisConversion::of(*own);
                }
                materials_.push_back(std::move(row));
                at = keys.end() - 1;
            }
            PlannedMaterial& row = materials_[static_cast<std::size_t>(at - keys.begin())];
            if (std::find(row.recipes.begin(), row.recipes.end(), recipe.name) == row.recipes.end())
                row.recipes.push_back(recipe.name);
        }

    // A file that gives another analysis for a material the store holds
    // under the same name: the stored one stays, the potter is told.
    for (auto& row : materials_) {
        if (!row.conversion || !row.conversion->material) continue;
        if (row.resolution.how != Resolved::Exact && row.resolution.how != Resolved::Normalised) continue;
        for (const auto& stored : storeMaterials_)
            if (stored.naam == row.resolution.material && !stored.withoutAnalysis() &&
                analysesDiffer(stored.oxides, row.conversion->material->oxides))
                row.notes.push_back(fillIn(
                    translate("Import",
                              "de analyse in het bestand wijkt af van die van '%1'; de opgeslagen blijft"),
                    {stored.naam}));
    }
    update();
}

PlannedMaterial* ImportPlan::material(const std::string& name) {
    const std::string key = NameKey::of(name);
    for (auto& row : materials_)
        if (NameKey::of(row.name) == key) return &row;
    return nullptr;
}

void ImportPlan::createAllOpen() {
    for (auto& row : materials_) {
        if (row.choice != MaterialChoice::Open || row.resolution.how != Resolved::Unknown) continue;
        const bool analysed = row.fileMaterial && row.fileMaterial->kind != AnalysisKind::None;
        row.choice = analysed ? MaterialChoice::FromAnalysis : MaterialChoice::WithoutAnalysis;
    }
    update();
}

void ImportPlan::update() {
    std::vector<std::string> taken;
    for (const auto& material : storeMaterials_)
        taken.push_back(material.naam);
    for (auto& row : materials_) {
        row.newName.clear();
        if (row.choice != MaterialChoice::FromAnalysis && row.choice != MaterialChoice::WithoutAnalysis)
            continue;
        const std::string proposal = row.fileMaterial ? row.fileMaterial->name : row.name;
        row.newName = RecordNames::unique(std::string(utf8::trim(proposal)), taken);
        taken.push_back(row.newName);
    }

    recipes_.clear();
    std::vector<std::string> glazeNames = glazeNames_;
    for (const auto& recipe : fileRecipes_) {
        PlannedRecipe planned;
        planned.fileName = recipe.name;
        Glaze& glaze = planned.glaze;
        glaze.recipe.molp = "P";
        std::string wanted(utf8::trim(recipe.name));
        if (wanted.empty()) wanted = "Naamloos recept";
        glaze.naam = RecordNames::unique(wanted, glazeNames);
        glazeNames.push_back(glaze.naam);
        std::string description = recipe.description;
        if (utf8::length(wanted) > RecordNames::width) {
            planned.notes.push_back(fillIn(translate("Import", "naam ingekort tot '%1'"), {glaze.naam}));
            appendLine(description, "Volledige naam: " + wanted);
        } else if (glaze.naam != wanted) {
            planned.notes.push_back(
                fillIn(translate("Import", "naam bestond al; opgeslagen als '%1'"), {glaze.naam}));
        }

        std::vector<std::string> surplus;
        for (const auto& line : recipe.lines) {
            const std::string place = ImportError::place(line.line, recipe.name);
            if (!line.unsettled.empty()) {
                planned.problems.push_back(fillIn(translate("Import", "%1: %2 ('%3')"),
                                                  {place, unsettledText(line.unsettled), line.text}));
                continue;
            }
            if (!std::isfinite(line.amount) || line.amount < 0.0) {
                planned.problems.push_back(
                    fillIn(translate("Import", "%1: geen hoeveelheid bij '%2'"), {place, line.name}));
                continue;
            }
            const PlannedMaterial* row = nullptr;
            const std::string key = rowKey(line.name, line.materialId);
            for (const auto& candidate : materials_)
                if (rowKey(candidate.name, candidate.materialId) == key) row = &candidate;
            if (!row) {
                planned.problems.push_back(
                    fillIn(translate("Import", "%1: regel zonder grondstof ('%2')"), {place, line.text}));
                continue;
            }
            if (row->choice == MaterialChoice::Skip) planned.skipped = true;
            const std::string name = row->material();
            if (line.addition) {
                if (planned.additions < Recipe::additionCount) {
                    auto& slot = glaze.recipe.additions[static_cast<std::size_t>(planned.additions++)];
                    slot.name = name;
                    slot.tvp = line.amount;
                } else {
                    surplus.push_back("+ " + line.name + " " + amountText(line.amount));
                }
            } else if (planned.baseLines < Recipe::slotCount) {
                auto& slot = glaze.recipe.recipeSlots[static_cast<std::size_t>(planned.baseLines++)];
                slot.name = name;
                slot.mtp = line.amount;
            } else {
                surplus.push_back(line.name + " " + amountText(line.amount));
            }
        }
        if (!surplus.empty()) {
            planned.notes.push_back(
                fillIn(translate("Import", "%1 regel(s) passen niet en staan in de omschrijving"),
                       {std::to_string(surplus.size())}));
            std::string joined;
            for (const auto& item : surplus)
                joined += (joined.empty() ? "" : "; ") + item;
            appendLine(description, "niet overgenomen: " + joined);
        }

        // Where the recipe comes from, in a fixed order.
        auto source = recipe.source;
        const ConeText cone = ConeText::read(recipe.cone);
        if (cone.segerFrom) {
            glaze.skva = *cone.segerFrom;
            glaze.sktt = *cone.segerTo;
        } else if (!cone.description.empty()) {
            source.emplace_back(SourceField::Cone, cone.description);
        }
        std::stable_sort(source.begin(), source.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        if (!source.empty()) {
            appendLine(description, "Bron:");
            for (const auto& [field, text] : source)
                appendLine(description, std::string(sourceLabel(field)) + ": " + text);
        }
        if (recipe.skva) glaze.skva = *recipe.skva;
        if (recipe.sktt) glaze.sktt = *recipe.sktt;
        if (recipe.catg) glaze.catg = *recipe.catg;
        glaze.omsc = description;
        recipes_.push_back(std::move(planned));
    }
}

bool ImportPlan::settled() const {
    return problems().empty();
}

std::vector<std::string> ImportPlan::problems() const {
    std::vector<std::string> out;
    for (const auto& row : materials_) {
        if (const std::string why = row.problem(); !why.empty()) out.push_back(why);
        if (row.choice != MaterialChoice::MapTo || row.mapTo.empty()) continue;
        const bool exists = std::any_of(storeMaterials_.begin(), storeMaterials_.end(),
                                        [&](const Material& m) { return m.naam == row.mapTo; });
        if (!exists)
            out.push_back(
                fillIn(translate("Import", "grondstof '%1': '%2' bestaat niet"), {row.name, row.mapTo}));
    }
    for (const auto& recipe : recipes_)
        if (!recipe.skipped)
            for (const auto& problem : recipe.problems)
                out.push_back(problem);
    return out;
}

std::vector<Material> ImportPlan::newMaterials() const {
    std::vector<Material> out;
    for (const auto& row : materials_) {
        if (row.choice == MaterialChoice::FromAnalysis && row.conversion && row.conversion->material) {
            Material material = *row.conversion->material;
            material.naam = row.newName;
            out.push_back(std::move(material));
        } else if (row.choice == MaterialChoice::WithoutAnalysis) {
            Material material;
            material.naam = row.newName;
            material.molproc = Material::withoutAnalysisMark;
            if (row.fileMaterial) material.omsc = row.fileMaterial->description;
            out.push_back(std::move(material));
        }
    }
    return out;
}

std::vector<Glaze> ImportPlan::newGlazes() const {
    std::vector<Glaze> out;
    for (const auto& recipe : recipes_)
        if (!recipe.skipped) out.push_back(recipe.glaze);
    return out;
}

std::vector<Alias> ImportPlan::newAliases() const {
    std::vector<Alias> out;
    for (const auto& row : materials_)
        if (row.choice == MaterialChoice::MapTo && row.remember && !row.mapTo.empty())
            out.push_back({row.name, row.mapTo});
    return out;
}

} // namespace kelvora
