// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/Proef.h"

namespace kelvora {

Proef Proef::mixedFrom(const Glaze& glaze, std::string code, std::string date) {
    Proef test;
    test.code = std::move(code);
    test.glaze = glaze.naam;
    test.date = std::move(date);
    test.recipe = glaze.recipe; // a copy: the glaze may change, this stays
    return test;
}

} // namespace kelvora
