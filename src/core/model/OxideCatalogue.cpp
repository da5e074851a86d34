// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/OxideCatalogue.h"
#include "common/Translate.h"

#include <stdexcept>

namespace kelvora {

namespace {
using G = OxideGroup;
// The catalogue is written here once; everything else is derived from it.
constexpr std::array<Oxide, OxideCatalogue::count> kOxides{{
    {1, "li2o", "Li2O", G::Basic},      {2, "na2o", "Na2O", G::Basic},
    {3, "k2o", "K2O", G::Basic},        {4, "beo", "BeO", G::Basic},
    {5, "mgo", "MgO", G::Basic},        {6, "cao", "CaO", G::Basic},
    {7, "sro", "SrO", G::Basic},        {8, "bao", "BaO", G::Basic},
    {9, "feo", "FeO", G::Basic},        {10, "coo", "CoO", G::Basic},
    {11, "cuo", "CuO", G::Basic},       {12, "nio", "NiO", G::Basic},
    {13, "mno", "MnO", G::Basic},       {14, "zno", "ZnO", G::Basic},
    {15, "pbo", "PbO", G::Basic},       {16, "b2o3", "B2O3", G::Neutral},
    {17, "al2o3", "Al2O3", G::Neutral}, {18, "as2o3", "As2O3", G::Neutral},
    {19, "sb2o3", "Sb2O3", G::Neutral}, {20, "fe2o3", "Fe2O3", G::Neutral},
    {21, "bi2o3", "Bi2O3", G::Neutral}, {22, "mn2o3", "Mn2O3", G::Neutral},
    {23, "cr2o3", "Cr2O3", G::Neutral}, {24, "v2o5", "V2O5", G::Neutral},
    {25, "sio2", "SiO2", G::Acid},      {26, "geo2", "GeO2", G::Acid},
    {27, "tio2", "TiO2", G::Acid},      {28, "zro2", "ZrO2", G::Acid},
    {29, "sno2", "SnO2", G::Acid},      {30, "mno2", "MnO2", G::Acid},
    {31, "p2o5", "P2O5", G::Acid},      {32, "as2o5", "As2O5", G::Acid},
    {33, "sb2o5", "Sb2O5", G::Acid},
}};

constexpr bool groupsContiguous() {
    for (std::size_t i = 1; i < kOxides.size(); ++i)
        if (static_cast<int>(kOxides[i].group) < static_cast<int>(kOxides[i - 1].group)) return false;
    return true;
}
static_assert(groupsContiguous(), "oxide groups must be contiguous: basic, neutral, acid");
} // namespace

std::span<const Oxide> OxideCatalogue::all() {
    return kOxides;
}

const Oxide& OxideCatalogue::at(int position) {
    if (position < 1 || position > count) throw std::out_of_range("oxide position out of range");
    return kOxides[static_cast<std::size_t>(position - 1)];
}

const Oxide* OxideCatalogue::byStem(std::string_view stem) {
    for (const auto& oxide : kOxides)
        if (oxide.stem == stem) return &oxide;
    return nullptr;
}

std::span<const Oxide> OxideCatalogue::group(OxideGroup g) {
    std::size_t first = 0;
    while (first < kOxides.size() && kOxides[first].group != g)
        ++first;
    std::size_t last = first;
    while (last < kOxides.size() && kOxides[last].group == g)
        ++last;
    return std::span<const Oxide>(kOxides).subspan(first, last - first);
}

const char* OxideCatalogue::groupHeading(OxideGroup g) {
    switch (g) {
    case OxideGroup::Basic:
        return QT_TRANSLATE_NOOP("Oxides", "Basen");
    case OxideGroup::Neutral:
        return QT_TRANSLATE_NOOP("Oxides", "Neutraal");
    case OxideGroup::Acid:
        return QT_TRANSLATE_NOOP("Oxides", "Zuren");
    }
    return "";
}

} // namespace kelvora
