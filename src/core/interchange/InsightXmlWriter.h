// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "interchange/RecipeExport.h"

#include <string>

namespace kelvora {

// Recipe XML as Insight and Insight-live exchange it (`<recipes>` of
// `<recipe>` with `<recipelines>`), and the materials the recipes use as
// Insight material XML (`<material>` with its oxides and loss on ignition).
// A recipe carries Kelvora's own fields in a `<kelvora>` element that other
// readers pass over.
class InsightXmlWriter {
public:
    static std::string recipes(const ExportSet& set);
    static std::string materials(const ExportSet& set);
};

} // namespace kelvora
