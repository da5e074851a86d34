// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Translate.h"

#include <atomic>
#include <vector>

namespace kelvora {

namespace {
std::atomic<TranslateFunction> current{nullptr};
} // namespace

void setTranslateFunction(TranslateFunction function) {
    current.store(function);
}

std::string translate(const char* context, const char* source) {
    const TranslateFunction function = current.load();
    if (function == nullptr) return source;
    std::string translated = function(context, source);
    return translated.empty() ? std::string(source) : translated;
}

std::string fillIn(std::string_view templ, std::initializer_list<std::string_view> args) {
    const std::vector<std::string_view> values(args);
    std::string out;
    out.reserve(templ.size());
    for (std::size_t i = 0; i < templ.size(); ++i) {
        const char c = templ[i];
        if (c == '%' && i + 1 < templ.size() && templ[i + 1] >= '1' && templ[i + 1] <= '9') {
            const std::size_t n = static_cast<std::size_t>(templ[i + 1] - '1');
            if (n < values.size()) {
                out.append(values[n]);
                ++i;
                continue;
            }
        }
        out.push_back(c);
    }
    return out;
}

} // namespace kelvora
