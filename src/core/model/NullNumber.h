// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cmath>
#include <limits>

namespace kelvora {

// An empty number: the store keeps it as NaN, since no stored number can be
// NaN, and the values of the model follow the store.
inline constexpr double kNullNumber = std::numeric_limits<double>::quiet_NaN();
inline bool isNullNumber(double v) {
    return std::isnan(v);
}

} // namespace kelvora
