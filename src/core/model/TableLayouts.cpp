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
    // Fields a later version added; older tables read them as empty.
    f.push_back(text("stat", 1));  // status: testen, productie, gestopt
    f.push_back(text("gbop", 40)); // based on: the parent glaze's name
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

const FieldDefs& TableLayouts::tests() {
    // The recipe as mixed is one memo (see NotebookMapper).
    static const FieldDefs fields{
        text("code", 20),   text("glazuur", 40), text("datum", 10),   memo("recept"),
        real("gram"),       real("water"),       real("sg"),          text("zeef", 20),
        text("scherf", 40), text("biscuit", 12), text("opbreng", 3),  real("seconden"),
        integer("lagen"),   text("dikte", 40),   text("gelaagd", 80), memo("notities")};
    return fields;
}

const FieldDefs& TableLayouts::firings() {
    static const FieldDefs fields{text("code", 20),     text("datum", 10), text("oven", 40),
                                  memo("schema"),       text("kegel", 40), text("sfeer", 4),
                                  text("reductie", 40), memo("notities"),  memo("log")};
    return fields;
}

const FieldDefs& TableLayouts::tileResults() {
    static const FieldDefs fields{text("stook", 20),     text("proef", 20),       text("plaats", 40),
                                  text("oppervlak", 40), text("doorzicht", 40),   text("kleur", 60),
                                  text("gebreken", 40),  text("gebrektekst", 80), integer("waardering"),
                                  memo("notities")};
    return fields;
}

const FieldDefs& TableLayouts::photos() {
    static const FieldDefs fields{text("bestand", 200), text("titel", 80), text("kegel", 12),
                                  text("sfeer", 4),     text("proef", 20), text("stook", 20)};
    return fields;
}

const FieldDefs& TableLayouts::scheduleTemplates() {
    static const FieldDefs fields{text("naam", 40), memo("schema")};
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
