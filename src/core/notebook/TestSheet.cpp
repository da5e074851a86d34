// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/TestSheet.h"

#include "common/NumberFormat.h"
#include "common/Translate.h"
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

// `templ` with `value` in place, or "" when there is no value to show.
std::string shown(const std::string& templ, const std::string& value) {
    return value.empty() ? std::string() : fillIn(templ, {value});
}

template <typename Choice> std::string textOf(const std::optional<Choice>& c) {
    return c ? Choices<Choice>::text(*c) : "";
}

} // namespace

std::vector<std::string> TestSheet::lines(const NotebookData& notebook, const Proef& t) {
    std::vector<std::string> out{fillIn(translate("Notebook", "Proef %1"), {t.code}),
                                 fillIn(translate("Notebook", "Glazuur: %1"), {t.glaze})};
    if (!t.date.empty()) out.push_back(fillIn(translate("Notebook", "Gemengd: %1"), {t.date}));
    const std::string tile = joined({shown(translate("Notebook", "scherf %1"), t.clayBody),
                                     shown(translate("Notebook", "biscuit kegel %1"), t.bisqueCone)});
    if (!tile.empty()) out.push_back(fillIn(translate("Notebook", "Tegel: %1"), {tile}));
    std::string coats;
    if (!isNullNumber(t.coats))
        coats = fillIn(t.coats == 1 ? translate("Notebook", "%1 laag") : translate("Notebook", "%1 lagen"),
                       {number(t.coats)});
    const std::string applied = joined(
        {textOf(t.application), isNullNumber(t.seconds) ? "" : number(t.seconds) + " s", coats, t.thickness});
    if (!applied.empty()) out.push_back(fillIn(translate("Notebook", "Opbrengen: %1"), {applied}));
    if (!t.layering.empty()) out.push_back(fillIn(translate("Notebook", "Gelaagd: %1"), {t.layering}));

    Glaze mixed;
    mixed.naam = t.glaze;
    mixed.recipe = t.recipe;
    const bool grams = BatchWeights::validSize(t.batchGrams);
    const BatchWeights batch = BatchWeights::compute(mixed, grams ? t.batchGrams : 100.0);
    out.push_back(grams
                      ? fillIn(translate("Notebook", "Recept zoals gemengd (%1 g):"), {number(t.batchGrams)})
                      : translate("Notebook", "Recept zoals gemengd:"));
    for (const auto& row : batch.rows)
        out.push_back(std::string(row.addition ? "  + " : "    ") + row.name + "\t" +
                      numfmt::formatFixed(row.percent, 2) + " %" +
                      (grams ? "\t" + numfmt::formatFixed(row.grams, 1) + " g" : std::string()));
    if (grams)
        out.push_back("    " + translate("Notebook", "Totaal") + "\t\t" +
                      numfmt::formatFixed(batch.total, 1) + " g");
    const std::string slip = joined(
        {isNullNumber(t.waterGrams) ? ""
                                    : fillIn(translate("Notebook", "water %1 g"), {number(t.waterGrams)}),
         isNullNumber(t.specificGravity)
             ? ""
             : fillIn(translate("Notebook", "s.g. %1"), {number(t.specificGravity)}),
         shown(translate("Notebook", "zeef %1"), t.sieve)});
    if (!slip.empty()) out.push_back(fillIn(translate("Notebook", "Slib: %1"), {slip}));

    const auto results = notebook.resultsOf(t.code);
    if (!results.empty()) out.push_back(translate("Notebook", "Stoken:"));
    for (const TileResult* r : results) {
        const Stook* f = notebook.firing(r->firing);
        std::string defects;
        for (const Defect d : r->defects)
            defects += (defects.empty() ? "" : ", ") + std::string(Choices<Defect>::text(d));
        if (!r->defectNotes.empty()) defects += (defects.empty() ? "" : ", ") + r->defectNotes;
        out.push_back("    " + joined({r->firing, f ? f->date : "", f ? f->kiln : "",
                                       f ? shown(translate("Notebook", "kegel %1"), f->cone) : "",
                                       f ? textOf(f->atmosphere) : "",
                                       shown(translate("Notebook", "plaats %1"), r->place)}));
        const std::string result = joined(
            {r->surface, r->transparency, r->colour,
             r->rating ? fillIn(translate("Notebook", "waardering %1"), {std::to_string(r->rating)}) : "",
             shown(translate("Notebook", "gebreken: %1"), defects)});
        if (!result.empty()) out.push_back("        " + result);
    }
    const auto photos = notebook.photosOf(t.code);
    if (!photos.empty()) out.push_back(translate("Notebook", "Foto's:"));
    for (const Foto* p : photos)
        out.push_back("    " + joined({p->file, p->title, shown(translate("Notebook", "kegel %1"), p->cone),
                                       textOf(p->atmosphere)}));
    if (!t.notes.empty()) out.push_back(fillIn(translate("Notebook", "Notities: %1"), {t.notes}));
    return out;
}

std::vector<std::string> TestSheet::label(const Proef& test) {
    return {test.code, test.glaze};
}

} // namespace kelvora
