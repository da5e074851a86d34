// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/TestSearch.h"

#include <gtest/gtest.h>

#include <map>

namespace kelvora::test {
namespace {

Proef test(const char* code, const char* glaze, const char* date, const char* clay) {
    Proef t;
    t.code = code;
    t.glaze = glaze;
    t.date = date;
    t.clayBody = clay;
    return t;
}

Stook firing(const char* code, const char* kiln, const char* cone, Atmosphere atmosphere) {
    Stook f;
    f.code = code;
    f.kiln = kiln;
    f.cone = cone;
    f.atmosphere = atmosphere;
    return f;
}

// Three tests of two glazes; two firings; one photo with a cone of its own.
NotebookData notebook() {
    NotebookData n;
    n.tests = {test("K-2026-003", "Seladon", "15-03-2026", "Steengoed wit"),
               test("K-2026-001", "Wit mat", "10-01-2026", "Porselein"),
               test("K-2026-002", "Seladon", "20-02-2026", "Steengoed rood")};
    n.firings = {firing("S-1", "Gasoven", "10 buigt, 11 staat", Atmosphere::Reduction),
                 firing("S-2", "Elektrisch", "06", Atmosphere::Oxidation)};
    TileResult a;
    a.firing = "S-1";
    a.test = "K-2026-003";
    a.defects = {Defect::Crazing, Defect::Pinholes};
    TileResult b;
    b.firing = "S-2";
    b.test = "K-2026-001";
    b.defects = {Defect::Crawling};
    TileResult c;
    c.firing = "S-1";
    c.test = "K-2026-002";
    n.results = {a, b, c};
    Foto p;
    p.test = "K-2026-001";
    p.cone = "6";
    p.atmosphere = Atmosphere::Wood;
    n.photos = {p};
    return n;
}

TEST(TestSearchTest, EachCriterionAlone) {
    const NotebookData n = notebook();
    const std::map<std::string, GlazeStatus> statuses{{"Seladon", GlazeStatus::Production},
                                                      {"Wit mat", GlazeStatus::Testing}};
    const GlazeStatusOf statusOf = [&](const std::string& glaze) -> std::optional<GlazeStatus> {
        const auto it = statuses.find(glaze);
        if (it == statuses.end()) return std::nullopt;
        return it->second;
    };
    struct Case {
        const char* what;
        TestQuery query;
        std::vector<std::string> found;
    };
    const auto q = [](auto set) {
        TestQuery query;
        set(query);
        return query;
    };
    const std::vector<Case> cases{
        {"nothing asked", {}, {"K-2026-001", "K-2026-002", "K-2026-003"}},
        {"code part", q([](TestQuery& x) { x.code = "6-00"; }), {"K-2026-001", "K-2026-002", "K-2026-003"}},
        {"code", q([](TestQuery& x) { x.code = "k-2026-002"; }), {"K-2026-002"}},
        {"glaze", q([](TestQuery& x) { x.glaze = " seladon"; }), {"K-2026-002", "K-2026-003"}},
        {"glaze is whole", q([](TestQuery& x) { x.glaze = "Selad"; }), {}},
        {"clay body", q([](TestQuery& x) { x.clayBody = "steengoed"; }), {"K-2026-002", "K-2026-003"}},
        {"cone of a firing", q([](TestQuery& x) { x.cone = "11"; }), {"K-2026-002", "K-2026-003"}},
        {"cone 06 is not 6", q([](TestQuery& x) { x.cone = "06"; }), {"K-2026-001"}},
        {"cone of a photo", q([](TestQuery& x) { x.cone = "6"; }), {"K-2026-001"}},
        {"cone nowhere", q([](TestQuery& x) { x.cone = "1"; }), {}},
        {"atmosphere",
         q([](TestQuery& x) { x.atmosphere = Atmosphere::Reduction; }),
         {"K-2026-002", "K-2026-003"}},
        {"atmosphere of a photo", q([](TestQuery& x) { x.atmosphere = Atmosphere::Wood; }), {"K-2026-001"}},
        {"kiln", q([](TestQuery& x) { x.kiln = "ELEKTRISCH"; }), {"K-2026-001"}},
        {"status", q([](TestQuery& x) { x.status = GlazeStatus::Production; }), {"K-2026-002", "K-2026-003"}},
        {"status none has", q([](TestQuery& x) { x.status = GlazeStatus::Stopped; }), {}},
        {"from",
         q([](TestQuery& x) {
             x.from = CalendarDate{2026, 2, 20};
         }),
         {"K-2026-002", "K-2026-003"}},
        {"to",
         q([](TestQuery& x) {
             x.to = CalendarDate{2026, 2, 19};
         }),
         {"K-2026-001"}},
        {"range",
         q([](TestQuery& x) {
             x.from = CalendarDate{2026, 1, 11};
             x.to = CalendarDate{2026, 3, 14};
         }),
         {"K-2026-002"}},
        {"defect", q([](TestQuery& x) { x.defect = Defect::Crazing; }), {"K-2026-003"}},
        {"defect none has", q([](TestQuery& x) { x.defect = Defect::Running; }), {}},
        {"two criteria",
         q([](TestQuery& x) {
             x.glaze = "Seladon";
             x.clayBody = "rood";
         }),
         {"K-2026-002"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> codes;
        for (const Proef* t : findTests(n, c.query, statusOf))
            codes.push_back(t->code);
        EXPECT_EQ(codes, c.found);
    }
}

TEST(TestSearchTest, AStatusAskedWithoutGlazesFindsNothing) {
    TestQuery query;
    query.status = GlazeStatus::Testing;
    EXPECT_TRUE(findTests(notebook(), query).empty());
}

} // namespace
} // namespace kelvora::test
