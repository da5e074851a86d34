// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/SolverInput.h"
#include "solver/RecipeSolver.h"

#include "SolverTestMaterials.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace kelvora::test {
namespace {

std::string refusal(const std::function<void()>& call) {
    try {
        call();
    } catch (const SolverError& e) {
        return e.what();
    }
    return "(accepted)";
}

// Values that once reached the linear programme and made it abort the
// program; each must now come back as a Dutch message naming the value.
TEST(SolverInput, ValuesTheProgrammeCannotTakeAreRefusedByName) {
    const std::vector<SolverMaterial> materials{potashFeldspar(), whiting(), kaolin(), silica()};
    OxideValues ones;
    ones.fill(1.0);
    auto target = [](const char* list) { return SolverInput::target(list); };
    auto withPrice = [&](double prys) {
        auto changed = materials;
        changed[1].prys = prys;
        return changed;
    };
    auto withSilica = [&](double mols) {
        auto changed = materials;
        changed[3].oxides[OxideCatalogue::byStem("sio2")->position - 1] = mols;
        return changed;
    };
    auto weights = [&](double w) {
        OxideValues v = ones;
        v[OxideCatalogue::byStem("al2o3")->position - 1] = w;
        return v;
    };
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* what;
        std::function<void()> call;
        std::string message;
    } cases[] = {
        {"huge target", [&] { RecipeSolver::matchFormula(materials, target("sio2=1e101")); },
         "Doel SiO2: 1e+101 ligt niet tussen 0 en 1000."},
        {"negative target", [&] { RecipeSolver::matchFormula(materials, target("k2o=-0.3")); },
         "Doel K2O: -0.3 ligt niet tussen 0 en 1000."},
        {"huge weight", [&] { RecipeSolver::matchFormula(materials, target("k2o=0.3"), weights(1e200)); },
         "Gewicht Al2O3: 1e+200 ligt niet tussen 0 en 1e+06."},
        {"weight not a number",
         [&] { RecipeSolver::matchFormula(materials, target("k2o=0.3"), weights(NAN)); },
         "Gewicht Al2O3: nan ligt niet tussen 0 en 1e+06."},
        {"huge price",
         [&] { RecipeSolver::withinRanges(withPrice(1e25), SolverInput::ranges("sio2=2..4"), {}); },
         "Grondstof " + whiting().name + ", prijs: 1e+25 ligt niet tussen -1e+09 en 1e+09."},
        {"infinite analysis", [&] { RecipeSolver::matchFormula(withSilica(inf), target("sio2=3")); },
         "Grondstof " + silica().name + ", SiO2: inf ligt niet tussen -10000 en 10000."},
        {"huge range",
         [&] { RecipeSolver::withinRanges(materials, SolverInput::ranges("sio2=1e101.."), {}); },
         "Bereik SiO2 vanaf 1E101, ondergrens: 1e+101 ligt niet tussen 0 en 1000."},
        {"negative ratio",
         [&] { RecipeSolver::withinRanges(materials, SolverInput::ranges("sio2:al2o3=-1..12"), {}); },
         "Bereik SiO2:Al2O3 -1..12, ondergrens: -1 ligt niet tussen 0 en 1e+06."},
        {"number too large for a double", [&] { SolverInput::target("sio2=1e999"); }, "Geen getal: 1e999"},
        {"range without dots", [&] { SolverInput::ranges("sio2=3"); }, "Geen bereik: 3"},
        {"empty name", [&] { SolverInput::names("Krijt,,Kwarts"); },
         "Lege naam in de lijst van grondstoffen"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(refusal(c.call), c.message);
    }
    // Inside the bounds nothing is refused: a decimal comma, an open upper end.
    EXPECT_EQ(refusal([&] { RecipeSolver::matchFormula(materials, target("k2o=0,3,cao=0,7,sio2=3")); }),
              "(accepted)");
    EXPECT_EQ(SolverInput::target("k2o=0,3,cao=0,7")[OxideCatalogue::byStem("k2o")->position - 1], 0.3);
    EXPECT_TRUE(std::isinf(SolverInput::ranges("cao=0.6..")[0].high));
}

// A ratio is only met by a recipe that holds its lower oxide: 0/0 is no
// ratio, even though both rows of the range hold for it.
TEST(SolverInput, ARatioOfNothingToNothingMeetsNoRange) {
    const std::vector<SolverMaterial> noAlumina{whiting(), silica()};
    const auto r = RecipeSolver::withinRanges(noAlumina, SolverInput::ranges("sio2:al2o3=8..12"), {});
    EXPECT_FALSE(r.solved);
    EXPECT_NE(r.message.find("het bereik SiO2:Al2O3 8..12"), std::string::npos) << r.message;

    const std::vector<SolverMaterial> withKaolin{whiting(), silica(), kaolin()};
    const auto found = RecipeSolver::withinRanges(withKaolin, SolverInput::ranges("sio2:al2o3=8..12"), {});
    ASSERT_TRUE(found.solved) << found.message;
    const double al2o3 = found.formula[OxideCatalogue::byStem("al2o3")->position - 1];
    EXPECT_GT(al2o3, 0.0);
    const double ratio = found.formula[OxideCatalogue::byStem("sio2")->position - 1] / al2o3;
    EXPECT_GE(ratio, 8.0 - 1e-9);
    EXPECT_LE(ratio, 12.0 + 1e-9);
}

} // namespace
} // namespace kelvora::test
