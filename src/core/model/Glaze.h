// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/NullNumber.h"
#include "model/OxideCatalogue.h"
#include "model/Recipe.h"

#include <array>
#include <string>

namespace kelvora {

// Mols of each oxide per mol of basic oxides, in catalogue order; NaN is empty.
using OxideFormula = std::array<double, OxideCatalogue::count>;

// An empty formula: every oxide empty, as a new record holds it.
OxideFormula emptyFormula();
// The amount of one oxide (by stem) in a formula; empty and unknown read as 0.
double oxideIn(const OxideFormula& formula, std::string_view stem);

// A glaze as a plain value: its texts, its recipe and what the last
// calculation stored (the Seger formula, price and estimated firing range).
// Empty numbers are NaN, empty texts "", exactly as the store holds them.
struct Glaze {
    std::string naam;          // name, the key the program finds a glaze by
    std::string omsc;          // description
    std::string datm;          // date entered
    std::string skva;          // Seger cone from
    std::string sktt;          // Seger cone to
    std::string catg;          // category
    std::string brtm;          // firing method
    std::string oxrd;          // atmosphere
    std::string tstd;          // tested ("J"/"N")
    std::string levm;          // supplier mark
    std::string imgf;          // picture file
    std::string stat;          // status code: "T" testen, "P" productie, "G" gestopt; "" not set
    std::string gbop;          // based on: the name of the glaze it was made from
    double prys = kNullNumber; // cost price per kilogram
    double tmpv = kNullNumber; // estimated firing range from (whole degrees)
    double tmpt = kNullNumber; // and to
    Recipe recipe;
    OxideFormula oxides = emptyFormula();

    // An oxide of the stored formula by field stem ("sio2"); empty reads 0.
    double oxide(std::string_view stem) const;

    bool operator==(const Glaze&) const;
};

} // namespace kelvora
