// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCoreApplication>
#include <QString>

#include <string>

namespace kelvora {

struct Recipe;
struct Stook;

// How the notebook's windows name a firing and a recipe as mixed, in one place.
class NotebookLabels {
    Q_DECLARE_TR_FUNCTIONS(kelvora::NotebookLabels)
public:
    // "S-2026-003 (kegel 6, oxidatie)"; the parts that are empty are left out.
    static QString firing(const Stook& firing);
    // The same with the firing's date, for a choice among firings.
    static QString firingChoice(const Stook& firing);
    // The recipe as mixed, a line per material with its amount.
    static QString recipe(const Recipe& recipe);
    // A stored number as the user reads it; empty for an empty number.
    static QString number(double value);
};

} // namespace kelvora
