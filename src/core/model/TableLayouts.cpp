// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/TableLayouts.h"

#include "model/OxideCatalogue.h"
#include "store/RecordMapper.h"

namespace kelvora {

namespace {
FieldDef text(std::string name, int width) {
    return {std::move(name), FieldType::Text, width};
}
FieldDef memo(std::string name) {
    return {std::move(name), FieldType::Memo, 0};
}
FieldDef real(std::string name) {
    return {std::move(name), FieldType::Float, 0};
}
FieldDef integer(std::string name) {
    return {std::move(name), FieldType::Integer, 0};
}

FieldDefs buildMaterials() {
    FieldDefs f{text("naam", 40), memo("omsc"),     real("prys"),
                real("molg"),     text("levr", 40), text("besc", 1)};
    for (const auto& oxide : OxideCatalogue::all())
        f.push_back(real(std::string(oxide.stem)));
    f.push_back(text("molproc", 1));
    for (const auto& oxide : OxideCatalogue::all())
        f.push_back(real(oxide.percentField()));
    return f;
}

FieldDefs buildGlazes() {
    // catg is stored 70 wide so that every category of the editor's list fits whole.
    FieldDefs f{text("naam", 40), memo("omsc"),    real("prys"),     text("datm", 10),  integer("tmpv"),
                text("skva", 12), integer("tmpt"), text("sktt", 12), text("catg", 70),  text("brtm", 40),
                text("oxrd", 30), text("tstd", 1), text("levm", 1),  text("imgf", 100), text("molp", 1)};
    SlotFields::append(f);
    for (const auto& oxide : OxideCatalogue::all())
        f.push_back(real(std::string(oxide.stem)));
    return f;
}
} // namespace

const FieldDefs& TableLayouts::blends() {
    // The corners are one memo, a glaze name per line.
    static const FieldDefs fields{text("naam", 20),    text("soort", 10),   memo("hoeken"), integer("cellen"),
                                  integer("rijen"),    integer("kolommen"), real("van"),    real("tot"),
                                  real("hoeveelheid"), text("eenheid", 2),  real("marge")};
    return fields;
}

const FieldDefs& TableLayouts::aliases() {
    // A name as another tool writes it may be longer than a material name.
    static const FieldDefs fields{text("naam", 80), text("grondstof", 40)};
    return fields;
}

const FieldDefs& TableLayouts::materials() {
    static const FieldDefs fields = buildMaterials();
    return fields;
}

const FieldDefs& TableLayouts::glazes() {
    static const FieldDefs fields = buildGlazes();
    return fields;
}

} // namespace kelvora
