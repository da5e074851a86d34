// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/ExportNumber.h"

#include "common/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace kelvora {

std::string ExportNumber::amount(double value) {
    return significant(value, 12);
}

std::string ExportNumber::text(double value) {
    return significant(value, 9);
}

std::string ExportNumber::significant(double value, int digits) {
    if (!std::isfinite(value) || value == 0.0) return "0";
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    std::string text = numfmt::roundedDecimal(value, std::clamp(digits - 1 - magnitude, 0, 24));
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

} // namespace kelvora
