// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/NewGlazeWriter.h"

#include "common/Translate.h"
#include "common/Utf8.h"
#include "engine/GlzDMUnit.h"
#include "model/RecordNames.h"
#include "solver/RecipeSolver.h"
#include "solver/SolverError.h"

#include <cmath>

namespace kelvora {

ProposedName ProposedName::make(const std::string& wanted, const std::vector<std::string>& taken) {
    const std::string whole(utf8::trim(wanted));
    for (int n = 1;; ++n) {
        const std::string number = n == 1 ? std::string() : " (" + std::to_string(n) + ")";
        std::string candidate;
        const bool fits = utf8::length(whole) + number.size() <= RecordNames::width;
        if (fits) {
            candidate = whole + number;
        } else {
            // One character of the width goes to the ellipsis.
            const std::size_t keep = RecordNames::width - number.size() - 1;
            candidate = std::string(utf8::trim(utf8::prefix(whole, keep))) + ellipsis + number;
        }
        if (!RecordNames::taken(candidate, taken)) return {candidate, whole, !fits};
    }
}

NewGlaze NewGlaze::fromResult(std::string name, const RecipeResult& result) {
    NewGlaze glaze;
    glaze.name = std::move(name);
    for (std::size_t i = 0; i < result.names.size() && i < result.percentages.size(); ++i)
        if (result.percentages[i] > 0.0) glaze.recipe.emplace_back(result.names[i], result.percentages[i]);
    return glaze;
}

void NewGlaze::inheritFrom(const Glaze& source) {
    skva = source.skva;
    sktt = source.sktt;
    catg = source.catg;
    oxrd = source.oxrd;
    basedOn = source.naam;
}

NewGlaze NewGlaze::copyOf(const Glaze& source, std::string name) {
    NewGlaze copy;
    copy.name = std::move(name);
    copy.omsc = source.omsc;
    for (const RecipeSlot& slot : source.recipe.recipeSlots)
        if (!utf8::trim(slot.name).empty())
            copy.recipe.emplace_back(slot.name, std::isnan(slot.mtp) ? 0.0 : slot.mtp);
    for (const AdditionSlot& slot : source.recipe.additions)
        if (!utf8::trim(slot.name).empty())
            copy.additions.emplace_back(slot.name, std::isnan(slot.tvp) ? 0.0 : slot.tvp);
    copy.inheritFrom(source);
    return copy;
}

void NewGlaze::describeShortenedName(const ProposedName& proposal) {
    if (proposal.shortened && name == proposal.name) omsc = proposal.whole;
}

Glaze NewGlaze::toGlaze() const {
    Glaze glaze;
    glaze.naam = name;
    glaze.omsc = omsc;
    glaze.skva = skva;
    glaze.sktt = sktt;
    glaze.catg = catg;
    glaze.oxrd = oxrd;
    glaze.gbop = basedOn;
    // A glaze made from another is still to be tried in the kiln.
    if (!basedOn.empty()) glaze.stat = "T";
    glaze.recipe.molp = "P";
    for (std::size_t i = 0; i < recipe.size() && i < glaze.recipe.recipeSlots.size(); ++i) {
        glaze.recipe.recipeSlots[i].name = recipe[i].first;
        glaze.recipe.recipeSlots[i].mtp = recipe[i].second;
    }
    for (std::size_t i = 0; i < additions.size() && i < glaze.recipe.additions.size(); ++i) {
        glaze.recipe.additions[i].name = additions[i].first;
        glaze.recipe.additions[i].tvp = additions[i].second;
    }
    return glaze;
}

void NewGlazeWriter::store(TGlzDM& dm, const NewGlaze& glaze) {
    // A glaze name is stored 40 characters wide: a longer one would be cut
    // and could then name another glaze, as could one that differs from
    // another only in case or blanks.
    if (utf8::trim(glaze.name).empty())
        throw SolverError(translate("Solver", "Geef het nieuwe glazuur een naam."));
    if (utf8::length(glaze.name) > RecordNames::width)
        throw SolverError(fillIn(translate("Solver", "De naam %1 is langer dan %2 tekens."),
                                 {glaze.name, std::to_string(RecordNames::width)}));
    if (RecordNames::taken(glaze.name, dm.book().glazeNames()))
        throw SolverError(fillIn(translate("Solver", "Er is al een glazuur met de naam %1"), {glaze.name}));
    if (glaze.recipe.empty()) throw SolverError(translate("Solver", "Er is geen recept om op te slaan."));
    if (static_cast<int>(glaze.recipe.size()) > Recipe::slotCount)
        throw SolverError(fillIn(
            translate("Solver", "Het recept heeft meer dan %1 grondstoffen en past niet in een glazuur."),
            {std::to_string(Recipe::slotCount)}));
    if (static_cast<int>(glaze.additions.size()) > Recipe::additionCount)
        throw SolverError(translate("Solver", "Te veel toegevoegde stoffen."));
    // Posting leaves the new glaze the current record, which is then calculated.
    dm.book().addGlaze(glaze.toGlaze());
    dm.CalcGlaze(false, false);
}

} // namespace kelvora
