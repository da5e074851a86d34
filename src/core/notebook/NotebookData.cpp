// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/NotebookData.h"

#include "model/RecordNames.h"

namespace kelvora {

// Codes compare as names do: case and surrounding blanks aside.
const Proef* NotebookData::test(std::string_view code) const {
    for (const auto& t : tests)
        if (RecordNames::same(t.code, code)) return &t;
    return nullptr;
}

const Stook* NotebookData::firing(std::string_view code) const {
    for (const auto& f : firings)
        if (RecordNames::same(f.code, code)) return &f;
    return nullptr;
}

std::vector<const TileResult*> NotebookData::resultsOf(std::string_view test) const {
    std::vector<const TileResult*> out;
    for (const auto& r : results)
        if (RecordNames::same(r.test, test)) out.push_back(&r);
    return out;
}

std::vector<const Foto*> NotebookData::photosOf(std::string_view test) const {
    std::vector<const Foto*> out;
    for (const auto& p : photos)
        if (RecordNames::same(p.test, test)) out.push_back(&p);
    return out;
}

} // namespace kelvora
