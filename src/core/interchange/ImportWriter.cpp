// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/ImportWriter.h"

#include "common/Translate.h"

#include "engine/Calculate.h"
#include "interchange/ImportError.h"
#include "store/StoreTransaction.h"

namespace kelvora {

ImportWriter::Written ImportWriter::write(const ImportPlan& plan, GlazeBook& book, AliasBook& aliases) {
    if (!plan.settled())
        throw ImportError(
            fillIn(translate("Import", "Het importeren is nog niet rond: %1"), {plan.problems().front()}));
    Written written;
    const auto materials = plan.newMaterials();
    const auto glazes = plan.newGlazes();
    const auto remembered = plan.newAliases();
    try {
        for (const Material& material : materials)
            book.addMaterial(material);
        for (Glaze glaze : glazes) {
            const CalcResult result = calculate(glaze.recipe, book.catalogue(), {});
            // A recipe the calculation cannot finish is stored as it came,
            // without a formula, as one typed in by hand would be.
            if (!result.stopped) applyResult(result, glaze);
            book.addGlaze(glaze);
        }
        StoreTransaction change(book.dataDir());
        book.saveWith(change);
        if (!remembered.empty()) aliases.writeWith(change, remembered);
        change.commit();
    } catch (...) {
        book.discardChanges();
        // The aliases are read again for a next try; the first error is the one to report.
        try {
            aliases.load();
        } catch (const StoreError&) {
        }
        throw;
    }
    written.materials = static_cast<int>(materials.size());
    written.glazes = static_cast<int>(glazes.size());
    written.aliases = static_cast<int>(remembered.size());
    return written;
}

} // namespace kelvora
