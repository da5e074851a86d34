// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <stdexcept>

namespace kelvora {

// A question the recipe solver cannot take up: an unknown material or glaze,
// a material without molecular weight. what() is the Dutch text for the user.
class SolverError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace kelvora
