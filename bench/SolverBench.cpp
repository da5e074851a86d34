// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one recipe solve with 12 materials over all 33 oxides: the dialog
// solves again on every keystroke, so one solve must stay well under 2 ms.
#include "solver/LinearProgram.h"
#include "solver/RecipeSolver.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace kelvora;

constexpr std::size_t kMaterials = 12;

// Twelve made-up materials that between them carry every oxide: material j
// holds oxides j, j + 12 and j + 24 of the catalogue (where they exist) and
// some silica, and every fourth one a basic oxide more.
std::vector<SolverMaterial> materials() {
    std::vector<SolverMaterial> list;
    const std::size_t silica = static_cast<std::size_t>(OxideCatalogue::byStem("sio2")->position - 1);
    for (std::size_t j = 0; j < kMaterials; ++j) {
        SolverMaterial m;
        m.name = "Grondstof " + std::to_string(j + 1);
        m.molg = 100.0 + 37.0 * static_cast<double>(j);
        m.prys = 0.5 + 0.4 * static_cast<double>(j % 5);
        for (std::size_t k = j; k < OxideCatalogue::count; k += kMaterials)
            m.oxides[k] = 1.0 + 0.1 * static_cast<double>(k % 7);
        m.oxides[silica] += 0.5 * static_cast<double>(j % 4);
        if (j % 4 == 0) m.oxides[(j + 3) % 15] += 0.3;
        list.push_back(m);
    }
    return list;
}

// A formula no mix reaches exactly: every oxide asks for a little.
OxideValues target() {
    OxideValues t{};
    for (std::size_t k = 0; k < t.size(); ++k)
        t[k] = 0.02 + 0.01 * static_cast<double>(k % 5);
    t[static_cast<std::size_t>(OxideCatalogue::byStem("sio2")->position - 1)] = 3.0;
    t[static_cast<std::size_t>(OxideCatalogue::byStem("al2o3")->position - 1)] = 0.4;
    return t;
}

void BM_MatchFormula(benchmark::State& state) {
    const auto list = materials();
    const auto goal = target();
    for (auto _ : state) {
        auto result = RecipeSolver::matchFormula(list, goal);
        benchmark::DoNotOptimize(result);
        if (!result.solved) state.SkipWithError("no recipe");
    }
}
BENCHMARK(BM_MatchFormula)->Unit(benchmark::kMicrosecond);

// The cheapest recipe inside a range for every oxide: Dinkelbach's iteration
// solves a few programmes of the same size.
void BM_CheapestWithinRanges(benchmark::State& state) {
    const auto list = materials();
    std::vector<OxideRange> ranges;
    for (const auto& oxide : OxideCatalogue::all())
        ranges.push_back({std::string(oxide.stem), 0.0, oxide.stem == "sio2" ? 4.0 : 2.0});
    ranges.push_back({"sio2:al2o3", 0.0, 50.0});
    for (auto _ : state) {
        auto result = RecipeSolver::withinRanges(list, ranges, {});
        benchmark::DoNotOptimize(result);
        if (!result.solved) state.SkipWithError(result.message.c_str());
    }
}
BENCHMARK(BM_CheapestWithinRanges)->Unit(benchmark::kMicrosecond);

} // namespace
