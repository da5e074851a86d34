// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportTestData.h"

#include "materials/PercentToMolConverter.h"
#include "store/PacketCodec.h"
#include "store/RecordMapper.h"
#include "store/View.h"

#include <cmath>

namespace kelvora::test {

namespace {
const std::string data = KELVORA_DATA_SOURCE;

Material percentMaterial(std::string name, std::initializer_list<std::pair<const char*, double>> analysis) {
    Material material;
    material.naam = std::move(name);
    material.molproc = "P";
    material.prys = 1.0; // a calculation stops at a material without a price
    material.percents.fill(0.0);
    for (const auto& [stem, percent] : analysis)
        material.percents[static_cast<std::size_t>(OxideCatalogue::byStem(stem)->position - 1)] = percent;
    // Converted as the materials window does, so that recipes using it calculate.
    const auto conversion = PercentToMolConverter::compute(material.percents);
    material.molg = conversion->molWeight;
    for (std::size_t i = 0; i < material.oxides.size(); ++i)
        material.oxides[i] = conversion->mols[i];
    return material;
}
} // namespace

std::vector<Glaze> exampleGlazes() {
    View glazes("GlzCDS");
    glazes.openPacket(*readPacketFile(data + "/glz.xml"));
    return GlazeMapper::all(glazes);
}

std::vector<Material> starterMaterials() {
    View materials("MatCDS");
    materials.openPacket(*readPacketFile(data + "/mat.xml"));
    return MaterialMapper::all(materials);
}

AwkwardSet awkwardSet() {
    AwkwardSet set;
    set.materials = {
        percentMaterial("Veldspaat \"Custer\" & <co>",
                        {{"sio2", 68.5}, {"al2o3", 17}, {"k2o", 10}, {"na2o", 3}}),
        percentMaterial("Kwarts, fijn | 325", {{"sio2", 99.8}}),
        percentMaterial("Krijt é ĳ ∆6", {{"cao", 56.0}}),
        percentMaterial("yes", {{"zno", 100}}),
        percentMaterial("123", {{"fe2o3", 100}}),
        percentMaterial("#: [x] -", {{"tio2", 100}}),
    };
    Glaze first;
    first.naam = "Tom's \"Shino\" & <co> | 5½";
    first.skva = "6a - 1200";
    first.sktt = "7 - 1230";
    first.catg = "Eigen, \"speciaal\" & mooi";
    first.omsc = "Regel één\r\nRegel twee | met streep";
    first.recipe.molp = "P";
    first.recipe.recipeSlots[0] = {"Veldspaat \"Custer\" & <co>", 33.333333333333336, kNullNumber};
    first.recipe.recipeSlots[1] = {"Kwarts, fijn | 325", 41.6666666666666, kNullNumber};
    first.recipe.recipeSlots[2] = {"Krijt é ĳ ∆6", 24.9999999, kNullNumber};
    first.recipe.additions[0] = {"123", 0.0012345678};
    first.recipe.additions[1] = {"#: [x] -", 1234.5678};
    Glaze second;
    second.naam = "yes";
    second.recipe.molp = "P";
    second.recipe.recipeSlots[0] = {"yes", 100.0, kNullNumber};
    second.recipe.additions[0] = {"Krijt é ĳ ∆6", 2.5};
    set.glazes = {first, second};
    return set;
}

bool sameToSixDigits(double read, double written) {
    return std::fabs(read - written) <= 5e-6 * std::fabs(written);
}

} // namespace kelvora::test
