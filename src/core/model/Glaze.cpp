// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Glaze.h"

#include "model/Material.h"

#include <cstring>

namespace kelvora {

namespace {
bool sameNumber(double a, double b) {
    if (isNullNumber(a) || isNullNumber(b)) return isNullNumber(a) && isNullNumber(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool sameFormula(const OxideFormula& a, const OxideFormula& b) {
    for (std::size_t k = 0; k < a.size(); ++k)
        if (!sameNumber(a[k], b[k])) return false;
    return true;
}
} // namespace

OxideFormula emptyFormula() {
    OxideFormula formula;
    formula.fill(kNullNumber);
    return formula;
}

double oxideIn(const OxideFormula& formula, std::string_view stem) {
    const Oxide* o = OxideCatalogue::byStem(stem);
    if (!o) return 0.0;
    return Recipe::amount(formula[static_cast<std::size_t>(o->position - 1)]);
}

double Glaze::oxide(std::string_view stem) const {
    return oxideIn(oxides, stem);
}

bool Glaze::operator==(const Glaze& o) const {
    return naam == o.naam && omsc == o.omsc && datm == o.datm && skva == o.skva && sktt == o.sktt &&
           catg == o.catg && brtm == o.brtm && oxrd == o.oxrd && tstd == o.tstd && levm == o.levm &&
           imgf == o.imgf && stat == o.stat && gbop == o.gbop && sameNumber(prys, o.prys) &&
           sameNumber(tmpv, o.tmpv) && sameNumber(tmpt, o.tmpt) && recipe == o.recipe &&
           sameFormula(oxides, o.oxides);
}

bool Material::operator==(const Material& o) const {
    return naam == o.naam && omsc == o.omsc && levr == o.levr && besc == o.besc && molproc == o.molproc &&
           sameNumber(prys, o.prys) && sameNumber(molg, o.molg) && sameFormula(oxides, o.oxides) &&
           sameFormula(percents, o.percents);
}

} // namespace kelvora
