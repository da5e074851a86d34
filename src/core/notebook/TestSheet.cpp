// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/TestSheet.h"

#include "common/NumberFormat.h"
#include "glaze/BatchWeights.h"

namespace kelvora {

namespace {

std::string number(double value) {
    return numfmt::formatPattern(value, "#0.##");
}

std::string joined(const std::vector<std::string>& parts) {
    std::string out;
    for (const auto& p : parts)
        if (!p.empty()) out += (out.empty() ? "" : ", ") + p;
    return out;
}

template <typename Choice> std::string textOf(const std::optional<Choice>& c) {
    return c ? Choices<Choice>::text(*c) : "";
}

} // namespace

std::vector<std::string> TestSheet::lines(const NotebookData& notebook, const Proef& t) {
    std::vector<std::string> out{"Proef " + t.code, "Glazuur: " + t.glaze};
    if (!t.date.empty()) out.push_back("Gemengd: " + t.date);
    const std::string tile = joined({t.clayBody.empty() ? "" : "scherf " + t.clayBody,
                                     t.bisqueCone.empty() ? "" : "biscuit kegel " + t.bisqueCone});
    if (!tile.empty()) out.push_back("Tegel: " + tile);
    const std::string applied = joined(
        {textOf(t.application), isNullNumber(t.seconds) ? "" : number(t.seconds) + " s",
         isNullNumber(t.coats) ? "" : number(t.coats) + (t.coats == 1 ? " laag" : " lagen"), t.thickness});
    if (!applied.empty()) out.push_back("Opbrengen: " + applied);
    if (!t.layering.empty()) out.push_back("Gelaagd: " + t.layering);

    Glaze mixed;
    mixed.naam = t.glaze;
    mixed.recipe = t.recipe;
    const bool grams = BatchWeights::validSize(t.batchGrams);
    const BatchWeights batch = BatchWeights::compute(mixed, grams ? t.batchGrams : 100.0);
    out.push_back(grams ? "Recept zoals gemengd (" + number(t.batchGrams) + " g):" : "Recept zoals gemengd:");
    for (const auto& row : batch.rows)
        out.push_back(std::string(row.addition ? "  + " : "    ") + row.name + "\t" +
                      numfmt::formatFixed(row.percent, 2) + " %" +
                      (grams ? "\t" + numfmt::formatFixed(row.grams, 1) + " g" : std::string()));
    if (grams) out.push_back("    Totaal\t\t" + numfmt::formatFixed(batch.total, 1) + " g");
    const std::string slip =
        joined({isNullNumber(t.waterGrams) ? "" : "water " + number(t.waterGrams) + " g",
                isNullNumber(t.specificGravity) ? "" : "s.g. " + number(t.specificGravity),
                t.sieve.empty() ? "" : "zeef " + t.sieve});
    if (!slip.empty()) out.push_back("Slib: " + slip);

    const auto results = notebook.resultsOf(t.code);
    if (!results.empty()) out.push_back("Stoken:");
    for (const TileResult* r : results) {
        const Stook* f = notebook.firing(r->firing);
        std::string defects;
        for (const Defect d : r->defects)
            defects += (defects.empty() ? "" : ", ") + std::string(Choices<Defect>::text(d));
        if (!r->defectNotes.empty()) defects += (defects.empty() ? "" : ", ") + r->defectNotes;
        out.push_back("    " +
                      joined({r->firing, f ? f->date : "", f ? f->kiln : "",
                              f && !f->cone.empty() ? "kegel " + f->cone : "", f ? textOf(f->atmosphere) : "",
                              r->place.empty() ? "" : "plaats " + r->place}));
        const std::string result = joined({r->surface, r->transparency, r->colour,
                                           r->rating ? "waardering " + std::to_string(r->rating) : "",
                                           defects.empty() ? "" : "gebreken: " + defects});
        if (!result.empty()) out.push_back("        " + result);
    }
    const auto photos = notebook.photosOf(t.code);
    if (!photos.empty()) out.push_back("Foto's:");
    for (const Foto* p : photos)
        out.push_back("    " + joined({p->file, p->title, p->cone.empty() ? "" : "kegel " + p->cone,
                                       textOf(p->atmosphere)}));
    if (!t.notes.empty()) out.push_back("Notities: " + t.notes);
    return out;
}

std::vector<std::string> TestSheet::label(const Proef& test) {
    return {test.code, test.glaze};
}

} // namespace kelvora
