// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/TestSearch.h"

#include "common/Utf8.h"
#include "model/RecordNames.h"
#include "notebook/NotebookText.h"

#include <algorithm>

namespace kelvora {

namespace {

bool contains(std::string_view text, std::string_view part) {
    return notebook::lowered(text).find(notebook::lowered(part)) != std::string::npos;
}

// Whether `cone` is one of the words of `text` (words are runs of letters and digits).
bool hasConeWord(std::string_view text, const std::string& cone) {
    const std::string wanted = notebook::lowered(cone);
    std::string word;
    const std::string lowered = notebook::lowered(text) + " ";
    for (const char c : lowered) {
        const bool part =
            (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || static_cast<unsigned char>(c) >= 0x80;
        if (part) {
            word += c;
            continue;
        }
        if (word == wanted) return true;
        word.clear();
    }
    return false;
}

bool matches(const NotebookData& n, const Proef& t, const TestQuery& q, const GlazeStatusOf& statusOf) {
    if (!q.code.empty() && !contains(t.code, q.code)) return false;
    if (!q.glaze.empty() && !RecordNames::same(t.glaze, q.glaze)) return false;
    if (!q.clayBody.empty() && !contains(t.clayBody, q.clayBody)) return false;
    if (q.from || q.to) {
        const auto mixed = CalendarDate::parse(t.date);
        if (!mixed || (q.from && mixed->key() < q.from->key()) || (q.to && mixed->key() > q.to->key()))
            return false;
    }
    if (q.status && (!statusOf || statusOf(t.glaze) != q.status)) return false;

    const auto results = n.resultsOf(t.code);
    const auto photos = n.photosOf(t.code);
    std::vector<const Stook*> firings;
    for (const TileResult* r : results)
        if (const Stook* f = n.firing(r->firing)) firings.push_back(f);
    const auto anyFiring = [&](auto test) { return std::any_of(firings.begin(), firings.end(), test); };
    const auto anyPhoto = [&](auto test) { return std::any_of(photos.begin(), photos.end(), test); };

    if (!q.kiln.empty() && !anyFiring([&](const Stook* f) { return RecordNames::same(f->kiln, q.kiln); }))
        return false;
    if (q.atmosphere && !anyFiring([&](const Stook* f) { return f->atmosphere == q.atmosphere; }) &&
        !anyPhoto([&](const Foto* p) { return p->atmosphere == q.atmosphere; }))
        return false;
    if (!utf8::trim(q.cone).empty() &&
        !anyFiring([&](const Stook* f) { return hasConeWord(f->cone, q.cone); }) &&
        !anyPhoto([&](const Foto* p) { return hasConeWord(p->cone, q.cone); }))
        return false;
    if (q.defect && std::none_of(results.begin(), results.end(), [&](const TileResult* r) {
            return std::find(r->defects.begin(), r->defects.end(), *q.defect) != r->defects.end();
        }))
        return false;
    return true;
}

} // namespace

std::vector<const Proef*> findTests(const NotebookData& notebook, const TestQuery& query,
                                    const GlazeStatusOf& statusOf) {
    std::vector<const Proef*> found;
    for (const auto& t : notebook.tests)
        if (matches(notebook, t, query, statusOf)) found.push_back(&t);
    std::sort(found.begin(), found.end(), [](const Proef* a, const Proef* b) { return a->code < b->code; });
    return found;
}

} // namespace kelvora
