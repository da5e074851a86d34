// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/NewGlazeWriter.h"

#include "common/Utf8.h"
#include "engine/GlzDMUnit.h"
#include "model/TableLayouts.h"
#include "solver/RecipeSolver.h"
#include "solver/SolverError.h"

namespace kelvora {

NewGlaze NewGlaze::fromResult(std::string name, const RecipeResult& result) {
    NewGlaze glaze;
    glaze.name = std::move(name);
    for (std::size_t i = 0; i < result.names.size() && i < result.percentages.size(); ++i)
        if (result.percentages[i] > 0.0) glaze.recipe.emplace_back(result.names[i], result.percentages[i]);
    return glaze;
}

void NewGlazeWriter::store(TGlzDM& dm, const NewGlaze& glaze) {
    View& glazes = dm.GlzCDS;
    if (utf8::trim(glaze.name).empty()) throw SolverError("Geef het nieuwe glazuur een naam.");
    const int naam = glazes.fieldIndex("naam");
    for (int row = 0; row < glazes.recordCount(); ++row)
        if (glazes.textAt(row, naam) == glaze.name)
            throw SolverError("Er is al een glazuur met de naam " + glaze.name);
    if (glaze.recipe.empty()) throw SolverError("Er is geen recept om op te slaan.");
    if (static_cast<int>(glaze.recipe.size()) > TableLayouts::recipeSlots)
        throw SolverError("Het recept heeft meer dan " + std::to_string(TableLayouts::recipeSlots) +
                          " grondstoffen en past niet in een glazuur.");
    if (static_cast<int>(glaze.additions.size()) > TableLayouts::additionSlots)
        throw SolverError("Te veel toegevoegde stoffen.");

    glazes.insert();
    try {
        glazes.setText("naam", glaze.name);
        glazes.setText("molp", "P");
        for (std::size_t i = 0; i < glaze.recipe.size(); ++i) {
            const int n = static_cast<int>(i) + 1;
            glazes.setText(TableLayouts::matField(n), glaze.recipe[i].first);
            glazes.setNumber(TableLayouts::mtpField(n), glaze.recipe[i].second);
        }
        for (std::size_t i = 0; i < glaze.additions.size(); ++i) {
            const int n = static_cast<int>(i) + 1;
            glazes.setText(TableLayouts::tvsField(n), glaze.additions[i].first);
            glazes.setNumber(TableLayouts::tvpField(n), glaze.additions[i].second);
        }
        for (const auto& [field, text] : glaze.texts)
            glazes.setText(field, text);
        glazes.post();
    } catch (...) {
        glazes.cancel();
        throw;
    }
    dm.CalcGlaze(false, false);
}

} // namespace kelvora
