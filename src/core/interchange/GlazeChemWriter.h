// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "interchange/RecipeExport.h"

#include <string>

namespace kelvora {

// GlazeChem's `key = value` files with CRLF line ends: the glazes (.glz) with
// their component/amount and addition/addamount pairs, and the materials they
// use (.mat) with a percentage formula that ends in the loss on ignition.
// Kelvora's cones and category travel in keys of their own (kelvora_...).
// The text is UTF-8, so that every name survives.
class GlazeChemWriter {
public:
    static std::string glazes(const ExportSet& set);
    static std::string materials(const ExportSet& set);
};

} // namespace kelvora
