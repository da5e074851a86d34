// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary text to the solver's input as a potter types it (a target,
// ranges, a list of names, one number) and solves what parses: every input
// must end in a result or a SolverError, never in the library aborting.
#include "solver/RecipeSolver.h"
#include "solver/SolverInput.h"

#include "SolverTestMaterials.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kelvora;
    if (size == 0) return 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    static const std::vector<SolverMaterial> materials{test::potashFeldspar(), test::whiting(),
                                                       test::kaolin(), test::silica()};
    try {
        switch (data[0] % 4) {
        case 0:
            RecipeSolver::matchFormula(materials, SolverInput::target(text));
            break;
        case 1: {
            const auto ranges = SolverInput::ranges(text);
            RecipeSolver::withinRanges(materials, ranges, {});
            RecipeSolver::withinRanges(materials, ranges, {SolverObjective::Kind::MaximiseOxide, "sio2"});
            break;
        }
        case 2:
            for (const auto& name : SolverInput::names(text))
                if (name.empty()) std::abort();
            break;
        default:
            if (const auto value = SolverInput::number(text); value && !std::isfinite(*value)) std::abort();
        }
    } catch (const SolverError&) {
        // A refusal with a message is the right answer to most inputs.
    }
    return 0;
}
