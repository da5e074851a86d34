// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/Glaze.h"
#include "model/NullNumber.h"
#include "model/Recipe.h"
#include "notebook/Choices.h"

#include <optional>
#include <string>

namespace kelvora {

// A test: one mix of a glaze, with the code written on its tiles. The
// recipe is a copy taken when it was mixed; later edits of the glaze never
// reach it. Empty numbers are NaN.
struct Proef {
    std::string code;  // unique, e.g. "K-2026-014"
    std::string glaze; // the glaze's name
    std::string date;  // mixed on, "dd-mm-jjjj"
    Recipe recipe;     // as mixed: lines, additions, amounts
    double batchGrams = kNullNumber;
    double waterGrams = kNullNumber;
    double specificGravity = kNullNumber;
    std::string sieve;      // e.g. "80 mesh"
    std::string clayBody;   // the clay of the tiles
    std::string bisqueCone; // the bisque firing
    std::optional<Application> application;
    double seconds = kNullNumber; // dipping or pouring time
    double coats = kNullNumber;   // whole number of coats
    std::string thickness;        // as the potter describes it
    std::string layering;         // over or under which glaze
    std::string notes;

    // A new test of `glaze` with its recipe as it stands now.
    static Proef mixedFrom(const Glaze& glaze, std::string code, std::string date);
};

} // namespace kelvora
