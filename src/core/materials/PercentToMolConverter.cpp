#include "materials/PercentToMolConverter.h"

#include "engine/OxideMolarMass.h"
#include "model/OxideCatalogue.h"

#include <array>

namespace kelvora {

bool PercentToMolConverter::convert(View& materials, Prompter& prompter) {
    if (materials.asText("molproc") != "P") {
        prompter.message(
            "Samenstelling is niet in procenten ingevoerd\r\nVoer percentages in en zet Mol/proc op P");
        return false;
    }
    const auto oxides = OxideCatalogue::all();
    std::array<double, OxideCatalogue::count> mols{};
    for (const auto& oxide : oxides)
        mols[static_cast<std::size_t>(oxide.position - 1)] =
            materials.asNumber(oxide.percentField()) / OxideMolarMass::at(oxide.position);

    double basicSum = 0.0;
    for (const auto& oxide : OxideCatalogue::group(OxideGroup::Basic))
        basicSum += mols[static_cast<std::size_t>(oxide.position - 1)];
    if (basicSum == 0.0) {
        prompter.message("De som van de basische oxides is 0.\r\nKan daarom Seger formule niet afleiden uit "
                         "procentuele samenstelling.");
        return false;
    }

    const double factor = 1.0 / basicSum;
    double molWeight = 0.0;
    for (const auto& oxide : oxides) {
        auto& n = mols[static_cast<std::size_t>(oxide.position - 1)];
        n *= factor;
        molWeight += n * OxideMolarMass::at(oxide.position);
    }

    // A record being inserted stays in insert state and is posted as it is.
    if (materials.state() != ViewState::Insert) materials.edit();
    materials.setNumber("molg", molWeight);
    for (const auto& oxide : oxides)
        materials.setNumber(oxide.stem, mols[static_cast<std::size_t>(oxide.position - 1)]);
    materials.post();
    return true;
}

} // namespace kelvora
