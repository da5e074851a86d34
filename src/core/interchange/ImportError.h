// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "store/StoreError.h"

#include <string>

namespace kelvora {

// A recipe or material file that cannot be read as it stands; what() names
// the place ("regel 37 (recept 'Shino 6075'): '12,5,3' is geen getal") and is
// the text the potter sees. Nothing has been written when it is thrown.
class ImportError : public StoreError {
public:
    using StoreError::StoreError;

    // "regel N (recept 'NAAM')", leaving out what is not known (0, "").
    static std::string place(int line, const std::string& recipe = {});
    // The error at a place of the file.
    static ImportError at(int line, const std::string& recipe, const std::string& what);
};

} // namespace kelvora
