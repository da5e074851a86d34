// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/NameSuggestions.h"

#include "common/Utf8.h"

#include <algorithm>
#include <numeric>

namespace kelvora {

namespace {

std::string folded(std::string_view text) {
    std::string out(utf8::trim(text));
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// Edits between a and b, a swap of two neighbours counting as one.
std::size_t distance(std::string_view a, std::string_view b) {
    const std::size_t n = a.size(), m = b.size();
    std::vector<std::vector<std::size_t>> d(n + 1, std::vector<std::size_t>(m + 1));
    for (std::size_t i = 0; i <= n; ++i)
        d[i][0] = i;
    for (std::size_t j = 0; j <= m; ++j)
        d[0][j] = j;
    for (std::size_t i = 1; i <= n; ++i)
        for (std::size_t j = 1; j <= m; ++j) {
            const std::size_t change = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    return d[n][m];
}

} // namespace

std::vector<std::string> closestNames(std::string_view typed, const std::vector<std::string>& names,
                                      std::size_t most) {
    const std::string t = folded(typed);
    if (t.empty() || most == 0) return {};
    const std::size_t limit = std::max<std::size_t>(2, t.size() / 3);
    struct Candidate {
        std::size_t score;
        std::size_t length;
        std::size_t order;
    };
    std::vector<Candidate> found;
    for (std::size_t k = 0; k < names.size(); ++k) {
        const std::string n = folded(names[k]);
        if (n.empty()) continue;
        std::size_t score = distance(t, n);
        // A beginning typed (with its own typos) is close as well.
        if (n.size() > t.size())
            score = std::min(score, distance(t, std::string_view(n).substr(0, t.size())) + 1);
        if (score <= limit) found.push_back({score, n.size(), k});
    }
    std::stable_sort(found.begin(), found.end(), [](const Candidate& a, const Candidate& b) {
        return a.score != b.score ? a.score < b.score : a.length < b.length;
    });
    std::vector<std::string> out;
    for (const Candidate& c : found) {
        if (out.size() == most) break;
        if (std::find(out.begin(), out.end(), names[c.order]) == out.end()) out.push_back(names[c.order]);
    }
    return out;
}

} // namespace kelvora
