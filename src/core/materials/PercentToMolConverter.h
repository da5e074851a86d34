#pragma once
#include "common/Prompter.h"
#include "store/View.h"

namespace kelvora {

// Turns the weight-percentage analysis of a material (the current record of
// an editable materials view) into its Seger formula, basic oxides summing to
// one mol, and the molecular weight that belongs to that formula.
class PercentToMolConverter {
public:
    // True when the record was converted and posted; false after a refusal,
    // which the prompter has been told and which changes nothing.
    static bool convert(View& materials, Prompter& prompter);
};

} // namespace kelvora
