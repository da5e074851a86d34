// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/NotebookMerge.h"

#include "model/RecordNames.h"
#include "notebook/CalendarDate.h"
#include "notebook/NotebookRules.h"

#include <algorithm>
#include <filesystem>

namespace kelvora {

namespace {

std::string extensionOf(const std::string& file) {
    const std::string ext = std::filesystem::path(file).extension().string();
    return ext.empty() ? std::string("img") : ext.substr(1);
}

} // namespace

NotebookMerge NotebookMerge::plan(const NotebookData& here, const NotebookData& incoming,
                                  const FreeFile& freeFile) {
    NotebookMerge m;
    m.merged = here;
    std::vector<std::pair<std::string, std::string>> firingCodes; // incoming → here
    const auto firingHere = [&](const std::string& incomingCode) -> std::string {
        for (const auto& [from, to] : firingCodes)
            if (RecordNames::same(from, incomingCode)) return to;
        const Stook* theirs = incoming.firing(incomingCode);
        if (!theirs) return incomingCode; // the check of the merged notebook names it
        const Stook* ours = m.merged.firing(incomingCode);
        std::string code = theirs->code;
        if (ours && ours->date == theirs->date && RecordNames::same(ours->kiln, theirs->kiln)) {
            m.firingsKept.push_back(code);
        } else {
            if (ours) {
                std::vector<std::string> codes;
                for (const auto& f : m.merged.firings)
                    codes.push_back(f.code);
                const auto date = CalendarDate::parse(theirs->date);
                code = NotebookRules::nextCode('S', date ? date->year : CalendarDate::today().year, codes);
                m.firingsRenamed.emplace_back(theirs->code, code);
            } else {
                m.firingsAdded.push_back(code);
            }
            Stook copy = *theirs;
            copy.code = code;
            m.merged.firings.push_back(std::move(copy));
        }
        firingCodes.emplace_back(theirs->code, code);
        return code;
    };

    std::vector<std::string> taken;
    for (const Proef& test : incoming.tests) {
        if (m.merged.test(test.code)) {
            m.testsKept.push_back(test.code);
            continue;
        }
        m.testsAdded.push_back(test.code);
        m.merged.tests.push_back(test);
        for (const TileResult* r : incoming.resultsOf(test.code)) {
            TileResult copy = *r;
            copy.firing = firingHere(r->firing);
            m.merged.results.push_back(std::move(copy));
        }
        for (const Foto* p : incoming.photosOf(test.code)) {
            Foto copy = *p;
            if (!p->firing.empty()) copy.firing = firingHere(p->firing);
            copy.file = freeFile(test.code, extensionOf(p->file), taken);
            taken.push_back(copy.file);
            m.photoFiles.emplace_back(p->file, copy.file);
            m.merged.photos.push_back(std::move(copy));
        }
    }
    return m;
}

std::vector<std::string> NotebookMerge::lines() const {
    std::vector<std::string> out;
    for (const auto& code : testsAdded)
        out.push_back("toegevoegd\tproef\t" + code);
    for (const auto& code : testsKept)
        out.push_back("behouden\tproef\t" + code);
    for (const auto& code : firingsAdded)
        out.push_back("toegevoegd\tstook\t" + code);
    for (const auto& [from, to] : firingsRenamed)
        out.push_back("toegevoegd\tstook\t" + to + "\t(was " + from + ")");
    for (const auto& code : firingsKept)
        out.push_back("behouden\tstook\t" + code);
    for (const auto& [from, to] : photoFiles)
        out.push_back("toegevoegd\tfoto\t" + to);
    return out;
}

} // namespace kelvora
