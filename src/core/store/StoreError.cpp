// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/StoreError.h"

namespace kelvora {

std::string formatMessage(std::string pattern, std::initializer_list<std::string> args) {
    std::string out;
    auto it = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's' && it != args.end()) {
            out += *it++;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace kelvora
